#pragma once

#include "../ortak/fikstur.h"
#include "core/bicim.h"
#include "core/oturum.h"
#include "core/veritabani.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QVariantMap>

// A test installation for the stock screens: the shipped report templates, an administrator
// logged in, and products written straight into the database.
namespace stokFikstur
{

inline void raporlariKopyala(const TestKurulumu& k)
{
    QDir().mkpath(k.yol(QStringLiteral("Raporlar")));
    const QDir kaynak(QStringLiteral(TORVEL_RAPORLAR));
    for (const QString& f : kaynak.entryList({QStringLiteral("*.fr3")}, QDir::Files))
        QFile::copy(kaynak.filePath(f), k.yol(QStringLiteral("Raporlar/") + f));
}

inline void yoneticiOl()
{
    aktifKullaniciId = 1;
    yoneticiMi = true;
    kullaniciYetkileri.clear();
}

inline void kasiyerOl(const QStringList& yetkiler)
{
    aktifKullaniciId = 2;
    yoneticiMi = false;
    kullaniciYetkileri = yetkiler;
}

// Inserts a product; the columns not given get plain values. Returns its id.
inline qint64 urunEkle(const QVariantMap& alanlar)
{
    QVariantMap a{{"stokkodu", "K1"}, {"stokadi", "Ürün"}, {"satisfiyat1", 10.0},
                  {"alisfiyat", 8.0}, {"kdv", 20},         {"birim", 1},
                  {"grup", 1},        {"tartiCarpan", 1},  {"pasif", 0}};
    for (auto it = alanlar.cbegin(); it != alanlar.cend(); ++it)
        a.insert(it.key(), it.value());
    QStringList yerler;
    for (int i = 0; i < a.size(); ++i)
        yerler << QStringLiteral("?");
    QSqlQuery q(myConn());
    q.prepare(QStringLiteral("insert into stok (") + a.keys().join(QStringLiteral(", ")) +
              QStringLiteral(") values (") + yerler.join(QStringLiteral(", ")) + QLatin1Char(')'));
    for (const QVariant& v : a)
        q.addBindValue(v);
    if (!q.exec())
        qFatal("urunEkle: %s", qPrintable(q.lastError().text()));
    return q.lastInsertId().toLongLong();
}

// A movement document as the writers leave it: payment, header and one line.
inline qint64 hareketEkle(qint64 stokId, const QString& tipi, const QString& gckodu, double miktar,
                          double fiyat,
                          const QDateTime& tarih = QDateTime::currentDateTime().addSecs(-60))
{
    QSqlQuery q(myConn());
    q.exec(QStringLiteral("insert into odeme (odemetipid, tutar) values (1, ") +
           QString::number(fiyat) + QLatin1Char(')'));
    const qint64 odemeId = q.lastInsertId().toLongLong();
    q.prepare(QStringLiteral("insert into fatura (faturano, cariid, tarih, tipi, odemeid) values "
                             "(:no, -99, :tarih, :tipi, :odeme)"));
    q.bindValue(QStringLiteral(":no"), tipi + QStringLiteral("-test"));
    tarihBagla(q, QStringLiteral(":tarih"), tarih);
    q.bindValue(QStringLiteral(":tipi"), tipi);
    q.bindValue(QStringLiteral(":odeme"), odemeId);
    if (!q.exec())
        qFatal("hareketEkle: %s", qPrintable(q.lastError().text()));
    const qint64 faturaId = q.lastInsertId().toLongLong();
    q.prepare(QStringLiteral("insert into stokhar (stokid, faturaid, tipi, gckodu, miktar, fiyat, "
                             "tarih) values (:s, :f, :t, :g, :m, :fiyat, :tarih)"));
    q.bindValue(QStringLiteral(":s"), stokId);
    q.bindValue(QStringLiteral(":f"), faturaId);
    q.bindValue(QStringLiteral(":t"), tipi);
    q.bindValue(QStringLiteral(":g"), gckodu);
    q.bindValue(QStringLiteral(":m"), miktar);
    q.bindValue(QStringLiteral(":fiyat"), fiyat);
    tarihBagla(q, QStringLiteral(":tarih"), tarih);
    if (!q.exec())
        qFatal("hareketEkle: %s", qPrintable(q.lastError().text()));
    q.exec(QStringLiteral("insert into carihar (cariid, faturaid, gckodu, tipi, tutar) values "
                          "(-99, ") +
           QString::number(faturaId) + QStringLiteral(", 'G', '") + tipi + QStringLiteral("', ") +
           QString::number(fiyat) + QLatin1Char(')'));
    return faturaId;
}

inline int sayi(const QString& sql)
{
    return TestKurulumu::deger(sql).toInt();
}

} // namespace stokFikstur
