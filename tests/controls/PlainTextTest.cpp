#include "controls/PlainText.h"
#include "controls/ucBarDiagram.h"
#include "controls/ucEntry.h"
#include "controls/ucOption.h"
#include "controls/ucPopUpMenu.h"
#include "controls/ucTitle.h"
#include "tests/support/ShownText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

// A film name that looks like markup reads as typed wherever a control shows
// it: labels in plain text, tool tips escaped.
TEST(PlainText, NamesThatLookLikeMarkupAreShownAsTyped)
{
    ucTitle title;
    title.setCaption(kMarkupName);
    EXPECT_EQ(shownText(title.findChild<QLabel*>(QStringLiteral("Label"))), kMarkupName);

    ucBarDiagram chart;
    chart.setCaption(kMarkupName);
    chart.setbarCount(2);
    chart.SetBar(1, kMarkupName, 5);
    chart.SetBar(2, QStringLiteral("Heat"), 3);
    chart.SetDiagram();
    EXPECT_EQ(shownText(chart.findChild<QLabel*>(QStringLiteral("lbCaption"))), kMarkupName);
    EXPECT_EQ(shownText(chart.findChild<QLineEdit*>(QStringLiteral("lBarCaption(1)"))->toolTip()), kMarkupName);
    EXPECT_EQ(shownText(chart.findChild<QLineEdit*>(QStringLiteral("lBarCaption(2)"))->toolTip()), "Heat");
    for (QLabel* scale : chart.findChildren<QLabel*>())
        EXPECT_EQ(scale->textFormat(), Qt::PlainText) << scale->objectName().toStdString();

    ucPopUpMenu popUp;
    popUp.SetCaption(1, kMarkupName);
    EXPECT_EQ(shownText(popUp.findChild<QLabel*>(QStringLiteral("lb(0)"))), kMarkupName);

    ucOption options;
    options.setTooltip(1, kMarkupName);
    EXPECT_EQ(shownText(options.findChildren<QRadioButton*>().first()->toolTip()), kMarkupName);

    ucEntry entry;
    entry.setToolTipText(kMarkupName);
    EXPECT_EQ(entry.ToolTipText(), kMarkupName);
    entry.setStyle(2); // the combo box, made now, takes the tip set before
    ASSERT_NE(entry.findChild<QComboBox*>(), nullptr);
    EXPECT_EQ(shownText(entry.findChild<QComboBox*>()->toolTip()), kMarkupName);
}

TEST(PlainText, ToolTipsKeepBlanksAndLineBreaksAndAnEmptyTextGivesNoTip)
{
    EXPECT_EQ(PlainText::toolTip(QString()), QString());
    for (const QString& text : {QStringLiteral("  two  blanks "), QStringLiteral("a\nb"), QStringLiteral("a &amp; b"),
                                QStringLiteral("<p>x</p>"), QStringLiteral("Tom & Jerry")})
        EXPECT_EQ(shownText(PlainText::toolTip(text)), text) << text.toStdString();
}
