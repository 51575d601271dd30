// Speed of the PDF writer on a collection of 9999 titles: 205 A4 pages of 49
// rows of six columns, written by the collection PDF itself, against writing
// the same number of bytes to a file. Prints the ratio of the two at the end.
#include "bench/BenchPdfTexts.h"
#include "bench/BenchTitles.h"
#include "data/clsDatentraegerList.h"
#include "data/clsTranslation.h"
#include "pdf/clsSammlungToPDF.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kTitles = 9999;
constexpr int kRowsPerPage = 49;

struct Fixture {
    QTemporaryDir dir;
    clsDatentraegerList list;
    clsTranslation texts;
    QByteArray written; // the document, once, for the plain-file side
    qint64 bytes = 0;

    Fixture()
    {
        std::mt19937 rng(42);
        for (int i = 0; i < kTitles; ++i)
            list.AddDVD(benchTitle(rng, i, QStringLiteral("cover")));
        loadPdfTexts(dir.path(), texts);
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

// Mean time per iteration of each side, warm iterations only.
struct Timing {
    double totalMs = 0;
    int runs = 0;
    double mean() const { return runs ? totalMs / runs : 0; }
};
Timing g_writer;
Timing g_saved;
Timing g_plain;

void BM_WriteCollectionPdf(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString path = f.dir.filePath(QStringLiteral("QuorDVDSammlung.pdf"));
    clsSammlungToPDF toPdf;
    bool first = true;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        if (!toPdf.CreatePDF(f.texts, f.list, path, true, true, true, true, true)) {
            state.SkipWithError("the collection PDF was not written");
            return;
        }
        const double ms = t.nsecsElapsed() / 1e6;
        if (!first) {
            g_writer.totalMs += ms;
            ++g_writer.runs;
        }
        first = false;
    }
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    f.written = file.readAll();
    f.bytes = f.written.size();
    state.counters["pages"] = (kTitles + kRowsPerPage - 1) / kRowsPerPage;
    state.counters["bytes"] = static_cast<double>(f.bytes);
}
BENCHMARK(BM_WriteCollectionPdf)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The floor: the same bytes written to a file in chunks of 256 KB, once as a
// replacing save that is committed (as the writer does), once straight into
// the file.
void writeSameBytes(benchmark::State& state, bool replacingSave, Timing& timing)
{
    Fixture& f = fixture();
    if (f.written.isEmpty()) {
        state.SkipWithError("run BM_WriteCollectionPdf first");
        return;
    }
    const QString path = f.dir.filePath(QStringLiteral("plain.bin"));
    constexpr qsizetype kChunk = 256 * 1024;
    const auto writeAll = [&](QFileDevice& file) {
        for (qsizetype at = 0; at < f.written.size(); at += kChunk)
            file.write(f.written.constData() + at, std::min(kChunk, f.written.size() - at));
    };
    bool first = true;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        if (replacingSave) {
            QSaveFile file(path);
            file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
            writeAll(file);
            file.commit();
        } else {
            QFile file(path);
            file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
            writeAll(file);
        }
        const double ms = t.nsecsElapsed() / 1e6;
        if (!first) {
            timing.totalMs += ms;
            ++timing.runs;
        }
        first = false;
    }
    state.counters["bytes"] = static_cast<double>(f.written.size());
}

void BM_SameBytesReplacingSave(benchmark::State& state) { writeSameBytes(state, true, g_saved); }
BENCHMARK(BM_SameBytesReplacingSave)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_SameBytesStraightIntoAFile(benchmark::State& state) { writeSameBytes(state, false, g_plain); }
BENCHMARK(BM_SameBytesStraightIntoAFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_writer.runs && g_saved.runs && g_plain.runs) {
        std::printf("\nCollection PDF (%d titles, %d pages, %lld bytes): %.2f ms (goal: under 300 ms)\n"
                    "Same bytes as a replacing save: %.2f ms, ratio %.2f (goal: at most 3)\n"
                    "Same bytes straight into a file: %.2f ms, ratio %.2f\n",
                    kTitles, (kTitles + kRowsPerPage - 1) / kRowsPerPage, static_cast<long long>(fixture().bytes),
                    g_writer.mean(), g_saved.mean(), g_writer.mean() / g_saved.mean(), g_plain.mean(),
                    g_writer.mean() / g_plain.mean());
    }
    return 0;
}
