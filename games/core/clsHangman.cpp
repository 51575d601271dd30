#include "games/core/clsHangman.h"

#include <limits>

bool clsHangman::IsVisibleChar(QChar c)
{
    static const QString visible = QStringLiteral("- _#(!?/\\&+[]${},.;:'*%~<>");
    return visible.contains(c);
}

void clsHangman::ResetState()
{
    m_misses = 0;
    m_completeWord.clear();
    m_maskedWord.clear();
}

void clsHangman::Start(const QString& word)
{
    ResetState();
    m_completeWord = word;
    m_maskedWord.reserve(word.size());
    for (const QChar c : word)
        m_maskedWord += IsVisibleChar(c) ? c : QChar(u'_');
}

bool clsHangman::CheckWord(const QString& text) const { return text.toLower() == m_completeWord.toLower(); }

std::uint8_t clsHangman::GameStatus() const
{
    if (m_misses >= kMaxMisses)
        return kLost;
    return CheckWord(m_maskedWord) ? kWon : kRunning;
}

bool clsHangman::GiveChar(const QString& c)
{
    bool found = false;
    if (c.size() == 1) {
        const QChar wanted = c.front().toLower();
        for (qsizetype i = 0; i < m_completeWord.size(); ++i) {
            if (m_completeWord[i].toLower() == wanted) {
                m_maskedWord[i] = m_completeWord[i];
                found = true;
            }
        }
    }
    if (!found)
        IncHangmanCount();
    return found;
}

void clsHangman::IncHangmanCount()
{
    if (m_misses < std::numeric_limits<std::int16_t>::max())
        ++m_misses;
}

QString clsHangman::GetRecentWordWithBlanks() const
{
    QString out;
    out.reserve(m_maskedWord.size() * 2);
    for (const QChar c : m_maskedWord) {
        out += c;
        out += u' ';
    }
    return out;
}
