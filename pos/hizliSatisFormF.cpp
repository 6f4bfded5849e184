#include "pos/hizliSatisFormF.h"

#include "core/ayarDosyasi.h"
#include "core/bicim.h"
#include "core/etkilesim.h"
#include "core/gridF.h"
#include "core/mainFormF.h"
#include "core/veritabani.h"
#include "pos/hizliSatis.h"
#include "pos/satisTamamla.h"
#include "reports/raporOnizlemeF.h"
#include "reports/raporTasarimF.h"
#include "reports/raporYazdir.h"
#include "stock/stokFormF.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace
{
// Return mode is light green, errors red: the till's colours since its first day.
const QColor iadeRengi(0xC0, 0xDC, 0xC0);
const QColor hataRengi(0xFF, 0x00, 0x00);

QPushButton* buton(const QString& baslik, QWidget* parent, int yukseklik = 52)
{
    auto* b = new QPushButton(baslik, parent);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumHeight(yukseklik);
    b->setAutoDefault(false);
    return b;
}
} // namespace

int SecimModeli::columnCount(const QModelIndex& parent) const
{
    return sourceModel() ? sourceModel()->columnCount(parent) + 1 : 0;
}

QModelIndex SecimModeli::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    return createIndex(row, column);
}

QModelIndex SecimModeli::mapToSource(const QModelIndex& proxy) const
{
    if (!proxy.isValid() || proxy.column() == 0)
        return {};
    return sourceModel()->index(proxy.row(), proxy.column() - 1);
}

QModelIndex SecimModeli::mapFromSource(const QModelIndex& source) const
{
    if (!source.isValid())
        return {};
    return createIndex(source.row(), source.column() + 1);
}

int SecimModeli::satirId(int satir) const
{
    const QAbstractItemModel* k = sourceModel();
    for (int c = 0; c < k->columnCount(); ++c)
        if (k->headerData(c, Qt::Horizontal).toString() == QLatin1String("id"))
            return k->index(satir, c).data().toInt();
    return -1;
}

QVariant SecimModeli::data(const QModelIndex& index, int role) const
{
    if (index.column() != 0)
        return QIdentityProxyModel::data(index, role);
    if (role == Qt::CheckStateRole)
        return isaretler.contains(satirId(index.row())) ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::EditRole)
        return isaretler.contains(satirId(index.row())) ? 1 : 0;
    return {};
}

bool SecimModeli::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (index.column() != 0)
        return QIdentityProxyModel::setData(index, value, role);
    if (role != Qt::CheckStateRole && role != Qt::EditRole)
        return false;
    isaretle(index.row(),
             role == Qt::CheckStateRole ? value.toInt() == Qt::Checked : value.toInt() == 1);
    return true;
}

QVariant SecimModeli::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && section == 0)
        return role == Qt::DisplayRole ? QVariant(QStringLiteral("Secim")) : QVariant();
    if (o == Qt::Horizontal)
        return sourceModel()->headerData(section - 1, o, role);
    return QIdentityProxyModel::headerData(section, o, role);
}

Qt::ItemFlags SecimModeli::flags(const QModelIndex& index) const
{
    if (index.column() == 0)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
    return QIdentityProxyModel::flags(index);
}

void SecimModeli::isaretle(int satir, bool isaretli)
{
    const int id = satirId(satir);
    if (id < 0 || isaretler.contains(id) == isaretli)
        return;
    if (isaretli)
        isaretler.insert(id);
    else
        isaretler.remove(id);
    emit dataChanged(index(satir, 0), index(satir, 0), {Qt::CheckStateRole, Qt::EditRole});
    emit isaretlerDegisti();
}

void SecimModeli::isaretDegistir(int satir)
{
    isaretle(satir, !isaretler.contains(satirId(satir)));
}

void SecimModeli::temizle()
{
    if (isaretler.isEmpty())
        return;
    isaretler.clear();
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
    emit isaretlerDegisti();
}

