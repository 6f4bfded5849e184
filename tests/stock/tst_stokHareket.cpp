// Stock entries and exits, the movement list's totals and the deletion of a movement, without
// a window.
#include "core/gridModeli.h"
#include "core/senaryoEtkilesim.h"
#include "stock/stokHareket.h"
#include "stock/stokIslem.h"
#include "stokFikstur.h"

#include <QSqlQueryModel>

using namespace stokFikstur;

class TstStokHareket : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestKurulumu> kurulum;
    qint64 urun = 0;

    static QDateTime bas() { return QDateTime(QDate(2019, 1, 1), QTime(0, 0)); }

private slots:
    void init()
    {
        kurulum = std::make_unique<TestKurulumu>();
        QVERIFY2(kurulum->hazir(), qPrintable(kurulum->hata));
        yoneticiOl();
        urun = urunEkle({{"stokkodu", "S1"},
                         {"stokadi", "Süt"},
                         {"alisfiyat", 12.0},
                         {"satisfiyat1", 20.0},
                         {"kdv", 10}});
    }
    void cleanup() { kurulum.reset(); }

    void girisVeCikis_data()
    {
        QTest::addColumn<QString>("baslik");
        QTest::addColumn<QString>("miktar");
        QTest::addColumn<QString>("alis");
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QString>("gc");
        QTest::addColumn<double>("tutar"); // the payment: one unit's price, not the line's
        QTest::newRow("5 adet giriş") << "Stok Giriş"
                                      << "5"
                                      << "12"
                                      << "SG"
                                      << "G" << 12.0;
        // The price typed here is this movement's, never the card's.
        QTest::newRow("giriş başka alış fiyatıyla") << "Stok Giriş"
                                                    << "5"
                                                    << "15,5"
                                                    << "SG"
                                                    << "G" << 15.5;
        QTest::newRow("çıkış ondalık miktar") << "Stok Çıkış"
                                              << "2,5"
                                              << "12"
                                              << "SC"
                                              << "C" << 20.0;
    }
    void girisVeCikis()
    {
        QFETCH(QString, baslik);
        QFETCH(QString, miktar);
        QFETCH(QString, alis);
        QFETCH(QString, kod);
        QFETCH(QString, gc);
        QFETCH(double, tutar);
        StokIslem islem;
        QVERIFY(islem.urunAc(urun));
        const QDateTime tarih(QDate(2024, 3, 5), QTime(10, 30));
        SenaryoEtkilesim s;
        QVERIFY(islem.kaydet(baslik, tarih, miktar, alis, QStringLiteral("sayım farkı")));
        QCOMPARE(s.metinler(), QStringList{"Kayıt Başarılı"});

        QSqlQuery f = calistir(QStringLiteral("select * from fatura where tipi='") + kod + "'");
        QVERIFY(f.next());
        const qint64 faturaId = f.value("id").toLongLong();
        QCOMPARE(f.value("faturano").toString(), kod + QString::number(faturaId));
        QCOMPARE(f.value("cariid").toInt(), -98);
        QCOMPARE(tarihOku(f.value("tarih")), tarih);
        QVERIFY(tarihOku(f.value("vadetarihi")).secsTo(QDateTime::currentDateTime()) < 60);
        QCOMPARE(f.value("personelid").toInt(), 1);
        QCOMPARE(f.value("aciklama").toString(), QStringLiteral("sayım farkı"));

        QSqlQuery o = calistir(QStringLiteral("select odeme.tutar, odemetipi.adi from odeme join "
                                              "odemetipi on odemetipi.id=odeme.odemetipid "
                                              "where odeme.id=") +
                               f.value("odemeid").toString());
        QVERIFY(o.next());
        QCOMPARE(o.value(0).toDouble(), tutar);
        QCOMPARE(o.value(1).toString(), QStringLiteral("CARİ"));

        QSqlQuery h = calistir(QStringLiteral("select * from stokhar where faturaid=") +
                               QString::number(faturaId));
        QVERIFY(h.next());
        QCOMPARE(h.value("stokid").toLongLong(), urun);
        QCOMPARE(h.value("tipi").toString(), kod);
        QCOMPARE(h.value("gckodu").toString(), gc);
        QCOMPARE(h.value("miktar").toDouble(), StokIslem::miktarOku(miktar));
        QCOMPARE(h.value("fiyat").toDouble(), 20.0);
        QCOMPARE(h.value("alisfiyat").toDouble(), sayiOku(alis));
        QCOMPARE(h.value("kdv").toInt(), 10);
        QCOMPARE(tarihOku(h.value("tarih")), tarih);
        QVERIFY(!h.next());
        QCOMPARE(sayi("select alisfiyat from stok where id=" + QString::number(urun)), 12);
    }

    void kaydedilmeyenler_data()
    {
        QTest::addColumn<QString>("miktar");
        QTest::newRow("sıfır") << "0";
        QTest::newRow("boş") << "";
        QTest::newRow("nokta sayı değil") << "2.5";
        QTest::newRow("iki virgül") << "1,2,3";
    }
    void kaydedilmeyenler()
    {
        QFETCH(QString, miktar);
        StokIslem islem;
        QVERIFY(islem.urunAc(urun));
        QString alis = QStringLiteral("12");
        SenaryoEtkilesim s;
        QVERIFY(!islem.kaydet(QStringLiteral("Stok Giriş"), QDateTime::currentDateTime(), miktar,
                              alis, {}));
        QCOMPARE(s.metinler(), QStringList());
        QCOMPARE(sayi("select count(*) from odeme") + sayi("select count(*) from fatura") +
                     sayi("select count(*) from stokhar"),
                 0);
    }

    void bosAlisFiyatiSifirOlur()
    {
        StokIslem islem;
        QVERIFY(islem.urunAc(urun));
        QString alis;
        SenaryoEtkilesim s;
        QVERIFY(islem.kaydet(QStringLiteral("Stok Giriş"), QDateTime::currentDateTime(),
                             QStringLiteral("1"), alis, {}));
        QCOMPARE(alis, QStringLiteral("0"));
        QCOMPARE(sayi("select count(*) from odeme where tutar=0"), 1);
    }

    void yarimKayitKalmaz_data()
    {
        QTest::addColumn<QString>("hazirlik");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("CARİ ödeme tipi yok") << "delete from odemetipi where adi='CARİ'"
                                             << "odemeid boş";
        QTest::newRow("hareket satırı yazılamaz")
            << "create trigger bozuk before insert on stokhar begin select raise(abort, "
               "'disk dolu'); end"
            << "Hata: disk dolu";
    }
    void yarimKayitKalmaz()
    {
        QFETCH(QString, hazirlik);
        QFETCH(QString, mesaj);
        TestKurulumu::sql(hazirlik);
        StokIslem islem;
        QVERIFY(islem.urunAc(urun));
        QString alis = QStringLiteral("12");
        SenaryoEtkilesim s;
        QVERIFY(!islem.kaydet(QStringLiteral("Stok Giriş"), QDateTime::currentDateTime(),
                              QStringLiteral("5"), alis, {}));
        QVERIFY2(s.metinler().value(0).startsWith(mesaj), qPrintable(s.metinler().join('|')));
        QCOMPARE(sayi("select count(*) from odeme"), 0);
        QCOMPARE(sayi("select count(*) from fatura"), 0);
        QCOMPARE(sayi("select count(*) from stokhar"), 0);
    }

    void toplamlar()
    {
        // 10 entered, 3 sold at the till, 2 taken out; one old entry outside the dates.
        hareketEkle(urun, QStringLiteral("SG"), QStringLiteral("G"), 10, 12);
        hareketEkle(urun, QStringLiteral("HS"), QStringLiteral("C"), 3, 20);
        hareketEkle(urun, QStringLiteral("SC"), QStringLiteral("C"), 2, 20);
        hareketEkle(urun, QStringLiteral("SG"), QStringLiteral("G"), 100, 1,
                    QDateTime(QDate(2018, 6, 1), QTime(9, 0)));
        StokHareketleri h;
        GridModeli grid;
        grid.setSourceModel(h.model());
        grid.setSutunlar({{QStringLiteral("adi"), {}, GridBicim::Metin},
                          {QStringLiteral("miktar"), {}, GridBicim::Sayi}});
        h.listele(urun, bas(), QDateTime::currentDateTime());
        HareketToplamlari t = StokHareketleri::toplamlar(grid);
        QCOMPARE(t.kalanMetni(), QStringLiteral("5"));
        QCOMPARE(t.girenMetni(), QStringLiteral("10 / 12 TL"));
        QCOMPARE(t.cikanMetni(), QStringLiteral("5 / 40 TL")); // prices summed as stored
        QCOMPARE(t.toplamMetni(), QStringLiteral("52 TL"));
        QVERIFY(t.baslikMetni().endsWith(QStringLiteral("Stok Kalan   =5")));

        // Only the rows the grid shows count.
        grid.setSutunFiltresi(QStringLiteral("adi"), QStringLiteral("stok"));
        t = StokHareketleri::toplamlar(grid);
        QCOMPARE(t.girenMetni(), QStringLiteral("10 / 12 TL"));
        QCOMPARE(t.cikanMetni(), QStringLiteral("2 / 20 TL"));
        QCOMPARE(t.kalanMetni(), QStringLiteral("8"));
        grid.filtreleriTemizle();

        // The old entry appears once the from-date goes back.
        h.listele(urun, QDateTime(QDate(2018, 1, 1), QTime(0, 0)), QDateTime::currentDateTime());
        QCOMPARE(StokHareketleri::toplamlar(grid).kalanMetni(), QStringLiteral("105"));
    }

    void onGirisUcSatis()
    {
        hareketEkle(urun, QStringLiteral("SG"), QStringLiteral("G"), 10, 12);
        hareketEkle(urun, QStringLiteral("HS"), QStringLiteral("C"), 3, 20);
        StokHareketleri h;
        GridModeli grid;
        grid.setSourceModel(h.model());
        h.listele(urun, bas(), QDateTime::currentDateTime());
        const HareketToplamlari t = StokHareketleri::toplamlar(grid);
        QCOMPARE(t.kalanMetni(), QStringLiteral("7"));
        QCOMPARE(t.baslikMetni(),
                 QStringLiteral("ürün Bilgileri                     Stok Kalan   =7"));
    }

    void hareketSilme()
    {
        const qint64 hs = hareketEkle(urun, QStringLiteral("HS"), QStringLiteral("C"), 3, 20);
        const qint64 sg = hareketEkle(urun, QStringLiteral("SG"), QStringLiteral("G"), 10, 12,
                                      QDateTime::currentDateTime().addSecs(-30));
        StokHareketleri h;
        GridModeli grid;
        grid.setSourceModel(h.model());
        h.listele(urun, bas(), QDateTime::currentDateTime());
        auto satiri = [&](qint64 fatura) {
            for (int r = 0; r < grid.rowCount(); ++r)
                if (grid.deger(r, QStringLiteral("faturaid")).toLongLong() == fatura)
                    return r;
            return -1;
        };
        {
            SenaryoEtkilesim s;
            QVERIFY(!h.sil(grid, satiri(hs)));
            QCOMPARE(s.metinler(),
                     QStringList{
                         "Hızlı satış işlemleri; Hızlı Satış Raporları ekranından silinebilir.."});
            QVERIFY(!h.sil(grid, -1)); // no current row: nothing at all
            QCOMPARE(s.metinler().size(), 1);
        }
        {
            kasiyerOl({QStringLiteral("STOKGUNCELLE")});
            SenaryoEtkilesim s;
            QVERIFY(!h.sil(grid, satiri(sg)));
            QCOMPARE(s.metinler(), QStringList{"Bu işlem için yetkiniz yoktur.."});
            yoneticiOl();
        }
        {
            SenaryoEtkilesim s; // "HAYIR"
            QVERIFY(!h.sil(grid, satiri(sg)));
            QCOMPARE(s.metinler(),
                     QStringList{"Seçili olan hareket tamamen silinecek. Eminmisiniz?"});
        }
        const QString odeme =
            TestKurulumu::deger("select odemeid from fatura where id=" + QString::number(sg))
                .toString();
        SenaryoEtkilesim s;
        s.cevaplar.enqueue(true);
        QVERIFY(h.sil(grid, satiri(sg)));
        const QString f = QString::number(sg);
        QCOMPARE(sayi("select count(*) from stokhar where faturaid=" + f), 0);
        QCOMPARE(sayi("select count(*) from carihar where faturaid=" + f), 0);
        QCOMPARE(sayi("select count(*) from odeme where id=" + odeme), 0);
        QCOMPARE(sayi("select count(*) from fatura where id=" + f), 1); // the header stays
        QCOMPARE(satiri(sg), -1);                                       // listed again
        QVERIFY(satiri(hs) >= 0);
        QCOMPARE(sayi("select count(*) from stokhar where faturaid=" + QString::number(hs)), 1);
    }

    void silmeYarimKalmaz()
    {
        const qint64 sg = hareketEkle(urun, QStringLiteral("SG"), QStringLiteral("G"), 10, 12);
        TestKurulumu::sql(QStringLiteral("create trigger kilit before delete on odeme begin select "
                                         "raise(abort, 'kilitli'); end"));
        StokHareketleri h;
        GridModeli grid;
        grid.setSourceModel(h.model());
        h.listele(urun, bas(), QDateTime::currentDateTime());
        SenaryoEtkilesim s;
        s.cevaplar.enqueue(true);
        QVERIFY(!h.sil(grid, 0));
        QVERIFY(s.metinler().last().startsWith(QStringLiteral("Hata: kilitli")));
        QCOMPARE(sayi("select count(*) from stokhar where faturaid=" + QString::number(sg)), 1);
        QCOMPARE(sayi("select count(*) from carihar where faturaid=" + QString::number(sg)), 1);
    }
};

QTEST_GUILESS_MAIN(TstStokHareket)
#include "tst_stokHareket.moc"
