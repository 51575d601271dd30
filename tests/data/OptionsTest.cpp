#include "data/clsOptions.h"
#include "platform/RuntimeError.h"
#include "tests/support/ErrorKindOf.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempProgramFolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kFormatMessage =
    QStringLiteral("Falsches Einstellungsdateiformat. Neue Datei mit Standardwerten wurde erzeugt.");

QStringList settingsLines()
{
    return {QStringLiteral(" 1 "),
            QStringLiteral("lists\\a.adl"),
            QStringLiteral("notes.txt"),
            QStringLiteral("designs\\x.asd"),
            QStringLiteral(" 800 "),
            QStringLiteral(" 700 "),
            QStringLiteral(" 480 "),
            QStringLiteral(" 420 "),
            QStringLiteral(" 1024 "),
            QStringLiteral(" 768 "),
            QStringLiteral("BluRay"),
            QStringLiteral("Notiz"),
            QStringLiteral("$"),
            QStringLiteral(" 0 "),
            QStringLiteral(" 1 ")};
}

QStringList designLines()
{
    return {QStringLiteral("pictures\\bg.jpg"), QStringLiteral("sounds\\click.wav"), QStringLiteral("sounds\\start.wav"),
            QStringLiteral("/abs/alert.wav"),   QStringLiteral("255"),              QStringLiteral("65280"),
            QStringLiteral("-2147483643"),      QStringLiteral("16711680"),         QStringLiteral("128"),
            QStringLiteral("0")};
}

void expectSettingsDefaults(const clsOptions& o, std::int16_t size, const QString& coverformat)
{
    EXPECT_EQ(o.Language(), 0);
    EXPECT_EQ(o.CurrencyChar(), QStringLiteral("\u20AC"));
    EXPECT_EQ(o.DvdListpath(), QString());
    EXPECT_EQ(o.Noticepath(), QString());
    EXPECT_EQ(o.DesignPath(), QString());
    for (std::int16_t v : {o.FormWidth(), o.FormHeight(), o.TrailerWidth(), o.TrailerHeight(), o.RegalWidth(),
                           o.RegalHeight()})
        EXPECT_EQ(v, size);
    EXPECT_EQ(o.coverformat(), coverformat);
    EXPECT_EQ(o.OwnLabelCaption(), QStringLiteral("Sonstiges"));
    EXPECT_EQ(o.Shortcuts(), 1);
    EXPECT_EQ(o.Sound(), 0);
}

void expectDesignDefaults(const clsOptions& o)
{
    EXPECT_EQ(o.BGpath(), QString());
    EXPECT_EQ(o.SoundClick(), QString());
    EXPECT_EQ(o.SoundStart(), QString());
    EXPECT_EQ(o.SoundAlert(), QString());
    EXPECT_EQ(o.ColorFont(), 0);
    EXPECT_EQ(o.ColorEntryFont(), 0);
    EXPECT_EQ(o.ColorBG(), 16777215);
    EXPECT_EQ(o.ColorEntryBG(), 16777215);
    EXPECT_EQ(o.ColorRating(), 0);
}

} // namespace

TEST(Options, MissingSettingsFileShowsItsPathAndGivesDefaultsWithoutWriting)
{
    TempProgramFolder folder;
    ScriptedMessages boxes;
    boxes.expectMessage();
    const QString path = folder.file("settings.aef");

    clsOptions o;
    o.setDesignPath(QStringLiteral("/somewhere"));
    o.setColorBG(5);
    o.Load(path);

    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0], QStringLiteral("Folgende Datei fehlt: \r\n") + path);
    EXPECT_EQ(boxes.titles[0], QString());
    expectSettingsDefaults(o, 10000, QStringLiteral("DVD2"));
    expectDesignDefaults(o);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(Options, ReadsSettingsAndDesignMakingRelativePathsFull)
{
    TempProgramFolder folder;
    const QString path = folder.writeLines("settings.aef", settingsLines());
    folder.writeLines("designs/x.asd", designLines());

    clsOptions o;
    o.Load(path);

    const QString root = folder.path();
    EXPECT_EQ(o.Language(), 1);
    EXPECT_EQ(o.DvdListpath(), root + "/lists/a.adl");
    EXPECT_EQ(o.Noticepath(), root + "/notes.txt");
    EXPECT_EQ(o.DesignPath(), root + "/designs/x.asd");
    EXPECT_EQ(o.FormWidth(), 800);
    EXPECT_EQ(o.FormHeight(), 700);
    EXPECT_EQ(o.TrailerWidth(), 480);
    EXPECT_EQ(o.TrailerHeight(), 420);
    EXPECT_EQ(o.RegalWidth(), 1024);
    EXPECT_EQ(o.RegalHeight(), 768);
    EXPECT_EQ(o.coverformat(), QStringLiteral("BluRay"));
    EXPECT_EQ(o.OwnLabelCaption(), QStringLiteral("Notiz"));
    EXPECT_EQ(o.CurrencyChar(), QStringLiteral("$"));
    EXPECT_EQ(o.Shortcuts(), 0);
    EXPECT_EQ(o.Sound(), 1);

    EXPECT_EQ(o.BGpath(), root + "/pictures/bg.jpg");
    EXPECT_EQ(o.SoundClick(), root + "/sounds/click.wav");
    EXPECT_EQ(o.SoundStart(), root + "/sounds/start.wav");
    EXPECT_EQ(o.SoundAlert(), QStringLiteral("/abs/alert.wav"));
    EXPECT_EQ(o.ColorFont(), 255);
    EXPECT_EQ(o.ColorBG(), 65280);
    EXPECT_EQ(o.ColorEntryFont(), -2147483643); // a system colour as Windows stores it
    EXPECT_EQ(o.ColorEntryBG(), 16711680);
    EXPECT_EQ(o.ColorRating(), 128);
}

