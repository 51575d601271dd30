#include "shelf/core/clsRegalCtrl.h"
#include "tests/shelf/core/ShelfValues.h"
#include "tests/support/ErrorKindOf.h"
#include "tests/support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {

using R = clsRegalCtrl;
using ShelfValues::movieLine;
using ShelfValues::names;

constexpr int kThickness = 12; // a board's height on the window

// Left, Top, Width and mark of a board.
QString brettLine(const R& shelf, int j)
{
    QStringList v;
    for (int n = R::BrettLeft; n <= R::BrettMark; ++n)
        v << shelf.GetBrettValue(j, n);
    return v.join(u' ');
}

QPoint at(const R& shelf, int i)
{
    return {shelf.GetMovieNumber(i, R::MovieLeft), shelf.GetMovieNumber(i, R::MovieTop)};
}

QPoint brettAt(const R& shelf, int j)
{
    return {shelf.GetBrettNumber(j, R::BrettLeft), shelf.GetBrettNumber(j, R::BrettTop)};
}

// A shelf at display size 100 holding the given titles, each 7 x 100 at (0, 0), in this order.
void fill(R& shelf, const QStringList& titles)
{
    shelf.setMovieSize(100);
    for (const QString& t : titles)
        shelf.AddMovie(t, 0, 0);
}

TEST(RegalCtrl, NewInstanceIsEmpty)
{
    R shelf;
    EXPECT_EQ(shelf.BGpath(), QString());
    EXPECT_EQ(shelf.MovieCount(), 0);
    EXPECT_EQ(shelf.Brettcount(), 0);
    EXPECT_EQ(shelf.MovieSize(), 0);
}

TEST(RegalCtrl, SortedInsertIgnoresCaseAndGoesBeforeEqualNames)
{
    R shelf;
    shelf.setMovieSize(100);
    shelf.AddSortedMovie(QStringLiteral("alien"), QStringLiteral("DVD"), 1, 2, 9, 90);
    shelf.AddSortedMovie(QStringLiteral("Brazil"), QStringLiteral("VHS"), 3, 4, 0, 0);
    shelf.SetMovieValue(1, R::MovieMark, QStringLiteral("1"));
    shelf.AddSortedMovie(QStringLiteral("Alien"), QStringLiteral("DVD"), 0, 0, 0, 0);
    shelf.AddSortedMovie(QString::fromUtf8("ärger"), QStringLiteral("DVD"), 0, 0, 0, 0);
    EXPECT_EQ(names(shelf), (QStringList{"Alien", "alien", QString::fromUtf8("ärger"), "Brazil"}));
    EXPECT_EQ(movieLine(shelf, 1), QStringLiteral("0 0 7 100 0"));
    EXPECT_EQ(movieLine(shelf, 2), QStringLiteral("1 2 9 90 1")); // moved with every value
    EXPECT_EQ(movieLine(shelf, 4), QStringLiteral("3 4 10 100 0"));
}

TEST(RegalCtrl, SortedInsertKeepsManyTitlesInOrder)
{
    R shelf;
    shelf.setMovieSize(100);
    QStringList inserted;
    for (int k = 0; k < 300; ++k) // every residue once, in a scrambled order
        inserted << QStringLiteral("Title %1").arg((k * 37) % 300, 3, 10, QChar(u'0'));
    for (const QString& t : inserted)
        shelf.AddSortedMovie(t, QString(), 0, 0, 0, 0);
    QStringList sorted = inserted;
    sorted.sort();
    EXPECT_EQ(names(shelf), sorted);
}

TEST(RegalCtrl, SortedInsertIntoAShelfOutOfOrderWalksFromTheTop)
{
    TempProgramFolder folder;
    folder.writeLines(QStringLiteral("s.arf"), {"shelf.gif", "3", "0", "100", "M", "0#0#7#100", "C", "0#0#7#100",
                                                "X", "0#0#7#100"});
    R shelf;
    ASSERT_TRUE(shelf.Load(QStringLiteral("s.arf")));
    shelf.AddSortedMovie(QStringLiteral("D"), QString(), 0, 0, 0, 0);
    shelf.AddSortedMovie(QStringLiteral("Z"), QString(), 0, 0, 0, 0);
    EXPECT_EQ(names(shelf), (QStringList{"D", "M", "C", "X", "Z"}));
}

