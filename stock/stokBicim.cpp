#include "stock/stokBicim.h"

#include "core/bicim.h"

#include <QLocale>
#include <cmath>

namespace
{
const QLocale& duzLocale()
{
    static const QLocale l = [] {
        QLocale k(QLocale::Turkish, QLocale::Turkey);
        k.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
        return k;
    }();
    return l;
}
} // namespace

QString genelSayi(double deger)
{
    if (std::abs(deger) < 1e-12)
        deger = 0.0;
    return duzLocale().toString(deger, 'g', 15);
}

double kutuSayisi(const QString& metin, bool* tamam)
{
    // "12," is a number being typed: the decimals are simply not there yet.
    QString t = metin.trimmed();
    if (t.endsWith(QLatin1Char(',')))
        t.chop(1);
    bool ok = false;
    const double d = duzLocale().toDouble(t, &ok);
    if (tamam)
        *tamam = ok;
    return ok ? d : 0.0;
}

QString fiyatMetni(const QString& metin)
{
    bool ok = false;
    double d = kutuSayisi(metin, &ok);
    if (!ok)
        d = sayiOku(metin, &ok);
    if (!ok || std::abs(d) < 0.005)
        return {};
    QString s = duzLocale().toString(d, 'f', 2);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char(',')))
        s.chop(1);
    return s;
}

int gs1KontrolBasamagi(const QString& govde)
{
    int toplam = 0;
    for (qsizetype i = 0; i < govde.size(); ++i) {
        const QChar c = govde.at(govde.size() - 1 - i);
        const int d = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? c.digitValue() : 0;
        toplam += (i % 2 == 0) ? 3 * d : d;
    }
    return (10 - toplam % 10) % 10;
}

QString sayacBarkodu(qint64 sayi, const QString& tur)
{
    const QString rakamlar = QString::number(sayi);
    int boy = 0;
    if (tur == QLatin1String("1"))
        boy = 12;
    else if (tur == QLatin1String("2"))
        boy = 7;
    if (boy == 0)
        return rakamlar;
    const QString govde = rakamlar.rightJustified(boy, QLatin1Char('0')).right(boy);
    return govde + QString::number(gs1KontrolBasamagi(govde));
}
