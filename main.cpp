#include "core/etkilesim.h"
#include "core/mainFormF.h"
#include "core/platform.h"
#include "core/uygulama.h"
#include "core/widgetEtkilesim.h"

#include <QDir>
#include <QScreen>

int main(int argc, char* argv[])
{
    TorvelUygulama app(argc, argv);
    WidgetEtkilesim etkilesim;
    Etkilesim::kur(&etkilesim);
    // Relative side files (ayarlar.txt, Raporlar/...) are those of the installation folder.
    QDir::setCurrent(kurulumKlasoru());

    TekKopyaKilidi kilit;
    if (!kilit.al()) {
        bilgiMesaji(QStringLiteral("Torvel Çalışıyor! İkinci bir kopya açamazsınız."));
        return 0;
    }

    TmainForm form;
    mainForm = &form;
    form.kilitAyarla(&kilit);
    if (!form.FormCreate())
        return 0;
    // Without a window manager "maximised" means nothing; cover the screen ourselves.
    if (QScreen* ekran = form.screen())
        form.setGeometry(ekran->availableGeometry());
    form.showMaximized();
    const int sonuc = app.exec();
    mainForm = nullptr;
    return sonuc;
}
