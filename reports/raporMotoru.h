#pragma once

#include "reports/raporBarkod.h"
#include "reports/raporSablon.h"

#include <QDateTime>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QSizeF>
#include <QStringList>
#include <QVariantMap>

class QPagedPaintDevice;
class QPainter;
class RaporVeriSeti;

// A laid-out page: what to draw, in millimetres from the page's top-left corner. The same page
// goes to the screen, to PDF and to the printer through raporSayfasiCiz.
struct RaporOgesi {
    enum Tur { Metin, Cizgi, Kutu, Resim, Barkod };
    Tur tur = Metin;
    QString nesne; // the template object it comes from
    QRectF alan;   // the object's rectangle on the page

    // Metin: the lines as broken at layout time, so every device breaks them the same way.
    QStringList satirlar;
    QRectF metinAlani;
    double satirYuksekligi = 0;
    QFont yazi;
    Qt::Alignment hiza = Qt::AlignLeft;
    QColor renk = Qt::black;

    // Cizgi, Kutu
    QLineF cizgi;
    double kalinlik = 0.2;
    RaporNesnesi::CizgiStili stil = RaporNesnesi::Duz;
    QColor zemin;

    QImage resim; // drawn into alan

    BarkodCizimi barkod; // bars and text relative to alan
};

struct RaporSayfasi {
    QSizeF boyut; // mm
    QList<RaporOgesi> ogeler;

    // Every text line of the page from top to bottom, for searching and for tests.
    QStringList metinler() const;
};

struct RaporSonucu {
    QList<RaporSayfasi> sayfalar;
    QStringList uyarilar; // what the designer tells: unknown fields, barcode fallbacks ...
};

// Lays out a template over the datasets (looked up by name without regard to letter case).
// degiskenler: values of the template's variables; zaman: the moment shown by DATE and TIME.
RaporSonucu raporHazirla(const RaporSablonu& sablon,
                         const QHash<QString, RaporVeriSeti*>& veriSetleri,
                         const QVariantMap& degiskenler, const QDateTime& zaman);

// Draws a page at the painter's device resolution, with (0,0) at the page's corner.
// Objects named 'vurgulu' get a marker around them (the designer's selection).
void raporSayfasiCiz(QPainter& p, const RaporSayfasi& sayfa, const QString& vurgulu = {});
QImage raporSayfasiResmi(const RaporSayfasi& sayfa, double dpi, const QString& vurgulu = {});
// Pages onto a PDF writer or printer, each page at its own size; empty text when done, else why
// not.
QString raporSayfalariBas(QPagedPaintDevice* cihaz, const QList<RaporSayfasi>& sayfalar);
