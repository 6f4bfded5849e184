#include "core/dialogCercevesi.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QWidget>

void DialogCercevesi::ciz(QWidget* w) const
{
    static const QColor altRengi(0xF0, 0xF0, 0xF0);
    static const QColor kenarRengi(0, 0, 0, 70);
    static const QColor ayiracRengi(0xDD, 0xDD, 0xDD);
    QPainter p(w);
    const QRect r = w->rect();
    p.fillRect(r, Qt::white);
    p.fillRect(QRect(0, 0, r.width(), baslikYuksekligi), baslikRengi);
    const QRect alt(0, r.height() - altYuksekligi, r.width(), altYuksekligi);
    p.fillRect(alt, altRengi);
    p.setPen(ayiracRengi);
    p.drawLine(alt.topLeft(), alt.topRight());

    // Without a compositor there is no shadow, so a thin outline keeps the dialog apart
    // from a white window behind it. It follows the same rounded shape as the mask.
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath yol;
    yol.addRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), koseYaricapi, koseYaricapi);
    p.setPen(QPen(kenarRengi, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(yol);
}

void DialogCercevesi::maskele(QWidget* w)
{
    QPainterPath yol;
    yol.addRoundedRect(QRectF(w->rect()), koseYaricapi, koseYaricapi);
    w->setMask(QRegion(yol.toFillPolygon().toPolygon()));
}
