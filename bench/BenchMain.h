#pragma once

#include "platform/gui/QtScreenService.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <functional>

// Runs the registered benchmarks inside an application on the offscreen
// platform, so that windows can be measured without a display.
inline int runOffscreenBenchmarks(int argc, char** argv, const std::function<void()>& beforeExit = {})
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtScreenService screen;
    Screens::install(&screen);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (beforeExit)
        beforeExit();
    return 0;
}
