#include "controls/ucBarDiagram.h"
#include "platform/RuntimeError.h"
#include "tests/support/ShownText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

QWidget* child(const ucBarDiagram& chart, const QString& name) { return chart.findChild<QWidget*>(name); }

QWidget* bar(const ucBarDiagram& chart, int i) { return child(chart, QStringLiteral("sBar(%1)").arg(i)); }

QString labelText(const ucBarDiagram& chart, const char* name)
{
    return chart.findChild<QLabel*>(QLatin1String(name))->text();
}

QStringList scaleLabels(const ucBarDiagram& chart)
{
    return {labelText(chart, "Label44"), labelText(chart, "Label34"), labelText(chart, "Label24"),
            labelText(chart, "Label14"), labelText(chart, "Label04")};
}

QStringList legendLines(const ucBarDiagram& chart)
{
    return chart.findChild<QPlainTextEdit*>(QStringLiteral("txtIndex"))->toPlainText().split(QLatin1Char('\n'));
}

void fill(ucBarDiagram& chart, const std::vector<double>& values, int count)
{
    chart.Clear();
    for (size_t i = 0; i < values.size(); ++i)
        chart.SetBar(static_cast<std::int16_t>(i + 1), QStringLiteral("T%1").arg(i + 1), values[i]);
    chart.setbarCount(static_cast<std::int16_t>(count));
    chart.SetDiagram();
}

} // namespace

TEST(BarDiagram, NewInstanceShowsTheDemoChart)
{
    ucBarDiagram chart;
    EXPECT_EQ(chart.barCount(), 20);
    EXPECT_EQ(chart.maximum(), 10000.0);
    EXPECT_EQ(bar(chart, 1)->height(), 10);
    EXPECT_EQ(bar(chart, 20)->height(), 200);
    EXPECT_EQ(bar(chart, 21), nullptr);
    EXPECT_EQ(scaleLabels(chart), QStringList({"10000", "7500", "5000", "2500", "0"}));
    const QStringList legend = legendLines(chart);
    ASSERT_EQ(legend.size(), 20);
    EXPECT_EQ(legend.first(), QStringLiteral(" 1 :   500 - Caption1"));
    EXPECT_EQ(legend.last(), QStringLiteral("20 : 10000 - Caption20"));
    auto* number = chart.findChild<QLineEdit*>(QStringLiteral("lBarCaption(7)"));
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->text(), QStringLiteral("7"));
    EXPECT_EQ(shownText(number->toolTip()), QStringLiteral("Caption7"));
}

TEST(BarDiagram, LaysOutPlotScaleColumnAndLegend)
{
    ucBarDiagram chart;
    chart.resize(600, 400);
    chart.show();
    // 20 bars: plot 397 wide and 200 high under the 17-pixel title.
    EXPECT_EQ(child(chart, "lbCaption")->geometry(), QRect(0, 0, 397, 17));
    EXPECT_EQ(child(chart, "ShapeBG")->geometry(), QRect(0, 17, 397, 200));
    EXPECT_EQ(child(chart, "ShapeBG3")->geometry(), QRect(0, 217, 402, 18));
    EXPECT_EQ(child(chart, "ShapeBG2")->geometry(), QRect(397, 0, 70, 235));
    EXPECT_EQ(child(chart, "Line1")->y(), 167);
    EXPECT_EQ(child(chart, "Line2")->y(), 117);
    EXPECT_EQ(child(chart, "Line3")->y(), 67);
    EXPECT_EQ(child(chart, "Line1")->width(), 395);
    EXPECT_EQ(child(chart, "Label44")->pos(), QPoint(402, 10));
    EXPECT_EQ(child(chart, "Label34")->pos(), QPoint(402, 60));
    EXPECT_EQ(child(chart, "Label04")->pos(), QPoint(402, 210));
    EXPECT_EQ(bar(chart, 3)->geometry(), QRect(40, 217 - 30, 17, 30));
    EXPECT_EQ(child(chart, "lBarCaption(3)")->geometry(), QRect(40, 217, 17, 13));
    // The legend fills the control below the number row.
    EXPECT_EQ(child(chart, "txtIndex")->geometry(), QRect(0, 235, 467, 400 - 240));
    chart.resize(600, 250);
    EXPECT_EQ(child(chart, "txtIndex")->height(), 30);
}

