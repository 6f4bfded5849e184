#include "stock/stokFormF.h"

#include "core/dokunmatikKlavye.h"
#include "core/etkilesim.h"
#include "core/gridF.h"
#include "reports/raporOnizlemeF.h"
#include "reports/raporTasarimF.h"
#include "reports/raporYazdir.h"
#include "stock/stokHareket.h"
#include "stock/stokKarti.h"
#include "stock/stokTanimFormF.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSqlQueryModel>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace
{
// Columns whose box opens the numeric dialog when touched.
const QStringList dokunmatikAlanlar = {"alisfiyat", "satisfiyat1", "satisfiyat2", "sinirsayi"};

QPushButton* dugme(const QString& baslik, QWidget* parent, const QString& ad = {})
{
    auto* b = new QPushButton(baslik, parent);
    // Enter in a box must never press a button of the card.
    b->setAutoDefault(false);
    b->setDefault(false);
    b->setMinimumHeight(48);
    if (!ad.isEmpty())
        b->setObjectName(ad);
    return b;
}

QLabel* etiket(const QString& metin, QWidget* parent)
{
    auto* l = new QLabel(metin, parent);
    l->setObjectName(QStringLiteral("alanEtiketi"));
    return l;
}

void kombodaSec(QComboBox* c, const QVariant& id)
{
    const QAbstractItemModel* m = c->model();
    int bulunan = -1;
    if (!id.isNull() && !id.toString().isEmpty())
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->index(r, 0).data().toLongLong() == id.toLongLong()) {
                bulunan = r;
                break;
            }
    if (c->currentIndex() != bulunan)
        c->setCurrentIndex(bulunan);
}

const char* const stil = R"(
QGroupBox#grpUrun { font-weight: bold; font-size: 12pt; border: 1px solid #A3B9D6;
    border-radius: 6px; margin-top: 18px; padding-top: 8px; }
QGroupBox#grpUrun::title { subcontrol-origin: margin; left: 12px; padding: 0 6px; color: #1E4E8C; }
QLabel#alanEtiketi { font-weight: bold; color: #1C2E45; }
QLineEdit#edtBarkod, QLineEdit#edtStokKodu { font-size: 14pt; font-weight: bold; }
QLineEdit#edtStokADi { font-size: 14pt; }
QLineEdit[fiyat="true"] { font-size: 15pt; font-weight: bold; color: #0D3C61; }
QPushButton[kdv="true"] { min-width: 48px; max-width: 48px; padding: 6px 0; font-weight: bold; }
QLabel#imgResim { border: 2px dashed #A3B9D6; border-radius: 8px; background: #FFFFFF;
    color: #7A8CA5; }
QLineEdit#edtKDV { font-size: 14pt; font-weight: bold; }
QPushButton#btnKaydet { background: #2E7D32; color: white; font-weight: bold; border: none; }
QPushButton#btnKaydet:disabled { background: #A5C8A7; }
QPushButton#btnKapat { background: #D32F2F; color: white; font-weight: bold; border: none; }
QLineEdit[toplam="true"] { font-size: 13pt; font-weight: bold; color: #0D3C61; }
QLabel#toplamEtiketi { font-weight: bold; color: #1C2E45; }
)";
} // namespace

TstokForm::TstokForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TstokForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(1200, 740);
    setStyleSheet(QString::fromUtf8(stil));

    kart = new StokKarti(this);
    hareketler = new StokHareketleri(this);

    pcStok = new QTabWidget(this);
    pcStok->setObjectName(QStringLiteral("pcStok"));
    shtBilgi = bilgiSekmesiKur();
    shtGiyim = giyimSekmesiKur();
    shtHareket = hareketSekmesiKur();
    pcStok->addTab(shtBilgi, QStringLiteral("Stok Bilgileri"));
    pcStok->addTab(shtGiyim, QStringLiteral("Renk / Beden"));
    pcStok->addTab(shtHareket, QStringLiteral("Stok Hareketleri"));

    btnUrunEtiketi = dugme(QStringLiteral("Ürün Etiketi Yazdır"), this);
    btnRafEtiketi = dugme(QStringLiteral("Raf Etiketi Yazdır"), this);
    btnEtiketTasarim = dugme(QStringLiteral("Etiket Tasarımı"), this);
    btnEtiketTasarim->hide();
    btnKapat = dugme(QStringLiteral("Kapat / İptal"), this, QStringLiteral("btnKapat"));
    btnKapat->setMinimumWidth(170);
    auto* alt = new QHBoxLayout;
    alt->addWidget(btnUrunEtiketi);
    alt->addWidget(btnRafEtiketi);
    alt->addWidget(btnEtiketTasarim);
    alt->addStretch();
    alt->addWidget(btnKapat);

    auto* ana = new QVBoxLayout(this);
    ana->setContentsMargins(10, 10, 10, 10);
    ana->addWidget(pcStok, 1);
    ana->addLayout(alt);

    klavye = new TdokunmatikKlavye(this);
    klavye->setDuzen(TdokunmatikKlavye::Standard);
    klavye->hide();

    frxEtiket.veriSetiEkle(QStringLiteral("frxDBbarkod"), &kart->etiketVerisi());
    frxEtiket.veriSetiEkle(QStringLiteral("frxDBDataset1"), &kart->etiketVerisi());
    dsHareket = RaporVeriSeti(hareketler->model());
    frxHareket.veriSetiEkle(QStringLiteral("frxDBStokHareketler"), &dsHareket);

    connect(kart, &StokKarti::degisti, this, &TstokForm::kayittanGoster);
    connect(btnUrunEtiketi, &QPushButton::clicked, this, &TstokForm::btnUrunEtiketiClick);
    connect(btnRafEtiketi, &QPushButton::clicked, this, &TstokForm::btnRafEtiketiClick);
    connect(btnEtiketTasarim, &QPushButton::clicked, this, &TstokForm::btnEtiketTasarimClick);
    connect(btnKapat, &QPushButton::clicked, this, &TstokForm::reject);
    connect(pcStok, &QTabWidget::currentChanged, this, [this](int i) {
        if (pcStok->widget(i) != shtHareket)
            return;
        hareketleriListele();
        frxHareket.korumaliYukle(QStringLiteral("Raporlar\\stok_Hareket.fr3"));
    });
    connect(qApp, &QApplication::focusChanged, this, [this] {
        if (klavye->isVisible())
            klavyeyiYerlestir();
    });

    // Creation: the first tab, no colour/size tab, the shelf label ready for the designer.
    pcStok->setCurrentWidget(shtBilgi);
    pcStok->setTabVisible(pcStok->indexOf(shtGiyim), false);
    frxEtiket.korumaliYukle(QStringLiteral("Raporlar\\stok_Barkod.fr3"));
    kayittanGoster();
}