ThizliSatisForm::ThizliSatisForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Hızlı Satış"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setObjectName(QStringLiteral("ThizliSatisForm"));
    satis = new HizliSatis(this);
    satis->FAdetCarpan = 1;
    tamamla = new SatisTamamlama(*satis, this);
    duzenlemeYetkisi = HizliSatis::satirDuzenlemeYetkisi();

    QWidget* panel = satisPaneliKur();
    cxPageControl1 = new QTabWidget(this);
    cxPageControl1->setObjectName(QStringLiteral("cxPageControl1"));
    cxPageControl1->addTab(urunBulKur(), QStringLiteral("Ürün Bul"));
    cxPageControl1->tabBar()->setFocusPolicy(Qt::NoFocus);

    sbMetin = new QLabel(HizliSatis::durumMetni(), this);
    sbMetin->setObjectName(QStringLiteral("hsDurum"));

    auto* govde = new QHBoxLayout;
    govde->setSpacing(8);
    // The sale panel stands on the side the shop set up, the product tabs on the other.
    const AyarDosyasi ayar = AyarDosyasi::oku();
    panelSagda = ayar.satirSayisi() > 5 && ayar.satir(5) == QStringLiteral("Satış Ekranı Sağda");
    if (panelSagda) {
        govde->addWidget(cxPageControl1, 1);
        govde->addWidget(panel);
    } else {
        govde->addWidget(panel);
        govde->addWidget(cxPageControl1, 1);
    }
    auto* ana = new QVBoxLayout(this);
    ana->setContentsMargins(8, 8, 8, 4);
    ana->addLayout(govde, 1);
    ana->addWidget(sbMetin);

    setStyleSheet(QStringLiteral(
        "#ThizliSatisForm { background: #E9EEF5; }"
        "QGroupBox { font-weight: bold; border: 1px solid #B7C7DD; border-radius: 6px;"
        " margin-top: 14px; background: #F7F9FC; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; color: #223C7D; "
        "}"
        "#edtBarkod { font-size: 22pt; font-weight: bold; min-height: 52px; }"
        "#edtToplam { font-size: 34pt; font-weight: bold; color: #0D3C61; background: #FFFFFF;"
        " border: 2px solid #1976D2; border-radius: 6px; min-height: 70px; }"
        "#KrediKart { color: #5B6B80; font-weight: bold; }"
        "#Kar { color: #5B6B80; }"
        "#lbl1 { font-size: 20pt; font-weight: bold; color: #223C7D; }"
        "#lbl2 { font-size: 12pt; color: #223C7D; }"
        "#edtParaUstu { font-size: 16pt; font-weight: bold; color: #2E7D32; }"
        "#cbAlinanPara { font-size: 14pt; }"
        "#hsDurum { color: #5B6B80; padding: 2px 4px; }"
        "QPushButton#btnKapat { background: #D32F2F; color: white; font-weight: bold;"
        " border: none; border-radius: 4px; }"
        "QPushButton#btnKapat:hover { background: #EE4040; }"
        // The payment keys are told apart by colour at a glance, also from the side.
        "QPushButton#btnNakit_satis, QPushButton#btnKk_satis, QPushButton#btnVeresiye_satis,"
        " QPushButton#BtnCekmece { color: white; font-size: 15pt; font-weight: bold;"
        " border: none; border-radius: 6px; padding: 0 6px; min-height: 56px; }"
        "QPushButton#btnNakit_satis { background: #2E7D32; }"
        "QPushButton#btnNakit_satis:hover { background: #388E3C; }"
        "QPushButton#btnNakit_satis:pressed { background: #1B5E20; }"
        "QPushButton#btnKk_satis { background: #1565C0; }"
        "QPushButton#btnKk_satis:hover { background: #1E88E5; }"
        "QPushButton#btnKk_satis:pressed { background: #0D47A1; }"
        "QPushButton#btnVeresiye_satis { background: #E65100; }"
        "QPushButton#btnVeresiye_satis:hover { background: #F57C00; }"
        "QPushButton#btnVeresiye_satis:pressed { background: #BF360C; }"
        "QPushButton#BtnCekmece { background: #546E7A; font-size: 12pt; }"
        "QPushButton#BtnCekmece:hover { background: #607D8B; }"
        "QPushButton#BtnCekmece:pressed { background: #37474F; }"));

    tmr1 = new QTimer(this);
    auto saatiGoster = [this] {
        const QDateTime simdi = QDateTime::currentDateTime();
        lbl1->setText(simdi.toString(QStringLiteral("HH:mm:ss")));
        lbl2->setText(simdi.toString(QStringLiteral("dd/MM/yyyy")));
    };
    connect(tmr1, &QTimer::timeout, this, saatiGoster);
    tmr1->start(100);
    saatiGoster();

    connect(satis, &HizliSatis::sepetDegisti, this, &ThizliSatisForm::sepetiYenile);
    connect(satis, &HizliSatis::toplamDegisti, this, [this](double toplam, double kartli) {
        edtToplam->setText(paraTLBicim(toplam));
        Kar->setText(QStringLiteral("K. ") + paraBicim(toplam));
        KrediKart->setText(QStringLiteral("Kartla: ") + paraBicim(kartli) + QStringLiteral(" ₺"));
        if (const auto ustu = HizliSatis::paraUstu(cbAlinanPara->currentText(), toplam))
            edtParaUstu->setText(*ustu);
    });
    connect(satis, &HizliSatis::hataRenkleri, this, [this](bool acik) {
        hataRengiAcik = acik;
        renkleriUygula(acik ? hataRengi : (iade->isChecked() ? iadeRengi : QColor()));
    });
    connect(satis, &HizliSatis::urunListesiDegisti, this, [this] { urunListesiniYenile(); });
    // An unknown barcode found in the master list is registered on the stock card.
    satis->stokKartiAc = [this](const QSqlRecord& master) {
        return stokKartiniMasterdanAc(master, this);
    };

    // Completion: the change of a typed amount, the screen reset once a sale is committed, and
    // the receipt: a preview, or straight to the receipt printer without a dialog.
    connect(tamamla, &SatisTamamlama::paraUstuHesaplandi, edtParaUstu, &QLineEdit::setText);
    connect(tamamla, &SatisTamamlama::satisKaydedildi, this, &ThizliSatisForm::satisSonrasi);
    tamamla->fisCikisi = [this](TRapor& fis, FisModu mod) {
        if (mod == fmOnizle) {
            raporOnizle(fis, this);
            return true;
        }
        return dogrudanYazdir(fis, QStringLiteral("POS58"));
    };
    const struct {
        Qt::Key tus;
        void (ThizliSatisForm::*islev)();
    } kisayollar[] = {{Qt::Key_F2, &ThizliSatisForm::btnNakit_satisClick},
                      {Qt::Key_F3, &ThizliSatisForm::btnKk_satisClick},
                      {Qt::Key_F4, &ThizliSatisForm::btnVeresiye_satisClick}};
    for (const auto& k : kisayollar)
        connect(new QShortcut(QKeySequence(k.tus), this), &QShortcut::activated, this, k.islev);

    // Creation: the basket, the product list, the customers, the totals.
    sepetiYenile();
    urunListesiniYenile();
    cariListesiniDoldur();
    {
        const QSignalBlocker b(cbFisYazdirma);
        cbFisYazdirma->setCurrentIndex(qBound(0, HizliSatis::fisModuOku(), 2));
        tamamla->fisModu = FisModu(cbFisYazdirma->currentIndex());
    }
    // The receipt as the basket stands now, so "Fis Yazdır" has something to print.
    tamamla->fisVerisiniOku();
    tamamla->fisSablonunuYukle();
    edtToplam->setText(QStringLiteral("0,00 ₺"));
    tutarEditGuncelle();
}

