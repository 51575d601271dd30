#pragma once

#include "exchange/core/Workbook.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>

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
    // The package's small parts: content types, relationships, the workbook.
    static constexpr qint64 kMaxSmallPartBytes = 8 * 1024 * 1024;

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
    QStringList readSharedStrings(const ZipArchive& zip) const;
    // The sheet part with the written cells merged in; formulasReplaced tells
    // whether a written cell held a formula before.
    QByteArray mergedSheet(const QByteArray& sheet, bool& formulasReplaced) const;
    void dropCalcChain(ZipArchive& zip) const;

    QString m_path;
    std::unique_ptr<ZipArchive> m_zip;
    QString m_workbookPart;
    QString m_workbookRelsPart;
    QString m_sheetPart;
    QString m_sharedStringsPart;
    QString m_calcChainPart;
    std::optional<QHash<quint64, WorkbookCell>> m_cells;
    // Written cells by row, then column.
    std::map<quint64, QString> m_written;
    int m_writtenMinColumn = Workbook::kMaxColumns;
    int m_writtenMaxColumn = 0;
    // Cells of columns 1 to m_clearedColumns from row m_clearedFrom down lose their values.
    int m_clearedFrom = 0;
    int m_clearedColumns = 0;
};
