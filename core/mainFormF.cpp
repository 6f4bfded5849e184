#include "core/mainFormF.h"

#include "core/ayarKullaniciF.h"
#include "core/ayarlar.h"
#include "core/beklemeFormF.h"
#include "core/etkilesim.h"
#include "core/loginFormF.h"
#include "core/oturum.h"
#include "core/platform.h"
#include "core/sema.h"
#include "core/skin.h"
#include "core/veritabani.h"
#include "core/yedek.h"
#include "pos/hizliSatisFormF.h"
#include "stock/stokTanimFormF.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTimer>
#include <QToolButton>

TmainForm* mainForm = nullptr;

namespace
{
// Tool buttons do not wrap their text; long captions are broken at blanks to fit.
QString satirlaraBol(const QString& metin, const QFontMetrics& fm, int genislik)
{
    QStringList satirlar;
    QString satir;
    for (const QString& kelime : metin.split(QLatin1Char(' '))) {
        const QString aday = satir.isEmpty() ? kelime : satir + QLatin1Char(' ') + kelime;
        if (!satir.isEmpty() && fm.horizontalAdvance(aday) > genislik) {
            satirlar << satir;
            satir = kelime;
        } else {
            satir = aday;
        }
    }
    satirlar << satir;
    return satirlar.join(QLatin1Char('\n'));
}

// The background picture, stretched over the whole client area.
class ArkaPlan : public QWidget
{
public:
    explicit ArkaPlan(QWidget* parent)
        : QWidget(parent), resim(QStringLiteral(":/resim/arkaplan.svg"))
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (resim.isValid())
            resim.render(&p, rect());
        else
            p.fillRect(rect(), QColor(0xE8, 0xEE, 0xF6));
    }

private:
    QSvgRenderer resim;
};
} // namespace

TmainForm::TmainForm(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Torvel Shop"));
    setWindowIcon(QIcon(QStringLiteral(":/resim/torvel.svg")));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    menuKur();
    setCentralWidget(butonlariKur());

    sb = new QLabel(this);
    sb->setObjectName(QStringLiteral("sbPanel0"));
    statusBar()->addWidget(sb, 1);
    statusBar()->setSizeGripEnabled(false);
}

void TmainForm::menuKur()
{
    auto ekle = [this](QMenu* menu, const QString& baslik, void (TmainForm::*isle)()) {
        QAction* a = menu->addAction(baslik);
        connect(a, &QAction::triggered, this, isle);
        return a;
    };
    QMenuBar* mb = menuBar();
    QMenu* satis = mb->addMenu(QStringLiteral("Satış"));
    ekle(satis, QStringLiteral("Hızlı Satış"), &TmainForm::hizliSatisClick);
    ekle(satis, QStringLiteral("Hızlı Satış Raporları"), &TmainForm::hizliSatisRaporlariClick)
        ->setShortcut(Qt::Key_F12);
    QMenu* stok = mb->addMenu(QStringLiteral("Stok"));
    ekle(stok, QStringLiteral("Stok Kartları"), &TmainForm::stokKartlariClick);
    ekle(stok, QStringLiteral("Tanımlar"), &TmainForm::tanimlarClick);
    QMenu* cari = mb->addMenu(QStringLiteral("Cari"));
    ekle(cari, QStringLiteral("Cari Kartları"), &TmainForm::cariKartlariClick);
    QMenu* musteri = mb->addMenu(QStringLiteral("Müşteriler"));
    ekle(musteri, QStringLiteral("Müşteri Listesi"), &TmainForm::musteriListesiClick);
    QMenu* fatura = mb->addMenu(QStringLiteral("Fatura"));
    ekle(fatura, QStringLiteral("Alış Faturaları"), &TmainForm::alisFaturalariClick);
    ekle(fatura, QStringLiteral("Satış Faturaları"), &TmainForm::satisFaturalariClick);
    QMenu* kasa = mb->addMenu(QStringLiteral("Kasa İşlemleri"));
    ekle(kasa, QStringLiteral("Kasa İşlemleri"), &TmainForm::kasaIslemleriClick);
    QMenu* ayar = mb->addMenu(QStringLiteral("Ayarlar"));
    ekle(ayar, QStringLiteral("Hızlı Satış Butonları"), &TmainForm::hizliSatisButonlariClick);
    ekle(ayar, QStringLiteral("Kullanıcı Ayarları"), &TmainForm::kullaniciAyarlariClick);
    ekle(ayar, QStringLiteral("Şirket Bilgileri"), &TmainForm::sirketBilgileriClick);
    ekle(ayar, QStringLiteral("Program Ayarları"), &TmainForm::programAyarlariClick);
    QMenu* program = mb->addMenu(QStringLiteral("Program"));
    ekle(program, QStringLiteral("Kullanıcı Değiştir"), &TmainForm::kullaniciDegistirClick);
    ekle(program, QStringLiteral("Hakkında"), &TmainForm::hakkindaClick);
    ekle(program, QStringLiteral("Yardım"), &TmainForm::yardimClick);
    program->addSeparator();
    ekle(program, QStringLiteral("Yedekle"), &TmainForm::yedekleClick);
    ekle(program, QStringLiteral("Yedekten Geri Yükle"), &TmainForm::geriYukleClick);
    program->addSeparator();
    ekle(program, QStringLiteral("Uzak Bağlantı"), &TmainForm::uzakBaglantiClick);

    // The action list's keys are defined but never enabled, so F2 to F7 do nothing here.
    const struct {
        const char* ad;
        Qt::Key tus;
    } eylemler[] = {{"hizli_satis", Qt::Key_F2},    {"stok_kartlari", Qt::Key_F3},
                    {"musteriler", Qt::Key_F4},     {"cari_kartlari", Qt::Key_F5},
                    {"kasa_islemleri", Qt::Key_F6}, {"teknik_servis", Qt::Key_F7}};
    for (const auto& e : eylemler) {
        auto* a = new QAction(this);
        a->setObjectName(QString::fromLatin1(e.ad));
        a->setShortcut(e.tus);
        a->setEnabled(false);
        addAction(a);
    }
}