ThizliSatisForm::~ThizliSatisForm() = default;

QWidget* ThizliSatisForm::satisPaneliKur()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("cxGroupBox1"));
    panel->setFixedWidth(600);
    auto* l = new QVBoxLayout(panel);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(6);

    auto* barkodKutusu = new QGroupBox(QStringLiteral("Ürün Barkodu Okutunuz"), panel);
    auto* bl = new QVBoxLayout(barkodKutusu);
    edtBarkod = new QLineEdit(barkodKutusu);
    edtBarkod->setObjectName(QStringLiteral("edtBarkod"));
    // Barcodes here are numeric; "3*" multiplies, the comma is for typed amounts.
    edtBarkod->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9*,]*")), edtBarkod));
    edtBarkod->installEventFilter(this);
    bl->addWidget(edtBarkod);
    l->addWidget(barkodKutusu);

    auto* cariKutusu = new QGroupBox(QStringLiteral("Müşteri"), panel);
    auto* cl = new QGridLayout(cariKutusu);
    edtCariBul = new QLineEdit(cariKutusu);
    edtCariBul->setPlaceholderText(QStringLiteral("Cari Kart Ara"));
    cbCari = new QComboBox(cariKutusu);
    cbCari->setEditable(false);
    chkIstihbarat = new QCheckBox(QStringLiteral("İSTİHBARAT"), cariKutusu);
    chkIstihbarat->setFocusPolicy(Qt::NoFocus);
    cbFisYazdirma = new QComboBox(cariKutusu);
    cbFisYazdirma->addItems(
        {QStringLiteral("Kapalı"), QStringLiteral("Önizle"), QStringLiteral("Yazdır")});
    cbsatisFiyati = new QComboBox(cariKutusu);
    cbsatisFiyati->addItems({QStringLiteral("Fiyat 1"), QStringLiteral("Fiyat 2")});
    cl->addWidget(new QLabel(QStringLiteral("Cari Kart Ara"), cariKutusu), 0, 0);
    cl->addWidget(edtCariBul, 0, 1);
    cl->addWidget(cbCari, 0, 2);
    cl->addWidget(chkIstihbarat, 0, 3);
    cl->addWidget(new QLabel(QStringLiteral("Fiş Yazdır"), cariKutusu), 1, 0);
    cl->addWidget(cbFisYazdirma, 1, 1);
    cl->addWidget(new QLabel(QStringLiteral("Fiyat"), cariKutusu), 1, 2, Qt::AlignRight);
    cl->addWidget(cbsatisFiyati, 1, 3);
    cl->setColumnStretch(1, 1);
    cl->setColumnStretch(2, 1);
    // Tight boxes leave the basket a few more rows on a 768-line screen.
    cl->setContentsMargins(8, 4, 8, 6);
    cl->setVerticalSpacing(4);
    l->addWidget(cariKutusu);

    qTmpSatis = new QSqlQueryModel(this);
    grdHizliSatis = new Tgrid(panel);
    grdHizliSatis->setObjectName(QStringLiteral("grdHizliSatis"));
    grdHizliSatis->setKaynak(qTmpSatis);
    grdHizliSatis->setSutunlar({
        {QStringLiteral("adi"), QStringLiteral("Ürün Adı"), GridBicim::Metin, false, 215},
        {QStringLiteral("adet"), QStringLiteral("Miktar"), GridBicim::Sayi, false, 72},
        {QStringLiteral("Fiyat"), QStringLiteral("Fiyat"), GridBicim::ParaTL, false, 98},
        {QStringLiteral("iskonto"), QStringLiteral("iSK."), GridBicim::Para, false, 60},
        {QStringLiteral("Toplam"), QStringLiteral("Toplam"), GridBicim::ParaTL},
    });
    grdHizliSatis->setBosMetin(QString());
    grdHizliSatis->setArtimliArama(false);
    QTreeView* v = grdHizliSatis->gorunum();
    v->setSortingEnabled(false);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setFocusPolicy(Qt::NoFocus);
    v->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    v->viewport()->installEventFilter(this);
    connect(v, &QTreeView::doubleClicked, this, [this](const QModelIndex& i) {
        const GridSutun* s = grdHizliSatis->model()->sutunBilgisi(i.column());
        if (s && satirSecilebilir())
            satis->satirDuzenle(aktifSatirId(), s->alan);
        barkodaOdaklan();
    });
    l->addWidget(grdHizliSatis, 1);

    auto* paraKutusu = new QGroupBox(QStringLiteral("Para Üstü Hesaplama"), panel);
    auto* pl = new QGridLayout(paraKutusu);
    cbAlinanPara = new QComboBox(paraKutusu);
    cbAlinanPara->setObjectName(QStringLiteral("cbAlinanPara"));
    cbAlinanPara->setEditable(true);
    cbAlinanPara->addItems({QStringLiteral("10"), QStringLiteral("100"), QStringLiteral("20"),
                            QStringLiteral("200"), QStringLiteral("5"), QStringLiteral("50")});
    cbAlinanPara->setCurrentIndex(-1);
    cbAlinanPara->lineEdit()->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9,]*")), cbAlinanPara));
    edtParaUstu = new QLineEdit(paraKutusu);
    edtParaUstu->setObjectName(QStringLiteral("edtParaUstu"));
    edtParaUstu->setReadOnly(true);
    edtParaUstu->setFocusPolicy(Qt::NoFocus);
    iade = new QCheckBox(QStringLiteral("İADE"), paraKutusu);
    iade->setFocusPolicy(Qt::NoFocus);
    btnSatirAdetArttir = buton(QStringLiteral("+"), paraKutusu);
    btnSatirAdetEksilt = buton(QStringLiteral("−"), paraKutusu);
    for (QPushButton* b : {btnSatirAdetArttir, btnSatirAdetEksilt}) {
        b->setFixedWidth(64);
        QFont f = b->font();
        f.setPointSize(20);
        f.setBold(true);
        b->setFont(f);
    }
    pl->addWidget(new QLabel(QStringLiteral("Alınan"), paraKutusu), 0, 0);
    pl->addWidget(cbAlinanPara, 0, 1);
    pl->addWidget(new QLabel(QStringLiteral("Para Üstü"), paraKutusu), 0, 2);
    pl->addWidget(edtParaUstu, 0, 3);
    pl->addWidget(iade, 0, 4);
    pl->addWidget(btnSatirAdetArttir, 0, 5);
    pl->addWidget(btnSatirAdetEksilt, 0, 6);
    pl->setColumnStretch(1, 1);
    pl->setColumnStretch(3, 1);
    pl->setContentsMargins(8, 4, 8, 6);
    l->addWidget(paraKutusu);

    auto* alt = new QHBoxLayout;
    btnSatirSil = buton(QStringLiteral("Satır Sil"), panel, 60);
    btnKapat = buton(QStringLiteral("Kapat (Esc)"), panel, 60);
    btnKapat->setObjectName(QStringLiteral("btnKapat"));
    edtToplam = new QLineEdit(panel);
    edtToplam->setObjectName(QStringLiteral("edtToplam"));
    edtToplam->setReadOnly(true);
    edtToplam->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edtToplam->setFocusPolicy(Qt::NoFocus);
    edtToplam->installEventFilter(this);
    auto* saat = new QVBoxLayout;
    lbl1 = new QLabel(panel);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    lbl2 = new QLabel(panel);
    lbl2->setObjectName(QStringLiteral("lbl2"));
    lbl1->installEventFilter(this);
    lbl2->installEventFilter(this);
    saat->addWidget(lbl1, 0, Qt::AlignCenter);
    saat->addWidget(lbl2, 0, Qt::AlignCenter);
    auto* butonlar = new QVBoxLayout;
    butonlar->addWidget(btnSatirSil);
    butonlar->addWidget(btnKapat);
    alt->addLayout(butonlar);
    alt->addLayout(saat);
    auto* toplamlar = new QVBoxLayout;
    toplamlar->addWidget(edtToplam);
    auto* alti = new QHBoxLayout;
    Kar = new QLabel(QStringLiteral("K."), panel);
    Kar->setObjectName(QStringLiteral("Kar"));
    KrediKart = new QLabel(panel);
    KrediKart->setObjectName(QStringLiteral("KrediKart"));
    alti->addWidget(Kar);
    alti->addStretch();
    alti->addWidget(KrediKart);
    toplamlar->addLayout(alti);
    alt->addLayout(toplamlar, 1);
    l->addLayout(alt);
    l->addWidget(odemeSatiriKur(panel));

    connect(edtCariBul, &QLineEdit::textChanged, this, &ThizliSatisForm::cariListesiniDoldur);
    connect(cbsatisFiyati, &QComboBox::currentIndexChanged, this, [this](int i) {
        satisFiyatiAlani() = i == 0 ? QStringLiteral("satisfiyat1") : QStringLiteral("satisfiyat2");
        barkodaOdaklan();
    });
    connect(cbFisYazdirma, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            tamamla->fisModu = FisModu(i);
        if (i >= 0 && isVisible())
            HizliSatis::fisModuKaydet(i);
        barkodaOdaklan();
    });
    connect(cbAlinanPara, &QComboBox::currentTextChanged, this, [this](const QString& t) {
        const double toplam = sayiOku(edtToplam->text());
        if (const auto ustu = HizliSatis::paraUstu(t, toplam))
            edtParaUstu->setText(*ustu);
    });
    connect(iade, &QCheckBox::clicked, this, &ThizliSatisForm::iadeModuDegisti);
    connect(btnSatirAdetArttir, &QPushButton::clicked, this,
            [this] { btnSatirAdetArttirClick(true); });
    connect(btnSatirAdetEksilt, &QPushButton::clicked, this,
            [this] { btnSatirAdetArttirClick(false); });
    connect(btnSatirSil, &QPushButton::clicked, this, &ThizliSatisForm::btnSatirSilClick);
    connect(btnKapat, &QPushButton::clicked, this, &ThizliSatisForm::reject);
    // The receipt menu: on the receipt mode box and on the basket.
    FisYazdr2 = new QAction(QStringLiteral("Fis Yazdır"), this);
    RaporTasarla1 = new QAction(QStringLiteral("Rapor Tasarım"), this);
    connect(FisYazdr2, &QAction::triggered, this, &ThizliSatisForm::FisYazdr2Click);
    connect(RaporTasarla1, &QAction::triggered, this, &ThizliSatisForm::RaporTasarla1Click);
    for (QWidget* w :
         {static_cast<QWidget*>(cbFisYazdirma), static_cast<QWidget*>(grdHizliSatis->gorunum())}) {
        w->addAction(FisYazdr2);
        w->addAction(RaporTasarla1);
        w->setContextMenuPolicy(Qt::ActionsContextMenu);
    }

    // The selling price level starts at "Fiyat 1" whenever the till opens.
    cbsatisFiyati->setCurrentIndex(0);
    satisFiyatiAlani() = QStringLiteral("satisfiyat1");
    return panel;
}

