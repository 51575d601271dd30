#include "controls/ucText.h"
#include "platform/Numbers.h"
#include "tests/support/ShownText.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace {

class TextTest : public ::testing::Test {
protected:
    ucText box;

    // A hidden widget gets its resize events only when shown.
    void SetUp() override { box.show(); }

    QLabel* caption() const { return box.findChild<QLabel*>(QStringLiteral("Label")); }
    QLabel* value() const { return box.findChild<QLabel*>(QStringLiteral("lbText")); }
    QPlainTextEdit* textBox() const { return box.findChild<QPlainTextEdit*>(QStringLiteral("TextBox")); }
    int lh() const { return caption()->height(); }
    QString selection() const { return textBox()->textCursor().selectedText(); }

    void multiLine(const QString& text)
    {
        box.resize(300, 200);
        box.SetDesign(QStringLiteral("Notizen"), 2, 5, 0, 0xFFFFFF, 0, 0xFFFFFF, 120, false);
        box.setText(text);
    }
};

TEST_F(TextTest, CreationCountsAsAChange)
{
    EXPECT_TRUE(box.Changed());
    EXPECT_EQ(box.text(), QString());
    EXPECT_EQ(caption()->text(), QStringLiteral("Textbox:"));
    EXPECT_EQ(box.Style(), 1);
    EXPECT_FALSE(value()->isHidden());
    EXPECT_EQ(textBox(), nullptr); // made when a style first shows it
    EXPECT_EQ(box.palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(caption()->font().family(), QStringLiteral("DejaVu Sans Mono"));
}

TEST_F(TextTest, StyleOneIsOneLine)
{
    box.resize(400, 31);
    // halves are kept until the end, then brought to whole pixels
    const auto whole = [](double v) { return static_cast<int>(Numbers::roundHalfEven(v)); };
    EXPECT_EQ(caption()->geometry(), QRect(5, whole(15.5 - lh() / 2.0 + 2), 120, lh()));
    EXPECT_EQ(value()->geometry(), QRect(125, whole(15.5 - lh() / 2.0), 270, lh()));
    const int borderedTop = value()->y();
    box.setBorderStyle(false);
    box.resize(400, 31);
    box.setLabelwidth(120); // lays out again
    EXPECT_EQ(value()->y(), borderedTop + 2);

    // 5 is not above 5: the value label keeps its width
    box.resize(135, 31);
    EXPECT_EQ(value()->width(), 270);
    box.resize(136, 31);
    EXPECT_EQ(value()->width(), 6);
}

TEST_F(TextTest, OtherStylesPutTheCaptionAbove)
{
    multiLine(QString());
    EXPECT_TRUE(value()->isHidden());
    EXPECT_FALSE(textBox()->isHidden());
    EXPECT_EQ(caption()->geometry(), QRect(5, 5, 290, lh()));
    EXPECT_EQ(textBox()->geometry(), QRect(5, 5 + lh(), 290, 200 - lh() - 10));

    // width 60: caption 50 wide, the text box keeps its size
    box.resize(60, 200);
    EXPECT_EQ(caption()->width(), 50);
    EXPECT_EQ(textBox()->width(), 290);
    // too narrow for the margins: no negative caption width
    box.resize(6, 200);
    EXPECT_EQ(caption()->width(), 0);
}

TEST_F(TextTest, CaptionWriteDoesNotMoveStyleWriteDoes)
{
    box.resize(400, 200);
    const QRect before = caption()->geometry();
    box.setCaption(QStringLiteral("Regie"));
    EXPECT_EQ(caption()->text(), QStringLiteral("Regie:"));
    EXPECT_EQ(caption()->geometry(), before);
    box.setStyle(2);
    EXPECT_EQ(caption()->geometry(), QRect(5, 5, 390, lh()));
    box.setStyle(1);
    box.setLabelwidth(80);
    EXPECT_EQ(caption()->width(), 80);
    EXPECT_EQ(value()->x(), 85);
}

TEST_F(TextTest, TextKeepsFileLineEndsWhileTheBoxShowsLines)
{
    multiLine(QStringLiteral("erste\r\nzweite"));
    EXPECT_EQ(textBox()->toPlainText(), QStringLiteral("erste\nzweite"));
    EXPECT_EQ(box.text(), QStringLiteral("erste\r\nzweite"));
    box.setChanged(false);
    box.setText(QStringLiteral("erste\r\nzweite"));
    EXPECT_FALSE(box.Changed());

    textBox()->moveCursor(QTextCursor::End);
    QTest::keyClick(textBox(), Qt::Key_Return);
    QTest::keyClicks(textBox(), QStringLiteral("dritte"));
    EXPECT_EQ(box.text(), QStringLiteral("erste\r\nzweite\r\ndritte"));
    EXPECT_TRUE(box.Changed());
}

TEST_F(TextTest, ValueLabelShowsTextAsPlainText)
{
    box.setText(QStringLiteral("<b>Heat</b>"));
    EXPECT_EQ(value()->textFormat(), Qt::PlainText);
    EXPECT_EQ(value()->text(), QStringLiteral("<b>Heat</b>"));
}

// A line too long for its label can lose its middle instead of its end (the
// status line keeps a failure's cause in view), and the whole line stays the
// text and the label's tool tip.
TEST_F(TextTest, AnElidedLineKeepsItsBothEndsAndTheWholeText)
{
    box.resize(300, 30);
    box.SetDesign(QStringLiteral("Status"), 1, 5, 0, 0xFFFFFF, 0, 0xFFFFFF, 60, true);
    const QString whole = QStringLiteral("Failed. (/a/long/folder/<b>name</b>/that/does/not/fit/book.xlsx: disk full)");
    box.setText(whole);
    EXPECT_EQ(value()->text(), whole); // cut at the end by the label, as before

    box.setElideMode(Qt::ElideMiddle);
    const QString shown = value()->text();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Fail")) && shown.endsWith(QStringLiteral("full)")))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026)));
    EXPECT_LE(value()->fontMetrics().horizontalAdvance(shown), value()->contentsRect().width());
    EXPECT_EQ(shownText(value()->toolTip()), whole); // a file name in it shows as typed
    EXPECT_EQ(box.text(), whole);

    // Wide enough again: the whole line, no tool tip.
    box.resize(2000, 30);
    EXPECT_EQ(value()->text(), whole);
    EXPECT_EQ(value()->toolTip(), QString());
}