QWidget* TmainForm::butonlariKur()
{
    auto* alan = new ArkaPlan(this);
    auto* izgara = new QGridLayout;
    izgara->setSpacing(18);
    const struct {
        const char* baslik;
        const char* resim;
        void (TmainForm::*isle)();
    } butonlar[3][3] = {
        {{"Müşteriler (F4)", "musteriler", &TmainForm::musteriListesiClick},
         {"Programı kapat", "kapat", &TmainForm::programiKapatClick},
         {"Raporlar (F12)", "raporlar", &TmainForm::hizliSatisRaporlariClick}},
        {{"Kullanıcı Değiştir", "kullanici", &TmainForm::kullaniciDegistirClick},
         {"Stok Kartları (F3)", "stok", &TmainForm::stokKartlariClick},
         {"Hızlı Satış (F2)", "hizlisatis", &TmainForm::hizliSatisClick}},
        {{"Tanımlar", "tanimlar", &TmainForm::tanimlarClick},
         // The "Satış Faturası" button opens the stock list, guarded like it.
         {"Satış Faturası", "satisfaturasi", &TmainForm::stokKartlariClick},
         {"Alış Faturası", "alisfaturasi", &TmainForm::alisFaturalariClick}},
    };
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const auto& b = butonlar[r][c];
            auto* t = new QToolButton(alan);
            t->setObjectName(QStringLiteral("buyukButon"));
            t->setText(QString::fromUtf8(b.baslik));
            t->setIcon(QIcon(QStringLiteral(":/resim/") + QString::fromLatin1(b.resim) +
                             QStringLiteral(".svg")));
            t->setIconSize(QSize(64, 64));
            t->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            t->setFixedSize(197, 157);
            t->setFocusPolicy(Qt::NoFocus);
            QFont f = t->font();
            f.setBold(true);
            f.setPixelSize(21);
            t->setFont(f);
            t->setText(satirlaraBol(QString::fromUtf8(b.baslik), QFontMetrics(f), 197 - 24));
            connect(t, &QToolButton::clicked, this, b.isle);
            izgara->addWidget(t, r, c);
        }
    auto* dikey = new QVBoxLayout(alan);
    dikey->addStretch();
    auto* yatay = new QHBoxLayout;
    yatay->addStretch();
    yatay->addLayout(izgara);
    yatay->addStretch();
    dikey->addLayout(yatay);
    dikey->addStretch();
    alan->setStyleSheet(QStringLiteral(
        "QToolButton#buyukButon { background: rgba(255,255,255,225); color: #1F3A64;"
        " border: 1px solid #B7C7DD; border-radius: 10px; padding: 8px; }"
        "QToolButton#buyukButon:hover { background: #FFFFFF; border-color: #1976D2; }"
        "QToolButton#buyukButon:pressed { background: #DCE8F7; }"));
    return alan;
}

bool TmainForm::FormCreate()
{
    myConnKapat();
    const QString dosya = kurulumYolu(QStringLiteral("db.db"));
    if (!QFileInfo(dosya).isFile()) {
        bilgiMesaji(QStringLiteral("Veritabanı dosyası bulunamadı.."));
        return false;
    }
    const QString hata = myConnAc(dosya);
    if (!hata.isEmpty()) {
        qWarning("Veritabanı: %s", qPrintable(hata));
        bilgiMesaji(QStringLiteral("Veritabanı yüklenemedi.."));
        return false;
    }
    skinYukle();
    {
        TloginForm login(this);
        login.exec();
    }
    try {
        sabitKayitlariOlustur();
    } catch (const VeritabaniHatasi& h) {
        qWarning("Sabit kayıtlar: %s", qPrintable(h.metin()));
    }
    try {
        veritabaniGuncelle();
    } catch (const VeritabaniHatasi& h) {
        qWarning("Veritabanı güncelleme: %s", qPrintable(h.metin()));
    }
    return yetkileriAyarla();
}