QWidget* ThizliSatisForm::odemeSatiriKur(QWidget* panel)
{
    auto* satir = new QWidget(panel);
    auto* l = new QHBoxLayout(satir);
    l->setContentsMargins(0, 2, 0, 0);
    l->setSpacing(6);
    auto odemeButonu = [&](const QString& baslik, const char* ad) {
        QPushButton* b = buton(baslik, satir, 64);
        b->setObjectName(QString::fromLatin1(ad));
        return b;
    };
    btnNakit_satis = odemeButonu(QStringLiteral("Nakit (F2)"), "btnNakit_satis");
    btnKk_satis = odemeButonu(QStringLiteral("Kredi Kartı (F3)"), "btnKk_satis");
    btnVeresiye_satis = odemeButonu(QStringLiteral("Veresiye (F4)"), "btnVeresiye_satis");
    BtnCekmece = odemeButonu(QStringLiteral("Çekmece"), "BtnCekmece");
    l->addWidget(btnNakit_satis, 5);
    l->addWidget(btnKk_satis, 6);
    l->addWidget(btnVeresiye_satis, 5);
    l->addWidget(BtnCekmece, 3);
    connect(btnNakit_satis, &QPushButton::clicked, this, &ThizliSatisForm::btnNakit_satisClick);
    connect(btnKk_satis, &QPushButton::clicked, this, &ThizliSatisForm::btnKk_satisClick);
    connect(btnVeresiye_satis, &QPushButton::clicked, this,
            &ThizliSatisForm::btnVeresiye_satisClick);
    connect(BtnCekmece, &QPushButton::clicked, this, &ThizliSatisForm::BtnCekmeceClick);
    return satir;
}

