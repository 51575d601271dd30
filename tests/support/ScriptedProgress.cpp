#include "tests/support/ScriptedProgress.h"

#include <gtest/gtest.h>

ScriptedProgress::ScriptedProgress() : m_scope(*this) {}

ScriptedProgress::~ScriptedProgress() { EXPECT_FALSE(open) << "a progress display was left open"; }

ScriptedProgress& ScriptedProgress::cancelAfter(int n)
{
    m_cancelAfter = n;
    return *this;
}

void ScriptedProgress::begin(const QString& title, const QString& cancelText, int total)
{
    EXPECT_FALSE(open) << "a second progress display while one is open";
    open = true;
    titles << title;
    cancelTexts << cancelText;
    totals.push_back(total);
}

bool ScriptedProgress::step(int done, const QString& label)
{
    EXPECT_TRUE(open) << "a progress step without a display";
    steps.push_back(done);
    labels << label;
    return m_cancelAfter < 0 || done < m_cancelAfter;
}

void ScriptedProgress::end()
{
    EXPECT_TRUE(open) << "a progress display closed twice";
    open = false;
}
