#include "tests/shelf/RegalFixture.h"

#include "controls/ColorHelper.h"
#include "controls/ucEntry.h"
#include "platform/Paths.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ShownText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>

#include <optional>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

const QByteArray kNewShelf("shelf.gif\r\n0\r\n0\r\n100\r\n");

const std::vector<std::pair<QString, QString>> kThree = {
    {"Alien", "DVD"}, {"Brazil", "VHS"}, {"Casablanca", "BluRay"}};

// Every entry of the menu bar, top-level menus included, except the one that is never offered.
QList<QAction*> menuEntries(const Regal& regal)
{
    QList<QAction*> out;
    for (QAction* a : regal.findChildren<QAction*>()) {
        if (!a->objectName().isEmpty() && regal.menuItem(a->objectName()) == a &&
            a->objectName() != QLatin1String("menue_filmelegen"))
            out << a;
    }
    return out;
}

using RegalOpening = RegalTest;

TEST_F(RegalOpening, EditorOffersToCreateAMissingShelfFile)
{
    writeList(kThree);
    QDir(folder.file(QStringLiteral("shelves"))).removeRecursively();

    boxes.expectMessage(MsgAnswer::No);
    regal->OpenEditor();
    EXPECT_EQ(host.statusMessages, std::vector<int>{32});
    EXPECT_EQ(boxes.shown, QStringList{"Box 19"});
    EXPECT_EQ(boxes.titles, QStringList{"Box 12"});
    EXPECT_FALSE(regal->isVisible());
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("shelves/a.arf"))));
    EXPECT_TRUE(host.menuEnabled.isEmpty()); // the main window's shelf items stay as they were

    // Yes writes the new shelf file, its folder included, and opens the editor on it.
    host.statusMessages.clear();
    boxes.expectMessage(MsgAnswer::Yes);
    regal->OpenEditor();
    EXPECT_EQ(folder.read(QStringLiteral("shelves/a.arf")), kNewShelf);
    EXPECT_EQ(host.statusMessages, std::vector<int>{32});
    EXPECT_TRUE(regal->isVisible());
    EXPECT_TRUE(regal->BearbeitungsModus());
    EXPECT_EQ(shelf().MovieCount(), 0);
    EXPECT_EQ(shelf().MovieSize(), 100);
    EXPECT_EQ(shelf().BGpath(), folder.file(QStringLiteral("shelf.gif")));
    EXPECT_EQ(canvas()->background().size(), QSize(20, 10));
    EXPECT_EQ(host.menuEnabled.value(QStringLiteral("menue_sammlungRegal"), true), false);
    EXPECT_EQ(host.menuEnabled.value(QStringLiteral("menue_ansichtRegal"), true), false);
    EXPECT_EQ(regal->frameGeometry().size(), QSize(800, 600)); // the outer size of the settings
    EXPECT_EQ(regal->InnerWidth(), regal->width());
}

TEST_F(RegalOpening, MissingFilesStopBothOpeningsWithTheirMessages)
{
    // Shelf file present, list file missing.
    writeShelfLines({"shelf.gif", "0", "0", "100"});
    regal->OpenEditor();
    regal->OpenView();
    EXPECT_EQ(host.statusMessages, (std::vector<int>{31, 31}));
    EXPECT_FALSE(regal->isVisible());

    // No shelf file: the view says so and stops; nothing is created.
    QFile::remove(folder.file(QStringLiteral("shelves/a.arf")));
    writeList(kThree);
    host.statusMessages.clear();
    regal->OpenView();
    EXPECT_EQ(host.statusMessages, std::vector<int>{32});
    EXPECT_FALSE(regal->isVisible());
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("shelves/a.arf"))));
    EXPECT_TRUE(host.menuEnabled.isEmpty());
}