TstokForm::~TstokForm()
{
    disconnect(qApp, nullptr, this, nullptr);
}

QLineEdit* TstokForm::kutu(const QString& alan, const QString& ad)
{
    auto* e = new QLineEdit(this);
    e->setObjectName(ad);
    e->setMaxLength(alan.startsWith(QLatin1String("barkod")) || alan == QLatin1String("stokkodu") ||
                            alan == QLatin1String("stokadi")
                        ? 50
                        : 32767);
    kutular.insert(alan, e);
    connect(e, &QLineEdit::textEdited, this, [this, e, alan](const QString& t) {
        yazan = e;
        kart->kutuMetniAyarla(alan, t);
        yazan = nullptr;
        // Editing refused: the box shows the stored value again.
        if (kart->durum() == StokKarti::Gozat)
            kayittanGoster();
    });
    return e;
}

void TstokForm::fiyatSatiri(QGridLayout* l, int satir, int sutun, const QString& baslik,
                            QLineEdit* e, const QString& alan, bool ipucu)
{
    e->setProperty("fiyat", true);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* ekle = dugme(QStringLiteral("K+"), this);
    auto* cikar = dugme(QStringLiteral("K-"), this);
    for (QPushButton* b : {ekle, cikar}) {
        b->setProperty("kdv", true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    if (ipucu) {
        ekle->setToolTip(QStringLiteral("KDV Ekle"));
        cikar->setToolTip(QStringLiteral("KDV Çıkar"));
    }
    kdvEkleDugmeleri.insert(alan, ekle);
    kdvCikarDugmeleri.insert(alan, cikar);
    l->addWidget(etiket(baslik, this), satir, sutun);
    l->addWidget(e, satir, sutun + 1);
    l->addWidget(ekle, satir, sutun + 2);
    l->addWidget(cikar, satir, sutun + 3);
    connect(ekle, &QPushButton::clicked, this,
            [this, e, alan] { kart->kdvUygula(alan, e->text(), edtKDV->text(), true); });
    connect(cikar, &QPushButton::clicked, this,
            [this, e, alan] { kart->kdvUygula(alan, e->text(), edtKDV->text(), false); });
    connect(e, &QLineEdit::editingFinished, this, [this, e, alan] {
        const QString yeni = kart->fiyatKutusuBirakildi(alan, e->text());
        if (e->text() != yeni)
            e->setText(yeni);
    });
}

QWidget* TstokForm::bilgiSekmesiKur()
{
    auto* sayfa = new QWidget(this);
    grpUrun = new QGroupBox(QStringLiteral("ürün Bilgileri"), sayfa);
    grpUrun->setObjectName(QStringLiteral("grpUrun"));

    edtBarkod = kutu(QStringLiteral("barkod"), QStringLiteral("edtBarkod"));
    BrkdUrt = dugme(QStringLiteral("..."), this, QStringLiteral("BrkdUrt"));
    BrkdUrt->setToolTip(QStringLiteral("Barkod Üret"));
    BrkdUrt->setFixedWidth(56);
    BrkdUrt->setFocusPolicy(Qt::NoFocus);
    edtStokKodu = kutu(QStringLiteral("stokkodu"), QStringLiteral("edtStokKodu"));
    edtStokADi = kutu(QStringLiteral("stokadi"), QStringLiteral("edtStokADi"));
    edtSatisFiyat1KdvDahil =
        kutu(QStringLiteral("satisfiyat1"), QStringLiteral("edtSatisFiyat1KdvDahil"));
    edtSatisFiyat2KdvDahil =
        kutu(QStringLiteral("satisfiyat2"), QStringLiteral("edtSatisFiyat2KdvDahil"));
    edtAlisFiyatKDVdahil =
        kutu(QStringLiteral("alisfiyat"), QStringLiteral("edtAlisFiyatKDVdahil"));
    edtStokUyari = kutu(QStringLiteral("sinirsayi"), QStringLiteral("edtStokUyari"));
    edtTartiCarpan = kutu(QStringLiteral("tartiCarpan"), QStringLiteral("edtTartiCarpan"));

    // Numbers with the decimal comma only: a thousand separator would change their value.
    const QRegularExpression ondalik(QStringLiteral("[0-9]*,?[0-9]*"));
    for (QLineEdit* e :
         {edtSatisFiyat1KdvDahil, edtSatisFiyat2KdvDahil, edtAlisFiyatKDVdahil, edtStokUyari})
        e->setValidator(new QRegularExpressionValidator(ondalik, e));
    edtTartiCarpan->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), this));
    for (const QString& alan : dokunmatikAlanlar)
        kutular.value(alan)->installEventFilter(this);
    for (const QString& alan : {QStringLiteral("sinirsayi"), QStringLiteral("tartiCarpan")}) {
        QLineEdit* e = kutular.value(alan);
        connect(e, &QLineEdit::editingFinished, this, [this, e, alan] {
            const QString t = kart->kutuMetni(alan);
            if (e->text() != t)
                e->setText(t);
        });
    }

    cbBirim = new QComboBox(this);
    cbGrup = new QComboBox(this);
    cbBirim->setObjectName(QStringLiteral("cbBirim"));
    cbGrup->setObjectName(QStringLiteral("cbGrup"));
    cbBirim->setModel(kart->birimler());
    cbGrup->setModel(kart->gruplar());
    for (QComboBox* c : {cbBirim, cbGrup})
        c->setModelColumn(1);
    btnBirimTanim = dugme(QStringLiteral("+"), this);
    btnGrupTanim = dugme(QStringLiteral("+"), this);
    for (QPushButton* b : {btnBirimTanim, btnGrupTanim}) {
        b->setFixedWidth(48);
        b->setFocusPolicy(Qt::NoFocus);
        b->setToolTip(QStringLiteral("Stok Tanımları"));
    }

    chkTartili = new QCheckBox(QStringLiteral("Tartılı Ürün"), this);
    chkTeraziBarkodu = new QCheckBox(QStringLiteral("Terazi Barkodu"), this);
    chkSerbestSatis = new QCheckBox(QStringLiteral("Serbest Satış"), this);
    chkGiyim = new QCheckBox(QStringLiteral("Giyim Ürünü"), this);
    chkGiyim->setObjectName(QStringLiteral("chkGiyim"));

    auto* g = new QGridLayout;
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(10);
    g->addWidget(etiket(QStringLiteral("Barkod"), this), 0, 0);
    auto* barkodSatiri = new QHBoxLayout;
    barkodSatiri->setSpacing(6);
    barkodSatiri->addWidget(edtBarkod, 1);
    barkodSatiri->addWidget(BrkdUrt);
    g->addLayout(barkodSatiri, 0, 1, 1, 3);
    g->addWidget(etiket(QStringLiteral("StokKodu"), this), 0, 4);
    g->addWidget(edtStokKodu, 0, 5, 1, 3);
    g->addWidget(etiket(QStringLiteral("Stok Adı"), this), 1, 0);
    g->addWidget(edtStokADi, 1, 1, 1, 7);
    fiyatSatiri(g, 2, 0, QStringLiteral("SATIŞ FİYATI"), edtSatisFiyat1KdvDahil,
                QStringLiteral("satisfiyat1"), false);
    fiyatSatiri(g, 2, 4, QStringLiteral("SATIŞ FİYATI2"), edtSatisFiyat2KdvDahil,
                QStringLiteral("satisfiyat2"), false);
    fiyatSatiri(g, 3, 0, QStringLiteral("ALIŞ FİYATI"), edtAlisFiyatKDVdahil,
                QStringLiteral("alisfiyat"), true);
    g->addWidget(etiket(QStringLiteral("Stok Uyarı"), this), 3, 4);
    g->addWidget(edtStokUyari, 3, 5, 1, 3);
    g->addWidget(etiket(QStringLiteral("Birim"), this), 4, 0);
    auto* birimSatiri = new QHBoxLayout;
    birimSatiri->addWidget(cbBirim, 1);
    birimSatiri->addWidget(btnBirimTanim);
    g->addLayout(birimSatiri, 4, 1, 1, 3);
    g->addWidget(etiket(QStringLiteral("Grup"), this), 4, 4);
    auto* grupSatiri = new QHBoxLayout;
    grupSatiri->addWidget(cbGrup, 1);
    grupSatiri->addWidget(btnGrupTanim);
    g->addLayout(grupSatiri, 4, 5, 1, 3);
    g->addWidget(etiket(QStringLiteral("Tartı Çarpan"), this), 5, 0);
    // The flags span the whole row, so they never squeeze the boxes above them.
    auto* bayraklar = new QHBoxLayout;
    bayraklar->setSpacing(22);
    edtTartiCarpan->setFixedWidth(90);
    bayraklar->addWidget(edtTartiCarpan);
    bayraklar->addSpacing(12);
    for (QCheckBox* c : {chkTartili, chkTeraziBarkodu, chkSerbestSatis, chkGiyim})
        bayraklar->addWidget(c);
    bayraklar->addStretch();
    g->addLayout(bayraklar, 5, 1, 1, 7);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(5, 1);
    g->setColumnMinimumWidth(4, 130);

    imgResim = new QLabel(QStringLiteral("Resim"), this);
    imgResim->setObjectName(QStringLiteral("imgResim"));
    imgResim->setAlignment(Qt::AlignCenter);
    imgResim->setFixedSize(230, 200);
    imgResim->setToolTip(QStringLiteral("Resim yüklemek için dokunun"));
    imgResim->installEventFilter(this);
    imgResim->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* actResimYukle = new QAction(QStringLiteral("Resim Yükle"), imgResim);
    auto* actResmiSil = new QAction(QStringLiteral("Resmi Sil"), imgResim);
    actResimYukle->setObjectName(QStringLiteral("actResimYukle"));
    actResmiSil->setObjectName(QStringLiteral("actResmiSil"));
    imgResim->addAction(actResimYukle);
    imgResim->addAction(actResmiSil);
    connect(actResimYukle, &QAction::triggered, this, &TstokForm::resimYukleClick);
    connect(actResmiSil, &QAction::triggered, this, &TstokForm::resmiSilClick);

    edtKDV = new QLineEdit(QStringLiteral("20"), this);
    edtKDV->setObjectName(QStringLiteral("edtKDV"));
    edtKDV->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edtKDV->setFixedWidth(90);
    edtKDV->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]*,?[0-9]*")), edtKDV));
    btnKlavye = dugme(QStringLiteral("KLAVYE"), this);
    btnKlavye->setFocusPolicy(Qt::NoFocus);
    btnKlavye->setCheckable(true);
    auto* sag = new QVBoxLayout;
    sag->addWidget(imgResim, 0, Qt::AlignHCenter);
    auto* kdvSatiri = new QHBoxLayout;
    kdvSatiri->addWidget(etiket(QStringLiteral("Kdv"), this));
    kdvSatiri->addWidget(edtKDV);
    kdvSatiri->addWidget(etiket(QStringLiteral("%"), this));
    kdvSatiri->addStretch();
    kdvSatiri->addWidget(btnKlavye);
    sag->addLayout(kdvSatiri);
    sag->addStretch();

    auto* ust = new QHBoxLayout(grpUrun);
    ust->setContentsMargins(12, 14, 12, 10);
    ust->setSpacing(16);
    ust->addLayout(g, 1);
    ust->addLayout(sag);

    // Under the fields: the note and the extra barcodes.
    pcAlt = new QTabWidget(sayfa);
    pcAlt->setObjectName(QStringLiteral("pcAlt"));
    memAciklama = new QPlainTextEdit(this);
    memAciklama->setObjectName(QStringLiteral("memAciklama"));
    memAciklama->setTabChangesFocus(true);
    pcAlt->addTab(memAciklama, QStringLiteral("Açıklama / Ek Bilgi"));
    shtBarkodlar = new QWidget(this);
    auto* bl = new QGridLayout(shtBarkodlar);
    bl->setHorizontalSpacing(10);
    for (int n = 2; n <= 8; ++n) {
        QLineEdit* e = kutu(QStringLiteral("barkod") + QString::number(n),
                            QStringLiteral("DBEdit") + QString::number(n - 1));
        DBEdit << e;
        const int i = n - 2;
        bl->addWidget(etiket(QStringLiteral("Barkod") + QString::number(n), this), i / 4,
                      (i % 4) * 2);
        bl->addWidget(e, i / 4, (i % 4) * 2 + 1);
    }
    for (int c = 1; c < 8; c += 2)
        bl->setColumnStretch(c, 1);
    bl->setRowStretch(2, 1);
    pcAlt->addTab(shtBarkodlar, QStringLiteral("BARKODLAR"));
    pcAlt->setMinimumHeight(150);

    btnYeni = dugme(QStringLiteral("Yeni Stok Kartı"), this, QStringLiteral("btnYeni"));
    btnSil = dugme(QStringLiteral("Sil"), this, QStringLiteral("btnSil"));
    btnDuzenle = dugme(QStringLiteral("Düzenle"), this, QStringLiteral("btnDuzenle"));
    btnKaydet = dugme(QStringLiteral("Kaydet"), this, QStringLiteral("btnKaydet"));
    auto* gezgin = new QHBoxLayout;
    for (QPushButton* b : {btnYeni, btnSil, btnDuzenle, btnKaydet}) {
        b->setMinimumWidth(150);
        b->setFocusPolicy(Qt::NoFocus);
        gezgin->addWidget(b);
    }
    gezgin->addStretch();

    auto* l = new QVBoxLayout(sayfa);
    l->setContentsMargins(8, 4, 8, 8);
    l->addWidget(grpUrun);
    l->addWidget(pcAlt, 1);
    l->addLayout(gezgin);

    // Keyboard flow of a scanner and a hardware keyboard.
    connect(edtBarkod, &QLineEdit::returnPressed, this, [this] {
        kart->barkodGirildi(edtBarkod->text());
        odaklan();
    });
    connect(edtStokADi, &QLineEdit::returnPressed, this,
            [this] { edtSatisFiyat1KdvDahil->setFocus(); });
    connect(edtSatisFiyat1KdvDahil, &QLineEdit::returnPressed, this,
            [this] { edtAlisFiyatKDVdahil->setFocus(); });
    for (int i = 0; i + 1 < DBEdit.size(); ++i)
        connect(DBEdit[i], &QLineEdit::returnPressed, this,
                [this, i] { DBEdit[i + 1]->setFocus(); });

    const QList<QPair<QCheckBox*, QString>> bayrakAlanlari = {
        {chkTartili, QStringLiteral("tartiliUrun")},
        {chkTeraziBarkodu, QStringLiteral("teraziBarkodu")},
        {chkSerbestSatis, QStringLiteral("serbestsatis")}};
    for (const auto& [c, alan] : bayrakAlanlari)
        connect(c, &QCheckBox::clicked, this,
                [this, alan](bool b) { kart->ayarla(alan, b ? 1 : 0); });
    connect(chkGiyim, &QCheckBox::clicked, this, [this](bool b) {
        // The tab that has just appeared is the one the user wants to fill.
        const bool onceki = pcStok->isTabVisible(pcStok->indexOf(shtGiyim));
        kart->ayarla(QStringLiteral("giyim"), b ? 1 : 0);
        if (!onceki && kart->giyimSekmesiGorunur())
            pcStok->setCurrentWidget(shtGiyim);
    });
    connect(cbBirim, &QComboBox::activated, this, [this](int r) {
        kart->ayarla(QStringLiteral("birim"), kart->birimler()->index(r, 0).data());
    });
    connect(cbGrup, &QComboBox::activated, this, [this](int r) {
        kart->ayarla(QStringLiteral("grup"), kart->gruplar()->index(r, 0).data());
    });
    connect(memAciklama, &QPlainTextEdit::textChanged, this, [this] {
        if (gosteriliyor)
            return;
        const QString t = memAciklama->toPlainText();
        yazan = memAciklama;
        kart->ayarla(QStringLiteral("aciklama"), t.isEmpty() ? QVariant() : QVariant(t));
        yazan = nullptr;
        if (kart->durum() == StokKarti::Gozat)
            kayittanGoster();
    });
    connect(btnBirimTanim, &QPushButton::clicked, this, &TstokForm::tanimAc);
    connect(btnGrupTanim, &QPushButton::clicked, this, &TstokForm::tanimAc);
    connect(BrkdUrt, &QPushButton::clicked, this, &TstokForm::BrkdUrtClick);
    connect(btnKlavye, &QPushButton::clicked, this, &TstokForm::btnKlavyeClick);
    connect(btnYeni, &QPushButton::clicked, this, &TstokForm::btnYeniClick);
    connect(btnSil, &QPushButton::clicked, this, &TstokForm::btnSilClick);
    connect(btnDuzenle, &QPushButton::clicked, this, &TstokForm::btnDuzenleClick);
    connect(btnKaydet, &QPushButton::clicked, this, &TstokForm::btnKaydetClick);
    return sayfa;
}

