#include "data/DesignFile.h"

#include "data/clsDefaultListFileHandler.h"
#include "data/clsPathFunctions.h"
#include "platform/Numbers.h"

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
    d.colors.font = Numbers::toInt32(lineOf(lines, 5));
    d.colors.background = Numbers::toInt32(lineOf(lines, 6));
    d.colors.entryFont = Numbers::toInt32(lineOf(lines, 7));
    d.colors.entryBackground = Numbers::toInt32(lineOf(lines, 8));
    d.colors.rating = Numbers::toInt32(lineOf(lines, 9));
    d.protection = Numbers::parse(lineOf(lines, 10));
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

bool DesignFile::refusesOverwrite(const QString& path) { return Numbers::parse(lineOf(linesOf(path), 10)) != 0; }