TEST_F(RegalOpening, DamagedShelfFileIsOfferedToBeWrittenAnewOnlyInTheEditor)
{
    writeList(kThree);
    const QStringList damaged{"shelf.gif", "2", "0", "100", "Alien", "10#20#7"};
    writeShelfLines(damaged);

    // View mode: nothing of an earlier shelf is shown in its place, and nothing is asked.
    regal->OpenView();
    EXPECT_FALSE(regal->isVisible());
    // The message names the file and why it cannot be read: the second title's line is missing.
    ASSERT_EQ(host.log.size(), 1);
    EXPECT_TRUE(host.log[0].startsWith("StatusMsg 19 Regal 35 (") && host.log[0].contains("shelves/a.arf, line 6: "))
        << host.log[0].toStdString();

    // Editor, No: file and window stay as they are.
    host.log.clear();
    host.statusMessages.clear();
    boxes.expectMessage(MsgAnswer::No);
    regal->OpenEditor();
    EXPECT_EQ(boxes.shown, QStringList{"Box 22"});
    EXPECT_EQ(boxes.titles, QStringList{"Box 6"});
    EXPECT_FALSE(regal->isVisible());
    EXPECT_TRUE(host.log.isEmpty());
    EXPECT_TRUE(host.menuEnabled.isEmpty());
    QByteArray expected;
    for (const QString& line : damaged)
        expected += line.toUtf8() + "\r\n";
    EXPECT_EQ(folder.read(QStringLiteral("shelves/a.arf")), expected);

    // Editor, Yes: the empty shelf replaces it and the editor opens.
    boxes.expectMessage(MsgAnswer::Yes);
    regal->OpenEditor();
    EXPECT_EQ(folder.read(QStringLiteral("shelves/a.arf")), kNewShelf);
    EXPECT_EQ(host.statusMessages, std::vector<int>{14});
    EXPECT_TRUE(regal->isVisible());
}

TEST_F(RegalOpening, AnUnreadableListIsNoReasonToRewriteTheShelf)
{
    folder.writeLines(QStringLiteral("lists/a.adl"), {"LIST VERSION#0", "COUNT#abc"});
    writeShelf(std::vector<std::pair<QString, QString>>{{"Alien", "0#0#7#100"}});
    const QByteArray before = folder.read(QStringLiteral("shelves/a.arf"));

    regal->OpenEditor(); // any box would fail the test
    EXPECT_EQ(host.statusMessages, std::vector<int>{19});
    EXPECT_TRUE(host.log.last().contains(QStringLiteral("lists/a.adl"))) << host.log.last().toStdString();
    EXPECT_FALSE(regal->isVisible());
    EXPECT_EQ(folder.read(QStringLiteral("shelves/a.arf")), before);
}

TEST_F(RegalOpening, ViewModeShowsSpinesWithoutBoardsAndBlinksTheCurrentTitle)
{
    writeList(kThree);
    writeShelf({{"Alien", "10#100#7#100"}, {"brazil", "17#100#10#100"}}, {"0#200#300#0"});
    host.session().LoadDVDList();
    host.session().selectTitle(2); // Brazil

    regal->OpenView();
    ASSERT_TRUE(regal->isVisible());
    EXPECT_FALSE(regal->BearbeitungsModus());
    EXPECT_TRUE(canvas()->isDrawn());
    EXPECT_FALSE(canvas()->showsBoards());
    EXPECT_EQ(canvas()->brettAt(QPoint(5, 205)), 0);
    for (QAction* a : menuEntries(*regal))
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_EQ(host.menuEnabled.value(QStringLiteral("menue_sammlungRegal"), true), false);
    EXPECT_EQ(host.menuEnabled.value(QStringLiteral("menue_ansichtRegal"), true), false);

    // The frame lies one pixel around the spine and blinks every 500 ms.
    EXPECT_EQ(canvas()->blinkshape(), QRect(16, 99, 12, 102));
    EXPECT_TRUE(regal->Timer()->isActive());
    EXPECT_EQ(regal->Timer()->interval(), 500);
    EXPECT_FALSE(canvas()->blinkshapeVisible());
    regal->Timer_Timer();
    EXPECT_TRUE(canvas()->blinkshapeVisible());
    regal->Timer_Timer();
    EXPECT_FALSE(canvas()->blinkshapeVisible());

    // In edit mode the boards and the whole menu bar are there, and nothing blinks.
    regal->close();
    openEditor();
    EXPECT_TRUE(canvas()->showsBoards());
    EXPECT_EQ(canvas()->brettAt(QPoint(5, 205)), 1);
    for (QAction* a : menuEntries(*regal))
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_FALSE(item("menue_filmelegen")->isEnabled());
    EXPECT_FALSE(regal->Timer()->isActive());
}

TEST_F(RegalOpening, ATitleNotOnTheShelfBlinksNothing)
{
    writeList(kThree);
    writeShelf({{"Alien", "10#100#7#100"}});
    host.session().LoadDVDList();
    host.session().selectTitle(3);
    regal->OpenView();
    EXPECT_FALSE(regal->Timer()->isActive());
    regal->Blinker_start(QStringLiteral("ALIEN"));
    EXPECT_TRUE(regal->Timer()->isActive());
}

