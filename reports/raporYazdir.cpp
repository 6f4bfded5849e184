#include "reports/raporYazdir.h"

#include "core/etkilesim.h"
#include "reports/rapor.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

QString sayfalariYazdir(QPrinter& yazici, const QList<RaporSayfasi>& sayfalar)
{
    // Our pages carry their own margins: draw from the paper's corner.
    yazici.setFullPage(true);
    return raporSayfalariBas(&yazici, sayfalar);
}

bool dogrudanYazdir(TRapor& rapor, const QString& yaziciAdi)
{
    const QPrinterInfo bilgi = QPrinterInfo::printerInfo(yaziciAdi);
    if (yaziciAdi.isEmpty() || bilgi.isNull()) {
        bilgiMesaji(QStringLiteral("Yazıcı bulunamadı: ") + yaziciAdi);
        return false;
    }
    const QList<RaporSayfasi>& sayfalar = rapor.hazirla();
    QPrinter yazici(bilgi, QPrinter::HighResolution);
    yazici.setDocName(rapor.sablon().ad.isEmpty() ? QStringLiteral("Torvel Shop")
                                                  : rapor.sablon().ad);
    const QString hata = sayfalariYazdir(yazici, sayfalar);
    if (!hata.isEmpty()) {
        bilgiMesaji(hata);
        return false;
    }
    return true;
}

bool diyalogIleYazdir(TRapor& rapor, QWidget* ebeveyn, const QString& yaziciAdi)
{
    const QList<RaporSayfasi>& sayfalar = rapor.hazirla();
    const QPrinterInfo bilgi =
        yaziciAdi.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(yaziciAdi);
    QPrinter yazici(QPrinter::HighResolution);
    if (!bilgi.isNull())
        yazici.setPrinterName(bilgi.printerName());
    QPrintDialog diyalog(&yazici, ebeveyn);
    diyalog.setWindowTitle(QStringLiteral("Yazdır"));
    if (diyalog.exec() != QDialog::Accepted)
        return false;
    const QString hata = sayfalariYazdir(yazici, sayfalar);
    if (!hata.isEmpty()) {
        bilgiMesaji(hata);
        return false;
    }
    return true;
}
