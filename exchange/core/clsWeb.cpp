#include "exchange/core/clsWeb.h"

#include "data/clsStringFunctions.h"
#include "platform/RuntimeError.h"
#include "platform/UrlOpener.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

const QString kSeparator = QStringLiteral("#");

bool holdsLineBreak(const QString& text) { return text.contains(u'\r') || text.contains(u'\n'); }

} // namespace

clsWeb::clsWeb(const QString& path) : m_path(path)
{
    try {
        m_favourites.Load(m_path, true, true);
    } catch (const RuntimeError& e) {
        m_favourites.Clear();
        m_readable = false;
        m_readFailure = e.detail();
    }
}

std::optional<QString> clsWeb::webAddress(const QString& url)
{
    QString address = url.trimmed();
    // "name:" starts a scheme; "host:8080" does not.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:(?!\\d)"));
    if (!scheme.match(address).hasMatch())
        address.prepend(QStringLiteral("http://"));
    const QUrl parsed(address);
    const QString s = parsed.scheme();
    if (!parsed.isValid() || parsed.host().isEmpty() || (s != u"http" && s != u"https" && s != u"ftp"))
        return std::nullopt;
    return address;
}

bool clsWeb::Navigate(const QString& url) const
{
    // Anything else (file:, javascript:, a program's own scheme) would be run by the desktop.
    const std::optional<QString> address = webAddress(url);
    if (!address)
        return false;
    Opener::get().openUrl(*address);
    return true;
}

bool clsWeb::AddFavoriteLink(const QString& title, const QString& url)
{
    if (GetFavoriteCount() >= kMaxFavourites || title.contains(kSeparator) || holdsLineBreak(title) ||
        holdsLineBreak(url))
        return false;
    clsDefaultListFileHandler lines = m_favourites;
    lines.Add(title + kSeparator + url);
    save(lines);
    return true;
}

void clsWeb::RemoveFavoriteLink(int nr)
{
    if (nr < 1 || nr > GetFavoriteCount())
        return;
    clsDefaultListFileHandler lines = m_favourites;
    lines.Remove(nr);
    save(lines);
}

void clsWeb::save(const clsDefaultListFileHandler& lines)
{
    if (!m_readable)
        throw RuntimeError(ErrorKind::InputOutput,
                           QStringLiteral("%1 could not be read, so it is not overwritten").arg(m_path));
    lines.Save(m_path);
    m_favourites = lines;
}

QString clsWeb::GetFavoriteUrlByNr(int nr) const
{
    if (nr < 1 || nr > GetFavoriteCount())
        return QString();
    const QString line = m_favourites.getElement(nr);
    const qsizetype at = line.indexOf(kSeparator);
    return at < 0 ? QString() : line.mid(at + 1);
}

QString clsWeb::GetFavoriteTitleByNr(int nr) const
{
    if (nr < 1 || nr > GetFavoriteCount())
        return QString();
    return clsStringFunctions::GetStringPartBySeparator(m_favourites.getElement(nr), 1, kSeparator);
}
