#include "platform/gui/Application.h"
#include "platform/gui/QtFileDialogService.h"
#include "platform/gui/QtMessageService.h"
#include "tests/support/TempProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

TEST(GuiDialogs, QuestionBoxHasYesAndNoAndNoIcon)
{
    const auto box = QtMessageService::createMessageBox(QStringLiteral("Titel löschen?"), MsgButtons::YesNo,
                                                        QStringLiteral("Frage"));
    EXPECT_EQ(box->text(), QStringLiteral("Titel löschen?"));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Frage"));
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::No));
    EXPECT_EQ(QtMessageService::answerOf(QMessageBox::Yes, MsgButtons::YesNo), MsgAnswer::Yes);
    EXPECT_EQ(QtMessageService::answerOf(QMessageBox::No, MsgButtons::YesNo), MsgAnswer::No);
    // anything but Yes, a closed box included, does not go on
    EXPECT_EQ(QtMessageService::answerOf(0, MsgButtons::YesNo), MsgAnswer::No);
}

TEST(GuiDialogs, QuestionWithCancelNeverTakesAClosedBoxAsAnAnswer)
{
    const auto box = QtMessageService::createMessageBox(QStringLiteral("Speichern?"), MsgButtons::YesNoCancel,
                                                        QStringLiteral("Frage"));
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::Cancel));
    EXPECT_EQ(QtMessageService::answerOf(QMessageBox::Yes, MsgButtons::YesNoCancel), MsgAnswer::Yes);
    EXPECT_EQ(QtMessageService::answerOf(QMessageBox::No, MsgButtons::YesNoCancel), MsgAnswer::No);
    EXPECT_EQ(QtMessageService::answerOf(QMessageBox::Cancel, MsgButtons::YesNoCancel), MsgAnswer::Cancel);
    EXPECT_EQ(QtMessageService::answerOf(0, MsgButtons::YesNoCancel), MsgAnswer::Cancel);
}

TEST(GuiDialogs, MessageBoxShowsTextLiterallyUnderTheProgramTitle)
{
    const auto box = QtMessageService::createMessageBox(QStringLiteral("<b>3</b> Titel"), MsgButtons::Ok, QString());
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("QuorDVD"));
    EXPECT_EQ(QtMessageService::answerOf(0, MsgButtons::Ok), MsgAnswer::Ok);
}

TEST(GuiDialogs, InputBoxTakesPromptTitleAndDefault)
{
    const auto dialog =
        QtMessageService::createInputBox(QStringLiteral("Name der Liste"), QStringLiteral("Neu"), QStringLiteral("filme"));
    EXPECT_EQ(dialog->labelText(), QStringLiteral("Name der Liste"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Neu"));
    EXPECT_EQ(dialog->textValue(), QStringLiteral("filme"));
    EXPECT_EQ(dialog->inputMode(), QInputDialog::TextInput);
    // The prompt is shown literally, like a message box's text.
    const auto labels = dialog->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.first()->text(), QStringLiteral("Name der Liste"));
    EXPECT_EQ(labels.first()->textFormat(), Qt::PlainText);
}

TEST(GuiDialogs, BoxesAreWideEnoughForTheirWholeTitle)
{
    const QString title = QStringLiteral("Hangman – die besten Spieler aller Zeiten, Highscore");
    QFont bold = QApplication::font();
    bold.setBold(true);
    const int needed = QFontMetrics(bold).horizontalAdvance(title);

    const auto box = QtMessageService::createMessageBox(QStringLiteral("1"), MsgButtons::Ok, title);
    box->show();
    EXPECT_GT(box->width(), needed);
    const auto shortTitled = QtMessageService::createMessageBox(QStringLiteral("1"), MsgButtons::Ok, QStringLiteral("x"));
    shortTitled->show();
    EXPECT_LT(shortTitled->width(), box->width()); // a short title leaves the box small

    const auto input = QtMessageService::createInputBox(QStringLiteral("Name"), title, QString());
    input->show();
    EXPECT_GT(input->width(), needed);
}

TEST(GuiDialogs, TheProgramIsNamedQuorDVDInItsTitlesAndquordvdInItsFolder)
{
    Application::setNames();
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("quordvd"));
    // No display name of its own: Qt would append it to every window's title.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    const auto box = QtMessageService::createMessageBox(QStringLiteral("1"), MsgButtons::Ok, QString());
    EXPECT_EQ(box->windowTitle(), QStringLiteral("QuorDVD"));
}

TEST(GuiDialogs, FiltersBecomeQtFiltersMatchingEitherCase)
{
    EXPECT_EQ(QtFileDialogService::toQtFilters(QStringLiteral("Grafiken (*.jpg,*.gif,*.bmp) | *.bmp;*.gif;*.jpg")),
              QStringList{QStringLiteral("Grafiken (*.jpg,*.gif,*.bmp) (*.bmp *.BMP *.gif *.GIF *.jpg *.JPG)")});
    EXPECT_EQ(QtFileDialogService::toQtFilters(QStringLiteral("Listen|*.adl|Alle|*.*")),
              (QStringList{QStringLiteral("Listen (*.adl *.ADL)"), QStringLiteral("Alle (*.*)")}));
    EXPECT_EQ(QtFileDialogService::toQtFilters(QStringLiteral("Alles")), QStringList{QStringLiteral("Alles (*)")});
    EXPECT_TRUE(QtFileDialogService::toQtFilters(QString()).isEmpty());
}

TEST(GuiDialogs, FileDialogOpensOneExistingFileInTheFolder)
{
    TempProgramFolder folder;
    folder.write(QStringLiteral("cover/a.jpg"), "x");
    const auto dialog = QtFileDialogService::createDialog(QStringLiteral("Cover einfügen"),
                                                          QStringLiteral("Grafiken | *.jpg"), folder.file("cover"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Cover einfügen"));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("Grafiken (*.jpg *.JPG)")});
    EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(folder.file("cover")).canonicalPath());
}

} // namespace
