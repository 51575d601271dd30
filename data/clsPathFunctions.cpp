#include "data/clsPathFunctions.h"

#include "platform/Paths.h"
#include "platform/ProgramFolder.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

QString clsPathFunctions::getFilename(const QString& path, bool withEnding)
{
    const QString p = Paths::normalize(path);
    // Positions are 0-based here: the search starts 4 characters before the end.
    for (qsizetype i = p.size() - 5; i >= 0; --i) {
        if (p[i] == u'/') {
            const QString name = p.mid(i + 1);
            return withEnding ? name : name.left(name.size() - 4);
        }
    }
    return QString();
}

QString clsPathFunctions::makeFilenameWithFileformat(const QString& path, const QString& ext)
{
    return getFilename(path, false) + u'.' + ext;
}

QString clsPathFunctions::getFileEnding(const QString& path)
{
    const QString name = getFilename(path, true);
    if (name.size() < 4)
        return QStringLiteral("ERROR");
    return name.right(3);
}

bool clsPathFunctions::checkIfFileExists(const QString& path, int kind)
{
    if (path.isEmpty())
        return false;
    // One plain stat: windows ask this of their settings and texts at every opening.
    const QString full = Paths::resolve(path);
    struct stat st {};
    if (::stat(QFile::encodeName(full).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    if (QStringView(full).sliced(full.lastIndexOf(u'/') + 1).startsWith(u'.'))
        return false; // hidden

    const QString e = getFileEnding(path).toLower();
    switch (kind) {
    case 0: return true;
    case 1: return e == u"bmp" || e == u"jpg" || e == u"gif";
    case 2: return e == u"mid" || e == u"wav";
    case 3: return e == u"avi" || e == u"swf" || e == u"mpg" || e == u"wmv";
    case 4: return e == u"txt";
    default: return false;
    }
}

QString clsPathFunctions::ChangeIntoFullPathIfRelative(QString& path)
{
    path = Paths::resolve(path);
    return path;
}

QString clsPathFunctions::ChangeIntoRelativePathIfFull(QString& path)
{
    const QString p = Paths::normalize(path);
    const QString prefix = ProgramFolder::path() + u'/';
    if (p.size() > prefix.size() && p.startsWith(prefix))
        path = p.mid(prefix.size());
    return path;
}

bool clsPathFunctions::FolderExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(Paths::resolve(path)).isDir();
}

bool clsPathFunctions::isPlainFileName(const QString& name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (QChar c : name) {
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}
