#pragma once

#include "platform/Seam.h"

#include <QString>

// Hands a web address or a document to the user's own program for it
// (browser, viewer); nothing waits for that program.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // False when no program could be started for it.
    virtual bool openUrl(const QString& url) = 0;
    virtual bool openDocument(const QString& path) = 0;
};

using Opener = Seam<UrlOpener>;
