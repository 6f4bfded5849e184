#include "core/ayarDosyasi.h"
#include "core/platform.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstAyarDosyasi : public QObject
{
    Q_OBJECT

    QTemporaryDir kurulum;

    static void dosyaYaz(const QByteArray& veri)
    {
        QFile f(AyarDosyasi::yol());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(veri);
    }
    static QByteArray dosyaOku()
    {
        QFile f(AyarDosyasi::yol());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(kurulum.isValid());
        kurulumKlasoruAyarla(kurulum.path());
    }
    void cleanup() { QFile::remove(AyarDosyasi::yol()); }

    void metniCoz_test_data()
    {
        QTest::addColumn<QByteArray>("veri");
        QTest::addColumn<QStringList>("satirlar");
        QTest::newRow("boş") << QByteArray() << QStringList();
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("son satır sonsuz") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("boş satırlar") << QByteArray("\r\n\r\nc\r\n") << QStringList{"", "", "c"};
        QTest::newRow("boşluklar korunur") << QByteArray(" a \r\n") << QStringList{" a "};
        QTest::newRow("UTF-8") << QByteArray("Sa\xC4\x9F"
                                             "da\r\nK\xC3\xBC\xC3\xA7\xC3\xBCk\r\n")
                               << QStringList{"Sağda", "Küçük"};
        QTest::newRow("UTF-8 BOM") << QByteArray("\xEF\xBB\xBF"
                                                 "COM1\r\n")
                                   << QStringList{"COM1"};
        // Files of the older Windows tills are in the Turkish code page.
        QTest::newRow("1254") << QByteArray("Sat\xFD\xFE Ekran\xFD Sa\xF0"
                                            "da\r\n\xDDPTAL")
                              << QStringList{"Satış Ekranı Sağda", "İPTAL"};
        QTest::newRow("1254, sonu harf") << QByteArray("Sa\xF0") << QStringList{"Sağ"};
    }
    void metniCoz_test()
    {
        QFETCH(QByteArray, veri);
        QFETCH(QStringList, satirlar);
        QCOMPARE(AyarDosyasi::metniCoz(veri), satirlar);
    }

    void eksikSatirlarVarsayilan()
    {
        AyarDosyasi yok = AyarDosyasi::oku();
        QVERIFY(!yok.varMi());
        QCOMPARE(yok.satirSayisi(), 0);
        QCOMPARE(yok.barkodSayaci(), QStringLiteral("1000000"));
        QCOMPARE(yok.barkodTuru(), QStringLiteral("3"));
        QCOMPARE(yok.pluBoyutu(), QStringLiteral("Orta"));
        QCOMPARE(yok.teraziPortu(), QString());

        dosyaYaz(" 1000042 \r\n\r\n");
        const AyarDosyasi kisa = AyarDosyasi::oku();
        QVERIFY(kisa.varMi());
        QCOMPARE(kisa.barkodSayaci(), QStringLiteral("1000042"));
        // A line that is there but empty is read as empty, not as the default.
        QCOMPARE(kisa.barkodTuru(), QString());
        QCOMPARE(kisa.satir(1, QStringLiteral("0")), QString());
        QCOMPARE(kisa.satir(2, QStringLiteral("0")), QStringLiteral("0"));
        QCOMPARE(kisa.pluBoyutu(), QStringLiteral("Orta"));
    }

    void ayarlarKaydedilir()
    {
        // An older file: Turkish code page, padded numbers, values the window replaces.
        dosyaYaz(" 1000123 \r\n 1 \r\nx\r\nCOM2\r\nTEM EGE\r\nSat\xFD\xFE Ekran\xFD Solda\r\n");
        const AyarDosyasi::CihazAyarlari a{QStringLiteral("COM4"), QStringLiteral("Cas Sürekli"),
                                           QStringLiteral("Satış Ekranı Sağda"),
                                           QStringLiteral("Çok Küçük"), QStringLiteral("BEKO X30")};
        QVERIFY(AyarDosyasi::cihazAyarlariniKaydet(a));
        QCOMPARE(dosyaOku(), QStringLiteral("1000123\r\n1\r\ndeneme\r\nCOM4\r\nCas Sürekli\r\n"
                                            "Satış Ekranı Sağda\r\nÇok Küçük\r\nBEKO X30\r\n"
                                            "YNBaglanti\r\n")
                                 .toUtf8());

        const AyarDosyasi geri = AyarDosyasi::oku();
        QCOMPARE(geri.satirSayisi(), 9);
        QCOMPARE(geri.teraziPortu(), a.teraziPortu);
        QCOMPARE(geri.teraziModeli(), a.teraziModeli);
        QCOMPARE(geri.satisEkraniPozisyonu(), a.satisEkraniPozisyonu);
        QCOMPARE(geri.pluBoyutu(), a.pluBoyutu);
        QCOMPARE(geri.yeniNesilKasa(), a.yeniNesilKasa);
    }

    void ilkKayitVarsayilanlarla()
    {
        QVERIFY(AyarDosyasi::cihazAyarlariniKaydet({}));
        QCOMPARE(dosyaOku(),
                 QByteArray("1000000\r\n3\r\ndeneme\r\n\r\n\r\n\r\n\r\n\r\nYNBaglanti\r\n"));
    }

    // The stock card's barcode counter: a missing file becomes a two-line one.
    void satirGuncellenir()
    {
        AyarDosyasi a = AyarDosyasi::oku();
        a.satirAyarla(0, QStringLiteral("1000001"));
        a.satirAyarla(1, a.barkodTuru());
        QVERIFY(a.kaydet());
        QCOMPARE(dosyaOku(), QByteArray("1000001\r\n3\r\n"));

        a.satirAyarla(3, QStringLiteral("COM1"));
        QVERIFY(a.kaydet());
        QCOMPARE(AyarDosyasi::oku().satirlar, QStringList({"1000001", "3", "", "COM1"}));
    }
};

QTEST_GUILESS_MAIN(TstAyarDosyasi)
#include "tst_ayarDosyasi.moc"
