#include "data/clsSortedDiskList.h"

#include "platform/MessageService.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <vector>

void clsSortedDiskList::loadDiskList(const QString& path, int field)
{
    Clear();
    m_titles.Load(path);
    struct Ranked {
        QString name;
        std::int16_t value;
    };
    std::vector<Ranked> ranked;
    ranked.reserve(static_cast<size_t>(m_titles.getListSize()));
    for (int i = 1; i <= m_titles.getListSize(); ++i)
        ranked.push_back({m_titles.getDataString(i, clsDatentraegerList::FieldFilmname),
                          Numbers::toInt16(m_titles.getDataString(i, field))});
    // Adding in this order lets each title go to the end of the ranking, as a
    // descending insert would place it, without a walk through a long list.
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) { return a.value > b.value; });
    for (const Ranked& r : ranked)
        m_ranking.Add(r.name, r.value, true);
}

void clsSortedDiskList::Clear()
{
    m_ranking.Clear();
    m_titles.ClearList();
}

void clsSortedDiskList::ShowMessageList(int n) const
{
    Messages::get().messageBox(m_ranking.rankingText(n, QString()), MsgButtons::Ok, QStringLiteral("Datens\u00e4tze"));
}
