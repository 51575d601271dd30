#pragma once

#include "exchange/core/Workbook.h"
#include "exchange/core/XlsxSheetChanges.h"
#include "exchange/core/XlsxSheetReader.h"

#include <QString>
#include <memory>
#include <optional>

class XlsxPackage;
class ZipArchive;

// An Office Open XML workbook (.xlsx). Reading follows the package's
// relationships to the active sheet and its shared strings; saving rewrites
// only that sheet's part, merging the written cells into it as inline
// strings, and keeps every other part of the file as it is.
//
// The reader bounds what it inflates and parses: a part beyond the limits,
// malformed XML, a document type declaration or a cell reference beyond the
// sheet limits marks the file as damaged.
class XlsxWorkbook : public Workbook {
public:
    // Sheet and shared strings: room for a full list with long texts many times over.
    static constexpr qint64 kMaxSheetBytes = 64 * 1024 * 1024;

    explicit XlsxWorkbook(const QString& path);
    ~XlsxWorkbook() override;

    bool isWritable() const override { return true; }
    WorkbookCell cell(int row, int column) override;
    void setText(int row, int column, const QString& text) override;
    void clearRowsFrom(int firstRow, int lastColumn) override;
    void save() override;

private:
    void openPackage();
    void loadCells();

    QString m_path;
    std::unique_ptr<ZipArchive> m_zip;
    std::unique_ptr<XlsxPackage> m_package;
    std::optional<XlsxSheetReader::Cells> m_cells;
    XlsxSheetChanges m_changes;
};
