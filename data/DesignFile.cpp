#include "data/DesignFile.h"

#include "data/clsDefaultListFileHandler.h"
#include "data/clsPathFunctions.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/RuntimeError.h"

namespace {

clsDefaultListFileHandler linesOf(const QString& path)
{
    clsDefaultListFileHandler lines;
    lines.Load(path, false, true);
    return lines;
}

// Line i, or "" beyond the file's end (never a line of an earlier file).
QString lineOf(const clsDefaultListFileHandler& lines, int i)
{
    return i <= lines.getListSize() ? lines.getElement(i) : QString();
}

// Line i converted to a number; a line that holds none, or one out of
// range, is named by the file and the line.
template <class Convert>
auto numberAt(const clsDefaultListFileHandler& lines, const QString& path, int i, Convert convert)
{
    const auto located = [&](ErrorKind kind, const QString& detail) {
        return RuntimeError(kind, QStringLiteral("%1, line %2: %3").arg(Paths::shown(path)).arg(i).arg(detail));
    };
    if (i > lines.getListSize())
        throw located(ErrorKind::EndOfFile, QStringLiteral("the file ends before this line"));
    try {
        return convert(lineOf(lines, i));
    } catch (const RuntimeError& e) {
        throw located(e.kind(), e.detail());
    }
}

std::int32_t colourAt(const clsDefaultListFileHandler& lines, const QString& path, int i)
{
    return numberAt(lines, path, i, [](const QString& text) { return Numbers::toInt32(text); });
}

double protectionOf(const clsDefaultListFileHandler& lines, const QString& path)
{
    return numberAt(lines, path, 10, [](const QString& text) { return Numbers::parse(text); });
}

QString fullPath(QString path) { return clsPathFunctions::ChangeIntoFullPathIfRelative(path); }

} // namespace

DesignFile DesignFile::read(const QString& path)
{
    const clsDefaultListFileHandler lines = linesOf(path);
    DesignFile d;
    d.BGpath = fullPath(lineOf(lines, 1));
    d.SoundClick = fullPath(lineOf(lines, 2));
    d.SoundStart = fullPath(lineOf(lines, 3));
    d.SoundAlert = fullPath(lineOf(lines, 4));
    d.colors.font = colourAt(lines, path, 5);
    d.colors.background = colourAt(lines, path, 6);
    d.colors.entryFont = colourAt(lines, path, 7);
    d.colors.entryBackground = colourAt(lines, path, 8);
    d.colors.rating = colourAt(lines, path, 9);
    d.protection = protectionOf(lines, path);
    return d;
}

void DesignFile::write(const QString& path) const
{
    clsDefaultListFileHandler lines;
    for (const QString& p : {BGpath, SoundClick, SoundStart, SoundAlert})
        lines.Add(p);
    for (const Color c : {colors.font, colors.background, colors.entryFont, colors.entryBackground, colors.rating})
        lines.Add(QString::number(c));
    lines.Add(QStringLiteral("0"));
    lines.Save(path);
}

bool DesignFile::refusesOverwrite(const QString& path) { return protectionOf(linesOf(path), path) != 0; }
