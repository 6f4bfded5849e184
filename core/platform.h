#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QLockFile;

// Stand-ins for the workstation's platform services.

// The installation folder: the folder of the executable (or what kurulumKlasoruAyarla set).
QString kurulumKlasoru();
void kurulumKlasoruAyarla(const QString& klasor);
// A path inside the installation folder, given as the program names it ("Raporlar\\fis.fr3",
// "C:\\TORVEL\\raporlar\\etiket.fr3", "db.db"). Folder and file names are matched without regard
// to letter case, so "Raporlar" and "raporlar" are the same folder.
QString kurulumYolu(const QString& yol);

// One running copy per workstation. Stale locks of a crashed copy are taken over.
class TekKopyaKilidi
{
public:
    explicit TekKopyaKilidi(const QString& ad = QStringLiteral("Torvel_Unique_Mutex_Name"));
    ~TekKopyaKilidi();
    bool al(); // false when another copy holds it
    void birak();

private:
    std::unique_ptr<QLockFile> kilit;
};

// Starts a program shipped in the installation folder (named without extension); true if started.
bool programBaslat(const QString& ad, const QStringList& argumanlar = {});
// Opens a document with the desktop's default program.
bool belgeAc(const QString& yol);
// Ends the process after 200 ms without closing windows or running close handlers.
[[noreturn]] void programiSonlandir();
