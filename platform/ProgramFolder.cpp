#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString& storedPath()
{
    static QString path;
    return path;
}

QString withoutFinalSlash(QString dir)
{
    while (dir.size() > 1 && dir.endsWith(u'/'))
        dir.chop(1);
    return dir;
}

QString resolveDefault()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (!exeDir.isEmpty() && QFileInfo(exeDir + QStringLiteral("/settings.aef")).isFile())
        return exeDir;
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share/quordvd");
    QDir().mkpath(data);
    return data;
}

} // namespace

QString ProgramFolder::path()
{
    QString& p = storedPath();
    if (p.isEmpty())
        p = withoutFinalSlash(resolveDefault());
    return p;
}

void ProgramFolder::setPath(const QString& dir) { storedPath() = withoutFinalSlash(QDir::fromNativeSeparators(dir)); }

int ProgramFolder::seedDefaults(const QString& resourceRoot)
{
    const QString target = path();
    const QString root = withoutFinalSlash(resourceRoot);
    int copied = 0;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString dest = target + source.mid(root.size());
        if (QFileInfo::exists(dest))
            continue;
        QDir().mkpath(QFileInfo(dest).absolutePath());
        if (QFile::copy(source, dest)) {
            // Files from the resources arrive read-only; the user must be able to change them.
            QFile::setPermissions(dest, QFile::permissions(dest) | QFile::WriteOwner | QFile::ReadOwner);
            ++copied;
        }
    }
    return copied;
}
