#pragma once

#include <QDialog>
#include <QIdentityProxyModel>
#include <QSet>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSqlQueryModel;
class QTabWidget;
class QTimer;
class QFrame;
class QAction;
class HizliSatis;
class SatisTamamlama;
class Tgrid;

// The marks of the product search list ("Seçim"): a check box column in front of the rows,
// kept by product id so that re-reading the list does not move them to other products.
class SecimModeli : public QIdentityProxyModel
{
    Q_OBJECT
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    int columnCount(const QModelIndex& parent = {}) const override;
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex mapToSource(const QModelIndex& proxy) const override;
    QModelIndex mapFromSource(const QModelIndex& source) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void isaretle(int satir, bool isaretli);
    void isaretDegistir(int satir);
    void temizle();
    QSet<int> secililer() const { return isaretler; }

signals:
    void isaretlerDegisti();

private:
    int satirId(int satir) const;
    QSet<int> isaretler;
};

// The till.
class ThizliSatisForm : public QDialog
{
    Q_OBJECT
public:
    explicit ThizliSatisForm(QWidget* parent = nullptr);
    ~ThizliSatisForm() override;

    HizliSatis* satis = nullptr;
    SatisTamamlama* tamamla = nullptr; // payment keys, receipt, drawer

    QLineEdit* edtBarkod = nullptr;
    QLineEdit* edtCariBul = nullptr;
    QComboBox* cbCari = nullptr;
    QCheckBox* chkIstihbarat = nullptr;
    QComboBox* cbFisYazdirma = nullptr;
    QComboBox* cbsatisFiyati = nullptr;
    QSqlQueryModel* qTmpSatis = nullptr;
    Tgrid* grdHizliSatis = nullptr;
    QComboBox* cbAlinanPara = nullptr;
    QLineEdit* edtParaUstu = nullptr;
    QCheckBox* iade = nullptr;
    QPushButton* btnSatirAdetArttir = nullptr;
    QPushButton* btnSatirAdetEksilt = nullptr;
    QPushButton* btnSatirSil = nullptr;
    QPushButton* btnKapat = nullptr;
    QLineEdit* edtToplam = nullptr;
    QLabel* Kar = nullptr;
    QLabel* KrediKart = nullptr;
    QLabel* lbl1 = nullptr; // time
    QLabel* lbl2 = nullptr; // date
    QPushButton* btnNakit_satis = nullptr;
    QPushButton* btnKk_satis = nullptr;
    QPushButton* btnVeresiye_satis = nullptr;
    QPushButton* BtnCekmece = nullptr;
    QAction* FisYazdr2 = nullptr;     // "Fis Yazdır": the last receipt again
    QAction* RaporTasarla1 = nullptr; // "Rapor Tasarım": the receipt's designer
    QLabel* sbMetin = nullptr;
    QTabWidget* cxPageControl1 = nullptr;
    QLineEdit* edtUrunBul = nullptr;
    QSqlQueryModel* qUrun = nullptr;
    SecimModeli* qUrunSecim = nullptr;
    Tgrid* grdUrunAra = nullptr;
    QTimer* tmr1 = nullptr;

    // The basket's line under the cursor ("id" of tmpsatis), 0 when none.
    int aktifSatirId() const;
    bool satirSecilebilir() const { return duzenlemeYetkisi; }
    bool sagda() const { return panelSagda; }

    void tutarEditGuncelle();
    void satisIptal();
    void sepetiYenile();
    void btnSatirAdetArttirClick(bool arttir);
    void btnSatirSilClick();
    void iadeModuDegisti();
    void cariListesiniDoldur();
    void urunListesiniYenile(bool barkodIle = false);
    void urunCiftTiklandi(int satir);
    void barkodaOdaklan();

    void btnNakit_satisClick();
    void btnKk_satisClick();
    void btnVeresiye_satisClick();
    void BtnCekmeceClick();
    void FisYazdr2Click();
    void RaporTasarla1Click();

    // The closing sequence of Esc and the close button: both questions, then close.
    void reject() override;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void showEvent(QShowEvent* e) override;

private:
    QWidget* satisPaneliKur();
    QWidget* urunBulKur();
    void renkleriUygula(const QColor& renk);
    void barkodEnter();
    QWidget* odemeSatiriKur(QWidget* panel);
    void satisSonrasi();

    bool duzenlemeYetkisi = false;
    bool panelSagda = false;
    bool hataRengiAcik = false;
};