QWidget* TstokForm::giyimSekmesiKur()
{
    auto* sayfa = new QWidget(this);
    auto* l = new QHBoxLayout(sayfa);
    l->setSpacing(16);
    auto liste = [&](const QString& baslik, GiyimListesi* m, const QString& adBasligi) {
        auto* kutu = new QGroupBox(baslik, sayfa);
        auto* v = new QVBoxLayout(kutu);
        auto* g = new Tgrid(kutu);
        g->setKaynak(m);
        g->setSutunlar(
            {{m->adAlani(), adBasligi, GridBicim::Metin, true, 380},
             {QStringLiteral("sira"), QStringLiteral("Sıra"), GridBicim::Tamsayi, true}});
        g->setBosMetin(QStringLiteral("Renk ve bedenler ürün kaydedildikten sonra girilir"));
        g->gorunum()->setSortingEnabled(false);
        v->addWidget(g, 1);
        auto* gezgin = new QHBoxLayout;
        auto* ekle = dugme(QStringLiteral("Ekle"), kutu);
        auto* sil = dugme(QStringLiteral("Sil"), kutu);
        auto* kaydet = dugme(QStringLiteral("Kaydet"), kutu);
        auto* vazgec = dugme(QStringLiteral("Vazgeç"), kutu);
        for (QPushButton* b : {ekle, sil, kaydet, vazgec}) {
            b->setFocusPolicy(Qt::NoFocus);
            gezgin->addWidget(b);
        }
        v->addLayout(gezgin);
        connect(ekle, &QPushButton::clicked, this, [g, m] {
            const int r = m->yeniSatir();
            if (r < 0)
                return;
            const QModelIndex i =
                g->model()->mapFromSource(m->index(r, m->fieldIndex(m->adAlani())));
            g->gorunum()->setCurrentIndex(i);
            g->gorunum()->edit(i);
        });
        connect(sil, &QPushButton::clicked, this, [g, m] {
            const int r = g->aktifSatir();
            if (r >= 0)
                m->sil(g->model()->mapToSource(g->model()->index(r, 0)).row());
        });
        connect(kaydet, &QPushButton::clicked, this, [m] { m->kaydet(); });
        connect(vazgec, &QPushButton::clicked, this, [m] { m->vazgec(); });
        l->addWidget(kutu, 1);
        return g;
    };
    grdRenk = liste(QStringLiteral("RENKLER"), kart->renkler(), QStringLiteral("Renk Adı"));
    grdBeden = liste(QStringLiteral("BEDENLER"), kart->bedenler(), QStringLiteral("Beden Adı"));
    return sayfa;
}