TEST_F(RegalOpening, MissingBackgroundShowsTheDefaultAndKeepsItsPath)
{
    writeList(kThree);
    const QString own = writePicture(QStringLiteral("pics/wood.jpg"), Qt::darkRed, 30, 15);
    struct Case {
        QString line;
        QSize shown;
        bool message;
    } cases[] = {
        {own, QSize(30, 15), false},
        {QStringLiteral("pics/wood.jpg"), QSize(30, 15), false}, // relative to the program folder
        {QStringLiteral("pics/missing.jpg"), QSize(20, 10), true},
        {QStringLiteral("D:\\pics\\wood.jpg"), QSize(20, 10), true},
        {QStringLiteral("languages/english-shelf.ass"), QSize(20, 10), true}, // no picture by its ending
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        writeShelf({{"Alien", "0#0#7#100"}}, {}, 100, c.line);
        host.statusMessages.clear();
        regal->OpenEditor();
        ASSERT_TRUE(regal->isVisible());
        EXPECT_EQ(canvas()->background().size(), c.shown);
        EXPECT_EQ(host.statusMessages, c.message ? std::vector<int>{45} : std::vector<int>{});
        EXPECT_EQ(shelf().BGpath(), Paths::resolve(c.line));
        regal->close();
    }

    // Saving keeps the missing path.
    writeShelf({{"Alien", "0#0#7#100"}}, {}, 100, QStringLiteral("D:\\pics\\wood.jpg"));
    regal->OpenEditor();
    item("Menue_speichern")->trigger();
    EXPECT_TRUE(folder.read(QStringLiteral("shelves/a.arf")).startsWith("D:/pics/wood.jpg\r\n"));
}

TEST_F(RegalOpening, SpinesAreDrawnScaledAtTheirUnscaledPlaces)
{
    writeList(kThree);
    struct Case {
        int movieSize;
        QString numbers;
        QRect drawn;
    } cases[] = {
        {100, "120#35#7#100", QRect(120, 35, 7, 100)},
        {150, "120#35#7#100", QRect(120, 35, 10, 150)},
        {55, "0#0#6#80", QRect(0, 0, 3, 44)},
        {205, "-5#40#10#100", QRect(-5, 40, 20, 205)},
        {100, "30000#30000#50#300", QRect(30000, 30000, 50, 300)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.numbers.toStdString() + " at " + std::to_string(c.movieSize));
        writeShelf({{"Alien", c.numbers}}, {"0#140#200#0"}, c.movieSize);
        openEditor();
        EXPECT_EQ(canvas()->movieRect(1), c.drawn);
        EXPECT_EQ(canvas()->movieAt(c.drawn.topLeft()), 1);
        EXPECT_EQ(canvas()->movieAt(c.drawn.bottomRight()), 1);
        EXPECT_EQ(canvas()->movieAt(c.drawn.bottomRight() + QPoint(1, 0)), 0);
        EXPECT_EQ(canvas()->movieToolTip(1), QStringLiteral("Alien"));
        EXPECT_EQ(canvas()->brettRect(1), QRect(0, 140, 200, ShelfCanvas::kBrettHeight));
        regal->close();
    }
    EXPECT_EQ(ShelfCanvas::brettCaption(12), QStringLiteral(" 12"));
}

TEST_F(RegalOpening, BoardsLieAboveSpinesAndLaterObjectsAboveEarlierOnes)
{
    writeList(kThree);
    writeShelf({{"Alien", "10#10#7#100"}, {"Brazil", "12#10#10#100"}}, {"0#50#100#0", "5#52#100#0"});
    openEditor();
    EXPECT_EQ(canvas()->movieAt(QPoint(13, 20)), 2);
    EXPECT_EQ(canvas()->brettAt(QPoint(13, 55)), 2);
    EXPECT_EQ(canvas()->brettAt(QPoint(2, 55)), 1);

    // A click on the board over a spine is the board's.
    clickBrett(2);
    EXPECT_EQ(shelf().GetBrettNumber(2, R::BrettMark), 1);
    EXPECT_EQ(marks(), (std::vector<int>{0, 0}));
}

TEST_F(RegalOpening, EveryOpeningDrawsNewColoursThatFollowThePosition)
{
    writeList(kThree);
    writeShelf({{"Alien", "0#0#7#100"}, {"Brazil", "10#0#7#100"}});
    openEditor();
    const Color first = regal->SpineColour(1);
    const Color second = regal->SpineColour(2);
    EXPECT_NE(first, second);
    const QImage shot = canvas()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(3, 50), ColorHelper::toQColor(first));
    EXPECT_EQ(shot.pixelColor(13, 50), ColorHelper::toQColor(second));

    // A title inserted before the others shifts their colours.
    shelf().AddSortedMovie(QStringLiteral("Aardvark"), QStringLiteral("DVD"), 20, 0, 0, 0);
    const QImage after = canvas()->grab().toImage();
    EXPECT_EQ(after.pixelColor(13, 50), ColorHelper::toQColor(regal->SpineColour(3)));

    boxes.expectMessage(MsgAnswer::No);
    regal->close();
    openEditor();
    EXPECT_NE(regal->SpineColour(1), first);
}