TEST(RegalCtrl, DefaultSpineSizeByFormat)
{
    const struct {
        const char* format;
        int width, height;
    } cases[] = {
        {"DVD", 7, 100}, {"BluRay", 6, 80}, {"HD-DVD", 6, 80}, {"VHS", 10, 100}, {"VCD", 6, 50},
        {"bluray", 7, 100}, {"vhs", 7, 100}, {"", 7, 100}, {"Kassette", 7, 100},
    };
    for (const auto& c : cases) {
        R shelf;
        shelf.AddSortedMovie(QStringLiteral("x"), QString::fromLatin1(c.format), 0, 0, 0, 0);
        EXPECT_EQ(shelf.GetMovieNumber(1, R::MovieWidth), c.width) << c.format;
        EXPECT_EQ(shelf.GetMovieNumber(1, R::MovieHeight), c.height) << c.format;
    }
    R shelf; // a given size wins; zero or less takes the default
    shelf.AddSortedMovie(QStringLiteral("a"), QStringLiteral("VCD"), 0, 0, 12, 0);
    shelf.AddSortedMovie(QStringLiteral("b"), QStringLiteral("VCD"), 0, 0, -4, 70);
    EXPECT_EQ(movieLine(shelf, 1), QStringLiteral("0 0 12 50 0"));
    EXPECT_EQ(movieLine(shelf, 2), QStringLiteral("0 0 6 70 0"));
    shelf.AddMovie(QStringLiteral("c"), 5, 9); // top, then left
    EXPECT_EQ(movieLine(shelf, 3), QStringLiteral("9 5 7 100 0"));
}

TEST(RegalCtrl, ValuesAreReadAndWrittenAsText)
{
    R shelf;
    fill(shelf, {"Alien"});
    shelf.AddBrett(140, 0, 200);
    const struct {
        int valueNo;
        const char* text;
        const char* stored;
    } cases[] = {
        {R::MovieLeft, "12.7", "12"},     {R::MovieLeft, "-0.5", "-1"},      {R::MovieTop, " 35 ", "35"},
        {R::MovieWidth, "40000", "32767"}, {R::MovieHeight, "-1e9", "-32768"}, {R::MovieMark, "1", "1"},
        {R::MovieMark, "-3", "0"},
    };
    for (const auto& c : cases) {
        shelf.SetMovieValue(1, c.valueNo, QString::fromLatin1(c.text));
        EXPECT_EQ(shelf.GetMovieValue(1, c.valueNo), QString::fromLatin1(c.stored)) << c.text;
    }
    shelf.SetMovieValue(1, R::MovieName, QStringLiteral("Aliens"));
    EXPECT_EQ(shelf.GetMovieValue(1, R::MovieName), QStringLiteral("Aliens"));

    // A value number the entry has not: read as "", written nowhere.
    const QString before = movieLine(shelf, 1);
    for (int n : {0, 7, -1}) {
        shelf.SetMovieValue(1, n, QStringLiteral("5"));
        EXPECT_EQ(shelf.GetMovieValue(1, n), QString()) << n;
    }
    EXPECT_EQ(movieLine(shelf, 1), before);
    shelf.SetBrettValue(1, 5, QStringLiteral("9"));
    EXPECT_EQ(shelf.GetBrettValue(1, 5), QString());
    EXPECT_EQ(brettLine(shelf, 1), QStringLiteral("0 140 200 0"));
    shelf.SetBrettValue(1, R::BrettWidth, QStringLiteral("250.9"));
    EXPECT_EQ(shelf.GetBrettValue(1, R::BrettWidth), QStringLiteral("250"));

    // A text that is no number stores nothing.
    EXPECT_EQ(errorKindOf([&] { shelf.SetMovieValue(1, R::MovieLeft, QStringLiteral("abc")); }),
              ErrorKind::Conversion);
    EXPECT_EQ(errorKindOf([&] { shelf.SetBrettValue(1, R::BrettTop, QString()); }), ErrorKind::Conversion);
    EXPECT_EQ(movieLine(shelf, 1), before);
    EXPECT_EQ(brettLine(shelf, 1), QStringLiteral("0 140 250 0"));
}

