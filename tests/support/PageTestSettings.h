#pragma once

#include "data/clsOptions.h"
#include "tests/support/TempProgramFolder.h"

// What the page tests on the fake host and on the whole window start from:
// language files whose every line names itself ("Stil 14" / "Style 14",
// "Meldung 27", "Box 3"), German, and colours a test can tell apart.
namespace PageTestSettings {

inline void writeLanguages(const TempProgramFolder& folder)
{
    folder.writeLanguageTable("english-style.ass", "Stil", "Style");
    folder.writeLanguageTable("english-message.ass", "Meldung", "Message");
    folder.writeLanguageTable("english-box.ass", "Box", "Box");
}

inline void apply(clsOptions& o)
{
    o.setLanguage(0);
    o.setColorFont(0x000000FF);      // red
    o.setColorBG(0x00FF0000);        // blue
    o.setColorEntryFont(0x0000FF00); // green
    o.setColorEntryBG(0x00FFFFFF);
    o.setColorRating(0x0000FFFF);    // yellow
    o.setOwnLabelCaption(QStringLiteral("Extras"));
    o.setSound(0);
}

} // namespace PageTestSettings
