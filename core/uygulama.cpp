#include "core/uygulama.h"

#include "core/etkilesim.h"
#include "core/veritabani.h"

TorvelUygulama::TorvelUygulama(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Torvel Shop"));
    setOrganizationName(QStringLiteral("Torvel"));
}

bool TorvelUygulama::notify(QObject* alici, QEvent* olay)
{
    try {
        return QApplication::notify(alici, olay);
    } catch (const VeritabaniHatasi& h) {
        duzMesaj(QStringLiteral("Hata: ") + h.metin());
    } catch (const std::exception& h) {
        duzMesaj(QStringLiteral("Hata: ") + QString::fromLocal8Bit(h.what()));
    }
    return false;
}
