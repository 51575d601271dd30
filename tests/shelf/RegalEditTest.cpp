#include "tests/shelf/RegalFixture.h"

#include "controls/ucEntry.h"
#include "platform/ProgramFolder.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

using RegalEdit = RegalTest;

// "l#t#7#100" for a spine of the default size.
QString at(int left, int top, int width = 7, int height = 100)
{
    return QStringLiteral("%1#%2#%3#%4").arg(left).arg(top).arg(width).arg(height);
}

const std::vector<std::pair<QString, QString>> kList = {
    {"Alien", "DVD"}, {"Brazil", "VHS"}, {"Casablanca", "BluRay"}};

TEST_F(RegalEdit, RubberBandStatesWithAndWithoutCtrl)
{
    writeList(kList);
    writeShelf({{"Alien", at(100, 50)}, {"Brazil", at(120, 60)}, {"Casablanca", at(300, 300)}});
    openEditor();

    // While the button is down the menus are off; the rectangle grows only right and down.
    moveTo({200, 200});
    press({200, 200});
    EXPECT_TRUE(canvas()->markierungVisible());
    EXPECT_FALSE(item("Menue_speichern")->isEnabled());
    EXPECT_FALSE(item("menue_alleentfernen")->isEnabled()); // its shortcut stops too
    moveTo({260, 230});
    moveTo({150, 250});
    EXPECT_EQ(canvas()->markierung(), QRect(200, 200, 60, 50));
    release({150, 250});
    EXPECT_TRUE(item("Menue_speichern")->isEnabled());
    EXPECT_FALSE(regal->editor().movePending()); // nothing inside

    // With Ctrl held the marks add up and no move is pending.
    drag({95, 45}, {110, 155}, Qt::ControlModifier);
    EXPECT_EQ(marks(), (std::vector<int>{1, 0, 0}));
    EXPECT_FALSE(regal->editor().movePending());
    drag({295, 295}, {310, 410}, Qt::ControlModifier);
    EXPECT_EQ(marks(), (std::vector<int>{1, 0, 1}));
    EXPECT_FALSE(regal->editor().movePending());

    // A rectangle around nothing keeps the marks.
    drag({500, 10}, {600, 20});
    EXPECT_EQ(marks(), (std::vector<int>{1, 0, 1}));
    EXPECT_FALSE(regal->editor().movePending());

    // The first rectangle without Ctrl around an object makes the move pending.
    drag({115, 55}, {130, 165});
    EXPECT_EQ(marks(), (std::vector<int>{1, 1, 1}));
    EXPECT_TRUE(regal->editor().movePending());

    // A press now starts no rectangle.
    moveTo({700, 500});
    press({700, 500});
    EXPECT_FALSE(canvas()->markierungVisible());
    release({700, 500});
    EXPECT_FALSE(regal->editor().movePending());
    EXPECT_EQ(marks(), (std::vector<int>{0, 0, 0}));
}

TEST_F(RegalEdit, CtrlKeySetsTheFlagUntilItIsReleased)
{
    writeList(kList);
    writeShelf({{"Alien", at(100, 50)}});
    openEditor();
    QTest::keyPress(regal.get(), Qt::Key_Control, Qt::ControlModifier);
    EXPECT_TRUE(regal->editor().ctrlHeld());
    QTest::keyPress(regal.get(), Qt::Key_Shift);
    EXPECT_TRUE(regal->editor().ctrlHeld());
    QTest::keyRelease(regal.get(), Qt::Key_Control);
    EXPECT_FALSE(regal->editor().ctrlHeld());
}