QWidget* ThizliSatisForm::urunBulKur()
{
    auto* w = new QWidget(this);
    auto* l = new QVBoxLayout(w);
    edtUrunBul = new QLineEdit(w);
    edtUrunBul->setPlaceholderText(QStringLiteral("Ürün adı yazınız, barkod için Enter'a basınız"));
    edtUrunBul->setMinimumHeight(44);
    edtUrunBul->installEventFilter(this);
    qUrun = new QSqlQueryModel(this);
    qUrunSecim = new SecimModeli(this);
    qUrunSecim->setSourceModel(qUrun);
    grdUrunAra = new Tgrid(w);
    grdUrunAra->setKaynak(qUrunSecim);
    grdUrunAra->setSutunlar({
        {QStringLiteral("Secim"), QStringLiteral("Seçim"), GridBicim::Onay, true, 66},
        {QStringLiteral("barkod"), QStringLiteral("Barkod"), GridBicim::Metin, false, 140},
        {QStringLiteral("stokadi"), QStringLiteral("Ürün Adı"), GridBicim::Metin, false, 140},
        {QStringLiteral("satisfiyat1"), QStringLiteral("Fiyat"), GridBicim::ParaTL},
    });
    grdUrunAra->setSatirYuksekligi(28);
    grdUrunAra->setBosMetin(QStringLiteral("Ürün bulunamadı"));
    grdUrunAra->gorunum()->setSortingEnabled(false);
    grdUrunAra->gorunum()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdUrunAra->gorunum()->setSelectionMode(QAbstractItemView::MultiSelection);
    connect(grdUrunAra, &Tgrid::satirCiftTiklandi, this, &ThizliSatisForm::urunCiftTiklandi);
    // A click on the header of the marks clears them all.
    connect(grdUrunAra->gorunum()->header(), &QHeaderView::sectionClicked, this, [this](int c) {
        if (c == 0)
            qUrunSecim->temizle();
    });
    // The row selection follows the marks.
    connect(qUrunSecim, &SecimModeli::isaretlerDegisti, this, [this] {
        QTreeView* v = grdUrunAra->gorunum();
        QItemSelection secim;
        GridModeli* m = grdUrunAra->model();
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->deger(r, QStringLiteral("Secim")).toInt() == 1)
                secim.select(m->index(r, 0), m->index(r, m->columnCount() - 1));
        v->selectionModel()->select(secim, QItemSelectionModel::ClearAndSelect);
    });
    connect(edtUrunBul, &QLineEdit::textChanged, this, [this] { urunListesiniYenile(false); });
    l->addWidget(edtUrunBul);
    l->addWidget(grdUrunAra, 1);
    return w;
}

