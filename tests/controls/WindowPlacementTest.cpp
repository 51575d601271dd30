#include "controls/WindowPlacement.h"
#include "tests/support/FixedScreen.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

// A 1024 x 768 screen with a 40-pixel panel along its top edge.
class WindowPlacementTest : public ::testing::Test {
protected:
    WindowPlacementTest()
    {
        screen.available = QSize(1024, 728);
        screen.availableTopLeft = QPoint(0, 40);
    }

    std::unique_ptr<QWidget> topLevel()
    {
        auto w = std::make_unique<QWidget>(nullptr, Qt::Window);
        return w;
    }

    const QRect area{0, 40, 1024, 728};
    FixedScreen screen;
};

TEST_F(WindowPlacementTest, ARectangleIsMovedTheLeastIntoTheArea)
{
    struct Case {
        QRect rect;
        QPoint topLeft;
    };
    const Case cases[] = {
        {{100, 100, 300, 200}, {100, 100}},  // inside: stays
        {{900, 700, 300, 200}, {724, 568}},  // past the right and bottom edges
        {{-50, 0, 300, 200}, {0, 40}},       // left of and above the area (under the panel)
        {{500, 20, 2000, 900}, {0, 40}},     // larger than the area: its top-left corner in it
        {{724, 568, 300, 200}, {724, 568}},  // flush with the bottom-right corner
    };
    for (const Case& c : cases) {
        const QRect got = WindowPlacement::inside(c.rect, area);
        EXPECT_EQ(got.topLeft(), c.topLeft) << c.rect.x() << "," << c.rect.y();
        EXPECT_EQ(got.size(), c.rect.size());
    }
}

TEST_F(WindowPlacementTest, TheOuterSizeIsCutToTheFreeAreaAndHoldsWithTheFrame)
{
    // No other window is shown: the frame is known only once this one shows.
    ASSERT_TRUE(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().cbegin(), QApplication::topLevelWidgets().cend(),
                             [](const QWidget* w) { return w->isVisible(); }));
    auto window = topLevel();
    WindowPlacement::show(window.get(), nullptr, QSize(16000, 32767));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window->frameGeometry(), area); // the whole free area, frame included
    EXPECT_NE(window->frameGeometry(), window->geometry());

    auto small = topLevel();
    WindowPlacement::show(small.get(), nullptr, QSize(400, 300));
    EXPECT_EQ(small->frameGeometry().size(), QSize(400, 300));
    // With no window to stand on, the middle of the free area.
    EXPECT_EQ(small->frameGeometry().center(), area.center());

    EXPECT_EQ(WindowPlacement::setOuterSize(small.get(), QSize(0, -5)), QSize(1, 1));
}

TEST_F(WindowPlacementTest, AWindowOpensCentredOnItsAnchorAndInsideTheArea)
{
    auto main = topLevel();
    main->setGeometry(200, 200, 500, 400);
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));

    auto child = topLevel();
    child->setFixedSize(200, 100);
    WindowPlacement::show(child.get(), main.get());
    EXPECT_EQ(child->frameGeometry().center(), main->frameGeometry().center());

    // Near the bottom edge the window is moved up instead of reaching past it.
    child->hide();
    main->move(600, 600);
    WindowPlacement::show(child.get(), main.get());
    const QRect outer = child->frameGeometry();
    EXPECT_TRUE(area.contains(outer)) << outer.x() << "," << outer.y();
    EXPECT_EQ(outer.bottom(), area.bottom());

    // An open window keeps its place when shown again.
    child->move(100, 100);
    const QPoint kept = child->pos();
    WindowPlacement::show(child.get(), main.get());
    EXPECT_EQ(child->pos(), kept);
    // Grown past the edge while open, it moves only as far as it must.
    child->setFixedSize(200, 700);
    WindowPlacement::show(child.get(), main.get());
    EXPECT_EQ(child->frameGeometry().left(), kept.x());
    EXPECT_EQ(child->frameGeometry().bottom(), area.bottom());
}

TEST_F(WindowPlacementTest, TheScreenIsTheOneTheAnchorStandsOn)
{
    auto main = topLevel();
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    const QRect second(1024, 0, 1920, 1080);
    screen.screens.insert(main.get(), second);

    auto child = topLevel();
    EXPECT_EQ(WindowPlacement::freeArea(child.get(), main.get()), second);
    EXPECT_EQ(WindowPlacement::freeArea(child.get()), area);
    EXPECT_EQ(WindowPlacement::setOuterSize(child.get(), QSize(1500, 900), main.get()), QSize(1500, 900));
    EXPECT_EQ(WindowPlacement::setOuterSize(child.get(), QSize(1500, 900)), QSize(1024, 728));
}

} // namespace
