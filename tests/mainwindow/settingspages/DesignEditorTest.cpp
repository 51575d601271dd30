#include "controls/ucEntry.h"
#include "mainwindow/settingspages/ColorLabel.h"
#include "mainwindow/settingspages/PageEinstellungen.h"
#include "tests/mainwindow/settingspages/Printing.h"
#include "tests/support/FakePageHost.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ListClicks.h"
#include "tests/support/ScriptedColorDialogs.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Page 16 alone on a fake host: a settings file naming "designs/d.asd", the
// protected designs "p1.asd" (flag 1) and "p2.asd" (flag 2), a background
// picture and two sounds.
class DesignEditor : public ::testing::Test {
protected:
    DesignEditor()
    {
        for (const char* table : {"english-style.ass", "english-message.ass", "english-box.ass"}) {
            QStringList lines;
            for (int k = 1; k <= 200; ++k)
                lines << QStringLiteral("%1#Text %1#Text %1").arg(k);
            folder.writeLines(QStringLiteral("languages/") + QLatin1String(table), lines);
        }
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        picture.save(folder.file("bg.bmp"));
        folder.write("click.wav", "RIFF");
        folder.write("start.wav", "RIFF");
        folder.writeLines("settings.aef", {" 0 ", "lists/l.adl", "notes.txt", "designs/d.asd", " 800 ", " 600 ",
                                           " 640 ", " 480 ", " 800 ", " 600 ", "DVD", "Extras", "€", " 1 ", " 0 "});
        writeDesign("d.asd", "0");
        writeDesign("p1.asd", "1");
        writeDesign("p2.asd", "2");

        Session& s = host.session();
        s.LoadEinstellungen();
        s.LoadLanguages();
        page = std::make_unique<PageEinstellungen>(
            host, [this] { host.log << QStringLiteral("applyLanguageAndDesign"); });
        page->SetDesignEinstellungen();
        page->ShowEinstellungen();
        host.log.clear();
    }

    // A design with a relative background, one sound and a system colour.
    void writeDesign(const char* name, const char* flag) const
    {
        folder.writeLines(QStringLiteral("designs/") + QLatin1String(name),
                          {"bg.bmp", "click.wav", "", "", "255", "16711680", "0", "-2147483643", "65535",
                           QString::fromLatin1(flag)});
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
    // Chooses a design with the mouse.
    void chooseDesign(const QString& name) const
    {
        ASSERT_TRUE(clickListItem(designList(), name)) << name.toStdString();
    }
    void click(const char* button) const { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }

    // Every file under the program folder with its bytes.
    QMap<QString, QByteArray> allFiles() const
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(folder.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            if (f.open(QIODevice::ReadOnly))
                files.insert(path, f.readAll());
        }
        return files;
    }

    TempProgramFolder folder;
    mutable FakePageHost host;
    std::unique_ptr<PageEinstellungen> page;
};

TEST_F(DesignEditor, ChoosingADesignShowsItsFullPathsColoursAndProtection)
{
    EXPECT_EQ(designList()->currentItem()->text(), QStringLiteral("d.asd"));
    EXPECT_EQ(entry("ucEntryEinstBG")->value(), folder.file("bg.bmp"));
    EXPECT_EQ(child<ColorLabel>("btEinstColorEntryBG")->color(), -2147483643);

    const std::pair<const char*, bool> cases[] = {{"p1.asd", true}, {"p2.asd", false}, {"d.asd", false}};
    for (const auto& [name, isProtected] : cases) {
        chooseDesign(QString::fromLatin1(name));
        EXPECT_EQ(host.session().DesignGeschuetzt(), isProtected) << name;
        EXPECT_EQ(entry("ucEntryEinstDesignName")->value(), QString::fromLatin1(name).chopped(4));
    }
    EXPECT_TRUE(host.statusMessages.empty());
}

TEST_F(DesignEditor, SavingWritesTenLinesWithFullPathsAndTheLabelsColours)
{
    ScriptedColorDialogs colours;
    colours.expectChoose(0x00123456);
    QTest::mouseClick(child<ColorLabel>("btEinstColorFont"), Qt::LeftButton);

    entry("ucEntryEinstDesignName")->setValue(QStringLiteral("neu"));
    entry("ucEntryEinstSoundStart")->setValue(QStringLiteral("missing.wav"));
    entry("ucEntryEinstSoundHinweis")->setValue(QString());
    {
        // A full disk writes nothing and says why.
        const FileSizeLimit full(10);
        click("btDesignSpeichern");
    }
    EXPECT_EQ(host.log, QStringList{"StatusMsg 2 (cannot write " + folder.file("designs/neu.asd") +
                                    ": disk full or file too large)"});
    EXPECT_FALSE(QFile::exists(folder.file("designs/neu.asd")));
    host.log.clear();
    click("btDesignSpeichern");

    const QByteArray expected = folder.file("bg.bmp").toUtf8() + "\r\n" + folder.file("click.wav").toUtf8() +
                                "\r\n\r\n\r\n1193046\r\n16711680\r\n0\r\n-2147483643\r\n65535\r\n0\r\n";
    EXPECT_EQ(folder.read("designs/neu.asd"), expected);
    EXPECT_EQ(host.log, (QStringList{"StatusMsg 1", "ShowPage 16"}));
    // the entries show what was written: full paths, the missing sound emptied
    EXPECT_EQ(entry("ucEntryEinstSoundKlick")->value(), folder.file("click.wav"));
    EXPECT_EQ(entry("ucEntryEinstSoundStart")->value(), QString());
}