void ThizliSatisForm::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    qUrunSecim->temizle();
    const QSignalBlocker b(cbFisYazdirma);
    cbFisYazdirma->setCurrentIndex(qBound(0, HizliSatis::fisModuOku(), 2));
    tamamla->fisModu = FisModu(cbFisYazdirma->currentIndex());
    barkodaOdaklan();
}

void ThizliSatisForm::barkodaOdaklan()
{
    if (edtBarkod->isEnabled())
        edtBarkod->setFocus();
}

int ThizliSatisForm::aktifSatirId() const
{
    return grdHizliSatis->aktifDeger(QStringLiteral("id")).toInt();
}

void ThizliSatisForm::sepetiYenile()
{
    const int eski = grdHizliSatis->aktifSatir();
    qTmpSatis->setQuery(QStringLiteral("select * from tmpsatis where beklemede = 0"), myConn());
    const int satir = qMin(qMax(eski, 0), qTmpSatis->rowCount() - 1);
    if (satir >= 0)
        grdHizliSatis->setAktifSatir(eski < 0 ? qTmpSatis->rowCount() - 1 : satir);
}

void ThizliSatisForm::tutarEditGuncelle()
{
    satis->tutarEditGuncelle();
}

void ThizliSatisForm::satisIptal()
{
    const bool doluydu = !satis->sepetBos();
    satis->satisIptal();
    if (doluydu) {
        edtToplam->setText(QStringLiteral("0,00 ₺"));
        cbAlinanPara->setCurrentIndex(-1);
        cbAlinanPara->clearEditText();
        edtBarkod->clear();
        barkodaOdaklan();
    }
    edtCariBul->clear();
    cariListesiniDoldur();
    tutarEditGuncelle();
}

