#include "core/gridF.h"
#include "core/gridModeli.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTest>
#include <QTreeView>

namespace
{
// A small product list: name, group, price, quantity, date, active flag.
QStandardItemModel* urunler(QObject* sahip)
{
    auto* m = new QStandardItemModel(0, 6, sahip);
    m->setHorizontalHeaderLabels({"stokadi", "grup", "satisfiyat1", "miktar", "tarih", "pasif"});
    const struct {
        const char* ad;
        const char* grup;
        double fiyat;
        double miktar;
        const char* tarih;
        int pasif;
    } satirlar[] = {
        {"Süt 1 L", "SÜT", 32.5, 10, "2026-03-14 09:05:00.000", 0},
        {"Beyaz Peynir", "ŞARKÜTERİ", 1234.5, 0.765, "2026-03-15 18:30:00.000", 0},
        {"Ilık Su", "İÇECEK", 7.0, 24, "2025-12-31 23:59:59.000", 1},
        {"ıspanak", "MANAV", 45.0, 2.5, "2026-01-02 08:00:00.000", 0},
    };
    for (const auto& s : satirlar)
        m->appendRow({new QStandardItem(QString::fromUtf8(s.ad)),
                      new QStandardItem(QString::fromUtf8(s.grup)),
                      new QStandardItem(QString::number(s.fiyat)),
                      new QStandardItem(QString::number(s.miktar)),
                      new QStandardItem(QString::fromLatin1(s.tarih)),
                      new QStandardItem(QString::number(s.pasif))});
    for (int r = 0; r < m->rowCount(); ++r)
        for (int c = 2; c < 6; ++c)
            if (c != 4)
                m->setData(m->index(r, c), m->index(r, c).data().toDouble(), Qt::EditRole);
    return m;
}

const QList<GridSutun> sutunlar = {
    {"stokadi", "Ürün Adı", GridBicim::Metin, false, 0, GridToplam::Say},
    {"satisfiyat1", "Fiyat", GridBicim::ParaTL, false, 0, GridToplam::Topla},
    {"miktar", "Miktar", GridBicim::Sayi, false, 0, GridToplam::Topla},
    {"tarih", "Tarih", GridBicim::TarihSaat},
    {"pasif", "Pasif", GridBicim::Onay, true},
};
} // namespace

class TstGrid : public QObject
{
    Q_OBJECT
private slots:
    void bicimler_data()
    {
        QTest::addColumn<QVariant>("deger");
        QTest::addColumn<int>("bicim");
        QTest::addColumn<QString>("metin");
        QTest::newRow("para") << QVariant(1234.5) << int(GridBicim::Para) << "1.234,50";
        QTest::newRow("para TL") << QVariant(1234.5) << int(GridBicim::ParaTL) << "1.234,50 ₺";
        QTest::newRow("sayı") << QVariant(765.5) << int(GridBicim::Sayi) << "765,5";
        QTest::newRow("tamsayı") << QVariant(12345) << int(GridBicim::Tamsayi) << "12.345";
        QTest::newRow("tarih") << QVariant("2025-03-14 09:05:00.000") << int(GridBicim::Tarih)
                               << "14.03.2025";
        QTest::newRow("tarih saat") << QVariant("2025-03-14 09:05:00.000")
                                    << int(GridBicim::TarihSaat) << "14.03.2025 09:05";
        QTest::newRow("boş") << QVariant() << int(GridBicim::Para) << "";
    }
    void bicimler()
    {
        QFETCH(QVariant, deger);
        QFETCH(int, bicim);
        QFETCH(QString, metin);
        QCOMPARE(gridMetni(deger, GridBicim(bicim)), metin);
    }

