#pragma once

#include "data/Design.h"

#include <QString>

// One design file ("designs/<name>.asd"), ten lines: background picture,
// click, start and alert sounds, the five colours and the protection flag.
// The settings and the settings page both read it here, so they agree on
// what a readable design is and on what its flag protects.
class DesignFile {
public:
    QString BGpath;
    QString SoundClick;
    QString SoundStart;
    QString SoundAlert;
    Design colors;
    // Line 10; designs written here carry 0.
    double protection = 0;

    // Reads the ten lines; relative paths come back full. A colour that is
    // no 32-bit number, a flag that is no number or a file cut short is a
    // run-time error, and nothing of the file is taken.
    static DesignFile read(const QString& path);
    // Writes the ten lines: the paths as they are, the colours as signed
    // decimal numbers and the flag "0".
    void write(const QString& path) const;

    // Any flag but 0 keeps a design from being overwritten; only a flag of
    // exactly 1 keeps it from being deleted.
    bool refusesDelete() const { return protection == 1; }
    // Reads only the flag of the design at path (a flag that is no number is
    // a conversion error), so a file with damaged colours can still be
    // replaced when its flag allows it.
    static bool refusesOverwrite(const QString& path);
};
