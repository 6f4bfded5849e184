#include "core/mesajFormF.h"
#include "core/dialogCercevesi.h"

#include "core/skin.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace
{

struct Gorunum {
    QString baslik;
    QColor renk;
    QString resim;
};

Gorunum gorunum(TMesajTipi tip)
{
    switch (tip) {
    case mtSoru:
        return {QStringLiteral("  ONAY"), QColor(0x22, 0x3C, 0x7D),
                QStringLiteral(":/resim/soru.svg")};
    case mtHata:
        return {QStringLiteral("  HATA"), QColor(0xC6, 0x28, 0x28),
                QStringLiteral(":/resim/hata.svg")};
    case mtUyari:
        return {QStringLiteral("  UYARI"), QColor(0xEF, 0x6C, 0x00),
                QStringLiteral(":/resim/uyari.svg")};
    case mtBilgi:
        break;
    }
    return {QStringLiteral("  BİLGİ"), QColor(0x19, 0x76, 0xD2),
            QStringLiteral(":/resim/bilgi.svg")};
}

// The buttons carry their own sheet so that no skin can repaint them: a widget's own style
// sheet wins over the application's whatever the selectors are.
QString dugmeStili(const char* normal, const char* sicak, const char* basili)
{
    return QStringLiteral("QPushButton { background-color: %1; color: white; border: none;"
                          " border-radius: 8px; font-family: 'DejaVu Sans'; font-size: 14pt;"
                          " font-weight: bold; padding: 0px; min-height: 0px; }"
                          "QPushButton:hover { background-color: %2; }"
                          "QPushButton:pressed { background-color: %3; }")
        .arg(QLatin1String(normal), QLatin1String(sicak), QLatin1String(basili));
}

// Darkens whatever it lies on: grey on the white body, a deeper shade on the header.

constexpr int resimBoyu = 72;
constexpr int resimSol = 28;
constexpr int mesajSol = resimSol + resimBoyu + 22;
constexpr int mesajSag = 26;
constexpr int mesajDikeyPay = 12;
constexpr int mesajYaziBoyu = 11;
// A very long text is set a little smaller rather than cut off; below this it stays cut.
constexpr int enKucukYaziBoyu = 8;

} // namespace

TmesajForm::TmesajForm(QWidget* parent) : QDialog(parent)
{
    resimleriYukle();
    setObjectName(QStringLiteral("TmesajForm"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Torvel Shop"));
    setModal(true);
    setFixedSize(genislik, yukseklik);
    // The skin must not reach into this dialog: everything below is painted or styled here.
    setStyleSheet(QStringLiteral("QFrame#pnlBaslik, QFrame#pnlAlt { background: transparent;"
                                 " border: none; }"
                                 "QLabel { background: transparent; border: none; }"));

    pnlBaslik = new QFrame(this);
    pnlBaslik->setObjectName(QStringLiteral("pnlBaslik"));
    pnlBaslik->setGeometry(0, 0, genislik, baslikYuksekligi);

    lblBaslik = new QLabel(pnlBaslik);
    lblBaslik->setObjectName(QStringLiteral("lblBaslik"));
    lblBaslik->setGeometry(8, 0, genislik - 16, baslikYuksekligi);
    lblBaslik->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblBaslik->setStyleSheet(QStringLiteral("color: white; font-family: 'DejaVu Sans';"
                                            " font-size: 13pt; font-weight: bold;"));

    imgResim = new QLabel(this);
    imgResim->setObjectName(QStringLiteral("imgResim"));
    imgResim->setAlignment(Qt::AlignCenter);
    const int govdeYuksekligi = yukseklik - baslikYuksekligi - altYuksekligi;
    imgResim->setGeometry(resimSol, baslikYuksekligi + (govdeYuksekligi - resimBoyu) / 2, resimBoyu,
                          resimBoyu);

    lblMesaj = new QLabel(this);
    lblMesaj->setObjectName(QStringLiteral("lblMesaj"));
    lblMesaj->setWordWrap(true);
    lblMesaj->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblMesaj->setTextFormat(Qt::PlainText);
    lblMesaj->setGeometry(mesajSol, baslikYuksekligi + mesajDikeyPay,
                          genislik - mesajSol - mesajSag, govdeYuksekligi - 2 * mesajDikeyPay);

    pnlAlt = new QFrame(this);
    pnlAlt->setObjectName(QStringLiteral("pnlAlt"));
    pnlAlt->setGeometry(0, yukseklik - altYuksekligi, genislik, altYuksekligi);

    // The buttons are for fingers and take no focus; the keyboard reaches them through Enter
    // (notices only) and Alt+E / Alt+H.
    btn1 = new QPushButton(pnlAlt);
    btn1->setObjectName(QStringLiteral("btn1"));
    btn1->setFocusPolicy(Qt::NoFocus);
    btn1->setCursor(Qt::PointingHandCursor);
    btn1->setStyleSheet(dugmeStili("#2E7D32", "#469D4A", "#1E5E20"));
    connect(btn1, &QPushButton::clicked, this, &TmesajForm::btn1Click);

    btn2 = new QPushButton(pnlAlt);
    btn2->setObjectName(QStringLiteral("btn2"));
    btn2->setFocusPolicy(Qt::NoFocus);
    btn2->setCursor(Qt::PointingHandCursor);
    btn2->setText(QStringLiteral("HAYIR"));
    btn2->setStyleSheet(dugmeStili("#D32F2F", "#EE4040", "#991A1A"));
    connect(btn2, &QPushButton::clicked, this, &TmesajForm::btn2Click);

    auto* evet = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_E), this);
    connect(evet, &QShortcut::activated, this, [this] {
        if (btn2->isVisible())
            btn1->click();
    });
    auto* hayir = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_H), this);
    connect(hayir, &QShortcut::activated, this, [this] {
        if (btn2->isVisible())
            btn2->click();
    });

    Ayarla(QString(), mtBilgi);
}

