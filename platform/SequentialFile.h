#pragma once

#include "platform/RuntimeError.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

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
    // Passes over one line, as readLine() does, without its text.
    void skipLine();
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
    struct Span {
        qsizetype start;
        qsizetype size;
    };
    // The next line or item, passed over; end-of-file error past the end.
    Span nextLine();
    Span nextItem();
    qsizetype byteLineEnd(qsizetype pos);
    qsizetype byteLineEndAcrossBlocks(qsizetype pos);
    qsizetype inputSize() const { return m_utf8 ? m_bytes.size() : m_text.size(); }
    char16_t unitAt(qsizetype i) const
    {
        return m_utf8 ? static_cast<unsigned char>(m_bytes.constData()[i]) : m_text.constData()[i].unicode();
    }
    QString textOf(Span span) const;
    QStringView viewOf(Span span);

    QString m_path;
    std::optional<Mode> m_mode;
    // Input of valid UTF-8 is kept as the file's bytes, and a line becomes a
    // text only when read: a big list is not decoded whole before its texts
    // are made. Any other input is decoded whole into m_text. Line ends,
    // blanks, commas and digits are the same single bytes in both.
    bool m_utf8 = false;
    QByteArray m_bytes;
    QString m_text;
    // Whether the line last found in m_bytes is plain ASCII.
    bool m_lineAscii = false;
    // The 64 bytes of m_bytes from m_block: their line ends and their bytes above ASCII.
    qsizetype m_block = -1;
    std::uint64_t m_blockLineEnds = 0;
    std::uint64_t m_blockHigh = 0;
    // readLineView's text of a line of m_bytes.
    std::vector<char16_t> m_line;
    qsizetype m_pos = 0;
    int m_lineEndsPassed = 0;
    int m_lastLine = 0;
    std::unique_ptr<QFileDevice> m_out;        // Append
    std::unique_ptr<WholeFileWriter> m_rewrite; // Output
    // Output: lines not yet handed to the writer, which takes them in blocks.
    QByteArray m_unwritten;
};
