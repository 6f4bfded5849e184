#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

// Barcodes of labels and receipts, drawn as vectors so they stay sharp on paper and in PDF.
//
// EAN-13 takes 12 digits (the check digit is added) or 13 with a correct check digit; EAN-8
// takes 7 or 8. Data that EAN cannot carry (letters, another length, a wrong check digit) is
// drawn as Code 128 instead, so a shop's own short codes still scan to the same text at the
// till; the reason is given in 'uyari'. Text Code 128 cannot carry (letters outside Latin-1
// such as "Ş") draws nothing, also with a reason.
struct BarkodCizimi {
    struct Yazi {
        QString metin;
        QPointF taban;    // baseline point, mm from the object's top-left
        int hiza = 0;     // 0: centred on taban, 1: starts at it, 2: ends at it
        double boyut = 0; // character height in mm
    };
    QString tur;            // what was drawn: "EAN13", "EAN8", "CODE128"; empty: nothing
    QList<QRectF> cubuklar; // bars, mm from the object's top-left
    QList<Yazi> yazilar;    // human-readable text
    double modul = 0;       // width of the narrowest bar, mm
    QString uyari;
};

BarkodCizimi barkodOlustur(const QString& tur, const QString& veri, double genislikMm,
                           double yukseklikMm, bool yaziGoster);

// Whether 'veri' is a valid EAN of 'uzunluk' (13 or 8) digits, or one digit less (no check digit).
bool eanGecerli(const QString& veri, int uzunluk);
