#include "reports/raporTasarimF.h"

#include "core/etkilesim.h"
#include "core/platform.h"
#include "reports/rapor.h"
#include "reports/raporOnizlemeF.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{
constexpr int rolYol = Qt::UserRole;
constexpr int rolNesne = Qt::UserRole + 1;
constexpr int enCokOnizlemeSayfasi = 5;

QDoubleSpinBox* mmKutusu(double enAz, double enCok, QWidget* ebeveyn)
{
    auto* s = new QDoubleSpinBox(ebeveyn);
    s->setRange(enAz, enCok);
    s->setDecimals(1);
    s->setSingleStep(0.5);
    s->setSuffix(QStringLiteral(" mm"));
    s->setLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
    return s;
}

QString kisalt(const QString& s, int n = 32)
{
    QString t = s;
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return t.size() > n ? t.left(n - 1) + QStringLiteral("…") : t;
}

QString nesneBasligi(RaporNesnesi::Tur t)
{
    switch (t) {
    case RaporNesnesi::Metin:
        return QStringLiteral("Metin");
    case RaporNesnesi::Cizgi:
        return QStringLiteral("Çizgi");
    case RaporNesnesi::Kutu:
        return QStringLiteral("Kutu");
    case RaporNesnesi::Resim:
        return QStringLiteral("Resim");
    case RaporNesnesi::Barkod:
        return QStringLiteral("Barkod");
    }
    return {};
}

QString nesneOgeMetni(const RaporNesnesi& n)
{
    QString m =
        nesneBasligi(n.tur) + QStringLiteral(": ") + (n.ad.isEmpty() ? QStringLiteral("?") : n.ad);
    if (!n.metin.isEmpty() && n.tur != RaporNesnesi::Cizgi && n.tur != RaporNesnesi::Kutu)
        m += QStringLiteral("  ") + kisalt(n.metin);
    return m;
}

QString bantOgeMetni(const RaporBandi& b)
{
    QString m = bantTuruBasligi(b.tur);
    if (b.tur == BantTuru::Veri)
        m += QStringLiteral(" [%1]").arg(b.veriSeti);
    if (b.tur == BantTuru::GrupBasligi)
        m += QStringLiteral(" (%1)").arg(b.kosul);
    if (!b.ad.isEmpty())
        m += QStringLiteral(": ") + b.ad;
    return m;
}

bool icineEklenir(BantTuru ust, BantTuru alt)
{
    if (alt == BantTuru::Ek)
        return true;
    if (ust == BantTuru::Veri)
        return alt == BantTuru::Baslik || alt == BantTuru::Altlik || alt == BantTuru::GrupBasligi ||
               alt == BantTuru::Veri;
    if (ust == BantTuru::GrupBasligi)
        return alt == BantTuru::GrupAltligi;
    return false;
}

bool ustDuzeyBandi(BantTuru t)
{
    return t == BantTuru::RaporBasligi || t == BantTuru::SayfaBasligi ||
           t == BantTuru::SutunBasligi || t == BantTuru::Veri || t == BantTuru::Ozet ||
           t == BantTuru::SayfaAltligi;
}

QVariantList yolVerisi(const QList<int>& yol)
{
    QVariantList v;
    for (int i : yol)
        v << i;
    return v;
}

QList<int> yolListesi(const QVariant& v)
{
    QList<int> yol;
    for (const QVariant& i : v.toList())
        yol << i.toInt();
    return yol;
}

// A form that keeps its rows together at the top instead of spreading them over the pane.
QFormLayout* formKur(QWidget* w)
{
    auto* dikey = new QVBoxLayout(w);
    auto* f = new QFormLayout;
    dikey->addLayout(f);
    dikey->addStretch(1);
    return f;
}

void nesneleriTopla(const std::vector<RaporBandi>& bantlar, QStringList* adlar)
{
    for (const RaporBandi& b : bantlar) {
        for (const RaporNesnesi& n : b.nesneler)
            *adlar << n.ad;
        nesneleriTopla(b.bantlar, adlar);
    }
}
} // namespace

TraporTasarim::TraporTasarim(TRapor& rapor, const QString& yol, QWidget* parent)
    : QDialog(parent), rapor(rapor), yol(yol), calisma(rapor.sablon())
{
    setWindowTitle(QStringLiteral("Rapor Tasarım - ") + yol);
    arayuzKur();
    agaciKur();
    sec({});
    yenile();
    veriAgaciniKur();
    resize(1280, 800);
}

