#include "core/yedek.h"

#include "core/etkilesim.h"
#include "core/platform.h"
#include "core/veritabani.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QUrl>
#include <QUuid>
#include <QVariant>
#include <filesystem>

namespace
{

// VACUUM INTO needs a target that does not exist; the finished copy then replaces the old one
// in a single rename, so a failure never leaves half a file under the target name.
QString kopyala(QSqlDatabase& kaynak, const QString& hedef)
{
    const QFileInfo fi(hedef);
    const QString gecici = fi.absolutePath() + QStringLiteral("/.") + fi.fileName() +
                           QLatin1Char('.') +
                           QUuid::createUuid().toString(QUuid::WithoutBraces).left(8);
    QSqlQuery q(kaynak);
    if (!q.prepare(QStringLiteral("VACUUM INTO :hedef")))
        return q.lastError().text();
    q.bindValue(QStringLiteral(":hedef"), gecici);
    if (!q.exec()) {
        QFile::remove(gecici);
        return q.lastError().text();
    }
    q.finish();
    std::error_code hata;
    std::filesystem::rename(QFile::encodeName(gecici).toStdString(),
                            QFile::encodeName(hedef).toStdString(), hata);
    if (hata) {
        QFile::remove(gecici);
        return QStringLiteral("Dosya yazılamadı: ") + hedef + QStringLiteral(" (") +
               QString::fromLocal8Bit(hata.message()) + QLatin1Char(')');
    }
    return {};
}

// A separate, read-only connection to a file that is not ours yet.
class GeciciBaglanti
{
public:
    explicit GeciciBaglanti(const QString& yol)
        : ad(QStringLiteral("yedek_") + QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"));
        db.setDatabaseName(
            QUrl::fromLocalFile(QFileInfo(yol).absoluteFilePath()).toString(QUrl::FullyEncoded) +
            QStringLiteral("?mode=ro"));
        acik = db.open();
        if (!acik)
            hata = db.lastError().text();
    }
    ~GeciciBaglanti()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(ad, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(ad);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(ad, false); }

    const QString ad;
    bool acik = false;
    QString hata;
};

} // namespace

QString veritabaniYolu()
{
    return kurulumYolu(QStringLiteral("db.db"));
}

QString yedekDosyaAdi(const QDateTime& zaman)
{
    return QStringLiteral("Torvel_Yedek_") + zaman.toString(QStringLiteral("yyyyMMdd_HHmm")) +
           QStringLiteral(".db");
}

bool veritabaniYedekle(const QString& hedef)
{
    const QString kaynak = veritabaniYolu();
    QString hata;
    if (QFileInfo(hedef).absoluteFilePath() == QFileInfo(kaynak).absoluteFilePath()) {
        hata = QStringLiteral("Yedek, kullanılan veritabanının üzerine yazılamaz.");
    } else {
        QSqlDatabase db = myConn();
        if (!db.isOpen())
            myConnAc(kaynak);
        hata = db.isOpen() ? kopyala(db, hedef) : db.lastError().text();
    }
    if (hata.isEmpty()) {
        bilgiMesaji(QStringLiteral("Yedekleme başarılı!\r\n") + hedef);
        return true;
    }
    qWarning("Yedekleme: %s", qPrintable(hata));
    bilgiMesaji(QStringLiteral("Yedekleme başarısız! Dosya kopyalanamadı.\r\nKaynak: ") + kaynak);
    return false;
}

QString yedekDogrula(const QString& yol)
{
    const QString bozuk = QStringLiteral("Seçilen dosya bozuk veya bir veritabanı değil. Geri "
                                         "yükleme yapılmadı.");
    if (!QFileInfo(yol).isFile())
        return QStringLiteral("Seçilen dosya bulunamadı: ") + yol;
    GeciciBaglanti b(yol);
    if (!b.acik)
        return bozuk + QStringLiteral("\r\n") + b.hata;
    QSqlQuery q(b.db());
    if (!q.exec(QStringLiteral("PRAGMA integrity_check")) || !q.next())
        return bozuk + QStringLiteral("\r\n") + q.lastError().text();
    if (q.value(0).toString() != QStringLiteral("ok"))
        return bozuk + QStringLiteral("\r\n") + q.value(0).toString();
    q.finish();
    const QStringList gerekli = {"stok",    "stokhar", "fatura",   "odeme",  "cari",
                                 "carihar", "user",    "yetkiler", "ayarlar"};
    for (const QString& tablo : gerekli) {
        QSqlQuery t(b.db());
        t.prepare(QStringLiteral("select 1 from sqlite_master where type='table' and "
                                 "lower(name)=:ad"));
        t.bindValue(QStringLiteral(":ad"), tablo);
        if (!t.exec() || !t.next())
            return QStringLiteral("Seçilen dosya bir Torvel Shop veritabanı değil (eksik tablo: ") +
                   tablo + QStringLiteral("). Geri yükleme yapılmadı.");
    }
    return {};
}

GeriYukleme veritabaniGeriYukle(const QString& secilen)
{
    const QString red = yedekDogrula(secilen);
    if (!red.isEmpty()) {
        bilgiMesaji(red);
        return GeriYukleme::Reddedildi;
    }
    if (!onayAl(QStringLiteral("Mevcut tüm veriler SEÇİLEN YEDEKLE değiştirilecek!\r\nKaynak: ") +
                QFileInfo(secilen).fileName() + QStringLiteral("\r\n") +
                QStringLiteral("Bu işlem GERİ ALINAMAZ. Devam edilsin mi?")))
        return GeriYukleme::Vazgecildi;

    const QString hedef = veritabaniYolu();
    // Keep what is replaced: a wrong choice must not cost the shop its data.
    const QString guvenlik =
        QFileInfo(hedef).absolutePath() + QStringLiteral("/db_GeriYukleOncesi_") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss")) +
        QStringLiteral(".db");
    QString hata;
    {
        QSqlDatabase db = myConn();
        if (!db.isOpen())
            myConnAc(hedef);
        hata = db.isOpen() ? kopyala(db, guvenlik) : db.lastError().text();
    }
    if (hata.isEmpty()) {
        myConnKapat();
        GeciciBaglanti b(secilen);
        QSqlDatabase kaynak = b.db();
        hata = b.acik ? kopyala(kaynak, hedef) : b.hata;
    }
    if (!hata.isEmpty()) {
        qWarning("Geri yükleme: %s", qPrintable(hata));
        bilgiMesaji(QStringLiteral("Geri yükleme hatası: ") + hata);
        myConnAc(hedef);
        return GeriYukleme::Basarisiz;
    }
    bilgiMesaji(QStringLiteral("Geri yükleme başarılı! Program yeniden başlatılıyor..."));
    return GeriYukleme::Basarili;
}
