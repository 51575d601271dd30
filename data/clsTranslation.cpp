#include "data/clsTranslation.h"

#include "data/clsDefaultListFileHandler.h"
#include "data/clsPathFunctions.h"
#include "data/clsStringFunctions.h"
#include "platform/RuntimeError.h"

void clsTranslation::Load(const QString& path)
{
    clsDefaultListFileHandler lines;
    if (clsPathFunctions::checkIfFileExists(path, 0)) {
        lines.Load(path, false, true);
    } else {
        // An empty file is left for the translator; a folder that cannot take
        // it still gives a usable (empty) table.
        try {
            lines.Save(path);
        } catch (const RuntimeError&) {
        }
    }
    m_count = std::min(lines.getListSize(), kMaxEntries);
    for (int k = 1; k <= kMaxEntries; ++k) {
        Entry& e = m_entries[static_cast<size_t>(k)];
        if (k <= m_count) {
            const QString line = lines.getElement(k);
            e.key = clsStringFunctions::GetStringPartBySeparator(line, 1, QStringLiteral("#"));
            e.first = clsStringFunctions::GetStringPartBySeparator(line, 2, QStringLiteral("#"));
            e.second = clsStringFunctions::GetStringPartBySeparator(line, 3, QStringLiteral("#"));
        } else {
            e = Entry();
        }
    }
}

QString clsTranslation::MultiWord(int k) const
{
    if (k < 0 || k > kMaxEntries)
        return QString();
    return pick(m_entries[static_cast<size_t>(k)]);
}

QString clsTranslation::MultiWordSearch(const QString& s) const
{
    for (int k = 1; k <= m_count; ++k) {
        const Entry& e = m_entries[static_cast<size_t>(k)];
        if (e.first == s)
            return pick(e);
    }
    return s;
}
