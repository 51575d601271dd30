#include "tests/support/ScriptedColorDialogs.h"

#include <gtest/gtest.h>

ScriptedColorDialogs::ScriptedColorDialogs() : m_scope(*this) {}

ScriptedColorDialogs::~ScriptedColorDialogs()
{
    EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " scripted colour chooser(s) never shown";
}

ScriptedColorDialogs& ScriptedColorDialogs::expectChoose(std::int32_t color)
{
    m_answers.emplace_back(color);
    return *this;
}

ScriptedColorDialogs& ScriptedColorDialogs::expectCancel()
{
    m_answers.emplace_back(std::nullopt);
    return *this;
}

std::optional<std::int32_t> ScriptedColorDialogs::chooseColor(std::int32_t start)
{
    starts.push_back(start);
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected colour chooser";
        return std::nullopt;
    }
    const std::optional<std::int32_t> a = m_answers.front();
    m_answers.pop_front();
    return a;
}