TEST_F(RegalEdit, ClicksToggleMarksAndKeepAPendingMove)
{
    writeList(kList);
    writeShelf({{"Alien", at(100, 50)}, {"Brazil", at(120, 60)}}, {"0#300#200#0"});
    openEditor();

    clickMovie(1);
    EXPECT_EQ(marks(), (std::vector<int>{1, 0}));
    EXPECT_TRUE(regal->editor().movePending());
    EXPECT_EQ(canvas()->markierung().topLeft(), QPoint(100, 50));
    EXPECT_FALSE(canvas()->markierungVisible());

    clickMovie(2, Qt::ControlModifier);
    clickBrett(1, Qt::ControlModifier);
    EXPECT_EQ(marks(), (std::vector<int>{1, 1}));
    EXPECT_EQ(shelf().GetBrettNumber(1, R::BrettMark), 1);
    EXPECT_EQ(canvas()->markierung().topLeft(), QPoint(0, 300));

    // Clicking a marked object unmarks it and leaves the rest alone.
    clickMovie(1);
    clickBrett(1);
    EXPECT_EQ(marks(), (std::vector<int>{0, 1}));
    EXPECT_EQ(shelf().GetBrettNumber(1, R::BrettMark), 0);
    EXPECT_EQ(canvas()->markierung().topLeft(), QPoint(0, 300));
    EXPECT_TRUE(regal->editor().movePending());

    // "Auswahl aufheben" ends the pending move.
    item("menue_auswahlweg")->trigger();
    EXPECT_EQ(marks(), (std::vector<int>{0, 0}));
    EXPECT_FALSE(regal->editor().movePending());

    // A click that starts on a spine and ends elsewhere is no click.
    QTest::mousePress(canvas(), Qt::LeftButton, {}, canvas()->movieRect(1).center());
    QTest::mouseRelease(canvas(), Qt::LeftButton, {}, QPoint(600, 500));
    EXPECT_EQ(marks(), (std::vector<int>{0, 0}));
}

TEST_F(RegalEdit, BlockMoveLandsTheNearestObjectOnTheClick)
{
    writeList(kList);
    writeShelf({{"Alien", at(100, 50)}, {"Brazil", at(120, 60)}, {"Casablanca", at(600, 300)}}, {"90#170#100#0"});
    openEditor();
    host.log.clear();

    drag({90, 40}, {130, 170});
    ASSERT_TRUE(regal->editor().movePending());
    clickBackground({300, 200});
    EXPECT_EQ(movieAt(1), QPoint(300, 200));
    EXPECT_EQ(movieAt(2), QPoint(320, 210));
    EXPECT_EQ(movieAt(3), QPoint(600, 300));
    EXPECT_EQ(brettAt(1), QPoint(90, 170));
    EXPECT_EQ(marks(), (std::vector<int>{0, 0, 0}));
    EXPECT_FALSE(regal->editor().movePending());
    EXPECT_EQ(canvas()->movieRect(1), QRect(300, 200, 7, 100));
    EXPECT_TRUE(regal->HasUnsavedChanges());

    // A single object marked by a click lands on the click with its corner.
    clickBrett(1);
    clickBackground({10, 500});
    EXPECT_EQ(brettAt(1), QPoint(10, 500));

    // A release after the mouse has left the window moves to the canvas's nearest point.
    clickMovie(3);
    moveTo({200, 200});
    press({200, 200});
    moveTo({-50, 5000});
    release({-50, 5000});
    EXPECT_EQ(movieAt(3), QPoint(0, canvas()->height() - 1));
}

TEST_F(RegalEdit, RowMoveStepsBySizeAndWrapsAtTheInnerWidth)
{
    writeList(kList);
    std::vector<std::pair<QString, QString>> titles;
    for (int i = 1; i <= 115; ++i)
        titles.push_back({QStringLiteral("t%1").arg(i, 3, 10, QChar(u'0')), at(50, 20)});
    writeShelf(titles, {"500#550#200#0"});
    openEditor();
    regal->resize(800, regal->height());
    ASSERT_EQ(regal->InnerWidth(), 800);

    item("Menue_inreihe")->trigger();
    EXPECT_EQ(regal->editor().moveMode(), 2);
    item("menue_markiereAlle")->trigger();
    EXPECT_FALSE(regal->editor().movePending()); // marking all leaves the move as it was
    drag({45, 15}, {60, 125});
    ASSERT_TRUE(regal->editor().movePending());
    clickBackground({10, 200});

    EXPECT_EQ(movieAt(1), QPoint(10, 200));
    EXPECT_EQ(movieAt(2), QPoint(17, 200));
    EXPECT_EQ(movieAt(112), QPoint(787, 200)); // 7 + 10 + 777 + 5 = 799: the row goes on
    EXPECT_EQ(movieAt(113), QPoint(794, 200)); // 806 > 800: the last of its row
    EXPECT_EQ(movieAt(114), QPoint(10, 200 + 100 + ShelfCanvas::kBrettHeight));
    EXPECT_EQ(brettAt(1), QPoint(10, 300)); // under the first row
}