void ThizliSatisForm::btnSatirAdetArttirClick(bool arttir)
{
    if (const int id = aktifSatirId())
        satis->satirAdetDegistir(id, arttir);
    barkodaOdaklan();
}

void ThizliSatisForm::btnSatirSilClick()
{
    if (const int id = aktifSatirId())
        satis->satirSil(id);
    else
        sepetiYenile();
    barkodaOdaklan();
}

void ThizliSatisForm::renkleriUygula(const QColor& renk)
{
    const QString arka = renk.isValid() ? renk.name() : QStringLiteral("#FFFFFF");
    edtBarkod->setStyleSheet(QStringLiteral("background: ") + arka + QLatin1Char(';'));
    grdHizliSatis->gorunum()->setStyleSheet(
        renk.isValid()
            ? QStringLiteral("QTreeView { background: %1; alternate-background-color: %1; }"
                             "QTreeView::item { background: %1; color: black; }"
                             "QTreeView::item:selected { background: %2; color: white; }")
                  .arg(renk.name(), renk.darker(250).name())
            : QString());
}

void ThizliSatisForm::iadeModuDegisti()
{
    satis->iade = iade->isChecked();
    renkleriUygula(iade->isChecked() ? iadeRengi : QColor());
    barkodaOdaklan();
}

