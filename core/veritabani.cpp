#include "core/veritabani.h"

#include "core/bicim.h"
#include "core/etkilesim.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>
#include <QUrl>
#include <sqlite3.h>

VeritabaniHatasi::VeritabaniHatasi(const QString& metin) : std::runtime_error(metin.toStdString())
{
}

namespace
{
// SQLite folds only ASCII letters; searches on names must fold "Ş" to "ş" and "I" to "ı".
void trkucuk(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* metin = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int boy = sqlite3_value_bytes(argv[0]);
    bool ascii = true;
    for (int i = 0; i < boy && ascii; ++i)
        ascii = (static_cast<unsigned char>(metin[i]) & 0x80) == 0;
    if (ascii) {
        // Most names are plain ASCII; "I" still becomes the dotless "ı" in Turkish.
        bool buyukI = false;
        for (int i = 0; i < boy && !buyukI; ++i)
            buyukI = metin[i] == 'I';
        if (!buyukI) {
            QByteArray k(metin, boy);
            for (char& c : k)
                if (c >= 'A' && c <= 'Z')
                    c = char(c - 'A' + 'a');
            sqlite3_result_text(ctx, k.constData(), int(k.size()), SQLITE_TRANSIENT);
            return;
        }
    }
    const QByteArray k = trKucukHarf(QString::fromUtf8(metin, boy)).toUtf8();
    sqlite3_result_text(ctx, k.constData(), int(k.size()), SQLITE_TRANSIENT);
}
} // namespace

void trkucukTanimla(QSqlDatabase& db)
{
    const QVariant h = db.driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0)
        return;
    if (auto* vt = *static_cast<sqlite3* const*>(h.data()))
        sqlite3_create_function(vt, "trkucuk", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                trkucuk, nullptr, nullptr);
}

QSqlDatabase myConn()
{
    const QString ad = QString::fromLatin1(myConnAdi);
    if (QSqlDatabase::contains(ad))
        return QSqlDatabase::database(ad, false);
    return QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad);
}

QString myConnAc(const QString& yol)
{
    if (!QFileInfo(yol).isFile())
        return QStringLiteral("Dosya yok: ") + yol;
    myConnKapat();
    QSqlDatabase db = myConn();
    // The file belongs to the installation: mode=rw refuses to create an empty one.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=3000"));
    db.setDatabaseName(
        QUrl::fromLocalFile(QFileInfo(yol).absoluteFilePath()).toString(QUrl::FullyEncoded) +
        QStringLiteral("?mode=rw"));
    if (!db.open())
        return db.lastError().text();
    trkucukTanimla(db);
    // An empty or foreign file opens without complaint; reading the schema proves it is SQLite.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("select count(*) from sqlite_master"))) {
        const QString hata = q.lastError().text();
        q.finish();
        db.close();
        return hata;
    }
    // A write-ahead log makes every commit one flush instead of three: a scan at the till
    // stays under a millisecond and a committed sale is still on disk when the power goes.
    q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    q.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    return {};
}

namespace
{
QList<HazirSorgu*>& hazirSorgular()
{
    static QList<HazirSorgu*> l;
    return l;
}

sqlite3* myConnTutamagi()
{
    QSqlDatabase db = myConn();
    if (!db.isOpen())
        return nullptr;
    const QVariant h = db.driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(h.data());
}
} // namespace

HazirSorgu::HazirSorgu(const char* metin) : sql(metin)
{
    hazirSorgular().append(this);
}

HazirSorgu::~HazirSorgu()
{
    kapat();
    hazirSorgular().removeOne(this);
}

void HazirSorgu::kapat()
{
    if (deyim)
        sqlite3_finalize(static_cast<sqlite3_stmt*>(deyim));
    deyim = nullptr;
    tutamak = nullptr;
}

std::optional<QSqlRecord> HazirSorgu::ilkSatir(const QString& deger)
{
    sqlite3* db = myConnTutamagi();
    if (!db)
        throw VeritabaniHatasi(QStringLiteral("Veritabanı bağlantısı açık değil"));
    if (db != tutamak || !deyim) {
        kapat();
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st, nullptr) != SQLITE_OK)
            throw VeritabaniHatasi(QString::fromUtf8(sqlite3_errmsg(db)));
        deyim = st;
        tutamak = db;
        sablon.clear();
        for (int c = 0; c < sqlite3_column_count(st); ++c)
            sablon.append(QSqlField(QString::fromUtf8(sqlite3_column_name(st, c))));
    }
    auto* st = static_cast<sqlite3_stmt*>(deyim);
    const QByteArray d = deger.toUtf8();
    for (int i = 1; i <= sqlite3_bind_parameter_count(st); ++i)
        sqlite3_bind_text(st, i, d.constData(), int(d.size()), SQLITE_STATIC);
    const int r = sqlite3_step(st);
    std::optional<QSqlRecord> sonuc;
    if (r == SQLITE_ROW) {
        QSqlRecord kayit = sablon;
        for (int c = 0; c < kayit.count(); ++c) {
            switch (sqlite3_column_type(st, c)) {
            case SQLITE_INTEGER:
                kayit.setValue(c, qlonglong(sqlite3_column_int64(st, c)));
                break;
            case SQLITE_FLOAT:
                kayit.setValue(c, sqlite3_column_double(st, c));
                break;
            case SQLITE_TEXT:
                kayit.setValue(
                    c, QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)),
                                         sqlite3_column_bytes(st, c)));
                break;
            default:
                // Pictures are not needed where these lookups run; copying them would cost
                // more than the lookup.
                break;
            }
        }
        sonuc = std::move(kayit);
    }
    sqlite3_reset(st);
    if (r != SQLITE_ROW && r != SQLITE_DONE)
        throw VeritabaniHatasi(QString::fromUtf8(sqlite3_errmsg(db)));
    return sonuc;
}