TEST(RegalCtrl, IndicesOutsideTheTableReadEmptyAndWriteNothing)
{
    R shelf;
    fill(shelf, {"Alien"});
    shelf.AddBrett(1, 2, 3);
    for (int i : {-1, 10000, 32767}) {
        shelf.SetMovieValue(i, R::MovieName, QStringLiteral("x"));
        shelf.SetMovieNumber(i, R::MovieLeft, 5);
        EXPECT_EQ(shelf.GetMovieValue(i, R::MovieName), QString()) << i;
        EXPECT_EQ(shelf.GetMovieValue(i, R::MovieLeft), QString()) << i;
        EXPECT_EQ(shelf.GetMovieNumber(i, R::MovieLeft), 0) << i;
        EXPECT_TRUE(shelf.MovieRect(i).isNull()) << i;
    }
    for (int j : {-1, 51}) {
        shelf.SetBrettValue(j, R::BrettLeft, QStringLiteral("5"));
        EXPECT_EQ(shelf.GetBrettValue(j, R::BrettLeft), QString()) << j;
    }
    // Slots above the count belong to the table: they keep what is written there.
    shelf.SetMovieValue(9999, R::MovieName, QStringLiteral("spare"));
    EXPECT_EQ(shelf.GetMovieValue(9999, R::MovieName), QStringLiteral("spare"));
    EXPECT_EQ(shelf.GetBrettValue(50, R::BrettWidth), QStringLiteral("0"));

    for (int i : {0, 2, -1, 10000})
        shelf.RemoveDVD(i);
    for (int j : {0, 2, -1, 51})
        shelf.RemoveBrett(j);
    EXPECT_EQ(names(shelf), QStringList{"Alien"});
    EXPECT_EQ(shelf.Brettcount(), 1);
}

TEST(RegalCtrl, RemovingMovesTheLaterEntriesWithAllTheirValues)
{
    R shelf;
    fill(shelf, {"alien", "Brazil", "Casablanca"});
    shelf.SetMovieValue(3, R::MovieLeft, QStringLiteral("30"));
    shelf.SetMovieValue(3, R::MovieTop, QStringLiteral("40"));
    shelf.SetMovieValue(3, R::MovieWidth, QStringLiteral("9"));
    shelf.SetMovieValue(3, R::MovieMark, QStringLiteral("1"));
    shelf.RemoveDVD(2);
    EXPECT_EQ(names(shelf), (QStringList{"alien", "Casablanca"}));
    EXPECT_EQ(movieLine(shelf, 2), QStringLiteral("30 40 9 100 1"));

    shelf.RemoveMovieByTitle(QStringLiteral("Brazil"));
    EXPECT_EQ(shelf.MovieCount(), 2);
    shelf.RemoveMovieByTitle(QStringLiteral("CASABLANCA"));
    EXPECT_EQ(names(shelf), QStringList{"alien"});

    shelf.AddBrett(10, 1, 100);
    shelf.AddBrett(20, 2, 200);
    shelf.SetBrettValue(2, R::BrettMark, QStringLiteral("1"));
    shelf.RemoveBrett(1);
    EXPECT_EQ(shelf.Brettcount(), 1);
    EXPECT_EQ(brettLine(shelf, 1), QStringLiteral("2 20 200 1"));
}

TEST(RegalCtrl, LookUpByNameIgnoresCaseAndTakesTheFirst)
{
    R shelf;
    fill(shelf, {"Brazil", "alien", "ALIEN"});
    EXPECT_TRUE(shelf.IsFilmInRegal(QStringLiteral("Alien")));
    EXPECT_EQ(shelf.IndexOfMovie(QStringLiteral("Alien")), 2);
    EXPECT_FALSE(shelf.IsFilmInRegal(QStringLiteral("Alie")));
    EXPECT_EQ(shelf.IndexOfMovie(QStringLiteral("Zorro")), 0);
    shelf.RemoveMovieByTitle(QStringLiteral("alien"));
    EXPECT_EQ(names(shelf), (QStringList{"Brazil", "ALIEN"}));
}