void ThizliSatisForm::cariListesiniDoldur()
{
    const QStringList l = HizliSatis::cariListesi(edtCariBul->text());
    const QSignalBlocker b(cbCari);
    cbCari->clear();
    cbCari->addItems(l);
    cbCari->setCurrentIndex(l.isEmpty() ? -1 : 0);
}

void ThizliSatisForm::urunListesiniYenile(bool barkodIle)
{
    HizliSatis::urunAra(*qUrun, edtUrunBul->text(), barkodIle);
}

void ThizliSatisForm::urunCiftTiklandi(int satir)
{
    const QVariant id = grdUrunAra->model()->deger(satir, QStringLiteral("id"));
    if (id.isNull())
        return;
    satis->barkodOku(id.toString());
    edtUrunBul->clear();
    barkodaOdaklan();
}

void ThizliSatisForm::barkodEnter()
{
    const QString kalan = satis->barkodKutusuEnter(edtBarkod->text());
    edtBarkod->setText(kalan);
    barkodaOdaklan();
}

void ThizliSatisForm::btnNakit_satisClick()
{
    tamamla->nakitSatis(edtBarkod->text(), cbCari->currentText());
    barkodaOdaklan();
}

void ThizliSatisForm::btnKk_satisClick()
{
    tamamla->kartSatis(cbCari->currentText(), aktifSatirId());
    barkodaOdaklan();
}

void ThizliSatisForm::btnVeresiye_satisClick()
{
    tamamla->veresiyeSatis(cbCari->currentText());
    barkodaOdaklan();
}

void ThizliSatisForm::BtnCekmeceClick()
{
    barkodaOdaklan();
    if (tamamla->cekmeceAc)
        tamamla->cekmeceAc();
}

void ThizliSatisForm::FisYazdr2Click()
{
    tamamla->fisYazdir();
    barkodaOdaklan();
}

void ThizliSatisForm::RaporTasarla1Click()
{
    raporTasarla(tamamla->frxHsFis, QStringLiteral("Raporlar\\perakende_fis.fr3"), this);
    barkodaOdaklan();
}

void ThizliSatisForm::satisSonrasi()
{
    // The sale is committed and the basket gone: the screen starts over for the next customer,
    // keeping the change on show.
    iade->setChecked(false);
    iadeModuDegisti();
    sepetiYenile();
    edtToplam->setText(QStringLiteral("0,00 ₺"));
    cbAlinanPara->setCurrentIndex(-1);
    cbAlinanPara->clearEditText();
    edtBarkod->clear();
    edtCariBul->clear();
    cariListesiniDoldur();
    tutarEditGuncelle();
    barkodaOdaklan();
}

void ThizliSatisForm::reject()
{
    if (!onayAl(QStringLiteral("Hızlı Satış ekranından çıkıp Ana Menüye dönmek istiyor musunuz?")))
        return;
    if (!satis->sepetBos()) {
        if (!onayAl(QStringLiteral("Aktif Satış İşlemi İPTAL EDİLECEK. Eminmisiniz?")))
            return;
        satisIptal();
    }
    QDialog::reject();
}

bool ThizliSatisForm::eventFilter(QObject* nesne, QEvent* olay)
{
    if (nesne == edtBarkod && olay->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(olay);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            if (!edtBarkod->text().trimmed().isEmpty())
                barkodEnter();
            return true;
        }
    }
    if (nesne == edtUrunBul && olay->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(olay);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            urunListesiniYenile(true);
            return true;
        }
    }
    // The scanner types into the focus: moving over the basket or the total brings it back.
    if ((nesne == grdHizliSatis->gorunum()->viewport() || nesne == edtToplam) &&
        olay->type() == QEvent::Enter)
        barkodaOdaklan();
    if (nesne == lbl1 && olay->type() == QEvent::MouseButtonRelease)
        showMinimized();
    if (nesne == lbl2 && olay->type() == QEvent::MouseButtonDblClick && mainForm)
        mainForm->kullaniciDegistirClick();
    return QDialog::eventFilter(nesne, olay);
}
