#include "tests/mainwindow/settingspages/SettingsFixture.h"

#include "tests/support/ScriptedColorDialogs.h"

#include <QFile>
#include <QComboBox>
#include <QLineEdit>

#include <functional>

namespace {

TEST_F(SettingsPageTest, ShowingThePageFillsItFromTheSettingsAndChoosesTheActiveDesign)
{
    const struct {
        const char* entry;
        QString caption;
        QString value;
    } entries[] = {
        {"ucEntryEinstBreite", "Stil 55", "800"},
        {"ucEntryEinstHoehe", "Stil 56", "700"},
        {"ucEntryEinstTrailerBreite", "Stil 57", "640"},
        {"ucEntryEinstTrailerHoehe", "Stil 58", "480"},
        {"ucEntryEinstRegalBreite", "Stil 59", "800"},
        {"ucEntryEinstRegalHoehe", "Stil 60", "600"},
        {"ucEntryEinstFeld", "Stil 61", "Extras"},
        {"ucEntryEinstSWButtons", "Stil 62", "Stil 50"},
        {"ucEntryEinstSprache", "Stil 63", "Stil 47"},
        {"ucEntryEinstWaehrung", "Stil 64", "€"},
        {"ucEntryEinstBG", "Stil 65", folder.file("bg.bmp")},
        {"ucEntryEinstSoundKlick", "Stil 66", folder.file("click.wav")},
        {"ucEntryEinstSoundStart", "Stil 67", folder.file("start.wav")},
        {"ucEntryEinstSoundHinweis", "Stil 68", ""},
        {"ucEntryEinstStumm", "Stil 69", "Stil 51"},
        {"ucEntryEinstDesignName", "Stil 70", "d"},
    };
    for (const auto& e : entries) {
        SCOPED_TRACE(e.entry);
        EXPECT_TRUE(entry(e.entry)->isVisible());
        EXPECT_EQ(entry(e.entry)->Caption(), e.caption);
        EXPECT_EQ(entry(e.entry)->value(), e.value);
    }
    EXPECT_EQ(entry("ucEntryEinstBG")->Style(), 3);
    EXPECT_EQ(entry("ucEntryEinstSprache")->Style(), 2);
    EXPECT_FALSE(entry("ucEntryEinstSprache")->ButtonVisible());
    EXPECT_EQ(entry("ucEntryEinstDesignName")->Labelwidth(), 100);
    EXPECT_EQ(entry("ucEntryEinstSoundKlick")->DialogFolder(), folder.file("designs"));
    EXPECT_EQ(entry("ucEntryEinstSoundKlick")->DialogFilter(), QStringLiteral("Sound-Files (*.wav,*.mid) | *.wav;*.mid"));

    const std::pair<const char*, QStringList> combos[] = {
        {"ucEntryEinstSWButtons", {"Stil 50", "Stil 51"}},
        {"ucEntryEinstStumm", {"Stil 50", "Stil 51"}},
        {"ucEntryEinstSprache", {"Stil 47", "Stil 48"}},
        {"ucEntryEinstWaehrung", {"€", "$"}},
    };
    for (const auto& [name, items] : combos) {
        QStringList shown;
        for (std::int16_t i = 0; i < entry(name)->ComboCount(); ++i)
            shown << entry(name)->GetComboEntry(i);
        EXPECT_EQ(shown, items) << name;
    }

    const struct {
        const char* text;
        const char* label;
        QString caption;
        QString shown;
        Color color;
    } colours[] = {
        {"ucTextEinstColorFont", "btEinstColorFont", "Stil 71", "Stil 52", 255},
        {"ucTextEinstColorBG", "btEinstColorBG", "Stil 71", "Stil 54", 16711680},
        {"ucTextEinstColorEntryFont", "btEinstColorEntryFont", "Stil 72", "Stil 52", 0},
        {"ucTextEinstColorEntryBG", "btEinstColorEntryBG", "Stil 72", "Stil 54", 16777215},
        {"ucTextEinstColorRating", "btEinstColorRating", "Stil 73", "Stil 53", 65535},
    };
    for (const auto& c : colours) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(child<ucText>(c.text)->Caption(), c.caption);
        EXPECT_EQ(child<ucText>(c.text)->text(), c.shown);
        EXPECT_EQ(swatch(c.label)->color(), c.color);
        // each swatch stands right beside its text
        EXPECT_EQ(swatch(c.label)->x(), child(c.text)->x() + child(c.text)->width());
        EXPECT_EQ(swatch(c.label)->y(), child(c.text)->y());
    }

