#pragma once

#include "data/clsDefaultListFileHandler.h"

#include <QString>
#include <cstdint>
#include <vector>

// A ranking of lines "name#number" in order of the number, with its file
// (the high-score lists). A name may hold "#": the number follows the last one.
class clsSortedList {
public:
    // Before the first entry with a smaller number (descending) or a greater
    // one (ascending), so after entries of equal number; else at the end.
    void Add(const QString& name, std::int16_t number, bool descending);
    // Removes entry i when i is at most the entry count; else nothing.
    void Remove(int i);
    // A missing file is created empty.
    void Load(const QString& path);
    void Save(const QString& path) const;
    void Clear();
    // "" when i is above the entry count.
    QString ListItemName(int i) const;
    // 0 when the entry holds no number (or i is above the entry count).
    std::int16_t ListItemNumber(int i) const;
    int getListSize() const { return m_lines.getListSize(); }
    // The first n entries in a message box with an OK button and the title.
    void ShowMessageList(const QString& title, int n) const;

    // CR LF, "k) name - number" and suffix for each of the first n entries.
    QString rankingText(int n, const QString& suffix) const;

private:
    static std::int16_t numberOf(const QString& line);
    int insertPosition(std::int16_t number, bool descending) const;
    void updateOrder(int i);

    clsDefaultListFileHandler m_lines;
    // The entries' numbers, kept beside the lines so that an insert does not
    // parse the whole list again.
    std::vector<std::int16_t> m_numbers;
    // Whether the numbers never rise (fall) from one entry to the next; then
    // an insert searches by halves instead of walking the list. A file may
    // hold its entries in any order, so this is checked, not assumed.
    bool m_neverRising = true;
    bool m_neverFalling = true;
};
