// Every page of the main window and the Hangman window opened on a full
// collection of 9999 titles: the time to show and paint it, over the time of
// a repaint of the same window with it shown that paints every widget shown
// (floor_paints counts them). Taken in turns in one run. A page is made when
// it is first needed, so its first opening is measured apart: each benchmark
// prints "first_ratio" (the first opening) and "ratio" (the later ones), and
// a table of all of them against the goal of 3 ends the run.
#include "bench/BenchMain.h"
#include "bench/BenchTitles.h"
#include "bench/SilentMessages.h"
#include "data/clsDatentraegerList.h"
#include "games/HangMan.h"
#include "mainwindow/frame/MainWindow.h"
#include "platform/ProgramFolder.h"
#include "platform/RandomSource.h"
#include "platform/SoundService.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <QEvent>

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <random>

namespace {

constexpr int kTitles = 9999;

class Silent : public SilentMessages, public SoundService {
public:
    void play(const QString&) override {}
};

struct Fixture {
    QTemporaryDir dir;
    Silent silent;
    Messages::Scoped messages{silent};
    Sounds::Scoped sounds{silent};
    MersenneRandomSource random{42};
    Random::Scoped randomScope{random};
    std::unique_ptr<MainWindow> window;

    Fixture()
    {
        ProgramFolder::setPath(dir.path());
        ProgramFolder::seedDefaults(QStringLiteral(QUORDVD_RESOURCES));
        std::mt19937 rng(42);
        clsDatentraegerList list;
        for (int i = 0; i < kTitles; ++i)
            list.AddDVD(benchTitle(rng, i, dir.path() + QStringLiteral("/cover")));
        // The shipped settings name lists/demo.adl: the big list takes its place.
        list.Save(dir.path() + QStringLiteral("/lists/demo.adl"));
        window = std::make_unique<MainWindow>();
        window->Form_Load();
        window->show();
        QApplication::processEvents();
    }
};

std::unique_ptr<Fixture> g_fixture;

Fixture& fixture()
{
    if (!g_fixture)
        g_fixture = std::make_unique<Fixture>();
    return *g_fixture;
}

// Counts the widgets painted, to show that the floor paints the whole window
// and not just its frame.
struct PaintCount : QObject {
    int paints = 0;
    PaintCount() { qApp->installEventFilter(this); }
    ~PaintCount() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A repaint of a window paints only what is dirty, and after the opening
// paint that is the window and its direct children: every widget shown asks
// to be painted first, so that the floor paints the whole content.
void markAllDirty(QWidget* window)
{
    window->update();
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisible())
            w->update();
}

using Clock = std::chrono::steady_clock;
double seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

constexpr double kGoal = 3.0;

// The openings of one page or window over the whole run.
struct Openings {
    double first = -1; // seconds; the opening that made it
    double firstRatio = 0;
    double laterRatio = 0;
};

std::map<QString, Openings>& openings()
{
    static std::map<QString, Openings> all;
    return all;
}

// One opening timed: the first of the run is kept apart from the later ones.
void countOpening(const QString& name, double seconds, double& later, int& laterCount)
{
    Openings& o = openings()[name];
    if (o.first < 0) {
        o.first = seconds;
        return;
    }
    later += seconds;
    ++laterCount;
}

void report(benchmark::State& state, const QString& name, double later, int laterCount, double repaint,
            int floorPaints)
{
    const double n = static_cast<double>(state.iterations());
    const double repaintMean = repaint / n;
    Openings& o = openings()[name];
    const double laterMean = laterCount > 0 ? later / laterCount : 0;
    o.firstRatio = repaintMean > 0 ? o.first / repaintMean : 0;
    o.laterRatio = repaintMean > 0 ? laterMean / repaintMean : 0;
    state.counters["floor_paints"] = floorPaints;
    state.counters["first_open_ms"] = o.first * 1e3;
    state.counters["open_ms"] = laterMean * 1e3;
    state.counters["repaint_ms"] = repaintMean * 1e3;
    state.counters["first_ratio"] = o.firstRatio;
    state.counters["ratio"] = o.laterRatio;
}

double g_emptyWindowFirstShow = -1; // seconds

// The goal holds for the main window's pages; the Hangman window is shown
// beside them, its verdict apart.
void printGoals()
{
    std::printf("\nOpening over repaint (goal: at most %.0f for every page, the first opening and the later ones)\n",
                kGoal);
    std::printf("%-16s %8s %8s\n", "", "first", "later");
    int pagesOver = 0;
    for (const auto& [name, o] : openings()) {
        const bool ok = o.firstRatio <= kGoal && o.laterRatio <= kGoal;
        if (!ok && name.startsWith(QLatin1String("page")))
            ++pagesOver;
        std::printf("%-16s %8.2f %8.2f  %s\n", qPrintable(name), o.firstRatio, o.laterRatio, ok ? "ok" : "OVER");
    }
    std::printf("pages: %s\n", pagesOver ? "goal missed" : "goal met");
    const auto hangman = openings().find(QStringLiteral("Hangman window"));
    if (hangman != openings().end() && g_emptyWindowFirstShow >= 0 && hangman->second.firstRatio > 0) {
        const double repaint = hangman->second.first / hangman->second.firstRatio;
        std::printf("Hangman window first opening %.2f ms; an empty window of its size, first shown: %.2f ms "
                    "(%.1f times the Hangman repaint of %.3f ms)\n",
                    hangman->second.first * 1e3, g_emptyWindowFirstShow * 1e3, g_emptyWindowFirstShow / repaint,
                    repaint * 1e3);
    }
}

void BM_Page(benchmark::State& state)
{
    Fixture& f = fixture();
    const int page = static_cast<int>(state.range(0));
    const QString name = QStringLiteral("page %1").arg(page, 2);
    double later = 0, repaint = 0;
    int laterCount = 0;
    for (auto _ : state) {
        f.window->ShowPage(1);
        QApplication::processEvents();
        const auto t0 = Clock::now();
        f.window->ShowPage(page);
        f.window->repaint();
        const auto t1 = Clock::now();
        markAllDirty(f.window.get());
        const auto t1b = Clock::now();
        f.window->repaint();
        const auto t2 = Clock::now();
        state.SetIterationTime(seconds(t0, t1));
        countOpening(name, seconds(t0, t1), later, laterCount);
        repaint += seconds(t1b, t2);
    }
    PaintCount count;
    markAllDirty(f.window.get());
    f.window->repaint();
    report(state, name, later, laterCount, repaint, count.paints);
}
BENCHMARK(BM_Page)->DenseRange(4, 23)->UseManualTime()->Unit(benchmark::kMillisecond);

// Each opening follows the user's closing of the window before.
void BM_HangmanWindow(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString name = QStringLiteral("Hangman window");
    double later = 0, repaint = 0;
    int laterCount = 0;
    QPointer<HangMan> hangman = f.window->HangManWindow();
    for (auto _ : state) {
        if (hangman)
            hangman->close();
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const auto t0 = Clock::now();
        f.window->menue_spieleHangman_Click();
        hangman = f.window->HangManWindow();
        if (!hangman) {
            state.SkipWithError("the Hangman window did not open");
            return;
        }
        QApplication::processEvents(); // the window system shows it
        hangman->repaint();
        const auto t1 = Clock::now();
        markAllDirty(hangman);
        const auto t1b = Clock::now();
        hangman->repaint();
        const auto t2 = Clock::now();
        state.SetIterationTime(seconds(t0, t1));
        countOpening(name, seconds(t0, t1), later, laterCount);
        repaint += seconds(t1b, t2);
    }
    // What no window of its own can avoid: a new empty top-level window of
    // the same size, its first show and paint timed as the Hangman's first
    // opening is. It comes after the Hangman's openings so as not to warm
    // them; the code it runs is warm by then, so it is a low estimate.
    if (hangman) {
        auto* empty = new QWidget(f.window.get(), Qt::Window);
        empty->setFixedSize(hangman->size());
        const auto t0 = Clock::now();
        empty->show();
        QApplication::processEvents();
        empty->repaint();
        g_emptyWindowFirstShow = seconds(t0, Clock::now());
        delete empty;
    }
    int floorPaints = 0;
    if (hangman) {
        PaintCount count;
        markAllDirty(hangman);
        hangman->repaint();
        floorPaints = count.paints;
    }
    delete hangman.data();
    report(state, name, later, laterCount, repaint, floorPaints);
}
BENCHMARK(BM_HangmanWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // The offscreen platform cannot raise a window and says so at every
    // opening; that writing is no work of the program.
    static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (!text.startsWith(QLatin1String("This plugin does not support")))
            previous(type, context, text);
    });
    return runOffscreenBenchmarks(argc, argv, [] {
        printGoals();
        g_fixture.reset();
    });
}