void TraporTasarim::arayuzKur()
{
    // Tool row
    auto* arac = new QHBoxLayout;
    auto* btnKaydet = new QPushButton(QStringLiteral("Kaydet"), this);
    btnKaydet->setObjectName(QStringLiteral("btnKaydet"));
    auto* btnOnizle = new QPushButton(QStringLiteral("Önizle"), this);
    auto* btnBant = new QToolButton(this);
    btnBant->setText(QStringLiteral("Bant Ekle"));
    btnBant->setPopupMode(QToolButton::InstantPopup);
    auto* bantMenusu = new QMenu(btnBant);
    for (BantTuru t :
         {BantTuru::RaporBasligi, BantTuru::SayfaBasligi, BantTuru::SutunBasligi, BantTuru::Veri,
          BantTuru::Ozet, BantTuru::SayfaAltligi, BantTuru::Baslik, BantTuru::Altlik,
          BantTuru::GrupBasligi, BantTuru::GrupAltligi, BantTuru::Ek}) {
        QString baslik = bantTuruBasligi(t);
        if (t == BantTuru::Veri)
            baslik = QStringLiteral("Veri (seçili veri bandında: Detay)");
        bantMenusu->addAction(baslik, this, [this, t] { bantEkle(t); });
    }
    btnBant->setMenu(bantMenusu);
    auto* btnNesne = new QToolButton(this);
    btnNesne->setText(QStringLiteral("Nesne Ekle"));
    btnNesne->setPopupMode(QToolButton::InstantPopup);
    auto* nesneMenusu = new QMenu(btnNesne);
    for (RaporNesnesi::Tur t : {RaporNesnesi::Metin, RaporNesnesi::Cizgi, RaporNesnesi::Kutu,
                                RaporNesnesi::Resim, RaporNesnesi::Barkod})
        nesneMenusu->addAction(nesneBasligi(t), this, [this, t] { nesneEkle(t); });
    btnNesne->setMenu(nesneMenusu);
    auto* btnSil = new QPushButton(QStringLiteral("Sil"), this);
    auto* btnYukari = new QPushButton(QStringLiteral("Yukarı"), this);
    auto* btnAsagi = new QPushButton(QStringLiteral("Aşağı"), this);
    auto* btnKapat = new QPushButton(QStringLiteral("Kapat"), this);
    for (QWidget* w : {static_cast<QWidget*>(btnKaydet), static_cast<QWidget*>(btnOnizle),
                       static_cast<QWidget*>(btnBant), static_cast<QWidget*>(btnNesne),
                       static_cast<QWidget*>(btnSil), static_cast<QWidget*>(btnYukari),
                       static_cast<QWidget*>(btnAsagi)}) {
        w->setMinimumHeight(36);
        arac->addWidget(w);
    }
    lblDurum = new QLabel(this);
    arac->addWidget(lblDurum, 1);
    arac->addWidget(btnKapat);
    btnKapat->setMinimumHeight(36);

    connect(btnKaydet, &QPushButton::clicked, this, &TraporTasarim::kaydet);
    connect(btnOnizle, &QPushButton::clicked, this, [this] {
        TraporOnizleme p(sonuc.sayfalar, calisma.ad, this);
        p.exec();
    });
    connect(btnSil, &QPushButton::clicked, this, &TraporTasarim::secileniSil);
    connect(btnYukari, &QPushButton::clicked, this, &TraporTasarim::yukari);
    connect(btnAsagi, &QPushButton::clicked, this, &TraporTasarim::asagi);
    connect(btnKapat, &QPushButton::clicked, this, &TraporTasarim::reject);

    // Left: structure and data
    agac = new QTreeWidget(this);
    agac->setObjectName(QStringLiteral("agac"));
    agac->setHeaderLabel(QStringLiteral("Rapor"));
    connect(agac, &QTreeWidget::currentItemChanged, this, [this] { secimDegisti(); });
    veriAgaci = new QTreeWidget(this);
    veriAgaci->setHeaderLabel(QStringLiteral("Veri (çift tıklayınca metne eklenir)"));
    connect(veriAgaci, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* o) {
        const QString ek = o->data(0, Qt::UserRole).toString();
        if (ek.isEmpty() || editorler->currentIndex() != 2)
            return;
        txtMetin->insertPlainText(ek);
        txtMetin->setFocus();
    });
    auto* sol = new QSplitter(Qt::Vertical, this);
    sol->addWidget(agac);
    sol->addWidget(veriAgaci);
    sol->setStretchFactor(0, 3);
    sol->setStretchFactor(1, 2);

    // Middle: properties
    editorler = new QStackedWidget(this);
    editorler->addWidget(sayfaEditoru());
    editorler->addWidget(bantEditoru());
    editorler->addWidget(nesneEditoru());
    auto* editorAlani = new QScrollArea(this);
    editorAlani->setWidget(editorler);
    editorAlani->setWidgetResizable(true);

    // Right: live preview and what went wrong in it
    resim = new QLabel;
    resim->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    resim->installEventFilter(this);
    onizlemeAlani = new QScrollArea(this);
    onizlemeAlani->setWidget(resim);
    onizlemeAlani->setWidgetResizable(true);
    onizlemeAlani->setBackgroundRole(QPalette::Dark);
    lstUyarilar = new QListWidget(this);
    lstUyarilar->setObjectName(QStringLiteral("lstUyarilar"));
    lstUyarilar->setMaximumHeight(110);
    auto* sag = new QWidget(this);
    auto* sagDuzen = new QVBoxLayout(sag);
    sagDuzen->setContentsMargins(0, 0, 0, 0);
    sagDuzen->addWidget(onizlemeAlani, 1);
    sagDuzen->addWidget(lstUyarilar);

    auto* bolucu = new QSplitter(this);
    bolucu->addWidget(sol);
    bolucu->addWidget(editorAlani);
    bolucu->addWidget(sag);
    bolucu->setSizes({380, 420, 480});

    auto* duzen = new QVBoxLayout(this);
    duzen->addLayout(arac);
    duzen->addWidget(bolucu, 1);
}

QWidget* TraporTasarim::sayfaEditoru()
{
    auto* w = new QWidget;
    auto* f = formKur(w);
    edtSablonAdi = new QLineEdit(w);
    spnSayfaGenislik = mmKutusu(10, 2000, w);
    spnSayfaYukseklik = mmKutusu(0, 5000, w);
    spnSayfaYukseklik->setSpecialValueText(QStringLiteral("Sonsuz (fiş)"));
    spnSol = mmKutusu(0, 200, w);
    spnUst = mmKutusu(0, 200, w);
    spnSag = mmKutusu(0, 200, w);
    spnAlt = mmKutusu(0, 200, w);
    spnEtiketSutun = new QSpinBox(w);
    spnEtiketSutun->setRange(1, 20);
    spnEtiketSatir = new QSpinBox(w);
    spnEtiketSatir->setRange(1, 40);
    spnEtiketAraX = mmKutusu(0, 100, w);
    spnEtiketAraY = mmKutusu(0, 100, w);
    cmbYaziAilesi = new QFontComboBox(w);
    spnSablonYazi = new QDoubleSpinBox(w);
    spnSablonYazi->setRange(4, 72);
    spnSablonYazi->setDecimals(1);
    spnSablonYazi->setSuffix(QStringLiteral(" pt"));
    f->addRow(QStringLiteral("Rapor adı"), edtSablonAdi);
    f->addRow(QStringLiteral("Sayfa genişliği"), spnSayfaGenislik);
    f->addRow(QStringLiteral("Sayfa yüksekliği"), spnSayfaYukseklik);
    f->addRow(QStringLiteral("Sol kenar"), spnSol);
    f->addRow(QStringLiteral("Üst kenar"), spnUst);
    f->addRow(QStringLiteral("Sağ kenar"), spnSag);
    f->addRow(QStringLiteral("Alt kenar"), spnAlt);
    f->addRow(QStringLiteral("Etiket sütunu"), spnEtiketSutun);
    f->addRow(QStringLiteral("Etiket satırı"), spnEtiketSatir);
    f->addRow(QStringLiteral("Etiket arası (yatay)"), spnEtiketAraX);
    f->addRow(QStringLiteral("Etiket arası (dikey)"), spnEtiketAraY);
    f->addRow(QStringLiteral("Yazı tipi"), cmbYaziAilesi);
    f->addRow(QStringLiteral("Yazı boyutu"), spnSablonYazi);
    for (QLineEdit* e : {edtSablonAdi})
        connect(e, &QLineEdit::textEdited, this, &TraporTasarim::uygula);
    for (QDoubleSpinBox* s : {spnSayfaGenislik, spnSayfaYukseklik, spnSol, spnUst, spnSag, spnAlt,
                              spnEtiketAraX, spnEtiketAraY, spnSablonYazi})
        connect(s, &QDoubleSpinBox::valueChanged, this, &TraporTasarim::uygula);
    for (QSpinBox* s : {spnEtiketSutun, spnEtiketSatir})
        connect(s, &QSpinBox::valueChanged, this, &TraporTasarim::uygula);
    connect(cmbYaziAilesi, &QFontComboBox::currentFontChanged, this, &TraporTasarim::uygula);
    return w;
}