TEST_F(RegalOpening, ColoursComeFromTheRandomSourceRoundedHalfToEven)
{
    writeList(kThree);
    writeShelf({{"Alien", "0#0#7#100"}});
    // 0.5 x 255 = 127.5 goes to 128, 0.3 x 255 = 76.5 to 76, 1/255 to 1.
    ScriptedRandom scripted{0.5, 0.3, 1.0 / 255.0, 0.0};
    openEditor();
    EXPECT_EQ(regal->SpineColour(1), 128 | (76 << 8) | (1 << 16));
    EXPECT_EQ(regal->SpineColour(2), 0);
}

TEST_F(RegalOpening, TextsComeFromTheShelfLanguageFileInEitherLanguage)
{
    writeList(kThree);
    writeShelf({{"Alien", "0#0#7#100"}});
    struct Case {
        std::uint8_t language;
        const char* prefix;
    } cases[] = {{0, "Regal"}, {1, "Shelf"}, {2, "Shelf"}};
    for (const Case& c : cases) {
        host.session().Options().setLanguage(c.language);
        openEditor();
        const auto text = [&c](int k) { return QStringLiteral("%1 %2").arg(QLatin1String(c.prefix)).arg(k); };
        EXPECT_EQ(child<QPushButton>("btentfernen")->text(), text(1));
        EXPECT_EQ(child<QPushButton>("bthinzufuegen")->text(), text(2));
        EXPECT_EQ(child<QPushButton>("btHintergundhinzufuegen")->text(), text(3));
        EXPECT_EQ(child<ucEntry>("ucEntry1")->Caption(), text(4));
        EXPECT_EQ(item("Menue_allehinzu")->text(), text(5));
        EXPECT_EQ(item("Menue_brettverkuerzen")->text(), text(11));
        EXPECT_EQ(item("Menue_speichern")->text(), text(23));
        EXPECT_EQ(item("Menue_verschiebmodus")->text(), text(26));
        EXPECT_EQ(item("menue_markiert")->text(), text(29));
        EXPECT_EQ(item("menue_markiereAlle")->text(), text(34));
        regal->close();
    }

    // The seven menus of the menu bar, in order.
    QStringList top;
    for (QAction* a : regal->menuBar()->actions())
        top << a->objectName();
    EXPECT_EQ(top, (QStringList{"Menue_speichern", "menue_markiert", "Menue_dvdverwaltung", "Menue_anzeigegroesse",
                                "Menue_regalbretter", "Menue_verschiebmodus", "Menue_hintergrundbild"}));
}

TEST_F(RegalOpening, OpeningAnOpenWindowBringsItToTheFrontWithoutLoadingAgain)
{
    writeList(kThree);
    writeShelf({{"Alien", "0#0#7#100"}, {"Brazil", "10#0#7#100"}});
    host.session().LoadDVDList();
    host.session().selectTitle(1);
    openEditor();
    clickMovie(2);
    ASSERT_TRUE(regal->editor().movePending());

    // The view of the same window, nothing changed: no question, the marks go, the boards hide.
    regal->OpenView();
    EXPECT_TRUE(regal->isVisible());
    EXPECT_FALSE(regal->BearbeitungsModus());
    EXPECT_FALSE(regal->editor().movePending());
    EXPECT_EQ(marks(), (std::vector<int>{0, 0}));
    EXPECT_FALSE(canvas()->showsBoards());
    EXPECT_TRUE(regal->Timer()->isActive());
    EXPECT_FALSE(item("Menue_speichern")->isEnabled());

    // And back to the editor, whose changes stay until they are saved or dropped.
    regal->OpenEditor();
    EXPECT_TRUE(regal->BearbeitungsModus());
    EXPECT_TRUE(canvas()->showsBoards());
    EXPECT_FALSE(regal->Timer()->isActive());
    EXPECT_TRUE(item("Menue_speichern")->isEnabled());
    item("Menue_bretteinfuegen")->trigger();
    regal->OpenEditor();
    EXPECT_EQ(shelf().Brettcount(), 1);
    EXPECT_TRUE(regal->HasUnsavedChanges());
}

