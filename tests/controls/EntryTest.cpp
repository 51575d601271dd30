#include "controls/ucEntry.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/ShownText.h"
#include "tests/support/TempProgramFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class EntryTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    ucEntry entry;

    // A hidden widget gets its resize events only when shown.
    void SetUp() override { entry.show(); }

    QLabel* label() const { return entry.findChild<QLabel*>(QStringLiteral("label")); }
    QLineEdit* text() const { return entry.findChild<QLineEdit*>(QStringLiteral("text")); }
    QComboBox* combo() const { return entry.findChild<QComboBox*>(QStringLiteral("combo")); }
    QPushButton* button(const char* name) const { return entry.findChild<QPushButton*>(QLatin1String(name)); }
    // Parts a style does not show may not be made yet.
    static bool hidden(const QWidget* w) { return !w || w->isHidden(); }
    int h() const { return text()->height(); }
    int boxTop() const { return entry.height() / 2 - h() / 2; }

    void design(std::uint8_t style, int width, bool buttons = true)
    {
        entry.resize(width, 30);
        entry.SetDesign(QStringLiteral("Titel"), style, 100, 5, 0, 0xFFFFFF, 0, 0xFFFFFF, buttons);
    }
};

TEST_F(EntryTest, StartsWithItsDefaults)
{
    EXPECT_EQ(entry.objectName(), QStringLiteral("ucEntry"));
    EXPECT_EQ(entry.Caption(), QStringLiteral("EintragBox"));
    EXPECT_EQ(label()->text(), QStringLiteral("EintragBox:"));
    EXPECT_EQ(entry.Style(), 1);
    EXPECT_EQ(entry.value(), QString());
    EXPECT_FALSE(entry.ChangedEntry());
    EXPECT_EQ(entry.DialogFolder(), folder.path());
    EXPECT_EQ(entry.DialogFilter(), QStringLiteral("Grafiken (*.jpg,*.gif,*.bmp) | *.bmp;*.gif;*.jpg"));
    EXPECT_EQ(entry.backColor(), 16711680);
    EXPECT_EQ(entry.palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_FALSE(text()->isHidden());
    EXPECT_EQ(combo(), nullptr);
    for (const char* name : {"btAdd", "btRemove", "btFile", "btPreview"})
        EXPECT_EQ(button(name), nullptr) << name;
    EXPECT_EQ(label()->font().family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_TRUE(label()->font().bold());
    entry.setStyle(3);
    EXPECT_EQ(button("btFile")->font().family(), QStringLiteral("DejaVu Sans"));
}

TEST_F(EntryTest, StyleOneFillsTheRowBesideTheLabel)
{
    design(1, 400);
    EXPECT_EQ(label()->geometry(), QRect(5, 15 - label()->height() / 2, 100, label()->height()));
    EXPECT_EQ(text()->geometry(), QRect(105, boxTop(), 290, h()));
    EXPECT_TRUE(hidden(combo()));
    EXPECT_TRUE(hidden(button("btFile")));

    entry.resize(500, 40);
    EXPECT_EQ(text()->geometry(), QRect(105, 20 - h() / 2, 390, h()));
    // 120 - 110 = 10 is not above 50: the width stays
    entry.resize(120, 40);
    EXPECT_EQ(text()->width(), 390);
    // 161 - 110 = 51 is
    entry.resize(161, 40);
    EXPECT_EQ(text()->width(), 51);
    entry.resize(160, 40);
    EXPECT_EQ(text()->width(), 51);
}

TEST_F(EntryTest, UnknownStyleIsLaidOutAsStyleOne)
{
    design(7, 400);
    EXPECT_EQ(entry.Style(), 7);
    EXPECT_EQ(text()->geometry(), QRect(105, boxTop(), 290, h()));
    EXPECT_TRUE(hidden(combo()));
}

TEST_F(EntryTest, StyleTwoPutsSquareButtonsRightOfTheCombo)
{
    design(2, 400);
    EXPECT_TRUE(text()->isHidden());
    EXPECT_FALSE(combo()->isHidden());
    EXPECT_FALSE(button("btAdd")->isHidden());
    EXPECT_FALSE(button("btRemove")->isHidden());
    EXPECT_EQ(combo()->geometry(), QRect(105, boxTop(), 400 - (2 * h() + 100 + 20), h()));
    EXPECT_EQ(button("btRemove")->geometry(), QRect(400 - h() - 5 - h() - 5, boxTop(), h(), h()));
    EXPECT_EQ(button("btAdd")->geometry(), QRect(400 - h() - 5, boxTop(), h(), h()));
}

TEST_F(EntryTest, HiddenButtonsKeepTheirRoom)
{
    design(2, 400, false);
    EXPECT_TRUE(button("btAdd")->isHidden());
    EXPECT_TRUE(button("btRemove")->isHidden());
    EXPECT_EQ(combo()->width(), 400 - (2 * h() + 100 + 20));
    // the property shows them at once, whatever the style
    entry.setStyle(1);
    entry.setButtonVisible(true);
    EXPECT_FALSE(button("btAdd")->isHidden());
}

TEST_F(EntryTest, StyleThreeAndFourMakeRoomForTheirButtons)
{
    design(3, 400);
    EXPECT_EQ(text()->geometry(), QRect(105, boxTop(), 290 - (5 + h()), h()));
    EXPECT_EQ(button("btFile")->geometry(), QRect(400 - h() - 5, boxTop(), h(), h()));
    EXPECT_TRUE(hidden(button("btPreview")));

    entry.setStyle(4);
    EXPECT_FALSE(button("btPreview")->isHidden());
    EXPECT_EQ(button("btPreview")->geometry(), QRect(400 - h() - 5 - h() - 5, boxTop(), h(), h()));
    EXPECT_EQ(text()->width(), 400 - (20 + 100 + 2 * h()));

    entry.setStyle(1);
    EXPECT_TRUE(button("btPreview")->isHidden());
    EXPECT_TRUE(button("btFile")->isHidden());
}

TEST_F(EntryTest, NarrowStyleThreeNeverGetsANegativeWidth)
{
    design(3, 120);
    for (int w = 121; w < 150; ++w)
        entry.resize(w, 30);
    EXPECT_EQ(text()->width(), 0);
    entry.SetDesign(QStringLiteral("x"), 1, -40, 5, 0, 0, 0, 0);
    EXPECT_EQ(label()->width(), 0);
}

TEST_F(EntryTest, WritingValueFillsBothBoxesAndMarksAChange)
{
    entry.setValue(QStringLiteral("Alien"));
    EXPECT_EQ(entry.value(), QStringLiteral("Alien"));
    EXPECT_EQ(text()->text(), QStringLiteral("Alien"));
    EXPECT_TRUE(entry.ChangedEntry());
    entry.setStyle(2);
    EXPECT_EQ(combo()->currentText(), QStringLiteral("Alien"));
    entry.setStyle(1);

    entry.setChangedEntry(false);
    entry.setValue(QStringLiteral("Alien"));
    EXPECT_FALSE(entry.ChangedEntry());

    QTest::keyClicks(text(), QStringLiteral("s"));
    EXPECT_EQ(entry.value(), QStringLiteral("Aliens"));
    EXPECT_TRUE(entry.ChangedEntry());
}

TEST_F(EntryTest, TypingInTheComboSetsTheValue)
{
    design(2, 400);
    QTest::keyClicks(combo()->lineEdit(), QStringLiteral("Ford"));
    EXPECT_EQ(entry.value(), QStringLiteral("Ford"));
    EXPECT_TRUE(entry.ChangedEntry());
    // Enter does not put the typed text into the list
    QTest::keyClick(combo()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(entry.ComboCount(), 0);
    EXPECT_EQ(entry.value(), QStringLiteral("Ford"));
}

TEST_F(EntryTest, LeavingTheComboCountsAsAChange)
{
    design(2, 400);
    entry.setValue(QStringLiteral("Ford"));
    entry.setChangedEntry(false);
    QApplication::setActiveWindow(&entry);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&entry));
    combo()->setFocus();
    button("btAdd")->setFocus();
    EXPECT_TRUE(entry.ChangedEntry());
    EXPECT_EQ(entry.value(), QStringLiteral("Ford"));
}

TEST_F(EntryTest, MaxCharactersLimitsTypingAndCutsWrittenValues)
{
    entry.setMaxCharacters(5);
    entry.setValue(QStringLiteral("Casablanca"));
    EXPECT_EQ(entry.value(), QStringLiteral("Casab"));
    EXPECT_EQ(text()->text(), QStringLiteral("Casab"));
    entry.setStyle(2);
    EXPECT_EQ(combo()->currentText(), QStringLiteral("Casab"));
    entry.setStyle(1);

    QTest::keyClicks(text(), QStringLiteral("xyz"));
    EXPECT_EQ(entry.value(), QStringLiteral("Casab"));
    QTest::keyClick(text(), Qt::Key_Backspace);
    QTest::keyClicks(text(), QStringLiteral("xyz"));
    EXPECT_EQ(entry.value(), QStringLiteral("Casax"));

    // a lower limit keeps the text there; it only stops further typing
    entry.setMaxCharacters(3);
    EXPECT_EQ(entry.value(), QStringLiteral("Casax"));
    QTest::keyClicks(text(), QStringLiteral("q"));
    EXPECT_EQ(entry.value(), QStringLiteral("Casax"));
    QTest::keyClick(text(), Qt::Key_Backspace);
    EXPECT_EQ(entry.value(), QStringLiteral("Casa"));

    // 0 means no limit, and a negative limit is taken as 0
    entry.setMaxCharacters(-4);
    EXPECT_EQ(entry.MaxCharacters(), 0);
    QTest::keyClicks(text(), QStringLiteral("blanca"));
    EXPECT_EQ(entry.value(), QStringLiteral("Casablanca"));
}

TEST_F(EntryTest, MaxCharactersCutsTheComboText)
{
    design(2, 400);
    entry.setMaxCharacters(4);
    QTest::keyClicks(combo()->lineEdit(), QStringLiteral("Kubrick"));
    EXPECT_EQ(combo()->currentText(), QStringLiteral("Kubr"));
    EXPECT_EQ(entry.value(), QStringLiteral("Kubr"));
}

TEST_F(EntryTest, ComboListOperations)
{
    entry.setValue(QStringLiteral("typed"));
    entry.AddComboEntry(QStringLiteral("Drama"), true);
    entry.AddComboEntry(QStringLiteral("drama"), true);
    EXPECT_EQ(entry.ComboCount(), 1);
    entry.AddComboEntry(QStringLiteral("drama"), false);
    entry.AddComboEntry(QString(), false);
    EXPECT_EQ(entry.ComboCount(), 2);
    // adding never touches the edit text, not even the first item
    EXPECT_EQ(combo()->currentText(), QStringLiteral("typed"));
    EXPECT_EQ(entry.value(), QStringLiteral("typed"));

    entry.RemoveComboEntry(QStringLiteral("DRAMA"));
    EXPECT_EQ(entry.ComboCount(), 2);
    entry.RemoveComboEntry(QStringLiteral("drama"));
    EXPECT_EQ(entry.ComboCount(), 1);
    EXPECT_EQ(entry.GetComboEntry(0), QStringLiteral("Drama"));
    EXPECT_EQ(entry.GetComboEntry(1), QString());
    EXPECT_EQ(entry.GetComboEntry(-1), QString());

    entry.ClearCombo();
    EXPECT_EQ(entry.ComboCount(), 0);
    EXPECT_EQ(combo()->currentText(), QStringLiteral("typed"));
}

// Filling a list in one step gives what adding entry by entry gives.
TEST_F(EntryTest, ComboFilledInOneStepAsEntryByEntry)
{
    const QStringList names = {QStringLiteral("Drama"), QString(), QStringLiteral("drama"), QStringLiteral("Western")};
    for (const bool typed : {false, true}) {
        ucEntry one;
        ucEntry each;
        for (ucEntry* e : {&one, &each}) {
            e->SetDesign(QStringLiteral("Genre"), 2, 100, 5, 0, 0xFFFFFF, 0, 0xFFFFFF, true);
            if (typed)
                e->setValue(QStringLiteral("Komödie"));
            e->setChangedEntry(false);
        }
        one.AddComboEntries(names);
        for (const QString& name : names)
            each.AddComboEntry(name);
        ASSERT_EQ(one.ComboCount(), 3);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(one.GetComboEntry(static_cast<std::int16_t>(i)), each.GetComboEntry(static_cast<std::int16_t>(i)));
        auto* box = one.findChild<QComboBox*>(QStringLiteral("combo"));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->currentText(), each.findChild<QComboBox*>(QStringLiteral("combo"))->currentText());
        EXPECT_EQ(one.value(), typed ? QStringLiteral("Komödie") : QString());
        EXPECT_FALSE(one.ChangedEntry());
    }
}