TEST(RegalCtrl, CapacityRefusalsLeaveTheShelfUnchanged)
{
    R shelf;
    shelf.setMovieSize(100);
    for (int i = 1; i < R::kMaxMovies; ++i)
        shelf.AddMovie(QStringLiteral("t%1").arg(i), 0, 0);
    ASSERT_EQ(shelf.MovieCount(), 9998);

    // Two titles missing, room for one: the whole command is refused.
    const QList<R::ListTitle> list = {{"t1", "DVD"}, {"new a", "DVD"}, {"NEW A", "DVD"}, {"new b", "VHS"}};
    EXPECT_EQ(errorKindOf([&] { shelf.AddMissingMovies(list, 800); }), ErrorKind::Capacity);
    EXPECT_EQ(shelf.MovieCount(), 9998);
    EXPECT_FALSE(shelf.IsFilmInRegal(QStringLiteral("new a")));

    shelf.AddSortedMovie(QStringLiteral("a"), QString(), 0, 0, 0, 0);
    EXPECT_EQ(shelf.MovieCount(), R::kMaxMovies);
    EXPECT_EQ(errorKindOf([&] { shelf.AddSortedMovie(QStringLiteral("b"), QString(), 0, 0, 0, 0); }),
              ErrorKind::Capacity);
    EXPECT_EQ(errorKindOf([&] { shelf.AddMovie(QStringLiteral("b"), 0, 0); }), ErrorKind::Capacity);
    EXPECT_EQ(shelf.MovieCount(), R::kMaxMovies);
    EXPECT_EQ(shelf.GetMovieValue(1, R::MovieName), QStringLiteral("a"));
    EXPECT_EQ(shelf.GetMovieValue(R::kMaxMovies, R::MovieName), QStringLiteral("t9998"));
    EXPECT_EQ(shelf.AddMissingMovies({{"A", "DVD"}, {"t5", "DVD"}}, 800), 0); // nothing missing: nothing to refuse

    for (int j = 1; j <= R::kMaxBretter; ++j)
        shelf.AddBrett(j, 0, 200);
    EXPECT_EQ(errorKindOf([&] { shelf.AddBrett(0, 0, 200); }), ErrorKind::Capacity);
    EXPECT_EQ(shelf.Brettcount(), 50);
    EXPECT_EQ(shelf.GetBrettNumber(50, R::BrettTop), 50);
    shelf.RemoveBrett(1);
    shelf.AddBrett(7, 0, 200);
    EXPECT_EQ(shelf.GetBrettNumber(50, R::BrettTop), 7);
}

TEST(RegalCtrl, SpinesAreScaledInWideArithmetic)
{
    const struct {
        int base, percent, scaled;
    } cases[] = {
        {7, 100, 7},          {7, 150, 10},         {100, 55, 55},
        {3, 55, 1},           {-7, 150, -11},       {32767, 205, 67172},
        {32767, 32767, 10736762},
    };
    for (const auto& c : cases)
        EXPECT_EQ(R::ScaledSize(c.base, c.percent), c.scaled) << c.base << " " << c.percent;

    R shelf;
    fill(shelf, {"a"});
    shelf.setMovieSize(150);
    shelf.SetMovieNumber(1, R::MovieLeft, 40);
    shelf.SetMovieNumber(1, R::MovieTop, -5);
    EXPECT_EQ(shelf.MovieRect(1), QRect(40, -5, 10, 150));
    shelf.setMovieSize(100000);
    EXPECT_EQ(shelf.MovieSize(), 32767);
}

