// The data import of a million rows beside a bare reading loop over the same
// bytes, and the table reader alone. Run by hand: ./build/bench/import_bench
// PLOTVANE_BENCH_CSV=path writes the benchmark's CSV there and exits, for the
// whole-process comparisons of bench/compare_import.sh.

#include "app/DataImport.h"
#include "app/TableReader.h"
#include "bench/CsvMaker.h"
#include "chart/panel/Chart.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const QByteArray& Csv()
{
    static const QByteArray csv = MakeBenchCsv(1000000);
    return csv;
}

// The floor: split at commas and line ends, from_chars into five vectors.
void BM_BareFromChars(benchmark::State& state)
{
    const QByteArray& csv = Csv();
    for (auto _ : state) {
        std::vector<std::vector<double>> columns(5);
        const char* p = csv.constData();
        const char* const end = p + csv.size();
        while (p < end && *p != '\n')
            ++p;
        ++p;
        int column = 0;
        while (p < end) {
            double v;
            const auto res = std::from_chars(p, end, v);
            columns[size_t(column)].push_back(v);
            p = res.ptr;
            if (p < end && *p == ',') {
                ++column;
            } else {
                column = 0;
            }
            ++p;
        }
        benchmark::DoNotOptimize(columns.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * csv.size());
}
BENCHMARK(BM_BareFromChars)->Unit(benchmark::kMillisecond)->UseRealTime();

// Decode + rebuild with the automatic magnification, as a file load does.
void BM_Import(benchmark::State& state)
{
    const QByteArray& csv = Csv();
    for (auto _ : state) {
        TChart chart;
        TDataImport import;
        import.SetDataBytes(csv);
        import.BuildChart(chart);
        benchmark::DoNotOptimize(chart.SeriesCount());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * csv.size());
}
BENCHMARK(BM_Import)->Unit(benchmark::kMillisecond)->UseRealTime();

// The table reader alone over the same bytes: block, separators, columns.
void BM_ReadTable(benchmark::State& state)
{
    const QByteArray& csv = Csv();
    for (auto _ : state) {
        const TTable table = ReadTable(std::string_view(csv.constData(), size_t(csv.size())), TRegionalSeparators{});
        benchmark::DoNotOptimize(table.Rows());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * csv.size());
}
BENCHMARK(BM_ReadTable)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (const char* path = std::getenv("PLOTVANE_BENCH_CSV")) {
        QFile f(QString::fromLocal8Bit(path));
        if (!f.open(QIODevice::WriteOnly) || f.write(Csv()) != Csv().size()) {
            std::fprintf(stderr, "cannot write %s\n", path);
            return 1;
        }
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
