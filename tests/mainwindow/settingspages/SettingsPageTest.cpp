#include "controls/ucEntry.h"
#include "controls/ucText.h"
#include "mainwindow/settingspages/ColorLabel.h"
#include "mainwindow/settingspages/PageEinstellungen.h"
#include "tests/mainwindow/settingspages/Printing.h"
#include "tests/support/FakePageHost.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/FixedScreen.h"
#include "tests/support/ListClicks.h"
#include "tests/support/PageTestSettings.h"
#include "tests/support/UserInput.h"
#include "tests/support/RecordingServices.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempProgramFolder.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Page 16 on a fake host, as the program starts it: a settings file (window
// 800 x 700, trailer 640 x 480, shelf 800 x 600), the design "designs/d.asd"
// and a second design "designs/e2.asd", language files that name every line
// ("Stil 55", "Meldung 34"), on a screen of 1280 x 1024 pixels.
class SettingsPageTest : public ::testing::Test {
protected:
    SettingsPageTest()
    {
        PageTestSettings::writeLanguages(folder);
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::darkRed);
        picture.save(folder.file(QStringLiteral("bg.bmp")));
        folder.write(QStringLiteral("click.wav"), "RIFF");
        folder.write(QStringLiteral("start.wav"), "RIFF");
        folder.writeLines(QStringLiteral("designs/d.asd"),
                          {QStringLiteral("bg.bmp"), QStringLiteral("click.wav"), QStringLiteral("start.wav"),
                           QString(), QStringLiteral("255"), QStringLiteral("16711680"), QStringLiteral("0"),
                           QStringLiteral("16777215"), QStringLiteral("65535"), QStringLiteral("0")});
        folder.writeLines(QStringLiteral("settings.aef"),
                          {" 0 ", "lists/l.adl", "notes.txt", "designs/d.asd", " 800 ", " 700 ", " 640 ", " 480 ",
                           " 800 ", " 600 ", "DVD", "Extras", "€", " 1 ", " 0 "});
        folder.writeLines(QStringLiteral("designs/e2.asd"),
                          {QStringLiteral("bg.bmp"), QString(), QString(), QString(), QStringLiteral("111"),
                           QStringLiteral("222"), QStringLiteral("333"), QStringLiteral("444"), QStringLiteral("555"),
                           QStringLiteral("0")});
        host.session().LoadEinstellungen();
        host.session().LoadLanguages();
        page = new PageEinstellungen(host, [this] { host.log << QStringLiteral("applyLanguageAndDesign"); });
        page->SetDesignEinstellungen();
        page->SetSizes(800, 700);
        // The page switching of the window, as far as page 16 sees it.
        host.onHideAllPages = [this] { page->HideEinstellungen(); };
        host.onShowPage = [this](int shown) {
            page->HideEinstellungen();
            if (shown == 16)
                page->ShowEinstellungen();
        };
        host.clientArea()->window()->show();
        host.ShowPage(16);
        host.clearStatusLine();
    }


    template <class T = QWidget>
    T* child(const char* name) const
    {
        T* c = host.clientArea()->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
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
    QString status() const { return host.statusLine(); }
    Session& session() const { return host.session(); }

    TempProgramFolder folder;
    FixedScreen screen{QSize(1280, 1024)};
    RecordingSounds sounds;
    RecordingOpener opener;
    mutable FakePageHost host;
    PageEinstellungen* page;
};

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
    EXPECT_FALSE(session().DesignGeschuetzt());
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
        host.ShowPage(16);
        host.clearStatusLine();
        for (const Change& change : c.changes)
            change();
        const QString typed = entry("ucEntryEinstBreite")->value();
        saveSettings();
        EXPECT_EQ(status(), QStringLiteral("Meldung 34") + c.suffix);
        EXPECT_EQ(folder.read("settings.aef"), before);
        EXPECT_EQ(session().Options().FormWidth(), 800);
        EXPECT_EQ(session().Options().DesignPath(), folder.file("designs/d.asd"));
        EXPECT_EQ(entry("ucEntryEinstBreite")->value(), typed); // the page stays as typed
    }

    // All entries right: a fraction is cut to its whole part and the currency takes any text.
    folder.write("designs/e2.asd", e2);
    host.ShowPage(16);
    put("ucEntryEinstBreite", "1000.7");
    put("ucEntryEinstWaehrung", "CHF");
    {
        // First on a full disk: the file and the settings stay, and the message says why.
        const FileSizeLimit full(before.size() / 2);
        saveSettings();
    }
    EXPECT_EQ(status(), "Meldung 24 (cannot write " + folder.file("settings.aef") + ": disk full or file too large)");
    EXPECT_EQ(folder.read("settings.aef"), before);
    EXPECT_EQ(session().Options().FormWidth(), 800);
    saveSettings();
    EXPECT_EQ(status(), QStringLiteral("Meldung 1"));
    EXPECT_EQ(session().Options().FormWidth(), 1000);
    EXPECT_EQ(session().Options().CurrencyChar(), QStringLiteral("CHF"));
}