QWidget* TstokForm::hareketSekmesiKur()
{
    auto* sayfa = new QWidget(this);
    dtTarih1 = new QDateTimeEdit(QDateTime(QDate(2019, 1, 1), QTime(0, 0)), sayfa);
    dtTarih2 = new QDateTimeEdit(QDateTime::currentDateTime(), sayfa);
    for (QDateTimeEdit* d : {dtTarih1, dtTarih2}) {
        d->setDisplayFormat(QStringLiteral("dd.MM.yyyy HH:mm"));
        d->setCalendarPopup(true);
        d->setMinimumWidth(210);
    }
    btnListele = dugme(QStringLiteral("Listele"), sayfa, QStringLiteral("btnListele"));
    btnHareketYazdir =
        dugme(QStringLiteral("Hareketleri Yazdır"), sayfa, QStringLiteral("btnHareketYazdir"));
    btnHareketYazdir->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* actTasarim = new QAction(QStringLiteral("Rapor Tasarım"), btnHareketYazdir);
    btnHareketYazdir->addAction(actTasarim);
    auto* ust = new QHBoxLayout;
    ust->addWidget(etiket(QStringLiteral("Başlangıç"), sayfa));
    ust->addWidget(dtTarih1);
    ust->addSpacing(12);
    ust->addWidget(etiket(QStringLiteral("Bitiş"), sayfa));
    ust->addWidget(dtTarih2);
    ust->addWidget(btnListele);
    ust->addStretch();
    ust->addWidget(btnHareketYazdir);

    grdHareket = new Tgrid(sayfa);
    grdHareket->setObjectName(QStringLiteral("grdHareket"));
    grdHareket->setKaynak(hareketler->model());
    grdHareket->setSutunlar({
        {QStringLiteral("adi"), QStringLiteral("İşlem"), GridBicim::Metin, false, 210},
        {QStringLiteral("faturano"), QStringLiteral("Evrak No"), GridBicim::Metin, false, 150},
        {QStringLiteral("tarihh"), QStringLiteral("Tarih"), GridBicim::TarihSaat, false, 170},
        {QStringLiteral("miktar"), QStringLiteral("Miktar"), GridBicim::Sayi, false, 110},
        {QStringLiteral("fiyat"), QStringLiteral("Fiyat"), GridBicim::Para, false, 130},
        {QStringLiteral("stokHarAciklama"), QStringLiteral("Açıklama"), GridBicim::Metin},
    });
    grdHareket->setFiltreSatiri(true);
    grdHareket->setBosMetin(QStringLiteral("Bu tarihler arasında hareket yok"));
    grdHareket->gorunum()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdHareket->gorunum()->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* actSil = new QAction(QStringLiteral("Sil"), grdHareket->gorunum());
    grdHareket->gorunum()->addAction(actSil);

    auto toplamKutusu = [&](const QString& ad) {
        auto* e = new QLineEdit(sayfa);
        e->setObjectName(ad);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        e->setProperty("toplam", true);
        return e;
    };
    edtGiren = toplamKutusu(QStringLiteral("edtGiren"));
    edtCikan = toplamKutusu(QStringLiteral("edtCikan"));
    edtToplamTutar = toplamKutusu(QStringLiteral("edtToplamTutar"));
    edtKalan = toplamKutusu(QStringLiteral("edtKalan"));
    edtToplamTutar->installEventFilter(this);
    auto* t = new QGridLayout;
    t->setHorizontalSpacing(10);
    const QList<QPair<QString, QLineEdit*>> toplamlar = {
        {QStringLiteral("Toplam Giren Adet / Tutar"), edtGiren},
        {QStringLiteral("Toplam Çıkan Adet / Tutar"), edtCikan},
        {QStringLiteral("Toplam Tutar"), edtToplamTutar},
        {QStringLiteral("Toplam Kalan Adet"), edtKalan}};
    for (int i = 0; i < toplamlar.size(); ++i) {
        auto* b = new QLabel(toplamlar[i].first, sayfa);
        b->setObjectName(QStringLiteral("toplamEtiketi"));
        t->addWidget(b, 0, i);
        t->addWidget(toplamlar[i].second, 1, i);
        t->setColumnStretch(i, 1);
    }

    auto* l = new QVBoxLayout(sayfa);
    l->setContentsMargins(8, 8, 8, 8);
    l->addLayout(ust);
    l->addWidget(grdHareket, 1);
    l->addLayout(t);

    connect(btnListele, &QPushButton::clicked, this, &TstokForm::btnListeleClick);
    connect(btnHareketYazdir, &QPushButton::clicked, this, &TstokForm::btnHareketYazdirClick);
    connect(actTasarim, &QAction::triggered, this, [this] {
        raporTasarla(frxHareket, QStringLiteral("Raporlar\\stok_Hareket.fr3"), this);
    });
    connect(actSil, &QAction::triggered, this, &TstokForm::hareketSilClick);
    connect(grdHareket->model(), &GridModeli::filtreDegisti, this, &TstokForm::toplamlariGoster);
    return sayfa;
}

