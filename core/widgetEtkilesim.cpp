#include "core/widgetEtkilesim.h"

#include "core/mesajFormF.h"

#include <QApplication>
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
