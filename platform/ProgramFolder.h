#pragma once

#include <QString>

// The folder that holds every file of the program: beside the executable for a
// portable install (a "settings.aef" lies there), else the user's data folder.
class ProgramFolder {
public:
    // The folder without a final "/"; resolved (and created) on first use.
    static QString path();
    // Start-up and tests choose the folder themselves.
    static void setPath(const QString& dir);

    // Copies every file under resourceRoot (":/defaults") into the folder,
    // each only when it is missing there: user data is never overwritten.
    // Returns the number of files copied.
    static int seedDefaults(const QString& resourceRoot);
};
