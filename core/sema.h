#pragma once

#include <QString>

// Keeps an installed database current: the fixed rows and late columns at every start,
// and the schema script that a new version leaves beside the executable.

// Rewrites the fixed accounts and the default administrator and adds the late columns.
// Throws VeritabaniHatasi at the first failing step; the rest is not run.
void sabitKayitlariOlustur();

struct GuncellemeSonucu {
    bool calisti = false;    // the script was there and the connection usable
    bool kaydedildi = false; // the transaction was committed
    int tablo = 0;           // CREATE statements that succeeded
    int sutun = 0;           // columns added
    int atlanan = 0;         // CREATE and ALTER statements that failed
};

// Applies the script at yol (by default script.sql in the installation folder) to myConn:
// runs its CREATE statements, adds the columns its tables declare and the database lacks,
// reports the counts and deletes the script when nothing failed.
GuncellemeSonucu veritabaniGuncelle(const QString& yol = {});
