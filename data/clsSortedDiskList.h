#pragma once

#include "data/clsDatentraegerList.h"
#include "data/clsSortedList.h"

#include <QString>
#include <cstdint>

// A list file's film names ranked by one numeric title field, highest first;
// titles of equal value keep their order in the list.
class clsSortedDiskList {
public:
    // Errors of the list file, and a field value that is no number, reach the caller.
    void loadDiskList(const QString& path, int field);
    // The same ranking of titles already read, only its first `places` kept
    // (all when 0); the list must outlive nothing here.
    void rankTitles(const clsDatentraegerList& titles, int field, int places = 0);
    void Clear();
    QString getElementTitle(int i) const { return m_ranking.ListItemName(i); }
    std::int16_t getElementValue(int i) const { return m_ranking.ListItemNumber(i); }
    // The number of titles read.
    int getListSize() const { return m_size; }
    void ShowMessageList(int n) const;

private:
    int m_size = 0;
    clsSortedList m_ranking;
};
