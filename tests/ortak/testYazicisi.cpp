#include "testYazicisi.h"

#include <QFile>
#include <QProcess>

TestYazicisi TestYazicisi::baslat(const QString& kuyruk)
{
    TestYazicisi y;
    QProcess p;
    p.start(QStringLiteral("bash"), {QStringLiteral(TORVEL_TEST_ORTAK "/cups_baslat.sh"), kuyruk});
    if (!p.waitForFinished(60000)) {
        y.hata = QStringLiteral("cups_baslat.sh bitmedi");
        return y;
    }
    const QString hataMetni = QString::fromUtf8(p.readAllStandardError()).trimmed();
    if (p.exitCode() == 77) {
        y.yok = QStringLiteral("CUPS kurulu değil (%1): yazdırma denenmedi").arg(hataMetni);
        return y;
    }
    if (p.exitCode() != 0) {
        y.hata = QStringLiteral("CUPS başlatılamadı: ") + hataMetni;
        return y;
    }
    for (const QString& satir : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        const qsizetype esit = satir.indexOf(QLatin1Char('='));
        if (satir.startsWith(QLatin1Char('#')) || esit < 0)
            continue;
        const QString ad = satir.left(esit), deger = satir.mid(esit + 1);
        if (ad == QLatin1String("CUPS_SERVER")) {
            qputenv("CUPS_SERVER", deger.toLocal8Bit());
            y.soket = deger;
        } else if (ad == QLatin1String("TORVEL_CUPS_KLASOR")) {
            y.klasor = deger;
        } else if (ad == QLatin1String("TORVEL_CUPS_CIKTI")) {
            y.cikti = deger;
        }
    }
    if (y.cikti.isEmpty())
        y.hata = QStringLiteral("cups_baslat.sh çıktısı anlaşılamadı");
    return y;
}

void TestYazicisi::durdur()
{
    if (!klasor.isEmpty())
        QProcess::execute(QStringLiteral("bash"),
                          {QStringLiteral(TORVEL_TEST_ORTAK "/cups_durdur.sh"), klasor});
    klasor.clear();
}

QString programCiktisi(const QString& program, const QStringList& argumanlar)
{
    QProcess p;
    p.start(program, argumanlar);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool pdfTamam(const QString& yol)
{
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 100)
        return false;
    return f.readAll().trimmed().endsWith("%%EOF");
}
