#include "exchange/core/Workbook.h"

#include "exchange/core/XlsWorkbook.h"
#include "exchange/core/XlsxWorkbook.h"
#include "platform/Numbers.h"
#include "platform/RuntimeError.h"

#include <QFile>
#include <QFileInfo>

QString WorkbookCell::asText() const
{
    switch (kind) {
    case Kind::Empty: return QString();
    case Kind::Number: return Numbers::toText(number);
    case Kind::Text: return text;
    }
    return QString();
}

Workbook::~Workbook() = default;

void Workbook::checkCellIndex(int row, int column)
{
    if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns)
        throw RuntimeError(ErrorKind::Index, QStringLiteral("cell %1/%2 lies outside a sheet").arg(row).arg(column));
}

std::unique_ptr<Workbook> Workbook::open(const QString& path, const std::function<bool()>& goOn)
{
    if (path.isEmpty())
        throw RuntimeError(ErrorKind::FileNotFound, QStringLiteral("no workbook was named"));
    if (!QFileInfo(path).isFile())
        throw RuntimeError(ErrorKind::FileNotFound, QStringLiteral("%1 does not exist").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    const QByteArray magic = file.read(8);
    file.close();
    if (magic.startsWith("PK"))
        return std::make_unique<XlsxWorkbook>(path);
    if (magic == QByteArray::fromHex("D0CF11E0A1B11AE1"))
        return std::make_unique<XlsWorkbook>(path, goOn);
    throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1 is no .xlsx or .xls workbook").arg(path));
}
