#include "../ortak/fikstur.h"
#include "core/ayarKullaniciF.h"
#include "core/gridF.h"
#include "core/kullanicilar.h"
#include "core/oturum.h"
#include "core/senaryoEtkilesim.h"
#include "core/sqlFormF.h"
#include "core/sqlKonsol.h"
#include "core/veritabani.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTest>
#include <QTreeView>

namespace
{
int sayi(const char* sql)
{
    return TestKurulumu::deger(QString::fromUtf8(sql)).toInt();
}
int yetkiId(const char* kod)
{
    return TestKurulumu::deger(QStringLiteral("select id from yetkiler where YETKIKISAAD='") +
                               QString::fromUtf8(kod) + QLatin1Char('\''))
        .toInt();
}
int satirBul(KullaniciModeli& m, int id)
{
    for (int r = 0; r < m.rowCount(); ++r)
        if (m.record(r).value("id").toInt() == id)
            return r;
    return -1;
}
} // namespace

class TstKullanici : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        k = std::make_unique<TestKurulumu>();
        QVERIFY2(k->hazir(), qPrintable(k->hata));
        TestKurulumu::sql(QStringLiteral("insert into user (id, ad, user, pass, admin) values "
                                         "(5, 'Ayşe', 'ayse', '11', 0)"));
        oturumuKapat();
    }
    void cleanup()
    {
        oturumuKapat();
        k.reset();
    }

    void silme()
    {
        SenaryoEtkilesim s;
        KullaniciModeli m;
        // The default administrator is refused, also when the deletion starts elsewhere.
        QVERIFY(!kullaniciSil(m, satirBul(m, 1)));
        QVERIFY(!m.removeRow(satirBul(m, 1)));
        QCOMPARE(s.metinler(), QStringList(2, QStringLiteral("Varsayılan Kullanıcı Silinemez")));
        QCOMPARE(sayi("select count(*) from user where id=1"), 1);

        // "HAYIR" keeps the user; "EVET" deletes him but not his grants.
        s.kayitlar.clear();
        yetkiVer(5, yetkiId("HSSIL"));
        s.cevaplar << false << true;
        QVERIFY(!kullaniciSil(m, satirBul(m, 5)));
        QVERIFY(kullaniciSil(m, satirBul(m, 5)));
        QCOMPARE(s.metinler(),
                 QStringList(
                     2, QStringLiteral("Seçili Kullanıcı Kalıcı Olarak Silinecek. Eminmisiniz?")));
        QCOMPARE(sayi("select count(*) from user where id=5"), 0);
        QCOMPARE(sayi("select count(*) from useryetki where userid=5"), 1);
        QCOMPARE(satirBul(m, 5), -1);
    }

    // Unticking "Admin" on the default administrator and leaving the row stores 1 again.
    void yoneticiBayragi()
    {
        KullaniciModeli m;
        const int r = satirBul(m, 1);
        QVERIFY(m.setData(m.index(r, m.fieldIndex("admin")), 0));
        QVERIFY(m.setData(m.index(r, m.fieldIndex("unvan")), QStringLiteral("Patron")));
        QVERIFY(m.kaydet());
        QCOMPARE(sayi("select admin from user where id=1"), 1);
        QCOMPARE(TestKurulumu::deger("select unvan from user where id=1").toString(),
                 QStringLiteral("Patron"));
        // Another user may lose the flag.
        const int a = satirBul(m, 5);
        QVERIFY(m.setData(m.index(a, m.fieldIndex("admin")), 1));
        QVERIFY(m.kaydet());
        QCOMPARE(sayi("select admin from user where id=5"), 1);
    }

    void kayitHatasi()
    {
        SenaryoEtkilesim s;
        KullaniciModeli m;
        // A row the database refuses (an id that exists) is dropped with one message.
        QVERIFY(m.insertRow(m.rowCount()));
        QVERIFY(m.setData(m.index(m.rowCount() - 1, m.fieldIndex("id")), 5));
        QVERIFY(m.setData(m.index(m.rowCount() - 1, m.fieldIndex("user")), QStringLiteral("x")));
        QVERIFY(!m.kaydet());
        QCOMPARE(s.metinler(),
                 QStringList{QStringLiteral("Lütfen tüm gerekli alanları doldurunuz..")});
        QVERIFY(!m.isDirty());
        QCOMPARE(sayi("select count(*) from user"), 2);
    }

    void yetkiler()
    {
        SenaryoEtkilesim s;
        QVERIFY(yetkiVer(5, yetkiId("STOKLISTE")));
        QVERIFY(!yetkiVer(5, yetkiId("STOKLISTE")));
        QVERIFY(yetkiVer(5, yetkiId("HSRAPOR")));
        QCOMPARE(sayi("select count(*) from useryetki where userid=5"), 2);

        // Nothing to remove: nothing is asked.
        QVERIFY(!tumYetkileriCikart(1));
        QVERIFY(s.kayitlar.isEmpty());
        s.cevaplar << false << true;
        QVERIFY(!tumYetkileriCikart(5));
        QCOMPARE(sayi("select count(*) from useryetki where userid=5"), 2);
        QVERIFY(tumYetkileriCikart(5));
        QCOMPARE(sayi("select count(*) from useryetki where userid=5"), 0);
        QCOMPARE(s.metinler(),
                 QStringList(2, QStringLiteral("Seçili kullanıcının tüm yetkileri silinecek..")));
    }

    // The window: the grants follow the selected user, "Ekle >" twice adds one row,
    // "< Çıkart" removes the selected grant, "Kapat" posts a pending edit.
    void pencere()
    {
        SenaryoEtkilesim s;
        TayarKullanici f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.grdUser->model()->rowCount(), 2);
        QCOMPARE(f.grdUser->model()
                     ->headerData(f.grdUser->model()->sutunNo("pass"), Qt::Horizontal)
                     .toString(),
                 QStringLiteral("Şifre"));

        f.grdUser->setAktifSatir(1);
        QCOMPARE(f.grdUser->aktifDeger("id").toInt(), 5);
        for (int r = 0; r < f.grdYetki->model()->rowCount(); ++r)
            if (f.grdYetki->model()->deger(r, "YETKIKISAAD").toString() == QLatin1String("HSSIL"))
                f.grdYetki->setAktifSatir(r);
        f.btnYetkiEkle->click();
        f.btnYetkiEkle->click();
        QCOMPARE(sayi("select count(*) from useryetki where userid=5"), 1);
        QCOMPARE(f.grdUserYetki->model()->rowCount(), 1);
        QCOMPARE(f.grdUserYetki->model()->deger(0, "Yetki_adi").toString(),
                 TestKurulumu::deger("select YETKIADI from yetkiler where YETKIKISAAD='HSSIL'")
                     .toString());

        // The administrator has no grants of his own.
        f.grdUser->setAktifSatir(0);
        QCOMPARE(f.grdUserYetki->model()->rowCount(), 0);
        f.btnTumunuCikart->click();
        QVERIFY(s.kayitlar.isEmpty());

        f.grdUser->setAktifSatir(1);
        f.grdUserYetki->setAktifSatir(0);
        f.btnCikart->click();
        QCOMPARE(sayi("select count(*) from useryetki where userid=5"), 0);

        // A pending edit is posted by "Kapat".
        QAbstractItemModel* m = f.grdUser->model();
        QVERIFY(
            m->setData(m->index(1, f.grdUser->model()->sutunNo("soyad")), QStringLiteral("Kara")));
        f.btnKapat->click();
        QCOMPARE(TestKurulumu::deger("select soyad from user where id=5").toString(),
                 QStringLiteral("Kara"));
        QVERIFY(!f.isVisible());
    }

    void sqlKonsolu()
    {
        QSqlQueryModel m;
        SqlSonucu s = sqlCalistir(m, QStringLiteral("select * from harekettip"));
        QVERIFY(s.hata.isEmpty() && s.sonucKumesi);
        QCOMPARE(m.record().fieldName(0), QStringLiteral("kod"));
        QCOMPARE(m.record().fieldName(1), QStringLiteral("adi"));
        QVERIFY(m.rowCount() >= 19);

        // A second statement replaces the columns.
        s = sqlCalistir(m, QStringLiteral("select adi, id from odemetipi order by id"));
        QCOMPARE(m.columnCount(), 2);
        QCOMPARE(m.record().fieldName(0), QStringLiteral("adi"));
        QCOMPARE(m.index(0, 0).data().toString(), QStringLiteral("NAKİT"));

        // Without a result set the statement runs and the grid is left empty.
        s = sqlCalistir(m, QStringLiteral("update user set unvan='X' where id in (1, 5)"));
        QVERIFY(s.hata.isEmpty() && !s.sonucKumesi);
        QCOMPARE(s.etkilenen, 2);
        QCOMPARE(s.not_, QStringLiteral("Komut çalıştırıldı. Etkilenen satır: 2"));
        QCOMPARE(m.columnCount(), 0);
        s = sqlCalistir(m, QStringLiteral("create table deneme (a integer)"));
        QVERIFY(s.hata.isEmpty());
        QCOMPARE(sayi("select count(*) from sqlite_master where name='deneme'"), 1);

        s = sqlCalistir(m, QStringLiteral("selec * from user"));
        QVERIFY(s.hata.contains(QStringLiteral("syntax error")));
    }

    void sqlPenceresi()
    {
        SenaryoEtkilesim s;
        TsqlForm f;
        f.Memo1->setPlainText(QStringLiteral("select * from harekettip"));
        f.cxButton1->click();
        QHeaderView* h = f.cxGrid1->gorunum()->header();
        QCOMPARE(f.cxGrid1->model()->headerData(h->logicalIndex(0), Qt::Horizontal).toString(),
                 QStringLiteral("kod"));
        QCOMPARE(f.cxGrid1->model()->columnCount(), 2);
        f.Memo1->setPlainText(QStringLiteral("select id, user, admin from user"));
        f.cxButton1->click();
        QCOMPARE(f.cxGrid1->model()->columnCount(), 3);
        QCOMPARE(f.cxGrid1->model()->headerData(h->logicalIndex(1), Qt::Horizontal).toString(),
                 QStringLiteral("user"));
        // An error shows the database's text and keeps the statement.
        f.Memo1->setPlainText(QStringLiteral("select * from yokboyle"));
        f.cxButton1->click();
        QCOMPARE(s.kayitlar.size(), 1);
        QVERIFY(s.kayitlar[0].duz && s.kayitlar[0].metin.contains(QStringLiteral("yokboyle")));
        QCOMPARE(f.Memo1->toPlainText(), QStringLiteral("select * from yokboyle"));
    }

    void konsolIzni_data()
    {
        QTest::addColumn<int>("girisYapan");
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("sifre");
        QTest::addColumn<bool>("soruldu");
        QTest::addColumn<bool>("izin");
        QTest::newRow("yönetici girişli") << 1 << ""
                                          << "" << false << true;
        QTest::newRow("kasiyer, yönetici şifresiyle") << 5 << "admin"
                                                      << "1234" << true << true;
        QTest::newRow("kasiyer, kendi şifresiyle") << 5 << "ayse"
                                                   << "11" << true << false;
        QTest::newRow("kimse, yanlış şifre") << 0 << "admin"
                                             << "12345" << true << false;
        QTest::newRow("kimse, vazgeçti") << 0 << ""
                                         << "" << true << false;
    }
    void konsolIzni()
    {
        QFETCH(int, girisYapan);
        QFETCH(QString, ad);
        QFETCH(QString, sifre);
        QFETCH(bool, soruldu);
        QFETCH(bool, izin);
        aktifKullaniciId = girisYapan;
        if (girisYapan)
            QVERIFY(yetkileriAyarla());
        SenaryoEtkilesim s;
        bool soruldu_ = false;
        const bool sonuc = sqlKonsolIzni([&]() -> std::optional<QPair<QString, QString>> {
            soruldu_ = true;
            if (ad.isEmpty())
                return std::nullopt;
            return qMakePair(ad, sifre);
        });
        QCOMPARE(soruldu_, soruldu);
        QCOMPARE(sonuc, izin);
        const bool mesajBekleniyor = soruldu && !izin && !ad.isEmpty();
        QCOMPARE(s.metinler(),
                 mesajBekleniyor ? QStringList{QStringLiteral("Yönetici adı veya şifresi hatalı..")}
                                 : QStringList());
    }

private:
    std::unique_ptr<TestKurulumu> k;
};

QTEST_MAIN(TstKullanici)
#include "tst_kullanici.moc"
