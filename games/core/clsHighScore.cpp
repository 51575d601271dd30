#include "games/core/clsHighScore.h"

#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"

#include <QFileInfo>

clsHighScore::clsHighScore(const QString& relativePath) : m_relativePath(relativePath) {}

QString clsHighScore::Path() const { return ProgramFolder::path() + u'/' + m_relativePath; }

bool clsHighScore::Load()
{
    const QString path = Path();
    m_failure.clear();
    try {
        m_list.Load(path);
        m_unreadable = false;
        return true;
    } catch (const RuntimeError& e) {
        m_list.Clear();
        m_failure = e.detail();
        // A file that exists but could not be read still holds scores.
        m_unreadable = QFileInfo(path).isFile();
        return false;
    }
}

bool clsHighScore::Save()
{
    if (m_unreadable) {
        m_failure = QStringLiteral("%1 could not be read, so it is not overwritten").arg(Path());
        return false;
    }
    try {
        m_list.Save(Path());
        m_failure.clear();
        return true;
    } catch (const RuntimeError& e) {
        m_failure = e.detail();
        return false;
    }
}

bool clsHighScore::IsValidName(const QString& name)
{
    if (name.isEmpty() || name.size() > kMaxNameLength)
        return false;
    for (const QChar c : name) {
        if (c == u'#' || c == u'\r' || c == u'\n')
            return false;
    }
    return true;
}

QString clsHighScore::AskName(const QString& prompt, const QString& title)
{
    for (;;) {
        const QString name = Messages::get().inputBox(prompt, title, QString());
        if (IsValidName(name))
            return name;
    }
}

bool clsHighScore::Add(const QString& name, int count, std::int16_t points)
{
    if (!IsValidName(name))
        return false;
    m_list.Add(name + QStringLiteral(" (") + QString::number(count) + u')', points, true);
    return true;
}

QString clsHighScore::RankingText() const { return m_list.rankingText(kShown, QStringLiteral(" P.")); }

void clsHighScore::Show(const QString& title) const { m_list.ShowMessageList(title, kShown); }
