#pragma once

#include "platform/FileDialogService.h"

#include <QStringList>
#include <deque>
#include <optional>

// Answers file-open dialogs in the order a test scripted them and fails the
// test on a dialog it did not expect.
class ScriptedFileDialogs : public FileDialogService {
public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override; // fails when scripted answers were left unused

    ScriptedFileDialogs& expectOpen(const QString& path);
    ScriptedFileDialogs& expectCancel();

    std::optional<QString> openFile(const QString& title, const QString& filter, const QString& folder) override;

    // What each dialog was given, in order.
    QStringList titles;
    QStringList filters;
    QStringList folders;

private:
    std::deque<std::optional<QString>> m_answers;
    FileDialogs::Scoped m_scope;
};