TEST_F(RegalOpening, SwitchingAnUnsavedEditorToTheViewAsksFirst)
{
    writeList(kThree);
    writeShelf({{"Alien", "0#0#7#100"}, {"Brazil", "10#0#7#100"}});
    host.session().LoadDVDList();
    host.session().selectTitle(1);
    const QByteArray original = folder.read(QStringLiteral("shelves/a.arf"));
    openEditor();
    item("Menue_bretteinfuegen")->trigger();
    const auto expectEditing = [&] {
        EXPECT_TRUE(regal->isVisible());
        EXPECT_TRUE(regal->BearbeitungsModus());
        EXPECT_TRUE(canvas()->showsBoards());
        EXPECT_EQ(shelf().Brettcount(), 1);
        EXPECT_TRUE(regal->HasUnsavedChanges());
        EXPECT_FALSE(regal->Timer()->isActive());
    };

    // Cancel: still the editor with its changes.
    boxes.expectMessage(MsgAnswer::Cancel);
    regal->OpenView();
    EXPECT_EQ(boxes.shown.last(), QStringLiteral("Regal 38"));
    EXPECT_EQ(boxes.titles.last(), QStringLiteral("Regal 39"));
    EXPECT_EQ(boxes.buttons.back(), MsgButtons::YesNoCancel);
    expectEditing();
    EXPECT_EQ(folder.read(QStringLiteral("shelves/a.arf")), original);

    // Yes on a full disk: the failure is shown and the editor stays.
    for (int i = 0; i < 40; ++i)
        shelf().AddSortedMovie(QStringLiteral("Title %1").arg(i), QStringLiteral("DVD"), 0, 0, 0, 0);
    host.log.clear();
    boxes.expectMessage(MsgAnswer::Yes);
    {
        FileSizeLimit limit(static_cast<rlim_t>(original.size()));
        regal->OpenView();
    }
    EXPECT_EQ(host.log, QStringList{QStringLiteral("StatusMsg 19 Regal 36 (cannot write %1: disk full or file too large)")
                                        .arg(folder.file(QStringLiteral("shelves/a.arf")))});
    expectEditing();
    EXPECT_EQ(folder.read(QStringLiteral("shelves/a.arf")), original);

    // Yes: saved, then the view of what was saved.
    boxes.expectMessage(MsgAnswer::Yes);
    regal->OpenView();
    EXPECT_FALSE(regal->BearbeitungsModus());
    EXPECT_FALSE(regal->HasUnsavedChanges());
    EXPECT_TRUE(regal->Timer()->isActive());
    clsRegalCtrl back;
    ASSERT_TRUE(back.Load(folder.file(QStringLiteral("shelves/a.arf"))));
    EXPECT_EQ(back.Brettcount(), 1);
    EXPECT_EQ(back.MovieCount(), 42);

    // No: the changes are dropped and the view shows the file, so a spine click
    // that hides the window leaves nothing unsaved behind.
    regal->OpenEditor();
    item("Menue_bretteinfuegen")->trigger();
    const QByteArray saved = folder.read(QStringLiteral("shelves/a.arf"));
    boxes.expectMessage(MsgAnswer::No);
    regal->OpenView();
    EXPECT_TRUE(regal->isVisible());
    EXPECT_FALSE(regal->BearbeitungsModus());
    EXPECT_EQ(shelf().Brettcount(), 1);
    EXPECT_FALSE(regal->HasUnsavedChanges());
    EXPECT_TRUE(canvas()->isDrawn());
    EXPECT_TRUE(regal->Timer()->isActive());
    EXPECT_EQ(host.menuEnabled.value(QStringLiteral("menue_ansichtRegal"), true), false);
    EXPECT_EQ(folder.read(QStringLiteral("shelves/a.arf")), saved);
    clickMovie(2); // Brazil: the added titles all stand over Alien
    EXPECT_FALSE(regal->isVisible());
    EXPECT_TRUE(regal->queryClose());
}