TEST_F(EntryTest, AddAndRemoveButtonsUseTheComboText)
{
    design(2, 400);
    entry.AddComboEntry(QStringLiteral("Western"));
    entry.setValue(QStringLiteral("western"));
    QTest::mouseClick(button("btAdd"), Qt::LeftButton);
    EXPECT_EQ(entry.ComboCount(), 1);
    entry.setValue(QStringLiteral("Komödie"));
    QTest::mouseClick(button("btAdd"), Qt::LeftButton);
    EXPECT_EQ(entry.ComboCount(), 2);
    EXPECT_EQ(entry.GetComboEntry(1), QStringLiteral("Komödie"));
    entry.setValue(QStringLiteral("Western"));
    QTest::mouseClick(button("btRemove"), Qt::LeftButton);
    EXPECT_EQ(entry.ComboCount(), 1);
    EXPECT_EQ(entry.GetComboEntry(0), QStringLiteral("Komödie"));
}

TEST_F(EntryTest, NumericCheckCountsTheWholePart)
{
    struct Case {
        const char* value;
        bool inside;
    };
    const Case cases[] = {{"1", true},   {"3", true},    {"5", true},     {"", false},    {"drei", false},
                          {"0", false},  {"6", false},   {"5.9", true},   {"0.9", false}, {" 4 ", true},
                          {"-0.5", false}, {"4e0", true}, {"1,5", false},  {"6e-1", false}};
    for (const Case& c : cases) {
        entry.setValue(QString::fromUtf8(c.value));
        EXPECT_EQ(entry.IsValueNumericBetween(1, 5), c.inside) << '"' << c.value << '"';
    }
    entry.setValue(QStringLiteral("-0.5"));
    EXPECT_TRUE(entry.IsValueNumericBetween(-1, 0));
}

