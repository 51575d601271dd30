#pragma once

#include "data/clsDatentraegerList.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// One title of the search table: its name and position when the table was
// last reset, and whether it still matches.
struct SearchHit {
    QString Titel;
    std::int16_t DVDNr = 0;
    bool Treffer = false;
};

// The program-wide search table: entries 1 to HitCount, rebuilt only by the
// reset. Later changes of the collection are not followed; the criteria read
// whatever title stands at an entry's position now.
class mSearch {
public:
    static constexpr int kCapacity = 10000;
    // The last criterion, the random pick, is done by the search page.
    static constexpr int kCriteria = 27;
    static constexpr int kRandomPick = 27;

    static std::array<SearchHit, kCapacity + 1>& Hits();
    static std::int16_t& HitCount();

    // Every title of the collection is a hit again.
    static void Reset(const clsDatentraegerList& list);

    // Criterion k (1 to 26; any other keeps every title) with the search
    // value s. A numeric criterion whose value is no number throws a
    // conversion error. A position outside the collection never passes.
    class Criterion {
    public:
        Criterion(int k, const QString& s) : m_k(k), m_s(s) {}
        bool keeps(const clsDatentraegerList& list, int pos) const;

    private:
        double number() const;
        int m_k;
        QString m_s;
        mutable std::optional<double> m_number;
    };
};