TEST_F(TextTest, SearchWalksThroughTheOccurrences)
{
    multiLine(QStringLiteral("Der weisse Hai.\r\nDer HAI kommt."));
    box.MarkSearchText(QStringLiteral("hai"));
    EXPECT_EQ(selection(), QStringLiteral("Hai"));
    EXPECT_EQ(textBox()->textCursor().selectionStart(), 11);
    EXPECT_EQ(box.MarkStartpos(), 15);

    box.MarkSearchText(QStringLiteral("hai"));
    EXPECT_EQ(selection(), QStringLiteral("HAI"));
    // position 22 of the text is 21 in the box, which has one character per line end
    EXPECT_EQ(textBox()->textCursor().selectionStart(), 20);
    EXPECT_EQ(box.MarkStartpos(), 25);

    box.MarkSearchText(QStringLiteral("hai"));
    EXPECT_EQ(box.MarkStartpos(), 1);

    box.MarkSearchText(QStringLiteral("hai"));
    EXPECT_EQ(textBox()->textCursor().selectionStart(), 11);
}

TEST_F(TextTest, StartBelowOneSearchesFromTheBeginning)
{
    multiLine(QStringLiteral("Hai"));
    box.setMarkStartpos(-3);
    EXPECT_EQ(box.MarkStartpos(), 1);
    box.MarkSearchText(QStringLiteral("hai"));
    EXPECT_EQ(selection(), QStringLiteral("Hai"));
}

