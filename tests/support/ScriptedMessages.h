#pragma once

#include "platform/MessageService.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

// Answers message and input boxes in the order a test scripted them and
// fails the test on any box it did not expect.
class ScriptedMessages : public MessageService {
public:
    ScriptedMessages();
    ~ScriptedMessages() override; // fails when scripted answers were left unused

    ScriptedMessages& expectMessage(MsgAnswer answer = MsgAnswer::Ok);
    ScriptedMessages& expectInput(const QString& answer);
    // An input box left with Cancel, Escape or its close button.
    ScriptedMessages& expectCancel();

    MsgAnswer messageBox(const QString& text, MsgButtons buttons, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    // Answered from the same script as input boxes; counted in hidden.
    std::optional<QString> passwordBox(const QString& prompt, const QString& title) override;

    // What the boxes showed, in order: texts of message boxes, prompts of input boxes.
    QStringList shown;
    QStringList titles;
    // The buttons of each message box, in order.
    std::vector<MsgButtons> buttons;
    // How many of the input boxes hid what was typed.
    int hidden = 0;

private:
    struct Answer {
        bool input;
        MsgAnswer button;
        QString text;
        bool cancelled = false;
    };
    std::deque<Answer> m_answers;
    Messages::Scoped m_scope;
};
