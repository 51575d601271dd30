#pragma once

#include "data/clsDefaultListFileHandler.h"

#include <QString>
#include <optional>

// The user's web favourites, kept in "favorites.txt" of the program folder
// (one "title#address" a line), and the hand-over of web addresses to the
// user's browser.
class clsWeb {
public:
    static constexpr int kMaxFavourites = 5;

    // Reads the favourites file, or writes an empty one when it is missing.
    // A file that cannot be read leaves the list empty and is never
    // overwritten (see readable()); nothing is thrown.
    explicit clsWeb(const QString& path);

    // Opens a web address in the browser: http, https and ftp only; an
    // address without a scheme is taken as http. False when it was refused
    // and nothing was opened.
    bool Navigate(const QString& url) const;
    // The address Navigate would hand on, or nothing for one it refuses.
    static std::optional<QString> webAddress(const QString& url);

    // Appends a favourite while fewer than 5 are held and writes the file.
    // False, and nothing written, with 5 or more, for a title holding "#" or
    // for a line break in either text. A failed write throws and keeps the
    // list as it was.
    bool AddFavoriteLink(const QString& title, const QString& url);
    // Removes favourite nr (1 to the count) and writes the file; any other
    // nr does nothing. A failed write throws and keeps the list as it was.
    void RemoveFavoriteLink(int nr);
    // The text after the first "#" of line nr, so that an address may hold "#".
    QString GetFavoriteUrlByNr(int nr) const;
    // The text before the first "#" of line nr.
    QString GetFavoriteTitleByNr(int nr) const;
    // Every line of the file counts, also beyond the five the menu shows.
    int GetFavoriteCount() const { return m_favourites.getListSize(); }

    // False when the file could be neither read nor created: the list is
    // empty and every change is refused, so that the file is not replaced.
    bool readable() const { return m_readable; }
    // Why it could not be read: the file and the cause.
    const QString& readFailure() const { return m_readFailure; }

private:
    void save(const clsDefaultListFileHandler& lines);

    QString m_path;
    clsDefaultListFileHandler m_favourites;
    bool m_readable = true;
    QString m_readFailure;
};
