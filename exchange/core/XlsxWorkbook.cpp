#include "exchange/core/XlsxWorkbook.h"

#include "exchange/core/XlsxCellAddress.h"
#include "exchange/core/XlsxPackage.h"
#include "exchange/core/XlsxSheetMerge.h"
#include "exchange/core/ZipArchive.h"
#include "platform/RuntimeError.h"

XlsxWorkbook::XlsxWorkbook(const QString& path) : m_path(path) { openPackage(); }

XlsxWorkbook::~XlsxWorkbook() = default;

void XlsxWorkbook::openPackage()
{
    m_zip = std::make_unique<ZipArchive>(m_path, ZipArchive::Mode::Read);
    m_cells.reset();
    m_package = std::make_unique<XlsxPackage>(*m_zip, m_path);
}

void XlsxWorkbook::loadCells()
{
    const QString& sheetPart = m_package->sheetPart();
    const QByteArray data = m_zip->read(sheetPart, kMaxSheetBytes);
    const QString& sharedPart = m_package->sharedStringsPart();
    const QStringList shared = sharedPart.isEmpty()
                                   ? QStringList()
                                   : XlsxSheetReader::readSharedStrings(m_zip->read(sharedPart, kMaxSheetBytes),
                                                                        sharedPart);
    m_cells = XlsxSheetReader::readCells(data, shared, sheetPart);
}

WorkbookCell XlsxWorkbook::cell(int row, int column)
{
    checkCellIndex(row, column);
    if (!m_cells)
        loadCells();
    return m_cells->value(XlsxCellAddress::key(row, column));
}

void XlsxWorkbook::setText(int row, int column, const QString& text)
{
    checkCellIndex(row, column);
    m_changes.setText(row, column, text);
}

void XlsxWorkbook::clearRowsFrom(int firstRow, int lastColumn)
{
    checkCellIndex(firstRow, lastColumn);
    m_changes.clearRowsFrom(firstRow, lastColumn);
}

void XlsxWorkbook::save()
{
    if (m_changes.isEmpty())
        return;
    ZipArchive zip(m_path, ZipArchive::Mode::Update);
    const QByteArray sheet = zip.read(m_package->sheetPart(), kMaxSheetBytes);
    const XlsxSheetMerge::Result merged = XlsxSheetMerge::run(sheet, m_changes, m_package->sheetPart());
    // A sheet that this reader would refuse is never written.
    if (merged.sheet.size() > kMaxSheetBytes)
        throw RuntimeError(ErrorKind::Capacity, QStringLiteral("%1: the sheet grows too large").arg(m_path));
    zip.replace(m_package->sheetPart(), merged.sheet);
    if (merged.formulasReplaced)
        m_package->dropCalcChain(zip);
    zip.commit();
    m_changes = XlsxSheetChanges();
    openPackage();
}
