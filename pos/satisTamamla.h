#pragma once

#include "reports/rapor.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class HizliSatis;

// The till's receipt mode: the item index of its "Fiş Yazdır" box, kept in ayarlar.FisYazdirma.
enum FisModu { fmKapali = 0, fmOnizle = 1, fmYazdir = 2 };

// What one completed sale wrote.
struct SatisSonucu {
    qlonglong faturaId = 0;
    QString faturaNo;      // "HS57"
    QString odemeId;       // "0" when no payment row was made
    double toplam = 0.0;   // the basket's total, positive also for a return
    bool fisCikti = false; // the receipt was shown or printed
};

// Turning the open basket into a sale: the three payment keys, the rows of the document, the
// receipt and the cash drawer.
//
// One sale is one transaction: the payment, the document, its stock lines, the account row and
// the emptying of the basket are committed together or not at all, so an error leaves neither
// half a sale nor a basket that could be sold twice. The receipt goes out only after the commit,
// from data kept in memory; a printer fault can therefore never undo or repeat a sale.
class SatisTamamlama : public QObject
{
    Q_OBJECT
public:
    explicit SatisTamamlama(HizliSatis& sepet, QObject* parent = nullptr);

    // Shows or prints the receipt report. The screen installs the preview and the direct print
    // on "POS58"; tests record what would go out. True when it went out. Not set: no receipts.
    std::function<bool(TRapor& fis, FisModu mod)> fisCikisi;
    // Opens the cash drawer; starts the installation's "cekmece" program unless replaced.
    std::function<void()> cekmeceAc;
    // The receipt mode of the coming sales.
    FisModu fisModu = fmKapali;

    // The receipt report: receipt lines as frxDsHsFis and frxDsHsFisTitle, the customer's
    // balances as frxDsHsCari and frxDsCariBakiye, the variables fisNo and odemeSekli.
    TRapor frxHsFis;
    // Guarded load of Raporlar\perakende_fis.fr3 over the built-in receipt.
    void fisSablonunuYukle();

    // Completes the open basket with the payment kind "NAKİT", "KREDİ KARTI" or "CARİ" for the
    // account cariID. None when nothing was written (stopped, refused or failed).
    std::optional<SatisSonucu> satisTamamla(const QString& islem, const QString& cariID);

    // The payment keys. barkodKutusu is the text of the barcode box (an amount received),
    // cariAdi the chosen customer, odakSatirId the basket line under the cursor (0: none).
    std::optional<SatisSonucu> nakitSatis(const QString& barkodKutusu, const QString& cariAdi);
    std::optional<SatisSonucu> kartSatis(const QString& cariAdi, int odakSatirId);
    std::optional<SatisSonucu> veresiyeSatis(const QString& cariAdi);
    // "Fis Yazdır": the last receipt again, on the printer without a dialog.
    bool fisYazdir();

    // Reads the open basket as the receipt's lines (the screen does it when it opens).
    void fisVerisiniOku();

signals:
    // received − total, as a plain number, for the change box.
    void paraUstuHesaplandi(const QString& paraUstu);
    // The sale is committed and the basket empty; sent before the drawer and the receipt.
    void satisKaydedildi(const SatisSonucu& sonuc);

private:
    std::optional<SatisSonucu> tamamla(const QString& islem, QString cariID, bool cekmeceyle,
                                       int sifirIskontoSatiri);
    SatisSonucu yaz(const QString& islem, const QString& cariID, int sifirIskontoSatiri,
                    const QDateTime& simdi);
    void cariBakiyesiniOku(const QString& cariID);
    bool fisiCikar(FisModu mod);

    HizliSatis& sepet;
    RaporVeriSeti dsHsFis;
    RaporVeriSeti dsCariBakiye;
    // The account whose balances the next receipt shows; read when a receipt goes out.
    std::optional<QString> bakiyesiOkunacak;
};