TEST(RegalCtrl, MarkingByRectangleTakesWholeObjectsEdgesIncluded)
{
    R shelf;
    fill(shelf, {"a", "b", "c"});
    shelf.setMovieSize(150); // spines drawn 10 x 150
    shelf.SetMovieNumber(1, R::MovieLeft, 10);
    shelf.SetMovieNumber(1, R::MovieTop, 20);
    shelf.SetMovieNumber(2, R::MovieLeft, 15); // cut by the rectangle
    shelf.SetMovieNumber(2, R::MovieTop, 20);
    shelf.SetMovieNumber(3, R::MovieLeft, 500);
    shelf.SetMovieNumber(3, R::MovieMark, 1);
    shelf.AddBrett(170, 10, 14);
    shelf.AddBrett(171, 10, 14);

    EXPECT_EQ(shelf.MarkObjectsInSelection(10, 20, 14, 150 + kThickness, kThickness), 2);
    EXPECT_EQ(shelf.GetMovieNumber(1, R::MovieMark), 1);
    EXPECT_EQ(shelf.GetMovieNumber(2, R::MovieMark), 0);
    EXPECT_EQ(shelf.GetMovieNumber(3, R::MovieMark), 1); // marking never unmarks
    EXPECT_EQ(brettLine(shelf, 1), QStringLiteral("10 170 14 1"));
    EXPECT_EQ(brettLine(shelf, 2), QStringLiteral("10 171 14 0"));

    // Already marked objects count again; an empty rectangle marks nothing.
    EXPECT_EQ(shelf.MarkObjectsInSelection(0, 0, 600, 600, kThickness), 5);
    EXPECT_EQ(shelf.MarkObjectsInSelection(1000, 1000, 1, 1, kThickness), 0);

    shelf.ClearAllMarks(); // titles only
    EXPECT_EQ(movieLine(shelf, 1), QStringLiteral("10 20 7 100 0"));
    EXPECT_EQ(shelf.GetBrettNumber(1, R::BrettMark), 1);
    shelf.UnmarkAll();
    EXPECT_EQ(shelf.GetBrettNumber(1, R::BrettMark), 0);
    shelf.MarkAll();
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(shelf.GetMovieNumber(i, R::MovieMark), 1);
    EXPECT_EQ(shelf.GetBrettNumber(2, R::BrettMark), 1);
}

TEST(RegalCtrl, BlockMoveKeepsTheShapeAroundTheNearestObject)
{
    R shelf;
    fill(shelf, {"a", "b", "c", "d"});
    const QPoint places[] = {{100, 50}, {120, 60}, {5, 5}, {90, 60}};
    for (int i = 1; i <= 4; ++i) {
        shelf.SetMovieNumber(i, R::MovieLeft, places[i - 1].x());
        shelf.SetMovieNumber(i, R::MovieTop, places[i - 1].y());
    }
    shelf.AddBrett(80, 50, 200);
    for (int i : {1, 2, 4})
        shelf.SetMovieNumber(i, R::MovieMark, 1);

    // Titles 1 and 4 tie on Left + Top: the lower number is the reference.
    shelf.MoveMarkedBlock(300, 200, 80, 40);
    EXPECT_EQ(at(shelf, 1), QPoint(300, 200));
    EXPECT_EQ(at(shelf, 2), QPoint(320, 210));
    EXPECT_EQ(at(shelf, 4), QPoint(290, 210));
    EXPECT_EQ(at(shelf, 3), QPoint(5, 5));
    EXPECT_EQ(brettAt(shelf, 1), QPoint(50, 80));

    // A board is the reference only when strictly nearer.
    shelf.SetBrettNumber(1, R::BrettMark, 1);
    shelf.MoveMarkedBlock(0, 0, 0, 0); // board 50 + 80 = 130 beats title 1's 500
    EXPECT_EQ(brettAt(shelf, 1), QPoint(0, 0));
    EXPECT_EQ(at(shelf, 1), QPoint(250, 120));

    // Nothing within 30000 of the corner: all move by (X - corner Left, Y - corner Top).
    shelf.MoveMarkedBlock(100, 10, -30000, 0);
    EXPECT_EQ(brettAt(shelf, 1), QPoint(30100, 10));
    EXPECT_EQ(at(shelf, 1), QPoint(30350, 130));
}

