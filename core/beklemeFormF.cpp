#include "core/beklemeFormF.h"

#include "core/skin.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace
{
constexpr int genislik = 440;
constexpr int yukseklik = 160;
constexpr int simgeBoyu = 72;
} // namespace

TbeklemeForm::TbeklemeForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    resimleriYukle();
    setObjectName(QStringLiteral("TbeklemeForm"));
    setWindowTitle(QStringLiteral("Torvel Shop"));
    setFixedSize(genislik, yukseklik);
    setCursor(Qt::WaitCursor);
    // Own colours and fonts: the skin of the day must not change this window.
    setStyleSheet(QStringLiteral("QLabel { background: transparent; border: none;"
                                 " font-family: 'DejaVu Sans'; color: #1F3A52; }"
                                 "QLabel#lblBekle { font-size: 14pt; font-weight: bold; }"
                                 "QLabel#lblHazirlik { font-size: 11pt; color: #4A6278; }"));

    auto* simge = new QLabel(this);
    simge->setObjectName(QStringLiteral("imgSimge"));
    simge->setFixedSize(simgeBoyu, simgeBoyu);
    simge->setPixmap(QIcon(QStringLiteral(":/resim/torvel.svg"))
                         .pixmap(QSize(simgeBoyu, simgeBoyu), devicePixelRatioF()));

    auto* lblBekle = new QLabel(QStringLiteral("Lütfen Bekleyiniz..."), this);
    lblBekle->setObjectName(QStringLiteral("lblBekle"));
    lblBekle->setAlignment(Qt::AlignCenter);
    auto* lblHazirlik = new QLabel(QStringLiteral("ProgramHazırlanıyor"), this);
    lblHazirlik->setObjectName(QStringLiteral("lblHazirlik"));
    lblHazirlik->setAlignment(Qt::AlignCenter);

    auto* yazilar = new QVBoxLayout;
    yazilar->setSpacing(8);
    yazilar->addStretch();
    yazilar->addWidget(lblBekle);
    yazilar->addWidget(lblHazirlik);
    yazilar->addStretch();

    auto* duzen = new QHBoxLayout(this);
    duzen->setContentsMargins(28, 16, 24, 16);
    duzen->setSpacing(16);
    duzen->addWidget(simge, 0, Qt::AlignVCenter);
    duzen->addLayout(yazilar, 1);
}

void TbeklemeForm::goster()
{
    show();
    raise();
    QDeadlineTimer sure(500);
    while (!sure.hasExpired()) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (windowHandle() && windowHandle()->isExposed())
            break;
    }
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TbeklemeForm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xEE, 0xEE, 0xEE));
    p.setPen(QPen(QColor(0x00, 0x80, 0xC0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void TbeklemeForm::showEvent(QShowEvent* e)
{
    ortala();
    QWidget::showEvent(e);
}

void TbeklemeForm::ortala()
{
    QScreen* ekran = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!ekran)
        return;
    move(ekran->geometry().center() - QPoint(width() / 2, height() / 2));
}
