#pragma once

#include <QString>

// A private CUPS with one raw queue (as the till's printers are) whose output lands in a file,
// for tests that print for real. Started once per test program, stopped at its end.
struct TestYazicisi {
    QString yok;    // CUPS is not installed: the reason to skip
    QString hata;   // CUPS is there but did not start
    QString soket;  // CUPS_SERVER, also set in the environment for Qt and libcups
    QString klasor; // the private CUPS folder, for stopping it
    QString cikti;  // the file the queue writes into

    static TestYazicisi baslat(const QString& kuyruk = QStringLiteral("POS58"));
    void durdur();
};
