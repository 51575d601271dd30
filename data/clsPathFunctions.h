#pragma once

#include <QString>

// File names, endings, existence tests and paths relative to the program folder.
class clsPathFunctions {
public:
    // The name after the last "/" (the last four characters, taken as the
    // ending, are not searched); "" when there is none. Without the ending
    // the last four characters are dropped.
    static QString getFilename(const QString& path, bool withEnding);
    static QString makeFilenameWithFileformat(const QString& path, const QString& ext);
    // The last three characters of the file name; "ERROR" for a name shorter than four.
    static QString getFileEnding(const QString& path);
    // kind 0 any file, 1 picture (bmp, jpg, gif), 2 sound (mid, wav),
    // 3 video (avi, swf, mpg, wmv), 4 text (txt). The path is taken literally.
    static bool checkIfFileExists(const QString& path, int kind);
    // Relative paths get the program folder in front; the caller's text changes too.
    static QString ChangeIntoFullPathIfRelative(QString& path);
    // A path inside the program folder loses the folder; the caller's text changes too.
    static QString ChangeIntoRelativePathIfFull(QString& path);
    static bool FolderExists(const QString& path);
    // A name that stays inside the folder it is put in: not empty, not "."
    // or "..", without "/", "\" or control characters.
    static bool isPlainFileName(const QString& name);
};
