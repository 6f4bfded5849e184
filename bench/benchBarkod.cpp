// The till's hot path on a big catalogue: one scan through barkodOku, the eight-barcode lookup
// through Qt and through the SQLite C API, the same lookup without the barcode indexes, and the
// product search of the "Ürün Bul" tab while typing.
#include "benchOrtak.h"
#include "core/etkilesim.h"
#include "core/platform.h"
#include "core/veritabani.h"
#include "pos/hizliSatis.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace
{

const char* sekizBarkod =
    "SELECT * FROM stok WHERE barkod = :pBarkod OR barkod2 = :pBarkod OR barkod3 = :pBarkod OR "
    "barkod4 = :pBarkod OR barkod5 = :pBarkod OR barkod6 = :pBarkod OR barkod7 = :pBarkod OR "
    "barkod8 = :pBarkod";

struct Ortam {
    QString yol;
    QStringList barkodlar; // ordinary products, spread over the catalogue
};

Ortam& buyukDb()
{
    static Ortam o = [] {
        Ortam r;
        r.yol = benchVeritabani(1000000);
        sqlite3* db = nullptr;
        sqlite3_open_v2(r.yol.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db,
                           "select barkod from stok where ifnull(tartiliUrun,0)=0 and "
                           "ifnull(serbestsatis,0)=0 and ifnull(sinirsayi,0)=0 and "
                           "length(barkod)=13 and id % 20011 = 7",
                           -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW)
            r.barkodlar << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
        sqlite3_close(db);
        return r;
    }();
    return o;
}

void baglan(const QString& yol)
{
    const QString h = myConnAc(yol);
    if (!h.isEmpty())
        qFatal("%s", qPrintable(h));
}

void BM_barkodOku(benchmark::State& st)
{
    Ortam& o = buyukDb();
    baglan(o.yol);
    SessizPort port;
    Etkilesim::kur(&port);
    calistir(QStringLiteral("delete from tmpsatis"));
    HizliSatis h;
    int i = 0;
    for (auto _ : st) {
        // Up to 50 different products: the first scans insert lines, the rest add to them.
        h.barkodOku(QString(), o.barkodlar.at(i++ % qMin(50, int(o.barkodlar.size()))));
    }
    calistir(QStringLiteral("delete from tmpsatis"));
    Etkilesim::kur(nullptr);
    myConnKapat();
}

void BM_sekizBarkod_Qt(benchmark::State& st)
{
    Ortam& o = buyukDb();
    baglan(o.yol);
    QSqlQuery q(myConn());
    q.prepare(QString::fromLatin1(sekizBarkod));
    int i = 0;
    for (auto _ : st) {
        q.bindValue(QStringLiteral(":pBarkod"), o.barkodlar.at(i++ % o.barkodlar.size()));
        q.exec();
        benchmark::DoNotOptimize(q.next());
        q.finish();
    }
    myConnKapat();
}

// The lookup as barkodOku runs it: a statement prepared once on the connection, the row read
// into a record.
void BM_sekizBarkod_program(benchmark::State& st)
{
    Ortam& o = buyukDb();
    baglan(o.yol);
    {
        HazirSorgu s(sekizBarkod);
        int i = 0;
        for (auto _ : st)
            benchmark::DoNotOptimize(s.ilkSatir(o.barkodlar.at(i++ % o.barkodlar.size())));
    }
    myConnKapat();
}

void sekizBarkodC(benchmark::State& st, const QString& yol)
{
    Ortam& o = buyukDb();
    sqlite3* db = nullptr;
    sqlite3_open_v2(yol.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, sekizBarkod, -1, &s, nullptr);
    int i = 0;
    for (auto _ : st) {
        const QByteArray b = o.barkodlar.at(i++ % o.barkodlar.size()).toUtf8();
        sqlite3_bind_text(s, 1, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        // The row is read as a caller would: every column's value.
        if (sqlite3_step(s) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(s); ++c)
                switch (sqlite3_column_type(s, c)) {
                case SQLITE_INTEGER:
                    benchmark::DoNotOptimize(sqlite3_column_int64(s, c));
                    break;
                case SQLITE_FLOAT:
                    benchmark::DoNotOptimize(sqlite3_column_double(s, c));
                    break;
                case SQLITE_TEXT:
                    benchmark::DoNotOptimize(sqlite3_column_text(s, c));
                    break;
                default:
                    break;
                }
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
}

void BM_sekizBarkod_C(benchmark::State& st)
{
    sekizBarkodC(st, buyukDb().yol);
}

// The same lookup where the barcode columns have no index: every scan reads the whole table.
void BM_sekizBarkod_C_indekssiz(benchmark::State& st)
{
    static QTemporaryDir d;
    static const QString kopya = [] {
        const QString y = d.filePath(QStringLiteral("indekssiz.db"));
        QFile::copy(buyukDb().yol, y);
        sqlite3* db = nullptr;
        sqlite3_open(y.toUtf8().constData(), &db);
        for (const char* ix : {"barkod", "barkod2", "barkod3", "barkod4", "barkod5", "barkod6",
                               "barkod7", "barkod8"})
            sqlite3_exec(db, QByteArray("drop index if exists ix_stok_").append(ix).constData(),
                         nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return y;
    }();
    sekizBarkodC(st, kopya);
}

// Typing "çikolata" in the search box, one query per keystroke, on 100,000 products.
void BM_urunAra_tusVurusu(benchmark::State& st)
{
    const QString yol = benchVeritabani(100000);
    baglan(yol);
    const QString kelime = QStringLiteral("çikolata");
    QSqlQueryModel m;
    int i = 0;
    for (auto _ : st) {
        HizliSatis::urunAra(m, kelime.left(1 + i++ % kelime.size()), false);
        benchmark::DoNotOptimize(m.rowCount());
    }
    myConnKapat();
}
} // namespace

BENCHMARK(BM_barkodOku)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_sekizBarkod_program)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_sekizBarkod_Qt)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_sekizBarkod_C)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_sekizBarkod_C_indekssiz)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_urunAra_tusVurusu)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