QWidget* TraporTasarim::bantEditoru()
{
    auto* w = new QWidget;
    bantFormu = formKur(w);
    lblBantTuru = new QLabel(w);
    edtBantAdi = new QLineEdit(w);
    spnBantYukseklik = mmKutusu(0, 1000, w);
    spnBantYukseklik->setObjectName(QStringLiteral("spnBantYukseklik"));
    edtBantGorunur = new QLineEdit(w);
    edtBantGorunur->setPlaceholderText(QStringLiteral("boş: her zaman"));
    cmbVeriSeti = new QComboBox(w);
    cmbVeriSeti->setEditable(true);
    cmbVeriSeti->addItems(rapor.veriSetiAdlari());
    edtAnaAlan = new QLineEdit(w);
    edtDetayAlan = new QLineEdit(w);
    edtSirala = new QLineEdit(w);
    edtSirala->setPlaceholderText(QStringLiteral("boş: geldiği sırada"));
    edtKosul = new QLineEdit(w);
    bantFormu->addRow(QStringLiteral("Bant"), lblBantTuru);
    bantFormu->addRow(QStringLiteral("Ad"), edtBantAdi);
    bantFormu->addRow(QStringLiteral("Yükseklik"), spnBantYukseklik);
    bantFormu->addRow(QStringLiteral("Veri seti"), cmbVeriSeti);
    bantFormu->addRow(QStringLiteral("Ana alan"), edtAnaAlan);
    bantFormu->addRow(QStringLiteral("Detay alan"), edtDetayAlan);
    bantFormu->addRow(QStringLiteral("Sırala"), edtSirala);
    bantFormu->addRow(QStringLiteral("Grup koşulu"), edtKosul);
    bantFormu->addRow(QStringLiteral("Görünür ise"), edtBantGorunur);
    for (QLineEdit* e : {edtBantAdi, edtBantGorunur, edtAnaAlan, edtDetayAlan, edtSirala, edtKosul})
        connect(e, &QLineEdit::textEdited, this, &TraporTasarim::uygula);
    connect(spnBantYukseklik, &QDoubleSpinBox::valueChanged, this, &TraporTasarim::uygula);
    connect(cmbVeriSeti, &QComboBox::currentTextChanged, this, &TraporTasarim::uygula);
    return w;
}