void TstokForm::yeniKayitModu()
{
    kart->yeniKayit();
    pcStok->setCurrentWidget(shtBilgi);
    edtBarkod->setFocus();
}

void TstokForm::kdvKutusunuDoldur()
{
    // The box is the user's, but a product's own rate is the likeliest one to want.
    const QVariant kdv = kart->deger(QStringLiteral("kdv"));
    if (!kdv.isNull() && !kdv.toString().isEmpty())
        edtKDV->setText(kdv.toString());
}

bool TstokForm::duzenlemeModu(const QString& stokKodu)
{
    const bool var = kart->duzenlemeIcinAc(stokKodu);
    kdvKutusunuDoldur();
    // The heading shows the stock on hand from the start.
    if (var)
        hareketleriListele();
    pcStok->setCurrentWidget(shtBilgi);
    edtStokADi->setFocus();
    return var;
}

void TstokForm::LoadFromMasterRecord(const QSqlRecord& master)
{
    kart->masterdanYukle(master);
    kdvKutusunuDoldur();
    pcStok->setCurrentWidget(shtBilgi);
    edtStokADi->setFocus();
}

void TstokForm::kayittanGoster()
{
    gosteriliyor = true;
    setWindowTitle(kart->baslik());
    const bool var = kart->kayitVar();
    const bool yazilabilir = kart->degisiklikVar();
    for (auto it = kutular.cbegin(); it != kutular.cend(); ++it) {
        QLineEdit* e = it.value();
        e->setEnabled(var);
        if (e == yazan)
            continue;
        const QString t = kart->kutuMetni(it.key());
        if (e->text() != t)
            e->setText(t);
    }
    edtStokKodu->setEnabled(var && !kart->stokKoduKilitli());
    const QList<QPair<QCheckBox*, QString>> bayraklar = {
        {chkTartili, QStringLiteral("tartiliUrun")},
        {chkTeraziBarkodu, QStringLiteral("teraziBarkodu")},
        {chkSerbestSatis, QStringLiteral("serbestsatis")},
        {chkGiyim, QStringLiteral("giyim")}};
    for (const auto& [c, alan] : bayraklar) {
        c->setEnabled(var);
        c->setChecked(kart->deger(alan).toInt() == 1);
    }
    cbBirim->setEnabled(var);
    cbGrup->setEnabled(var);
    kombodaSec(cbBirim, kart->deger(QStringLiteral("birim")));
    kombodaSec(cbGrup, kart->deger(QStringLiteral("grup")));
    memAciklama->setEnabled(var);
    if (memAciklama != yazan &&
        memAciklama->toPlainText() != kart->metin(QStringLiteral("aciklama")))
        memAciklama->setPlainText(kart->metin(QStringLiteral("aciklama")));

    const QByteArray resim = kart->deger(QStringLiteral("resim")).toByteArray();
    if (resim != gosterilenResim || imgResim->pixmap().isNull() != resim.isEmpty()) {
        gosterilenResim = resim;
        QPixmap p;
        if (!resim.isEmpty() && p.loadFromData(resim))
            imgResim->setPixmap(p.scaled(imgResim->size() - QSize(8, 8), Qt::KeepAspectRatio,
                                         Qt::SmoothTransformation));
        else
            imgResim->clear();
    }
    if (imgResim->pixmap().isNull())
        imgResim->setText(yazilabilir ? QStringLiteral("Resim yüklemek için\ndokunun")
                                      : QStringLiteral("Resim yok"));
    for (QAction* a : imgResim->actions())
        a->setEnabled(yazilabilir);

    for (QPushButton* b : kdvEkleDugmeleri)
        b->setEnabled(var);
    for (QPushButton* b : kdvCikarDugmeleri)
        b->setEnabled(var);
    BrkdUrt->setEnabled(var);
    btnKaydet->setEnabled(yazilabilir);
    btnDuzenle->setEnabled(var && kart->durum() == StokKarti::Gozat);
    btnSil->setEnabled(var);
    giyimSekmesiniGuncelle();
    gosteriliyor = false;
}

