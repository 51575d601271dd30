#pragma once

#include <QString>
#include <vector>

// A list of strings kept in a file of one string per line. Items are 1-based;
// slots above the count keep what they last held. Unlike its 30000-slot
// origin the list grows as far as a file needs.
class clsDefaultListFileHandler {
public:
    static constexpr int kSlots = 30000;

    // clearFirst empties the list; an existing file is appended line by line,
    // each line followed by suffix (and its 1-based number when numbered);
    // a missing file is created from the list when createIfMissing.
    void Load(const QString& path, bool createIfMissing, bool clearFirst, const QString& suffix = QString(),
              bool numbered = false);
    // Items 1 to count, one a line, through a safe rewrite.
    void Save(const QString& path) const;

    int getListSize() const { return m_count; }
    // Slot i (0 to the capacity); index error outside.
    QString getElement(int i) const;
    void Clear() { m_count = 0; }
    void Add(const QString& s);
    // 1 <= pos <= count + 1 inserts there; any other pos does nothing.
    void AddToPosition(const QString& s, int pos);
    void Change(int i, const QString& s);
    // Index error for an index outside 1 to count.
    void Remove(int i);
    // Removes the first item equal to s (case-sensitive).
    void RemoveStr(const QString& s);
    void ShiftDown(int i);
    void ShiftUp(int i);
    static bool KillFile(const QString& path);

private:
    QString& slot(int i);
    int capacity() const;

    std::vector<QString> m_items = std::vector<QString>(1);
    int m_count = 0;
};
