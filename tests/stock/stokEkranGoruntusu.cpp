// Renders the stock screens and labels of a demo installation into PNG files, for looking at
// them without clicking through the program; not a test.
//   stok_ekran_goruntusu <installation> <output folder>
#include "core/dokunmatikKlavye.h"
#include "core/etkilesim.h"
#include "core/gridF.h"
#include "core/oturum.h"
#include "core/platform.h"
#include "core/skin.h"
#include "core/veritabani.h"
#include "stock/stokFormF.h"
#include "stock/stokKarti.h"
#include "stock/stokTanimFormF.h"
#include "stock/stokislemFormF.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTreeView>
#include <cstdio>

namespace
{
QString klasor;

void kaydet(QWidget* w, const QString& ad)
{
    w->show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    const QString yol = QDir(klasor).filePath(ad);
    if (!w->grab().save(yol))
        std::fprintf(stderr, "yazılamadı: %s\n", qPrintable(yol));
    else
        std::printf("%s\n", qPrintable(yol));
}

QString ilk(const QString& sql)
{
    QSqlQuery q(myConn());
    return q.exec(sql) && q.next() ? q.value(0).toString() : QString();
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "kullanım: stok_ekran_goruntusu <kurulum> <çıktı klasörü>\n");
        return 2;
    }
    kurulumKlasoruAyarla(QString::fromLocal8Bit(argv[1]));
    klasor = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(klasor);
    const QString hata = myConnAc(kurulumYolu(QStringLiteral("db.db")));
    if (!hata.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(hata));
        return 1;
    }
    resimleriYukle();
    skinUygula(QStringLiteral("Office2010Blue"));
    aktifKullaniciId = 1;
    yetkileriAyarla();

    // A product with pictures and movements, and the clothing product of the demo data.
    const QString urun = ilk(QStringLiteral(
        "select stokkodu from stok where resim is not null and barkod2 is not null and id in "
        "(select stokid from stokhar where tipi='HS') order by id limit 1"));
    const QString giyim = ilk(QStringLiteral("select stokkodu from stok where giyim=1 limit 1"));
    {
        TstokForm f;
        f.duzenlemeModu(urun.isEmpty() ? ilk(QStringLiteral("select stokkodu from stok")) : urun);
        kaydet(&f, QStringLiteral("stok_karti.png"));
        f.pcAlt->setCurrentWidget(f.shtBarkodlar);
        kaydet(&f, QStringLiteral("stok_karti_barkodlar.png"));
        f.pcStok->setCurrentWidget(f.shtHareket);
        f.dtTarih1->setDateTime(QDateTime::currentDateTime().addDays(-20));
        f.btnListeleClick();
        kaydet(&f, QStringLiteral("stok_karti_hareketler.png"));
        f.pcStok->setCurrentWidget(f.shtBilgi);
        f.kart->duzenle();
        f.edtStokADi->setFocus();
        f.btnKlavyeClick();
        kaydet(&f, QStringLiteral("stok_karti_klavye.png"));
        f.btnKlavyeClick();

        // The labels as the printers would get them, at a printer's resolution.
        auto etiket = [&](const QString& sablon, const QString& ad) {
            f.kart->etiketVerisi();
            const QString h = f.frxEtiket.yukle(sablon);
            if (!h.isEmpty() || !f.frxEtiket.pngKaydet(QDir(klasor).filePath(ad), 300).isEmpty())
                std::fprintf(stderr, "%s basılamadı %s\n", qPrintable(sablon), qPrintable(h));
        };
        etiket(QStringLiteral("C:\\TORVEL\\raporlar\\stok_Barkod.fr3"),
               QStringLiteral("raf_etiketi.png"));
        etiket(QStringLiteral("C:\\TORVEL\\raporlar\\etiket.fr3"),
               QStringLiteral("urun_etiketi.png"));
        f.pcStok->setCurrentWidget(f.shtHareket);
        if (!f.frxHareket
                 .pngKaydet(QDir(klasor).filePath(QStringLiteral("stok_hareket_raporu.png")), 100)
                 .isEmpty())
            std::fprintf(stderr, "stok_Hareket.fr3 basılamadı\n");
        f.kart->iptal();
    }
    if (!giyim.isEmpty()) {
        TstokForm f;
        f.duzenlemeModu(giyim);
        f.pcStok->setCurrentWidget(f.shtGiyim);
        kaydet(&f, QStringLiteral("stok_karti_giyim.png"));
    }
    {
        TstokForm f;
        f.yeniKayitModu();
        kaydet(&f, QStringLiteral("stok_karti_yeni.png"));
        f.kart->iptal();
    }
    {
        TstokTanimForm f;
        f.pcTanim->setCurrentIndex(1);
        kaydet(&f, QStringLiteral("stok_tanimlari.png"));
    }
    {
        TstokislemForm f;
        f.setWindowTitle(QStringLiteral("Stok Giriş"));
        f.urunAc(
            ilk(QStringLiteral("select id from stok where stokkodu='") + urun + QStringLiteral("'"))
                .toLongLong());
        f.edtMiktar->setText(QStringLiteral("24"));
        kaydet(&f, QStringLiteral("stok_islem.png"));
    }
    return 0;
}
