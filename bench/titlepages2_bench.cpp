// Speed of the statistics page, the top-30 pages and the mass change over a
// full collection of 9999 titles, on a real main window (offscreen).
#include "bench/BenchTitles.h"
#include "bench/BenchMain.h"
#include "data/clsDatentraeger.h"
#include "controls/ucEntry.h"
#include "controls/ucOption.h"
#include "data/clsDatentraegerList.h"
#include "mainwindow/frame/MainWindow.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>
#include "bench/SilentMessages.h"

#include <random>

namespace {

constexpr int kTitles = 9999;

struct Fixture {
    QTemporaryDir dir;
    SilentMessages yes{MsgAnswer::Yes};
    Messages::Scoped messages{yes};
    std::unique_ptr<MainWindow> window;

    Fixture()
    {
        ProgramFolder::setPath(dir.path());
        std::mt19937 rng(42);
        clsDatentraegerList list;
        for (int i = 0; i < kTitles; ++i) {
            clsDatentraeger d = benchTitle(rng, i, dir.path() + QStringLiteral("/cover"));
            if (i % 3 == 0)
                d.SetTrailerpfad(dir.path() + QStringLiteral("/trailer/%1.avi").arg(i));
            list.AddDVD(d);
        }
        const QString path = dir.path() + QStringLiteral("/lists/big.adl");
        list.Save(path);
        window = std::make_unique<MainWindow>();
        window->session().Options().setDvdListpath(path);
        window->session().LoadDVDList();
        window->session().selectTitle(1);
        for (int i = 0; i < 500; ++i) {
            window->session().ActorList().Add(QStringLiteral("Actor %1").arg(i));
            window->session().DirectorList().Add(QStringLiteral("Director %1").arg(i));
        }
        window->SetLanguageAndDesign();
        window->SetAllSizes(1024, 768);
    }
};

// Built on first use, removed before the application object goes.
std::unique_ptr<Fixture> g_fixture;

Fixture& fixture()
{
    if (!g_fixture)
        g_fixture = std::make_unique<Fixture>();
    return *g_fixture;
}

void BM_Statistik(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state)
        f.window->ShowPage(5);
}
BENCHMARK(BM_Statistik)->Unit(benchmark::kMillisecond);

void BM_Top30(benchmark::State& state)
{
    Fixture& f = fixture();
    const int page = 20 + static_cast<int>(state.range(0));
    for (auto _ : state)
        f.window->ShowPage(page);
}
BENCHMARK(BM_Top30)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// Mode 2 on the director field: every title changes and the list file is
// written. Find and replace swap each round, so each round changes all titles.
void BM_MassChangeField(benchmark::State& state)
{
    Fixture& f = fixture();
    f.window->ShowPage(8);
    auto* place = f.window->findChild<ucOption*>(QStringLiteral("ucOptionMBOrt"));
    auto* mode = f.window->findChild<ucOption*>(QStringLiteral("ucOptionMBModus"));
    auto* find = f.window->findChild<ucEntry*>(QStringLiteral("ucEntryMBFind"));
    auto* replace = f.window->findChild<ucEntry*>(QStringLiteral("ucEntryMBReplace"));
    auto* button = f.window->findChild<QPushButton*>(QStringLiteral("btMB"));
    place->setSelected(6);
    mode->setSelected(2);
    QString from = QStringLiteral("Director"), to = QStringLiteral("Regie");
    for (auto _ : state) {
        state.PauseTiming();
        find->setValue(from);
        replace->setValue(to);
        std::swap(from, to);
        state.ResumeTiming();
        button->click();
    }
}
BENCHMARK(BM_MassChangeField)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv, [] { g_fixture.reset(); });
}
