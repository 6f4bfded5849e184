#include "benchOrtak.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <cstdio>

QString benchVeritabani(int urun, int satisGunu, int gunlukSatis)
{
    const QString klasor = QStringLiteral(TORVEL_BENCH_KLASOR);
    QDir().mkpath(klasor);
    const QString yol =
        klasor + QStringLiteral("/bench_%1_%2_%3.db").arg(urun).arg(satisGunu).arg(gunlukSatis);
    if (QFile::exists(yol))
        return yol;
    const QString gecici = yol + QStringLiteral(".yapiliyor");
    QFile::remove(gecici);
    if (!QFile::copy(QStringLiteral(TORVEL_BOS_DB), gecici)) {
        std::fprintf(stderr, "boş veritabanı kopyalanamadı: %s\n", TORVEL_BOS_DB);
        return {};
    }
    QStringList arg{gecici, QStringLiteral("--products"), QString::number(urun)};
    if (satisGunu > 0)
        arg << QStringLiteral("--sales-days") << QString::number(satisGunu)
            << QStringLiteral("--sales-per-day") << QString::number(gunlukSatis);
    std::fprintf(stderr, "veritabanı hazırlanıyor: %s\n", qPrintable(yol));
    if (QProcess::execute(QStringLiteral(TORVEL_DEMOVERI), arg) != 0) {
        std::fprintf(stderr, "demoveri başarısız\n");
        return {};
    }
    QFile::rename(gecici, yol);
    return yol;
}