QWidget* TraporTasarim::nesneEditoru()
{
    auto* w = new QWidget;
    nesneFormu = formKur(w);
    lblNesneTuru = new QLabel(w);
    edtNesneAdi = new QLineEdit(w);
    txtMetin = new QPlainTextEdit(w);
    txtMetin->setObjectName(QStringLiteral("txtMetin"));
    txtMetin->setMaximumHeight(90);
    txtMetin->setToolTip(
        QStringLiteral("Alanlar ve ifadeler köşeli parantez içinde: [veriSeti.alan], "
                       "[FORMAT(SUM(veriSeti.alan), \"#,##0.00\")], [DATE], [PAGE] / [PAGES]"));
    spnX = mmKutusu(-100, 2000, w);
    spnY = mmKutusu(-100, 2000, w);
    spnGenislik = mmKutusu(0, 2000, w);
    spnYukseklik = mmKutusu(0, 2000, w);
    spnX->setObjectName(QStringLiteral("spnX"));
    spnY->setObjectName(QStringLiteral("spnY"));
    spnGenislik->setObjectName(QStringLiteral("spnGenislik"));
    spnYukseklik->setObjectName(QStringLiteral("spnYukseklik"));
    spnYaziBoyutu = new QDoubleSpinBox(w);
    spnYaziBoyutu->setObjectName(QStringLiteral("spnYaziBoyutu"));
    spnYaziBoyutu->setRange(0, 72);
    spnYaziBoyutu->setDecimals(1);
    spnYaziBoyutu->setSuffix(QStringLiteral(" pt"));
    spnYaziBoyutu->setSpecialValueText(QStringLiteral("Raporun"));
    chkKalin = new QCheckBox(QStringLiteral("Kalın"), w);
    chkKalin->setObjectName(QStringLiteral("chkKalin"));
    chkItalik = new QCheckBox(QStringLiteral("İtalik"), w);
    auto* yaziSecenek = new QWidget(w);
    auto* ys = new QHBoxLayout(yaziSecenek);
    ys->setContentsMargins(0, 0, 0, 0);
    ys->addWidget(chkKalin);
    ys->addWidget(chkItalik);
    ys->addStretch();
    cmbHiza = new QComboBox(w);
    cmbHiza->setObjectName(QStringLiteral("cmbHiza"));
    cmbHiza->addItems({QStringLiteral("Sol"), QStringLiteral("Orta"), QStringLiteral("Sağ")});
    cmbDikeyHiza = new QComboBox(w);
    cmbDikeyHiza->addItems({QStringLiteral("Üst"), QStringLiteral("Orta"), QStringLiteral("Alt")});
    chkKaydir = new QCheckBox(QStringLiteral("Satır kaydır"), w);
    chkOtomatik = new QCheckBox(QStringLiteral("Yükseklik metne göre"), w);
    auto* satirSecenek = new QWidget(w);
    auto* ss = new QHBoxLayout(satirSecenek);
    ss->setContentsMargins(0, 0, 0, 0);
    ss->addWidget(chkKaydir);
    ss->addWidget(chkOtomatik);
    ss->addStretch();
    edtBicim = new QLineEdit(w);
    edtBicim->setPlaceholderText(QStringLiteral("#,##0.00  ya da  dd.MM.yyyy"));
    cerceveKutusu = new QWidget(w);
    auto* cc = new QHBoxLayout(cerceveKutusu);
    cc->setContentsMargins(0, 0, 0, 0);
    chkSol = new QCheckBox(QStringLiteral("Sol"), w);
    chkUst = new QCheckBox(QStringLiteral("Üst"), w);
    chkSag = new QCheckBox(QStringLiteral("Sağ"), w);
    chkAlt = new QCheckBox(QStringLiteral("Alt"), w);
    for (QCheckBox* c : {chkSol, chkUst, chkSag, chkAlt})
        cc->addWidget(c);
    cc->addStretch();
    spnKalinlik = mmKutusu(0, 10, w);
    spnKalinlik->setDecimals(2);
    spnKalinlik->setSingleStep(0.05);
    cmbStil = new QComboBox(w);
    cmbStil->addItems({QStringLiteral("Düz"), QStringLiteral("Kesik"), QStringLiteral("Çift")});
    edtResimAlani = new QLineEdit(w);
    edtResimAlani->setPlaceholderText(QStringLiteral("veriSeti.alan (resim verisi)"));
    chkOranKoru = new QCheckBox(QStringLiteral("En/boy oranını koru"), w);
    cmbBarkodTuru = new QComboBox(w);
    cmbBarkodTuru->setObjectName(QStringLiteral("cmbBarkodTuru"));
    cmbBarkodTuru->addItems(
        {QStringLiteral("EAN13"), QStringLiteral("EAN8"), QStringLiteral("CODE128")});
    chkYaziGoster = new QCheckBox(QStringLiteral("Barkod yazısını göster"), w);
    edtNesneGorunur = new QLineEdit(w);
    edtNesneGorunur->setPlaceholderText(QStringLiteral("boş: her zaman"));

    nesneFormu->addRow(QStringLiteral("Nesne"), lblNesneTuru);
    nesneFormu->addRow(QStringLiteral("Ad"), edtNesneAdi);
    nesneFormu->addRow(QStringLiteral("Metin"), txtMetin);
    nesneFormu->addRow(QStringLiteral("Sol (X)"), spnX);
    nesneFormu->addRow(QStringLiteral("Üst (Y)"), spnY);
    nesneFormu->addRow(QStringLiteral("Genişlik"), spnGenislik);
    nesneFormu->addRow(QStringLiteral("Yükseklik"), spnYukseklik);
    nesneFormu->addRow(QStringLiteral("Yazı boyutu"), spnYaziBoyutu);
    nesneFormu->addRow(QString(), yaziSecenek);
    nesneFormu->addRow(QStringLiteral("Yatay hiza"), cmbHiza);
    nesneFormu->addRow(QStringLiteral("Dikey hiza"), cmbDikeyHiza);
    nesneFormu->addRow(QString(), satirSecenek);
    nesneFormu->addRow(QStringLiteral("Biçim"), edtBicim);
    nesneFormu->addRow(QStringLiteral("Çerçeve"), cerceveKutusu);
    nesneFormu->addRow(QStringLiteral("Çizgi kalınlığı"), spnKalinlik);
    nesneFormu->addRow(QStringLiteral("Çizgi stili"), cmbStil);
    nesneFormu->addRow(QStringLiteral("Resim alanı"), edtResimAlani);
    nesneFormu->addRow(QString(), chkOranKoru);
    nesneFormu->addRow(QStringLiteral("Barkod türü"), cmbBarkodTuru);
    nesneFormu->addRow(QString(), chkYaziGoster);
    nesneFormu->addRow(QStringLiteral("Görünür ise"), edtNesneGorunur);

    connect(txtMetin, &QPlainTextEdit::textChanged, this, &TraporTasarim::uygula);
    for (QLineEdit* e : {edtNesneAdi, edtBicim, edtResimAlani, edtNesneGorunur})
        connect(e, &QLineEdit::textEdited, this, &TraporTasarim::uygula);
    for (QDoubleSpinBox* s : {spnX, spnY, spnGenislik, spnYukseklik, spnYaziBoyutu, spnKalinlik})
        connect(s, &QDoubleSpinBox::valueChanged, this, &TraporTasarim::uygula);
    for (QCheckBox* c : {chkKalin, chkItalik, chkKaydir, chkOtomatik, chkSol, chkUst, chkSag,
                         chkAlt, chkOranKoru, chkYaziGoster})
        connect(c, &QCheckBox::toggled, this, &TraporTasarim::uygula);
    for (QComboBox* c : {cmbHiza, cmbDikeyHiza, cmbStil, cmbBarkodTuru})
        connect(c, &QComboBox::currentIndexChanged, this, &TraporTasarim::uygula);
    return w;
}

void TraporTasarim::veriAgaciniKur()
{
    veriAgaci->clear();
    for (const QString& ad : rapor.veriSetiAdlari()) {
        auto* vs = new QTreeWidgetItem(veriAgaci, {ad});
        if (const RaporVeriSeti* v = rapor.veriSeti(ad))
            for (const QString& alan : v->alanlar()) {
                auto* a = new QTreeWidgetItem(vs, {alan});
                a->setData(0, Qt::UserRole, QStringLiteral("[%1.%2]").arg(ad, alan));
            }
    }
    auto* sistem = new QTreeWidgetItem(veriAgaci, {QStringLiteral("Sistem")});
    QStringList adlar = {QStringLiteral("DATE"), QStringLiteral("TIME"), QStringLiteral("PAGE"),
                         QStringLiteral("PAGES"), QStringLiteral("LINE")};
    adlar << calisma.degiskenler.keys();
    for (const QString& ad : adlar) {
        auto* a = new QTreeWidgetItem(sistem, {ad});
        a->setData(0, Qt::UserRole, QStringLiteral("[%1]").arg(ad));
    }
    veriAgaci->expandAll();
}