TEST_F(RegalOpening, QuittingTheProgramAsksAboutAShownOrHiddenShelf)
{
    writeList(kThree);
    writeShelf({{"Alien", "0#0#7#100"}});
    const QByteArray original = folder.read(QStringLiteral("shelves/a.arf"));
    EXPECT_TRUE(regal->queryClose()); // never opened

    struct Case {
        bool hidden;
        MsgAnswer answer;
        bool full;
        bool mayClose;
        int boardsInFile;
    } cases[] = {
        {false, MsgAnswer::Cancel, false, false, 0}, {true, MsgAnswer::Cancel, false, false, 0},
        {false, MsgAnswer::No, false, true, 0},      {true, MsgAnswer::No, false, true, 0},
        {false, MsgAnswer::Yes, true, false, 0},     {true, MsgAnswer::Yes, true, false, 0},
        {false, MsgAnswer::Yes, false, true, 1},     {true, MsgAnswer::Yes, false, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.hidden) + " " + std::to_string(static_cast<int>(c.answer)) + " " +
                     std::to_string(c.full));
        folder.write(QStringLiteral("shelves/a.arf"), original);
        openEditor();
        EXPECT_TRUE(regal->queryClose()); // nothing changed: nothing asked
        item("Menue_bretteinfuegen")->trigger();
        if (c.hidden)
            regal->hide();
        boxes.expectMessage(c.answer);
        {
            // Too small for the shelf with its board.
            std::optional<FileSizeLimit> limit;
            if (c.full)
                limit.emplace(static_cast<rlim_t>(original.size()));
            EXPECT_EQ(regal->queryClose(), c.mayClose);
        }
        EXPECT_EQ(boxes.shown.last(), QStringLiteral("Regal 38"));
        EXPECT_EQ(boxes.buttons.back(), MsgButtons::YesNoCancel);
        clsRegalCtrl back;
        ASSERT_TRUE(back.Load(folder.file(QStringLiteral("shelves/a.arf"))));
        EXPECT_EQ(back.Brettcount(), c.boardsInFile);
        // Nothing is dropped by the question itself: the window keeps what it holds.
        EXPECT_EQ(shelf().Brettcount(), 1);
        EXPECT_EQ(regal->isVisible(), !c.hidden);
        EXPECT_EQ(regal->HasUnsavedChanges(), c.boardsInFile == 0);
        if (regal->HasUnsavedChanges())
            boxes.expectMessage(MsgAnswer::No);
        regal->close();
    }
}

TEST_F(RegalOpening, ViewModeClickShowsTheTitleInTheMainWindow)
{
    writeList({{"Alien", "DVD"}, {"alien", "DVD"}, {"Brazil", "VHS"}});
    writeShelf({{"ALIEN", "0#0#7#100"}, {"Brazil", "10#0#7#100"}, {"Gone", "20#0#7#100"}});
    host.session().LoadDVDList();
    host.session().selectTitle(3);
    regal->OpenView();
    host.log.clear();

    // A spine whose title is not in the collection jumps nowhere and says so.
    clickMovie(3);
    EXPECT_EQ(host.log, QStringList{"StatusMsg 33"});
    EXPECT_TRUE(regal->isVisible());
    EXPECT_TRUE(regal->Timer()->isActive());
    host.log.clear();

    // The first title of that name ignoring case; the window hides and stops blinking.
    clickMovie(1);
    EXPECT_EQ(host.log, QStringList{"DVDScreenAufrufen 1"});
    EXPECT_FALSE(regal->isVisible());
    EXPECT_FALSE(regal->Timer()->isActive());
    EXPECT_FALSE(canvas()->isDrawn());
    EXPECT_FALSE(canvas()->blinkshapeVisible());
    EXPECT_EQ(host.menuEnabled.value(QStringLiteral("menue_ansichtRegal"), true), false);

    // The view opens again on the main window's new current title.
    regal->OpenView();
    EXPECT_TRUE(regal->isVisible());
    EXPECT_TRUE(canvas()->isDrawn());
    EXPECT_EQ(canvas()->blinkshape(), QRect(-1, -1, 9, 102));
}

TEST_F(RegalOpening, ASpineShowsItsTitleAfterTheCollectionChangedWhileTheViewWasOpen)
{
    writeList(kThree);
    writeShelf({{"Alien", "0#0#7#100"}, {"Brazil", "10#0#7#100"}, {"Casablanca", "20#0#7#100"}});
    host.session().LoadDVDList();
    regal->OpenView();

    // A title sorted first moves every other one a place down.
    clsDatentraeger first;
    first.SetFilmname(QStringLiteral("A 000"));
    host.session().changeCollection([&](clsDatentraegerList& list) { list.AddSortedDVD(first); });
    host.log.clear();
    clickMovie(2);
    EXPECT_EQ(host.log, QStringList{"DVDScreenAufrufen 3"});
    EXPECT_EQ(host.session().AktuelleDVD().GetFilmname(), QStringLiteral("Brazil"));

    // A title deleted meanwhile is nowhere to be shown.
    regal->OpenView();
    host.session().changeCollection([](clsDatentraegerList& list) { list.RemoveDVD(2); }); // Alien
    host.log.clear();
    clickMovie(1);
    EXPECT_EQ(host.log, QStringList{"StatusMsg 33"});
    EXPECT_TRUE(regal->isVisible());
    clickMovie(3);
    EXPECT_EQ(host.log, (QStringList{"StatusMsg 33", "DVDScreenAufrufen 3"}));
    EXPECT_EQ(host.session().AktuelleDVD().GetFilmname(), QStringLiteral("Casablanca"));
}

