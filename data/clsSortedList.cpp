#include "data/clsSortedList.h"

#include "platform/MessageService.h"
#include "platform/Numbers.h"
#include "platform/RuntimeError.h"

#include <algorithm>
#include <cmath>
#include <functional>

std::int16_t clsSortedList::numberOf(const QString& line)
{
    const qsizetype hash = line.lastIndexOf(u'#');
    if (hash < 0)
        return 0;
    const auto value = Numbers::tryParse(line.mid(hash + 1));
    if (!value || !std::isfinite(*value))
        return 0;
    const double rounded = Numbers::roundHalfEven(*value);
    if (rounded < -32768 || rounded > 32767)
        return 0;
    return static_cast<std::int16_t>(rounded);
}

int clsSortedList::insertPosition(std::int16_t number, bool descending) const
{
    // The first entry with a smaller (descending) or greater (ascending) number.
    if (descending && m_neverRising)
        return static_cast<int>(std::upper_bound(m_numbers.begin(), m_numbers.end(), number, std::greater<>()) -
                                m_numbers.begin()) + 1;
    if (!descending && m_neverFalling)
        return static_cast<int>(std::upper_bound(m_numbers.begin(), m_numbers.end(), number) - m_numbers.begin()) + 1;
    const int n = getListSize();
    for (int i = 1; i <= n; ++i) {
        const std::int16_t held = m_numbers[static_cast<size_t>(i) - 1];
        if (descending ? held < number : held > number)
            return i;
    }
    return n + 1;
}

// Entry i is new: the order flags hold on when it fits between its neighbours.
void clsSortedList::updateOrder(int i)
{
    const size_t k = static_cast<size_t>(i) - 1;
    const std::int16_t v = m_numbers[k];
    if (k > 0) {
        m_neverRising = m_neverRising && m_numbers[k - 1] >= v;
        m_neverFalling = m_neverFalling && m_numbers[k - 1] <= v;
    }
    if (k + 1 < m_numbers.size()) {
        m_neverRising = m_neverRising && v >= m_numbers[k + 1];
        m_neverFalling = m_neverFalling && v <= m_numbers[k + 1];
    }
}

void clsSortedList::Add(const QString& name, std::int16_t number, bool descending)
{
    const QString line = name + u'#' + QString::number(number);
    const int i = insertPosition(number, descending);
    if (i > getListSize())
        m_lines.Add(line);
    else
        m_lines.AddToPosition(line, i);
    m_numbers.insert(m_numbers.begin() + (i - 1), number);
    updateOrder(i);
}

void clsSortedList::Remove(int i)
{
    if (i > getListSize())
        return;
    m_lines.Remove(i); // index error below 1
    m_numbers.erase(m_numbers.begin() + (i - 1));
}

void clsSortedList::Load(const QString& path)
{
    m_numbers.clear();
    m_lines.Load(path, true, true);
    m_numbers.reserve(static_cast<size_t>(getListSize()));
    for (int i = 1; i <= getListSize(); ++i)
        m_numbers.push_back(numberOf(m_lines.getElement(i)));
    m_neverRising = std::is_sorted(m_numbers.begin(), m_numbers.end(), std::greater<>());
    m_neverFalling = std::is_sorted(m_numbers.begin(), m_numbers.end());
}

void clsSortedList::Save(const QString& path) const { m_lines.Save(path); }

void clsSortedList::Clear()
{
    m_lines.Clear();
    m_numbers.clear();
    m_neverRising = m_neverFalling = true;
}

QString clsSortedList::ListItemName(int i) const
{
    if (i > getListSize())
        return QString();
    const QString line = m_lines.getElement(i);
    const qsizetype hash = line.lastIndexOf(u'#');
    return hash < 0 ? line : line.left(hash);
}

std::int16_t clsSortedList::ListItemNumber(int i) const
{
    if (i > getListSize())
        return 0;
    return numberOf(m_lines.getElement(i));
}

QString clsSortedList::rankingText(int n, const QString& suffix) const
{
    QString text;
    const int m = std::min(n, getListSize());
    for (int k = 1; k <= m; ++k)
        text += QStringLiteral("\r\n%1) %2 - %3").arg(QString::number(k), ListItemName(k), QString::number(ListItemNumber(k))) + suffix;
    return text;
}

void clsSortedList::ShowMessageList(const QString& title, int n) const
{
    Messages::get().messageBox(rankingText(n, QStringLiteral(" P.")), MsgButtons::Ok, title);
}