QTreeWidgetItem* TraporTasarim::bantOgesi(const RaporBandi& b, const QList<int>& yol)
{
    auto* o = new QTreeWidgetItem({bantOgeMetni(b)});
    o->setData(0, rolYol, yolVerisi(yol));
    o->setData(0, rolNesne, -1);
    for (int i = 0; i < b.nesneler.size(); ++i) {
        auto* n = new QTreeWidgetItem(o, {nesneOgeMetni(b.nesneler.at(i))});
        n->setData(0, rolYol, yolVerisi(yol));
        n->setData(0, rolNesne, i);
    }
    for (int i = 0; i < static_cast<int>(b.bantlar.size()); ++i)
        o->addChild(bantOgesi(b.bantlar.at(i), QList<int>(yol) << i));
    return o;
}

void TraporTasarim::agaciKur()
{
    const QSignalBlocker engel(agac);
    agac->clear();
    auto* sayfa = new QTreeWidgetItem(agac, {QStringLiteral("Sayfa")});
    sayfa->setData(0, rolYol, QVariantList());
    sayfa->setData(0, rolNesne, -1);
    for (int i = 0; i < static_cast<int>(calisma.bantlar.size()); ++i)
        agac->addTopLevelItem(bantOgesi(calisma.bantlar.at(i), {i}));
    agac->expandAll();
}

TraporTasarim::Secim TraporTasarim::secim() const
{
    Secim s;
    if (QTreeWidgetItem* o = agac->currentItem()) {
        s.bant = yolListesi(o->data(0, rolYol));
        s.nesne = o->data(0, rolNesne).toInt();
    }
    return s;
}

void TraporTasarim::sec(const Secim& s)
{
    QTreeWidgetItemIterator it(agac);
    while (*it) {
        if (yolListesi((*it)->data(0, rolYol)) == s.bant &&
            (*it)->data(0, rolNesne).toInt() == s.nesne) {
            agac->setCurrentItem(*it);
            secimDegisti();
            return;
        }
        ++it;
    }
    agac->setCurrentItem(agac->topLevelItem(0));
    secimDegisti();
}

std::vector<RaporBandi>* TraporTasarim::kardesler(const QList<int>& yol)
{
    std::vector<RaporBandi>* liste = &calisma.bantlar;
    for (int i = 0; i + 1 < yol.size(); ++i) {
        if (yol[i] < 0 || yol[i] >= static_cast<int>(liste->size()))
            return nullptr;
        liste = &(*liste)[yol[i]].bantlar;
    }
    return liste;
}

RaporBandi* TraporTasarim::bant(const QList<int>& yol)
{
    if (yol.isEmpty())
        return nullptr;
    std::vector<RaporBandi>* liste = kardesler(yol);
    if (!liste || yol.back() < 0 || yol.back() >= static_cast<int>(liste->size()))
        return nullptr;
    return &(*liste)[yol.back()];
}

RaporNesnesi* TraporTasarim::nesne(const Secim& s)
{
    RaporBandi* b = bant(s.bant);
    if (!b || s.nesne < 0 || s.nesne >= b->nesneler.size())
        return nullptr;
    return &b->nesneler[s.nesne];
}

QString TraporTasarim::yeniAd(const QString& onEk) const
{
    QStringList adlar;
    nesneleriTopla(calisma.bantlar, &adlar);
    for (int i = 1;; ++i) {
        const QString ad = onEk + QString::number(i);
        if (!adlar.contains(ad))
            return ad;
    }
}

bool TraporTasarim::nesneSec(const QString& ad)
{
    QTreeWidgetItemIterator it(agac);
    while (*it) {
        const Secim s{yolListesi((*it)->data(0, rolYol)), (*it)->data(0, rolNesne).toInt()};
        if (const RaporNesnesi* n = nesne(s); n && n->ad == ad) {
            agac->setCurrentItem(*it);
            return true;
        }
        ++it;
    }
    return false;
}

QString TraporTasarim::seciliNesneAdi() const
{
    const Secim s = secim();
    const RaporNesnesi* n = const_cast<TraporTasarim*>(this)->nesne(s);
    return n ? n->ad : QString();
}

void TraporTasarim::secimDegisti()
{
    doldur();
    onizlemeCiz();
}