TEST(RegalCtrl, RowMoveWrapsAtTheInnerWidthAndStacksBoards)
{
    R shelf;
    QStringList titles;
    for (int i = 1; i <= 116; ++i)
        titles << QStringLiteral("t%1").arg(i, 3, 10, QChar(u'0'));
    fill(shelf, titles);
    for (int i = 1; i <= 115; ++i)
        shelf.SetMovieNumber(i, R::MovieMark, 1);
    shelf.AddBrett(0, 0, 200);
    shelf.AddBrett(0, 0, 200);
    shelf.AddBrett(0, 0, 200);
    shelf.SetBrettNumber(1, R::BrettMark, 1);
    shelf.SetBrettNumber(3, R::BrettMark, 1);

    shelf.MoveMarkedInRow(10, 50, 800, kThickness);
    EXPECT_EQ(at(shelf, 1), QPoint(10, 50));
    EXPECT_EQ(at(shelf, 2), QPoint(17, 50));
    EXPECT_EQ(at(shelf, 112), QPoint(787, 50)); // 7 + 10 + 777 + 5 = 799: the row goes on
    EXPECT_EQ(at(shelf, 113), QPoint(794, 50)); // 806 > 800: the last of its row
    EXPECT_EQ(at(shelf, 114), QPoint(10, 50 + 100 + kThickness));
    EXPECT_EQ(at(shelf, 115), QPoint(17, 50 + 100 + kThickness));
    EXPECT_EQ(at(shelf, 116), QPoint(0, 0)); // not marked
    EXPECT_EQ(brettAt(shelf, 1), QPoint(10, 50 + 100));
    EXPECT_EQ(brettAt(shelf, 2), QPoint(0, 0));
    EXPECT_EQ(brettAt(shelf, 3), QPoint(10, 50 + 100 + 100 + kThickness));

    // The step follows the display size: 15 at 200.
    shelf.setMovieSize(200);
    shelf.MoveMarkedInRow(0, 0, 800, kThickness);
    EXPECT_EQ(at(shelf, 2), QPoint(15, 0));
}

TEST(RegalCtrl, MovesClampPositionsToTheStoredRange)
{
    R shelf;
    fill(shelf, {"a", "b", "c"});
    shelf.setMovieSize(205);
    shelf.MarkAll();
    shelf.AddBrett(0, 0, 200);
    shelf.SetBrettNumber(1, R::BrettMark, 1);
    shelf.MoveMarkedInRow(32000, 32700, 100, kThickness); // every title wraps
    EXPECT_EQ(at(shelf, 1), QPoint(32000, 32700));
    EXPECT_EQ(at(shelf, 2), QPoint(32000, 32767));
    EXPECT_EQ(at(shelf, 3), QPoint(32000, 32767));
    EXPECT_EQ(brettAt(shelf, 1), QPoint(32000, 32767));

    shelf.UnmarkAll();
    for (int i : {1, 2}) {
        shelf.SetMovieNumber(i, R::MovieLeft, i == 1 ? 0 : 32000);
        shelf.SetMovieNumber(i, R::MovieTop, 0);
        shelf.SetMovieNumber(i, R::MovieMark, 1);
    }
    shelf.MoveMarkedBlock(1000, -32768, 0, 0);
    EXPECT_EQ(at(shelf, 1), QPoint(1000, -32768));
    EXPECT_EQ(at(shelf, 2), QPoint(32767, -32768));
}