TEST_F(DesignEditor, AMissingBackgroundPictureStopsTheSaveBeforeAnythingIsWritten)
{
    entry("ucEntryEinstDesignName")->setValue(QStringLiteral("neu"));
    entry("ucEntryEinstBG")->setValue(QStringLiteral("nowhere.jpg"));
    const auto before = allFiles();
    click("btDesignSpeichern");
    EXPECT_EQ(host.log, QStringList{"StatusMsg 27"});
    EXPECT_EQ(allFiles(), before);
    EXPECT_EQ(entry("ucEntryEinstBG")->value(), folder.file("nowhere.jpg"));
}

TEST_F(DesignEditor, OverwritingAsksFirstAndAFlagOtherThanZeroRefusesIt)
{
    const struct {
        const char* flag; // line 10 of the existing file; nullptr: a file of nine lines
        bool asked;
        MsgAnswer answer;
        QStringList log;
        bool replaced;
    } cases[] = {
        {"0", true, MsgAnswer::No, {}, false},
        {"0", true, MsgAnswer::Yes, {"StatusMsg 1", "ShowPage 16"}, true},
        {"1", false, MsgAnswer::No, {"StatusMsg 35"}, false},
        {"2", false, MsgAnswer::No, {"StatusMsg 35"}, false},
        {"-1", false, MsgAnswer::No, {"StatusMsg 35"}, false},
        // A flag that cannot be read refuses too, and says where.
        {"kein", false, MsgAnswer::No, {"StatusMsg 2 (designs/ziel.asd, line 10: 'kein' is not a number)"}, false},
        {nullptr, false, MsgAnswer::No, {"StatusMsg 2 (designs/ziel.asd, line 10: the file ends before this line)"},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flag ? c.flag : "nine lines");
        QStringList old = {"old.bmp", "", "", "", "1", "2", "3", "4", "5"};
        if (c.flag)
            old << QString::fromLatin1(c.flag);
        folder.writeLines("designs/ziel.asd", old);
        const QByteArray before = folder.read("designs/ziel.asd");
        host.log.clear();
        entry("ucEntryEinstDesignName")->setValue(QStringLiteral("ziel"));

        ScriptedMessages messages;
        if (c.asked)
            messages.expectMessage(c.answer);
        click("btDesignSpeichern");
        if (c.asked) {
            EXPECT_EQ(messages.shown, QStringList{"Text 15"});
            EXPECT_EQ(messages.titles, QStringList{"Text 5"});
        }
        EXPECT_EQ(host.log, c.log);
        if (c.replaced)
            EXPECT_TRUE(folder.read("designs/ziel.asd").startsWith(folder.file("bg.bmp").toUtf8() + "\r\n"));
        else
            EXPECT_EQ(folder.read("designs/ziel.asd"), before);
    }
}

TEST_F(DesignEditor, ANameThatLeavesTheDesignsFolderOrHidesTheFileIsRefused)
{
    const auto before = allFiles();
    for (const char* name : {"../evil", "a/b", "a\\b", "/tmp/x", ".", "..", "", ".versteckt", "tab\tname", "neu\n"}) {
        SCOPED_TRACE(name);
        host.log.clear();
        entry("ucEntryEinstDesignName")->setValue(QString::fromLatin1(name));
        click("btDesignSpeichern");
        EXPECT_EQ(host.log, QStringList{"StatusMsg 2"});
    }
    EXPECT_EQ(allFiles(), before);
    EXPECT_FALSE(QFileInfo::exists(folder.file("evil.asd")));
    EXPECT_TRUE(PageEinstellungen::isUsableDesignName(QStringLiteral("Mein Design 2")));
}

TEST_F(DesignEditor, TheActiveDesignIsKeptUnderAnySpellingOfItsPath)
{
    ASSERT_TRUE(QFile::link(folder.file("designs/d.asd"), folder.file("link.asd")));
    const QString spellings[] = {
        folder.file("designs/d.asd"),
        folder.file("designs/../designs/d.asd"),
        folder.file("designs//d.asd"),
        folder.file("designs/./d.asd"),
        QStringLiteral("designs\\d.asd"),
        folder.file("link.asd"),
    };
    for (const QString& spelling : spellings) {
        SCOPED_TRACE(spelling.toStdString());
        host.session().Options().setDesignPath(spelling);
        chooseDesign(QStringLiteral("d.asd"));
        host.log.clear();
        click("btDesignLoeschen"); // no question is asked
        EXPECT_EQ(host.log, QStringList{"StatusMsg 28"});
        EXPECT_TRUE(QFileInfo::exists(folder.file("designs/d.asd")));
    }
}