    QStringList listed;
    for (int i = 0; i < designList()->count(); ++i)
        listed << designList()->item(i)->text();
    EXPECT_EQ(listed, (QStringList{"d.asd", "e2.asd"}));
    EXPECT_EQ(designList()->currentItem()->text(), QStringLiteral("d.asd"));
    EXPECT_EQ(entry("ucEntryEinstDesignName")->value(), QStringLiteral("d"));
    EXPECT_FALSE(window->session().DesignGeschuetzt());
    EXPECT_EQ(child<QPushButton>("btEinstSpeichern")->text(), QStringLiteral("Stil 76"));

    // Two columns from top 100: the language beside the background picture,
    // the width beside the first colour row.
    EXPECT_EQ(entry("ucEntryEinstSprache")->y(), 100);
    EXPECT_EQ(entry("ucEntryEinstBG")->y(), 100);
    EXPECT_EQ(entry("ucEntryEinstBreite")->y(), 125);
    EXPECT_EQ(child("ucTextEinstColorFont")->y(), 125);
    EXPECT_EQ(entry("ucEntryEinstBreite")->width(), 800 / 2 - 40);
    EXPECT_GE(entry("ucEntryEinstBreite")->x(), 400);
    EXPECT_LT(entry("ucEntryEinstBG")->x() + entry("ucEntryEinstBG")->width(), 400);
    EXPECT_EQ(designList()->y(), 100 + 9 * 25 + 5);
    EXPECT_EQ(child("btEinstSpeichern")->y(), child("btDesignLoeschen")->y());
}

TEST_F(SettingsPageTest, ChecksRunInTheirOrderAndTheFirstFailureNamesItsEntry)
{
    using Change = std::function<void()>;
    const auto set = [this](const char* name, const char* text) {
        return Change([this, name, text] { put(name, QString::fromUtf8(text)); });
    };
    const struct {
        const char* what;
        std::vector<Change> changes;
        QString suffix;
    } cases[] = {
        {"language not in the list", {set("ucEntryEinstSprache", "Stil 49")}, " (Stil 63)"},
        {"language in other case", {set("ucEntryEinstSprache", "stil 47")}, " (Stil 63)"},
        {"width 699", {set("ucEntryEinstBreite", "699")}, " (Stil 55)"},
        {"width above the screen", {set("ucEntryEinstBreite", "1281")}, " (Stil 55)"},
        {"width no number", {set("ucEntryEinstBreite", "8OO")}, " (Stil 55)"},
        {"height 665", {set("ucEntryEinstHoehe", "665")}, " (Stil 56)"},
        {"height above the screen", {set("ucEntryEinstHoehe", "1025")}, " (Stil 56)"},
        {"trailer width 399", {set("ucEntryEinstTrailerBreite", "399")}, " (Stil 57)"},
        {"trailer height above the screen", {set("ucEntryEinstTrailerHoehe", "1100")}, " (Stil 58)"},
        {"shelf width 499", {set("ucEntryEinstRegalBreite", "499")}, " (Stil 59)"},
        {"shelf height empty", {set("ucEntryEinstRegalHoehe", "")}, " (Stil 60)"},
        {"no design chosen", {[this] { designList()->clearSelection(); }}, " ()"},
        {"chosen design gone",
         {[this] { chooseDesign("e2.asd"); }, [this] { QFile::remove(folder.file("designs/e2.asd")); }},
         " (e2.asd)"},
        {"side switch unknown", {set("ucEntryEinstSWButtons", "Ja")}, " (Stil 62)"},
        {"sound unknown", {set("ucEntryEinstStumm", "")}, " (Stil 69)"},
        {"free field empty", {set("ucEntryEinstFeld", "")}, " (Stil 61)"},
        {"several wrong: the first is named",
         {set("ucEntryEinstFeld", ""), set("ucEntryEinstHoehe", "1"), set("ucEntryEinstSprache", "x")},
         " (Stil 63)"},
    };
    const QByteArray before = folder.read("settings.aef");
    const QByteArray e2 = folder.read("designs/e2.asd");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        folder.write("designs/e2.asd", e2);
        window->ShowPage(16);
        window->StatusTimer_Timer();
        for (const Change& change : c.changes)
            change();
        const QString typed = entry("ucEntryEinstBreite")->value();
        saveSettings();
        EXPECT_EQ(status(), QStringLiteral("Meldung 34") + c.suffix);
        EXPECT_EQ(folder.read("settings.aef"), before);
        EXPECT_EQ(window->session().Options().FormWidth(), 800);
        EXPECT_EQ(window->session().Options().DesignPath(), folder.file("designs/d.asd"));
        EXPECT_EQ(entry("ucEntryEinstBreite")->value(), typed); // the page stays as typed
    }

    // All entries right: a fraction is cut to its whole part and the currency takes any text.
    folder.write("designs/e2.asd", e2);
    window->ShowPage(16);
    put("ucEntryEinstBreite", "1000.7");
    put("ucEntryEinstWaehrung", "CHF");
    saveSettings();
    EXPECT_EQ(status(), QStringLiteral("Meldung 1"));
    EXPECT_EQ(window->session().Options().FormWidth(), 1000);
    EXPECT_EQ(window->session().Options().CurrencyChar(), QStringLiteral("CHF"));
}

