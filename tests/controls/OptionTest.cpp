#include "controls/ucOption.h"
#include "tests/support/ShownText.h"

#include <QImage>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class OptionTest : public ::testing::Test {
protected:
    ucOption options;

    // A hidden widget gets its resize events only when shown.
    void SetUp() override
    {
        options.resize(200, 150);
        options.show();
    }

    QList<QRadioButton*> buttons() const { return options.findChildren<QRadioButton*>(QStringLiteral("Optionlist")); }
};

TEST_F(OptionTest, StartsWithTwoOptionsTheFirstMarkedAsSelectedSays)
{
    ASSERT_EQ(buttons().size(), 2);
    EXPECT_EQ(options.ListSize(), 2);
    EXPECT_EQ(options.Selected(), 1);
    EXPECT_TRUE(buttons()[0]->isChecked());
    EXPECT_FALSE(buttons()[1]->isChecked());
    for (QRadioButton* b : buttons()) {
        EXPECT_EQ(b->text(), QStringLiteral("OptionBox"));
        EXPECT_EQ(b->font().family(), QStringLiteral("DejaVu Sans Mono"));
    }
    EXPECT_EQ(options.palette().color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_GT(options.OptionFieldHeight(), 0);
}

TEST_F(OptionTest, SetDesignStacksOptionsWithoutGaps)
{
    options.SetDesign(3, 0, 10, QStringLiteral("Feld"), 0x0000FF, 0xFFFFFF);
    const QList<QRadioButton*> b = buttons();
    ASSERT_EQ(b.size(), 3);
    EXPECT_EQ(options.ListSize(), 3);
    const int h = options.OptionFieldHeight();
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(b[i]->isHidden());
        EXPECT_EQ(b[i]->geometry(), QRect(10, i * h, 180, h)) << i;
        EXPECT_EQ(b[i]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        EXPECT_EQ(b[i]->palette().color(QPalette::Window), QColor(255, 255, 255));
    }
    // the copies take the caption of the first option; only empty captions get the stem
    EXPECT_EQ(b[2]->text(), QStringLiteral("OptionBox"));
    options.SetCaption(3, QString());
    options.setStyle(3, 0, 10, QStringLiteral("Feld"));
    EXPECT_EQ(options.GetCaption(3), QStringLiteral("Feld3"));

    // a smaller list keeps the third option, still laid out
    options.resize(300, 150);
    options.SetDesign(2, 0, 0, QStringLiteral("Feld"), 0, 0xFFFFFF);
    ASSERT_EQ(buttons().size(), 3);
    EXPECT_EQ(options.ListSize(), 2);
    EXPECT_FALSE(b[2]->isHidden());
    EXPECT_EQ(b[2]->geometry(), QRect(0, 2 * h, 300, h));
}

TEST_F(OptionTest, SelectedFollowsWritesAndClicks)
{
    options.SetDesign(3, 0, 0, QStringLiteral("Feld"), 0, 0xFFFFFF);
    options.setSelected(2);
    EXPECT_TRUE(buttons()[1]->isChecked());
    options.setSelected(2);
    EXPECT_EQ(options.Selected(), 2);
    QTest::mouseClick(buttons()[2], Qt::LeftButton, {}, QPoint(5, buttons()[2]->height() / 2));
    EXPECT_EQ(options.Selected(), 3);
    EXPECT_FALSE(buttons()[1]->isChecked());
    QTest::mouseClick(buttons()[0], Qt::LeftButton, {}, QPoint(5, buttons()[0]->height() / 2));
    EXPECT_EQ(options.Selected(), 1);
}

TEST_F(OptionTest, NumbersOutsideTheListTakeTheNearestOption)
{
    options.SetDesign(3, 0, 0, QStringLiteral("Feld"), 0, 0xFFFFFF);
    options.setSelected(0);
    EXPECT_EQ(options.Selected(), 1);
    EXPECT_TRUE(buttons()[0]->isChecked());
    options.setSelected(9);
    EXPECT_EQ(options.Selected(), 3);
    EXPECT_TRUE(buttons()[2]->isChecked());
    options.SetCaption(12, QStringLiteral("Letzte"));
    EXPECT_EQ(options.GetCaption(3), QStringLiteral("Letzte"));
    EXPECT_EQ(options.GetCaption(-1), options.GetCaption(1));
    options.setTooltip(40, QStringLiteral("tip"));
    EXPECT_EQ(shownText(buttons()[2]->toolTip()), QStringLiteral("tip"));
}

TEST_F(OptionTest, CaptionsAndTooltips)
{
    options.SetCaption(1, QStringLiteral("Titel"));
    EXPECT_EQ(options.GetCaption(1), QStringLiteral("Titel"));
    EXPECT_EQ(buttons()[0]->text(), QStringLiteral("Titel"));
    options.setTooltip(2, QStringLiteral("Genre"));
    EXPECT_EQ(shownText(buttons()[1]->toolTip()), QStringLiteral("Genre"));
    options.resize(250, 150);
    EXPECT_EQ(buttons()[1]->toolTip(), QString());
}

TEST_F(OptionTest, AlignmentPutsTheButtonRight)
{
    options.setAlignment(1);
    for (QRadioButton* b : buttons())
        EXPECT_EQ(b->layoutDirection(), Qt::RightToLeft);
    options.setAlignment(7);
    EXPECT_EQ(options.Alignment(), 7);
    EXPECT_EQ(buttons()[0]->layoutDirection(), Qt::RightToLeft);
    options.SetDesign(3, 0, 0, QStringLiteral("Feld"), 0, 0xFFFFFF);
    for (QRadioButton* b : buttons())
        EXPECT_EQ(b->layoutDirection(), Qt::LeftToRight);
}

} // namespace

namespace {

TEST_F(OptionTest, OptionsArePaintedInTheDesignColours)
{
    options.SetDesign(3, 1, 10, QStringLiteral("Feld"), 0xE8E8E8, 0x30201C);
    const QImage shot = options.grab().toImage();
    const QRadioButton* first = buttons().first();
    // A point of the option's own area, left of its caption.
    const QPoint inside = first->geometry().topLeft() + QPoint(2, first->height() / 2);
    EXPECT_EQ(shot.pixelColor(inside), QColor(0x1C, 0x20, 0x30));
    EXPECT_EQ(first->palette().color(first->foregroundRole()), QColor(0xE8, 0xE8, 0xE8));
}

} // namespace
