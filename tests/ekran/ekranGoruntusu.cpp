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

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
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
    const std::map<QString, std::function<QWidget*()>> ekranlar = {
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
    w->resize(boyut);
    w->show();
    const QString cikti = QString::fromLocal8Bit(argv[3]);
    QTimer::singleShot(300, [&] {
        w->grab().save(cikti);
        app.quit();
    });
    return app.exec();
}