TEST_F(SettingsPageTest, SavingWritesTheSettingsFileAndMakesTheChosenDesignAndSizesActive)
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

TEST_F(SettingsPageTest, SwitchingTheLanguageChangesCaptionsCombosAndMessagesAtOnce)
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

TEST_F(SettingsPageTest, ASettingsFileThatCannotBeWrittenIsReportedAndNothingChanges)
{
    ASSERT_TRUE(QFile::remove(folder.file("settings.aef")));
    folder.write("settings.aef/blocked", "x"); // a folder where the file belongs
    chooseDesign("e2.asd");
    put("ucEntryEinstBreite", "1000");
    put("ucEntryEinstSprache", "Stil 48");
    saveSettings();

    EXPECT_EQ(status(), QStringLiteral("Meldung 24"));
    const clsOptions& o = window->session().Options();
    EXPECT_EQ(o.FormWidth(), 800);
    EXPECT_EQ(o.Language(), 0);
    EXPECT_EQ(o.DesignPath(), folder.file("designs/d.asd"));
    EXPECT_EQ(o.ColorFont(), 255);
    EXPECT_EQ(entry("ucEntryEinstBreite")->Caption(), QStringLiteral("Stil 55"));
    EXPECT_EQ(entry("ucEntryEinstBreite")->value(), QStringLiteral("1000"));
    EXPECT_EQ(window->frameGeometry().size(), QSize(800, 700));
}

