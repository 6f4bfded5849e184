#include "../ortak/fikstur.h"
#include "../ortak/testYazicisi.h"
#include "core/platform.h"
#include "core/senaryoEtkilesim.h"
#include "ornekFis.h"
#include "reports/raporOnizlemeF.h"
#include "reports/raporTasarimF.h"
#include "reports/raporYazdir.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace
{
QStringList tumMetinler(const QList<RaporSayfasi>& sayfalar)
{
    QStringList l;
    for (const RaporSayfasi& s : sayfalar)
        l << s.metinler();
    return l;
}

RaporSablonu listeSablonu(double sayfaYuksekligi)
{
    RaporSablonu s;
    s.sayfaGenislik = 100;
    s.sayfaYukseklik = sayfaYuksekligi;
    RaporBandi b;
    b.tur = BantTuru::Veri;
    b.veriSeti = QStringLiteral("frxDBstoklar");
    RaporNesnesi n;
    n.metin = QStringLiteral("[frxDBstoklar.ad]");
    n.genislik = 80;
    b.nesneler << n;
    s.bantlar.push_back(b);
    return s;
}
} // namespace

class TstRaporEkran : public QObject
{
    Q_OBJECT

    QString cupsKlasoru, cupsCiktisi;
    QString cupsYok;    // a program is missing: print tests are skipped
    QString cupsHatasi; // it is there but did not start: print tests fail
    TestYazicisi yazici;

private slots:
    void initTestCase()
    {
        // Our own cupsd with a raw queue "POS58" whose output lands in a file.
        yazici = TestYazicisi::baslat(QStringLiteral("POS58"));
        cupsYok = yazici.yok;
        cupsHatasi = yazici.hata;
        cupsKlasoru = yazici.klasor;
        cupsCiktisi = yazici.cikti;
    }

    void cleanupTestCase() { yazici.durdur(); }

    void dogrudanYazdirma()
    {
        if (!cupsYok.isEmpty())
            QSKIP(qPrintable(cupsYok));
        if (!cupsHatasi.isEmpty())
            QFAIL(qPrintable(cupsHatasi));
        SenaryoEtkilesim s;
        FisVerisi v;
        TRapor r;
        r.setVarsayilanSablon(TRapor::perakendeFisSablonu());
        v.bagla(r);
        QVERIFY(dogrudanYazdir(r, QStringLiteral("POS58")));
        QCOMPARE(s.metinler(), QStringList());

        // The raw queue passes on what Qt sends for a CUPS printer: a PDF.
        QTRY_VERIFY_WITH_TIMEOUT(pdfTamam(cupsCiktisi), 60000);
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext yok: basılan fişin metni okunamıyor");
        const QString metin = programCiktisi(pdftotext, {cupsCiktisi, QStringLiteral("-")});
        for (const char* beklenen : {"Torvel Market", "Şeker Küp 1 KG", "GENEL TOPLAM", "24,00"})
            QVERIFY2(metin.contains(QString::fromUtf8(beklenen)), beklenen);

        // The paper is 58 mm wide and as long as the receipt.
        const QString bilgi = programCiktisi(QStringLiteral("pdfinfo"), {cupsCiktisi});
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"))
                .match(bilgi);
        if (!m.hasMatch())
            QSKIP("pdfinfo yok: kağıt boyu denetlenemedi");
        const double mm = 25.4 / 72;
        QVERIFY(qAbs(m.captured(1).toDouble() * mm - 58) < 0.5);
        QVERIFY(qAbs(m.captured(2).toDouble() * mm - r.sayfalar().first().boyut.height()) < 0.5);
    }

