#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

class QSqlQuery;

// Turkish display of money, quantities and dates, and the one stored date-time format.

const QLocale& trLocale();

// "#,##0.00": 1234.5 -> "1.234,50"
QString paraBicim(double deger);
// "#,##0.00 ₺"
QString paraTLBicim(double deger);
// Plain numbers without needless zeros: 765.5 -> "765,5", 3 -> "3"
QString sayiBicim(double deger);
// Reads a number typed with the decimal comma (or a point); false in *tamam when it is not one.
double sayiOku(const QString& metin, bool* tamam = nullptr);

QString trBuyukHarf(const QString& metin);
QString trKucukHarf(const QString& metin);

// Date-times are stored as text in this one format so that text order is time order.
inline constexpr const char* tarihBicimi = "yyyy-MM-dd HH:mm:ss.zzz";
QString tarihMetni(const QDateTime& zaman);
QDateTime tarihOku(const QVariant& deger);
void tarihBagla(QSqlQuery& sorgu, const QString& ad, const QDateTime& zaman);
// "dd.MM.yyyy HH:mm" for lists and receipts
QString tarihGoster(const QDateTime& zaman);