TEST_F(SettingsPageTest, ADesignWhoseNumberLinesAreDamagedCannotBeChosen)
{
    const QStringList good = {"bg.bmp", "", "", "", "1", "2", "3", "4", "5", "0"};
    const struct {
        const char* file;
        int line; // 1-based line replaced, 0: the file is cut after 8 lines
        const char* text;
    } cases[] = {
        {"colour.asd", 6, "blau"},
        {"huge.asd", 9, "99999999999"},
        {"flag.asd", 10, "ja"},
        {"short.asd", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        QStringList lines = good;
        if (c.line == 0)
            lines = lines.mid(0, 8);
        else
            lines[c.line - 1] = QString::fromLatin1(c.text);
        folder.writeLines(QStringLiteral("designs/") + QLatin1String(c.file), lines);
        window->ShowPage(16);
        window->StatusTimer_Timer();
        ASSERT_EQ(designList()->currentItem()->text(), QStringLiteral("d.asd"));

        chooseDesign(QString::fromLatin1(c.file));
        EXPECT_EQ(status(), QStringLiteral("Meldung 27 (%1)").arg(QLatin1String(c.file)));
        EXPECT_EQ(designList()->currentItem()->text(), QStringLiteral("d.asd"));
        EXPECT_EQ(entry("ucEntryEinstDesignName")->value(), QStringLiteral("d"));
        EXPECT_EQ(swatch("btEinstColorFont")->color(), 255);
        EXPECT_FALSE(window->session().DesignGeschuetzt());
        QFile::remove(folder.file(QStringLiteral("designs/") + QLatin1String(c.file)));
    }
}

TEST_F(SettingsPageTest, WithTheActiveDesignMissingNothingIsChosenAndTheSaveIsRefused)
{
    ASSERT_TRUE(QFile::rename(folder.file("designs/d.asd"), folder.file("designs/old.asd")));
    window->ShowPage(16);
    EXPECT_EQ(status(), QStringLiteral("Meldung 27"));
    EXPECT_TRUE(designList()->selectedItems().isEmpty());
    EXPECT_EQ(entry("ucEntryEinstDesignName")->value(), QStringLiteral("d")); // from the settings
    saveSettings();
    EXPECT_EQ(status(), QStringLiteral("Meldung 34 ()"));

    // Deleting with nothing chosen deletes nothing.
    click("btDesignLoeschen");
    EXPECT_EQ(status(), QStringLiteral("Meldung 29"));
    EXPECT_TRUE(QFileInfo::exists(folder.file("designs/old.asd")));
    EXPECT_TRUE(QFileInfo::exists(folder.file("designs/e2.asd")));
}

TEST_F(SettingsPageTest, TypingStopsAtEachEntrysLimitWhileLongerSettingsShowWhole)
{
    const struct {
        const char* entry;
        const char* typed;
        QString kept;
    } cases[] = {
        {"ucEntryEinstBreite", "12345", "1234"},
        {"ucEntryEinstFeld", "Anmerkungen zum Film", "Anmerkungen zum"},
        {"ucEntryEinstDesignName", "ein_sehr_langer_name_fuer_ein_design", "ein_sehr_langer_name_fuer_ein_"},
        {"ucEntryEinstWaehrung", "EURO", "EUR"},
        {"ucEntryEinstBG", "x", "x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        put(c.entry, QString());
        QWidget* box = entry(c.entry)->Style() == 2 ? entry(c.entry)->findChild<QWidget*>(QStringLiteral("combo"))
                                                    : entry(c.entry)->findChild<QWidget*>(QStringLiteral("text"));
        ASSERT_NE(box, nullptr);
        QWidget* target = box->focusProxy() ? box->focusProxy() : box;
        if (auto* combo = qobject_cast<QComboBox*>(box))
            target = combo->lineEdit();
        QTest::keyClicks(target, QString::fromLatin1(c.typed));
        EXPECT_EQ(entry(c.entry)->value(), c.kept);
    }

    // A size from a settings file is shown as it is, and refused until corrected.
    window->session().Options().setFormWidth(10000);
    window->ShowPage(16);
    window->StatusTimer_Timer();
    EXPECT_EQ(entry("ucEntryEinstBreite")->value(), QStringLiteral("10000"));
    saveSettings();
    EXPECT_EQ(status(), QStringLiteral("Meldung 34 (Stil 55)"));
}

TEST_F(SettingsPageTest, SizeLimitsComeFromTheScreenTheMainWindowStandsOn)
{
    // The primary screen is 1280 x 1024; the main window stands on a larger one.
    screen.screens.insert(window.get(), QRect(1280, 0, 1920, 1200));
    window->ShowPage(16);
    put("ucEntryEinstBreite", "1900");
    put("ucEntryEinstRegalHoehe", "1150");
    saveSettings();
    EXPECT_EQ(status(), QStringLiteral("Meldung 1"));
    EXPECT_EQ(window->session().Options().FormWidth(), 1900);
    EXPECT_EQ(window->session().Options().RegalHeight(), 1150);

    // Back on the primary screen the same width is too wide.
    screen.screens.clear();
    window->ShowPage(16);
    put("ucEntryEinstBreite", "1900");
    saveSettings();
    EXPECT_EQ(status(), QStringLiteral("Meldung 34 (Stil 55)"));
}

} // namespace