TEST_F(RegalEdit, MoveModeEntriesCarryTheCheckMark)
{
    writeList(kList);
    writeShelf({{"Alien", at(0, 0)}});
    openEditor();
    QAction* block = item("Menue_blockweiseverschieben");
    QAction* row = item("Menue_inreihe");
    EXPECT_EQ(regal->editor().moveMode(), 1);
    EXPECT_TRUE(block->isChecked());
    EXPECT_FALSE(row->isChecked());
    for (int k = 0; k < 2; ++k) { // the checked entry stays checked when chosen again
        row->trigger();
        EXPECT_EQ(regal->editor().moveMode(), 2);
        EXPECT_TRUE(row->isChecked());
        EXPECT_FALSE(block->isChecked());
    }
    block->trigger();
    EXPECT_EQ(regal->editor().moveMode(), 1);
    EXPECT_TRUE(block->isChecked());
    EXPECT_FALSE(row->isChecked());

    // A new opening starts in block mode.
    row->trigger();
    regal->close();
    openEditor();
    EXPECT_EQ(regal->editor().moveMode(), 1);
    EXPECT_TRUE(block->isChecked());
}

TEST_F(RegalEdit, BoardsAreInsertedUpToFifty)
{
    writeList(kList);
    QStringList boards;
    for (int j = 1; j <= 49; ++j)
        boards << QStringLiteral("%1#%1#100#0").arg(j);
    writeShelf({{"Alien", at(0, 0)}}, boards);
    openEditor();

    item("Menue_bretteinfuegen")->trigger();
    EXPECT_EQ(host.statusMessages, std::vector<int>{7});
    EXPECT_EQ(shelf().Brettcount(), 50);
    EXPECT_EQ(canvas()->brettRect(50), QRect(0, 0, 200, ShelfCanvas::kBrettHeight));
    EXPECT_EQ(shelf().GetBrettNumber(50, R::BrettMark), 0);

    item("Menue_bretteinfuegen")->trigger();
    EXPECT_EQ(host.statusMessages, (std::vector<int>{7, 41}));
    EXPECT_EQ(shelf().Brettcount(), 50);
}

