#pragma once

#include "controls/ucEntry.h"
#include "controls/ucText.h"
#include "mainwindow/settingspages/ColorLabel.h"
#include "tests/mainwindow/settingspages/Printing.h"
#include "tests/mainwindow/frame/StartupFixture.h"
#include "tests/support/FixedScreen.h"
#include "tests/support/ListClicks.h"
#include "tests/support/UserInput.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

// The program started on a folder with a settings file (window 800 x 700,
// trailer 640 x 480, shelf 800 x 600), the design "designs/d.asd" and a
// second design "designs/e2.asd", showing page 16 on a screen of 1280 x 1024
// pixels.
class SettingsInWindowTest : public StartupTest {
protected:
    void SetUp() override
    {
        writeSettings(QStringLiteral("lists/l.adl"));
        folder.writeLines(QStringLiteral("settings.aef"),
                          {" 0 ", "lists/l.adl", "notes.txt", "designs/d.asd", " 800 ", " 700 ", " 640 ", " 480 ",
                           " 800 ", " 600 ", "DVD", "Extras", "€", " 1 ", " 0 "});
        writeList({{"Alpha"}});
        folder.writeLines(QStringLiteral("designs/e2.asd"),
                          {QStringLiteral("bg.bmp"), QString(), QString(), QString(), QStringLiteral("111"),
                           QStringLiteral("222"), QStringLiteral("333"), QStringLiteral("444"), QStringLiteral("555"),
                           QStringLiteral("0")});
        start();
        window->menuAction(QStringLiteral("menue_einstellungenAllgemein"))->trigger();
        window->StatusTimer_Timer();
    }

    ucEntry* entry(const char* name) const { return child<ucEntry>(name); }
    QListWidget* designList() const { return child<QListWidget>("FileDesign"); }
    ColorLabel* swatch(const char* name) const { return child<ColorLabel>(name); }

    // Writes an entry's text as the program does, past the typing limit.
    void put(const char* name, const QString& text) const { UserInput::put(entry(name), text); }

    // Chooses a design in the list with the mouse.
    void chooseDesign(const QString& name) const
    {
        ASSERT_TRUE(clickListItem(designList(), name)) << name.toStdString();
    }

    void saveSettings() { click("btEinstSpeichern"); }
    void click(const char* button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }

    FixedScreen screen{QSize(1280, 1024)};
};