TEST_F(TextTest, MousePressesRaiseTheirEvents)
{
    box.resize(400, 31);
    QSignalSpy left(&box, &ucText::ucLeftClicked);
    QSignalSpy right(&box, &ucText::ucRightClicked);
    QTest::mousePress(value(), Qt::RightButton, {}, QPoint(3, 3));
    QTest::mousePress(value(), Qt::MiddleButton, {}, QPoint(3, 3));
    QTest::mousePress(caption(), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(398, 1));
    EXPECT_EQ(left.count(), 2);
    EXPECT_EQ(right.count(), 1);

    box.setStyle(2);
    QTest::mousePress(textBox()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(left.count(), 3);
}

TEST_F(TextTest, SetDesignStylesWithoutTouchingTheText)
{
    box.setText(QStringLiteral("Spielberg"));
    box.setChanged(false);
    box.SetDesign(QStringLiteral("Regie"), 1, 3, 0x0000FF, 0x00FF00, 0xFF0000, 0x808080, 90, true, false);
    EXPECT_EQ(box.text(), QStringLiteral("Spielberg"));
    EXPECT_FALSE(box.Changed());
    EXPECT_EQ(caption()->geometry().topLeft().x(), 3);
    EXPECT_EQ(caption()->width(), 90);
    EXPECT_EQ(caption()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(value()->palette().color(QPalette::Window), QColor(0, 255, 0));
    box.setStyle(2); // the box made now takes the design already set
    EXPECT_TRUE(textBox()->isReadOnly());
    EXPECT_EQ(textBox()->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(textBox()->palette().color(QPalette::Base), QColor(128, 128, 128));
    EXPECT_EQ(value()->frameStyle(), int(QFrame::NoFrame));

    box.setCaptionAlign(1);
    EXPECT_TRUE(caption()->alignment() & Qt::AlignRight);
    box.setCaptionAlign(9);
    EXPECT_TRUE(caption()->alignment() & Qt::AlignLeft);
}

// The multi-line box is made when a style first shows it; until then the
// control keeps the text and its change flag as the box would have.
TEST(TextBoxMadeLate, TextAndChangeFlagAreTheSameWithOrWithoutTheBox)
{
    const QString texts[] = {
        QStringLiteral("eins\r\nzwei"), QStringLiteral("eins\nzwei"), QStringLiteral("a\rb"),
        QStringLiteral("a") + QChar(QChar::Nbsp) + QStringLiteral("b"),
        QStringLiteral("x") + QChar(QChar::ParagraphSeparator) + QStringLiteral("y"), QString(),
    };
    for (const QString& t : texts) {
        SCOPED_TRACE(t.toStdString());
        ucText oneLine;
        ucText multi;
        multi.setStyle(2);
        EXPECT_EQ(oneLine.Changed(), multi.Changed());
        for (ucText* c : {&oneLine, &multi}) {
            c->setText(QStringLiteral("vorher"));
            c->setChanged(false);
            c->setText(t);
        }
        EXPECT_EQ(oneLine.text(), multi.text());
        EXPECT_EQ(oneLine.Changed(), multi.Changed());
        for (ucText* c : {&oneLine, &multi}) {
            c->setChanged(false);
            c->setText(t);
        }
        EXPECT_EQ(oneLine.text(), multi.text());
        EXPECT_EQ(oneLine.Changed(), multi.Changed());

        oneLine.setStyle(2);
        const auto box = [](const ucText& c) { return c.findChild<QPlainTextEdit*>(QStringLiteral("TextBox")); };
        ASSERT_NE(box(oneLine), nullptr);
        EXPECT_EQ(box(oneLine)->toPlainText(), box(multi)->toPlainText());
        EXPECT_EQ(oneLine.text(), multi.text());
        EXPECT_EQ(oneLine.Changed(), multi.Changed());
    }
}

TEST(TextBoxMadeLate, KeepsItsPlaceInTheTabOrderAndTheCurrentState)
{
    QWidget window;
    window.resize(400, 300);
    auto* before = new QLineEdit(&window);
    auto* text = new ucText(&window);
    auto* after = new QLineEdit(&window);
    after->setObjectName(QStringLiteral("after"));
    text->setGeometry(0, 30, 300, 200);
    after->move(0, 250);
    text->setToolTipText(QStringLiteral("Hinweis"));
    text->SetDesign(QStringLiteral("Notizen"), 1, 5, 0, 0xFFFFFF, 0xFF0000, 0x808080, 120, true, false);
    text->setText(QStringLiteral("erste\r\nzweite"));
    window.show();
    ASSERT_EQ(text->findChild<QPlainTextEdit*>(QStringLiteral("TextBox")), nullptr);

    text->setStyle(2);
    auto* box = text->findChild<QPlainTextEdit*>(QStringLiteral("TextBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->toPlainText(), QStringLiteral("erste\nzweite"));
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->frameStyle(), int(QFrame::NoFrame));
    EXPECT_EQ(shownText(box->toolTip()), QStringLiteral("Hinweis"));
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(128, 128, 128));
    EXPECT_EQ(box->font().family(), QStringLiteral("DejaVu Sans Mono"));

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), box);
    after->setFocus();
    QTest::keyClick(after, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), box);
}

} // namespace