void myConnKapat()
{
    // Qt closes the handle only when no statement of ours is left on it.
    for (HazirSorgu* s : hazirSorgular())
        s->kapat();
    QSqlDatabase db = myConn();
    if (db.isOpen())
        db.close();
}

std::optional<QSqlQuery> sorguOlustur(const QString& sql, bool ac)
{
    QSqlQuery q(myConn());
    if (!q.prepare(sql))
        return std::nullopt;
    if (ac && !q.exec())
        return std::nullopt;
    return q;
}

void calistir(QSqlQuery& sorgu)
{
    if (!sorgu.exec())
        throw VeritabaniHatasi(sorgu.lastError().text());
}

QSqlQuery calistir(const QString& sql)
{
    QSqlQuery q(myConn());
    if (!q.exec(sql))
        throw VeritabaniHatasi(q.lastError().text());
    return q;
}

QString sqlMetni(const QString& metin)
{
    QString s = metin;
    s.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}

QString yeniNoAl(const QString& tablo)
{
    if (tablo.isEmpty())
        return {};
    // The table name is always one of the program's own, never typed by a user.
    QSqlQuery q = calistir(QStringLiteral("select ifnull(max(id),0) as yeniNo from ") + tablo);
    q.next();
    return QString::number(q.value(0).toLongLong() + 1);
}

QString cariIdBul(const QString& cariAdi)
{
    QSqlQuery q(myConn());
    q.prepare(QStringLiteral("select id from cari where cariadi=:ad"));
    q.bindValue(QStringLiteral(":ad"), cariAdi);
    calistir(q);
    return q.next() ? q.value(0).toString() : QString();
}

QString odemeEkle(const QString& odemeTipiAdi, double tutar)
{
    if (odemeTipiAdi.isEmpty())
        return {};
    QSqlQuery q(myConn());
    q.prepare(QStringLiteral("select * from odemetipi where adi=:ad"));
    q.bindValue(QStringLiteral(":ad"), odemeTipiAdi);
    if (!q.exec()) {
        duzMesaj(QStringLiteral("Hata: ") + q.lastError().text());
        return {};
    }
    if (!q.next())
        return {};
    const qlonglong tipId = q.value(QStringLiteral("id")).toLongLong();
    q.finish();
    QSqlQuery ekle(myConn());
    ekle.prepare(QStringLiteral("insert into odeme (odemetipid, tutar) values (:tip, :tutar)"));
    ekle.bindValue(QStringLiteral(":tip"), tipId);
    ekle.bindValue(QStringLiteral(":tutar"), tutar);
    if (!ekle.exec()) {
        duzMesaj(QStringLiteral("Hata: ") + ekle.lastError().text());
        return {};
    }
    return ekle.lastInsertId().toString();
}

// Table and column names come from the program; only the value is the caller's, and it is bound.
static bool anahtarSorgusu(QSqlQuery& q, const QString& tablo, const QString& sutun,
                           const QString& deger)
{
    if (!q.prepare(QStringLiteral("select * from ") + tablo + QStringLiteral(" where ") + sutun +
                   QStringLiteral("=:deger")))
        return false;
    q.bindValue(QStringLiteral(":deger"), deger);
    return q.exec();
}

QString degerGetir(const QString& tablo, const QString& anahtarSutun, const QString& anahtar,
                   const QString& sonucSutun)
{
    QSqlQuery q(myConn());
    if (!anahtarSorgusu(q, tablo, anahtarSutun, anahtar))
        return QStringLiteral("Hata");
    if (!q.next())
        return QStringLiteral("Veri Yok");
    const int i = q.record().indexOf(sonucSutun);
    if (i < 0)
        return QStringLiteral("Hata");
    return q.value(i).toString();
}

bool kayitVarMi(const QString& tablo, const QString& sutun, const QString& deger)
{
    QSqlQuery q(myConn());
    return anahtarSorgusu(q, tablo, sutun, deger) && q.next();
}

IslemKoruyucu::IslemKoruyucu()
{
    QSqlDatabase db = myConn();
    if (!db.transaction())
        throw VeritabaniHatasi(db.lastError().text());
}

IslemKoruyucu::~IslemKoruyucu()
{
    if (!bitti)
        myConn().rollback();
}

void IslemKoruyucu::onayla()
{
    QSqlDatabase db = myConn();
    if (!db.commit())
        throw VeritabaniHatasi(db.lastError().text());
    bitti = true;
}
