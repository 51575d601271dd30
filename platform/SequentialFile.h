#pragma once

#include "platform/RuntimeError.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

class QFileDevice;
class WholeFileWriter;

// A text file read or written line by line, the way every file of the
// program is kept: UTF-8 with CR LF when written; UTF-8 or Windows-1252 with
// any line end when read. Relative paths lie in the program folder.
class SequentialFile {
public:
    enum class Mode { Input, Output, Append };

    SequentialFile();
    SequentialFile(const QString& path, Mode mode);
    // A file opened for Output and not closed is discarded, so that a write
    // that failed half-way leaves the previous file as it was.
    ~SequentialFile();
    SequentialFile(const SequentialFile&) = delete;
    SequentialFile& operator=(const SequentialFile&) = delete;

    // Input: file-not-found error for a missing file. Output replaces the file
    // only at close(); Append adds to it (creating it when missing).
    void open(const QString& path, Mode mode);
    // Commits an Output file; input/output error when that fails. Write
    // errors name the file, and a full disk (or a file past the size the
    // process may write) is reported as "disk full or file too large".
    void close();
    bool isOpen() const { return m_mode.has_value(); }

    bool eof() const;
    // One whole line without its line end; end-of-file error past the end.
    QString readLine();
    // readLine() without a text of its own: the view holds until the file
    // is read further, opened or closed.
    QStringView readLineView();
    // One number item as text: blanks before it are skipped, it ends at a
    // comma, a blank or the line end; the rest up to the next comma or line
    // end is passed over.
    QString readItem();
    // readItem() as a number; an empty item reads as 0, any other text that
    // is no number is a conversion error.
    double readNumber();
    // The 1-based number of the line the last read began on (after a read
    // past the end, the line that is not there); 0 before the first read.
    int lineNumber() const { return m_lastLine; }
    // An error met while this file was read, told with the file's name and
    // the line: "lists/a.adl, line 17: 'x' is not a number".
    RuntimeError atLine(const RuntimeError& error) const;

    // Output or Append: the file is left readable and writable by its owner
    // alone, whatever it allowed before.
    void restrictToOwner();

    void writeLine(const QString& line);
    // The line ' 4 ' (or '-4 '): a blank or minus sign before, a blank after.
    void writeNumber(double value);

    static QString numberText(double value);
    // UTF-8 when the bytes are valid UTF-8 (a BOM is dropped), else Windows-1252.
    static QString decode(const QByteArray& bytes);

private:
    void appendLine(QByteArrayView bytes);
    void requireMode(Mode mode) const;
    // The input/output error for a failed write; a full disk or a file that
    // reached the size limit says so.
    RuntimeError writeError(const QFileDevice& out, int savedErrno) const;
    // The next item as a view into the text, passed over like readItem().
    QStringView nextItem();
    void skipToItemEnd();
    void passLineEnd();

    QString m_path;
    std::optional<Mode> m_mode;
    QString m_text;
    qsizetype m_pos = 0;
    int m_lineEndsPassed = 0;
    int m_lastLine = 0;
    std::unique_ptr<QFileDevice> m_out;        // Append
    std::unique_ptr<WholeFileWriter> m_rewrite; // Output
    // Output: lines not yet handed to the writer, which takes them in blocks.
    QByteArray m_unwritten;
};
