#pragma once

#include "data/StatusCallback.h"

#include <QString>

// Converts a list file of the older layout (count, then 16 lines a title)
// into the current layout, sorted by film name, in place.
class clsImportOldList {
public:
    // The file is checked whole first and replaced only by a complete new
    // file: a short or damaged file stays exactly as it was (and the error
    // reaches the caller). Afterwards MessageText::OldListConverted is shown.
    void ChangeToNewList(const QString& path);

    void setStatusCallback(StatusCallback callback) { m_status = std::move(callback); }

private:
    StatusCallback m_status;
};