void TstokForm::giyimSekmesiniGuncelle()
{
    const int i = pcStok->indexOf(shtGiyim);
    const bool gorunur = kart->giyimSekmesiGorunur();
    if (gorunur == pcStok->isTabVisible(i))
        return;
    pcStok->setTabVisible(i, gorunur);
    if (gorunur)
        kart->giyimListeleriniAc();
}

void TstokForm::odaklan()
{
    const QString alan = kart->odak();
    if (alan.isEmpty())
        return;
    QWidget* w = nullptr;
    if (alan == QLatin1String("birim"))
        w = cbBirim;
    else if (alan == QLatin1String("grup"))
        w = cbGrup;
    else
        w = kutular.value(alan);
    if (!w)
        return;
    pcStok->setCurrentWidget(shtBilgi);
    if (DBEdit.contains(w))
        pcAlt->setCurrentWidget(shtBarkodlar);
    w->setFocus();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->selectAll();
}

void TstokForm::btnKaydetClick()
{
    if (kart->kaydet()) {
        accept();
        return;
    }
    odaklan();
}

void TstokForm::btnYeniClick()
{
    if (kart->yeniKartaGec()) {
        accept();
        return;
    }
    if (!kart->kayitVar())
        return;
    pcStok->setCurrentWidget(shtBilgi);
    pcStok->setTabVisible(pcStok->indexOf(shtGiyim), false);
    odaklan();
    edtBarkod->setFocus();
}

