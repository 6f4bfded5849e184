#pragma once

#include "reports/raporVeriSeti.h"

#include <QObject>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QString>
#include <QVariant>

class QSqlQueryModel;

// The colours or the sizes of a clothing product (stok_renk / stok_beden), edited in place.
// A row is posted when the grid leaves it or on "Kaydet"; a row posted without its product
// gets the card's product.
class GiyimListesi : public QSqlTableModel
{
    Q_OBJECT
public:
    // tablo "stok_renk" with adAlani "renk_adi", or "stok_beden" with "beden_adi".
    GiyimListesi(const QString& tablo, const QString& adAlani, QObject* parent = nullptr);

    QString adAlani() const { return adAlani_; }
    // Shows the rows of this product; kapat() shows none and takes no new rows.
    void ac(qint64 stokId);
    void kapat();
    bool acik() const { return acik_; }
    qint64 stokId() const { return stokId_; }

    // A new row at the end, numbered one after the product's last; -1 when the list is closed
    // or a pending row could not be posted.
    int yeniSatir();
    // Posts pending rows; a refusal of the database is shown and the rows stay as typed.
    bool kaydet();
    bool sil(int satir);
    void vazgec() { revertAll(); }

    bool submit() override { return kaydet(); }

protected:
    bool insertRowIntoTable(const QSqlRecord& values) override;

private:
    QString adAlani_;
    qint64 stokId_ = 0;
    bool acik_ = false;
};

// The stock card: one stok row as the card edits it, its mode, the save checks, barcode
// generation, VAT buttons, touch entry, the picture, deletion, colours and sizes and the data
// of its labels. The window shows what this holds and forwards every action here.
class StokKarti : public QObject
{
    Q_OBJECT
public:
    // The dataset states of the card's row.
    enum Durum { Gozat, Duzenle, Ekle };

    // The captions are also the modes and are compared literally.
    static const QString yeniBaslik;
    static const QString duzenleBaslik;
    static const QString masterBaslik;

    explicit StokKarti(QObject* parent = nullptr);
    ~StokKarti() override;

    // New-card mode: an empty row being inserted.
    void yeniKayit();
    // Edit mode on the product with this stock code; false when there is none (the card is
    // then empty).
    bool duzenlemeIcinAc(const QString& stokKodu);
    // Master mode: a new row filled from a StokMaster row.
    void masterdanYukle(const QSqlRecord& master);

    QString baslik() const { return baslik_; }
    Durum durum() const { return durum_; }
    bool kayitVar() const { return kayitVar_; }
    bool degisiklikVar() const { return kayitVar_ && durum_ != Gozat; }
    // Edit mode keeps the stock code: it is the key the other screens find the product by.
    bool stokKoduKilitli() const { return baslik_ == duzenleBaslik; }
    // The product's id; 0 while it is being inserted or when there is none.
    qint64 id() const;

    QVariant deger(const QString& alan) const;
    QString metin(const QString& alan) const;
    // A value typed on the card. Puts the row into edit state first, which needs STOKGUNCELLE;
    // false (and nothing changed) when that is refused.
    bool ayarla(const QString& alan, const QVariant& deger);
    // The text of a bound box: empty text is an empty (NULL) column; number columns read the
    // decimal comma, and a text that is not a number leaves the column as it was.
    bool kutuMetniAyarla(const QString& alan, const QString& metin);
    // The text a bound box shows for a column.
    QString kutuMetni(const QString& alan) const;

    // Navigator "Düzenle": edit state, which needs STOKGUNCELLE.
    bool duzenle();
    // Navigator "Yeni Stok Kartı". A changed row is saved first, as a dataset does before it
    // appends; true when that save went through (the card then closes like after any save).
    bool yeniKartaGec();
    // "Kaydet": the checks in order, then the row. True when written ("Kayıt başarılı..").
    bool kaydet();
    // Drops the changes of the row.
    void iptal();
    // Navigator "Sil". True when the product was deleted.
    bool sil();
    // Closing the card: true when it may close; unsaved changes are asked about and dropped.
    bool kapatilabilir();

    // Where the last refused action wants the focus: a column name, or empty.
    QString odak() const { return odak_; }

    // "K+" (ekle) and "K-" on a price column with the rate text of the "Kdv" box. The price
    // is read from the box text fiyatKutusu. True when the price changed.
    bool kdvUygula(const QString& alan, const QString& fiyatKutusu, const QString& kdvMetni,
                   bool ekle);
    // Leaving a price box: its text as "#.##" goes into the column; returns the new text.
    QString fiyatKutusuBirakildi(const QString& alan, const QString& metin);
    // Touch entry of a price or the stock warning through the numeric dialog. True when the
    // column changed.
    bool sayiGirisi(const QString& alan, const QString& kutuMetni);
    static QString sayiGirisiBasligi(const QString& alan);
    // "..." beside the barcode: the next number of ayarlar.txt as a barcode.
    bool barkodUret();
    // Enter in the barcode box: the barcode becomes the stock code too (not in edit mode,
    // where the stock code is the product's key).
    void barkodGirildi(const QString& barkod);

    // The picture: only while the row is being edited or inserted.
    bool resimYukle(const QString& dosya);
    bool resmiSil();

    // Clothing: the "Renk / Beden" tab shows for a row whose giyim is 1.
    bool giyimSekmesiGorunur() const;
    // Opens the colour and size lists for the product, or closes them while there is no
    // stored row.
    void giyimListeleriniAc();
    GiyimListesi* renkler() const { return renkler_; }
    GiyimListesi* bedenler() const { return bedenler_; }

    // Lookup lists of the unit, group and brand boxes (id, adi).
    QSqlQueryModel* birimler() const { return birimler_; }
    QSqlQueryModel* gruplar() const { return gruplar_; }
    QSqlQueryModel* markalar() const { return markalar_; }
    void tanimlariYenile();

    // The card's row for the label templates (frxDBbarkod, frxDBDataset1), as shown now.
    RaporVeriSeti& etiketVerisi();

signals:
    // The row, the mode or the state changed: the window shows them again.
    void degisti();

private:
    void kayitKur(const QSqlRecord& r, Durum d, const QString& baslik);
    bool duzenlemeyeAl();
    bool reddet(const QString& mesaj, const QString& odak);
    bool bos(const QString& alan) const;
    QString lookupAdi(const QString& tablo, const QString& alan) const;
    bool yaz();

    QSqlRecord bos_;  // the columns of stok, without values
    QSqlRecord kayit; // the row as edited
    QSqlRecord sakli; // the row as stored (edit mode)
    Durum durum_ = Gozat;
    bool kayitVar_ = false;
    bool degistirildi = false;
    QString baslik_;
    QString odak_;

    GiyimListesi* renkler_ = nullptr;
    GiyimListesi* bedenler_ = nullptr;
    QSqlQueryModel* birimler_ = nullptr;
    QSqlQueryModel* gruplar_ = nullptr;
    QSqlQueryModel* markalar_ = nullptr;
    RaporVeriSeti etiket;
};
