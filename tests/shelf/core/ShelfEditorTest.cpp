#include "shelf/core/ShelfEditor.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using R = clsRegalCtrl;
constexpr QSize kArea(800, 600);

// An editor in edit mode on spines of 7 x 100 at the given corners and boards "left, top, width".
struct Editor {
    ShelfEditor e;

    explicit Editor(const std::vector<QPoint>& movies, const std::vector<QRect>& bretter = {})
    {
        e.shelf().setMovieSize(100);
        for (size_t i = 0; i < movies.size(); ++i)
            e.shelf().AddSortedMovie(QStringLiteral("t%1").arg(i, 4, 10, QChar(u'0')), QStringLiteral("DVD"),
                                     movies[i].x(), movies[i].y(), 7, 100);
        for (const QRect& b : bretter)
            e.shelf().AddBrett(b.top(), b.left(), b.width());
        e.setEditing(true);
    }
    void moveTo(QPoint p) { e.move(p, kArea); }
    // Press at from, drag to to, release there; the release's answer.
    bool drag(QPoint from, QPoint to, Qt::KeyboardModifiers keys = {})
    {
        moveTo(from);
        e.press(keys);
        moveTo(to);
        return e.release(keys, kArea.width());
    }
    bool clickBackground(QPoint p) { return drag(p, p); }
    std::vector<int> marks() const
    {
        std::vector<int> out;
        for (int i = 1; i <= e.shelf().MovieCount(); ++i)
            out.push_back(e.shelf().GetMovieNumber(i, R::MovieMark));
        return out;
    }
    int brettMark(int j) const { return e.shelf().GetBrettNumber(j, R::BrettMark); }
    QPoint movieAt(int i) const
    {
        return {e.shelf().GetMovieNumber(i, R::MovieLeft), e.shelf().GetMovieNumber(i, R::MovieTop)};
    }
    QPoint brettAt(int j) const
    {
        return {e.shelf().GetBrettNumber(j, R::BrettLeft), e.shelf().GetBrettNumber(j, R::BrettTop)};
    }
};

TEST(ShelfEditor, RubberBandMarksWholeObjectsWithTheirEdges)
{
    struct Case {
        QPoint from, to;
        std::vector<int> movies;
        int brett;
    } cases[] = {
        {{90, 40}, {107, 150}, {1, 0, 0}, 0}, // right and bottom edge on the band's
        {{90, 40}, {106, 150}, {0, 0, 0}, 0}, // one pixel short: cut through
        {{90, 40}, {150, 183}, {1, 1, 0}, 1}, // the board too, its thickness included
        {{90, 40}, {149, 182}, {1, 1, 0}, 0},
        {{101, 45}, {400, 500}, {0, 1, 1}, 0}, // cuts the first spine
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.to.x()) + "," + std::to_string(c.to.y()));
        Editor ed({{100, 50}, {120, 60}, {300, 300}}, {QRect(100, 170, 50, 0)});
        EXPECT_TRUE(ed.drag(c.from, c.to));
        EXPECT_EQ(ed.marks(), c.movies);
        EXPECT_EQ(ed.brettMark(1), c.brett);
        EXPECT_FALSE(ed.e.bandVisible());
        EXPECT_EQ(ed.e.band(), QRect(c.from, c.to - QPoint(1, 1)));
        const bool marked = c.movies != std::vector<int>{0, 0, 0} || c.brett == 1;
        EXPECT_EQ(ed.e.movePending(), marked);
    }
}

