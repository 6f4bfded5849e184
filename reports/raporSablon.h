#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>
#include <QVariantMap>
#include <vector>

// A report template: the page, the bands in print order and the objects on them. Stored as JSON
// in the ".fr3" files under Raporlar; every length is in millimetres, font sizes in points.

struct RaporNesnesi {
    enum Tur { Metin, Cizgi, Kutu, Resim, Barkod };
    enum Cerceve { Sol = 1, Ust = 2, Sag = 4, Alt = 8, Tum = 15 };
    enum CizgiStili { Duz, Kesik, Cift };

    Tur tur = Metin;
    QString ad;
    double x = 0, y = 0, genislik = 20, yukseklik = 5;
    // Text with [expressions]; barcode data; picture file path.
    QString metin;
    QString gorunur; // condition; empty = always shown

    // Text
    QString yaziAilesi;    // empty: the template's font
    double yaziBoyutu = 0; // 0: the template's size
    bool kalin = false;
    bool italik = false;
    Qt::Alignment hiza = Qt::AlignLeft;
    Qt::Alignment dikeyHiza = Qt::AlignTop;
    bool kaydir = false;            // word wrap
    bool otomatikYukseklik = false; // grows with its lines; objects below move down with it
    QString bicim;                  // display format of the values, as in FORMAT
    int cerceve = 0;                // Cerceve bits
    QColor renk = Qt::black;
    QColor zemin; // invalid: transparent

    // Lines, frames and rectangles
    double kalinlik = 0.2;
    CizgiStili stil = Duz;

    // Picture from a blob field, e.g. "stok.resim" (else from the file in metin)
    QString alan;
    bool oranKoru = true;

    // Barcode: "EAN13", "EAN8", "CODE128"
    QString barkodTuru = QStringLiteral("EAN13");
    bool yaziGoster = true;
};

enum class BantTuru {
    RaporBasligi, // once, at the top of the first page
    SayfaBasligi, // at the top of every page
    SutunBasligi, // under the page header, on every page
    Veri,         // once per row of a dataset
    Ozet,         // once, after the data
    SayfaAltligi, // at the foot of every page (after the content on an endless page)
    Baslik,       // inside a data band: before its rows
    Altlik,       // inside a data band: after its rows
    GrupBasligi,  // inside a data band: when its condition changes value
    GrupAltligi,  // inside a group header: after the group's rows
    Ek            // inside any band: printed right after it, with a condition of its own
};

struct RaporBandi {
    BantTuru tur = BantTuru::Veri;
    QString ad;
    double yukseklik = 5;
    QString gorunur; // condition; a hidden band takes no room
    QList<RaporNesnesi> nesneler;

    // Data band
    QString veriSeti;
    QString anaAlan, detayAlan; // detail band: master field = detail field
    QString sirala;             // optional order of the rows (an expression)
    // Group header
    QString kosul;

    // Headers, footers, groups, details and child bands of this band, in print order.
    std::vector<RaporBandi> bantlar;

    const RaporBandi* altBant(BantTuru t) const;
};

struct RaporSablonu {
    QString ad;
    // Page; yukseklik 0 makes an endless page (a receipt) as long as its content.
    double sayfaGenislik = 210, sayfaYukseklik = 297;
    double solKenar = 10, ustKenar = 10, sagKenar = 10, altKenar = 10;
    // Label sheets: the page holds etiketSutun × etiketSatir labels, one data row each.
    int etiketSutun = 1, etiketSatir = 1;
    double etiketAraX = 0, etiketAraY = 0;

    QString yaziAilesi = QStringLiteral("DejaVu Sans");
    double yaziBoyutu = 9;
    // Variables a screen may set; their values here are the defaults.
    QVariantMap degiskenler;

    std::vector<RaporBandi> bantlar;

    bool sonsuz() const { return sayfaYukseklik <= 0; }
    bool etiketli() const { return etiketSutun * etiketSatir > 1; }

    // Reads a template; on error returns false with *hata saying what is wrong.
    static bool jsondan(const QByteArray& json, RaporSablonu* sablon, QString* hata);
    QByteArray json() const;
};

QString bantTuruAdi(BantTuru t);     // as written in the file: "veri", "grupBasligi" ...
QString bantTuruBasligi(BantTuru t); // as shown to the user: "Veri", "Grup Başlığı" ...
QString nesneTuruAdi(RaporNesnesi::Tur t);
