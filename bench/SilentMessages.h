#pragma once

#include "platform/MessageService.h"

// Answers every box at once: questions with the given answer, inputs with "".
class SilentMessages : public MessageService {
public:
    explicit SilentMessages(MsgAnswer answer = MsgAnswer::Ok) : m_answer(answer) {}
    MsgAnswer messageBox(const QString&, MsgButtons buttons, const QString&) override
    {
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : m_answer;
    }
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> passwordBox(const QString&, const QString&) override { return std::nullopt; }

private:
    MsgAnswer m_answer;
};