void TmesajForm::Ayarla(const QString& Mesaj, TMesajTipi Tip)
{
    lblMesaj->setText(Mesaj);
    mesajYaziBoyutuAyarla(Mesaj);

    btn1->setText(QStringLiteral("TAMAM"));
    btn1->setVisible(true);
    btn2->setVisible(false);
    btn1->setFixedSize(dugmeGenisligi, dugmeYuksekligi);
    btn2->setFixedSize(dugmeGenisligi, dugmeYuksekligi);

    const Gorunum g = gorunum(Tip);
    const int altGenislik = pnlAlt->width();
    const int ust = (pnlAlt->height() - dugmeYuksekligi) / 2;
    if (Tip == mtSoru) {
        btn1->setText(QStringLiteral("EVET"));
        btn2->setVisible(true);
        const int sol = (altGenislik - 2 * dugmeGenisligi - dugmeAraligi) / 2;
        btn1->move(sol, ust);
        btn2->move(sol + dugmeGenisligi + dugmeAraligi, ust);
    } else {
        btn1->move((altGenislik - dugmeGenisligi) / 2, ust);
    }

    // Enter closes a notice, but must never answer a question: a barcode scanner ends every
    // scan with Enter and would otherwise say "EVET" to whatever is being asked.
    const bool soru = Tip == mtSoru;
    btn1->setAutoDefault(!soru);
    btn1->setDefault(!soru);
    btn2->setAutoDefault(false);
    btn2->setDefault(false);

    baslikRengi = g.renk;
    lblBaslik->setText(g.baslik);
    lblBaslik->raise();

    const qreal oran = devicePixelRatioF();
    QPixmap resim = QIcon(g.resim).pixmap(QSize(resimBoyu, resimBoyu), oran);
    imgResim->setPixmap(resim);
    update();
}

void TmesajForm::mesajYaziBoyutuAyarla(const QString& Mesaj)
{
    QFont yazi(QStringLiteral("DejaVu Sans"));
    yazi.setBold(true);
    yazi.setItalic(true);
    int boy = mesajYaziBoyu;
    const QRect alan(0, 0, lblMesaj->width(), lblMesaj->height());
    for (; boy > enKucukYaziBoyu; --boy) {
        yazi.setPointSize(boy);
        const QRect gereken =
            QFontMetrics(yazi).boundingRect(alan, Qt::TextWordWrap | Qt::AlignLeft, Mesaj);
        if (gereken.height() <= alan.height())
            break;
    }
    lblMesaj->setStyleSheet(QStringLiteral("color: #1F2A36; font-family: 'DejaVu Sans';"
                                           " font-size: %1pt; font-weight: bold;"
                                           " font-style: italic;")
                                .arg(boy));
}

void TmesajForm::btn1Click()
{
    done(btn1->text() == QLatin1String("EVET") ? QMessageBox::Yes : QMessageBox::Ok);
}

void TmesajForm::btn2Click()
{
    done(QMessageBox::No);
}

void TmesajForm::reject() {}

void TmesajForm::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TmesajForm::paintEvent(QPaintEvent*)
{
    DialogCercevesi{baslikRengi, baslikYuksekligi, altYuksekligi}.ciz(this);
}

void TmesajForm::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    DialogCercevesi::maskele(this);
}

void TmesajForm::showEvent(QShowEvent* e)
{
    ortala();
    QDialog::showEvent(e);
}

void TmesajForm::ortala()
{
    QWidget* sahip = parentWidget() ? parentWidget()->window() : QApplication::activeWindow();
    if (!sahip || sahip == this || !sahip->isVisible()) {
        // Without a window manager nothing may be active; then the program's main window.
        sahip = nullptr;
        const auto pencereler = QApplication::topLevelWidgets();
        for (QWidget* w : pencereler)
            if (w != this && w->isVisible() && qobject_cast<QMainWindow*>(w))
                sahip = w;
    }
    QRect alan;
    if (sahip)
        alan = sahip->frameGeometry();
    else if (QScreen* ekran = QGuiApplication::primaryScreen())
        alan = ekran->availableGeometry();
    if (alan.isValid())
        move(alan.center() - QPoint(width() / 2, height() / 2));
}
