#include "tests/support/ScriptedFileDialogs.h"

#include <gtest/gtest.h>

ScriptedFileDialogs::ScriptedFileDialogs() : m_scope(*this) {}

ScriptedFileDialogs::~ScriptedFileDialogs()
{
    EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " scripted file dialog(s) never shown";
}

ScriptedFileDialogs& ScriptedFileDialogs::expectOpen(const QString& path)
{
    m_answers.emplace_back(path);
    return *this;
}

ScriptedFileDialogs& ScriptedFileDialogs::expectCancel()
{
    m_answers.emplace_back(std::nullopt);
    return *this;
}

std::optional<QString> ScriptedFileDialogs::openFile(const QString& title, const QString& filter, const QString& folder)
{
    titles << title;
    filters << filter;
    folders << folder;
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << title.toStdString();
        return std::nullopt;
    }
    const std::optional<QString> a = m_answers.front();
    m_answers.pop_front();
    return a;
}
