#pragma once

#include "reports/rapor.h"
#include "reports/raporVeriSeti.h"

#include <QDialog>
#include <QHash>
#include <QSqlRecord>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class StokHareketleri;
class StokKarti;
class TdokunmatikKlavye;
class Tgrid;

// The stock card: one product with its barcodes, prices, unit and group, flags, note, picture,
// colours and sizes, its movements and its labels. The caller puts it into one of the three
// modes (the caption) and shows it modally; it closes itself after a successful save.
class TstokForm : public QDialog
{
    Q_OBJECT
public:
    explicit TstokForm(QWidget* parent = nullptr);
    ~TstokForm() override;

    // New-card mode: "Yeni Stok Kaydı".
    void yeniKayitModu();
    // Edit mode on a product's stock code: "Stok Kartı Düzenle". False when there is none.
    bool duzenlemeModu(const QString& stokKodu);
    // Master mode: a new card filled from a StokMaster row, "Yeni Stok Kaydı (Master Listeden)".
    void LoadFromMasterRecord(const QSqlRecord& master);

    StokKarti* kart = nullptr;
    StokHareketleri* hareketler = nullptr;

    QTabWidget* pcStok = nullptr;
    QWidget* shtBilgi = nullptr;
    QWidget* shtGiyim = nullptr;
    QWidget* shtHareket = nullptr;
    QGroupBox* grpUrun = nullptr;
    QTabWidget* pcAlt = nullptr;
    QWidget* shtBarkodlar = nullptr;

    QLineEdit* edtBarkod = nullptr;
    QPushButton* BrkdUrt = nullptr;
    QLineEdit* edtStokKodu = nullptr;
    QLineEdit* edtStokADi = nullptr;
    QLineEdit* edtSatisFiyat1KdvDahil = nullptr;
    QLineEdit* edtSatisFiyat2KdvDahil = nullptr;
    QLineEdit* edtAlisFiyatKDVdahil = nullptr;
    QComboBox* cbBirim = nullptr;
    QComboBox* cbGrup = nullptr;
    QPushButton* btnBirimTanim = nullptr;
    QPushButton* btnGrupTanim = nullptr;
    QLineEdit* edtStokUyari = nullptr;
    QLineEdit* edtTartiCarpan = nullptr;
    QCheckBox* chkTartili = nullptr;
    QCheckBox* chkTeraziBarkodu = nullptr;
    QCheckBox* chkSerbestSatis = nullptr;
    QCheckBox* chkGiyim = nullptr;
    QPlainTextEdit* memAciklama = nullptr;
    QLabel* imgResim = nullptr;
    QLineEdit* edtKDV = nullptr;
    QList<QLineEdit*> DBEdit;                                         // "Barkod2" .. "Barkod8"
    QHash<QString, QPushButton*> kdvEkleDugmeleri, kdvCikarDugmeleri; // by price column

    QPushButton* btnYeni = nullptr;
    QPushButton* btnSil = nullptr;
    QPushButton* btnDuzenle = nullptr;
    QPushButton* btnKaydet = nullptr;
    QPushButton* btnKlavye = nullptr;
    QPushButton* btnUrunEtiketi = nullptr;
    QPushButton* btnRafEtiketi = nullptr;
    QPushButton* btnEtiketTasarim = nullptr;
    QPushButton* btnKapat = nullptr;
    TdokunmatikKlavye* klavye = nullptr;

    Tgrid* grdRenk = nullptr;
    Tgrid* grdBeden = nullptr;

    QDateTimeEdit* dtTarih1 = nullptr;
    QDateTimeEdit* dtTarih2 = nullptr;
    QPushButton* btnListele = nullptr;
    QPushButton* btnHareketYazdir = nullptr;
    Tgrid* grdHareket = nullptr;
    QLineEdit* edtGiren = nullptr;
    QLineEdit* edtCikan = nullptr;
    QLineEdit* edtToplamTutar = nullptr;
    QLineEdit* edtKalan = nullptr;

    TRapor frxEtiket;  // the label last loaded
    TRapor frxHareket; // the movement list

public slots:
    void btnKaydetClick();
    void btnYeniClick();
    void btnSilClick();
    void btnDuzenleClick();
    void BrkdUrtClick();
    void btnKlavyeClick();
    void btnUrunEtiketiClick();
    void btnRafEtiketiClick();
    void btnEtiketTasarimClick();
    void btnListeleClick();
    void btnHareketYazdirClick();
    void hareketSilClick();
    void resimYukleClick();
    void resmiSilClick();
    // Closing with unsaved changes asks first.
    void reject() override;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QWidget* bilgiSekmesiKur();
    QWidget* giyimSekmesiKur();
    QWidget* hareketSekmesiKur();
    QLineEdit* kutu(const QString& alan, const QString& ad);
    void fiyatSatiri(QGridLayout* l, int satir, int sutun, const QString& baslik, QLineEdit* e,
                     const QString& alan, bool ipucu);
    void kayittanGoster();
    void giyimSekmesiniGuncelle();
    void odaklan();
    void toplamlariGoster();
    void hareketleriListele();
    void tanimAc();
    void kdvKutusunuDoldur();
    bool etiketYazdir(const QString& yol, const QString& yazici);
    void klavyeyiYerlestir();

    QHash<QString, QLineEdit*> kutular; // bound boxes by column
    QWidget* yazan = nullptr;           // the box being typed into: not rewritten meanwhile
    bool gosteriliyor = false;
    QByteArray gosterilenResim;
    RaporVeriSeti dsHareket;
};

// For the callers: the card in a mode, shown modally; true when it was saved.
bool yeniStokKartiAc(QWidget* parent = nullptr);
bool stokKartiniDuzenle(const QString& stokKodu, QWidget* parent = nullptr);
bool stokKartiniMasterdanAc(const QSqlRecord& master, QWidget* parent = nullptr);
