#pragma once

#include "platform/Seam.h"

#include <QString>
#include <optional>

// The file-open dialog. Reached only through Seam<FileDialogService>.
class FileDialogService {
public:
    virtual ~FileDialogService() = default;

    // Asks for one existing file. `filter` is in the program's form
    // "description | patterns" (patterns separated by ";", more pairs joined
    // by "|"). Answers the chosen full path, or nothing when cancelled.
    virtual std::optional<QString> openFile(const QString& title, const QString& filter, const QString& folder) = 0;
};

using FileDialogs = Seam<FileDialogService>;
