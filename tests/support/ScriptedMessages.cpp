#include "tests/support/ScriptedMessages.h"

#include <gtest/gtest.h>

ScriptedMessages::ScriptedMessages() : m_scope(*this) {}

ScriptedMessages::~ScriptedMessages()
{
    EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " scripted box(es) never shown";
}

ScriptedMessages& ScriptedMessages::expectMessage(MsgAnswer answer)
{
    m_answers.push_back({false, answer, {}});
    return *this;
}

ScriptedMessages& ScriptedMessages::expectInput(const QString& answer)
{
    m_answers.push_back({true, MsgAnswer::Ok, answer});
    return *this;
}

ScriptedMessages& ScriptedMessages::expectCancel()
{
    m_answers.push_back({true, MsgAnswer::Ok, {}, true});
    return *this;
}

MsgAnswer ScriptedMessages::messageBox(const QString& text, MsgButtons boxButtons, const QString& title)
{
    shown << text;
    titles << title;
    buttons.push_back(boxButtons);
    if (m_answers.empty() || m_answers.front().input) {
        ADD_FAILURE() << "unexpected message box: " << text.toStdString();
        return MsgAnswer::No;
    }
    const MsgAnswer a = m_answers.front().button;
    m_answers.pop_front();
    EXPECT_TRUE(a != MsgAnswer::Cancel || boxButtons == MsgButtons::YesNoCancel)
        << "Cancel scripted for a box without it: " << text.toStdString();
    return a;
}

QString ScriptedMessages::inputBox(const QString& prompt, const QString& title, const QString&)
{
    shown << prompt;
    titles << title;
    if (m_answers.empty() || !m_answers.front().input) {
        ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
        return {};
    }
    const QString a = m_answers.front().text;
    m_answers.pop_front();
    return a;
}

std::optional<QString> ScriptedMessages::passwordBox(const QString& prompt, const QString& title)
{
    ++hidden;
    const bool cancelled = !m_answers.empty() && m_answers.front().input && m_answers.front().cancelled;
    const QString answer = inputBox(prompt, title, QString());
    if (cancelled)
        return std::nullopt;
    return answer;
}
