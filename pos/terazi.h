#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QSerialPort;

// Reading the weighing scale on its serial port, and the numbers typed in its place.

// The device behind a port name as the settings keep it. "COMn" (any letter case) is the first
// of /dev/ttyUSB(n-1), /dev/ttyACM(n-1) that exists, else /dev/ttyS(n-1): a USB adapter is what
// a till has today, and ttyS devices exist whether or not a port is wired to them. Any other
// name, such as a full device path, is used as it is.
QString seriPortAygiti(const QString& ad, const QString& aygitKlasoru = QStringLiteral("/dev"));

// The weight on the scale named on line 3 of ayarlar.txt, in the scale's own unit; 0 when no
// scale is set or nothing usable came. Blocks for at most about 1.5 s and never asks anything.
double TerazidenAgirlikAl();
// The same on a given port (a "COMn" name or a device path); an empty name gives 0 at once.
double terazidenAgirlikAl(const QString& portAdi);

// The number in what the scale sent: everything before the first digit is skipped; from it on
// digits, "." and "," are taken, line ends and blanks skipped, and any other character ends
// the number. "." and "," are both the decimal point. 0 when that is not a number.
double teraziMetniniCoz(const QByteArray& ham);

// What the numeric dialog accepts: the trimmed text as a number, "." or "," as the decimal
// point. A number other than 0 is accepted, and 0 only when typed as exactly "0".
std::optional<double> tartiMetniniKabulEt(const QString& metin);

// The pieces of one reading, shared with the scale finder of the settings window.
namespace terazi
{
inline constexpr int okumaBoyu = 50;    // characters per read
inline constexpr int okumaSuresi = 500; // ms for one whole read
inline constexpr int acilisBeklemesi = 100;
inline constexpr int istekBeklemesi = 300;

// Opens the port at 9600 8N1, no flow control, DTR and RTS off, with nothing received yet.
bool portAc(QSerialPort& port, const QString& ad);
// Up to `enFazla` bytes: returns when they came, the time ran out or the port failed.
QByteArray oku(QSerialPort& port, int enFazla = okumaBoyu, int sureMs = okumaSuresi);
// Empties both buffers and sends the request "$".
void istekGonder(QSerialPort& port);
// A plain wait. Events are not pumped on purpose: a timer of the till that ran meanwhile (a
// network call, a dialog) would stretch the reading past its bound or re-enter the till.
void bekle(int ms);
// The text without leading and trailing blanks and control characters.
QByteArray kirp(const QByteArray& metin);
} // namespace terazi
