#pragma once

#include "reports/raporMotoru.h"
#include "reports/raporSablon.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QScrollArea;
class QSpinBox;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TRapor;

// The report designer: the template's bands and objects as a tree, the selected one's
// properties, and a preview that is laid out again from the screen's own data after every
// change. "Kaydet" writes the template back to its file.
class TraporTasarim : public QDialog
{
    Q_OBJECT
public:
    // yol: the template file as the screen names it ("Raporlar\\perakende_fis.fr3").
    TraporTasarim(TRapor& rapor, const QString& yol, QWidget* parent = nullptr);

    const RaporSablonu& calismaSablonu() const { return calisma; }
    const RaporSonucu& onizleme() const { return sonuc; }
    bool degisti() const { return degisiklik; }
    // Selects an object by name in the tree; false when there is none.
    bool nesneSec(const QString& ad);
    QString seciliNesneAdi() const;

public slots:
    // Writes the template to its file and into the report; false (with a message) on failure.
    bool kaydet();
    void bantEkle(BantTuru tur);
    void nesneEkle(RaporNesnesi::Tur tur);
    void secileniSil();
    void yukari();
    void asagi();
    // Closing with unsaved changes asks whether to save them.
    void reject() override;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    struct Secim {
        QList<int> bant; // path through the band tree; empty: the page
        int nesne = -1;
    };

    void arayuzKur();
    QWidget* sayfaEditoru();
    QWidget* bantEditoru();
    QWidget* nesneEditoru();
    void veriAgaciniKur();
    void agaciKur();
    QTreeWidgetItem* bantOgesi(const RaporBandi& b, const QList<int>& yol);
    Secim secim() const;
    void sec(const Secim& s);
    std::vector<RaporBandi>* kardesler(const QList<int>& yol);
    RaporBandi* bant(const QList<int>& yol);
    RaporNesnesi* nesne(const Secim& s);
    QString yeniAd(const QString& onEk) const;

    void secimDegisti();
    void doldur();
    void uygula();
    void yenile();
    void onizlemeCiz();
    void durum(const QString& metin);

    TRapor& rapor;
    QString yol;
    RaporSablonu calisma;
    RaporSonucu sonuc;
    bool degisiklik = false;
    bool dolduruluyor = false;
    QList<QRectF> sayfaYerleri; // where each page is on the preview, in pixels
    double onizlemeOlcegi = 1.0;

    QTreeWidget* agac = nullptr;
    QTreeWidget* veriAgaci = nullptr;
    QStackedWidget* editorler = nullptr;
    QLabel* resim = nullptr;
    QScrollArea* onizlemeAlani = nullptr;
    QListWidget* lstUyarilar = nullptr;
    QLabel* lblDurum = nullptr;

    // Page
    QLineEdit* edtSablonAdi = nullptr;
    QDoubleSpinBox *spnSayfaGenislik = nullptr, *spnSayfaYukseklik = nullptr;
    QDoubleSpinBox *spnSol = nullptr, *spnUst = nullptr, *spnSag = nullptr, *spnAlt = nullptr;
    QSpinBox *spnEtiketSutun = nullptr, *spnEtiketSatir = nullptr;
    QDoubleSpinBox *spnEtiketAraX = nullptr, *spnEtiketAraY = nullptr;
    QFontComboBox* cmbYaziAilesi = nullptr;
    QDoubleSpinBox* spnSablonYazi = nullptr;

    // Band
    QFormLayout* bantFormu = nullptr;
    QLabel* lblBantTuru = nullptr;
    QLineEdit* edtBantAdi = nullptr;
    QDoubleSpinBox* spnBantYukseklik = nullptr;
    QLineEdit* edtBantGorunur = nullptr;
    QComboBox* cmbVeriSeti = nullptr;
    QLineEdit *edtAnaAlan = nullptr, *edtDetayAlan = nullptr, *edtSirala = nullptr;
    QLineEdit* edtKosul = nullptr;

    // Object
    QFormLayout* nesneFormu = nullptr;
    QLabel* lblNesneTuru = nullptr;
    QLineEdit* edtNesneAdi = nullptr;
    QPlainTextEdit* txtMetin = nullptr;
    QDoubleSpinBox *spnX = nullptr, *spnY = nullptr, *spnGenislik = nullptr,
                   *spnYukseklik = nullptr;
    QDoubleSpinBox* spnYaziBoyutu = nullptr;
    QCheckBox *chkKalin = nullptr, *chkItalik = nullptr;
    QComboBox *cmbHiza = nullptr, *cmbDikeyHiza = nullptr;
    QCheckBox *chkKaydir = nullptr, *chkOtomatik = nullptr;
    QLineEdit* edtBicim = nullptr;
    QWidget* cerceveKutusu = nullptr;
    QCheckBox *chkSol = nullptr, *chkUst = nullptr, *chkSag = nullptr, *chkAlt = nullptr;
    QDoubleSpinBox* spnKalinlik = nullptr;
    QComboBox* cmbStil = nullptr;
    QLineEdit* edtResimAlani = nullptr;
    QCheckBox* chkOranKoru = nullptr;
    QComboBox* cmbBarkodTuru = nullptr;
    QCheckBox* chkYaziGoster = nullptr;
    QLineEdit* edtNesneGorunur = nullptr;
};

// Opens the designer on a screen's report, modal.
void raporTasarla(TRapor& rapor, const QString& yol, QWidget* ebeveyn = nullptr);