    void olmayanYazici()
    {
        // Never on another printer: the missing name is told and nothing is sent.
        SenaryoEtkilesim s;
        FisVerisi v;
        TRapor r;
        r.setVarsayilanSablon(TRapor::perakendeFisSablonu());
        v.bagla(r);
        const qint64 once = cupsCiktisi.isEmpty() ? 0 : QFileInfo(cupsCiktisi).size();
        QVERIFY(!dogrudanYazdir(r, QStringLiteral("YOKBOYLE")));
        QCOMPARE(s.metinler(), QStringList{"Yazıcı bulunamadı: YOKBOYLE"});
        if (!cupsKlasoru.isEmpty())
            QCOMPARE(QFileInfo(cupsCiktisi).size(), once);
    }

    void onizleme()
    {
        QList<QVariantList> satirlar;
        for (int i = 1; i <= 25; ++i)
            satirlar << QVariantList{QStringLiteral("Ürün %1").arg(i)};
        RaporVeriSeti stoklar(QStringList{"ad"}, satirlar);
        TRapor r;
        r.veriSetiEkle(QStringLiteral("frxDBstoklar"), &stoklar);
        r.setSablon(listeSablonu(60)); // 8 rows a page
        TraporOnizleme p(r);
        QCOMPARE(p.durumMetni(), QStringLiteral("Sayfa 1 / 4"));
        QTest::keyClick(&p, Qt::Key_PageDown);
        QCOMPARE(p.durumMetni(), QStringLiteral("Sayfa 2 / 4"));
        QTest::keyClick(&p, Qt::Key_End);
        p.sonrakiSayfa();
        QCOMPARE(p.durumMetni(), QStringLiteral("Sayfa 4 / 4"));
        QCOMPARE(p.gosterilenSayfalar().last().metinler().last(), QStringLiteral("Ürün 25"));
        p.ilkSayfa();
        p.oncekiSayfa();
        QCOMPARE(p.sayfa(), 0);

        const double ilk = p.yakinlik();
        p.yakinlastir();
        QVERIFY(p.yakinlik() > ilk);
        for (int i = 0; i < 30; ++i)
            p.uzaklastir();
        QCOMPARE(p.yakinlik(), 0.25);
    }

    void izgaraFiltresiyleOnizleme()
    {
        RaporVeriSeti stoklar(QStringList{"ad", "grup"},
                              {{"Süt", "SÜT"}, {"Ayran", "SÜT"}, {"Çay", "İÇECEK"}});
        TRapor r;
        r.veriSetiEkle(QStringLiteral("frxDBstoklar"), &stoklar);
        r.setSablon(listeSablonu(0));
        GridFiltre f;
        f.kosullar << GridKosul{QStringLiteral("grup"), GridBicim::Metin, QStringLiteral("süt")};

        QStringList gorulen;
        bool filtreliydi = false;
        QTimer::singleShot(0, this, [&] {
            auto* p = qobject_cast<TraporOnizleme*>(QApplication::activeModalWidget());
            if (p) {
                gorulen = tumMetinler(p->gosterilenSayfalar());
                filtreliydi = !stoklar.filtre().bos();
            }
            if (QWidget* w = QApplication::activeModalWidget())
                w->close();
        });
        izgaraFiltresiyleOnizle(r, stoklar, f);
        QCOMPARE(gorulen, (QStringList{"Süt", "Ayran"}));
        QVERIFY(filtreliydi);
        // Closed: the grid's data is whole again.
        QVERIFY(stoklar.filtre().bos());
        QCOMPARE(tumMetinler(r.hazirla()).size(), 3);
    }

