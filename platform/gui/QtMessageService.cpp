#include "platform/gui/QtMessageService.h"

#include "platform/gui/DialogTitle.h"

#include <QApplication>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace {

QString boxTitle(const QString& title)
{
    return title.isEmpty() ? QStringLiteral("QuorDVD") : title;
}

} // namespace

std::unique_ptr<QMessageBox> QtMessageService::createMessageBox(const QString& text, MsgButtons buttons,
                                                                const QString& title)
{
    auto box = std::make_unique<QMessageBox>(QApplication::activeWindow());
    box->setIcon(QMessageBox::NoIcon);
    box->setWindowTitle(boxTitle(title));
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    if (buttons == MsgButtons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        // Closing the box must never count as Yes.
        box->setEscapeButton(QMessageBox::No);
    } else if (buttons == MsgButtons::YesNoCancel) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Yes);
        // Closing the box must neither save nor throw anything away.
        box->setEscapeButton(QMessageBox::Cancel);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Ok);
    }
    // A message box sizes itself to its text; a row of this width keeps the title whole.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(DialogTitle::width(box->windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return box;
}

MsgAnswer QtMessageService::answerOf(int standardButton, MsgButtons buttons)
{
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    if (standardButton == QMessageBox::Yes)
        return MsgAnswer::Yes;
    if (buttons == MsgButtons::YesNoCancel && standardButton != QMessageBox::No)
        return MsgAnswer::Cancel;
    return MsgAnswer::No;
}

MsgAnswer QtMessageService::messageBox(const QString& text, MsgButtons buttons, const QString& title)
{
    const auto box = createMessageBox(text, buttons, title);
    return answerOf(box->exec(), buttons);
}

std::optional<QString> QtMessageService::passwordBox(const QString& prompt, const QString& title)
{
    const auto dialog = createInputBox(prompt, title, QString());
    dialog->setTextEchoMode(QLineEdit::Password);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->textValue();
}

std::unique_ptr<QInputDialog> QtMessageService::createInputBox(const QString& prompt, const QString& title,
                                                               const QString& defaultText)
{
    auto dialog = std::make_unique<QInputDialog>(QApplication::activeWindow());
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setWindowTitle(boxTitle(title));
    dialog->setLabelText(prompt);
    dialog->setTextValue(defaultText);
    // Its layout (made when first asked for a size) fixes its size, so the
    // title's width goes in as a row of it.
    dialog->minimumSizeHint();
    // The prompt is shown as it is, never as markup.
    if (auto* label = dialog->findChild<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    if (QLayout* layout = dialog->layout())
        layout->addItem(new QSpacerItem(DialogTitle::width(dialog->windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Minimum));
    return dialog;
}

QString QtMessageService::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    const auto dialog = createInputBox(prompt, title, defaultText);
    if (dialog->exec() != QDialog::Accepted)
        return QString();
    return dialog->textValue();
}
