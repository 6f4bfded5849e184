// Opens the cash drawer wired to the receipt printer: sends the ESC/POS drawer-kick pulse
// (ESC p m t1 t2) through the printer's queue as raw bytes, so no driver gets in between.
//
// Settings in cekmece.ini beside the program, both optional:
//   Yazici=POS58              the receipt printer's queue
//   Darbe=27,112,0,25,250     the bytes sent: ESC p, pin 2 (0) or pin 5 (1), on and off time
//                             in 2 ms steps; decimal or 0x.. hex
//
// The till starts it after a sale and does not wait for it, so a fault is only reported on
// stderr and in the exit code: 1 settings, 2 no such printer, 3 the job failed.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <cstdio>
#include <cups/cups.h>
#include <vector>

namespace
{
const char* const varsayilanYazici = "POS58";
const std::vector<unsigned char> varsayilanDarbe = {0x1B, 0x70, 0x00, 0x19, 0xFA};

int hata(int kod, const QString& metin)
{
    std::fprintf(stderr, "cekmece: %s\n", metin.toLocal8Bit().constData());
    return kod;
}

// "27,112,0,25,250" arrives as a list from QSettings; a quoted value as one text.
bool darbeOku(const QVariant& deger, std::vector<unsigned char>& darbe)
{
    QStringList parcalar = deger.toStringList();
    if (parcalar.size() == 1)
        parcalar = parcalar.first().split(QLatin1Char(','));
    darbe.clear();
    for (const QString& p : parcalar) {
        bool tamam = false;
        const int b = p.trimmed().toInt(&tamam, 0);
        if (!tamam || b < 0 || b > 255)
            return false;
        darbe.push_back(static_cast<unsigned char>(b));
    }
    return !darbe.empty();
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication uygulama(argc, argv);
    const QString ayarDosyasi =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("cekmece.ini"));
    QString yazici = QString::fromLatin1(varsayilanYazici);
    std::vector<unsigned char> darbe = varsayilanDarbe;
    if (QFileInfo::exists(ayarDosyasi)) {
        const QSettings ayar(ayarDosyasi, QSettings::IniFormat);
        yazici = ayar.value(QStringLiteral("Yazici"), yazici).toString().trimmed();
        if (ayar.contains(QStringLiteral("Darbe")) &&
            !darbeOku(ayar.value(QStringLiteral("Darbe")), darbe))
            return hata(1, QStringLiteral("Darbe ayarı anlaşılamadı: ") +
                               ayar.value(QStringLiteral("Darbe")).toStringList().join(','));
    }
    if (yazici.isEmpty())
        return hata(1, QStringLiteral("yazıcı adı boş"));

    const QByteArray ad = yazici.toUtf8();
    cups_dest_t* hedef = cupsGetNamedDest(CUPS_HTTP_DEFAULT, ad.constData(), nullptr);
    if (!hedef)
        return hata(2, QStringLiteral("yazıcı bulunamadı: ") + yazici);
    cupsFreeDests(1, hedef);

    const int is = cupsCreateJob(CUPS_HTTP_DEFAULT, ad.constData(), "Çekmece", 0, nullptr);
    if (is == 0)
        return hata(3, QString::fromUtf8(cupsLastErrorString()));
    // Raw: the printer gets the pulse as it is, not a page to print.
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, ad.constData(), is, "cekmece", CUPS_FORMAT_RAW, 1) !=
        HTTP_STATUS_CONTINUE) {
        const QString neden = QString::fromUtf8(cupsLastErrorString());
        cupsCancelJob2(CUPS_HTTP_DEFAULT, ad.constData(), is, 0);
        return hata(3, neden);
    }
    const auto* veri = reinterpret_cast<const char*>(darbe.data());
    if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, veri, darbe.size()) != HTTP_STATUS_CONTINUE) {
        const QString neden = QString::fromUtf8(cupsLastErrorString());
        cupsFinishDocument(CUPS_HTTP_DEFAULT, ad.constData());
        cupsCancelJob2(CUPS_HTTP_DEFAULT, ad.constData(), is, 0);
        return hata(3, neden);
    }
    if (cupsFinishDocument(CUPS_HTTP_DEFAULT, ad.constData()) != IPP_STATUS_OK)
        return hata(3, QString::fromUtf8(cupsLastErrorString()));
    return 0;
}
