#include "platform/gui/QtProgressService.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(QtProgressService, ShowsTheCountAtOnceAndCancelStopsTheNextStep)
{
    QtProgressService progress;
    EXPECT_TRUE(progress.step(1, QStringLiteral("ignored"))); // nothing shown yet: nothing to cancel

    progress.begin(QStringLiteral("Uploading titles"), QStringLiteral("Cancel"), 3);
    QProgressDialog* dialog = progress.dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Uploading titles"));
    EXPECT_EQ(dialog->maximum(), 3);
    EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal); // no second action meanwhile

    EXPECT_TRUE(progress.step(1, QStringLiteral("1 / 3")));
    EXPECT_EQ(dialog->value(), 1);
    EXPECT_EQ(dialog->labelText(), QStringLiteral("1 / 3"));

    auto* cancel = dialog->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
    QTest::mouseClick(cancel, Qt::LeftButton);
    // The dialog stays up, showing where the work stopped, until the caller ends it.
    EXPECT_FALSE(progress.step(2, QStringLiteral("2 / 3")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->labelText(), QStringLiteral("2 / 3"));

    progress.end();
    EXPECT_EQ(progress.dialog(), nullptr);

    // A new run starts uncancelled.
    progress.begin(QStringLiteral("Uploading titles"), QStringLiteral("Cancel"), 1);
    EXPECT_TRUE(progress.step(0, QStringLiteral("0 / 1")));
    progress.end();
}

// A label may name a file of the user's: it shows as typed, never as markup.
TEST(QtProgressService, ShowsTheLabelAsPlainText)
{
    QtProgressService progress;
    progress.begin(QStringLiteral("Import"), QStringLiteral("Cancel"), 0);
    EXPECT_TRUE(progress.step(0, QStringLiteral("<b>films</b> & more.xls")));
    auto* label = progress.dialog()->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), QStringLiteral("<b>films</b> & more.xls"));
    progress.end();
}

TEST(QtProgressService, TheDialogIsWideEnoughForItsWholeTitle)
{
    const QString title = QStringLiteral("Titel werden hochgeladen – alle Titel der Sammlung");
    QFont bold = QApplication::font();
    bold.setBold(true);
    const int needed = QFontMetrics(bold).horizontalAdvance(title);

    QtProgressService progress;
    progress.begin(title, QStringLiteral("Abbrechen"), 2);
    QProgressDialog* dialog = progress.dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_GT(dialog->width(), needed);
    // A new label sizes the dialog again; the title keeps its room.
    progress.step(1, QStringLiteral("1"));
    EXPECT_GT(dialog->width(), needed);
    progress.end();

    progress.begin(QStringLiteral("x"), QStringLiteral("Abbrechen"), 2);
    EXPECT_LT(progress.dialog()->width(), needed); // a short title leaves it small
    progress.end();
}

} // namespace