struct ScaleCase {
    const char* name;
    std::vector<double> values;
    QStringList labels;
};
void PrintTo(const ScaleCase& c, std::ostream* os) { *os << c.name; }

class BarDiagramScale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(BarDiagramScale, LabelsRoundToTheDecimalsTheMaximumNeeds)
{
    ucBarDiagram chart;
    fill(chart, GetParam().values, static_cast<int>(GetParam().values.size()));
    EXPECT_EQ(scaleLabels(chart), GetParam().labels);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BarDiagramScale,
    ::testing::Values(ScaleCase{"WholeNumbersHalvesToEven", {4, 10, 1}, {"10", "8", "5", "2", "0"}},
                      ScaleCase{"OneDecimal", {3, 1}, {"3", "2.2", "1.5", "0.8", "0"}},
                      ScaleCase{"TwoDecimals", {2}, {"2", "1.5", "1", "0.5", "0"}},
                      ScaleCase{"AllZero", {0, 0, 0}, {"0", "0", "0", "0", "0"}},
                      ScaleCase{"NoPositiveValue", {-4}, {"0", "0", "0", "0", "0"}},
                      // A tiny maximum would ask for thousands of decimals.
                      ScaleCase{"SmallMaximum", {0.01}, {"0.01", "0.0075", "0.005", "0.0025", "0"}},
                      ScaleCase{"TinyMaximum", {1e-300}, {QStringLiteral("0.") + QString(299, u'0') + u'1', "0", "0", "0", "0"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BarDiagram, EveryBarIsAtLeastOnePixelHigh)
{
    ucBarDiagram chart;
    fill(chart, {0, 1, 1000, -50, 3, 2.5}, 6);
    EXPECT_EQ(bar(chart, 1)->height(), 1); // zero
    EXPECT_EQ(bar(chart, 2)->height(), 1); // 0.2 rounds to nothing
    EXPECT_EQ(bar(chart, 3)->height(), 200);
    EXPECT_EQ(bar(chart, 4)->height(), 1); // negative
    EXPECT_EQ(bar(chart, 5)->height(), 1); // 0.6 rounds to 1
    EXPECT_EQ(bar(chart, 6)->height(), 1); // 0.5 goes to the even neighbour 0
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(bar(chart, i)->y() + bar(chart, i)->height(), 217) << i;

    fill(chart, {0, 0}, 2);
    EXPECT_EQ(bar(chart, 1)->height(), 1);
    EXPECT_EQ(bar(chart, 2)->height(), 1);
}

TEST(BarDiagram, ThirtyBarsAfterClearShowTheUnsetOnesAsZero)
{
    ucBarDiagram chart;
    std::vector<double> values;
    for (int i = 1; i <= 25; ++i)
        values.push_back(i * 2.0);
    fill(chart, values, 30);
    EXPECT_EQ(child(chart, "ShapeBG")->width(), 597);
    EXPECT_EQ(bar(chart, 30)->x(), 580);
    EXPECT_EQ(bar(chart, 25)->height(), 200);
    for (int i = 26; i <= 30; ++i)
        EXPECT_EQ(bar(chart, i)->height(), 1) << i;
    const QStringList legend = legendLines(chart);
    ASSERT_EQ(legend.size(), 30);
    EXPECT_EQ(legend[25], QStringLiteral("26 :     0 - 0"));
    EXPECT_EQ(legend[29], QStringLiteral("30 :     0 - 0"));
    // Bars left over from the demo are gone.
    EXPECT_EQ(bar(chart, 31), nullptr);
    fill(chart, {5}, 1);
    EXPECT_EQ(bar(chart, 2), nullptr);
    EXPECT_EQ(legendLines(chart), QStringList({" 1 :     5 - T1"}));
}

TEST(BarDiagram, BarCountIsKeptToWhatTheChartCanDraw)
{
    ucBarDiagram chart;
    chart.setbarCount(45);
    EXPECT_EQ(chart.barCount(), 40);
    chart.SetDiagram();
    EXPECT_NE(bar(chart, 40), nullptr);
    EXPECT_EQ(bar(chart, 41), nullptr);
    EXPECT_EQ(child(chart, "ShapeBG")->width(), 797);

    chart.setbarCount(-3);
    EXPECT_EQ(chart.barCount(), 0);
    chart.SetDiagram();
    EXPECT_EQ(bar(chart, 1), nullptr);
    EXPECT_EQ(child(chart, "ShapeBG")->width(), 17);
    EXPECT_EQ(legendLines(chart), QStringList({QString()}));
    EXPECT_EQ(child(chart, "txtIndex")->y(), 235); // where the first number box would end
}

TEST(BarDiagram, LongLegendValuesAreNotCut)
{
    ucBarDiagram chart;
    chart.Clear();
    chart.SetBar(1, QStringLiteral("Long"), 123456.5);
    chart.setbarCount(1);
    chart.SetDiagram();
    EXPECT_EQ(legendLines(chart), QStringList({" 1 : 123456.5 - Long"}));
}

TEST(BarDiagram, PropertiesTakeEffectOnlyWithSetDiagram)
{
    ucBarDiagram chart;
    chart.setBetweenLineVisible(false);
    chart.setCaption(QStringLiteral("Top 30"));
    chart.setbarColor(0x00FF0000);  // blue
    chart.setbackColor(0x00000080); // dark red
    chart.setfontcolor2(0x0000FF00);
    EXPECT_FALSE(child(chart, "Line1")->isHidden());
    EXPECT_EQ(labelText(chart, "lbCaption"), QString());

    chart.SetDiagram();
    for (const char* name : {"Line1", "Line2", "Line3", "Label14", "Label24", "Label34"})
        EXPECT_TRUE(child(chart, name)->isHidden()) << name;
    EXPECT_FALSE(child(chart, "Label44")->isHidden());
    EXPECT_FALSE(child(chart, "Label04")->isHidden());
    EXPECT_EQ(labelText(chart, "lbCaption"), QStringLiteral("Top 30"));
    EXPECT_EQ(bar(chart, 1)->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(child(chart, "ShapeBG2")->palette().color(QPalette::Window), QColor(128, 0, 0));
    EXPECT_EQ(child(chart, "txtIndex")->palette().color(QPalette::Text), QColor(0, 255, 0));

    chart.setBetweenLineVisible(true);
    chart.SetDiagram();
    EXPECT_FALSE(child(chart, "Line2")->isHidden());
}

TEST(BarDiagram, IndicesOutsideTheArraysAreIndexErrors)
{
    ucBarDiagram chart;
    chart.SetBar(41, QStringLiteral("last slot"), 1);
    EXPECT_EQ(chart.barCaption(41), QStringLiteral("last slot"));
    for (int index : {-1, 42}) {
        try {
            chart.SetBar(static_cast<std::int16_t>(index), QString(), 1);
            ADD_FAILURE() << index;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Index);
        }
        EXPECT_THROW(chart.barvalue(index), RuntimeError);
        EXPECT_THROW(chart.setbarCaption(index, QString()), RuntimeError);
    }
    // Clear empties slots 0 to 40 only.
    chart.Clear();
    EXPECT_EQ(chart.barCount(), 0);
    EXPECT_EQ(chart.barCaption(40), QStringLiteral("0"));
    EXPECT_EQ(chart.barvalue(40), 0.0);
    EXPECT_EQ(chart.barCaption(41), QStringLiteral("last slot"));
}
