#include "controls/ucTitle.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QLabel* label(const ucTitle& title) { return title.findChild<QLabel*>(QStringLiteral("Label")); }

} // namespace

TEST(Title, StartsLargeOnYellowWithoutTheLengthRule)
{
    ucTitle title;
    title.resizeTwips(600, 600); // far too narrow for "ucTitle", but the rule only runs on writes
    EXPECT_EQ(title.Caption(), QStringLiteral("ucTitle"));
    EXPECT_EQ(title.fontSize(), 16);
    EXPECT_EQ(title.labelTopTwips(), 30);
    EXPECT_EQ(label(title)->font().pointSizeF(), 16);
    EXPECT_TRUE(label(title)->font().bold());
    EXPECT_EQ(title.backColor(), 65535);
    EXPECT_EQ(title.fontcolor(), 0);
    EXPECT_EQ(label(title)->palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_EQ(label(title)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST(Title, FontShrinksWhenTheCaptionWouldNotFit)
{
    const struct {
        int widthTwips;
        int length;
        double size;
        int top;
    } cases[] = {
        {4600, 20, 16, 30}, {4600, 21, 10, 100}, {4600, 0, 16, 30}, {0, 0, 16, 30}, {0, 1, 10, 100},
        {4599, 20, 10, 100}, // one twip short
    };
    for (const auto& c : cases) {
        ucTitle title;
        title.resizeTwips(c.widthTwips, 600);
        title.setCaption(QString(c.length, QLatin1Char('x')));
        EXPECT_EQ(title.fontSize(), c.size) << c.widthTwips << " / " << c.length;
        EXPECT_EQ(title.labelTopTwips(), c.top) << c.widthTwips << " / " << c.length;
        EXPECT_EQ(label(title)->font().pointSizeF(), c.size);
    }
}

TEST(Title, ShortCaptionAfterALongOneRestoresTheLargeFont)
{
    ucTitle title;
    title.resizeTwips(4600, 600);
    title.setCaption(QStringLiteral("A film name that is far too long to fit"));
    EXPECT_EQ(title.fontSize(), 10);
    EXPECT_EQ(label(title)->y(), 7); // 100 twips
    title.setCaption(QStringLiteral("Alien"));
    EXPECT_EQ(title.fontSize(), 16);
    EXPECT_EQ(title.labelTopTwips(), 30);
    EXPECT_EQ(label(title)->y(), 2);
    EXPECT_EQ(title.Caption(), QStringLiteral("Alien"));
}

TEST(Title, LabelCoversTheControlWidthAndSizesInPixelsCountAsTwips)
{
    ucTitle title;
    title.show();
    title.resizeTwips(4600, 600);
    EXPECT_EQ(title.labelWidthTwips(), 4600);
    EXPECT_EQ(title.labelHeightTwips(), 570);
    EXPECT_EQ(label(title)->geometry(), QRect(0, 2, 307, 38));

    title.resize(200, 40); // placed in pixels: 3000 x 600 twips
    EXPECT_EQ(title.labelWidthTwips(), 3000);
    EXPECT_EQ(label(title)->width(), 200);
    title.setCaption(QString(13, QLatin1Char('x')));
    EXPECT_EQ(title.fontSize(), 16);
    title.setCaption(QString(14, QLatin1Char('x')));
    EXPECT_EQ(title.fontSize(), 10);
}

TEST(Title, ColoursGoToLabelAndControl)
{
    ucTitle title;
    title.setbackColor(0x00804020);
    title.setfontcolor(0x000000FF);
    EXPECT_EQ(title.backColor(), 0x00804020);
    EXPECT_EQ(title.fontcolor(), 0x000000FF);
    EXPECT_EQ(label(title)->palette().color(QPalette::Window), QColor(0x20, 0x40, 0x80));
    EXPECT_EQ(title.palette().color(QPalette::Window), QColor(0x20, 0x40, 0x80));
    EXPECT_EQ(label(title)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST(Title, MouseOnTheLabelRaisesItsEvents)
{
    ucTitle title;
    title.show();
    QSignalSpy down(&title, &ucTitle::MouseDown);
    QSignalSpy click(&title, &ucTitle::Click);
    QSignalSpy dbl(&title, &ucTitle::DblClick);
    QTest::mouseClick(label(title), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(down.count(), 1);
    EXPECT_EQ(click.count(), 1);
    QTest::mouseDClick(label(title), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(dbl.count(), 1);
    QTest::mouseClick(label(title), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(click.count(), 1);
    EXPECT_GE(down.count(), 2);
}
