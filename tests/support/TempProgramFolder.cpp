#include "tests/support/TempProgramFolder.h"

#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempProgramFolder::TempProgramFolder()
{
    m_previous = ProgramFolder::path();
    ProgramFolder::setPath(m_dir.path());
}

TempProgramFolder::~TempProgramFolder() { ProgramFolder::setPath(m_previous); }

QString TempProgramFolder::file(const QString& relative) const { return m_dir.path() + u'/' + relative; }

QString TempProgramFolder::write(const QString& relative, const QByteArray& bytes) const
{
    const QString full = file(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return full;
}

QString TempProgramFolder::writeLines(const QString& relative, const QStringList& lines) const
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return write(relative, bytes);
}

QByteArray TempProgramFolder::read(const QString& relative) const
{
    QFile f(file(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TempProgramFolder::writeLanguageTable(const char* file, const char* german, const char* english,
                                           const QMap<int, QString>& own) const
{
    QStringList lines;
    for (int k = 1; k <= 200; ++k)
        lines << (own.contains(k) ? QStringLiteral("%1#%2#%2").arg(k).arg(own[k])
                                  : QStringLiteral("%1#%2 %1#%3 %1").arg(k).arg(QLatin1String(german),
                                                                                QLatin1String(english)));
    writeLines(QStringLiteral("languages/") + QLatin1String(file), lines);
}