TEST(Options, MissingDesignFileKeepsTheSettingsAndTakesDesignDefaultsSilently)
{
    TempProgramFolder folder;
    const QString path = folder.writeLines("settings.aef", settingsLines());

    clsOptions o;
    o.setColorFont(77);
    o.Load(path);

    EXPECT_EQ(o.FormWidth(), 800);
    EXPECT_EQ(o.DesignPath(), folder.path() + "/designs/x.asd");
    EXPECT_EQ(o.CurrencyChar(), QStringLiteral("$"));
    expectDesignDefaults(o);
}

TEST(Options, UnreadableSettingsFileGivesTheFormatMessageAndOtherDefaultsWithoutWriting)
{
    struct Case {
        const char* what;
        int line; // 0-based line to replace, -1 for none
        QString text;
        int length;
        const char* cause; // below the message: the file, the line and what is wrong
    };
    const Case cases[] = {
        {"width is no number", 4, QStringLiteral("abc"), 15, "settings.aef, line 5: 'abc' is not a number"},
        {"language out of range", 0, QStringLiteral(" 300 "), 15, "settings.aef, line 1: 300 does not fit into a byte"},
        {"height out of range", 5, QStringLiteral(" 40000 "), 15,
         "settings.aef, line 6: 40000 does not fit into a 16-bit integer"},
        {"short settings file", -1, {}, 9, "settings.aef, line 10: the file ends before this line"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempProgramFolder folder;
        QStringList settings = settingsLines().mid(0, c.length);
        if (c.line >= 0)
            settings[c.line] = c.text;
        const QString path = folder.writeLines("settings.aef", settings);
        folder.writeLines("designs/x.asd", designLines());
        const QByteArray before = folder.read("settings.aef");

        ScriptedMessages boxes;
        boxes.expectMessage();
        clsOptions o;
        o.Load(path);

        ASSERT_EQ(boxes.shown.size(), 1);
        EXPECT_EQ(boxes.shown[0], kFormatMessage + QStringLiteral("\r\n(%1)").arg(QString::fromUtf8(c.cause)));
        EXPECT_EQ(boxes.titles[0], QString());
        expectSettingsDefaults(o, 666, QStringLiteral("1"));
        expectDesignDefaults(o);
        EXPECT_FALSE(o.settingsFromFile());
        EXPECT_EQ(folder.read("settings.aef"), before);
    }
}

TEST(Options, DamagedDesignFileGivesTheDefaultDesignNamesTheFileAndKeepsTheSettings)
{
    struct Case {
        const char* what;
        int line; // 0-based line to replace, -1 for none
        QString text;
        int length;
        const char* cause; // below the message
    };
    const Case cases[] = {
        {"bad font colour", 4, QStringLiteral("red"), 10, "designs/x.asd, line 5: 'red' is not a number"},
        {"background colour out of range", 5, QStringLiteral("99999999999"), 10,
         "designs/x.asd, line 6: 99999999999 does not fit into a 32-bit integer"},
        {"rating colour is no number", 8, QStringLiteral("abc"), 10, "designs/x.asd, line 9: 'abc' is not a number"},
        {"short design file", -1, {}, 7, "designs/x.asd, line 8: the file ends before this line"},
        {"protection flag missing", -1, {}, 9, "designs/x.asd, line 10: the file ends before this line"},
    };
    const struct {
        const char* language;
        QString text;
    } languages[] = {
        {" 0 ", QStringLiteral("Folgende Designdatei ist besch\u00e4digt; das Standarddesign wird verwendet: \r\n")},
        {" 1 ", QStringLiteral("The following design file is damaged; the standard design is used: \r\n")},
    };
    for (const auto& language : languages) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + ", language" + language.language);
            TempProgramFolder folder;
            QStringList settings = settingsLines();
            settings[0] = QString::fromLatin1(language.language);
            const QString path = folder.writeLines("settings.aef", settings);
            QStringList design = designLines().mid(0, c.length);
            if (c.line >= 0)
                design[c.line] = c.text;
            folder.writeLines("designs/x.asd", design);

            ScriptedMessages boxes;
            boxes.expectMessage();
            clsOptions o;
            o.Load(path);

            ASSERT_EQ(boxes.shown.size(), 1);
            EXPECT_EQ(boxes.shown[0], language.text + folder.path() + "/designs/x.asd" +
                                          QStringLiteral("\r\n(%1)").arg(QString::fromUtf8(c.cause)));
            expectDesignDefaults(o);
            EXPECT_TRUE(o.settingsFromFile());
            EXPECT_EQ(o.FormWidth(), 800);
            EXPECT_EQ(o.RegalHeight(), 768);
            EXPECT_EQ(o.DvdListpath(), folder.path() + "/lists/a.adl");
            EXPECT_EQ(o.DesignPath(), folder.path() + "/designs/x.asd");
            EXPECT_EQ(o.coverformat(), QStringLiteral("BluRay"));
            EXPECT_EQ(o.CurrencyChar(), QStringLiteral("$"));
            EXPECT_EQ(o.Sound(), 1);

            // Taking a list then stores the user's settings, not defaults.
            o.setDvdListpath(folder.path() + "/lists/b.adl");
            o.Save(path);
            clsOptions back;
            ScriptedMessages again;
            again.expectMessage();
            back.Load(path);
            EXPECT_EQ(back.DvdListpath(), folder.path() + "/lists/b.adl");
            EXPECT_EQ(back.FormWidth(), 800);
            EXPECT_EQ(back.OwnLabelCaption(), QStringLiteral("Notiz"));
        }
    }
}

