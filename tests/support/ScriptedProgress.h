#pragma once

#include "platform/ProgressService.h"

#include <QStringList>
#include <vector>

// Stands in for the progress display: records what it was shown and presses
// cancel once a scripted number of steps is done. Fails the test when a step
// comes outside begin and end, or a display is left open.
class ScriptedProgress : public ProgressService {
public:
    ScriptedProgress();
    ~ScriptedProgress() override;

    // Cancel is pressed once `steps` steps are done (0: before the first ends).
    ScriptedProgress& cancelAfter(int steps);

    void begin(const QString& title, const QString& cancelText, int total) override;
    bool step(int done, const QString& label) override;
    void end() override;

    QStringList titles;      // of each display, in order
    QStringList cancelTexts; // of each display, in order
    std::vector<int> totals; // of each display, in order
    std::vector<int> steps;  // every `done` reported, in order
    QStringList labels;      // every label shown, in order
    bool open = false;

private:
    int m_cancelAfter = -1;
    Progress::Scoped m_scope;
};
