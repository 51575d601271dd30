#include "exchange/XlsWorkbook.h"

#include "platform/RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <freexl.h>

namespace {

[[noreturn]] void damaged(const QString& path, const QString& what)
{
    throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("damaged workbook: %1: %2").arg(path, what));
}

} // namespace

XlsWorkbook::XlsWorkbook(const QString& path) : m_path(path)
{
    if (QFileInfo(path).size() > kMaxFileBytes)
        damaged(path, QStringLiteral("file too large"));
    const void* handle = nullptr;
    const int rc = freexl_open(QFile::encodeName(path).constData(), &handle);
    m_handle = handle; // closed by the destructor even when opening failed
    if (rc != FREEXL_OK) {
        const ErrorKind kind = rc == FREEXL_FILE_NOT_FOUND ? ErrorKind::FileNotFound : ErrorKind::InputOutput;
        if (m_handle)
            freexl_close(m_handle);
        m_handle = nullptr;
        throw RuntimeError(kind, QStringLiteral("%1: not readable (%2)").arg(path).arg(rc));
    }
    unsigned int info = 0;
    if (freexl_get_info(m_handle, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK && info == FREEXL_BIFF_OBFUSCATED) {
        freexl_close(m_handle);
        m_handle = nullptr;
        throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1: protected by a password").arg(path));
    }
    if (freexl_select_active_worksheet(m_handle, 0) != FREEXL_OK ||
        freexl_worksheet_dimensions(m_handle, &m_rows, &m_columns) != FREEXL_OK) {
        freexl_close(m_handle);
        m_handle = nullptr;
        damaged(path, QStringLiteral("no sheet"));
    }
}

XlsWorkbook::~XlsWorkbook()
{
    if (m_handle)
        freexl_close(m_handle);
}

WorkbookCell XlsWorkbook::cell(int row, int column)
{
    checkCellIndex(row, column);
    if (static_cast<unsigned int>(row) > m_rows || column > m_columns)
        return WorkbookCell();
    FreeXL_CellValue value;
    if (freexl_get_cell_value(m_handle, static_cast<unsigned int>(row - 1), static_cast<unsigned short>(column - 1),
                              &value) != FREEXL_OK)
        damaged(m_path, QStringLiteral("cell %1/%2").arg(row).arg(column));
    switch (value.type) {
    case FREEXL_CELL_INT: return WorkbookCell::ofNumber(value.value.int_value);
    case FREEXL_CELL_DOUBLE: return WorkbookCell::ofNumber(value.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME: {
        const QString text = QString::fromUtf8(value.value.text_value);
        return text.isEmpty() ? WorkbookCell() : WorkbookCell::ofText(text);
    }
    default: return WorkbookCell();
    }
}

void XlsWorkbook::setText(int, int, const QString&)
{
    throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1: this workbook format is only read").arg(m_path));
}

void XlsWorkbook::clearRowsFrom(int, int)
{
    throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1: this workbook format is only read").arg(m_path));
}

void XlsWorkbook::save()
{
    throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1: this workbook format is only read").arg(m_path));
}