TEST_F(SettingsPageTest, ADesignWhoseNumberLinesAreDamagedCannotBeChosen)
{
    const QStringList good = {"bg.bmp", "", "", "", "1", "2", "3", "4", "5", "0"};
    const struct {
        const char* file;
        int line; // 1-based line replaced, 0: the file is cut after 8 lines
        const char* text;
        const char* cause; // the file, its line and what is wrong there
    } cases[] = {
        {"colour.asd", 6, "blau", "designs/colour.asd, line 6: 'blau' is not a number"},
        {"huge.asd", 9, "99999999999", "designs/huge.asd, line 9: 99999999999 does not fit into a 32-bit integer"},
        {"flag.asd", 10, "ja", "designs/flag.asd, line 10: 'ja' is not a number"},
        {"short.asd", 0, "", "designs/short.asd, line 9: the file ends before this line"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        QStringList lines = good;
        if (c.line == 0)
            lines = lines.mid(0, 8);
        else
            lines[c.line - 1] = QString::fromLatin1(c.text);
        folder.writeLines(QStringLiteral("designs/") + QLatin1String(c.file), lines);
        host.ShowPage(16);
        host.clearStatusLine();
        ASSERT_EQ(designList()->currentItem()->text(), QStringLiteral("d.asd"));

        chooseDesign(QString::fromLatin1(c.file));
        EXPECT_EQ(status(), QStringLiteral("Meldung 27 (%1)").arg(QLatin1String(c.cause)));
        EXPECT_EQ(designList()->currentItem()->text(), QStringLiteral("d.asd"));
        EXPECT_EQ(entry("ucEntryEinstDesignName")->value(), QStringLiteral("d"));
        EXPECT_EQ(swatch("btEinstColorFont")->color(), 255);
        EXPECT_FALSE(session().DesignGeschuetzt());
        QFile::remove(folder.file(QStringLiteral("designs/") + QLatin1String(c.file)));
    }
}

TEST_F(SettingsPageTest, WithTheActiveDesignMissingNothingIsChosenAndTheSaveIsRefused)
{
    ASSERT_TRUE(QFile::rename(folder.file("designs/d.asd"), folder.file("designs/old.asd")));
    host.ShowPage(16);
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
    session().Options().setFormWidth(10000);
    host.ShowPage(16);
    host.clearStatusLine();
    EXPECT_EQ(entry("ucEntryEinstBreite")->value(), QStringLiteral("10000"));
    saveSettings();
    EXPECT_EQ(status(), QStringLiteral("Meldung 34 (Stil 55)"));
}

TEST_F(SettingsPageTest, SizeLimitsComeFromTheScreenTheMainWindowStandsOn)
{
    // The primary screen is 1280 x 1024; the main window stands on a larger one.
    screen.screens.insert(host.clientArea()->window(), QRect(1280, 0, 1920, 1200));
    host.ShowPage(16);
    put("ucEntryEinstBreite", "1900");
    put("ucEntryEinstRegalHoehe", "1150");
    saveSettings();
    EXPECT_EQ(status(), QStringLiteral("Meldung 1"));
    EXPECT_EQ(session().Options().FormWidth(), 1900);
    EXPECT_EQ(session().Options().RegalHeight(), 1150);

    // Back on the primary screen the same width is too wide.
    screen.screens.clear();
    host.ShowPage(16);
    put("ucEntryEinstBreite", "1900");
    saveSettings();
    EXPECT_EQ(status(), QStringLiteral("Meldung 34 (Stil 55)"));
}

} // namespace
