#include "reports/raporOnizlemeF.h"

#include "core/etkilesim.h"
#include "reports/rapor.h"
#include "reports/raporYazdir.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
constexpr double enAzOlcek = 0.25;
constexpr double enCokOlcek = 5.0;

QToolButton* dugme(const QString& metin, QWidget* ebeveyn, const QString& ipucu = {})
{
    auto* b = new QToolButton(ebeveyn);
    b->setText(metin);
    b->setToolTip(ipucu.isEmpty() ? metin : ipucu);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setMinimumSize(48, 40); // touch-sized, like the rest of the till
    return b;
}
} // namespace

TraporOnizleme::TraporOnizleme(TRapor& rapor, QWidget* parent)
    : TraporOnizleme(rapor.hazirla(), rapor.sablon().ad, parent)
{
}

TraporOnizleme::TraporOnizleme(const QList<RaporSayfasi>& sayfalar, const QString& ad,
                               QWidget* parent)
    : QDialog(parent), sayfalar(sayfalar), ad(ad)
{
    setWindowTitle(QStringLiteral("Rapor Önizleme"));

    auto* arac = new QHBoxLayout;
    QToolButton* btnYazdir = dugme(QStringLiteral("Yazdır"), this);
    QToolButton* btnPdf = dugme(QStringLiteral("PDF"), this, QStringLiteral("PDF olarak kaydet"));
    QToolButton* btnIlk = dugme(QStringLiteral("|◀"), this, QStringLiteral("İlk sayfa"));
    btnOnceki = dugme(QStringLiteral("◀"), this, QStringLiteral("Önceki sayfa"));
    lblSayfa = new QLabel(this);
    lblSayfa->setAlignment(Qt::AlignCenter);
    lblSayfa->setMinimumWidth(110);
    btnSonraki = dugme(QStringLiteral("▶"), this, QStringLiteral("Sonraki sayfa"));
    QToolButton* btnSon = dugme(QStringLiteral("▶|"), this, QStringLiteral("Son sayfa"));
    QToolButton* btnUzak = dugme(QStringLiteral("−"), this, QStringLiteral("Uzaklaştır"));
    lblYakinlik = new QLabel(this);
    lblYakinlik->setAlignment(Qt::AlignCenter);
    lblYakinlik->setMinimumWidth(60);
    QToolButton* btnYakin = dugme(QStringLiteral("+"), this, QStringLiteral("Yakınlaştır"));
    QToolButton* btnSigdir = dugme(QStringLiteral("Sığdır"), this);
    QToolButton* btnKapat = dugme(QStringLiteral("Kapat"), this);
    for (QWidget* w : {static_cast<QWidget*>(btnYazdir), static_cast<QWidget*>(btnPdf)})
        arac->addWidget(w);
    arac->addSpacing(16);
    for (QWidget* w : {static_cast<QWidget*>(btnIlk), static_cast<QWidget*>(btnOnceki),
                       static_cast<QWidget*>(lblSayfa), static_cast<QWidget*>(btnSonraki),
                       static_cast<QWidget*>(btnSon)})
        arac->addWidget(w);
    arac->addSpacing(16);
    for (QWidget* w : {static_cast<QWidget*>(btnUzak), static_cast<QWidget*>(lblYakinlik),
                       static_cast<QWidget*>(btnYakin), static_cast<QWidget*>(btnSigdir)})
        arac->addWidget(w);
    arac->addStretch();
    arac->addWidget(btnKapat);

    resim = new QLabel;
    resim->setAlignment(Qt::AlignCenter);
    alan = new QScrollArea(this);
    alan->setWidget(resim);
    alan->setWidgetResizable(true);
    alan->setAlignment(Qt::AlignCenter);
    alan->setBackgroundRole(QPalette::Dark);

    auto* duzen = new QVBoxLayout(this);
    duzen->addLayout(arac);
    duzen->addWidget(alan, 1);

    connect(btnYazdir, &QToolButton::clicked, this, &TraporOnizleme::yazdir);
    connect(btnPdf, &QToolButton::clicked, this, &TraporOnizleme::pdfAktar);
    connect(btnIlk, &QToolButton::clicked, this, &TraporOnizleme::ilkSayfa);
    connect(btnOnceki, &QToolButton::clicked, this, &TraporOnizleme::oncekiSayfa);
    connect(btnSonraki, &QToolButton::clicked, this, &TraporOnizleme::sonrakiSayfa);
    connect(btnSon, &QToolButton::clicked, this, &TraporOnizleme::sonSayfa);
    connect(btnUzak, &QToolButton::clicked, this, &TraporOnizleme::uzaklastir);
    connect(btnYakin, &QToolButton::clicked, this, &TraporOnizleme::yakinlastir);
    connect(btnSigdir, &QToolButton::clicked, this, &TraporOnizleme::sigdir);
    connect(btnKapat, &QToolButton::clicked, this, &QDialog::accept);

    resize(900, 1000);
    sigdir();
}

