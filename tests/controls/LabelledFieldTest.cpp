#include "controls/ColorHelper.h"
#include "controls/ucEntry.h"
#include "controls/ucText.h"
#include "data/clsOptions.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {

QColor roleOf(const QWidget* w, QPalette::ColorRole role) { return w->palette().color(role); }

// Both labelled controls take one design value and paint it the same way:
// the caption in the font colour on the background, the box in the entry colours.
TEST(LabelledField, EntryAndTextPaintOneDesignAlike)
{
    const Design design{0x0000FF, 0x00FF00, 0xFF0000, 0x808080, 0x123456};
    ucEntry entry;
    entry.SetDesign(QStringLiteral("Titel"), 1, 120, 5, design);
    ucText text;
    text.SetDesign(QStringLiteral("Notiz"), 2, 5, design, 120, false);

    const std::pair<QWidget*, QWidget*> parts[] = {
        {&entry, entry.findChild<QLineEdit*>(QStringLiteral("text"))},
        {&text, text.findChild<QPlainTextEdit*>(QStringLiteral("TextBox"))},
    };
    for (const auto& [control, box] : parts) {
        ASSERT_NE(box, nullptr);
        auto* field = static_cast<ucLabelledField*>(control);
        EXPECT_EQ(field->fontcolor(), design.font);
        EXPECT_EQ(field->EntryBackColor(), design.entryBackground);
        EXPECT_EQ(roleOf(control, QPalette::Window), QColor(0, 255, 0));
        const QLabel* label = control->findChildren<QLabel*>().first();
        EXPECT_EQ(roleOf(label, QPalette::WindowText), QColor(255, 0, 0));
        EXPECT_EQ(roleOf(box, QPalette::Text), QColor(0, 0, 255));
        EXPECT_EQ(roleOf(box, QPalette::Base), QColor(128, 128, 128));
    }
    // The caption ends in ":" on both.
    EXPECT_EQ(entry.findChild<QLabel*>(QStringLiteral("label"))->text(), QStringLiteral("Titel:"));
    EXPECT_EQ(text.findChild<QLabel*>(QStringLiteral("Label"))->text(), QStringLiteral("Notiz:"));
}

TEST(LabelledField, SystemColoursStoredAsNegativeNumbersAreSystemColours)
{
    const Color windowBackground = -2147483643; // 0x80000005 as Windows writes it
    EXPECT_TRUE(ColorHelper::isSystemColor(windowBackground));
    EXPECT_EQ(ColorHelper::toQColor(windowBackground), QApplication::palette().color(QPalette::Base));
    EXPECT_FALSE(ColorHelper::isSystemColor(0x00FFFFFF));
    EXPECT_EQ(ColorHelper::fromQColor(QColor(1, 2, 3)), 0x030201);

    clsOptions options;
    options.setColorFont(1);
    options.setColorBG(windowBackground);
    options.setColorEntryFont(3);
    options.setColorEntryBG(4);
    options.setColorRating(5);
    EXPECT_EQ(options.GetDesign(), (Design{1, windowBackground, 3, 4, 5}));
}

} // namespace