TEST_F(RegalOpening, TheTitlesComeFromTheCollectionWhileItsFileIsTheOneItRead)
{
    writeList(kThree);
    writeShelf({});
    host.session().LoadDVDList();
    const QString path = folder.file(QStringLiteral("lists/a.adl"));
    const QStringList inMemory{"Alien", "Brazil", "Casablanca"};
    const auto listed = [this] {
        QStringList names;
        for (const auto& t : regal->titleList())
            names << t.name + u'/' + t.format;
        return names;
    };

    // The same file, rewritten in place to the same size and time: the stamp
    // still matches, so the titles are those held in memory, not read again.
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
    QByteArray bytes = folder.read(QStringLiteral("lists/a.adl"));
    bytes.replace("Alien", "Eliza");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    ASSERT_TRUE(host.session().DVDListe().isFileUnchanged(path));
    openEditor();
    EXPECT_EQ(listed(), (QStringList{"Alien/DVD", "Brazil/VHS", "Casablanca/BluRay"}));
    item("Menue_einzeltitelhinzufuegen")->trigger();
    EXPECT_EQ(child<QListWidget>("ListMovies")->item(0)->text(), QStringLiteral("Alien"));
    regal->close();

    // A list file written anew by another program is read.
    writeList({{"Eliza", "DVD"}, {"Heat", "VHS"}});
    openEditor();
    EXPECT_EQ(listed(), (QStringList{"Eliza/DVD", "Heat/VHS"}));
    item("Menue_einzeltitelhinzufuegen")->trigger();
    EXPECT_EQ(child<QListWidget>("ListMovies")->count(), 2);
    EXPECT_EQ(child<QListWidget>("ListMovies")->item(0)->text(), QStringLiteral("Eliza"));
}

TEST_F(RegalOpening, ASpinesTipShowsItsNameAsTyped)
{
    writeList({{kMarkupName, "DVD"}});
    writeShelf({{kMarkupName, "10#10#20#100"}});
    openEditor();
    QHelpEvent help(QEvent::ToolTip, canvas()->movieRect(1).center(),
                    canvas()->mapToGlobal(canvas()->movieRect(1).center()));
    QApplication::sendEvent(canvas(), &help);
    EXPECT_EQ(shownText(QToolTip::text()), kMarkupName);
    QToolTip::hideText();
}

TEST_F(RegalOpening, SaveWritesTheShelfAndReportsAFailedWrite)
{
    writeList(kThree);
    writeShelf({{"Alien", "0#0#7#100"}});
    openEditor();
    item("Menue_bretteinfuegen")->trigger();
    host.statusMessages.clear();
    item("Menue_speichern")->trigger();
    EXPECT_EQ(host.statusMessages, std::vector<int>{1});
    const QString bg = folder.file(QStringLiteral("shelf.gif"));
    EXPECT_EQ(folder.read(QStringLiteral("shelves/a.arf")),
              (bg + "\r\n 1 \r\n 1 \r\n 100 \r\nAlien\r\n0#0#7#100\r\n0#0#200#0\r\n").toUtf8());
    EXPECT_FALSE(regal->HasUnsavedChanges());

    // A disk that fills up: no message 1, a failure message, the old file stays.
    const QByteArray saved = folder.read(QStringLiteral("shelves/a.arf"));
    for (int i = 0; i < 40; ++i)
        shelf().AddSortedMovie(QStringLiteral("Title %1").arg(i), QStringLiteral("DVD"), 0, 0, 0, 0);
    host.log.clear();
    {
        FileSizeLimit limit(static_cast<rlim_t>(saved.size()));
        item("Menue_speichern")->trigger();
    }
    EXPECT_EQ(host.log, QStringList{QStringLiteral("StatusMsg 19 Regal 36 (cannot write %1: disk full or file too large)")
                                        .arg(folder.file(QStringLiteral("shelves/a.arf")))});
    EXPECT_EQ(folder.read(QStringLiteral("shelves/a.arf")), saved);
    EXPECT_TRUE(regal->HasUnsavedChanges());
}

