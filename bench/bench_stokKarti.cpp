// Saving a stock card on a catalogue of a million products: the save checks (the stock code,
// all eight barcodes against the eight barcode columns of every other product, unit and group)
// and the write of the row. Each save is timed on its own; the median, the 90th percentile and
// the slowest are reported beside the mean.
//   edit:  a stored product with eight barcodes, its price changed
//   new:   a new card with eight barcodes; new-card mode also looks up the name and the barcode
#include "benchOrtak.h"
#include "core/etkilesim.h"
#include "core/oturum.h"
#include "core/veritabani.h"
#include "stock/stokKarti.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace
{

void hazirla()
{
    static bool hazir = false;
    if (hazir)
        return;
    const QString yol = benchVeritabani(1000000);
    const QString h = yol.isEmpty() ? QStringLiteral("veritabanı yok") : myConnAc(yol);
    if (!h.isEmpty())
        qFatal("%s", qPrintable(h));
    static SessizPort port;
    Etkilesim::kur(&port);
    aktifKullaniciId = 1;
    yoneticiMi = true;
    hazir = true;
}

void istatistik(benchmark::State& st, std::vector<double>& ms)
{
    if (ms.empty())
        return;
    std::sort(ms.begin(), ms.end());
    st.counters["medyan_ms"] = ms[ms.size() / 2];
    st.counters["p90_ms"] = ms[ms.size() * 9 / 10];
    st.counters["en_yavas_ms"] = ms.back();
}

using Saat = std::chrono::steady_clock;

void BM_stokKartiKaydet_duzenle(benchmark::State& st)
{
    hazirla();
    // Products that carry all eight barcodes, spread over the catalogue.
    QStringList kodlar;
    QSqlQuery q = calistir(QStringLiteral(
        "select stokkodu from stok where barkod8 is not null and barkod8 <> '' limit 200"));
    while (q.next())
        kodlar << q.value(0).toString();
    q.finish();
    if (kodlar.isEmpty()) {
        st.SkipWithError("sekiz barkodlu ürün yok");
        return;
    }
    StokKarti k;
    std::vector<double> ms;
    int i = 0;
    for (auto _ : st) {
        k.duzenlemeIcinAc(kodlar.at(i % kodlar.size()));
        k.duzenle();
        k.ayarla(QStringLiteral("satisfiyat2"), 10.0 + (i % 7));
        const auto bas = Saat::now();
        const bool oldu = k.kaydet();
        const double sure = std::chrono::duration<double>(Saat::now() - bas).count();
        if (!oldu) {
            st.SkipWithError("kayıt reddedildi");
            return;
        }
        st.SetIterationTime(sure);
        ms.push_back(sure * 1000.0);
        ++i;
    }
    istatistik(st, ms);
}

void BM_stokKartiKaydet_yeni(benchmark::State& st)
{
    hazirla();
    StokKarti k;
    std::vector<double> ms;
    int i = 0;
    for (auto _ : st) {
        const QString n = QString::number(i);
        k.yeniKayit();
        k.kutuMetniAyarla(QStringLiteral("stokkodu"), QStringLiteral("BENCH-") + n);
        k.kutuMetniAyarla(QStringLiteral("stokadi"), QStringLiteral("Deneme Ürünü ") + n);
        k.kutuMetniAyarla(QStringLiteral("satisfiyat1"), QStringLiteral("12,5"));
        k.ayarla(QStringLiteral("birim"), 1);
        k.ayarla(QStringLiteral("grup"), 1);
        for (int b = 1; b <= 8; ++b)
            k.kutuMetniAyarla(b == 1 ? QStringLiteral("barkod")
                                     : QStringLiteral("barkod") + QString::number(b),
                              QStringLiteral("99%1%2").arg(b).arg(i, 8, 10, QLatin1Char('0')));
        const auto bas = Saat::now();
        const bool oldu = k.kaydet();
        const double sure = std::chrono::duration<double>(Saat::now() - bas).count();
        if (!oldu) {
            st.SkipWithError("kayıt reddedildi");
            return;
        }
        st.SetIterationTime(sure);
        ms.push_back(sure * 1000.0);
        ++i;
    }
    // The catalogue stays as it was for the next run.
    calistir(QStringLiteral("delete from stok where stokkodu like 'BENCH-%'"));
    istatistik(st, ms);
}
} // namespace

BENCHMARK(BM_stokKartiKaydet_duzenle)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(300);
BENCHMARK(BM_stokKartiKaydet_yeni)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(100);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
