#include "data/clsSortedDiskList.h"

#include "platform/MessageService.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <vector>

void clsSortedDiskList::loadDiskList(const QString& path, int field)
{
    Clear();
    clsDatentraegerList titles;
    titles.Load(path);
    rankTitles(titles, field);
}

namespace {

std::int16_t fieldValue(const clsDatentraegerList& titles, int i, int field)
{
    const clsDatentraeger& d = titles.titleAt(i);
    switch (field) {
    case clsDatentraegerList::FieldBewertung: return d.GetBewertung();
    case clsDatentraegerList::FieldFsk: return d.GetFsk();
    case clsDatentraegerList::FieldLaenge: return d.GetLaenge();
    case clsDatentraegerList::FieldKaufpreis: return d.GetKaufpreis();
    default: return Numbers::toInt16(titles.getDataString(i, field));
    }
}

} // namespace

void clsSortedDiskList::rankTitles(const clsDatentraegerList& titles, int field, int places)
{
    Clear();
    struct Ranked {
        std::int16_t value;
        int index;
    };
    std::vector<Ranked> ranked;
    ranked.reserve(static_cast<size_t>(titles.getListSize()));
    for (int i = 1; i <= titles.getListSize(); ++i)
        ranked.push_back({fieldValue(titles, i, field), i});
    const size_t kept = places > 0 ? std::min(ranked.size(), static_cast<size_t>(places)) : ranked.size();
    // Highest first, equal values in list order.
    std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(kept), ranked.end(),
                      [](const Ranked& a, const Ranked& b) {
                          return a.value != b.value ? a.value > b.value : a.index < b.index;
                      });
    // Adding in this order lets each title go to the end of the ranking, as a
    // descending insert would place it, without a walk through a long list.
    for (size_t k = 0; k < kept; ++k)
        m_ranking.Add(titles.getDataString(ranked[k].index, clsDatentraegerList::FieldFilmname), ranked[k].value, true);
    m_size = titles.getListSize();
}

void clsSortedDiskList::Clear()
{
    m_ranking.Clear();
    m_size = 0;
}

void clsSortedDiskList::ShowMessageList(int n) const
{
    Messages::get().messageBox(m_ranking.rankingText(n, QString()), MsgButtons::Ok, QStringLiteral("Datens\u00e4tze"));
}
