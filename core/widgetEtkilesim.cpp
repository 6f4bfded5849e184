#include "core/widgetEtkilesim.h"

#include "core/mesajFormF.h"
#include "core/tonCalar.h"
#include "pos/frmTeraziManuelGirisF.h"
#include "pos/iadeFiyatSecimF.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>

bool WidgetEtkilesim::mesaj(const QString& metin, TMesajTipi tip)
{
    // Guarded, because the window it sits on may be torn down while the question is open.
    QPointer<TmesajForm> form = new TmesajForm(QApplication::activeWindow());
    form->Ayarla(metin, tip);
    const int sonuc = form->exec();
    delete form.data();
    return sonuc == QMessageBox::Yes;
}

void WidgetEtkilesim::duzMesaj(const QString& metin)
{
    QMessageBox::information(QApplication::activeWindow(), QStringLiteral("Torvel Shop"), metin);
}

double WidgetEtkilesim::sayiGir(const QString& baslik, const QString& onMetin)
{
    QPointer<TfrmTeraziManuelGiris> form = new TfrmTeraziManuelGiris(QApplication::activeWindow());
    form->setWindowTitle(baslik);
    form->edtTartiSonuc->setText(onMetin);
    form->exec();
    if (!form)
        return 0.0;
    const double sonuc = form->tartiSonuc;
    delete form.data();
    return sonuc;
}

double WidgetEtkilesim::iadeFiyatiSec(int stokId, const QString& stokAdi)
{
    TiadeFiyatSecim d(stokId, stokAdi, QApplication::activeWindow());
    return d.exec() == QDialog::Accepted ? d.FIadeSecilenFiyat : 0.0;
}

void WidgetEtkilesim::ton(int frekans, int sureMs)
{
    tonCal(frekans, sureMs);
}
