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
class HizliSatis;
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

    bool duzenlemeYetkisi = false;
    bool panelSagda = false;
    bool hataRengiAcik = false;
};
