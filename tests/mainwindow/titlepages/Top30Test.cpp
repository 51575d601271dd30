#include "controls/ucBarDiagram.h"
#include "mainwindow/titlepages/PageStatistik.h"
#include "mainwindow/titlepages/PageTop30.h"
#include "tests/mainwindow/titlepages/PagesOnHostFixture.h"
#include "tests/support/ShownText.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// The top-30 pages draw on the statistics page's chart.
class Top30Test : public TitlePagesOnHostTest {
protected:
    Top30Test()
    {
        auto* statistik = new PageStatistik(host);
        auto* top30 = new PageTop30(host, statistik->BarStatistik());
        statistik->SetDesignStatistik();
        top30->SetDesignTop30();
        statistik->SetSizes(800, 600);
        top30->SetSizes(800, 600);
        route({5}, [statistik](int) { statistik->ShowStatistik(); }, [statistik] { statistik->HideStatistik(); });
        route({21, 22, 23}, [top30](int page) { top30->ShowTop30(static_cast<std::uint8_t>(page - 20)); },
              [top30] { top30->HideTop30(); });
        showWindow();
    }

    ucBarDiagram* chart() const { return child<ucBarDiagram>("ucBarStatistik"); }

    std::vector<std::pair<QString, double>> bars() const
    {
        std::vector<std::pair<QString, double>> b;
        for (int i = 1; i <= chart()->barCount(); ++i)
            b.emplace_back(chart()->barCaption(i), chart()->barvalue(i));
        return b;
    }
};

TEST_F(Top30Test, TitlesRankedWithTiesInListOrderAndEmptyBarsAfter)
{
    std::vector<clsDatentraeger> titles;
    const int ratings[] = {3, 5, 1, 5, 0, 3, 4, 2, 5, 1, 3, 4};
    for (int i = 0; i < 12; ++i)
        titles.push_back(title(QStringLiteral("T%1").arg(i + 1), ratings[i], 90 + i, 1000 + i));
    titles[0].SetKaufpreis(1999);
    useCollection(titles);

    showPage(21);
    EXPECT_TRUE(chart()->isVisible());
    EXPECT_EQ(chart()->barCount(), 30);
    EXPECT_FALSE(chart()->BetweenLineVisible());
    EXPECT_EQ(chart()->Caption(), style(110) + " - " + style(5));
    const std::vector<std::pair<QString, double>> top = {
        {"T2", 5}, {"T4", 5}, {"T9", 5}, {"T7", 4},  {"T12", 4}, {"T1", 3},
        {"T6", 3}, {"T11", 3}, {"T8", 2}, {"T3", 1}, {"T10", 1}, {"T5", 0}};
    std::vector<std::pair<QString, double>> expected = top;
    expected.resize(30, {QString(), 0.0});
    EXPECT_EQ(bars(), expected);

    showPage(22);
    EXPECT_TRUE(chart()->BetweenLineVisible());
    EXPECT_EQ(chart()->Caption(), style(110) + " - " + style(8));
    EXPECT_EQ(bars()[0], (std::pair<QString, double>{"T12", 101}));

    showPage(23);
    EXPECT_EQ(chart()->Caption(), style(110) + " - " + style(9));
    EXPECT_EQ(bars()[0], (std::pair<QString, double>{"T1", 19.99}));
    EXPECT_EQ(bars()[1], (std::pair<QString, double>{"T12", 10.11}));

    showPage(5);
    EXPECT_FALSE(chart()->isVisible());
}

TEST_F(Top30Test, AListFileThatCannotBeReadGivesEmptyBarsAndAMessage)
{
    useCollection({title(QStringLiteral("Alien"), 5)});
    showPage(21); // fills the chart first
    struct Case {
        QByteArray content; // empty: no file
        int message;
        QString cause;
    };
    const Case cases[] = {
        {QByteArray(), 31, folder.file(QStringLiteral("lists/main.adl")) + QStringLiteral(" does not exist")},
        {"LIST VERSION#0\r\nCOUNT#2\r\n", 27, QStringLiteral("lists/main.adl, line 3: the file ends before this line")},
    };
    for (const Case& c : cases) {
        QFile::remove(session().Options().DvdListpath());
        if (!c.content.isEmpty())
            folder.write(QStringLiteral("lists/main.adl"), c.content);
        clearStatus();
        showPage(23);
        EXPECT_EQ(status(), msg(c.message) + QStringLiteral(" (") + c.cause + u')');
        EXPECT_EQ(chart()->barCount(), 30);
        const std::vector<std::pair<QString, double>> empty(30, {QString(), 0.0});
        EXPECT_EQ(bars(), empty);
        EXPECT_TRUE(chart()->isVisible());
    }
}

} // namespace

namespace {

// The top-30 pages lay the statistics page's chart out where its text stands.
TEST_F(Top30Test, ANameThatLooksLikeMarkupIsShownAsTyped)
{
    useCollection({title(QStringLiteral("Heat"), 3), title(kMarkupName, 5)});
    showPage(21);
    ASSERT_EQ(chart()->barCaption(1), kMarkupName);
    EXPECT_EQ(shownText(chart()->findChild<QLineEdit*>(QStringLiteral("lBarCaption(1)"))->toolTip()), kMarkupName);
    EXPECT_TRUE(chart()->findChild<QPlainTextEdit*>()->toPlainText().contains(kMarkupName));
}

TEST_F(Top30Test, TextAndChartShareOnePlace)
{
    EXPECT_EQ(child("ucTextStatistik")->geometry(), QRect(30, 30, 740, 450));
    EXPECT_EQ(child("ucBarStatistik")->geometry(), QRect(65, 30, 670, 450));
}

} // namespace
