#pragma once

#include "exchange/core/Workbook.h"

#include <QByteArray>
#include <functional>
#include <vector>

// A workbook of the older binary format (.xls), read only. The reading runs
// in a child process of our own ("quordvd-xls", beside the program) under
// limits on memory and time, which hands back the cells of the active sheet;
// a crash, a limit or an answer out of form is a failed read.
class XlsWorkbook : public Workbook {
public:
    // Larger files are refused before the reader sees them.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
    // Longer answers are refused, and the reader stopped.
    static constexpr qint64 kMaxAnswerBytes = 2 * kMaxFileBytes;
    static constexpr int kWallTimeMs = 30000;
    // How often goOn is asked while the reader runs.
    static constexpr int kGoOnIntervalMs = 100;

    // goOn, when given, is asked every kGoOnIntervalMs while the reader
    // runs (the window's chance to paint and to cancel); false stops the
    // reader and fails the read.
    explicit XlsWorkbook(const QString& path, const std::function<bool()>& goOn = {});
    ~XlsWorkbook() override;
    XlsWorkbook(const XlsWorkbook&) = delete;
    XlsWorkbook& operator=(const XlsWorkbook&) = delete;

    // The reader beside the running executable, unless set: tests and
    // benchmarks, which do not run beside it, point at the built one.
    static QString readerProgram();
    static void setReaderProgram(const QString& path);
    // The wall-time limit of one read; 0 restores the default (tests).
    static void setWallTime(int ms);

    bool isWritable() const override { return false; }
    WorkbookCell cell(int row, int column) override;
    // Both refuse: the format is only read.
    void setText(int row, int column, const QString& text) override;
    void clearRowsFrom(int firstRow, int lastColumn) override;
    void save() override;

private:
    struct Cell {
        quint32 row;
        quint16 column;
        bool text;
        // The number, or the text's place in m_answer.
        union {
            double number;
            struct {
                quint32 offset;
                quint32 length;
            } span;
        };
    };

    QString m_path;
    QByteArray m_answer;
    std::vector<Cell> m_cells; // in row-major order
    quint32 m_rows = 0;
    quint32 m_columns = 0;

    QByteArray runReader(const std::function<bool()>& goOn) const;
    void parse();
};
