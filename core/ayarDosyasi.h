#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The till's device and layout settings: ayarlar.txt in the installation folder, one value a
// line, CR LF after every line. Line numbers count from 0.
//
// The file is written as UTF-8 without a byte-order mark. It is read as UTF-8 when its bytes are
// valid UTF-8, otherwise as Windows-1254, the Turkish code page the shops' older files were
// written in, so such a file keeps its "Sağda", "Küçük" and "Sürekli" when it is moved over.
class AyarDosyasi
{
public:
    // The values the settings window keeps on lines 3 to 7.
    struct CihazAyarlari {
        QString teraziPortu;
        QString teraziModeli;
        QString satisEkraniPozisyonu;
        QString pluBoyutu;
        QString yeniNesilKasa;
    };

    static QString yol();
    // Reads the file afresh; a missing or unreadable file reads as one without lines.
    static AyarDosyasi oku();

    bool varMi() const { return var; }
    int satirSayisi() const { return int(satirlar.size()); }
    // Line n trimmed, or varsayilan when the file has fewer lines. An empty line stays empty.
    QString satir(int n, const QString& varsayilan = QString()) const;
    // Sets line n, adding empty lines before it when the file is shorter.
    void satirAyarla(int n, const QString& deger);

    // The readers' own defaults apply where a line is missing. Line 1 is the barcode kind for
    // the stock card; the till reads the same line as its card surcharge with satir(1, "0").
    QString barkodSayaci() const { return satir(0, QStringLiteral("1000000")); }
    QString barkodTuru() const { return satir(1, QStringLiteral("3")); }
    QString teraziPortu() const { return satir(3); } // empty: no scale
    QString teraziModeli() const { return satir(4); }
    QString satisEkraniPozisyonu() const { return satir(5); }
    QString pluBoyutu() const { return satir(6, QStringLiteral("Orta")); }
    QString yeniNesilKasa() const { return satir(7); }

    // Writes the lines back whole, replacing the file in one step; false when it could not.
    bool kaydet() const;

    // The settings window's save: lines 0 and 1 carried over from the file on disk (their
    // defaults when it is missing or short), the fixed texts on lines 2 and 8, the rest given.
    static bool cihazAyarlariniKaydet(const CihazAyarlari& a);

    // The lines of the file's bytes, and the bytes of lines; kept apart for the tests.
    static QStringList metniCoz(const QByteArray& veri);
    static QByteArray metniYap(const QStringList& satirlar);

    QStringList satirlar; // as read, untrimmed

private:
    bool var = false;
};
