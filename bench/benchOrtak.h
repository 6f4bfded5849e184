#pragma once

#include "core/etkilesim.h"

#include <QString>

// Benchmark databases are made once by the demo-data generator and kept in the build folder,
// since a million products take half a minute to write.
// Returns the path of a database with that many products (and days of sales), making it first
// when it is missing; empty with a message on stderr when that fails.
QString benchVeritabani(int urun, int satisGunu = 0, int gunlukSatis = 0);

// Asks nothing and plays nothing: a benchmark measures the lookups and the writes.
class SessizPort : public Etkilesim
{
public:
    bool mesaj(const QString&, TMesajTipi) override { return false; }
    void duzMesaj(const QString&) override {}
    double sayiGir(const QString&, const QString&) override { return 0; }
    double iadeFiyatiSec(int, const QString&) override { return 0; }
    void ton(int, int) override {}
};