TEST_F(RegalOpening, ClosingWithUnsavedChangesAsksWhetherToSaveThem)
{
    writeList(kThree);
    writeShelf({{"Alien", "0#0#7#100"}});
    const QByteArray original = folder.read(QStringLiteral("shelves/a.arf"));

    // Marks alone are no change: nothing is asked.
    openEditor();
    item("menue_markiereAlle")->trigger();
    regal->close();
    EXPECT_FALSE(regal->isVisible());
    EXPECT_EQ(host.menuEnabled.value(QStringLiteral("menue_sammlungRegal")), true);
    EXPECT_EQ(host.menuEnabled.value(QStringLiteral("menue_ansichtRegal")), true);

    // No: the changes are dropped and the next opening shows the file's state.
    openEditor();
    item("Menue_bretteinfuegen")->trigger();
    boxes.expectMessage(MsgAnswer::No);
    regal->close();
    EXPECT_EQ(boxes.shown.last(), QStringLiteral("Regal 38"));
    EXPECT_EQ(boxes.titles.last(), QStringLiteral("Regal 39"));
    EXPECT_FALSE(regal->isVisible());
    EXPECT_EQ(folder.read(QStringLiteral("shelves/a.arf")), original);
    openEditor();
    EXPECT_EQ(shelf().Brettcount(), 0);

    // Yes with a disk that is full: the window stays open with its changes.
    item("Menue_bretteinfuegen")->trigger();
    for (int i = 0; i < 40; ++i)
        shelf().AddSortedMovie(QStringLiteral("Title %1").arg(i), QStringLiteral("DVD"), 0, 0, 0, 0);
    boxes.expectMessage(MsgAnswer::Yes);
    {
        FileSizeLimit limit(static_cast<rlim_t>(original.size()));
        regal->close();
    }
    EXPECT_TRUE(regal->isVisible());
    EXPECT_EQ(shelf().Brettcount(), 1);
    EXPECT_EQ(folder.read(QStringLiteral("shelves/a.arf")), original);

    // Yes: saved, then closed.
    host.statusMessages.clear();
    boxes.expectMessage(MsgAnswer::Yes);
    regal->close();
    EXPECT_FALSE(regal->isVisible());
    EXPECT_EQ(host.statusMessages, std::vector<int>{1});
    clsRegalCtrl back;
    ASSERT_TRUE(back.Load(folder.file(QStringLiteral("shelves/a.arf"))));
    EXPECT_EQ(back.Brettcount(), 1);
    EXPECT_EQ(back.MovieCount(), 41);
}

TEST_F(RegalOpening, EntryPanelShowsOnePanelAtATime)
{
    writeList(kThree);
    writeShelf({{"Alien", "0#0#7#100"}});
    openEditor();
    auto* entry = child<ucEntry>("ucEntry1");
    auto* list = child<QListWidget>("ListMovies");
    auto* close = child<QPushButton>("btClose");
    auto* add = child<QPushButton>("bthinzufuegen");
    auto* bg = child<QPushButton>("btHintergundhinzufuegen");
    auto* remove = child<QPushButton>("btentfernen");

    // Layout: 100 narrower than the inner width, centred, at Top 200; buttons right under the entry.
    const int W = regal->InnerWidth();
    EXPECT_EQ(entry->geometry(), QRect(50, 200, W - 100, entry->height()));
    EXPECT_EQ(list->geometry(), QRect(50, 200, W - 100, entry->height()));
    for (QPushButton* b : {add, bg, remove})
        EXPECT_EQ(b->geometry(), QRect(50, 200 + entry->height(), W - 100, b->height()));
    EXPECT_EQ(close->x() + close->width(), W - 50);

    struct Case {
        const char* command;
        QWidget* shown;
        QPushButton* button;
        int style;
        QString caption;
    } cases[] = {
        {"Menue_einzeltitelhinzufuegen", list, add, 2, "Regal 27"},
        {"Menue_bg_hinzufuegen", entry, bg, 3, "Regal 28"},
        {"menue_einzeltitelentfernen", entry, remove, 2, "Regal 27"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        item(c.command)->trigger();
        for (QWidget* w : std::initializer_list<QWidget*>{entry, list, add, bg, remove})
            EXPECT_EQ(w->isVisible(), w == c.shown || w == c.button) << w->objectName().toStdString();
        EXPECT_TRUE(close->isVisible());
        EXPECT_EQ(close->y() + close->height(), 200);
        EXPECT_EQ(entry->Style(), c.style);
        EXPECT_EQ(entry->Caption(), c.caption);
        if (c.shown == list) {
            ASSERT_EQ(list->count(), 3);
            EXPECT_EQ(list->item(1)->text(), QStringLiteral("Brazil"));
        }
        QTest::mouseClick(close, Qt::LeftButton);
        for (QWidget* w : std::initializer_list<QWidget*>{entry, list, add, bg, remove, close})
            EXPECT_FALSE(w->isVisible());
    }

    // What was typed in one panel is what the next one shows and takes.
    item("Menue_bg_hinzufuegen")->trigger();
    QTest::keyClicks(entry->findChild<QLineEdit*>(QStringLiteral("text")), QStringLiteral("alien"));
    item("menue_einzeltitelentfernen")->trigger();
    EXPECT_EQ(entry->findChild<QComboBox*>(QStringLiteral("combo"))->currentText(), QStringLiteral("alien"));
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(shelf().MovieCount(), 0);
}

} // namespace
