#pragma once

#include "data/clsSortedList.h"

#include <QString>
#include <cstdint>

// The high-score list of one game: a ranking of "name (count)" lines with
// their points, best first, kept in a file of the program folder.
class clsHighScore {
public:
    static constexpr int kShown = 10;
    static constexpr int kMaxNameLength = 19;

    // relativePath lies in the program folder ("games/quizscore.sco").
    explicit clsHighScore(const QString& relativePath);

    // The full path in the current program folder.
    QString Path() const;
    // Reads the file; a missing file (and its folder) is created empty. False
    // when it can be neither read nor created: the list is then empty, and an
    // existing file that could not be read is never overwritten by Save.
    bool Load();
    // Writes the whole list; false when the file cannot be written (the old
    // file then stays as it was).
    bool Save();
    // Why the last Load or Save failed: the file and the cause.
    const QString& failure() const { return m_failure; }

    // 1 to 19 characters, no "#" and no line break, so that the ranking line
    // reads back as the name and the points that were stored.
    static bool IsValidName(const QString& name);
    // The input box with prompt and title, shown again until IsValidName.
    static QString AskName(const QString& prompt, const QString& title);

    // Adds "name (count)" with the points after every entry with at least as
    // many points. False, and nothing added, for a name IsValidName refuses.
    bool Add(const QString& name, int count, std::int16_t points);

    int getListSize() const { return m_list.getListSize(); }
    // Entry i counted from 1: its text ("name (count)") and its points.
    QString Name(int i) const { return m_list.ListItemName(i); }
    int Points(int i) const { return m_list.ListItemNumber(i); }
    // The best 10 entries as the message box shows them.
    QString RankingText() const;
    // The best 10 entries in a message box with the title.
    void Show(const QString& title) const;

private:
    QString m_relativePath;
    clsSortedList m_list;
    bool m_unreadable = false;
    QString m_failure;
};