TEST_F(RegalEdit, MarkedObjectsAreRemoved)
{
    writeList(kList);
    writeShelf({{"Alien", at(0, 0)}, {"Brazil", at(10, 0)}, {"Casablanca", at(20, 0)}},
               {"0#200#100#0", "0#300#100#0"});
    struct Case {
        const char* command;
        QStringList names;
        int boards;
    } cases[] = {
        {"Menue_entfernenMarkiert", {"Alien", "Casablanca"}, 2},
        {"Menue_brettentfernen", {"Alien", "Brazil", "Casablanca"}, 1},
        {"menue_alleentfernen", {"Alien", "Casablanca"}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        openEditor();
        clickBrett(1, Qt::ControlModifier);
        clickMovie(2); // without Ctrl: a move is pending
        ASSERT_TRUE(regal->editor().movePending());
        item(c.command)->trigger();
        EXPECT_EQ(names(), c.names);
        EXPECT_EQ(shelf().Brettcount(), c.boards);
        EXPECT_EQ(host.statusMessages, std::vector<int>{40});
        EXPECT_TRUE(canvas()->isDrawn());

        // The removal ends the move: the next rubber band marks instead of moving what is left.
        EXPECT_FALSE(regal->editor().movePending());
        drag({19, 0}, {40, 120});
        const int casablanca = static_cast<int>(names().indexOf(QStringLiteral("Casablanca"))) + 1;
        EXPECT_EQ(shelf().GetMovieNumber(casablanca, R::MovieMark), 1);
        EXPECT_EQ(movieAt(casablanca), QPoint(20, 0));
        EXPECT_EQ(movieAt(1), QPoint(0, 0));
        EXPECT_TRUE(regal->editor().movePending());
        boxes.expectMessage(MsgAnswer::No);
        regal->close();
    }

    // With nothing marked the message still comes and nothing goes.
    openEditor();
    item("Menue_entfernenMarkiert")->trigger();
    EXPECT_EQ(shelf().MovieCount(), 3);
    EXPECT_EQ(host.statusMessages, std::vector<int>{40});
}

TEST_F(RegalEdit, WideningAndNarrowingStopAtTheirLimits)
{
    writeList(kList);
    writeShelf({{"Alien", at(0, 0, 49)}, {"Brazil", at(60, 0, 4)}, {"Casablanca", at(100, 0, 7)}},
               {"0#300#10#0", "0#400#100#0"});
    openEditor();
    regal->resize(800, regal->height());
    const int W = regal->InnerWidth();
    shelf().SetBrettNumber(2, R::BrettLeft, W - 100); // right end on the inner width
    clickMovie(1, Qt::ControlModifier);
    clickMovie(2, Qt::ControlModifier);
    clickBrett(1, Qt::ControlModifier);
    clickBrett(2, Qt::ControlModifier);

    item("menue_alleverbreitern")->trigger();
    EXPECT_EQ(shelf().GetBrettNumber(2, R::BrettWidth), 101); // may pass the edge by one
    EXPECT_TRUE(host.statusMessages.empty());
    item("menue_alleverbreitern")->trigger();
    EXPECT_EQ(host.statusMessages, std::vector<int>{38}); // board 2 only; board 1 grows on
    EXPECT_EQ(shelf().GetBrettNumber(1, R::BrettWidth), 12);
    EXPECT_EQ(shelf().GetMovieNumber(1, R::MovieWidth), 50);
    EXPECT_EQ(shelf().GetMovieNumber(2, R::MovieWidth), 6);
    EXPECT_EQ(shelf().GetMovieNumber(3, R::MovieWidth), 7); // not marked
    item("menue_filmeverbreitern")->trigger();
    EXPECT_EQ(shelf().GetMovieNumber(1, R::MovieWidth), 50); // silently at its limit
    EXPECT_EQ(canvas()->movieRect(1).width(), 50);

    host.statusMessages.clear();
    for (int k = 0; k < 3; ++k)
        item("menue_alleverschmaelern")->trigger();
    EXPECT_EQ(shelf().GetBrettNumber(1, R::BrettWidth), 9); // 12 down to the shortest reachable
    EXPECT_EQ(shelf().GetMovieNumber(2, R::MovieWidth), 4);
    EXPECT_TRUE(host.statusMessages.empty());
    item("Menue_brettverkuerzen")->trigger();
    item("menue_filmeverschmaelern")->trigger();
    item("menue_filmeverschmaelern")->trigger();
    EXPECT_EQ(host.statusMessages, std::vector<int>{39});
    EXPECT_EQ(shelf().GetBrettNumber(1, R::BrettWidth), 9);
    EXPECT_EQ(shelf().GetBrettNumber(2, R::BrettWidth), 97);
    EXPECT_EQ(shelf().GetMovieNumber(2, R::MovieWidth), 3); // silently at its limit
    EXPECT_EQ(shelf().GetMovieNumber(1, R::MovieWidth), 45);
    EXPECT_EQ(canvas()->movieRect(1).width(), 45);

    // Laying spines down is never offered.
    EXPECT_FALSE(item("menue_filmelegen")->isEnabled());
    item("menue_filmelegen")->trigger();
    EXPECT_EQ(shelf().GetMovieNumber(1, R::MovieHeight), 100);
}

TEST_F(RegalEdit, DisplaySizeStopsAtItsLimits)
{
    writeList(kList);
    struct Case {
        int from;
        const char* command;
        int once, twice;
    } cases[] = {
        {200, "Menue_vergroessern", 205, 205},
        {195, "Menue_vergroessern", 200, 205},
        {60, "Menue_verkleinern", 55, 55},
        {100, "Menue_verkleinern", 95, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command + std::to_string(c.from));
        writeShelf({{"Alien", at(5, 6)}}, {"0#300#100#0"}, c.from);
        openEditor();
        item(c.command)->trigger();
        EXPECT_EQ(shelf().MovieSize(), c.once);
        item(c.command)->trigger();
        EXPECT_EQ(shelf().MovieSize(), c.twice);
        EXPECT_EQ(canvas()->movieRect(1), QRect(5, 6, 7 * c.twice / 100, 100 * c.twice / 100));
        EXPECT_EQ(canvas()->brettRect(1).width(), 100);
        EXPECT_TRUE(host.statusMessages.empty());
        if (regal->HasUnsavedChanges())
            boxes.expectMessage(MsgAnswer::No);
        regal->close();
    }
}

TEST_F(RegalEdit, ArrangingPutsEverySpineOntoTheBoardsInShelfOrder)
{
    writeList(kList);
    writeShelf({{"Alien", at(0, 0)}, {"Brazil", at(100, 0)}, {"Casablanca", at(200, 0)}}, {"10#300#20#0"});
    openEditor();
    clickMovie(2);
    item("Menue_dvdsaufbretter")->trigger();
    EXPECT_EQ(movieAt(1), QPoint(10, 200));
    EXPECT_EQ(movieAt(2), QPoint(17, 200));
    EXPECT_EQ(movieAt(3), QPoint(200, 0)); // 20 - 14 < 7: no room, and no second board
    EXPECT_EQ(marks(), (std::vector<int>{0, 1, 0})); // marks survive
    EXPECT_TRUE(host.statusMessages.empty());
}

TEST_F(RegalEdit, AllMissingTitlesAreAddedInRows)
{
    writeList({{"Zorro", "DVD"}, {"Alien", "DVD"}, {"ALIEN", "VHS"}, {"Brazil", "DVD"}});
    writeShelfLines({"shelf.gif", "0", "0", "150"});
    openEditor();
    item("Menue_allehinzu")->trigger();
    EXPECT_EQ(names(), (QStringList{"Alien", "Brazil", "Zorro"}));
    EXPECT_EQ(movieAt(3), QPoint(0, 0)); // in list order, 7 apart whatever the display size
    EXPECT_EQ(movieAt(1), QPoint(7, 0));
    EXPECT_EQ(movieAt(2), QPoint(14, 0));
    EXPECT_EQ(canvas()->movieRect(1), QRect(7, 0, 10, 150));
    EXPECT_EQ(host.statusMessages, std::vector<int>{7});

    // In a narrow window a row wraps after the title that passed the edge.
    writeList({{"a", "DVD"}, {"b", "DVD"}, {"c", "DVD"}, {"d", "DVD"}});
    writeShelfLines({"shelf.gif", "0", "0", "100"});
    boxes.expectMessage(MsgAnswer::No);
    regal->close();
    openEditor();
    regal->resize(20, regal->height());
    ASSERT_EQ(regal->InnerWidth(), 20);
    item("Menue_allehinzu")->trigger();
    EXPECT_EQ(movieAt(1), QPoint(0, 0));
    EXPECT_EQ(movieAt(2), QPoint(7, 0));
    EXPECT_EQ(movieAt(3), QPoint(14, 0)); // 14 + 7 > 20: the last of its row
    EXPECT_EQ(movieAt(4), QPoint(0, 100));
}

TEST_F(RegalEdit, TitlesBeyondTheCapacityAreRefusedWhole)
{
    std::vector<std::pair<QString, QString>> titles;
    for (int i = 1; i <= 9998; ++i)
        titles.push_back({QStringLiteral("T%1").arg(i, 4, 10, QChar(u'0')), at(0, 0)});
    writeShelf(titles);
    writeList({{"New 1", "DVD"}, {"New 2", "DVD"}, {"T0001", "DVD"}});
    openEditor();

    item("Menue_allehinzu")->trigger(); // two would not fit in one place
    EXPECT_EQ(host.log, QStringList{"StatusMsg 19 Regal 37"});
    EXPECT_EQ(shelf().MovieCount(), 9998);
    EXPECT_FALSE(shelf().IsFilmInRegal(QStringLiteral("New 1")));
    EXPECT_TRUE(canvas()->isDrawn());
    EXPECT_FALSE(regal->HasUnsavedChanges());

    // One by one: the 9999th fits, the 10000th is refused.
    item("Menue_einzeltitelhinzufuegen")->trigger();
    auto* list = child<QListWidget>("ListMovies");
    host.log.clear();
    list->setCurrentRow(0);
    QTest::mouseClick(child<QPushButton>("bthinzufuegen"), Qt::LeftButton);
    EXPECT_EQ(shelf().MovieCount(), 9999);
    item("Menue_einzeltitelhinzufuegen")->trigger();
    list->setCurrentRow(1);
    QTest::mouseClick(child<QPushButton>("bthinzufuegen"), Qt::LeftButton);
    EXPECT_EQ(host.log, (QStringList{"StatusMsg 7", "StatusMsg 19 Regal 37"}));
    EXPECT_EQ(shelf().MovieCount(), 9999);
    EXPECT_TRUE(child<QPushButton>("bthinzufuegen")->isVisible());
}

TEST_F(RegalEdit, OneTitleIsAddedFromTheListUnlessItIsThere)
{
    writeList({{"Alien", "DVD"}, {"brazil", "VHS"}, {"Casablanca", "BluRay"}});
    writeShelf({{"Alien", at(50, 0)}, {"BRAZIL", at(60, 0)}});
    openEditor();
    item("Menue_einzeltitelhinzufuegen")->trigger();
    auto* list = child<QListWidget>("ListMovies");
    auto* add = child<QPushButton>("bthinzufuegen");

    QTest::mouseClick(add, Qt::LeftButton); // nothing selected
    list->setCurrentRow(1);                 // on the shelf in another case
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(host.statusMessages, (std::vector<int>{10, 10}));
    EXPECT_EQ(shelf().MovieCount(), 2);
    EXPECT_TRUE(add->isVisible());

    list->setCurrentRow(2);
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(names(), (QStringList{"Alien", "BRAZIL", "Casablanca"}));
    EXPECT_EQ(canvas()->movieRect(3), QRect(0, 0, 6, 80)); // the default size of its format
    EXPECT_EQ(host.statusMessages, (std::vector<int>{10, 10, 7}));
    EXPECT_FALSE(add->isVisible());
    EXPECT_FALSE(list->isVisible());
}

TEST_F(RegalEdit, OneTitleIsRemovedByName)
{
    writeList(kList);
    writeShelf({{"Alien", at(0, 0)}, {"Brazil", at(10, 0)}});
    openEditor();
    item("menue_einzeltitelentfernen")->trigger();
    auto* entry = child<ucEntry>("ucEntry1");
    auto* remove = child<QPushButton>("btentfernen");
    for (const char* typed : {"", "Casablanca"}) {
        entry->setValue(QString::fromLatin1(typed));
        QTest::mouseClick(remove, Qt::LeftButton);
    }
    EXPECT_EQ(host.statusMessages, (std::vector<int>{10, 10}));
    EXPECT_TRUE(remove->isVisible());
    EXPECT_EQ(shelf().MovieCount(), 2);

    entry->setValue(QStringLiteral("bRAZIL"));
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(names(), QStringList{"Alien"});
    EXPECT_EQ(host.statusMessages, (std::vector<int>{10, 10, 5}));
    EXPECT_FALSE(remove->isVisible());
}

TEST_F(RegalEdit, SurplusTitlesAreRemovedNeighboursIncluded)
{
    writeList(kList);
    writeShelf({{"Alien", at(0, 0)}, {"Gone 1", at(10, 0)}, {"Gone 2", at(20, 0)}, {"brazil", at(30, 0)},
                {"Gone 3", at(40, 0)}});
    openEditor();
    item("Menue_alleweg")->trigger();
    EXPECT_EQ(names(), (QStringList{"Alien", "brazil"}));
    EXPECT_EQ(movieAt(2), QPoint(30, 0));
    EXPECT_EQ(host.statusMessages, std::vector<int>{5});
}

TEST_F(RegalEdit, BackgroundIsSetFromAPictureFileAndReset)
{
    writeList(kList);
    writeShelf({{"Alien", at(0, 0)}});
    const QString wood = writePicture(QStringLiteral("pics/wood.bmp"), Qt::darkRed, 30, 15);
    folder.write(QStringLiteral("pics/broken.jpg"), "no picture");
    folder.write(QStringLiteral("notes.txt"), "text");
    openEditor();
    item("Menue_bg_hinzufuegen")->trigger();
    auto* entry = child<ucEntry>("ucEntry1");
    auto* take = child<QPushButton>("btHintergundhinzufuegen");
    EXPECT_EQ(entry->DialogFolder(), ProgramFolder::path());

    struct Case {
        QString typed;
        int message;
    } refused[] = {{"", 11}, {"pics/missing.jpg", 27}, {"notes.txt", 27}, {"pics/broken.jpg", 27}};
    for (const Case& c : refused) {
        SCOPED_TRACE(c.typed.toStdString());
        host.statusMessages.clear();
        entry->setValue(c.typed);
        QTest::mouseClick(take, Qt::LeftButton);
        EXPECT_EQ(host.statusMessages, std::vector<int>{c.message});
        EXPECT_TRUE(take->isVisible());
        EXPECT_EQ(shelf().BGpath(), folder.file(QStringLiteral("shelf.gif")));
    }

    // Typed relative, with the separator of lists made on Windows: kept as a full path.
    host.statusMessages.clear();
    entry->setValue(QStringLiteral("pics\\wood.bmp"));
    QTest::mouseClick(take, Qt::LeftButton);
    EXPECT_EQ(host.statusMessages, std::vector<int>{7});
    EXPECT_EQ(shelf().BGpath(), wood);
    EXPECT_EQ(canvas()->background().size(), QSize(30, 15));
    EXPECT_FALSE(take->isVisible());
    item("Menue_speichern")->trigger();
    EXPECT_TRUE(folder.read(QStringLiteral("shelves/a.arf")).startsWith((wood + "\r\n").toUtf8()));

    item("Menue_bg_entfernen")->trigger();
    EXPECT_EQ(shelf().BGpath(), folder.file(QStringLiteral("shelf.gif")));
    EXPECT_EQ(canvas()->background().size(), QSize(20, 10));
}

TEST_F(RegalEdit, KeysReachTheirCommandsOnlyInEditMode)
{
    writeList(kList);
    writeShelf({{"Alien", at(0, 0)}, {"Brazil", at(10, 0, 10)}, {"Casablanca", at(30, 0)}}, {"100#400#30#0"});
    openEditor();
    regal->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(regal.get()));
    const auto key = [this](Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(regal.get(), k, m); };

    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(marks(), (std::vector<int>{1, 1, 1}));
    key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(marks(), (std::vector<int>{0, 0, 0}));
    key(Qt::Key_F2);
    EXPECT_EQ(regal->editor().moveMode(), 2);
    key(Qt::Key_F1);
    EXPECT_EQ(regal->editor().moveMode(), 1);

    clickMovie(2);
    key(Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(shelf().GetMovieNumber(2, R::MovieWidth), 11);
    key(Qt::Key_F2, Qt::ControlModifier);
    key(Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(shelf().GetMovieNumber(2, R::MovieWidth), 9);
    key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(movieAt(1), QPoint(100, 300));
    key(Qt::Key_Delete);
    EXPECT_EQ(names(), (QStringList{"Alien", "Casablanca"}));
    EXPECT_EQ(host.statusMessages, std::vector<int>{40});

    // In view mode every command is off.
    boxes.expectMessage(MsgAnswer::No);
    regal->close();
    regal->OpenView();
    regal->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(regal.get()));
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_Delete);
    key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(marks(), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(shelf().MovieCount(), 3);
    EXPECT_EQ(movieAt(1), QPoint(0, 0));

    // Nor does a rubber band mark anything there.
    drag({0, 200}, {300, 350});
    EXPECT_EQ(marks(), (std::vector<int>{0, 0, 0}));
    EXPECT_FALSE(canvas()->markierungVisible());
}

} // namespace