TEST(RegalCtrl, MarkedObjectsAreResizedWithinTheirLimits)
{
    R shelf;
    fill(shelf, {"a", "b", "c"});
    shelf.SetMovieNumber(1, R::MovieWidth, 49);
    shelf.SetMovieNumber(2, R::MovieWidth, 4);
    shelf.SetMovieNumber(1, R::MovieMark, 1);
    shelf.SetMovieNumber(2, R::MovieMark, 1);
    for (int k = 0; k < 2; ++k)
        shelf.WidenMarkedMovies();
    EXPECT_EQ(shelf.GetMovieNumber(1, R::MovieWidth), 50);
    EXPECT_EQ(shelf.GetMovieNumber(2, R::MovieWidth), 6);
    for (int k = 0; k < 4; ++k)
        shelf.NarrowMarkedMovies();
    EXPECT_EQ(shelf.GetMovieNumber(1, R::MovieWidth), 46);
    EXPECT_EQ(shelf.GetMovieNumber(2, R::MovieWidth), 3);
    EXPECT_EQ(shelf.GetMovieNumber(3, R::MovieWidth), 7); // not marked

    shelf.LayDownMarkedMovies();
    EXPECT_EQ(movieLine(shelf, 1), QStringLiteral("0 0 100 46 1"));
    EXPECT_EQ(movieLine(shelf, 3), QStringLiteral("0 0 7 100 0"));

    shelf.AddBrett(0, 100, 700);
    shelf.AddBrett(0, 0, 10);
    shelf.AddBrett(0, 0, 300);
    shelf.SetBrettNumber(1, R::BrettMark, 1);
    shelf.SetBrettNumber(2, R::BrettMark, 1);
    EXPECT_EQ(shelf.LengthenMarkedBretts(800), 0); // right end on the inner width still grows
    EXPECT_EQ(shelf.LengthenMarkedBretts(800), 1);
    EXPECT_EQ(shelf.GetBrettNumber(1, R::BrettWidth), 701);
    EXPECT_EQ(shelf.GetBrettNumber(2, R::BrettWidth), 12);
    EXPECT_EQ(shelf.ShortenMarkedBretts(), 0);
    EXPECT_EQ(shelf.ShortenMarkedBretts(), 0);
    EXPECT_EQ(shelf.ShortenMarkedBretts(), 0);
    EXPECT_EQ(shelf.GetBrettNumber(2, R::BrettWidth), 9);
    EXPECT_EQ(shelf.ShortenMarkedBretts(), 1);
    EXPECT_EQ(shelf.GetBrettNumber(2, R::BrettWidth), 9);
    EXPECT_EQ(shelf.GetBrettNumber(1, R::BrettWidth), 697);
    EXPECT_EQ(shelf.GetBrettNumber(3, R::BrettWidth), 300);
}

TEST(RegalCtrl, RemovingMarkedObjectsKeepsTheOthersInOrder)
{
    R shelf;
    fill(shelf, {"a", "b", "c", "d", "e"});
    for (int i : {2, 3, 5})
        shelf.SetMovieNumber(i, R::MovieMark, 1);
    shelf.SetMovieNumber(4, R::MovieLeft, 44);
    for (int j = 1; j <= 4; ++j)
        shelf.AddBrett(j, j, 100);
    shelf.SetBrettNumber(1, R::BrettMark, 1);
    shelf.SetBrettNumber(3, R::BrettMark, 1);

    shelf.RemoveMarkedMovies();
    EXPECT_EQ(names(shelf), (QStringList{"a", "d"}));
    EXPECT_EQ(at(shelf, 2), QPoint(44, 0));
    EXPECT_EQ(shelf.Brettcount(), 4);
    shelf.RemoveMarkedBretts();
    EXPECT_EQ(shelf.Brettcount(), 2);
    EXPECT_EQ(brettLine(shelf, 1), QStringLiteral("2 2 100 0"));
    EXPECT_EQ(brettLine(shelf, 2), QStringLiteral("4 4 100 0"));
}

TEST(RegalCtrl, TitlesArePutOntoTheBoardsInShelfOrder)
{
    R shelf;
    fill(shelf, {"a", "b", "c"});
    shelf.AddBrett(300, 10, 20);
    shelf.PutMoviesOnBretter(); // no room for the third
    EXPECT_EQ(at(shelf, 1), QPoint(10, 200));
    EXPECT_EQ(at(shelf, 2), QPoint(17, 200));
    EXPECT_EQ(at(shelf, 3), QPoint(0, 0));

    shelf.AddBrett(500, 0, 100);
    shelf.setMovieSize(150); // spines 10 x 150
    shelf.PutMoviesOnBretter();
    EXPECT_EQ(at(shelf, 1), QPoint(10, 150));
    EXPECT_EQ(at(shelf, 2), QPoint(20, 150));
    EXPECT_EQ(at(shelf, 3), QPoint(0, 350));

    // A spine wider than every board ends the filling there.
    shelf.SetMovieNumber(2, R::MovieWidth, 80);
    shelf.SetMovieNumber(3, R::MovieLeft, 1);
    shelf.PutMoviesOnBretter();
    EXPECT_EQ(at(shelf, 1), QPoint(10, 150));
    EXPECT_EQ(at(shelf, 2), QPoint(20, 150)); // kept
    EXPECT_EQ(at(shelf, 3), QPoint(1, 350));
}

