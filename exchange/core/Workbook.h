#pragma once

#include <QString>
#include <functional>
#include <memory>

// The value of one sheet cell as a reader sees it.
struct WorkbookCell {
    enum class Kind { Empty, Number, Text };

    Kind kind = Kind::Empty;
    double number = 0;
    // The text of a text cell; booleans read as "TRUE"/"FALSE", error values as their code ("#N/A").
    QString text;

    static WorkbookCell ofNumber(double v) { return {Kind::Number, v, QString()}; }
    static WorkbookCell ofText(const QString& t) { return {Kind::Text, 0, t}; }

    bool isEmpty() const { return kind == Kind::Empty; }
    // "" for an empty cell, the shortest decimal form for a number, else the text.
    QString asText() const;
};

// One workbook file and the sheet that is active in it. Behind this class lie
// the file formats; the exchange only reads cells, writes text cells and
// saves in place. Rows and columns count from 1.
//
// Every failure (missing or damaged file, unsupported format, a read-only
// format asked to save) is a RuntimeError; a failed save leaves the file as
// it was.
class Workbook {
public:
    // The limits of a sheet: a cell reference beyond them marks a damaged file.
    static constexpr int kMaxRows = 1048576;
    static constexpr int kMaxColumns = 16384;

    virtual ~Workbook();

    // Opens the workbook at path and takes its active sheet. The format is
    // recognised by the file's content, not by its name: Office Open XML
    // (.xlsx) is read and written, the binary format (.xls) only read.
    // goOn is asked now and then while a binary workbook is read in its
    // own process; false stops the read, which fails.
    static std::unique_ptr<Workbook> open(const QString& path, const std::function<bool()>& goOn = {});

    virtual bool isWritable() const = 0;
    // Empty for a cell outside the sheet's filled range. An index error for
    // a row or column outside the sheet limits.
    virtual WorkbookCell cell(int row, int column) = 0;
    // A text cell; the empty text makes the cell empty (its format stays).
    // Only recorded here: save() writes it.
    virtual void setText(int row, int column, const QString& text) = 0;
    // Empties columns 1 to lastColumn of every row from firstRow down, as
    // setText("") would each cell there that is not written; only recorded
    // here: save() applies it.
    virtual void clearRowsFrom(int firstRow, int lastColumn) = 0;
    // Writes the recorded cells into the file, keeping everything else of it.
    virtual void save() = 0;

protected:
    static void checkCellIndex(int row, int column);
};