TEST_F(EntryTest, SetDesignKeepsValueAndChangeFlag)
{
    entry.setValue(QStringLiteral("Heat"));
    entry.setChangedEntry(false);
    entry.setToolTipText(QStringLiteral("hint"));
    entry.SetDesign(QStringLiteral("Regie"), 1, 80, 3, 0x0000FF, 0x00FF00, 0xFF0000, 0x808080, true, 2);
    EXPECT_EQ(label()->text(), QStringLiteral("Regie:"));
    EXPECT_EQ(entry.ToolTipText(), QString());
    EXPECT_EQ(text()->toolTip(), QString());
    EXPECT_EQ(entry.value(), QStringLiteral("Heat"));
    EXPECT_FALSE(entry.ChangedEntry());
    EXPECT_EQ(entry.MaxCharacters(), 2);
    EXPECT_EQ(entry.Labelwidth(), 80);
    EXPECT_EQ(entry.Margin(), 3);
    EXPECT_EQ(label()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(entry.palette().color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_EQ(text()->palette().color(QPalette::Text), QColor(0, 0, 255));
    entry.setStyle(2); // the combo box made now takes the design already set
    EXPECT_EQ(combo()->palette().color(QPalette::Base), QColor(128, 128, 128));
}

TEST_F(EntryTest, FileButtonWritesTheChosenPath)
{
    design(3, 400);
    entry.setDialogFolder(folder.file(QStringLiteral("cover")));
    entry.setDialogFilter(ucEntry::kVideoFilter);
    ScriptedFileDialogs dialogs;
    dialogs.expectOpen(folder.file(QStringLiteral("cover/a.jpg")));
    QTest::mouseClick(button("btFile"), Qt::LeftButton);
    EXPECT_EQ(entry.value(), folder.file(QStringLiteral("cover/a.jpg")));
    EXPECT_EQ(text()->text(), entry.value());
    ASSERT_EQ(dialogs.titles.size(), 1);
    EXPECT_EQ(dialogs.titles[0], QStringLiteral("Titel einfügen"));
    EXPECT_EQ(dialogs.filters[0], QStringLiteral("Videos (*.swf,*.avi,*.mpg,*.wmv) | *.swf;*.avi;*.mpg;*.wmv"));
    EXPECT_EQ(dialogs.folders[0], folder.file(QStringLiteral("cover")));
}

TEST_F(EntryTest, FileDialogPathIsNotCutByTheTypingLimit)
{
    design(3, 400);
    entry.setMaxCharacters(4);
    ScriptedFileDialogs dialogs;
    dialogs.expectOpen(QStringLiteral("/films/cover/long.jpg"));
    QTest::mouseClick(button("btFile"), Qt::LeftButton);
    EXPECT_EQ(entry.value(), QStringLiteral("/films/cover/long.jpg"));
}

TEST_F(EntryTest, CancelledFileDialogKeepsTheEntry)
{
    design(4, 400);
    entry.setValue(QStringLiteral("cover/"));
    entry.setChangedEntry(false);
    ScriptedFileDialogs dialogs;
    dialogs.expectCancel();
    QTest::mouseClick(button("btFile"), Qt::LeftButton);
    EXPECT_EQ(entry.value(), QStringLiteral("cover/"));
    EXPECT_FALSE(entry.ChangedEntry());
    // without a folder of its own the dialog starts in the program folder
    ASSERT_EQ(dialogs.folders.size(), 1);
    EXPECT_EQ(dialogs.folders[0], folder.path());
}

TEST_F(EntryTest, PreviewButtonAnnouncesTheValue)
{
    design(4, 400);
    entry.setValue(QStringLiteral("cover/b.jpg"));
    QSignalSpy previewed(&entry, &ucEntry::previewRequested);
    QTest::mouseClick(button("btPreview"), Qt::LeftButton);
    ASSERT_EQ(previewed.size(), 1);
    EXPECT_EQ(previewed[0][0].toString(), QStringLiteral("cover/b.jpg"));
}

// The combo box and buttons are made when a style first shows them: they sit
// where they always did in the window's tab order and take what was set before.
TEST(EntryPartsMadeLate, KeepTheirPlaceInTheTabOrderAndTheCurrentState)
{
    QWidget window;
    window.resize(600, 100);
    auto* before = new QLineEdit(&window);
    before->setObjectName(QStringLiteral("before"));
    auto* e = new ucEntry(&window);
    auto* after = new QLineEdit(&window);
    after->setObjectName(QStringLiteral("after"));
    e->setGeometry(0, 30, 400, 30);
    after->move(0, 70);
    e->setEntryBackColor(0x808080);
    e->setToolTipText(QStringLiteral("Hinweis"));
    e->setValue(QStringLiteral("Alien"));
    e->setChangedEntry(false);
    e->setEnabled(false);
    window.show();
    ASSERT_EQ(e->findChild<QComboBox*>(QStringLiteral("combo")), nullptr);

    e->setStyle(2);
    auto* combo = e->findChild<QComboBox*>(QStringLiteral("combo"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Alien"));
    EXPECT_FALSE(e->ChangedEntry());
    EXPECT_EQ(shownText(combo->toolTip()), QStringLiteral("Hinweis"));
    EXPECT_EQ(combo->palette().color(QPalette::Base), QColor(128, 128, 128));
    EXPECT_EQ(combo->lineEdit()->palette().color(QPalette::Base), QColor(128, 128, 128));
    EXPECT_EQ(combo->font().family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_FALSE(combo->isEnabled());
    EXPECT_FALSE(e->findChild<QPushButton*>(QStringLiteral("btAdd"))->isEnabled());
    e->setEnabled(true);

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto tabsFromBefore = [&](std::initializer_list<const char*> names) {
        before->setFocus();
        for (const char* next : names) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
        }
    };
    tabsFromBefore({"combo", "btAdd", "btRemove", "after"});
    e->setStyle(4);
    tabsFromBefore({"text", "btFile", "btPreview", "after"});
}

} // namespace
