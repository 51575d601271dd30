#pragma once

#include "platform/MessageService.h"

#include <memory>

class QInputDialog;
class QMessageBox;

// Message and input boxes as Qt dialogs, modal to the active window.
class QtMessageService : public MessageService {
public:
    MsgAnswer messageBox(const QString& text, MsgButtons buttons, const QString& title = QString()) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    std::optional<QString> passwordBox(const QString& prompt, const QString& title) override;

    // The dialogs as they are shown, for a look before they run.
    static std::unique_ptr<QMessageBox> createMessageBox(const QString& text, MsgButtons buttons, const QString& title);
    static std::unique_ptr<QInputDialog> createInputBox(const QString& prompt, const QString& title,
                                                        const QString& defaultText);
    // The answer that a finished box gives (its clicked standard button).
    static MsgAnswer answerOf(int standardButton, MsgButtons buttons);
};
