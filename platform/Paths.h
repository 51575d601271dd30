#pragma once

#include <QString>

// Path texts inside the program use "/" only; paths from files or typed by the
// user may still carry the "\" of lists made on Windows.
class Paths {
public:
    // Every "\" becomes "/".
    static QString normalize(const QString& path);
    // Starts with "/", or has ":" as its second character (a Windows drive path).
    static bool isFull(const QString& path);
    // A relative path becomes the program folder, "/" and the path; "" stays "".
    static QString resolve(const QString& path);
    // Two spellings of one file: the same text, the same cleaned path, or the
    // same file on disc (links, "..", doubled separators).
    static bool sameFile(const QString& a, const QString& b);
    // The path as a message names it: relative to the program folder when it
    // lies inside it ("lists/a.adl"), else full.
    static QString shown(const QString& path);
};
