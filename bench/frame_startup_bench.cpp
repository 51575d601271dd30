// Start-up of the main window with a full collection of 9999 titles, to the
// first page shown (no splash, no password), and one step to the next title
// with its cover drawn. Run offscreen: QT_QPA_PLATFORM=offscreen.
#include "bench/BenchMain.h"
#include "data/clsDatentraeger.h"
#include "data/clsDatentraegerList.h"
#include "mainwindow/frame/MainWindow.h"
#include "mainwindow/frame/PageDVDScreen.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/SoundService.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>

#include "bench/SilentMessages.h"

#include <memory>

namespace {

constexpr int kTitles = 9999;
constexpr int kCovers = 50;

class Silent : public SilentMessages, public SoundService {
public:
    void play(const QString&) override {}
};

struct Folder {
    QTemporaryDir dir;
    Folder()
    {
        ProgramFolder::setPath(dir.path());
        ProgramFolder::seedDefaults(QStringLiteral(QUORDVD_RESOURCES));
        QDir().mkpath(dir.path() + QStringLiteral("/cover"));
        for (int c = 0; c < kCovers; ++c) {
            QImage img(300, 420, QImage::Format_RGB32);
            img.fill(QColor::fromHsv(c * 7 % 360, 180, 200));
            img.save(dir.path() + QStringLiteral("/cover/c%1.jpg").arg(c), "JPG");
        }
        clsDatentraegerList list;
        const char* formats[] = {"DVD", "BluRay", "HD-DVD", "VHS", "VCD"};
        for (int i = 0; i < kTitles; ++i) {
            clsDatentraeger d;
            d.SetFilmname(QStringLiteral("Title %1").arg(i, 5, 10, QLatin1Char('0')));
            d.SetFormat(QString::fromLatin1(formats[i % 5]));
            d.SetBewertung(static_cast<std::uint8_t>(i % 6));
            d.SetGenre(QStringLiteral("Drama/Comedy"));
            d.SetLandJahr(QStringLiteral("USA 1999"));
            d.SetLaenge(static_cast<std::int16_t>(80 + i % 60));
            d.SetKaufpreis(static_cast<std::int16_t>(i % 3000));
            d.SetSchauspieler1(QStringLiteral("Actor %1").arg(i % 400));
            d.SetRegie(QStringLiteral("Director %1").arg(i % 100));
            d.SetBildpfad(QStringLiteral("cover/c%1.jpg").arg(i % kCovers));
            list.AddDVD(d);
        }
        // The shipped settings name lists/demo.adl: the big list takes its place.
        list.Save(dir.path() + QStringLiteral("/lists/demo.adl"));
    }
};

Folder& folder()
{
    static Folder f;
    return f;
}

void BM_StartupToFirstPage(benchmark::State& state)
{
    folder();
    Silent silent;
    Messages::Scoped m(silent);
    Sounds::Scoped s(silent);
    for (auto _ : state) {
        auto window = std::make_unique<MainWindow>();
        window->Form_Load();
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        state.counters["titles"] = window->session().DVDListe().getListSize();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToFirstPage)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SkipToNextTitleWithCover(benchmark::State& state)
{
    folder();
    Silent silent;
    Messages::Scoped m(silent);
    Sounds::Scoped s(silent);
    MainWindow window;
    window.Form_Load();
    window.show();
    QApplication::processEvents();
    auto* cover = window.findChild<QLabel*>(QStringLiteral("ImAnzeige"));
    for (auto _ : state) {
        if (window.session().AktuelleDVDNr() >= kTitles - 1)
            window.DVDScreenAufrufen(1);
        window.DVDScreen().btSkipvor_Click();
        cover->repaint(); // the cover drawn, not only loaded
    }
}
BENCHMARK(BM_SkipToNextTitleWithCover)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return runOffscreenBenchmarks(argc, argv); }
