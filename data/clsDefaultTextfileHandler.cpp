#include "data/clsDefaultTextfileHandler.h"

#include "data/clsPathFunctions.h"
#include "platform/RuntimeError.h"
#include "platform/SequentialFile.h"

#include <QRegularExpression>

QString clsDefaultTextfileHandler::ReadTxtFile(const QString& path, bool createIfMissing)
{
    if (!clsPathFunctions::checkIfFileExists(path, 0)) {
        if (createIfMissing)
            WriteTxtFile(path, QStringLiteral("\r\n")); // one line break, as the program always made it
        return QString();
    }
    SequentialFile file(path, SequentialFile::Mode::Input);
    QString text;
    while (!file.eof())
        text += file.readLine() + QStringLiteral("\r\n");
    return text;
}

bool clsDefaultTextfileHandler::WriteTxtFile(const QString& path, const QString& text)
{
    try {
        writeTextFile(path, text);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

void clsDefaultTextfileHandler::writeTextFile(const QString& path, const QString& text)
{
    SequentialFile file(path, SequentialFile::Mode::Output);
    // Any line end the text carries is written as CR LF. The reader ends
    // every line with CR LF, so a text that already ends with a line end
    // gets none more: saving what was read gives the same file back.
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QString lines = QString(text).replace(lineEnd, QStringLiteral("\r\n"));
    if (lines.endsWith(QLatin1String("\r\n")))
        lines.chop(2);
    if (!text.isEmpty())
        file.writeLine(lines);
    file.close();
}

int clsDefaultTextfileHandler::SearchForText(const QString& text, const QString& find)
{
    return static_cast<int>(text.indexOf(find, 0, Qt::CaseInsensitive) + 1);
}
