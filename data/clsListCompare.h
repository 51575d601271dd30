#pragma once

#include "data/clsDefaultListFileHandler.h"

#include <QString>

// Merges two line files: list A, then every line of list B that A does not
// hold (ignoring case), written to a third file.
class clsListCompare {
public:
    // Missing A or B files are created empty. The output is replaced only by
    // a complete file; errors reach the caller and then no summary is shown.
    void FusionOfAandB(const QString& pathA, const QString& pathB, const QString& pathOut);

private:
    clsDefaultListFileHandler m_a;
    clsDefaultListFileHandler m_b;
    clsDefaultListFileHandler m_out;
};
