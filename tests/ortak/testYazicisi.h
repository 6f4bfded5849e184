#pragma once

#include <QString>
#include <QStringList>

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

// What an outside program (pdftotext, pdfinfo, zbarimg ...) prints, waiting at most a minute.
QString programCiktisi(const QString& program, const QStringList& argumanlar);
// A printed PDF is whole once its trailer has arrived.
bool pdfTamam(const QString& yol);