TEST_F(DesignEditor, DeletingRefusesAProtectedDesignAndAsksForAnyOther)
{
    chooseDesign(QStringLiteral("p1.asd"));
    click("btDesignLoeschen");
    EXPECT_EQ(host.log, QStringList{"StatusMsg 13"});
    EXPECT_TRUE(QFileInfo::exists(folder.file("designs/p1.asd")));

    // Flag 2 keeps a design from being overwritten, not from being deleted.
    chooseDesign(QStringLiteral("p2.asd"));
    {
        ScriptedMessages messages;
        messages.expectMessage(MsgAnswer::No).expectMessage(MsgAnswer::Yes);
        host.log.clear();
        click("btDesignLoeschen");
        EXPECT_EQ(host.log, QStringList());
        EXPECT_TRUE(QFileInfo::exists(folder.file("designs/p2.asd")));
        click("btDesignLoeschen");
        EXPECT_EQ(messages.shown, (QStringList{"Text 8", "Text 8"}));
        EXPECT_EQ(messages.titles, (QStringList{"Text 5", "Text 5"}));
    }
    EXPECT_EQ(host.log, (QStringList{"StatusMsg 5", "ShowPage 16"}));
    EXPECT_FALSE(QFileInfo::exists(folder.file("designs/p2.asd")));
}

TEST_F(DesignEditor, AClickLoadsTheDesignAndDeleteActsOnTheDesignShown)
{
    // A click on a protected design marks it, so it cannot be deleted.
    chooseDesign(QStringLiteral("p1.asd"));
    EXPECT_TRUE(host.session().DesignGeschuetzt());
    EXPECT_EQ(entry("ucEntryEinstDesignName")->value(), QStringLiteral("p1"));
    click("btDesignLoeschen");
    EXPECT_EQ(host.log, QStringList{"StatusMsg 13"});

    // A click on the design already chosen loads it again over the edits.
    child<ColorLabel>("btEinstColorFont")->setColor(0x00010203);
    entry("ucEntryEinstDesignName")->setValue(QStringLiteral("edited"));
    chooseDesign(QStringLiteral("p1.asd"));
    EXPECT_EQ(child<ColorLabel>("btEinstColorFont")->color(), 255);
    EXPECT_EQ(entry("ucEntryEinstDesignName")->value(), QStringLiteral("p1"));

    // A press on another line released elsewhere highlights it without
    // loading it: the delete still refuses the protected design shown.
    QListWidget* list = designList();
    QListWidgetItem* p2 = list->findItems(QStringLiteral("p2.asd"), Qt::MatchExactly).first();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(p2).center());
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, QPoint(2, list->viewport()->height() - 2));
    ASSERT_TRUE(p2->isSelected());
    host.log.clear();
    click("btDesignLoeschen");
    EXPECT_EQ(host.log, QStringList{"StatusMsg 13"});
    EXPECT_TRUE(QFileInfo::exists(folder.file("designs/p1.asd")));
    EXPECT_TRUE(QFileInfo::exists(folder.file("designs/p2.asd")));

    // The keyboard chooses and loads as well.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("p1.asd"));
    EXPECT_EQ(entry("ucEntryEinstDesignName")->value(), QStringLiteral("p1"));
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(entry("ucEntryEinstDesignName")->value(), QStringLiteral("d"));
    EXPECT_FALSE(host.session().DesignGeschuetzt());
}

TEST_F(DesignEditor, TheColourChooserStartsAtTheLabelsColourAndCancelKeepsIt)
{
    const char* labels[] = {"btEinstColorFont", "btEinstColorBG", "btEinstColorEntryFont", "btEinstColorEntryBG",
                            "btEinstColorRating"};
    for (const char* name : labels) {
        SCOPED_TRACE(name);
        auto* label = child<ColorLabel>(name);
        const Color before = label->color();
        ScriptedColorDialogs colours;
        colours.expectCancel().expectChoose(0x00ABCDEF);
        QTest::mouseClick(label, Qt::LeftButton);
        EXPECT_EQ(label->color(), before);
        QTest::mouseClick(label, Qt::LeftButton);
        EXPECT_EQ(label->color(), 0x00ABCDEF);
        // A system colour starts the chooser at the colour it shows.
        const Color plainStart = ColorHelper::isSystemColor(before) ? ColorHelper::fromQColor(ColorHelper::toQColor(before))
                                                                     : before;
        EXPECT_EQ(colours.starts, (std::vector<std::int32_t>{plainStart, plainStart}));
    }
    EXPECT_TRUE(host.statusMessages.empty());
}

} // namespace