void TmainForm::skinYukle()
{
    skinUygula(skinAdiOku());
}

bool TmainForm::yetkileriAyarla()
{
    const std::optional<QString> durum = ::yetkileriAyarla();
    if (!durum) {
        QCoreApplication::exit(0);
        return false;
    }
    sb->setText(*durum);
    return true;
}

void TmainForm::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!ilkGosterim)
        return;
    ilkGosterim = false;
    if (!acilistaHizliSatis)
        return;
    // The till opens right after start; the main window is what is left behind it.
    QTimer::singleShot(0, this, [this] { hizliSatisAc(true); });
}

void TmainForm::hizliSatisAc(bool beklemeGoster)
{
    std::unique_ptr<TbeklemeForm> bekleme;
    if (beklemeGoster) {
        bekleme = std::make_unique<TbeklemeForm>();
        bekleme->goster();
    }
    ThizliSatisForm f;
    bekleme.reset();
    if (QScreen* e = screen())
        f.setGeometry(e->availableGeometry());
    f.showMaximized();
    f.exec();
}

void TmainForm::closeEvent(QCloseEvent* e)
{
    if (cikisOnaylandi || onayAl(QStringLiteral("Programdan çıkmak istediğinize emin misiniz?"))) {
        e->accept();
        return;
    }
    e->ignore();
}

void TmainForm::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        programiKapatClick();
        return;
    }
    QMainWindow::keyPressEvent(e);
}

void TmainForm::programiKapatClick()
{
    if (!onayAl(QStringLiteral("Programdan tamamen çıkmak istediğinize emin misiniz?")))
        return;
    cikisOnaylandi = true;
    QCoreApplication::exit(0);
}

// Screens that are not built yet open from these handlers once they exist; the permission
// checks already guard them.
void TmainForm::hizliSatisClick()
{
    hizliSatisAc(false);
}

void TmainForm::hizliSatisRaporlariClick()
{
    if (!yetkiKontrol(QStringLiteral("HSRAPOR")))
        return;
}

void TmainForm::stokKartlariClick()
{
    if (!yetkiKontrol(QStringLiteral("STOKLISTE")))
        return;
}

void TmainForm::tanimlarClick()
{
    stokTanimlariAc(this);
}

void TmainForm::cariKartlariClick()
{
    if (!yetkiKontrol(QStringLiteral("CARILISTE")))
        return;
}

void TmainForm::musteriListesiClick()
{
    if (!yetkiKontrol(QStringLiteral("CARILISTE")))
        return;
}

void TmainForm::alisFaturalariClick() {}
void TmainForm::satisFaturalariClick() {}

void TmainForm::kasaIslemleriClick()
{
    if (!yetkiKontrol(QStringLiteral("KASALİSTE")))
        return;
}

void TmainForm::hizliSatisButonlariClick() {}

void TmainForm::kullaniciAyarlariClick()
{
    if (!yoneticiMi) {
        bilgiMesaji(QStringLiteral("Bu işlem için yetkiniz yoktur.."));
        return;
    }
    TayarKullanici f(this);
    f.exec();
}

void TmainForm::sirketBilgileriClick() {}
void TmainForm::programAyarlariClick() {}
void TmainForm::hakkindaClick() {}

void TmainForm::kullaniciDegistirClick()
{
    {
        TloginForm login(this);
        login.exec();
    }
    yetkileriAyarla();
}

void TmainForm::yardimClick()
{
    belgeAc(kurulumYolu(QStringLiteral("Yardim.html")));
}

void TmainForm::uzakBaglantiClick()
{
    programBaslat(QStringLiteral("uzak1"));
}

void TmainForm::yedekleClick()
{
    if (!yetkiKontrol(QStringLiteral("VTYEDEKLE")))
        return;
    QFileDialog d(this, QStringLiteral("Veritabanını Yedekle"));
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setNameFilters(
        {QStringLiteral("Veritabanı Yedeği (*.db)"), QStringLiteral("Tüm Dosyalar (*)")});
    d.setDefaultSuffix(QStringLiteral("db"));
    d.selectFile(yedekDosyaAdi(QDateTime::currentDateTime()));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return;
    veritabaniYedekle(d.selectedFiles().constFirst());
}

void TmainForm::geriYukleClick()
{
    if (!yetkiKontrol(QStringLiteral("VTGRYUKLE")))
        return;
    const QString secilen =
        QFileDialog::getOpenFileName(this, QStringLiteral("Yedek Dosyası Seç"), QString(),
                                     QStringLiteral("Veritabanı Yedeği (*.db);;Tüm Dosyalar (*)"));
    if (secilen.isEmpty())
        return;
    if (veritabaniGeriYukle(secilen) != GeriYukleme::Basarili)
        return;
    if (kilit)
        kilit->birak();
    QProcess::startDetached(QCoreApplication::applicationFilePath(), {}, kurulumKlasoru());
    programiSonlandir();
}
