#include "../ortak/fikstur.h"
#include "core/senaryoEtkilesim.h"
#include "core/veritabani.h"
#include "core/yedek.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace
{
void dosyaYaz(const QString& yol, const QByteArray& icerik)
{
    QFile f(yol);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(icerik);
}

int markaSayisi()
{
    return TestKurulumu::deger(QStringLiteral("select count(*) from marka")).toInt();
}
} // namespace

class TstYedek : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        k = std::make_unique<TestKurulumu>();
        QVERIFY2(k->hazir(), qPrintable(k->hata));
        TestKurulumu::sql(QStringLiteral("insert into marka (adi) values ('Mevcut')"));
    }
    void cleanup() { k.reset(); }

    void dosyaAdi()
    {
        QCOMPARE(yedekDosyaAdi(QDateTime(QDate(2025, 3, 14), QTime(9, 5, 59))),
                 QStringLiteral("Torvel_Yedek_20250314_0905.db"));
    }

    // The copy is a consistent database with the data, and replaces an existing file.
    void yedekle()
    {
        SenaryoEtkilesim s;
        const QString hedef = k->yol(QStringLiteral("yedekler/Torvel_Yedek_1.db"));
        QDir().mkpath(QFileInfo(hedef).path());
        dosyaYaz(hedef, "eski içerik");
        QVERIFY(veritabaniYedekle(hedef));
        QCOMPARE(s.metinler(), QStringList{QStringLiteral("Yedekleme başarılı!\r\n") + hedef});
        QCOMPARE(yedekDogrula(hedef), QString());
        QVERIFY(myConn().isOpen());
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "kontrol");
            db.setDatabaseName(hedef);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("select adi from marka")) && q.next());
            QCOMPARE(q.value(0).toString(), QStringLiteral("Mevcut"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("kontrol"));
        // No stray temporary file is left beside it.
        QCOMPARE(QDir(QFileInfo(hedef).path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

        s.kayitlar.clear();
        QVERIFY(!veritabaniYedekle(k->yol(QStringLiteral("olmayan/klasor/y.db"))));
        QCOMPARE(
            s.metinler(),
            QStringList{QStringLiteral("Yedekleme başarısız! Dosya kopyalanamadı.\r\nKaynak: ") +
                        k->dbYolu()});
        QVERIFY(!veritabaniYedekle(k->dbYolu()));
        QCOMPARE(markaSayisi(), 1);
    }

    void gecersizYedekReddedilir_data()
    {
        QTest::addColumn<QString>("tur");
        QTest::addColumn<QString>("mesajBasi");
        QTest::newRow("metin") << "metin"
                               << "Seçilen dosya bozuk veya bir veritabanı değil.";
        QTest::newRow("boş") << "bos"
                             << "Seçilen dosya bir Torvel Shop veritabanı değil";
        QTest::newRow("yabancı") << "yabanci"
                                 << "Seçilen dosya bir Torvel Shop veritabanı değil";
        QTest::newRow("bozuk") << "bozuk"
                               << "Seçilen dosya bozuk veya bir veritabanı değil.";
        QTest::newRow("yok") << "yok"
                             << "Seçilen dosya bulunamadı";
    }
    void gecersizYedekReddedilir()
    {
        QFETCH(QString, tur);
        QFETCH(QString, mesajBasi);
        const QString dosya = k->yol(QStringLiteral("secilen.db"));
        if (tur == QLatin1String("metin")) {
            dosyaYaz(dosya, "Bu bir veritabanı değil, bir alışveriş listesi.\n");
        } else if (tur == QLatin1String("bos")) {
            dosyaYaz(dosya, QByteArray());
        } else if (tur == QLatin1String("yabanci")) {
            QCOMPARE(sqlIleVeritabaniYap(dosya, "create table kitap (id integer, ad text);"),
                     QString());
        } else if (tur == QLatin1String("bozuk")) {
            // A real backup with its pages overwritten in the middle.
            QCOMPARE(sqlIleVeritabaniYap(dosya, betikMetni()), QString());
            QFile f(dosya);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.size() > 8192);
            f.seek(4096);
            f.write(QByteArray(f.size() - 8192, '\xA5'));
        }
        SenaryoEtkilesim s;
        s.cevaplar.enqueue(true);
        QCOMPARE(veritabaniGeriYukle(dosya), GeriYukleme::Reddedildi);
        QCOMPARE(s.kayitlar.size(), 1);
        QVERIFY2(s.kayitlar[0].metin.startsWith(mesajBasi), qPrintable(s.kayitlar[0].metin));
        // Nothing was asked and the current database is untouched and still in use.
        QCOMPARE(s.cevaplar.size(), 1);
        QVERIFY(myConn().isOpen());
        QCOMPARE(markaSayisi(), 1);
        QCOMPARE(QDir(k->klasor()).entryList({QStringLiteral("db_GeriYukleOncesi_*")}).size(), 0);
    }

    void geriYukle()
    {
        const QString secilen = k->yol(QStringLiteral("Torvel_Yedek_eski.db"));
        QCOMPARE(sqlIleVeritabaniYap(
                     secilen,
                     betikMetni() + QStringLiteral("insert into marka (adi) values ('Yedekteki');"
                                                   "insert into marka (adi) values ('İkinci');")),
                 QString());

        // "HAYIR" changes nothing.
        {
            SenaryoEtkilesim s;
            s.cevaplar.enqueue(false);
            QCOMPARE(veritabaniGeriYukle(secilen), GeriYukleme::Vazgecildi);
            QCOMPARE(s.metinler(),
                     QStringList{QStringLiteral("Mevcut tüm veriler SEÇİLEN YEDEKLE "
                                                "değiştirilecek!\r\nKaynak: Torvel_Yedek_eski.db"
                                                "\r\nBu işlem GERİ ALINAMAZ. Devam edilsin mi?")});
            QCOMPARE(markaSayisi(), 1);
        }

        SenaryoEtkilesim s;
        s.cevaplar.enqueue(true);
        QCOMPARE(veritabaniGeriYukle(secilen), GeriYukleme::Basarili);
        QCOMPARE(s.kayitlar.last().metin,
                 QStringLiteral("Geri yükleme başarılı! Program yeniden başlatılıyor..."));
        QVERIFY(!myConn().isOpen());

        // db.db now holds the backup; the replaced database is kept as a dated copy.
        QCOMPARE(myConnAc(k->dbYolu()), QString());
        QCOMPARE(markaSayisi(), 2);
        const QStringList guvenlik =
            QDir(k->klasor()).entryList({QStringLiteral("db_GeriYukleOncesi_*.db")});
        QCOMPARE(guvenlik.size(), 1);
        myConnKapat();
        QCOMPARE(myConnAc(k->yol(guvenlik.first())), QString());
        QCOMPARE(TestKurulumu::deger("select adi from marka").toString(), QStringLiteral("Mevcut"));
    }

private:
    std::unique_ptr<TestKurulumu> k;
};

QTEST_GUILESS_MAIN(TstYedek)
#include "tst_yedek.moc"