TEST(Options, SettingsNotReadFromTheFileNeverReplaceIt)
{
    // A damaged file: the defaults are not written over it by a save that
    // only meant to store another value (taking a list).
    {
        TempProgramFolder folder;
        QStringList settings = settingsLines();
        settings[4] = QStringLiteral("abc");
        const QString path = folder.writeLines("settings.aef", settings);
        const QByteArray before = folder.read("settings.aef");
        ScriptedMessages boxes;
        boxes.expectMessage();
        clsOptions o;
        o.Load(path);
        o.setDvdListpath(folder.path() + "/lists/b.adl");
        try {
            o.Save(path);
            ADD_FAILURE() << "the defaults replaced the file";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::InputOutput);
            EXPECT_TRUE(e.message().contains(path)) << e.what();
        }
        EXPECT_EQ(folder.read("settings.aef"), before);

        // Settings the user chose on the settings page may replace it.
        o.setFormWidth(1024);
        o.markSettingsChosen();
        o.Save(path);
        clsOptions back;
        back.Load(path); // the design file is missing: no box
        EXPECT_EQ(back.FormWidth(), 1024);
        EXPECT_EQ(back.DvdListpath(), folder.path() + "/lists/b.adl");
    }
    // A missing file may be made from the defaults, and then saved again.
    {
        TempProgramFolder folder;
        const QString path = folder.file("settings.aef");
        ScriptedMessages boxes;
        boxes.expectMessage();
        clsOptions o;
        o.Load(path);
        o.setDvdListpath(folder.path() + "/lists/b.adl");
        o.Save(path);
        o.setLanguage(1);
        o.Save(path);
        clsOptions back;
        back.Load(path);
        EXPECT_EQ(back.Language(), 1);
        EXPECT_EQ(back.FormWidth(), 10000);
        EXPECT_EQ(back.DvdListpath(), folder.path() + "/lists/b.adl");
    }
    // Nor does an object that never read the file replace it.
    {
        TempProgramFolder folder;
        const QString path = folder.writeLines("settings.aef", settingsLines());
        const QByteArray before = folder.read("settings.aef");
        clsOptions fresh;
        EXPECT_EQ(errorKindOf([&] { fresh.Save(path); }), ErrorKind::InputOutput);
        EXPECT_EQ(folder.read("settings.aef"), before);
    }
}

TEST(Options, ShortDesignFileNeverReadsLinesOfAnEarlierDesign)
{
    TempProgramFolder folder;
    const QString path = folder.writeLines("settings.aef", settingsLines());
    folder.writeLines("designs/x.asd", designLines());
    clsOptions o;
    o.Load(path);
    ASSERT_EQ(o.ColorRating(), 128);

    folder.writeLines("designs/x.asd", designLines().mid(0, 8));
    ScriptedMessages boxes;
    boxes.expectMessage();
    o.Load(path);
    EXPECT_TRUE(boxes.shown.value(0).contains(folder.path() + "/designs/x.asd\r\n"));
    expectDesignDefaults(o);
}

