// Speed of the shelf window on a full collection: opening the editor on 9999
// titles against drawing it once, taken in turns in one run (warm), with
// their "ratio"; and one move of marked spines with the repaint after it.
// Drawing is measured by rendering the canvas (grab), which paints it whole
// whether or not the offscreen window has been exposed yet. The collection
// is loaded as the program loads it at start, so the opening finds it in
// memory.
#include "bench/BenchMain.h"
#include "bench/SilentMessages.h"
#include "bench/BenchTitles.h"
#include "data/clsDatentraegerList.h"
#include "mainwindow/frame/MainWindow.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/RandomSource.h"
#include "shelf/Regal.h"
#include "shelf/ShelfCanvas.h"
#include "shelf/core/clsRegalCtrl.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QTemporaryDir>

#include <chrono>

#include <memory>
#include <random>

namespace {

// No box is expected: every answer is No.
struct Fixture {
    QTemporaryDir dir;
    MersenneRandomSource random{42};
    Random::Scoped randomScope{random};
    SilentMessages messages{MsgAnswer::No};
    Messages::Scoped messagesScope{messages};
    std::unique_ptr<MainWindow> window;

    Fixture()
    {
        ProgramFolder::setPath(dir.path());
        QImage bg(200, 120, QImage::Format_RGB32);
        bg.fill(Qt::darkYellow);
        bg.save(dir.filePath(QStringLiteral("shelf.gif")), "BMP");

        // 9999 titles in the list, all of them on the shelf, every spine inside the window.
        const QString listPath = dir.filePath(QStringLiteral("lists/bench.adl"));
        clsDatentraegerList list;
        QList<clsRegalCtrl::ListTitle> titles;
        std::mt19937 rng(42);
        for (int i = 0; i < 9999; ++i) {
            const clsDatentraeger d = benchTitle(rng, i, dir.filePath(QStringLiteral("cover")));
            list.AddSortedDVD(d);
            titles.append({d.GetFilmname(), d.GetFormat()});
        }
        list.Save(listPath);
        clsRegalCtrl shelf;
        shelf.setMovieSize(100);
        shelf.AddMissingMovies(titles, 800);
        for (int i = 1; i <= shelf.MovieCount(); ++i)
            shelf.SetMovieNumber(i, clsRegalCtrl::MovieTop, (i / 114 % 5) * 110);
        for (int j = 0; j < 50; ++j)
            shelf.AddBrett(100 + (j % 5) * 110, (j / 5) * 80, 80);
        shelf.setBGpath(QStringLiteral("shelf.gif"));
        shelf.Save(clsRegalCtrl::ShelfPathOfList(listPath));

        window = std::make_unique<MainWindow>();
        clsOptions& o = window->session().Options();
        o.setSound(0);
        o.setDvdListpath(listPath);
        o.setRegalWidth(900);
        o.setRegalHeight(700);
        window->session().LoadDVDList();
        window->SetLanguageAndDesign();
    }

    Regal& regal() const { return *window->RegalWindow(); }
};

Fixture& fixture()
{
    static std::unique_ptr<Fixture> f;
    if (!f)
        f = std::make_unique<Fixture>();
    return *f;
}

using Clock = std::chrono::steady_clock;
double seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

// The editor opened on 9999 titles (titles, shelf, colours, list box,
// layout), then drawn once; the iteration time is both together.
void openAndDraw(benchmark::State& state)
{
    Fixture& f = fixture();
    // The first opening makes the window.
    f.window->menue_sammlungRegal_Click();
    f.regal().close();
    double open = 0, draw = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        f.window->menue_sammlungRegal_Click();
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(f.regal().canvas()->grab());
        const auto t2 = Clock::now();
        state.SetIterationTime(seconds(t0, t2));
        open += seconds(t0, t1);
        draw += seconds(t1, t2);
        if (!f.regal().isVisible() || f.regal().editor().shelf().MovieCount() != 9999 ||
            f.regal().titleList().size() != 9999)
            state.SkipWithError("not opened");
        f.regal().close();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["open_ms"] = open / n * 1e3;
    state.counters["draw_ms"] = draw / n * 1e3;
    state.counters["ratio"] = draw > 0 ? open / draw : 0;
}
BENCHMARK(openAndDraw)->UseManualTime()->Unit(benchmark::kMillisecond);

// All 9999 spines and 50 boards moved as a block to the click, then the whole window repainted.
void moveAndRepaint(benchmark::State& state)
{
    Fixture& f = fixture();
    f.window->menue_sammlungRegal_Click();
    Regal& regal = f.regal();
    int k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // The canvas's own signals, as its mouse events send them.
        ShelfCanvas* canvas = regal.canvas();
        emit canvas->movieClicked(1, {}); // makes the move pending
        regal.menue_markiereAlle_Click();
        emit canvas->backgroundMoved(QPointF(k % 2 ? 0 : 40, k % 2 ? 0 : 30));
        ++k;
        state.ResumeTiming();
        emit canvas->backgroundReleased({});
        benchmark::DoNotOptimize(regal.canvas()->grab());
    }
    regal.close(); // the changes are dropped
}
BENCHMARK(moveAndRepaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv, [] { fixture().window.reset(); });
}
