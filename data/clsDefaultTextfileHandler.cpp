#include "data/clsDefaultTextfileHandler.h"

#include "data/clsPathFunctions.h"
#include "platform/RuntimeError.h"
#include "platform/SequentialFile.h"

#include <QRegularExpression>

QString clsDefaultTextfileHandler::ReadTxtFile(const QString& path, bool createIfMissing)
{
    if (!clsPathFunctions::checkIfFileExists(path, 0)) {
        if (createIfMissing)
            WriteTxtFile(path, QString());
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
        SequentialFile file(path, SequentialFile::Mode::Output);
        // Any line end the text carries is written as CR LF.
        static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
        file.writeLine(QString(text).replace(lineEnd, QStringLiteral("\r\n")));
        file.close();
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

int clsDefaultTextfileHandler::SearchForText(const QString& text, const QString& find)
{
    return static_cast<int>(text.indexOf(find, 0, Qt::CaseInsensitive) + 1);
}
