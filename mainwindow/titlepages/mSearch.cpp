#include "mainwindow/titlepages/mSearch.h"

#include "data/clsPathFunctions.h"
#include "data/clsStringFunctions.h"
#include "platform/Numbers.h"

std::array<SearchHit, mSearch::kCapacity + 1>& mSearch::Hits()
{
    static std::array<SearchHit, kCapacity + 1> hits;
    return hits;
}

std::int16_t& mSearch::HitCount()
{
    static std::int16_t count = 0;
    return count;
}

void mSearch::Reset(const clsDatentraegerList& list)
{
    auto& hits = Hits();
    const int n = std::min(list.getListSize(), kCapacity);
    for (int i = 1; i <= n; ++i) {
        hits[i].Titel = list.getDataString(i, clsDatentraegerList::FieldFilmname);
        hits[i].DVDNr = static_cast<std::int16_t>(i);
        hits[i].Treffer = true;
    }
    HitCount() = static_cast<std::int16_t>(n);
}

double mSearch::Criterion::number() const
{
    if (!m_number)
        m_number = Numbers::intFloor(Numbers::parse(m_s));
    return *m_number;
}

bool mSearch::Criterion::keeps(const clsDatentraegerList& list, int pos) const
{
    using L = clsDatentraegerList;
    // A title deleted since the reset: nothing stands there any more.
    if (pos < 1 || pos > list.getListSize())
        return false;

    auto contains = [&](int field) { return clsStringFunctions::IsInString(list.getDataString(pos, field), m_s); };
    // 0 equal, 1 at most, 2 at least
    auto compare = [&](double value, int mode) {
        const double n = number();
        switch (mode) {
        case 0: return value == n;
        case 1: return value <= n;
        default: return value >= n;
        }
    };
    auto numeric = [&](int field, int mode) {
        return compare(Numbers::intFloor(Numbers::parse(list.getDataString(pos, field))), mode);
    };
    auto year = [&](int mode) {
        const int y = clsStringFunctions::GetYearInString(list.getDataString(pos, L::FieldLandJahr));
        // The search value is checked even for titles without a year.
        const bool passes = compare(y, mode);
        return y != 0 && passes;
    };

    switch (m_k) {
    case 1: return contains(L::FieldFilmname);
    case 2: case 3: case 4: return numeric(L::FieldBewertung, m_k - 2);
    case 5: return contains(L::FieldGenre);
    case 6: return contains(L::FieldLandJahr);
    case 7: case 8: case 9: return year(m_k - 7);
    case 10: case 11: case 12: return numeric(L::FieldFsk, m_k - 10);
    case 13: case 14: case 15: return numeric(L::FieldLaenge, m_k - 13);
    case 16: case 17: case 18: return numeric(L::FieldKaufpreis, m_k - 16);
    case 19: return contains(L::FieldRegie);
    case 20: return contains(L::FieldSonstiges);
    case 21: return contains(L::FieldSchauspielerAll);
    case 22: return contains(L::FieldFormat);
    case 23: return clsPathFunctions::checkIfFileExists(list.getDataString(pos, L::FieldTrailerpfad), 3);
    case 24: return !clsPathFunctions::checkIfFileExists(list.getDataString(pos, L::FieldTrailerpfad), 3);
    case 25: return clsPathFunctions::checkIfFileExists(list.getDataString(pos, L::FieldZusatztextPfad), 4);
    case 26: return !clsPathFunctions::checkIfFileExists(list.getDataString(pos, L::FieldZusatztextPfad), 4);
    default: return true;
    }
}