void TstokForm::btnSilClick()
{
    if (kart->sil())
        hareketleriListele();
}

void TstokForm::btnDuzenleClick()
{
    if (kart->duzenle())
        edtStokADi->setFocus();
}

void TstokForm::BrkdUrtClick()
{
    if (kart->barkodUret())
        odaklan();
}

void TstokForm::btnKlavyeClick()
{
    klavye->setVisible(!klavye->isVisible());
    btnKlavye->setChecked(klavye->isVisible());
    if (klavye->isVisible()) {
        klavyeyiYerlestir();
        klavye->raise();
    }
}

void TstokForm::klavyeyiYerlestir()
{
    // Over the half of the card that is not being typed into.
    const int yukseklik = qMin(330, height() / 2);
    QWidget* odak = QApplication::focusWidget();
    const bool ustte = odak && isAncestorOf(odak) &&
                       odak->mapTo(this, QPoint(0, odak->height())).y() > height() / 2;
    klavye->setGeometry(10, ustte ? 10 : height() - yukseklik - 10, width() - 20, yukseklik);
}

void TstokForm::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    if (klavye && klavye->isVisible())
        klavyeyiYerlestir();
}

bool TstokForm::etiketYazdir(const QString& yol, const QString& yazici)
{
    kart->etiketVerisi();
    const QString hata = frxEtiket.yukle(yol);
    if (!hata.isEmpty()) {
        duzMesaj(hata);
        return false;
    }
    return dogrudanYazdir(frxEtiket, yazici);
}

