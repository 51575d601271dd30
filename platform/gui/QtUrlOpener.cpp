#include "platform/gui/QtUrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

bool QtUrlOpener::openUrl(const QString& url) { return QDesktopServices::openUrl(QUrl(url)); }

bool QtUrlOpener::openDocument(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
