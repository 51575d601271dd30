#pragma once

#include "platform/UrlOpener.h"

// Opens addresses and documents through the desktop's own programs.
class QtUrlOpener : public UrlOpener {
public:
    bool openUrl(const QString& url) override;
    bool openDocument(const QString& path) override;
};
