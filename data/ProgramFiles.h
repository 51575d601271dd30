#pragma once

#include "data/clsPathFunctions.h"
#include "platform/ProgramFolder.h"

#include <QString>

// Every file and folder of the program folder, named once. Each gives the
// full path; folders come without a final "/".
namespace ProgramFiles {

inline QString at(const QString& relative) { return ProgramFolder::path() + u'/' + relative; }

// Files.
inline QString settings() { return at(QStringLiteral("settings.aef")); }
inline QString password() { return at(QStringLiteral("password.apw")); }
inline QString serverAddress() { return at(QStringLiteral("serverurl.txt")); }
inline QString notes() { return at(QStringLiteral("notes.txt")); }
inline QString longTextTemplate() { return at(QStringLiteral("longtext-standard.txt")); }
inline QString favourites() { return at(QStringLiteral("favorites.txt")); }
inline QString actors() { return at(QStringLiteral("actor.txt")); }
inline QString directors() { return at(QStringLiteral("director.txt")); }
inline QString genres(int language) { return at(QStringLiteral("genre%1.txt").arg(language)); }
inline QString excelExport() { return at(QStringLiteral("ExportExcel.xlsx")); }
inline QString shelfBackground() { return at(QStringLiteral("shelf.gif")); }
inline QString splashPicture() { return at(QStringLiteral("Wexul.bmp")); }
inline QString help(int language) { return at(QStringLiteral("help%1.html").arg(language)); }
inline QString webPage(int page) { return at(QStringLiteral("website%1.htm").arg(page)); }
// The collection's PDF; a digit names the next free one beside it.
inline QString collectionPdf() { return at(QStringLiteral("QuorDVDSammlung.pdf")); }
inline QString collectionPdf(int digit) { return at(QStringLiteral("QuorDVDSammlung%1.pdf").arg(digit)); }

// The language files of each part of the program.
inline QString styleTexts() { return at(QStringLiteral("languages/english-style.ass")); }
inline QString messageTexts() { return at(QStringLiteral("languages/english-message.ass")); }
inline QString boxTexts() { return at(QStringLiteral("languages/english-box.ass")); }
inline QString pdfTexts() { return at(QStringLiteral("languages/english-pdf.ass")); }
inline QString shelfTexts() { return at(QStringLiteral("languages/english-shelf.ass")); }
inline QString gameTexts() { return at(QStringLiteral("languages/english-game.ass")); }

// Folders.
inline QString lists() { return at(QStringLiteral("lists")); }
inline QString shelves() { return at(QStringLiteral("shelves")); }
inline QString designs() { return at(QStringLiteral("designs")); }
inline QString covers() { return at(QStringLiteral("cover")); }
inline QString trailers() { return at(QStringLiteral("trailer")); }
inline QString html() { return at(QStringLiteral("html")); }
inline QString directorFilmographies() { return at(QStringLiteral("games/filmographies/directors")); }
inline QString actorFilmographies() { return at(QStringLiteral("games/filmographies/actors")); }

// A person's portrait.
inline QString portrait(const QString& name) { return at(QStringLiteral("portraits/") + name + QStringLiteral(".jpg")); }

// The long text of a title, named after its cover.
inline QString longTextOf(const QString& coverPath)
{
    return at(QStringLiteral("longtexts/") + clsPathFunctions::getFilename(coverPath, false) + QStringLiteral(".txt"));
}

// The shelf of a list file, named after the list.
inline QString shelfOf(const QString& listPath)
{
    return shelves() + u'/' + clsPathFunctions::getFilename(listPath, false) + QStringLiteral(".arf");
}

} // namespace ProgramFiles
