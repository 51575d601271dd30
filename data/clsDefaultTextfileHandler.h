#pragma once

#include <QString>

// A whole text file read or written as one string with CR LF line ends.
class clsDefaultTextfileHandler {
public:
    // Every line followed by CR LF; "" for a missing file, which is first
    // created holding one line break when createIfMissing.
    static QString ReadTxtFile(const QString& path, bool createIfMissing);
    // The text with CR LF line ends, and a CR LF after its last line unless
    // it ends with a line end already (or is empty), written through a safe
    // rewrite: what ReadTxtFile gives is written back as it was read. Never
    // throws; false (and the old file untouched) when the write failed.
    static bool WriteTxtFile(const QString& path, const QString& text);
    // The same, with a failure thrown as the RuntimeError that names its cause.
    static void writeTextFile(const QString& path, const QString& text);
    // 1-based position of find in text, ignoring case; 0 when absent.
    static int SearchForText(const QString& text, const QString& find);
};
