#include "tests/mainwindow/frame/SettingsFixture.h"

#include "tests/support/ScriptedColorDialogs.h"
#include "tests/support/ScriptedRandom.h"

#include <QFile>

// The settings pages inside the whole program: saved settings reach the
// window's size, its menus and every page's language, and a password set on
// page 18 guards the next start.

namespace {

TEST_F(SettingsInWindowTest, SavingWritesTheSettingsFileAndMakesTheChosenDesignAndSizesActive)
{
    ScriptedColorDialogs colours;
    colours.expectChoose(0x00123456);
    QTest::mouseClick(swatch("btEinstColorFont"), Qt::LeftButton); // on the page only
    ASSERT_EQ(swatch("btEinstColorFont")->color(), 0x00123456);

    chooseDesign("e2.asd");
    put("ucEntryEinstBreite", "1000");
    put("ucEntryEinstHoehe", "700");
    put("ucEntryEinstTrailerBreite", "420");
    put("ucEntryEinstTrailerHoehe", "410");
    put("ucEntryEinstRegalBreite", "510");
    put("ucEntryEinstRegalHoehe", "520");
    put("ucEntryEinstFeld", "Notiz");
    put("ucEntryEinstWaehrung", "$");
    put("ucEntryEinstSWButtons", "Stil 51");
    put("ucEntryEinstStumm", "Stil 50");
    saveSettings();

    const QByteArray expected = " 0 \r\n" + folder.file("lists/l.adl").toUtf8() + "\r\n" +
                                folder.file("notes.txt").toUtf8() + "\r\n" + folder.file("designs/e2.asd").toUtf8() +
                                "\r\n 1000 \r\n 700 \r\n 420 \r\n 410 \r\n 510 \r\n 520 \r\nDVD\r\nNotiz\r\n$\r\n 0 \r\n 1 \r\n";
    EXPECT_EQ(folder.read("settings.aef"), expected);
    EXPECT_EQ(status(), QStringLiteral("Meldung 1"));
    EXPECT_EQ(window->AktuelleSeite(), 16);

    // The chosen design is the active one; the colour picked on the page was not stored.
    const clsOptions& o = window->session().Options();
    EXPECT_EQ(o.GetDesign(), (Design{111, 222, 333, 444, 555}));
    EXPECT_EQ(o.Shortcuts(), 0);
    EXPECT_EQ(o.Sound(), 1);
    EXPECT_EQ(swatch("btEinstColorFont")->color(), 111);
    EXPECT_EQ(entry("ucEntryEinstDesignName")->value(), QStringLiteral("e2"));
    EXPECT_EQ(designList()->currentItem()->text(), QStringLiteral("e2.asd"));
    EXPECT_EQ(folder.read("designs/d.asd").count("\r\n"), 10); // untouched

    // The window follows the new size, and the page its new width.
    EXPECT_EQ(window->frameGeometry().size(), QSize(1000, 700)); // the outer size
    EXPECT_EQ(entry("ucEntryEinstBreite")->width(), 1000 / 2 - 40);
}

TEST_F(SettingsInWindowTest, SwitchingTheLanguageChangesCaptionsCombosAndMessagesAtOnce)
{
    // The password page already made follows the switch too.
    window->ShowPage(18);
    window->ShowPage(16);
    put("ucEntryEinstSprache", "Stil 48");
    saveSettings();
    EXPECT_EQ(window->session().Options().Language(), 1);
    EXPECT_EQ(status(), QStringLiteral("Message 1"));
    EXPECT_EQ(entry("ucEntryEinstBreite")->Caption(), QStringLiteral("Style 55"));
    EXPECT_EQ(entry("ucEntryEinstSprache")->value(), QStringLiteral("Style 48"));
    EXPECT_EQ(entry("ucEntryEinstStumm")->GetComboEntry(0), QStringLiteral("Style 50"));
    EXPECT_EQ(entry("ucEntryEinstStumm")->ComboCount(), 2);
    EXPECT_EQ(child<ucText>("ucTextEinstColorRating")->text(), QStringLiteral("Style 53"));
    EXPECT_EQ(window->menuAction(QStringLiteral("einstellungen"))->text(), QStringLiteral("Style 94"));
    EXPECT_EQ(child<QPushButton>("btPwChange")->text(), QStringLiteral("Style 132"));

    // The old language's text is no longer one of the choices.
    put("ucEntryEinstSprache", "Stil 47");
    saveSettings();
    EXPECT_EQ(status(), QStringLiteral("Message 34 (Style 63)"));
    put("ucEntryEinstSprache", "Style 47");
    saveSettings();
    EXPECT_EQ(status(), QStringLiteral("Meldung 1"));
    EXPECT_EQ(entry("ucEntryEinstBreite")->Caption(), QStringLiteral("Stil 55"));
}

TEST_F(SettingsInWindowTest, ASettingsFileThatCannotBeWrittenIsReportedAndNothingChanges)
{
    ASSERT_TRUE(QFile::remove(folder.file("settings.aef")));
    folder.write("settings.aef/blocked", "x"); // a folder where the file belongs
    chooseDesign("e2.asd");
    put("ucEntryEinstBreite", "1000");
    put("ucEntryEinstSprache", "Stil 48");
    saveSettings();

    // The cause follows in the system's words.
    EXPECT_TRUE(status().startsWith("Meldung 24 (cannot write " + folder.file("settings.aef") + ": "))
        << status().toStdString();
    const clsOptions& o = window->session().Options();
    EXPECT_EQ(o.FormWidth(), 800);
    EXPECT_EQ(o.Language(), 0);
    EXPECT_EQ(o.DesignPath(), folder.file("designs/d.asd"));
    EXPECT_EQ(o.ColorFont(), 255);
    EXPECT_EQ(entry("ucEntryEinstBreite")->Caption(), QStringLiteral("Stil 55"));
    EXPECT_EQ(entry("ucEntryEinstBreite")->value(), QStringLiteral("1000"));
    EXPECT_EQ(window->frameGeometry().size(), QSize(800, 700));
}

// The whole program: set a password on page 18, start again, and the prompt wants it.
using PasswordAtStart = StartupTest;

TEST_F(PasswordAtStart, APasswordSetOnThePageIsAskedForAtTheNextStart)
{
    ScriptedRandom random{0.6, 0.3};
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha"}});
    start();
    window->menuAction(QStringLiteral("menue_einstellungenPasswort"))->trigger();
    auto* neu = child<ucEntry>("ucEntryPwNew");
    ASSERT_TRUE(neu->isVisible());
    EXPECT_EQ(neu->Caption(), QStringLiteral("Stil 135"));
    EXPECT_EQ(child("ucEntryPwOld")->y(), 200);
    neu->setValue(QStringLiteral("Neu42"));
    child<ucEntry>("ucEntryPwNew2")->setValue(QStringLiteral("Neu42"));
    QTest::mouseClick(child<QPushButton>("btPwChange"), Qt::LeftButton);
    EXPECT_EQ(status(), QStringLiteral("Meldung 3"));

    window.reset();
    window = std::make_unique<MainWindow>();
    ScriptedMessages messages;
    messages.expectInput(QStringLiteral("neu42")).expectInput(QString()).expectInput(QStringLiteral("Neu42"));
    start();
    EXPECT_EQ(messages.shown, QStringList(3, QStringLiteral("Password")));
    EXPECT_EQ(window->session().AktuelleDVDNr(), 1);
}

} // namespace
