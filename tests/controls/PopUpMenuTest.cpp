#include "controls/ColorHelper.h"
#include "controls/ucPopUpMenu.h"
#include "platform/RuntimeError.h"

#include <QFocusEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

QLabel* entry(const ucPopUpMenu& menu, int k) { return menu.findChild<QLabel*>(QStringLiteral("lb(%1)").arg(k)); }

bool highlighted(const ucPopUpMenu& menu, int k)
{
    const QColor c = entry(menu, k)->palette().color(QPalette::Window);
    EXPECT_TRUE(c == ColorHelper::toQColor(0x8000000D) || c == ColorHelper::toQColor(0x80000004));
    return c == ColorHelper::toQColor(0x8000000D);
}

void hover(const ucPopUpMenu& menu, int k)
{
    QLabel* lb = entry(menu, k);
    const QPointF at(10, 8);
    QMouseEvent move(QEvent::MouseMove, at, lb->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(lb, &move);
}

// Records the events of the menu by their number: 1-6 clicks, 7-12 hovers.
std::vector<int>* record(ucPopUpMenu& menu, std::vector<int>& events)
{
    using Signal = void (ucPopUpMenu::*)();
    const Signal signals_[] = {&ucPopUpMenu::element1Clicked,   &ucPopUpMenu::element2Clicked,
                               &ucPopUpMenu::element3Clicked,   &ucPopUpMenu::element4Clicked,
                               &ucPopUpMenu::element5Clicked,   &ucPopUpMenu::element6Clicked,
                               &ucPopUpMenu::element1Mouseover, &ucPopUpMenu::element2Mouseover,
                               &ucPopUpMenu::element3Mouseover, &ucPopUpMenu::element4Mouseover,
                               &ucPopUpMenu::element5Mouseover, &ucPopUpMenu::element6Mouseover};
    for (int n = 0; n < 12; ++n)
        QObject::connect(&menu, signals_[n], &menu, [&events, n] { events.push_back(n + 1); });
    return &events;
}

} // namespace

TEST(PopUpMenu, StartsWithSixOverlappingEntriesInTwips)
{
    ucPopUpMenu menu;
    EXPECT_EQ(menu.widthTwips(), 2775);
    EXPECT_EQ(menu.heightTwips(), 1455);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(menu.entryTwips(k), QRect(0, 240 * k, 2775, 255)) << k;
        EXPECT_EQ(entry(menu, k)->text(), QStringLiteral("Elemente"));
        EXPECT_FALSE(highlighted(menu, k));
    }
    EXPECT_EQ(menu.GetCaption(1), QString());
    menu.show();
    EXPECT_EQ(entry(menu, 1)->geometry(), QRect(0, 16, 185, 17));
}

TEST(PopUpMenu, ElementCountSetsVisibleEntriesAndHeight)
{
    const struct {
        int count, heightTwips;
    } cases[] = {{1, 255}, {2, 495}, {5, 1215}};
    for (const auto& c : cases) {
        ucPopUpMenu menu;
        menu.SetElementCount(static_cast<std::uint8_t>(c.count));
        EXPECT_EQ(menu.heightTwips(), c.heightTwips) << c.count;
        EXPECT_EQ(menu.height(), c.heightTwips / 15);
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(entry(menu, k)->isHidden(), k >= c.count) << c.count << " entry " << k;
    }

    // Counts outside 1 to 5 change nothing: the sixth entry never shows this way.
    ucPopUpMenu menu;
    menu.SetElementCount(2);
    for (int ignored : {0, 6, 255}) {
        menu.SetElementCount(static_cast<std::uint8_t>(ignored));
        EXPECT_EQ(menu.heightTwips(), 495) << ignored;
        EXPECT_TRUE(entry(menu, 2)->isHidden());
        EXPECT_TRUE(entry(menu, 5)->isHidden());
    }
}

TEST(PopUpMenu, EntriesFillTheControlWidth)
{
    ucPopUpMenu menu;
    menu.show();
    menu.resize(240, menu.height());
    EXPECT_EQ(menu.widthTwips(), 3600);
    EXPECT_EQ(menu.entryTwips(4), QRect(0, 960, 3600, 255));
    EXPECT_EQ(entry(menu, 4)->width(), 240);
    menu.SetElementCount(3);
    EXPECT_EQ(menu.widthTwips(), 3600);
    EXPECT_EQ(menu.size(), QSize(240, 49));
}

TEST(PopUpMenu, CaptionsByIndexOneToSix)
{
    ucPopUpMenu menu;
    menu.SetCaption(3, QStringLiteral("Cover drucken"));
    menu.SetCaption(6, QStringLiteral("last"));
    EXPECT_EQ(menu.GetCaption(3), QStringLiteral("Cover drucken"));
    EXPECT_EQ(entry(menu, 2)->text(), QStringLiteral("Cover drucken"));
    EXPECT_EQ(menu.GetCaption(6), QStringLiteral("last"));
    for (int bad : {0, 7}) {
        try {
            menu.SetCaption(static_cast<std::uint8_t>(bad), QStringLiteral("x"));
            ADD_FAILURE() << bad;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Index);
        }
        EXPECT_THROW(menu.GetCaption(static_cast<std::uint8_t>(bad)), RuntimeError);
    }
}

TEST(PopUpMenu, HoverHighlightsOneEntryAndReportsIt)
{
    ucPopUpMenu menu;
    menu.show();
    std::vector<int> events;
    record(menu, events);

    hover(menu, 2);
    EXPECT_TRUE(highlighted(menu, 2));
    hover(menu, 0);
    EXPECT_TRUE(highlighted(menu, 0));
    EXPECT_FALSE(highlighted(menu, 2));
    hover(menu, 0); // every move is reported
    EXPECT_EQ(events, std::vector<int>({9, 7, 7}));
}

TEST(PopUpMenu, ClickReportsBeforeTheHighlightGoes)
{
    ucPopUpMenu menu;
    menu.show();
    std::vector<int> events;
    record(menu, events);
    bool highlightedDuringClick = false;
    QObject::connect(&menu, &ucPopUpMenu::element2Clicked, &menu,
                     [&] { highlightedDuringClick = highlighted(menu, 1); });

    hover(menu, 1);
    QTest::mouseClick(entry(menu, 1), Qt::LeftButton, Qt::NoModifier, QPoint(10, 8));
    EXPECT_TRUE(highlightedDuringClick);
    EXPECT_FALSE(highlighted(menu, 1));
    EXPECT_EQ(events, std::vector<int>({8, 2}));

    // Other buttons are no click.
    QTest::mouseClick(entry(menu, 4), Qt::RightButton, Qt::NoModifier, QPoint(10, 8));
    EXPECT_EQ(events, std::vector<int>({8, 2}));
}

TEST(PopUpMenu, HighlightStaysUntilFocusIsLost)
{
    ucPopUpMenu menu;
    menu.show();
    hover(menu, 3);
    EXPECT_TRUE(highlighted(menu, 3));
    QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(&menu, &out);
    for (int k = 0; k < 6; ++k)
        EXPECT_FALSE(highlighted(menu, k)) << k;
}
