#include "fikstur.h"

#include "core/platform.h"
#include "core/veritabani.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <sqlite3.h>

QString betikMetni()
{
    QFile f(QStringLiteral(TORVEL_SCRIPT_SQL));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

QString sqlIleVeritabaniYap(const QString& dosya, const QString& sql)
{
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(dosya).constData(), &db) != SQLITE_OK) {
        const QString h = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        return h;
    }
    char* hata = nullptr;
    QString sonuc;
    // One transaction: a fixture needs no disk flush per statement.
    const QByteArray metin = "BEGIN;\n" + sql.toUtf8() + "\n;COMMIT;";
    if (sqlite3_exec(db, metin.constData(), nullptr, nullptr, &hata) != SQLITE_OK) {
        sonuc = QString::fromUtf8(hata);
        sqlite3_free(hata);
    }
    sqlite3_close(db);
    return sonuc;
}

TestKurulumu::TestKurulumu()
{
    if (!dir.isValid()) {
        hata = QStringLiteral("geçici klasör yok");
        return;
    }
    const QString betik = betikMetni();
    if (betik.isEmpty()) {
        hata = QStringLiteral("script.sql okunamadı");
        return;
    }
    hata = sqlIleVeritabaniYap(dbYolu(), betik);
    if (!hata.isEmpty())
        return;
    kurulumKlasoruAyarla(dir.path());
    hata = myConnAc(dbYolu());
    if (hata.isEmpty()) {
        // Tests check rows, not durability; flushing every statement only slows them down.
        QSqlQuery q(myConn());
        q.exec(QStringLiteral("PRAGMA synchronous=OFF"));
    }
}

TestKurulumu::~TestKurulumu()
{
    myConnKapat();
}

void TestKurulumu::sql(const QString& komut)
{
    QSqlQuery q(myConn());
    if (!q.exec(komut))
        QFAIL(qPrintable(komut + QStringLiteral(": ") + q.lastError().text()));
}

QVariant TestKurulumu::deger(const QString& sorgu)
{
    QSqlQuery q(myConn());
    if (!q.exec(sorgu) || !q.next())
        return {};
    return q.value(0);
}

int sepeteKoy(int stokId, double adet, double fiyat, double iskonto)
{
    QSqlQuery q(myConn());
    q.prepare(QStringLiteral(
        "insert into tmpsatis (stokID, stokKodu, adi, adet, KDV, Fiyat, iskonto, Toplam, "
        "beklemede) select id, stokkodu, stokadi, :adet, kdv, :fiyat, :iskonto, :toplam, 0 "
        "from stok where id=:id"));
    q.bindValue(QStringLiteral(":adet"), adet);
    q.bindValue(QStringLiteral(":fiyat"), fiyat);
    q.bindValue(QStringLiteral(":iskonto"), iskonto);
    q.bindValue(QStringLiteral(":toplam"), adet * fiyat - iskonto);
    q.bindValue(QStringLiteral(":id"), stokId);
    if (!q.exec())
        qFatal("%s", qPrintable(q.lastError().text()));
    return q.lastInsertId().toInt();
}
