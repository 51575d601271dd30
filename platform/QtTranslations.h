#pragma once

#include <QString>

#include <cstdint>

// Qt's own texts (the standard buttons, the colour and file dialogs) in the
// program's language: German for language 0, Qt's English otherwise.
class QtTranslations {
public:
    // Qt's translation folder, where the distribution puts its catalogues.
    static QString defaultFolder();
    // Replaces the texts applied before. A missing catalogue is no error:
    // Qt's English stays. True when German texts were loaded.
    static bool apply(std::uint8_t language, const QString& folder = defaultFolder());
};
