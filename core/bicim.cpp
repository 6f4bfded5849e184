#include "core/bicim.h"

#include <QSqlQuery>
#include <QVariant>
#include <cmath>

const QLocale& trLocale()
{
    static const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    return tr;
}

QString paraBicim(double deger)
{
    // -0,00 looks like a fault on a receipt
    if (std::abs(deger) < 0.005)
        deger = 0.0;
    return trLocale().toString(deger, 'f', 2);
}

QString paraTLBicim(double deger)
{
    return paraBicim(deger) + QStringLiteral(" ₺");
}

QString sayiBicim(double deger)
{
    if (std::abs(deger) < 1e-9)
        deger = 0.0;
    QLocale l = trLocale();
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    // Up to three decimals covers grams of weighed goods; trailing zeros are dropped.
    QString s = l.toString(deger, 'f', 3);
    const QChar ayrac = l.decimalPoint().at(0);
    if (s.contains(ayrac)) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(ayrac))
            s.chop(1);
    }
    return s;
}

double sayiOku(const QString& metin, bool* tamam)
{
    QString s = metin.trimmed();
    s.remove(QLatin1Char(' '));
    s.remove(QStringLiteral("₺"));
    bool ok = false;
    double d = trLocale().toDouble(s, &ok);
    if (!ok) {
        // A point typed as decimal separator (numeric keypad) is meant as the comma.
        QString p = s;
        if (!p.contains(QLatin1Char(',')) && p.count(QLatin1Char('.')) == 1)
            d = p.toDouble(&ok);
    }
    if (tamam)
        *tamam = ok;
    return ok ? d : 0.0;
}

QString trBuyukHarf(const QString& metin)
{
    return trLocale().toUpper(metin);
}

QString trKucukHarf(const QString& metin)
{
    return trLocale().toLower(metin);
}

QString tarihMetni(const QDateTime& zaman)
{
    return zaman.toString(QString::fromLatin1(tarihBicimi));
}

QDateTime tarihOku(const QVariant& deger)
{
    if (deger.isNull())
        return {};
    const QString s = deger.toString();
    QDateTime z = QDateTime::fromString(s, QString::fromLatin1(tarihBicimi));
    if (!z.isValid())
        z = QDateTime::fromString(s, Qt::ISODateWithMs);
    if (!z.isValid())
        z = QDateTime::fromString(s, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return z;
}

void tarihBagla(QSqlQuery& sorgu, const QString& ad, const QDateTime& zaman)
{
    sorgu.bindValue(ad, zaman.isValid() ? QVariant(tarihMetni(zaman)) : QVariant());
}

QString tarihGoster(const QDateTime& zaman)
{
    return zaman.toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}
