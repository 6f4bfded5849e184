#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <optional>
#include <stdexcept>

// The one connection of the program and the small shared routines every screen uses.

inline constexpr const char* myConnAdi = "myConn";

// A database error that the caller did not handle; the application shows it in its error box.
class VeritabaniHatasi : public std::runtime_error
{
public:
    explicit VeritabaniHatasi(const QString& metin);
    QString metin() const { return QString::fromUtf8(what()); }
};

QSqlDatabase myConn();
// Opens myConn on an existing file; never creates one. Empty text on success, else the error.
QString myConnAc(const QString& yol);
void myConnKapat();
// Adds the SQL function trkucuk(x): x in Turkish lower case, for searches on names.
void trkucukTanimla(QSqlDatabase& db);

// Prepares a query on myConn (and runs it when ac is set); any error gives none.
std::optional<QSqlQuery> sorguOlustur(const QString& sql, bool ac);
// Runs a prepared query and throws VeritabaniHatasi with the database's text on failure.
void calistir(QSqlQuery& sorgu);
// Prepares and runs sql on myConn, throwing on failure.
QSqlQuery calistir(const QString& sql);

// An SQL string literal: 'O''Neil'.
QString sqlMetni(const QString& metin);

QString yeniNoAl(const QString& tablo);
QString cariIdBul(const QString& cariAdi);
QString odemeEkle(const QString& odemeTipiAdi, double tutar);
QString degerGetir(const QString& tablo, const QString& anahtarSutun, const QString& anahtar,
                   const QString& sonucSutun);
bool kayitVarMi(const QString& tablo, const QString& sutun, const QString& deger);

// A statement prepared once on myConn's SQLite handle, for the lookups that run on every scan:
// Qt re-reads a statement's text and its placeholders at every run, which costs more than the
// indexed lookup itself. Closing myConn finalizes it; the next use prepares it again.
class HazirSorgu
{
public:
    explicit HazirSorgu(const char* sql);
    ~HazirSorgu();
    HazirSorgu(const HazirSorgu&) = delete;
    HazirSorgu& operator=(const HazirSorgu&) = delete;

    // Runs with every parameter bound to deger and returns the first row (without blobs), or
    // none.
    // Throws VeritabaniHatasi when the statement cannot run.
    std::optional<QSqlRecord> ilkSatir(const QString& deger);
    void kapat();

private:
    QByteArray sql;
    void* tutamak = nullptr; // the sqlite3 it was prepared on
    void* deyim = nullptr;   // sqlite3_stmt
    QSqlRecord sablon;       // the statement's column names
};

// Keeps a document's rows together: begins a transaction, rolls it back unless onayla() ran.
class IslemKoruyucu
{
public:
    IslemKoruyucu();
    ~IslemKoruyucu();
    IslemKoruyucu(const IslemKoruyucu&) = delete;
    IslemKoruyucu& operator=(const IslemKoruyucu&) = delete;

    // Commits; throws VeritabaniHatasi when the commit fails (the guard then rolls back).
    void onayla();

private:
    bool bitti = false;
};
