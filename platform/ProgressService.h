#pragma once

#include "platform/Seam.h"

#include <QString>

// A progress display with a count and a cancel button for long work that
// blocks the window (the upload of every title). Reached only through
// Seam<ProgressService>. One display at a time.
class ProgressService {
public:
    virtual ~ProgressService() = default;

    // Shows the display for `total` steps, none done yet.
    virtual void begin(const QString& title, const QString& cancelText, int total) = 0;
    // Shows `done` steps finished with `label`; false once the user has
    // asked to cancel. The caller stops after the step it is in.
    virtual bool step(int done, const QString& label) = 0;
    // Closes the display.
    virtual void end() = 0;
};

using Progress = Seam<ProgressService>;