void TraporTasarim::doldur()
{
    dolduruluyor = true;
    const Secim s = secim();
    if (const RaporNesnesi* n = nesne(s)) {
        editorler->setCurrentIndex(2);
        lblNesneTuru->setText(nesneBasligi(n->tur));
        edtNesneAdi->setText(n->ad);
        txtMetin->setPlainText(n->metin);
        spnX->setValue(n->x);
        spnY->setValue(n->y);
        spnGenislik->setValue(n->genislik);
        spnYukseklik->setValue(n->yukseklik);
        spnYaziBoyutu->setValue(n->yaziBoyutu);
        chkKalin->setChecked(n->kalin);
        chkItalik->setChecked(n->italik);
        cmbHiza->setCurrentIndex(n->hiza & Qt::AlignHCenter ? 1 : n->hiza & Qt::AlignRight ? 2 : 0);
        cmbDikeyHiza->setCurrentIndex(n->dikeyHiza & Qt::AlignVCenter  ? 1
                                      : n->dikeyHiza & Qt::AlignBottom ? 2
                                                                       : 0);
        chkKaydir->setChecked(n->kaydir);
        chkOtomatik->setChecked(n->otomatikYukseklik);
        edtBicim->setText(n->bicim);
        chkSol->setChecked(n->cerceve & RaporNesnesi::Sol);
        chkUst->setChecked(n->cerceve & RaporNesnesi::Ust);
        chkSag->setChecked(n->cerceve & RaporNesnesi::Sag);
        chkAlt->setChecked(n->cerceve & RaporNesnesi::Alt);
        spnKalinlik->setValue(n->kalinlik);
        cmbStil->setCurrentIndex(n->stil);
        edtResimAlani->setText(n->alan);
        chkOranKoru->setChecked(n->oranKoru);
        cmbBarkodTuru->setCurrentText(n->barkodTuru);
        chkYaziGoster->setChecked(n->yaziGoster);
        edtNesneGorunur->setText(n->gorunur);

        const bool metin = n->tur == RaporNesnesi::Metin;
        const bool cizgili = n->tur == RaporNesnesi::Cizgi || n->tur == RaporNesnesi::Kutu;
        nesneFormu->setRowVisible(txtMetin,
                                  n->tur != RaporNesnesi::Cizgi && n->tur != RaporNesnesi::Kutu);
        if (auto* etiket = qobject_cast<QLabel*>(nesneFormu->labelForField(txtMetin)))
            etiket->setText(n->tur == RaporNesnesi::Barkod  ? QStringLiteral("Barkod verisi")
                            : n->tur == RaporNesnesi::Resim ? QStringLiteral("Resim dosyası")
                                                            : QStringLiteral("Metin"));
        for (QWidget* f :
             {static_cast<QWidget*>(spnYaziBoyutu), chkKalin->parentWidget(),
              static_cast<QWidget*>(cmbHiza), static_cast<QWidget*>(cmbDikeyHiza),
              chkKaydir->parentWidget(), static_cast<QWidget*>(edtBicim), cerceveKutusu})
            nesneFormu->setRowVisible(f, metin);
        nesneFormu->setRowVisible(spnKalinlik, cizgili || metin);
        nesneFormu->setRowVisible(cmbStil, n->tur == RaporNesnesi::Cizgi);
        nesneFormu->setRowVisible(edtResimAlani, n->tur == RaporNesnesi::Resim);
        nesneFormu->setRowVisible(chkOranKoru, n->tur == RaporNesnesi::Resim);
        nesneFormu->setRowVisible(cmbBarkodTuru, n->tur == RaporNesnesi::Barkod);
        nesneFormu->setRowVisible(chkYaziGoster, n->tur == RaporNesnesi::Barkod);
    } else if (const RaporBandi* b = bant(s.bant)) {
        editorler->setCurrentIndex(1);
        lblBantTuru->setText(bantTuruBasligi(b->tur));
        edtBantAdi->setText(b->ad);
        spnBantYukseklik->setValue(b->yukseklik);
        edtBantGorunur->setText(b->gorunur);
        cmbVeriSeti->setCurrentText(b->veriSeti);
        edtAnaAlan->setText(b->anaAlan);
        edtDetayAlan->setText(b->detayAlan);
        edtSirala->setText(b->sirala);
        edtKosul->setText(b->kosul);
        const bool veri = b->tur == BantTuru::Veri;
        const bool detay = veri && s.bant.size() > 1;
        bantFormu->setRowVisible(cmbVeriSeti, veri);
        bantFormu->setRowVisible(edtSirala, veri);
        bantFormu->setRowVisible(edtAnaAlan, detay);
        bantFormu->setRowVisible(edtDetayAlan, detay);
        bantFormu->setRowVisible(edtKosul, b->tur == BantTuru::GrupBasligi);
    } else {
        editorler->setCurrentIndex(0);
        edtSablonAdi->setText(calisma.ad);
        spnSayfaGenislik->setValue(calisma.sayfaGenislik);
        spnSayfaYukseklik->setValue(qMax(0.0, calisma.sayfaYukseklik));
        spnSol->setValue(calisma.solKenar);
        spnUst->setValue(calisma.ustKenar);
        spnSag->setValue(calisma.sagKenar);
        spnAlt->setValue(calisma.altKenar);
        spnEtiketSutun->setValue(calisma.etiketSutun);
        spnEtiketSatir->setValue(calisma.etiketSatir);
        spnEtiketAraX->setValue(calisma.etiketAraX);
        spnEtiketAraY->setValue(calisma.etiketAraY);
        cmbYaziAilesi->setCurrentFont(QFont(calisma.yaziAilesi));
        spnSablonYazi->setValue(calisma.yaziBoyutu);
    }
    dolduruluyor = false;
}