    // Captions, formats and column order come from the configuration, not the source.
    void sutunlarVeToplamlar()
    {
        GridModeli g;
        g.setSourceModel(urunler(&g));
        g.setSutunlar(sutunlar);
        QCOMPARE(g.columnCount(), 5); // "grup" is not shown
        const int fiyat = g.sutunNo("satisfiyat1");
        QCOMPARE(g.headerData(fiyat, Qt::Horizontal).toString(), QStringLiteral("Fiyat"));
        QCOMPARE(g.index(1, fiyat).data().toString(), QStringLiteral("1.234,50 ₺"));
        QCOMPARE(g.index(0, g.sutunNo("tarih")).data().toString(),
                 QStringLiteral("14.03.2026 09:05"));
        const QModelIndex pasif = g.index(2, g.sutunNo("pasif"));
        QCOMPARE(pasif.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(g.flags(pasif) & Qt::ItemIsUserCheckable);
        QVERIFY(!(g.flags(g.index(0, fiyat)) & Qt::ItemIsEditable));

        QCOMPARE(g.altBilgi("satisfiyat1"), QStringLiteral("1.319,00 ₺"));
        QCOMPARE(g.altBilgi("miktar"), QStringLiteral("37,265"));
        QCOMPARE(g.altBilgi("stokadi"), QStringLiteral("4"));
        QCOMPARE(g.altBilgi("tarih"), QString());

        // Ticking the box writes 1/0 into the source.
        QVERIFY(g.setData(g.index(0, g.sutunNo("pasif")), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(g.deger(0, "pasif").toInt(), 1);
    }

    void filtreler_data()
    {
        QTest::addColumn<QString>("alan");
        QTest::addColumn<QString>("metin");
        QTest::addColumn<QStringList>("kalan");
        QTest::addColumn<QString>("ifade");
        QTest::newRow("Türkçe büyük/küçük")
            << "stokadi"
            << "ISPANAK" << QStringList{"ıspanak"} << "[stokadi] içerir 'ISPANAK'";
        QTest::newRow("noktalı İ") << "stokadi"
                                   << "ılık" << QStringList{"Ilık Su"} << "[stokadi] içerir 'ılık'";
        QTest::newRow("parça") << "stokadi"
                               << "pey" << QStringList{"Beyaz Peynir"} << "[stokadi] içerir 'pey'";
        QTest::newRow("büyüktür") << "satisfiyat1"
                                  << ">40" << QStringList{"Beyaz Peynir", "ıspanak"}
                                  << "[satisfiyat1] > 40";
        QTest::newRow("virgüllü eşit")
            << "satisfiyat1"
            << "32,5" << QStringList{"Süt 1 L"} << "[satisfiyat1] = 32,5";
        QTest::newRow("sıfırdan farklı")
            << "miktar"
            << "<>24" << QStringList{"Süt 1 L", "Beyaz Peynir", "ıspanak"} << "[miktar] <> 24";
        QTest::newRow("tarih önce")
            << "tarih"
            << "<01.01.2026" << QStringList{"Ilık Su"} << "[tarih] < 01.01.2026";
        QTest::newRow("tarih başı")
            << "tarih"
            << "14.03" << QStringList{"Süt 1 L"} << "[tarih] başlar '14.03'";
        QTest::newRow("onay") << "pasif"
                              << "1" << QStringList{"Ilık Su"} << "[pasif] = 1";
    }
    void filtreler()
    {
        QFETCH(QString, alan);
        QFETCH(QString, metin);
        QFETCH(QStringList, kalan);
        QFETCH(QString, ifade);
        GridModeli g;
        auto* kaynak = urunler(&g);
        g.setSourceModel(kaynak);
        g.setSutunlar(sutunlar);
        g.setSutunFiltresi(alan, metin);
        QStringList adlar;
        for (int r = 0; r < g.rowCount(); ++r)
            adlar << g.deger(r, "stokadi").toString();
        QCOMPARE(adlar, kalan);
        QCOMPARE(g.filtreMetni(), ifade);

        // The same filter as a value selects the same rows of the raw data (printed lists).
        const GridFiltre f = g.filtre();
        QStringList ayni;
        for (int r = 0; r < kaynak->rowCount(); ++r)
            if (f.uyar([&](const QString& a) {
                    for (int c = 0; c < kaynak->columnCount(); ++c)
                        if (kaynak->headerData(c, Qt::Horizontal).toString() == a)
                            return kaynak->index(r, c).data(Qt::EditRole);
                    return QVariant();
                }))
                ayni << kaynak->index(r, 0).data().toString();
        QCOMPARE(ayni, kalan);
    }

    void birlesikFiltreVeToplam()
    {
        GridModeli g;
        g.setSourceModel(urunler(&g));
        g.setSutunlar(sutunlar);
        g.setSutunFiltresi("satisfiyat1", ">10");
        g.setSutunFiltresi("stokadi", "e");
        QCOMPARE(g.rowCount(), 1);
        QCOMPARE(g.filtreMetni(), QStringLiteral("[satisfiyat1] > 10 VE [stokadi] içerir 'e'"));
        // Footer sums follow the visible rows.
        QCOMPARE(g.toplam("satisfiyat1"), 1234.5);
        g.setSutunFiltresi("stokadi", QString());
        QCOMPARE(g.rowCount(), 3);
        QCOMPARE(g.filtreMetni(), QStringLiteral("[satisfiyat1] > 10"));
        g.filtreleriTemizle();
        QCOMPARE(g.rowCount(), 4);
        QVERIFY(g.filtre().bos());
    }

    void renkKurali()
    {
        GridModeli g;
        g.setSourceModel(urunler(&g));
        g.setSutunlar(sutunlar);
        g.setRenkKurali([](const auto& deger) {
            return deger("pasif").toInt() == 1 ? QColor(Qt::lightGray) : QColor();
        });
        QCOMPARE(g.index(2, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::lightGray));
        QVERIFY(!g.index(0, 0).data(Qt::BackgroundRole).isValid());
    }

    void aramaVeSiralama()
    {
        GridModeli g;
        g.setSourceModel(urunler(&g));
        g.setSutunlar(sutunlar);
        QCOMPARE(g.aramaSatiri(0, "bey"), 1);
        QCOMPARE(g.aramaSatiri(0, "İ"), -1); // "ılık"/"Ilık" start with dotless I
        QCOMPARE(g.aramaSatiri(0, "ı"), 2);
        QCOMPARE(g.aramaSatiri(0, "ı", 3), 3);
        g.sort(g.sutunNo("satisfiyat1"), Qt::AscendingOrder);
        QCOMPARE(g.deger(0, "stokadi").toString(), QStringLiteral("Ilık Su"));
        QCOMPARE(g.deger(3, "stokadi").toString(), QStringLiteral("Beyaz Peynir"));
    }

    // The widget: filter row, footer, empty text, incremental search, detail under a row.
    void widget()
    {
        QStandardItemModel* kaynak = urunler(this);
        Tgrid grid;
        grid.resize(900, 400);
        grid.setKaynak(kaynak);
        grid.setSutunlar(sutunlar);
        grid.setFiltreSatiri(true, QStringLiteral("Aramak için yazınız..."));
        grid.setAltBilgi(true);
        grid.setBosMetin(QStringLiteral("Ürün yok"));
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));

        // Columns stand in the configured order.
        QHeaderView* h = grid.gorunum()->header();
        QCOMPARE(grid.model()->headerData(h->logicalIndex(0), Qt::Horizontal).toString(),
                 QStringLiteral("Ürün Adı"));
        QCOMPARE(grid.model()->headerData(h->logicalIndex(1), Qt::Horizontal).toString(),
                 QStringLiteral("Fiyat"));

        const QList<QLineEdit*> kutular = grid.findChildren<QLineEdit*>();
        QCOMPARE(kutular.size(), 5);
        QLineEdit* adKutusu = nullptr;
        for (QLineEdit* e : kutular)
            if (e->property("alan").toString() == QLatin1String("stokadi"))
                adKutusu = e;
        QVERIFY(adKutusu);
        QCOMPARE(adKutusu->placeholderText(), QStringLiteral("Aramak için yazınız..."));
        adKutusu->setText(QStringLiteral("süt"));
        QCOMPARE(grid.model()->rowCount(), 1);
        QCOMPARE(grid.filtreMetni(), QStringLiteral("[stokadi] içerir 'süt'"));
        QCOMPARE(grid.altBilgiMetni("satisfiyat1"), QStringLiteral("32,50 ₺"));
        bool altta = false;
        for (QLabel* l : grid.findChildren<QLabel*>())
            altta |= l->isVisible() && l->text() == QStringLiteral("32,50 ₺");
        QVERIFY(altta);

        QLabel* bos = nullptr;
        for (QLabel* l : grid.findChildren<QLabel*>())
            if (l->text() == QStringLiteral("Ürün yok"))
                bos = l;
        QVERIFY(bos && !bos->isVisible());
        adKutusu->setText(QStringLiteral("yok böyle"));
        QVERIFY(bos->isVisible());
        adKutusu->clear();
        QVERIFY(!bos->isVisible());

        grid.gorunum()->setFocus();
        QTest::keyClicks(grid.gorunum(), QStringLiteral("bey"));
        QCOMPARE(grid.aktifSatir(), 1);
        QCOMPARE(grid.aktifDeger("grup").toString(), QStringLiteral("ŞARKÜTERİ"));

        // A detail grid opens under a row with that row's data.
        grid.setDetay(
            [&](int satir, QObject* sahip) {
                auto* d = new QStandardItemModel(0, 1, sahip);
                d->setHorizontalHeaderLabels({"satir"});
                d->appendRow(new QStandardItem(grid.model()->deger(satir, "stokadi").toString()));
                return d;
            },
            {{"satir", "Satır"}});
        grid.detayAc(3);
        QVERIFY(grid.detayAcik(3));
        Tgrid* detay = grid.detayGridi(3);
        QVERIFY(detay);
        QCOMPARE(detay->model()->deger(0, "satir").toString(), QStringLiteral("ıspanak"));
        grid.detayAc(3, false);
        QVERIFY(!grid.detayGridi(3));
        // Filtering still works through the detail layer.
        adKutusu->setText(QStringLiteral("peynir"));
        QCOMPARE(grid.gorunum()->model()->rowCount(), 1);
    }
};

QTEST_MAIN(TstGrid)
#include "tst_grid.moc"