QString TraporOnizleme::durumMetni() const
{
    return QStringLiteral("Sayfa %1 / %2").arg(sayfaNo + 1).arg(sayfaSayisi());
}

void TraporOnizleme::sayfaGoster()
{
    lblSayfa->setText(durumMetni());
    lblYakinlik->setText(QStringLiteral("%%1").arg(qRound(olcek * 100)));
    btnOnceki->setEnabled(sayfaNo > 0);
    btnSonraki->setEnabled(sayfaNo + 1 < sayfaSayisi());
    if (sayfalar.isEmpty()) {
        resim->setPixmap({});
        return;
    }
    // Draw at the screen's real pixel density so text stays sharp on high-DPI screens.
    const double oran = devicePixelRatioF();
    QImage r = raporSayfasiResmi(sayfalar.at(sayfaNo), logicalDpiX() * olcek * oran);
    r.setDevicePixelRatio(oran);
    resim->setPixmap(QPixmap::fromImage(r));
}

void TraporOnizleme::setOlcek(double yeni)
{
    olcek = qBound(enAzOlcek, yeni, enCokOlcek);
    sayfaGoster();
}

void TraporOnizleme::sonrakiSayfa()
{
    if (sayfaNo + 1 < sayfaSayisi()) {
        ++sayfaNo;
        sayfaGoster();
    }
}

void TraporOnizleme::oncekiSayfa()
{
    if (sayfaNo > 0) {
        --sayfaNo;
        sayfaGoster();
    }
}

void TraporOnizleme::ilkSayfa()
{
    sayfaNo = 0;
    sayfaGoster();
}

void TraporOnizleme::sonSayfa()
{
    sayfaNo = qMax(0, sayfaSayisi() - 1);
    sayfaGoster();
}

void TraporOnizleme::yakinlastir()
{
    sigdirilmis = false;
    setOlcek(olcek * 1.25);
}

void TraporOnizleme::uzaklastir()
{
    sigdirilmis = false;
    setOlcek(olcek / 1.25);
}

void TraporOnizleme::sigdir()
{
    sigdirilmis = true;
    if (sayfalar.isEmpty()) {
        setOlcek(1.0);
        return;
    }
    const QSizeF mm = sayfalar.at(sayfaNo).boyut;
    const double pikselMm = logicalDpiX() / 25.4;
    const QSize bos = alan->viewport()->size() - QSize(24, 24);
    const double enGore = bos.width() / (mm.width() * pikselMm);
    const double boyGore = bos.height() / (mm.height() * pikselMm);
    // A long receipt is read by scrolling: fit its width, not its length.
    const bool uzun = mm.height() > 2 * mm.width();
    setOlcek(uzun ? qMin(enGore, 2.0) : qMin(enGore, boyGore));
}

void TraporOnizleme::yazdir()
{
    QPrinter yazici(QPrinter::HighResolution);
    QPrintDialog diyalog(&yazici, this);
    diyalog.setWindowTitle(QStringLiteral("Yazdır"));
    if (diyalog.exec() != QDialog::Accepted)
        return;
    const QString hata = sayfalariYazdir(yazici, sayfalar);
    if (!hata.isEmpty())
        bilgiMesaji(hata);
}

void TraporOnizleme::pdfAktar()
{
    QString dosyaAdi = ad.isEmpty() ? QStringLiteral("rapor") : ad;
    dosyaAdi.replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString yol = QFileDialog::getSaveFileName(this, QStringLiteral("PDF olarak kaydet"),
                                                     dosyaAdi + QStringLiteral(".pdf"),
                                                     QStringLiteral("PDF dosyası (*.pdf)"));
    if (yol.isEmpty())
        return;
    QPdfWriter pdf(yol);
    pdf.setCreator(QStringLiteral("Torvel Shop"));
    const QString hata = raporSayfalariBas(&pdf, sayfalar);
    if (!hata.isEmpty())
        bilgiMesaji(hata);
}

void TraporOnizleme::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_PageDown:
        sonrakiSayfa();
        return;
    case Qt::Key_PageUp:
        oncekiSayfa();
        return;
    case Qt::Key_Home:
        ilkSayfa();
        return;
    case Qt::Key_End:
        sonSayfa();
        return;
    case Qt::Key_Plus:
        yakinlastir();
        return;
    case Qt::Key_Minus:
        uzaklastir();
        return;
    default:
        QDialog::keyPressEvent(e);
    }
}

void TraporOnizleme::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    if (sigdirilmis)
        sigdir();
}

void raporOnizle(TRapor& rapor, QWidget* ebeveyn)
{
    TraporOnizleme p(rapor, ebeveyn);
    p.exec();
}

void izgaraFiltresiyleOnizle(TRapor& rapor, RaporVeriSeti& veriSeti, const GridFiltre& filtre,
                             QWidget* ebeveyn)
{
    FiltreKoruyucu koruyucu(veriSeti, filtre);
    raporOnizle(rapor, ebeveyn);
}
