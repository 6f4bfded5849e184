// Renders one screen of the program on a demo installation into a PNG, for looking at it
// without clicking through the program:  ekran_goruntusu <installation> <screen> <out.png> [WxH]
#include "core/ayarKullaniciF.h"
#include "core/etkilesim.h"
#include "core/gridF.h"
#include "core/loginFormF.h"
#include "core/mainFormF.h"
#include "core/oturum.h"
#include "core/platform.h"
#include "core/skin.h"
#include "core/sqlFormF.h"
#include "core/veritabani.h"
#include "core/widgetEtkilesim.h"
#include "pos/frmTeraziManuelGirisF.h"
#include "pos/hizliSatisFormF.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSqlQuery>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <map>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "kullanım: ekran_goruntusu <kurulum> <ekran> <çıktı.png> [GxY]\n");
        return 2;
    }
    WidgetEtkilesim etkilesim;
    Etkilesim::kur(&etkilesim);
    kurulumKlasoruAyarla(QString::fromLocal8Bit(argv[1]));
    const QString hata = myConnAc(kurulumYolu(QStringLiteral("db.db")));
    if (!hata.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(hata));
        return 1;
    }
    skinUygula(QStringLiteral("Office2010Blue"));
    aktifKullaniciId = 1;
    yetkileriAyarla();

    QSize boyut(1280, 800);
    if (argc > 4) {
        const QStringList p = QString::fromLatin1(argv[4]).split(QLatin1Char('x'));
        boyut = QSize(p.value(0).toInt(), p.value(1).toInt());
    }
    // A basket of a few everyday products for the till's pictures.
    auto sepetDoldur = [] {
        QSqlQuery q(myConn());
        q.exec(QStringLiteral("delete from tmpsatis where beklemede=0"));
        q.exec(QStringLiteral(
            "insert into tmpsatis (stokID, stokKodu, adi, adet, KDV, Fiyat, iskonto, Toplam, "
            "beklemede) select id, stokkodu, stokadi, case when tartiliUrun=1 then 0.765 else "
            "(id % 3) + 1 end, kdv, satisfiyat1, case when id % 4 = 0 then 2 else 0 end, 0, 0 "
            "from stok where ifnull(serbestsatis,0)=0 order by id limit 7"));
        q.exec(QStringLiteral("update tmpsatis set Toplam=adet*Fiyat-iskonto where beklemede=0"));
    };
    const std::map<QString, std::function<QWidget*()>> ekranlar = {
        {QStringLiteral("hizlisatis"),
         [&] {
             sepetDoldur();
             auto* f = new ThizliSatisForm;
             f->cbAlinanPara->setEditText(QStringLiteral("500"));
             return f;
         }},
        {QStringLiteral("hizlisatis-iade"),
         [&] {
             sepetDoldur();
             auto* f = new ThizliSatisForm;
             f->iade->setChecked(true);
             f->iadeModuDegisti();
             return f;
         }},
        {QStringLiteral("sayi"),
         [] {
             auto* f = new TfrmTeraziManuelGiris;
             f->setWindowTitle(QStringLiteral("Yeni MİKTAR Giriniz"));
             f->edtTartiSonuc->setText(QStringLiteral("2"));
             return f;
         }},
        {QStringLiteral("login"), [] { return new TloginForm; }},
        {QStringLiteral("kullanici"), [] { return new TayarKullanici; }},
        {QStringLiteral("sql"),
         [] {
             auto* f = new TsqlForm;
             f->Memo1->setPlainText(QStringLiteral("select * from harekettip"));
             f->cxButton1->click();
             return f;
         }},
    };
    const auto it = ekranlar.find(QString::fromLatin1(argv[2]));
    if (it == ekranlar.end()) {
        std::fprintf(stderr, "bilinmeyen ekran: %s\n", argv[2]);
        return 2;
    }
    QWidget* w = it->second();
    if (!qobject_cast<TfrmTeraziManuelGiris*>(w))
        w->resize(boyut);
    w->show();
    const QString cikti = QString::fromLocal8Bit(argv[3]);
    QTimer::singleShot(300, [&] {
        w->grab().save(cikti);
        QCoreApplication::exit(0);
    });
    return app.exec();
}