void TstokForm::btnUrunEtiketiClick()
{
    etiketYazdir(QStringLiteral("C:\\TORVEL\\raporlar\\etiket.fr3"), QStringLiteral("ARGOX"));
}

void TstokForm::btnRafEtiketiClick()
{
    etiketYazdir(QStringLiteral("C:\\TORVEL\\raporlar\\stok_Barkod.fr3"), QStringLiteral("POS58"));
}

void TstokForm::btnEtiketTasarimClick()
{
    kart->etiketVerisi();
    raporTasarla(frxEtiket,
                 frxEtiket.yuklendi() ? frxEtiket.dosyaYolu()
                                      : QStringLiteral("Raporlar\\stok_Barkod.fr3"),
                 this);
}

void TstokForm::hareketleriListele()
{
    hareketler->listele(kart->id(), dtTarih1->dateTime(), dtTarih2->dateTime());
    toplamlariGoster();
}

void TstokForm::btnListeleClick()
{
    hareketleriListele();
}

void TstokForm::toplamlariGoster()
{
    const HareketToplamlari t = StokHareketleri::toplamlar(*grdHareket->model());
    edtGiren->setText(t.girenMetni());
    edtCikan->setText(t.cikanMetni());
    edtToplamTutar->setText(t.toplamMetni());
    edtKalan->setText(t.kalanMetni());
    grpUrun->setTitle(t.baslikMetni());
}

void TstokForm::btnHareketYazdirClick()
{
    izgaraFiltresiyleOnizle(frxHareket, dsHareket, grdHareket->filtre(), this);
}

void TstokForm::hareketSilClick()
{
    if (hareketler->sil(*grdHareket->model(), grdHareket->aktifSatir()))
        toplamlariGoster();
}

void TstokForm::resimYukleClick()
{
    if (!kart->degisiklikVar())
        return;
    const QString dosya = QFileDialog::getOpenFileName(
        this, QStringLiteral("Resim Seç"), QString(),
        QStringLiteral("Resimler (*.jpg *.jpeg *.png *.bmp *.gif);;Tüm Dosyalar (*)"));
    if (!dosya.isEmpty())
        kart->resimYukle(dosya);
}

void TstokForm::resmiSilClick()
{
    kart->resmiSil();
}

void TstokForm::tanimAc()
{
    stokTanimlariAc(this);
    kart->tanimlariYenile();
    kayittanGoster();
}

void TstokForm::reject()
{
    if (!kart->kapatilabilir())
        return;
    QDialog::reject();
}

bool TstokForm::eventFilter(QObject* nesne, QEvent* olay)
{
    if (nesne == imgResim && olay->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(olay)->button() == Qt::LeftButton) {
        resimYukleClick();
        return true;
    }
    if (nesne == edtToplamTutar && olay->type() == QEvent::MouseButtonDblClick) {
        btnEtiketTasarim->show();
        return true;
    }
    for (const QString& alan : dokunmatikAlanlar) {
        QLineEdit* e = kutular.value(alan);
        if (nesne != e)
            continue;
        if (olay->type() == QEvent::MouseButtonPress && e->isEnabled()) {
            // After the press has given the box the focus, so the dialog returns to it.
            QTimer::singleShot(0, this, [this, e, alan] { kart->sayiGirisi(alan, e->text()); });
        } else if (olay->type() == QEvent::KeyPress &&
                   static_cast<QKeyEvent*>(olay)->key() == Qt::Key_Period) {
            // The keypad's point is meant as the decimal comma.
            QKeyEvent virgul(QEvent::KeyPress, Qt::Key_Comma, Qt::NoModifier, QStringLiteral(","));
            QApplication::sendEvent(e, &virgul);
            return true;
        }
    }
    return QDialog::eventFilter(nesne, olay);
}

bool yeniStokKartiAc(QWidget* parent)
{
    TstokForm f(parent);
    f.yeniKayitModu();
    return f.exec() == QDialog::Accepted;
}

bool stokKartiniDuzenle(const QString& stokKodu, QWidget* parent)
{
    TstokForm f(parent);
    f.duzenlemeModu(stokKodu);
    return f.exec() == QDialog::Accepted;
}

bool stokKartiniMasterdanAc(const QSqlRecord& master, QWidget* parent)
{
    TstokForm f(parent);
    f.LoadFromMasterRecord(master);
    return f.exec() == QDialog::Accepted;
}
