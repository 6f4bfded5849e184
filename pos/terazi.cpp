#include "pos/terazi.h"

#include "core/ayarDosyasi.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPort>
#include <QThread>
#include <cmath>

namespace
{

// A time-out while waiting is an ordinary outcome; anything else means the port failed.
bool saglam(const QSerialPort& port)
{
    const auto h = port.error();
    return h == QSerialPort::NoError || h == QSerialPort::TimeoutError;
}

bool bosMu(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b <= 0x20 || b == 0x7F;
}

} // namespace

QString seriPortAygiti(const QString& ad, const QString& aygitKlasoru)
{
    const QString t = ad.trimmed();
    static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]{0,3})$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = com.match(t);
    if (!m.hasMatch())
        return t;
    const QString sira = QString::number(m.captured(1).toInt() - 1);
    for (const QLatin1String tur : {QLatin1String("ttyUSB"), QLatin1String("ttyACM")}) {
        const QString yol = aygitKlasoru + QLatin1Char('/') + tur + sira;
        if (QFileInfo::exists(yol))
            return yol;
    }
    return aygitKlasoru + QStringLiteral("/ttyS") + sira;
}

namespace terazi
{

bool portAc(QSerialPort& port, const QString& ad)
{
    port.setPortName(seriPortAygiti(ad));
    port.setBaudRate(QSerialPort::Baud9600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadWrite))
        return false;
    // A pseudo-terminal has no modem lines and refuses these with "Inappropriate ioctl";
    // a scale does not need them, so that is no reason to give up.
    port.setDataTerminalReady(false);
    port.setRequestToSend(false);
    // A port that was just opened has received nothing yet. A pty (or a driver that kept
    // reading while nobody listened) may hold old bytes, and with them a reading would start
    // in the middle of some earlier weight.
    port.clear(QSerialPort::Input);
    port.clearError();
    return true;
}

QByteArray oku(QSerialPort& port, int enFazla, int sureMs)
{
    QByteArray veri;
    const QDeadlineTimer son(sureMs);
    while (veri.size() < enFazla) {
        if (port.bytesAvailable() > 0) {
            veri += port.read(enFazla - veri.size());
            continue;
        }
        const qint64 kalan = son.remainingTime();
        if (kalan <= 0 || !port.waitForReadyRead(int(kalan)))
            break;
    }
    return veri;
}

void istekGonder(QSerialPort& port)
{
    port.clear(QSerialPort::AllDirections);
    port.clearError();
    port.write("$", 1);
    // One byte at 9600 baud leaves in about a millisecond; the bound is only for a stuck line.
    port.waitForBytesWritten(100);
}

void bekle(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
}

QByteArray kirp(const QByteArray& metin)
{
    qsizetype bas = 0;
    qsizetype son = metin.size();
    while (bas < son && bosMu(metin.at(bas)))
        ++bas;
    while (son > bas && bosMu(metin.at(son - 1)))
        --son;
    return metin.mid(bas, son - bas);
}

} // namespace terazi

double terazidenAgirlikAl(const QString& portAdi)
{
    const QString ad = portAdi.trimmed();
    if (ad.isEmpty())
        return 0.0;

    QSerialPort port;
    if (!terazi::portAc(port, ad))
        return 0.0;

    terazi::bekle(terazi::acilisBeklemesi);
    QByteArray veri = terazi::oku(port);
    bool tamam = saglam(port);

    // Nothing (or a lone character) came by itself: a scale that waits to be asked.
    if (tamam && terazi::kirp(veri).size() < 2) {
        port.clearError();
        terazi::istekGonder(port);
        tamam = saglam(port);
        terazi::bekle(terazi::istekBeklemesi);
        port.clearError();
        veri = terazi::oku(port);
        tamam = tamam && saglam(port);
    }
    port.close();
    return tamam ? teraziMetniniCoz(veri) : 0.0;
}

double TerazidenAgirlikAl()
{
    return terazidenAgirlikAl(AyarDosyasi::oku().teraziPortu());
}

double teraziMetniniCoz(const QByteArray& ham)
{
    QByteArray sayi;
    bool basladi = false;
    for (const char c : ham) {
        const bool rakam = c >= '0' && c <= '9';
        if (!basladi && !rakam)
            continue;
        basladi = true;
        if (rakam || c == '.')
            sayi += c;
        else if (c == ',')
            sayi += '.';
        else if (c != '\n' && c != '\r' && c != ' ')
            break;
    }
    bool tamam = false;
    const double d = sayi.toDouble(&tamam);
    return tamam ? d : 0.0;
}

std::optional<double> tartiMetniniKabulEt(const QString& metin)
{
    const QString t = metin.trimmed();
    QString s = t;
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    bool tamam = false;
    double d = s.toDouble(&tamam);
    if (!tamam || !std::isfinite(d))
        d = 0.0;
    if (d != 0.0 || t == QLatin1String("0"))
        return d;
    return std::nullopt;
}
