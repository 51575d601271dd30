#include "data/clsDefaultListFileHandler.h"

#include "data/clsPathFunctions.h"
#include "platform/Paths.h"
#include "platform/RuntimeError.h"
#include "platform/SequentialFile.h"

#include <QFile>

int clsDefaultListFileHandler::capacity() const { return std::max(kSlots, m_count + 1); }

QString& clsDefaultListFileHandler::slot(int i)
{
    if (i < 0 || i > capacity())
        throw RuntimeError(ErrorKind::Index, QStringLiteral("line %1").arg(i));
    if (static_cast<size_t>(i) >= m_items.size())
        m_items.resize(static_cast<size_t>(i) + 1);
    return m_items[static_cast<size_t>(i)];
}

void clsDefaultListFileHandler::Load(const QString& path, bool createIfMissing, bool clearFirst,
                                     const QString& suffix, bool numbered)
{
    if (clearFirst)
        m_count = 0;
    if (clsPathFunctions::checkIfFileExists(path, 0)) {
        SequentialFile file(path, SequentialFile::Mode::Input);
        int n = 0;
        while (!file.eof()) {
            ++n;
            QString line = file.readLine() + suffix;
            if (numbered)
                line += QString::number(n);
            Add(line);
        }
    } else if (createIfMissing) {
        Save(path);
    }
}

void clsDefaultListFileHandler::Save(const QString& path) const
{
    SequentialFile file(path, SequentialFile::Mode::Output);
    for (int i = 1; i <= m_count; ++i)
        file.writeLine(m_items[static_cast<size_t>(i)]);
    file.close();
}

QString clsDefaultListFileHandler::getElement(int i) const
{
    if (i < 0 || i > capacity())
        throw RuntimeError(ErrorKind::Index, QStringLiteral("line %1").arg(i));
    return static_cast<size_t>(i) < m_items.size() ? m_items[static_cast<size_t>(i)] : QString();
}

void clsDefaultListFileHandler::Add(const QString& s)
{
    slot(m_count + 1) = s;
    ++m_count;
}

void clsDefaultListFileHandler::AddToPosition(const QString& s, int pos)
{
    if (pos < 1 || pos > m_count + 1)
        return;
    ShiftUp(pos);
    slot(pos) = s;
    ++m_count;
}

void clsDefaultListFileHandler::Change(int i, const QString& s) { slot(i) = s; }

void clsDefaultListFileHandler::Remove(int i)
{
    if (i < 1 || i > m_count)
        throw RuntimeError(ErrorKind::Index, QStringLiteral("line %1 of %2").arg(i).arg(m_count));
    ShiftDown(i);
    --m_count;
}

void clsDefaultListFileHandler::RemoveStr(const QString& s)
{
    for (int i = 1; i <= m_count; ++i) {
        if (m_items[static_cast<size_t>(i)] == s) {
            Remove(i);
            return;
        }
    }
}

void clsDefaultListFileHandler::ShiftDown(int i)
{
    // Slots 1..count always exist, so plain indexing is safe below.
    for (int k = std::max(i, 0); k < m_count; ++k)
        m_items[static_cast<size_t>(k)] = std::move(m_items[static_cast<size_t>(k) + 1]);
    if (m_count > std::max(i, 0))
        m_items[static_cast<size_t>(m_count)] = m_items[static_cast<size_t>(m_count) - 1];
}

void clsDefaultListFileHandler::ShiftUp(int i)
{
    const int from = std::max(i, 0);
    if (from > m_count)
        return;
    slot(m_count + 1); // make room before taking references
    for (int k = m_count; k > from; --k)
        m_items[static_cast<size_t>(k) + 1] = std::move(m_items[static_cast<size_t>(k)]);
    m_items[static_cast<size_t>(from) + 1] = m_items[static_cast<size_t>(from)];
}

bool clsDefaultListFileHandler::KillFile(const QString& path) { return QFile::remove(Paths::resolve(path)); }
