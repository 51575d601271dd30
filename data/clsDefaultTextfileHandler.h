#pragma once

#include <QString>

// A whole text file read or written as one string with CR LF line ends.
class clsDefaultTextfileHandler {
public:
    // Every line followed by CR LF; "" for a missing file, which is first
    // created (holding one line break) when createIfMissing.
    static QString ReadTxtFile(const QString& path, bool createIfMissing);
    // The text followed by CR LF, written through a safe rewrite. Never
    // throws; false (and the old file untouched) when the write failed.
    static bool WriteTxtFile(const QString& path, const QString& text);
    // 1-based position of find in text, ignoring case; 0 when absent.
    static int SearchForText(const QString& text, const QString& find);
};
