#include "core/platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QThread>
#include <QUrl>
#include <cstdlib>

namespace
{
QString& ayarliKlasor()
{
    static QString k;
    return k;
}
} // namespace

QString kurulumKlasoru()
{
    if (!ayarliKlasor().isEmpty())
        return ayarliKlasor();
    return QCoreApplication::applicationDirPath();
}

void kurulumKlasoruAyarla(const QString& klasor)
{
    ayarliKlasor() = QDir(klasor).absolutePath();
}

QString kurulumYolu(const QString& yol)
{
    QString g = yol;
    g.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // "C:/TORVEL/..." names the installation folder itself.
    static const QString kok = QStringLiteral("c:/torvel");
    if (g.startsWith(kok, Qt::CaseInsensitive) &&
        (g.size() == kok.size() || g.at(kok.size()) == '/'))
        g = g.mid(kok.size());
    const QStringList parcalar = g.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QDir dir(kurulumKlasoru());
    QString sonuc = dir.absolutePath();
    for (const QString& parca : parcalar) {
        QString bulunan = parca;
        if (!QFileInfo::exists(sonuc + QLatin1Char('/') + parca)) {
            const QStringList icerik =
                QDir(sonuc).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            for (const QString& e : icerik)
                if (e.compare(parca, Qt::CaseInsensitive) == 0) {
                    bulunan = e;
                    break;
                }
        }
        sonuc += QLatin1Char('/') + bulunan;
    }
    return sonuc;
}

TekKopyaKilidi::TekKopyaKilidi(const QString& ad)
    : kilit(std::make_unique<QLockFile>(QDir::temp().filePath(ad + QStringLiteral(".lock"))))
{
    // A lock is never held for long by a live copy without its process; staleness is by PID.
    kilit->setStaleLockTime(0);
}

TekKopyaKilidi::~TekKopyaKilidi() = default;

bool TekKopyaKilidi::al()
{
    return kilit->tryLock(0);
}

void TekKopyaKilidi::birak()
{
    kilit->unlock();
}

bool programBaslat(const QString& ad, const QStringList& argumanlar)
{
    const QString yol = kurulumYolu(ad);
    return QProcess::startDetached(yol, argumanlar, kurulumKlasoru());
}

bool belgeAc(const QString& yol)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(yol));
}

void programiSonlandir()
{
    QThread::msleep(200);
    std::_Exit(0);
}