    void tasarim()
    {
        TestKurulumu k;
        QVERIFY2(k.hazir(), qPrintable(k.hata));
        SenaryoEtkilesim s;
        FisVerisi v;
        TRapor r;
        r.setVarsayilanSablon(TRapor::perakendeFisSablonu());
        v.bagla(r);
        const QString yol = QStringLiteral("Raporlar\\perakende_fis.fr3");
        r.korumaliYukle(yol);
        QCOMPARE(s.metinler(), QStringList{"Raporlar\\perakende_fis.fr3 Dosyası bulunamadı.."});

        // The designer starts from the built-in receipt and shows it with the screen's data.
        TraporTasarim t(r, yol);
        QVERIFY(tumMetinler(t.onizleme().sayfalar).contains(QStringLiteral("Şeker Küp 1 KG")));
        QVERIFY(t.nesneSec(QStringLiteral("GenelToplamYazisi")));
        auto* metin = t.findChild<QPlainTextEdit*>(QStringLiteral("txtMetin"));
        auto* boyut = t.findChild<QDoubleSpinBox*>(QStringLiteral("spnYaziBoyutu"));
        auto* uyarilar = t.findChild<QListWidget*>(QStringLiteral("lstUyarilar"));
        QVERIFY(metin && boyut && uyarilar);
        QCOMPARE(metin->toPlainText(), QStringLiteral("GENEL TOPLAM"));

        // Every change is laid out again at once.
        metin->setPlainText(QStringLiteral("ÖDENECEK"));
        boyut->setValue(12);
        QStringList m = tumMetinler(t.onizleme().sayfalar);
        QVERIFY(m.contains(QStringLiteral("ÖDENECEK")));
        QVERIFY(!m.contains(QStringLiteral("GENEL TOPLAM")));
        for (const RaporOgesi& o : t.onizleme().sayfalar.first().ogeler)
            if (o.nesne == QLatin1String("GenelToplamYazisi"))
                QCOMPARE(o.yazi.pointSizeF(), 12.0);
        metin->setPlainText(QStringLiteral("[frxDsHsFis.yok]"));
        QCOMPARE(uyarilar->count(), 1);
        QCOMPARE(uyarilar->item(0)->text(),
                 QStringLiteral("GenelToplamYazisi: 'frxDsHsFis' veri setinde 'yok' alanı yok"));
        metin->setPlainText(QStringLiteral("ÖDENECEK"));
        QCOMPARE(uyarilar->count(), 0);

        // A barcode added beside it takes its data from the field typed for it (in a footer,
        // the last line's).
        t.nesneEkle(RaporNesnesi::Barkod);
        QCOMPARE(t.seciliNesneAdi(), QStringLiteral("Barkod1"));
        metin->setPlainText(QStringLiteral("HS[frxDsHsFis.id]"));
        t.findChild<QComboBox*>(QStringLiteral("cmbBarkodTuru"))->setCurrentText("CODE128");
        bool barkodVar = false;
        for (const RaporOgesi& o : t.onizleme().sayfalar.first().ogeler)
            if (o.nesne == QLatin1String("Barkod1"))
                barkodVar = o.barkod.tur == QLatin1String("CODE128") &&
                            o.barkod.yazilar.first().metin == QLatin1String("HS2");
        QVERIFY(barkodVar);
        QVERIFY(t.degisti());

        // Kaydet writes the file the screen loads and the report prints from it at once.
        QVERIFY(t.kaydet());
        QVERIFY(!t.degisti());
        TRapor okunan;
        QCOMPARE(okunan.yukle(yol), QString());
        QCOMPARE(okunan.sablon().json(), t.calismaSablonu().json());
        QVERIFY(tumMetinler(r.hazirla()).contains(QStringLiteral("ÖDENECEK")));
        t.reject();
        QCOMPARE(s.kayitlar.size(), 1);

        // Closing with unsaved changes asks; "HAYIR" leaves the file as it was.
        TraporTasarim t2(r, yol);
        QVERIFY(t2.nesneSec(QStringLiteral("GenelToplamYazisi")));
        t2.findChild<QPlainTextEdit*>(QStringLiteral("txtMetin"))->setPlainText("X");
        t2.reject();
        QCOMPARE(s.metinler().last(), QStringLiteral("Rapor tasarımı değişti. Kaydedilsin mi?"));
        QCOMPARE(okunan.yukle(yol), QString());
        QCOMPARE(okunan.sablon().json(), t.calismaSablonu().json());
    }
};

QTEST_MAIN(TstRaporEkran)
#include "tst_raporEkran.moc"
