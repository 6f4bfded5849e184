#include "core/oturum.h"

#include "core/bicim.h"
#include "core/etkilesim.h"
#include "core/veritabani.h"

#include <QDateTime>
#include <QSqlError>
#include <QVariant>

int aktifKullaniciId = 0;
bool yoneticiMi = false;
QStringList kullaniciYetkileri;

void oturumuKapat()
{
    aktifKullaniciId = 0;
    yoneticiMi = false;
    kullaniciYetkileri.clear();
}

int girisKontrol(const QString& kullanici, const QString& sifre)
{
    auto q =
        sorguOlustur(QStringLiteral("select * from user where user= :user and pass= :pass"), false);
    if (!q)
        throw VeritabaniHatasi(myConn().lastError().text());
    q->bindValue(QStringLiteral(":user"), kullanici);
    q->bindValue(QStringLiteral(":pass"), sifre);
    calistir(*q);
    return q->next() ? q->value(QStringLiteral("id")).toInt() : 0;
}

std::optional<QString> yetkileriAyarla()
{
    if (aktifKullaniciId <= 0)
        return std::nullopt;
    const QString id = QString::number(aktifKullaniciId);
    QSqlQuery q = calistir(QStringLiteral("select * from user where id=") + id);
    if (!q.next())
        return std::nullopt;
    yoneticiMi = q.value(QStringLiteral("admin")).toInt() == 1;
    QString durum = QStringLiteral("Kullanıcı ID: ") + id + QStringLiteral(" / Ad Soyad: ") +
                    q.value(QStringLiteral("ad")).toString() + QLatin1Char(' ') +
                    q.value(QStringLiteral("soyad")).toString() + QStringLiteral(" / Ünvan: ") +
                    q.value(QStringLiteral("unvan")).toString();
    if (yoneticiMi)
        durum += QStringLiteral(" / Yetki: YÖNETİCİ");
    q.finish();

    QSqlQuery son(myConn());
    son.prepare(QStringLiteral("update user set sonLogin=:zaman where id=") + id);
    tarihBagla(son, QStringLiteral(":zaman"), QDateTime::currentDateTime());
    calistir(son);

    QSqlQuery y = calistir(QStringLiteral("SELECT yetkiler.YETKIKISAAD FROM yetkiler INNER JOIN "
                                          "useryetki ON yetkiler.id = useryetki.yetkiid WHERE "
                                          "useryetki.userid=") +
                           id);
    QStringList kodlar;
    while (y.next())
        kodlar << y.value(0).toString();
    // No grant leaves the list as the login window emptied it.
    if (!kodlar.isEmpty())
        kullaniciYetkileri = kodlar;
    return durum;
}

bool yetkiKontrol(const QString& kod)
{
    if (yoneticiMi || kullaniciYetkileri.contains(kod, Qt::CaseSensitive))
        return true;
    bilgiMesaji(QStringLiteral("Bu işlem için yetkiniz yoktur.."));
    return false;
}
