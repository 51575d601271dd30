// Start-up of the real program, portable in a folder of the shipped files and
// offscreen: from the start of the process to the first painted film name,
// with the process's peak memory and CPU time. A second run stays three
// seconds after that paint, so the peak includes whatever the program makes
// once its window is up (the start sound's player).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

struct Run {
    bool ok = false;
    double seconds = 0;
    double peakMiB = 0;
    double cpuMs = 0;
};

struct PortableFolder {
    QTemporaryDir dir;
    QString exe;
    PortableFolder()
    {
        exe = dir.filePath(QStringLiteral("quordvd"));
        QFile::copy(QStringLiteral(QUORDVD_EXECUTABLE), exe);
        QFile::copy(QStringLiteral(QUORDVD_RESOURCES "/settings.aef"), dir.filePath(QStringLiteral("settings.aef")));
    }
};

double ms(const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; }

Run runProgram(const PortableFolder& folder, int stayMs)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 && entry.rfind("QUORDVD_EXIT_AFTER_FIRST_PAINT=", 0) != 0)
            env.push_back(entry);
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("QUORDVD_EXIT_AFTER_FIRST_PAINT=" + std::to_string(stayMs));
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    const std::string exe = QFile::encodeName(folder.exe).toStdString();
    std::vector<char*> argv{const_cast<char*>(exe.c_str()), nullptr};

    Run run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0)
        return run;
    int status = 0;
    rusage usage{};
    for (;;) {
        const pid_t done = wait4(pid, &status, WNOHANG, &usage);
        if (done == pid)
            break;
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(60)) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            return run;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.peakMiB = usage.ru_maxrss / 1024.0;
    run.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    return run;
}

PortableFolder& folder()
{
    static PortableFolder f;
    static const bool seeded = runProgram(f, 0).ok; // the first start copies the shipped files
    (void)seeded;
    return f;
}

void measure(benchmark::State& state, int stayMs)
{
    PortableFolder& f = folder();
    double peak = 0, cpu = 0;
    for (auto _ : state) {
        const Run run = runProgram(f, stayMs);
        if (!run.ok) {
            state.SkipWithError("the program did not end by itself after its first paint");
            return;
        }
        state.SetIterationTime(run.seconds);
        peak += run.peakMiB;
        cpu += run.cpuMs;
    }
    state.counters["peak_MiB"] = benchmark::Counter(peak, benchmark::Counter::kAvgIterations);
    state.counters["cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

void BM_ProcessStartToFirstPaintedTitle(benchmark::State& state) { measure(state, 0); }
BENCHMARK(BM_ProcessStartToFirstPaintedTitle)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(8);

void BM_ProcessThreeSecondsAfterFirstPaint(benchmark::State& state) { measure(state, 3000); }
BENCHMARK(BM_ProcessThreeSecondsAfterFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
