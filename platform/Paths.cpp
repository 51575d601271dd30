#include "platform/Paths.h"

#include "platform/ProgramFolder.h"

#include <QDir>

#include <filesystem>

QString Paths::normalize(const QString& path)
{
    QString p = path;
    p.replace(u'\\', u'/');
    return p;
}

bool Paths::isFull(const QString& path)
{
    return path.startsWith(u'/') || (path.size() >= 2 && path[1] == u':');
}

QString Paths::resolve(const QString& path)
{
    const QString p = normalize(path);
    if (p.isEmpty() || isFull(p))
        return p;
    return ProgramFolder::path() + u'/' + p;
}

QString Paths::shown(const QString& path)
{
    const QString full = resolve(path);
    const QString root = ProgramFolder::path() + u'/';
    return full.startsWith(root) && full.size() > root.size() ? full.mid(root.size()) : full;
}

bool Paths::sameFile(const QString& a, const QString& b)
{
    if (a == b)
        return true;
    const QString ca = QDir::cleanPath(resolve(normalize(a)));
    const QString cb = QDir::cleanPath(resolve(normalize(b)));
    if (ca == cb)
        return true;
    std::error_code ec;
    const bool equivalent = std::filesystem::equivalent(std::filesystem::path(ca.toStdString()),
                                                        std::filesystem::path(cb.toStdString()), ec);
    return !ec && equivalent;
}