TEST(ShelfEditor, BandGrowsRightAndDownAndCtrlAddsUpWithoutAMove)
{
    Editor ed({{100, 50}, {120, 60}, {300, 300}});
    ed.moveTo({200, 200});
    EXPECT_TRUE(ed.e.press({}));
    EXPECT_TRUE(ed.e.bandVisible());
    EXPECT_EQ(ed.e.band(), QRect(200, 200, 1, 1));
    ed.moveTo({260, 230});
    ed.moveTo({150, 250});
    EXPECT_EQ(ed.e.band(), QRect(200, 200, 60, 50));
    EXPECT_TRUE(ed.e.release({}, kArea.width()));
    EXPECT_FALSE(ed.e.movePending()); // nothing inside

    ed.drag({95, 45}, {110, 155}, Qt::ControlModifier);
    ed.drag({295, 295}, {310, 410}, Qt::ControlModifier);
    EXPECT_EQ(ed.marks(), (std::vector<int>{1, 0, 1}));
    EXPECT_TRUE(ed.e.ctrlHeld());
    EXPECT_FALSE(ed.e.movePending());

    // The first band without Ctrl around an object makes the move pending.
    ed.drag({115, 55}, {130, 165});
    EXPECT_FALSE(ed.e.ctrlHeld());
    EXPECT_EQ(ed.marks(), (std::vector<int>{1, 1, 1}));
    EXPECT_TRUE(ed.e.movePending());

    // Then a press starts no band, and the release moves and unmarks.
    ed.moveTo({700, 500});
    EXPECT_FALSE(ed.e.press({}));
    EXPECT_FALSE(ed.e.bandVisible());
    EXPECT_FALSE(ed.e.release({}, kArea.width()));
    EXPECT_FALSE(ed.e.movePending());
    EXPECT_EQ(ed.marks(), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(ed.movieAt(1), QPoint(700, 500));
    EXPECT_EQ(ed.movieAt(2), QPoint(720, 510));
}

TEST(ShelfEditor, OutsideEditModeTheMouseNeitherMarksNorMoves)
{
    Editor ed({{100, 50}});
    ed.e.setEditing(false);
    ed.moveTo({90, 40});
    EXPECT_FALSE(ed.e.press({}));
    ed.moveTo({200, 200});
    EXPECT_FALSE(ed.e.release({}, kArea.width()));
    EXPECT_FALSE(ed.e.clickMovie(1, {}));
    EXPECT_FALSE(ed.e.bandVisible());
    EXPECT_EQ(ed.marks(), std::vector<int>{0});
    EXPECT_FALSE(ed.e.movePending());
}

TEST(ShelfEditor, ClicksToggleMarksAndPutTheBandOnTheObject)
{
    Editor ed({{100, 50}, {120, 60}}, {QRect(0, 300, 200, 0)});
    EXPECT_TRUE(ed.e.clickMovie(1, {}));
    EXPECT_EQ(ed.marks(), (std::vector<int>{1, 0}));
    EXPECT_TRUE(ed.e.movePending());
    EXPECT_EQ(ed.e.band().topLeft(), QPoint(100, 50));

    ed.e.clickMovie(2, Qt::ControlModifier);
    ed.e.clickBrett(1, Qt::ControlModifier);
    EXPECT_EQ(ed.marks(), (std::vector<int>{1, 1}));
    EXPECT_EQ(ed.brettMark(1), 1);
    EXPECT_EQ(ed.e.band().topLeft(), QPoint(0, 300));

    // A marked object is unmarked; the band and the pending move stay.
    EXPECT_FALSE(ed.e.clickMovie(1, {}));
    EXPECT_FALSE(ed.e.clickBrett(1, {}));
    EXPECT_EQ(ed.marks(), (std::vector<int>{0, 1}));
    EXPECT_EQ(ed.brettMark(1), 0);
    EXPECT_EQ(ed.e.band().topLeft(), QPoint(0, 300));
    EXPECT_TRUE(ed.e.movePending());

    for (int index : {0, 3, -1}) // no such spine or board
        EXPECT_FALSE(ed.e.clickMovie(index, {}) || ed.e.clickBrett(index == 3 ? 2 : index, {}));

    ed.e.clearSelection();
    EXPECT_EQ(ed.marks(), (std::vector<int>{0, 0}));
    EXPECT_FALSE(ed.e.movePending());
}

TEST(ShelfEditor, BlockMoveLandsTheNearestObjectOnTheClickInsideTheArea)
{
    Editor ed({{100, 50}, {120, 60}, {600, 300}}, {QRect(90, 170, 100, 0)});
    ed.drag({90, 40}, {130, 170});
    ASSERT_TRUE(ed.e.movePending());
    ed.clickBackground({300, 200});
    EXPECT_EQ(ed.movieAt(1), QPoint(300, 200));
    EXPECT_EQ(ed.movieAt(2), QPoint(320, 210));
    EXPECT_EQ(ed.movieAt(3), QPoint(600, 300));
    EXPECT_EQ(ed.brettAt(1), QPoint(90, 170));
    EXPECT_EQ(ed.marks(), (std::vector<int>{0, 0, 0}));

    // A point outside the area, or beyond 16 bits, comes back to its nearest edge.
    struct Case {
        QPointF to;
        QPoint at;
    } cases[] = {{{-50, 5000}, {0, 599}}, {{1e9, -1e9}, {799, 0}}, {{10.5, 11.5}, {10, 12}}};
    for (const Case& c : cases) {
        ed.e.clickMovie(3, {});
        ed.moveTo({200, 200});
        ed.e.press({});
        ed.e.move(c.to, kArea);
        ed.e.release({}, kArea.width());
        EXPECT_EQ(ed.movieAt(3), c.at);
    }
}

TEST(ShelfEditor, RowMoveWrapsAtTheInnerWidthAndRemovalEndsTheMove)
{
    std::vector<QPoint> at(115, QPoint(50, 20));
    Editor ed(at, {QRect(500, 550, 200, 0)});
    ed.e.setMoveMode(ShelfEditor::MoveInRow);
    ed.e.markAll();
    EXPECT_FALSE(ed.e.movePending()); // marking all leaves the move as it was
    ed.drag({45, 15}, {60, 125});
    ASSERT_TRUE(ed.e.movePending());
    ed.clickBackground({10, 200});
    EXPECT_EQ(ed.movieAt(112), QPoint(787, 200));
    EXPECT_EQ(ed.movieAt(113), QPoint(794, 200)); // past 800: the last of its row
    EXPECT_EQ(ed.movieAt(114), QPoint(10, 200 + 100 + ShelfEditor::kBrettHeight));
    EXPECT_EQ(ed.brettAt(1), QPoint(10, 300));

    ed.e.clickMovie(1, {});
    ed.e.clickBrett(1, Qt::ControlModifier);
    ASSERT_TRUE(ed.e.movePending());
    ed.e.removeMarked(false, true);
    EXPECT_FALSE(ed.e.movePending());
    EXPECT_EQ(ed.e.shelf().Brettcount(), 0);
    EXPECT_EQ(ed.e.shelf().MovieCount(), 115);
}

} // namespace
