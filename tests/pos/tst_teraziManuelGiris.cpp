#include "core/dokunmatikKlavye.h"
#include "core/senaryoEtkilesim.h"
#include "core/widgetEtkilesim.h"
#include "pos/frmTeraziManuelGirisF.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TstTeraziManuelGiris : public QObject
{
    Q_OBJECT

    static void goster(TfrmTeraziManuelGiris& f)
    {
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(QApplication::focusWidget(), f.edtTartiSonuc);
    }

private slots:
    void girisTusuUygular_data()
    {
        QTest::addColumn<QString>("yazilan");
        QTest::addColumn<double>("sonuc");
        QTest::newRow("virgül") << "2,55" << 2.55;
        QTest::newRow("nokta") << "2.55" << 2.55;
        QTest::newRow("sıfır") << "0" << 0.0;
    }
    void girisTusuUygular()
    {
        QFETCH(QString, yazilan);
        QFETCH(double, sonuc);
        SenaryoEtkilesim s;
        TfrmTeraziManuelGiris f;
        goster(f);
        QTest::keyClicks(f.edtTartiSonuc, yazilan);
        QTest::keyClick(f.edtTartiSonuc, Qt::Key_Return);
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QVERIFY(!f.isVisible());
        QCOMPARE(f.tartiSonuc, sonuc);
        QVERIFY(s.kayitlar.isEmpty());
    }

    void sayiOlmayanReddedilir()
    {
        SenaryoEtkilesim s;
        TfrmTeraziManuelGiris f;
        goster(f);
        QTest::keyClicks(f.edtTartiSonuc, QStringLiteral("abc"));
        f.btnUygula->click();
        QCOMPARE(s.metinler(),
                 QStringList{"Lütfen Tam yada Ondalıklı Sayı Giriniz. (55 yada 15,50 gibi)"});
        QVERIFY(f.isVisible());
        QCOMPARE(QApplication::focusWidget(), f.edtTartiSonuc);
        QCOMPARE(f.tartiSonuc, 0.0);

        // The wrong text is selected, so the next key starts over.
        QTest::keyClicks(f.edtTartiSonuc, QStringLiteral("7"));
        QCOMPARE(f.edtTartiSonuc->text(), QStringLiteral("7"));
    }

    void escIptalEder()
    {
        SenaryoEtkilesim s;
        TfrmTeraziManuelGiris f;
        goster(f);
        QTest::keyClicks(f.edtTartiSonuc, QStringLiteral("5"));
        QTest::keyClick(f.edtTartiSonuc, Qt::Key_Escape);
        QCOMPARE(f.result(), int(QDialog::Rejected));
        QVERIFY(!f.isVisible());
        QCOMPARE(f.tartiSonuc, 0.0);
    }

    // The pad types into the box without taking the focus from it.
    void tusTakimiYazar()
    {
        SenaryoEtkilesim s;
        TfrmTeraziManuelGiris f;
        goster(f);
        for (int tus :
             {Qt::Key_1, Qt::Key_2, Qt::Key_Comma, Qt::Key_5, Qt::Key_Backspace, Qt::Key_7}) {
            QPushButton* d = f.klavye->tusDugmesi(tus);
            QVERIFY(d);
            QTest::mouseClick(d, Qt::LeftButton);
        }
        QCOMPARE(f.edtTartiSonuc->text(), QStringLiteral("12,7"));
        QCOMPARE(QApplication::focusWidget(), f.edtTartiSonuc);
        QTest::mouseClick(f.btnUygula, Qt::LeftButton);
        QCOMPARE(f.tartiSonuc, 12.7);
    }

    // The program's port: the caption and the current value reach the dialog, the number
    // comes back, and the first key replaces the prefilled value.
    void widgetPortu()
    {
        WidgetEtkilesim w;
        Etkilesim* onceki = Etkilesim::kur(&w);
        QString baslik, onMetin;
        QTimer::singleShot(0, this, [&] {
            auto* f = qobject_cast<TfrmTeraziManuelGiris*>(QApplication::activeModalWidget());
            QVERIFY(f);
            baslik = f->lblBaslik->text();
            onMetin = f->edtTartiSonuc->text();
            QTest::keyClicks(f->edtTartiSonuc, QStringLiteral("3,5"));
            f->btnUygula->click();
        });
        const double sonuc = sayiGir(QStringLiteral("Yeni MİKTAR Giriniz"), QStringLiteral("2"));
        Etkilesim::kur(onceki);
        QCOMPARE(sonuc, 3.5);
        QCOMPARE(baslik, QStringLiteral("Yeni MİKTAR Giriniz"));
        QCOMPARE(onMetin, QStringLiteral("2"));
    }

    void senaryoPortu()
    {
        SenaryoEtkilesim s;
        s.sayilar << 750;
        QCOMPARE(sayiGir(QStringLiteral("Gramaj Giriniz (Terazi Okumadı)")), 750.0);
        QCOMPARE(sayiGir(QStringLiteral("Satış Fiyatını Giriniz"), QStringLiteral("4")), 0.0);
        QCOMPARE(s.sayiBasliklari,
                 QStringList({"Gramaj Giriniz (Terazi Okumadı)", "Satış Fiyatını Giriniz"}));
        QCOMPARE(s.sayiOnMetinleri, QStringList({"", "4"}));
        QVERIFY(s.metinler().isEmpty());
    }
};

QTEST_MAIN(TstTeraziManuelGiris)
#include "tst_teraziManuelGiris.moc"