TEST(RegalCtrl, DisplaySizeChangesInStepsOfFiveWithinItsLimits)
{
    R shelf;
    shelf.setMovieSize(200);
    EXPECT_TRUE(shelf.EnlargeMovies());
    EXPECT_EQ(shelf.MovieSize(), 205);
    EXPECT_FALSE(shelf.EnlargeMovies());
    EXPECT_EQ(shelf.MovieSize(), 205);
    shelf.setMovieSize(60);
    EXPECT_TRUE(shelf.ReduceMovies());
    EXPECT_EQ(shelf.MovieSize(), 55);
    EXPECT_FALSE(shelf.ReduceMovies());
    EXPECT_EQ(shelf.MovieSize(), 55);
}

TEST(RegalCtrl, MissingTitlesAreAddedInRowsOncePerName)
{
    R shelf;
    shelf.setMovieSize(150);
    const QList<R::ListTitle> three = {{"Zorro", "DVD"}, {"Alien", "DVD"}, {"Brazil", "DVD"}};
    EXPECT_EQ(shelf.AddMissingMovies(three, 1000), 3);
    EXPECT_EQ(names(shelf), (QStringList{"Alien", "Brazil", "Zorro"}));
    EXPECT_EQ(at(shelf, 3), QPoint(0, 0)); // whatever the display size, x grows by the base width
    EXPECT_EQ(at(shelf, 1), QPoint(7, 0));
    EXPECT_EQ(at(shelf, 2), QPoint(14, 0));

    // Titles already there, or twice in the list, are added once; a row wraps
    // after the title that passed the right edge.
    const QList<R::ListTitle> more = {{"ALIEN", "DVD"}, {"casablanca", "VHS"}, {"Casablanca", "DVD"},
                                      {"Dune", "BluRay"},  {"Eraserhead", "VCD"}};
    shelf.setMovieSize(100);
    EXPECT_EQ(shelf.AddMissingMovies(more, 12), 3);
    EXPECT_EQ(names(shelf), (QStringList{"Alien", "Brazil", "casablanca", "Dune", "Eraserhead", "Zorro"}));
    EXPECT_EQ(movieLine(shelf, 3), QStringLiteral("0 0 10 100 0"));
    EXPECT_EQ(movieLine(shelf, 4), QStringLiteral("10 0 6 80 0"));
    EXPECT_EQ(movieLine(shelf, 5), QStringLiteral("0 100 6 50 0"));
}

TEST(RegalCtrl, SurplusTitlesAreRemoved)
{
    R shelf;
    fill(shelf, {"a", "B", "c", "d", "E"});
    shelf.SetMovieNumber(5, R::MovieLeft, 55);
    EXPECT_EQ(shelf.RemoveSurplusMovies({"A", "e", "x"}), 3);
    EXPECT_EQ(names(shelf), (QStringList{"a", "E"}));
    EXPECT_EQ(at(shelf, 2), QPoint(55, 0));
    EXPECT_EQ(shelf.RemoveSurplusMovies({"a", "e"}), 0);
    EXPECT_EQ(shelf.RemoveSurplusMovies({}), 2);
    EXPECT_EQ(shelf.MovieCount(), 0);
}

TEST(RegalCtrl, BackgroundPathIsKeptAsAFullPath)
{
    TempProgramFolder folder;
    R shelf;
    const struct {
        const char* typed;
        QString stored;
    } cases[] = {
        {"pics\\wood.jpg", folder.path() + "/pics/wood.jpg"},
        {"/srv/wood.jpg", "/srv/wood.jpg"},
        {"D:\\wood.jpg", "D:/wood.jpg"},
        {"", ""},
    };
    for (const auto& c : cases) {
        shelf.setBGpath(QString::fromLatin1(c.typed));
        EXPECT_EQ(shelf.BGpath(), c.stored) << c.typed;
    }
    shelf.setBGpath(R::DefaultBGpath());
    EXPECT_EQ(shelf.BGpath(), folder.path() + QStringLiteral("/shelf.gif"));
}

} // namespace
