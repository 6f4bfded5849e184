#include "../ortak/fikstur.h"
#include "core/bicim.h"
#include "core/oturum.h"
#include "core/senaryoEtkilesim.h"
#include "core/veritabani.h"

#include <QSqlQuery>
#include <QTest>

class TstOrtakRutinler : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        k = std::make_unique<TestKurulumu>();
        QVERIFY2(k->hazir(), qPrintable(k->hata));
    }
    void cleanup() { k.reset(); }

    void yeniNoAl_test()
    {
        QCOMPARE(yeniNoAl(QString()), QString());
        QCOMPARE(yeniNoAl(QStringLiteral("marka")), QStringLiteral("1"));
        TestKurulumu::sql(QStringLiteral("insert into marka (id, adi) values (41, 'X')"));
        QCOMPARE(yeniNoAl(QStringLiteral("marka")), QStringLiteral("42"));
        QVERIFY_THROWS_EXCEPTION(VeritabaniHatasi, yeniNoAl(QStringLiteral("olmayanTablo")));
    }

    void aramalar()
    {
        TestKurulumu::sql(QStringLiteral(
            "insert into cari (id, carikodu, cariadi, tip) values (7, 'C7', 'O''Neil', 1)"));
        QCOMPARE(cariIdBul(QStringLiteral("PERAKENDE")), QStringLiteral("-99"));
        QCOMPARE(cariIdBul(QStringLiteral("O'Neil")), QStringLiteral("7"));
        QCOMPARE(cariIdBul(QStringLiteral("Yok")), QString());
        // A quote must neither break the statement nor widen it.
        QCOMPARE(cariIdBul(QStringLiteral("x' or '1'='1")), QString());

        QCOMPARE(degerGetir("cari", "cariadi", "O'Neil", "carikodu"), QStringLiteral("C7"));
        QCOMPARE(degerGetir("cari", "cariadi", "Kimse", "carikodu"), QStringLiteral("Veri Yok"));
        QCOMPARE(degerGetir("olmayan", "id", "1", "adi"), QStringLiteral("Hata"));
        QCOMPARE(degerGetir("ayarlar", "id", "1", "skin"), QString());

        QVERIFY(kayitVarMi("cari", "cariadi", "O'Neil"));
        QVERIFY(!kayitVarMi("cari", "cariadi", "O'Nei"));
        QVERIFY(!kayitVarMi("olmayan", "id", "1"));

        QCOMPARE(sqlMetni(QStringLiteral("O'Neil")), QStringLiteral("'O''Neil'"));
    }

    void sorguOlustur_test()
    {
        QVERIFY(!sorguOlustur(QStringLiteral("select * from olmayan"), true));
        auto q = sorguOlustur(QStringLiteral("select id from cari where id=:id"), false);
        QVERIFY(q);
        q->bindValue(QStringLiteral(":id"), -97);
        QVERIFY(q->exec() && q->next());
        QCOMPARE(q->value(0).toInt(), -97);
    }

    void odemeEkle_test()
    {
        SenaryoEtkilesim s;
        const int once = TestKurulumu::deger(QStringLiteral("select count(*) from odeme")).toInt();
        QCOMPARE(odemeEkle(QStringLiteral("ALTIN"), 10.0), QString());
        QCOMPARE(odemeEkle(QString(), 10.0), QString());
        QCOMPARE(TestKurulumu::deger(QStringLiteral("select count(*) from odeme")).toInt(), once);

        const QString id = odemeEkle(QStringLiteral("KREDİ KARTI"), 12.5);
        QVERIFY(!id.isEmpty());
        QSqlQuery q(myConn());
        QVERIFY(q.exec(QStringLiteral("select o.tutar, t.adi from odeme o join odemetipi t on "
                                      "t.id=o.odemetipid where o.id=") +
                       id));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toDouble(), 12.5);
        QCOMPARE(q.value(1).toString(), QStringLiteral("KREDİ KARTI"));
        q.finish();
        QVERIFY(s.kayitlar.isEmpty());

        // A failing insert is reported through the plain box and yields no id.
        TestKurulumu::sql(QStringLiteral("drop table odeme"));
        QCOMPARE(odemeEkle(QStringLiteral("NAKİT"), 1.0), QString());
        QCOMPARE(s.kayitlar.size(), 1);
        QVERIFY(s.kayitlar[0].duz && s.kayitlar[0].metin.startsWith(QStringLiteral("Hata: ")));
    }

    void yetkiKontrol_test()
    {
        SenaryoEtkilesim s;
        oturumuKapat();
        kullaniciYetkileri = {QStringLiteral("STOKLISTE")};
        QVERIFY(yetkiKontrol(QStringLiteral("STOKLISTE")));
        QVERIFY(!yetkiKontrol(QStringLiteral("stokliste")));
        QVERIFY(!yetkiKontrol(QStringLiteral("HSRAPOR")));
        QCOMPARE(s.metinler(), QStringList(2, QStringLiteral("Bu işlem için yetkiniz yoktur..")));

        s.kayitlar.clear();
        kullaniciYetkileri.clear();
        yoneticiMi = true;
        QVERIFY(yetkiKontrol(QStringLiteral("VTGRYUKLE")));
        QVERIFY(s.kayitlar.isEmpty());
        oturumuKapat();
    }

    void islemKoruyucu()
    {
        const auto sayi = [] {
            return TestKurulumu::deger(QStringLiteral("select count(*) from marka")).toInt();
        };
        try {
            IslemKoruyucu islem;
            TestKurulumu::sql(QStringLiteral("insert into marka (adi) values ('A')"));
            calistir(QStringLiteral("insert into olmayan values (1)"));
            islem.onayla();
        } catch (const VeritabaniHatasi&) {
        }
        QCOMPARE(sayi(), 0);
        {
            IslemKoruyucu islem;
            TestKurulumu::sql(QStringLiteral("insert into marka (adi) values ('B')"));
            islem.onayla();
        }
        QCOMPARE(sayi(), 1);
    }

    void bicimler_data()
    {
        QTest::addColumn<double>("deger");
        QTest::addColumn<QString>("para");
        QTest::addColumn<QString>("sayi");
        QTest::newRow("binler") << 1234.5 << "1.234,50"
                                << "1234,5";
        QTest::newRow("tam") << 3.0 << "3,00"
                             << "3";
        QTest::newRow("gram") << 0.765 << "0,77"
                              << "0,765";
        QTest::newRow("milyon") << 1234567.891 << "1.234.567,89"
                                << "1234567,891";
        QTest::newRow("eksi") << -12.5 << "-12,50"
                              << "-12,5";
        QTest::newRow("eksi sifir") << -0.001 << "0,00"
                                    << "-0,001";
    }
    void bicimler()
    {
        QFETCH(double, deger);
        QFETCH(QString, para);
        QFETCH(QString, sayi);
        QCOMPARE(paraBicim(deger), para);
        QCOMPARE(sayiBicim(deger), sayi);
        bool tamam = false;
        QCOMPARE(sayiOku(para, &tamam), std::round(deger * 100) / 100 + 0.0);
        QVERIFY(tamam);
    }

    void turkceHarfler()
    {
        QCOMPARE(trBuyukHarf(QStringLiteral("istanbul ılık")), QStringLiteral("İSTANBUL ILIK"));
        QCOMPARE(trKucukHarf(QStringLiteral("İZMİR IĞDIR")), QStringLiteral("izmir ığdır"));
        bool tamam = true;
        sayiOku(QStringLiteral("on iki"), &tamam);
        QVERIFY(!tamam);
        QCOMPARE(sayiOku(QStringLiteral("7.5")), 7.5);
    }

    // Stored date-times sort as text in time order, across the day and the year.
    void tarihSirasi()
    {
        const QDateTime a(QDate(2025, 12, 31), QTime(23, 59, 59, 999));
        const QDateTime b(QDate(2026, 1, 1), QTime(0, 0, 0, 1));
        const QDateTime c(QDate(2026, 1, 1), QTime(9, 5));
        QVERIFY(tarihMetni(a) < tarihMetni(b) && tarihMetni(b) < tarihMetni(c));
        QCOMPARE(tarihMetni(c), QStringLiteral("2026-01-01 09:05:00.000"));
        QCOMPARE(tarihOku(tarihMetni(a)), a);

        QSqlQuery q(myConn());
        QVERIFY(q.prepare(QStringLiteral("insert into fatura (tarih, tipi) values (:t, 'HS')")));
        for (const QDateTime& t : {c, a, b}) {
            tarihBagla(q, QStringLiteral(":t"), t);
            QVERIFY(q.exec());
        }
        QSqlQuery r(myConn());
        r.prepare(QStringLiteral("select count(*), max(tarih) from fatura where tarih >= :t1 and "
                                 "tarih <= :t2"));
        tarihBagla(r, QStringLiteral(":t1"), QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
        tarihBagla(r, QStringLiteral(":t2"), QDateTime(QDate(2026, 1, 1), QTime(23, 59, 59)));
        QVERIFY(r.exec() && r.next());
        QCOMPARE(r.value(0).toInt(), 2);
        QCOMPARE(tarihOku(r.value(1)), c);
    }

private:
    std::unique_ptr<TestKurulumu> k;
};

QTEST_GUILESS_MAIN(TstOrtakRutinler)
#include "tst_ortakRutinler.moc"
