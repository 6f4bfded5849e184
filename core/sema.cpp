#include "core/sema.h"

#include "core/etkilesim.h"
#include "core/platform.h"
#include "core/veritabani.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QVariant>

namespace
{

bool sutunVar(const QString& tablo, const QString& sutun)
{
    QSqlQuery q = calistir(QStringLiteral("PRAGMA table_info(") + tablo + QLatin1Char(')'));
    while (q.next())
        if (q.value(QStringLiteral("name")).toString().compare(sutun, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// Blanks and control characters go at both ends, as a text editor may leave them.
QString kirp(const QString& s)
{
    qsizetype bas = 0, son = s.size();
    while (bas < son && s.at(bas).unicode() <= 0x20)
        ++bas;
    while (son > bas && s.at(son - 1).unicode() <= 0x20)
        --son;
    return s.mid(bas, son - bas);
}

// The text between the first double quote and the next one; empty when there is no pair.
QString tirnakArasi(const QString& s)
{
    const qsizetype a = s.indexOf(QLatin1Char('"'));
    if (a < 0)
        return {};
    const qsizetype b = s.indexOf(QLatin1Char('"'), a + 1);
    if (b < 0)
        return {};
    return s.mid(a + 1, b - a - 1);
}

QString sutunAdi(const QString& tanim)
{
    QString ad;
    if (tanim.startsWith(QLatin1Char('"'))) {
        ad = tirnakArasi(tanim);
    } else {
        const qsizetype bosluk = tanim.indexOf(QLatin1Char(' '));
        if (bosluk > 0)
            ad = tanim.left(bosluk);
    }
    return ad.trimmed().toUpper().remove(QLatin1Char('"'));
}

bool calisir(const QString& sql)
{
    QSqlQuery q(myConn());
    return q.exec(sql);
}

void ilkGecis(const QStringList& satirlar, GuncellemeSonucu& s)
{
    QStringList tampon;
    for (const QString& ham : satirlar) {
        const QString satir = kirp(ham);
        if (satir.isEmpty() || satir.startsWith(QStringLiteral("--")) ||
            satir.startsWith(QStringLiteral("/*")))
            continue;
        tampon << satir;
        if (!satir.endsWith(QLatin1Char(';')))
            continue;
        const QString komut = kirp(tampon.join(QLatin1Char('\n')));
        tampon.clear();
        if (!komut.toUpper().startsWith(QStringLiteral("CREATE")))
            continue;
        if (calisir(komut))
            ++s.tablo;
        else
            ++s.atlanan;
    }
}

void ikinciGecis(const QStringList& satirlar, GuncellemeSonucu& s)
{
    QString tablo;
    bool topla = false;
    QSet<QString> bilinen;
    for (const QString& ham : satirlar) {
        QString satir = kirp(ham);
        if (satir.isEmpty() || satir.startsWith(QStringLiteral("--")))
            continue;
        const QString buyuk = satir.toUpper();
        if (buyuk.startsWith(QStringLiteral("CREATE TABLE"))) {
            const QString ad = tirnakArasi(satir);
            if (ad.isEmpty())
                continue;
            tablo = ad;
            topla = true;
            bilinen.clear();
            QSqlQuery q(myConn());
            if (!q.exec(QStringLiteral("PRAGMA table_info(\"") + tablo + QStringLiteral("\");"))) {
                topla = false;
                continue;
            }
            while (q.next())
                bilinen.insert(q.value(QStringLiteral("name")).toString().toUpper());
        } else if (satir.contains(QStringLiteral(");"))) {
            topla = false;
            tablo.clear();
        } else if (topla && satir != QStringLiteral("(") && !satir.startsWith(QLatin1Char('-')) &&
                   !buyuk.contains(QStringLiteral("CONSTRAINT")) &&
                   !buyuk.contains(QStringLiteral("PRIMARY KEY")) &&
                   !buyuk.contains(QStringLiteral("FOREIGN KEY"))) {
            if (satir.endsWith(QLatin1Char(',')))
                satir.chop(1);
            const QString ad = sutunAdi(satir);
            if (ad.isEmpty() || bilinen.contains(ad))
                continue;
            if (calisir(QStringLiteral("ALTER TABLE \"") + tablo +
                        QStringLiteral("\" ADD COLUMN ") + satir)) {
                ++s.sutun;
                bilinen.insert(ad);
            } else {
                ++s.atlanan;
            }
        }
    }
}

} // namespace

void sabitKayitlariOlustur()
{
    const struct {
        int id;
        const char* ad;
    } sabitler[] = {{-99, "PERAKENDE"}, {-98, "FATURA"}, {-97, "KASA"}, {-96, "BANKA"}};
    for (const auto& c : sabitler) {
        const QString id = QString::number(c.id);
        QSqlQuery var = calistir(QStringLiteral("select * from cari where id=") + id);
        const bool mevcut = var.next();
        var.finish();
        QSqlQuery q(myConn());
        q.prepare(mevcut
                      ? QStringLiteral("update cari set carikodu=:ad, cariadi=:ad where id=") + id
                      : QStringLiteral("insert into cari (id, carikodu, cariadi) values (") + id +
                            QStringLiteral(", :ad, :ad)"));
        q.bindValue(QStringLiteral(":ad"), QString::fromLatin1(c.ad));
        calistir(q);
    }

    QSqlQuery yonetici = calistir(QStringLiteral("select * from user where id=1 and admin=1"));
    const bool yoneticiVar = yonetici.next();
    yonetici.finish();
    if (!yoneticiVar)
        calistir(QStringLiteral("insert into user (id, user, admin) values (1, 'admin', 1)"));

    if (!sutunVar(QStringLiteral("stokhar"), QStringLiteral("alisFiyat")))
        calistir(QStringLiteral("ALTER TABLE stokhar ADD alisFiyat FLOAT(10,2) DEFAULT 0;"));
    if (!sutunVar(QStringLiteral("ayarlar"), QStringLiteral("skin")))
        calistir(QStringLiteral("ALTER TABLE ayarlar ADD skin VARCHAR(40) DEFAULT \"\";"));
    if (!sutunVar(QStringLiteral("stok"), QStringLiteral("teraziBarkodu")))
        calistir(QStringLiteral("ALTER TABLE stok ADD teraziBarkodu int(1) DEFAULT 0;"));
    calistir(QStringLiteral(
        "CREATE TABLE IF NOT EXISTS \"teknikservis\" (\"id\" INTEGER UNIQUE, \"cariid\" INTEGER "
        "NOT NULL, \"durum\" varchar(20), \"cihaz\" varchar(50), \"model\" varchar(50), "
        "\"kayit_tarihi\" datetime, \"son_islem_tarih\" datetime, \"fiyat\" FLOAT(10,2) DEFAULT "
        "0, \"ariza\" varchar(500), \"yapilan_islem\" varchar(500), \"sonuc\" varchar(500), "
        "\"teslim_alinanlar\" varchar(500), \"tahsilat\" FLOAT(10,2) DEFAULT 0, PRIMARY "
        "KEY(\"id\" AUTOINCREMENT))"));
}

GuncellemeSonucu veritabaniGuncelle(const QString& yol)
{
    GuncellemeSonucu s;
    const QString dosya = yol.isEmpty() ? kurulumYolu(QStringLiteral("script.sql")) : yol;
    QFile f(dosya);
    if (!f.exists())
        return s;
    QSqlDatabase db = myConn();
    if (!db.isOpen() && !db.open())
        return s;
    if (!f.open(QIODevice::ReadOnly))
        return s;
    const QStringList satirlar =
        QString::fromUtf8(f.readAll()).split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    f.close();
    s.calisti = true;

    if (!db.transaction())
        return s;
    ilkGecis(satirlar, s);
    ikinciGecis(satirlar, s);
    s.kaydedildi = db.commit();
    if (!s.kaydedildi) {
        // Nothing was kept: the script stays for the next start and no success is reported.
        db.rollback();
        return s;
    }

    if (s.atlanan == 0)
        QFile::remove(dosya);
    if (s.tablo > 0 || s.sutun > 0) {
        QString m = QStringLiteral("Veritabanı güncellendi.\r\nTablo işlemi: ") +
                    QString::number(s.tablo) + QStringLiteral("\r\nEklenen sütun: ") +
                    QString::number(s.sutun);
        if (s.atlanan >= 1)
            m += QStringLiteral("\r\nAtlanan: ") + QString::number(s.atlanan);
        bilgiMesaji(m);
    }
    return s;
}