void TraporTasarim::uygula()
{
    if (dolduruluyor)
        return;
    const Secim s = secim();
    QTreeWidgetItem* oge = agac->currentItem();
    if (RaporNesnesi* n = nesne(s)) {
        n->ad = edtNesneAdi->text().trimmed();
        n->metin = txtMetin->toPlainText();
        n->x = spnX->value();
        n->y = spnY->value();
        n->genislik = spnGenislik->value();
        n->yukseklik = spnYukseklik->value();
        n->yaziBoyutu = spnYaziBoyutu->value();
        n->kalin = chkKalin->isChecked();
        n->italik = chkItalik->isChecked();
        const Qt::Alignment hizalar[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
        const Qt::Alignment dikeyler[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
        n->hiza = hizalar[qBound(0, cmbHiza->currentIndex(), 2)];
        n->dikeyHiza = dikeyler[qBound(0, cmbDikeyHiza->currentIndex(), 2)];
        n->kaydir = chkKaydir->isChecked();
        n->otomatikYukseklik = chkOtomatik->isChecked();
        n->bicim = edtBicim->text();
        n->cerceve = (chkSol->isChecked() ? RaporNesnesi::Sol : 0) |
                     (chkUst->isChecked() ? RaporNesnesi::Ust : 0) |
                     (chkSag->isChecked() ? RaporNesnesi::Sag : 0) |
                     (chkAlt->isChecked() ? RaporNesnesi::Alt : 0);
        n->kalinlik = spnKalinlik->value();
        n->stil = static_cast<RaporNesnesi::CizgiStili>(qBound(0, cmbStil->currentIndex(), 2));
        n->alan = edtResimAlani->text().trimmed();
        n->oranKoru = chkOranKoru->isChecked();
        n->barkodTuru = cmbBarkodTuru->currentText();
        n->yaziGoster = chkYaziGoster->isChecked();
        n->gorunur = edtNesneGorunur->text();
        if (oge)
            oge->setText(0, nesneOgeMetni(*n));
    } else if (RaporBandi* b = bant(s.bant)) {
        b->ad = edtBantAdi->text().trimmed();
        b->yukseklik = spnBantYukseklik->value();
        b->gorunur = edtBantGorunur->text();
        if (b->tur == BantTuru::Veri)
            b->veriSeti = cmbVeriSeti->currentText().trimmed();
        b->anaAlan = edtAnaAlan->text().trimmed();
        b->detayAlan = edtDetayAlan->text().trimmed();
        b->sirala = edtSirala->text();
        b->kosul = edtKosul->text();
        if (oge)
            oge->setText(0, bantOgeMetni(*b));
    } else {
        calisma.ad = edtSablonAdi->text();
        calisma.sayfaGenislik = spnSayfaGenislik->value();
        calisma.sayfaYukseklik = spnSayfaYukseklik->value();
        calisma.solKenar = spnSol->value();
        calisma.ustKenar = spnUst->value();
        calisma.sagKenar = spnSag->value();
        calisma.altKenar = spnAlt->value();
        calisma.etiketSutun = spnEtiketSutun->value();
        calisma.etiketSatir = spnEtiketSatir->value();
        calisma.etiketAraX = spnEtiketAraX->value();
        calisma.etiketAraY = spnEtiketAraY->value();
        calisma.yaziAilesi = cmbYaziAilesi->currentFont().family();
        calisma.yaziBoyutu = spnSablonYazi->value();
    }
    degisiklik = true;
    yenile();
}

void TraporTasarim::yenile()
{
    sonuc = rapor.sablonlaHazirla(calisma);
    lstUyarilar->clear();
    lstUyarilar->addItems(sonuc.uyarilar);
    lstUyarilar->setVisible(!sonuc.uyarilar.isEmpty());
    onizlemeCiz();
}

void TraporTasarim::onizlemeCiz()
{
    sayfaYerleri.clear();
    if (sonuc.sayfalar.isEmpty()) {
        resim->setPixmap({});
        return;
    }
    const int n = qMin(static_cast<int>(sonuc.sayfalar.size()), enCokOnizlemeSayfasi);
    const double genislikMm = sonuc.sayfalar.first().boyut.width();
    const double pikselMm = logicalDpiX() / 25.4;
    const int bos = onizlemeAlani->viewport()->width() - 60;
    // Narrow receipts and labels are drawn larger than life so the text can be read.
    onizlemeOlcegi = qBound(0.5, bos / (genislikMm * pikselMm), 2.5);
    const double dpi = logicalDpiX() * onizlemeOlcegi;
    const QString vurgu = seciliNesneAdi();
    QList<QImage> resimler;
    int w = 0, h = 0;
    for (int i = 0; i < n; ++i) {
        resimler << raporSayfasiResmi(sonuc.sayfalar.at(i), dpi, vurgu);
        w = qMax(w, resimler.back().width());
        h += resimler.back().height() + 12;
    }
    QImage tum(w + 24, h + 12, QImage::Format_RGB32);
    tum.fill(QColor(0x80, 0x80, 0x80));
    QPainter p(&tum);
    int y = 12;
    for (const QImage& r : resimler) {
        const int x = 12 + (w - r.width()) / 2;
        p.drawImage(x, y, r);
        sayfaYerleri << QRectF(x, y, r.width(), r.height());
        y += r.height() + 12;
    }
    p.end();
    resim->setPixmap(QPixmap::fromImage(tum));
}

bool TraporTasarim::eventFilter(QObject* o, QEvent* olay)
{
    // A touch on the preview selects the object under it.
    if (o == resim && olay->type() == QEvent::MouseButtonPress && !sayfaYerleri.isEmpty()) {
        const QPixmap pm = resim->pixmap();
        const QPointF ofset((resim->width() - pm.width()) / 2.0, 0);
        const QPointF nokta = static_cast<QMouseEvent*>(olay)->position() - ofset;
        const double pikselMm = logicalDpiX() * onizlemeOlcegi / 25.4;
        for (int i = 0; i < sayfaYerleri.size(); ++i) {
            if (!sayfaYerleri[i].contains(nokta))
                continue;
            const QPointF mm = (nokta - sayfaYerleri[i].topLeft()) / pikselMm;
            const QList<RaporOgesi>& ogeler = sonuc.sayfalar.at(i).ogeler;
            for (int j = static_cast<int>(ogeler.size()) - 1; j >= 0; --j) {
                const RaporOgesi& og = ogeler.at(j);
                if (!og.nesne.isEmpty() && og.alan.adjusted(-0.8, -0.8, 0.8, 0.8).contains(mm)) {
                    nesneSec(og.nesne);
                    return true;
                }
            }
        }
    }
    return QDialog::eventFilter(o, olay);
}

void TraporTasarim::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    onizlemeCiz();
}

void TraporTasarim::durum(const QString& metin)
{
    lblDurum->setText(metin);
}

void TraporTasarim::bantEkle(BantTuru tur)
{
    const Secim s = secim();
    RaporBandi yeni;
    yeni.tur = tur;
    yeni.yukseklik = tur == BantTuru::GrupBasligi ? 5 : 6;
    const QString ilkVeriSeti =
        rapor.veriSetiAdlari().isEmpty() ? QString() : rapor.veriSetiAdlari().first();
    if (tur == BantTuru::Veri)
        yeni.veriSeti = ilkVeriSeti;
    if (tur == BantTuru::GrupBasligi)
        yeni.kosul = QStringLiteral("%1.id").arg(ilkVeriSeti);

    RaporBandi* ust = bant(s.bant);
    // A data band selected takes headers, footers, groups and details; a group header takes its
    // footer; any band takes child bands. The rest goes to the top level.
    if (ust && icineEklenir(ust->tur, tur)) {
        if (tur == BantTuru::Veri) {
            yeni.anaAlan = QStringLiteral("id");
            yeni.detayAlan = QStringLiteral("id");
        }
        ust->bantlar.push_back(yeni);
        Secim yeniSecim{QList<int>(s.bant) << static_cast<int>(ust->bantlar.size()) - 1, -1};
        degisiklik = true;
        agaciKur();
        sec(yeniSecim);
        yenile();
        return;
    }
    if (!ustDuzeyBandi(tur)) {
        durum(QStringLiteral("%1 bandı için önce uygun bandı seçiniz.").arg(bantTuruBasligi(tur)));
        return;
    }
    calisma.bantlar.push_back(yeni);
    degisiklik = true;
    agaciKur();
    sec({{static_cast<int>(calisma.bantlar.size()) - 1}, -1});
    yenile();
}

void TraporTasarim::nesneEkle(RaporNesnesi::Tur tur)
{
    const Secim s = secim();
    RaporBandi* b = bant(s.bant);
    if (!b) {
        durum(QStringLiteral("Nesne eklemek için önce bir bant seçiniz."));
        return;
    }
    RaporNesnesi n;
    n.tur = tur;
    const double genislik = calisma.sayfaGenislik - calisma.solKenar - calisma.sagKenar;
    switch (tur) {
    case RaporNesnesi::Metin:
        n.ad = yeniAd(QStringLiteral("Metin"));
        n.metin = QStringLiteral("Yeni metin");
        n.genislik = qMin(30.0, genislik);
        n.yukseklik = 4;
        break;
    case RaporNesnesi::Cizgi:
        n.ad = yeniAd(QStringLiteral("Cizgi"));
        n.genislik = genislik;
        n.yukseklik = 0;
        break;
    case RaporNesnesi::Kutu:
        n.ad = yeniAd(QStringLiteral("Kutu"));
        n.genislik = qMin(20.0, genislik);
        n.yukseklik = 10;
        break;
    case RaporNesnesi::Resim:
        n.ad = yeniAd(QStringLiteral("Resim"));
        n.genislik = n.yukseklik = qMin(20.0, genislik);
        break;
    case RaporNesnesi::Barkod:
        n.ad = yeniAd(QStringLiteral("Barkod"));
        n.metin = QStringLiteral("8690000000001");
        n.genislik = qMin(40.0, genislik);
        n.yukseklik = 15;
        break;
    }
    b->nesneler << n;
    if (b->yukseklik < n.y + n.yukseklik)
        b->yukseklik = n.y + n.yukseklik;
    degisiklik = true;
    agaciKur();
    sec({s.bant, static_cast<int>(b->nesneler.size()) - 1});
    yenile();
}

void TraporTasarim::secileniSil()
{
    const Secim s = secim();
    if (s.bant.isEmpty())
        return;
    const bool nesneMi = s.nesne >= 0;
    if (!onayAl(nesneMi ? QStringLiteral("Seçilen nesne silinecek. Emin misiniz?")
                        : QStringLiteral("Seçilen bant içindekilerle birlikte silinecek. "
                                         "Emin misiniz?")))
        return;
    if (nesneMi) {
        if (RaporBandi* b = bant(s.bant); b && s.nesne < b->nesneler.size())
            b->nesneler.removeAt(s.nesne);
    } else if (std::vector<RaporBandi>* liste = kardesler(s.bant)) {
        if (s.bant.back() < static_cast<int>(liste->size()))
            liste->erase(liste->begin() + s.bant.back());
    }
    degisiklik = true;
    agaciKur();
    sec(nesneMi ? Secim{s.bant, -1} : Secim{s.bant.mid(0, s.bant.size() - 1), -1});
    yenile();
}

void TraporTasarim::yukari()
{
    const Secim s = secim();
    if (s.nesne > 0) {
        RaporBandi* b = bant(s.bant);
        b->nesneler.swapItemsAt(s.nesne, s.nesne - 1);
        degisiklik = true;
        agaciKur();
        sec({s.bant, s.nesne - 1});
    } else if (s.nesne < 0 && !s.bant.isEmpty() && s.bant.back() > 0) {
        std::vector<RaporBandi>* liste = kardesler(s.bant);
        std::swap((*liste)[s.bant.back()], (*liste)[s.bant.back() - 1]);
        QList<int> yeni = s.bant;
        --yeni.back();
        degisiklik = true;
        agaciKur();
        sec({yeni, -1});
    } else {
        return;
    }
    yenile();
}

void TraporTasarim::asagi()
{
    const Secim s = secim();
    RaporBandi* b = bant(s.bant);
    if (s.nesne >= 0 && b && s.nesne + 1 < b->nesneler.size()) {
        b->nesneler.swapItemsAt(s.nesne, s.nesne + 1);
        degisiklik = true;
        agaciKur();
        sec({s.bant, s.nesne + 1});
    } else if (s.nesne < 0 && b) {
        std::vector<RaporBandi>* liste = kardesler(s.bant);
        if (s.bant.back() + 1 >= static_cast<int>(liste->size()))
            return;
        std::swap((*liste)[s.bant.back()], (*liste)[s.bant.back() + 1]);
        QList<int> yeni = s.bant;
        ++yeni.back();
        degisiklik = true;
        agaciKur();
        sec({yeni, -1});
    } else {
        return;
    }
    yenile();
}

bool TraporTasarim::kaydet()
{
    // What is written must load again: check it the way a load would.
    RaporSablonu deneme;
    QString hata;
    if (!RaporSablonu::jsondan(calisma.json(), &deneme, &hata)) {
        bilgiMesaji(QStringLiteral("Rapor kaydedilemedi: ") + hata);
        return false;
    }
    const QString tam = QDir::isAbsolutePath(yol) ? yol : kurulumYolu(yol);
    QDir().mkpath(QFileInfo(tam).absolutePath());
    const RaporSablonu eski = rapor.sablon();
    rapor.setSablon(calisma);
    hata = rapor.kaydet(tam);
    if (!hata.isEmpty()) {
        rapor.setSablon(eski);
        bilgiMesaji(hata);
        return false;
    }
    degisiklik = false;
    durum(QStringLiteral("Kaydedildi: ") + yol);
    return true;
}

void TraporTasarim::reject()
{
    if (degisiklik && onayAl(QStringLiteral("Rapor tasarımı değişti. Kaydedilsin mi?")) &&
        !kaydet())
        return;
    QDialog::reject();
}

void raporTasarla(TRapor& rapor, const QString& yol, QWidget* ebeveyn)
{
    TraporTasarim t(rapor, yol, ebeveyn);
    t.exec();
}