TEST(Options, SaveWritesTheFifteenLinesAndLoadReadsThemBack)
{
    TempProgramFolder folder;
    const QString root = folder.path();
    clsOptions o;
    o.setLanguage(1);
    o.setDvdListpath(root + "/lists/a.adl");
    o.setNoticepath(root + "/notes.txt");
    o.setDesignPath(root + "/designs/x.asd");
    o.setFormWidth(800);
    o.setFormHeight(700);
    o.setTrailerWidth(480);
    o.setTrailerHeight(-5);
    o.setRegalWidth(1024);
    o.setRegalHeight(768);
    o.setcoverformat(QStringLiteral("DVD"));
    o.setOwnLabelCaption(QStringLiteral("Extras"));
    o.setCurrencyChar(QStringLiteral("\u20AC"));
    o.setShortcuts(1);
    o.setSound(0);
    o.setColorBG(123); // design values are not the settings writer's
    const QString path = folder.file("settings.aef");
    o.Save(path);

    const QByteArray expected = " 1 \r\n" + (root + "/lists/a.adl").toUtf8() + "\r\n" + (root + "/notes.txt").toUtf8() +
                                "\r\n" + (root + "/designs/x.asd").toUtf8() +
                                "\r\n 800 \r\n 700 \r\n 480 \r\n-5 \r\n 1024 \r\n 768 \r\nDVD\r\nExtras\r\n\xE2\x82\xAC\r\n"
                                " 1 \r\n 0 \r\n";
    EXPECT_EQ(folder.read("settings.aef"), expected);

    clsOptions back;
    back.Load(path); // the design file is missing: no box
    EXPECT_EQ(back.Language(), 1);
    EXPECT_EQ(back.DvdListpath(), o.DvdListpath());
    EXPECT_EQ(back.Noticepath(), o.Noticepath());
    EXPECT_EQ(back.DesignPath(), o.DesignPath());
    EXPECT_EQ(back.FormWidth(), 800);
    EXPECT_EQ(back.FormHeight(), 700);
    EXPECT_EQ(back.TrailerWidth(), 480);
    EXPECT_EQ(back.TrailerHeight(), 400); // written as held, read as at least the least size
    EXPECT_EQ(back.RegalWidth(), 1024);
    EXPECT_EQ(back.RegalHeight(), 768);
    EXPECT_EQ(back.coverformat(), QStringLiteral("DVD"));
    EXPECT_EQ(back.OwnLabelCaption(), QStringLiteral("Extras"));
    EXPECT_EQ(back.CurrencyChar(), QStringLiteral("\u20AC"));
    EXPECT_EQ(back.Shortcuts(), 1);
    EXPECT_EQ(back.Sound(), 0);
}

TEST(Options, SizesBelowTheLeastTheSettingsPageTakesAreReadAsThatLeast)
{
    // Line of the settings file, what it holds, and the value read.
    const struct {
        int line;
        const char* text;
        std::int16_t (clsOptions::*size)() const;
        std::int16_t read;
    } cases[] = {
        {4, " 0 ", &clsOptions::FormWidth, 700},     {5, "-20 ", &clsOptions::FormHeight, 666},
        {4, " 699 ", &clsOptions::FormWidth, 700},   {5, " 667 ", &clsOptions::FormHeight, 667},
        {6, "", &clsOptions::TrailerWidth, 400},     {7, "-32768 ", &clsOptions::TrailerHeight, 400},
        {8, " 1 ", &clsOptions::RegalWidth, 500},    {9, "", &clsOptions::RegalHeight, 500},
        {8, " 500 ", &clsOptions::RegalWidth, 500},  {9, " 32767 ", &clsOptions::RegalHeight, 32767},
    };
    for (const auto& c : cases) {
        TempProgramFolder folder;
        QStringList lines = settingsLines();
        lines[c.line] = QString::fromLatin1(c.text);
        const QString path = folder.writeLines("settings.aef", lines);
        ScriptedMessages boxes; // none: the file is read, only the size is raised
        clsOptions o;
        o.Load(path);
        EXPECT_TRUE(o.settingsFromFile());
        EXPECT_EQ((o.*c.size)(), c.read) << "line " << c.line + 1 << " '" << c.text << "'";
        EXPECT_EQ(o.coverformat(), QStringLiteral("BluRay")); // the lines after it are read as before
    }
}

TEST(Options, SaveIntoAFolderThatCannotTakeItFails)
{
    TempProgramFolder folder;
    folder.write("blocker", "a file where the folder would be");
    clsOptions o;
    try {
        o.Save(folder.file("blocker/settings.aef"));
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::InputOutput);
    }
}
