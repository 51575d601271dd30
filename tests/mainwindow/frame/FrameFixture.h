#pragma once

#include "mainwindow/frame/MainWindow.h"
#include "tests/support/FixedScreen.h"
#include "tests/support/PageTestSettings.h"
#include "tests/support/RecordingServices.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempProgramFolder.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

// A main window on a temporary program folder whose language files give
// every line a text that names it ("Stil 14" / "Style 14", "Meldung 27").
class FrameTest : public ::testing::Test {
protected:
    FrameTest()
    {
        PageTestSettings::writeLanguages(folder);
        window = std::make_unique<MainWindow>();
        PageTestSettings::apply(window->session().Options());
    }


    // A design with an existing background picture, so that start-up shows no message.
    void giveBackground()
    {
        QImage img(4, 4, QImage::Format_RGB32);
        img.fill(Qt::darkGreen);
        img.save(folder.file(QStringLiteral("bg.bmp")));
        window->session().Options().setBGpath(folder.file(QStringLiteral("bg.bmp")));
    }

    TempProgramFolder folder;
    // Large enough for every size the tests lay out.
    FixedScreen screen{QSize(4000, 3000)};
    RecordingSounds sounds;
    RecordingOpener opener;
    std::unique_ptr<MainWindow> window;
};
