#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh installation folder for one test: db.db made from the shipped schema script and
// opened as myConn; the installation folder points at it.
class TestKurulumu
{
public:
    TestKurulumu();
    ~TestKurulumu();

    bool hazir() const { return hata.isEmpty(); }
    QString klasor() const { return dir.path(); }
    QString dbYolu() const { return dir.filePath(QStringLiteral("db.db")); }
    QString yol(const QString& ad) const { return dir.filePath(ad); }

    // Runs SQL on myConn; fails the test with the database's text on error.
    static void sql(const QString& komut);
    static QVariant deger(const QString& sorgu);

    QString hata;

private:
    QTemporaryDir dir;
};

// Writes an SQLite file from SQL text with the C API (schema script, old schemas, fixtures).
QString sqlIleVeritabaniYap(const QString& dosya, const QString& sql);
QString betikMetni(); // the shipped install/script.sql

// A line of the open basket as the till writes it; returns its id.
int sepeteKoy(int stokId, double adet, double fiyat, double iskonto = 0);
