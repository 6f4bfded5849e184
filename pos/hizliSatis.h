#pragma once

#include "core/veritabani.h"

#include <QObject>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QSqlQueryModel;

// The open basket of the till and everything that puts a product into it: the barcode box,
// weighed goods, label-scale barcodes, free prices, returns, the stock warning and the totals.
// The basket lives in tmpsatis (beklemede = 0) so that it survives a crash of the program.

// The stok column the till sells from: "satisfiyat1" or "satisfiyat2". Program-wide.
QString& satisFiyatiAlani();

struct SepetToplami {
    double toplam = 0.0; // sum of the open basket's lines
    double kartli = 0.0; // what the customer pays by card: total plus the card surcharge
};

class HizliSatis : public QObject
{
    Q_OBJECT
public:
    explicit HizliSatis(QObject* parent = nullptr);

    int FAdetCarpan = 1; // quantity for the next product, from a "N*" prefix
    bool iade = false;   // return mode

    // A master-list product the cashier wants to register: opens the stock card filled from
    // it and tells whether it was saved. Not set: the master list is not offered.
    std::function<bool(const QSqlRecord& master)> stokKartiAc;

    // Enter in the barcode box: reads a "N*" prefix and adds the product. Returns the text the
    // box keeps (empty after a sale line; the barcode again after a master-list registration).
    QString barkodKutusuEnter(const QString& metin);
    // Adds the product with this id, or (id empty) the product of the barcode.
    void barkodOku(const QString& stokID, const QString& barkod = QString());

    SepetToplami tutarEditGuncelle();
    void satisIptal();
    // "+" / "−" on a line; the quantity never goes below 1 by "−".
    bool satirAdetDegistir(int satirId, bool arttir);
    // Quantity, price or discount of a line through the numeric dialog. True when changed.
    bool satirDuzenle(int satirId, const QString& sutun);
    void satirSil(int satirId);
    bool sepetBos() const;

    // Whether the logged-in user may change basket lines (fixed when the till opens).
    static bool satirDuzenlemeYetkisi();
    // The card surcharge in percent: line 1 of ayarlar.txt, 0 when missing or not a number.
    static double kartKomisyonu();
    // received − total as a plain number; none while either is empty or "0", or received is not
    // a number.
    static std::optional<QString> paraUstu(const QString& alinan, double toplam);
    // The customers of the till's list: "PERAKENDE" first when nothing is searched.
    static QStringList cariListesi(const QString& arama);
    // The product search of the "Ürün Bul" tab: by name, or by main barcode on Enter.
    static void urunAra(QSqlQueryModel& model, const QString& metin, bool barkodIle);

    // The receipt mode of the settings row: 0 "Kapalı", 1 "Önizle", 2 "Yazdır".
    static int fisModuOku();
    static void fisModuKaydet(int mod);
    // The till's status line: the shop's name and the version.
    static QString durumMetni();

    // The product picker's list: every product with its group and brand names; a text finds
    // products by name, code or barcode. Bounded, and loaded whole for the grid's filter row.
    static void urunSeciciAra(QSqlQueryModel& model, const QString& metin);

    // The return-price history: the last 15 distinct prices at which the product left the shop.
    static QStringList iadeGecmisFiyatlari(int stokId, const QString& stokAdi);
    // The price on a line of that list; none for the title line and the "not found" line.
    static std::optional<double> iadeFiyatiSatirdan(const QString& satir);

signals:
    void sepetDegisti(); // the basket is to be re-read
    void toplamDegisti(double toplam, double kartli);
    void hataRenkleri(bool acik); // red barcode box and grid while an error is shown
    void urunListesiDegisti();    // the product search list is to be re-read

private:
    struct Okuma {
        QSqlRecord urun;
        double w = 0.0; // weight, in the product's selling unit
        double p = 0.0; // custom price
        bool ozelFiyat = false;
        double tartiToplami = 0.0;
    };
    std::optional<QSqlRecord> barkodlaBul(const QString& barkod);
    bool gramajAl(Okuma& o, bool barkodYolu);
    void barkodYok(const QString& t);
    void stokUyarisi(const QSqlRecord& urun);
    void satiraEkle(const Okuma& o);
    void hata(const QString& metin);

    bool duzenlemeYetkisi;
    HazirSorgu barkodSorgusu;
    QString kutu; // what the barcode box holds while a lookup runs
};
