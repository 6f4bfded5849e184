#include "../ortak/fikstur.h"
#include "core/ayarlar.h"
#include "core/loginFormF.h"
#include "core/mainFormF.h"
#include "core/oturum.h"
#include "core/platform.h"
#include "core/senaryoEtkilesim.h"
#include "core/skin.h"
#include "core/veritabani.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TstBaslangic : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        myConnKapat();
        oturumuKapat();
    }

    void tekKopya()
    {
        const QString ad =
            QStringLiteral("Torvel_Test_") + QString::number(QCoreApplication::applicationPid());
        TekKopyaKilidi ilk(ad), ikinci(ad);
        QVERIFY(ilk.al());
        QVERIFY(!ikinci.al());
        ilk.birak();
        QVERIFY(ikinci.al());
        ikinci.birak();
    }

    // The lock of a copy that crashed is taken over.
    void eskiKilitDevralinir()
    {
        QProcess p;
        p.start(QStringLiteral("/bin/true"));
        QVERIFY(p.waitForStarted());
        const qint64 olu = p.processId();
        QVERIFY(p.waitForFinished());
        const QString ad = QStringLiteral("Torvel_Test_Eski_") +
                           QString::number(QCoreApplication::applicationPid());
        QFile f(QDir::temp().filePath(ad + QStringLiteral(".lock")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray::number(olu) + "\ntorvel\n" + QSysInfo::machineHostName().toUtf8() +
                "\n");
        f.close();
        TekKopyaKilidi k(ad);
        QVERIFY(k.al());
        k.birak();
    }

    void veritabaniYok()
    {
        QTemporaryDir bos;
        kurulumKlasoruAyarla(bos.path());
        SenaryoEtkilesim s;
        TmainForm m;
        QVERIFY(!m.FormCreate());
        QCOMPARE(s.metinler(), QStringList{QStringLiteral("Veritabanı dosyası bulunamadı..")});
        // The program never makes an empty database of its own.
        QVERIFY(QDir(bos.path()).isEmpty());
    }

    void veritabaniAcilamaz()
    {
        QTemporaryDir d;
        kurulumKlasoruAyarla(d.path());
        QFile f(d.filePath(QStringLiteral("db.db")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("bozuk dosya, veritabanı değil");
        f.close();
        SenaryoEtkilesim s;
        TmainForm m;
        QVERIFY(!m.FormCreate());
        QCOMPARE(s.metinler(), QStringList{QStringLiteral("Veritabanı yüklenemedi..")});
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("bozuk dosya, veritabanı değil"));
    }

    void skinSecimi_data()
    {
        QTest::addColumn<QString>("komut");
        QTest::addColumn<QString>("skin");
        QTest::newRow("boş") << "update ayarlar set skin=''"
                             << "Office2010Blue";
        QTest::newRow("kayıtlı") << "update ayarlar set skin='McSkin'"
                                 << "McSkin";
        QTest::newRow("satır yok") << "delete from ayarlar"
                                   << "Office2010Blue";
        QTest::newRow("okuma hatası") << "alter table ayarlar drop column skin"
                                      << "Office2010Blue";
    }
    void skinSecimi()
    {
        QFETCH(QString, komut);
        QFETCH(QString, skin);
        TestKurulumu k;
        QVERIFY(k.hazir());
        TestKurulumu::sql(komut);
        QCOMPARE(skinAdiOku(), skin);
        QCOMPARE(skinUygula(skinAdiOku()), skin);
        QCOMPARE(aktifSkin(), skin);
        QCOMPARE(skinUygula(QStringLiteral("Bilinmeyen")), QStringLiteral("Office2010Blue"));
    }

    // The whole start: login, fixed rows put back, a waiting script applied, rights loaded.
    void tamBaslangic()
    {
        TestKurulumu k;
        QVERIFY(k.hazir());
        TestKurulumu::sql(QStringLiteral("update cari set cariadi='Değişmiş' where id=-99"));
        QFile betik(k.yol(QStringLiteral("script.sql")));
        QVERIFY(betik.open(QIODevice::WriteOnly));
        betik.write("CREATE TABLE IF NOT EXISTS \"marka\" (\n\"yeniAlan\" TEXT\n);\n");
        betik.close();
        myConnKapat();

        SenaryoEtkilesim s;
        QTimer::singleShot(0, this, [] {
            auto* login = qobject_cast<TloginForm*>(QApplication::activeModalWidget());
            QVERIFY(login);
            login->edtpass->setText(QStringLiteral("1234"));
            login->btn21->click();
        });
        TmainForm m;
        QVERIFY(m.FormCreate());
        QCOMPARE(aktifKullaniciId, 1);
        QVERIFY(yoneticiMi);
        QVERIFY(m.sb->text().startsWith(QStringLiteral("Kullanıcı ID: 1 / Ad Soyad: ")));
        QCOMPARE(TestKurulumu::deger("select cariadi from cari where id=-99").toString(),
                 QStringLiteral("PERAKENDE"));
        QCOMPARE(s.metinler(),
                 QStringList{QStringLiteral(
                     "Veritabanı güncellendi.\r\nTablo işlemi: 1\r\nEklenen sütun: 1")});
        QVERIFY(!betik.exists());
        QCOMPARE(m.windowTitle(), QStringLiteral("Torvel Shop"));
        QVERIFY(m.windowFlags() & Qt::FramelessWindowHint);
    }

    // Leaving the login window without logging in ends the start.
    void girisYapilmadan()
    {
        TestKurulumu k;
        QVERIFY(k.hazir());
        myConnKapat();
        SenaryoEtkilesim s;
        s.cevaplar.enqueue(true);
        QTimer::singleShot(0, this, [] {
            auto* login = qobject_cast<TloginForm*>(QApplication::activeModalWidget());
            QVERIFY(login);
            login->btn1->click();
        });
        TmainForm m;
        QVERIFY(!m.FormCreate());
        QCOMPARE(aktifKullaniciId, 0);
    }

private:
};

QTEST_MAIN(TstBaslangic)
#include "tst_baslangic.moc"
