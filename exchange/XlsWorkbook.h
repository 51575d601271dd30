#pragma once

#include "exchange/Workbook.h"

// A workbook of the older binary format (.xls), read only. The sheet read is
// the first one: the reader does not see which sheet was active.
class XlsWorkbook : public Workbook {
public:
    // Larger files are refused before the reader sees them.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

    explicit XlsWorkbook(const QString& path);
    ~XlsWorkbook() override;
    XlsWorkbook(const XlsWorkbook&) = delete;
    XlsWorkbook& operator=(const XlsWorkbook&) = delete;

    bool isWritable() const override { return false; }
    WorkbookCell cell(int row, int column) override;
    // Both refuse: the format is only read.
    void setText(int row, int column, const QString& text) override;
    void clearRowsFrom(int firstRow, int lastColumn) override;
    void save() override;

private:
    QString m_path;
    const void* m_handle = nullptr;
    unsigned int m_rows = 0;
    unsigned short m_columns = 0;
};
