#include "core/ayarDosyasi.h"

#include "core/platform.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace
{

// Windows-1254 differs from Latin-1 in 0x80..0x9F and in six Turkish letters. Bytes the code
// page leaves unassigned keep their Latin-1 value, as Windows itself maps them.
QString cp1254Coz(const QByteArray& veri)
{
    static const char16_t ust[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x008E, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178};
    QString s;
    s.reserve(veri.size());
    for (const char c : veri) {
        const auto b = static_cast<unsigned char>(c);
        char16_t u = b;
        if (b >= 0x80 && b <= 0x9F)
            u = ust[b - 0x80];
        else if (b == 0xD0)
            u = 0x011E; // Ğ
        else if (b == 0xDD)
            u = 0x0130; // İ
        else if (b == 0xDE)
            u = 0x015E; // Ş
        else if (b == 0xF0)
            u = 0x011F; // ğ
        else if (b == 0xFD)
            u = 0x0131; // ı
        else if (b == 0xFE)
            u = 0x015F; // ş
        s.append(QChar(u));
    }
    return s;
}

QString metinCoz(const QByteArray& veri)
{
    // Stateless, so that a file ending inside a multi-byte sequence counts as not UTF-8.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString s = utf8.decode(veri);
    if (!utf8.hasError())
        return s;
    return cp1254Coz(veri);
}

} // namespace

QString AyarDosyasi::yol()
{
    return kurulumYolu(QStringLiteral("ayarlar.txt"));
}

AyarDosyasi AyarDosyasi::oku()
{
    AyarDosyasi a;
    QFile f(yol());
    if (!f.open(QIODevice::ReadOnly))
        return a;
    a.var = true;
    a.satirlar = metniCoz(f.readAll());
    return a;
}

QString AyarDosyasi::satir(int n, const QString& varsayilan) const
{
    if (n < 0 || n >= satirlar.size())
        return varsayilan;
    return satirlar.at(n).trimmed();
}

void AyarDosyasi::satirAyarla(int n, const QString& deger)
{
    if (n < 0)
        return;
    while (satirlar.size() <= n)
        satirlar.append(QString());
    satirlar[n] = deger;
}

bool AyarDosyasi::kaydet() const
{
    QSaveFile f(yol());
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(metniYap(satirlar));
    return f.commit();
}

bool AyarDosyasi::cihazAyarlariniKaydet(const CihazAyarlari& a)
{
    const AyarDosyasi eski = oku();
    AyarDosyasi yeni;
    yeni.satirlar = {eski.barkodSayaci(), eski.barkodTuru(), QStringLiteral("deneme"),
                     a.teraziPortu,       a.teraziModeli,    a.satisEkraniPozisyonu,
                     a.pluBoyutu,         a.yeniNesilKasa,   QStringLiteral("YNBaglanti")};
    return yeni.kaydet();
}

QStringList AyarDosyasi::metniCoz(const QByteArray& veri)
{
    const QString metin = metinCoz(veri);
    QStringList satirlar;
    // CR LF, a lone LF or a lone CR each end a line; text after the last break is a line too.
    qsizetype bas = 0;
    for (qsizetype i = 0; i < metin.size(); ++i) {
        const QChar c = metin.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        satirlar.append(metin.mid(bas, i - bas));
        if (c == u'\r' && i + 1 < metin.size() && metin.at(i + 1) == u'\n')
            ++i;
        bas = i + 1;
    }
    if (bas < metin.size())
        satirlar.append(metin.mid(bas));
    return satirlar;
}

QByteArray AyarDosyasi::metniYap(const QStringList& satirlar)
{
    QByteArray veri;
    for (const QString& s : satirlar) {
        veri += s.toUtf8();
        veri += "\r\n";
    }
    return veri;
}
