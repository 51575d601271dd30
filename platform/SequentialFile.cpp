#include "platform/SequentialFile.h"

#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/RuntimeError.h"
#include "platform/WholeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <utility>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeCp1252(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        d[i] = (b >= 0x80 && b <= 0x9F) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return out;
}

// A file is written even where its folder (lists, longtexts, ...) is still missing.
void makeParentFolder(const QString& path)
{
    const QFileInfo info(path);
    if (!info.dir().exists())
        QDir().mkpath(info.absolutePath());
}

RuntimeError cannotRead(const QString& path, int savedErrno)
{
    const QString why = QString::fromLocal8Bit(std::strerror(savedErrno));
    return RuntimeError(ErrorKind::InputOutput, QStringLiteral("cannot read %1: %2").arg(path, why));
}

// The bytes of a regular file, read by the system's calls alone: settings,
// texts and scores are read at every opening of a window, where the file
// classes' own checks and buffers cost more than the reading.
QByteArray readWholeFile(const QString& path)
{
    // Not blocking: a pipe standing where the file should be is refused, not waited for.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            throw RuntimeError(ErrorKind::FileNotFound, QStringLiteral("%1 does not exist").arg(path));
        throw cannotRead(path, errno);
    }
    const auto fail = [fd](const RuntimeError& error) {
        ::close(fd);
        return error;
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        throw fail(cannotRead(path, errno));
    if (!S_ISREG(st.st_mode))
        throw fail(RuntimeError(ErrorKind::FileNotFound, QStringLiteral("%1 is not a file").arg(path)));
    // One byte more than the file holds: a read that falls short of it once
    // the whole size is in has met the end, without a read for the end alone.
    // A file that grew since fstat is read on to its end.
    const auto size = static_cast<qsizetype>(st.st_size);
    QByteArray bytes;
    bytes.resize(size + 1);
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(filled + 4096);
        const auto wanted = static_cast<size_t>(bytes.size() - filled);
        const ssize_t n = ::read(fd, bytes.data() + filled, wanted);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw fail(cannotRead(path, errno));
        if (n == 0)
            break;
        filled += n;
        if (filled >= size && static_cast<size_t>(n) < wanted)
            break;
    }
    ::close(fd);
    bytes.truncate(filled);
    return bytes;
}

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }

} // namespace

SequentialFile::SequentialFile() = default;

SequentialFile::SequentialFile(const QString& path, Mode mode) { open(path, mode); }

// A rewrite not closed is dropped by its writer.
SequentialFile::~SequentialFile() = default;

void SequentialFile::open(const QString& path, Mode mode)
{
    m_out.reset();
    m_rewrite.reset();
    m_unwritten.clear();
    m_mode.reset();
    m_text.clear();
    m_pos = 0;
    m_lineEndsPassed = 0;
    m_lastLine = 0;
    m_path = Paths::resolve(path);

    switch (mode) {
    case Mode::Input: {
        if (m_path.isEmpty())
            throw RuntimeError(ErrorKind::FileNotFound, QStringLiteral("no file was named"));
        m_text = decode(readWholeFile(m_path));
        break;
    }
    case Mode::Output: {
        makeParentFolder(m_path);
        m_rewrite = std::make_unique<WholeFileWriter>(m_path);
        break;
    }
    case Mode::Append: {
        makeParentFolder(m_path);
        auto file = std::make_unique<QFile>(m_path);
        if (!file->open(QIODevice::WriteOnly | QIODevice::Append))
            throw writeError(*file, errno);
        m_out = std::move(file);
        break;
    }
    }
    m_mode = mode;
}

void SequentialFile::close()
{
    if (!m_mode)
        return;
    std::unique_ptr<QFileDevice> out = std::move(m_out);
    std::unique_ptr<WholeFileWriter> rewrite = std::move(m_rewrite);
    const QByteArray unwritten = std::exchange(m_unwritten, QByteArray());
    m_mode.reset();
    m_text.clear();
    if (rewrite) {
        if (!unwritten.isEmpty())
            rewrite->write(unwritten);
        rewrite->commit();
        return;
    }
    if (!out)
        return;
    errno = 0;
    const bool ok = out->flush() && out->error() == QFileDevice::NoError;
    const int failure = errno;
    if (!ok) {
        const RuntimeError error = writeError(*out, failure);
        out->close();
        throw error;
    }
    out->close();
}

RuntimeError SequentialFile::writeError(const QFileDevice& out, int savedErrno) const
{
    return WholeFileWriter::writeError(m_path, &out, savedErrno);
}

void SequentialFile::requireMode(Mode mode) const
{
    const bool writing = mode != Mode::Input;
    if (!m_mode || (writing != (*m_mode != Mode::Input)))
        throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1 is not open for this").arg(m_path));
}

bool SequentialFile::eof() const { return m_pos >= m_text.size(); }

QString SequentialFile::readLine() { return readLineView().toString(); }

QStringView SequentialFile::readLineView()
{
    requireMode(Mode::Input);
    m_lastLine = m_lineEndsPassed + 1;
    if (eof())
        throw RuntimeError(ErrorKind::EndOfFile, m_path);
    const QChar* const text = m_text.constData();
    const qsizetype size = m_text.size();
    qsizetype end = m_pos;
    // Most characters of a line are far above the two line ends.
    while (end < size && (text[end].unicode() > u'\r' || !isLineEnd(text[end])))
        ++end;
    const QStringView line(text + m_pos, end - m_pos);
    m_pos = end;
    passLineEnd();
    return line;
}

QString SequentialFile::readItem() { return nextItem().toString(); }

QStringView SequentialFile::nextItem()
{
    requireMode(Mode::Input);
    m_lastLine = m_lineEndsPassed + 1;
    if (eof())
        throw RuntimeError(ErrorKind::EndOfFile, m_path);
    while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
        ++m_pos;
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && !isBlank(m_text[m_pos]) && !isLineEnd(m_text[m_pos]) && m_text[m_pos] != u',')
        ++m_pos;
    const QStringView item = QStringView(m_text).mid(start, m_pos - start);
    skipToItemEnd();
    return item;
}

void SequentialFile::skipToItemEnd()
{
    // Whatever follows an item on its line up to the delimiter is not data.
    while (m_pos < m_text.size() && m_text[m_pos] != u',' && !isLineEnd(m_text[m_pos]))
        ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == u',')
        ++m_pos;
    else
        passLineEnd();
}

// At a line end (CR LF, LF or a lone CR), or at the end of the text.
void SequentialFile::passLineEnd()
{
    if (m_pos >= m_text.size())
        return;
    if (m_text[m_pos] == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n')
        m_pos += 2;
    else
        m_pos += 1;
    ++m_lineEndsPassed;
}

RuntimeError SequentialFile::atLine(const RuntimeError& error) const
{
    const QString detail =
        error.kind() == ErrorKind::EndOfFile ? QStringLiteral("the file ends before this line") : error.detail();
    return RuntimeError(error.kind(),
                        QStringLiteral("%1, line %2: %3").arg(Paths::shown(m_path)).arg(m_lastLine).arg(detail));
}

double SequentialFile::readNumber()
{
    const QStringView item = nextItem();
    if (item.isEmpty())
        return 0;
    // A whole number of a few digits, as the program writes them, without
    // making a text of it first.
    const bool negative = item.front() == u'-';
    const QStringView digits = negative ? item.sliced(1) : item;
    if (!digits.isEmpty() && digits.size() <= 9) {
        long value = 0;
        bool allDigits = true;
        for (const QChar c : digits) {
            if (c < u'0' || c > u'9') {
                allDigits = false;
                break;
            }
            value = value * 10 + (c.unicode() - u'0');
        }
        if (allDigits)
            return negative ? -static_cast<double>(value) : static_cast<double>(value);
    }
    return Numbers::parse(item.toString());
}

void SequentialFile::restrictToOwner()
{
    requireMode(Mode::Output);
    // For a rewrite this is the new file, before anything is written into it.
    if (m_rewrite) {
        m_rewrite->restrictToOwner();
        return;
    }
    if (!m_out->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        throw writeError(*m_out, errno);
}

void SequentialFile::writeLine(const QString& line)
{
    requireMode(Mode::Output);
    if (m_rewrite) {
        // Plain ASCII, as most fields of a list are, goes in without a
        // converted copy of its own.
        const qsizetype start = m_unwritten.size();
        m_unwritten.resize(start + line.size());
        char* out = m_unwritten.data() + start;
        for (const QChar c : line) {
            if (c.unicode() >= 0x80) {
                m_unwritten.resize(start);
                appendLine(line.toUtf8());
                return;
            }
            *out++ = static_cast<char>(c.unicode());
        }
        appendLine({});
        return;
    }
    QByteArray bytes = line.toUtf8();
    bytes.append("\r\n", 2);
    errno = 0;
    if (m_out->write(bytes) != bytes.size())
        throw writeError(*m_out, errno);
}

// A list of many titles is many short lines: the writer takes them in
// blocks, and a failure still shows by the close at the latest.
void SequentialFile::appendLine(QByteArrayView bytes)
{
    constexpr qsizetype kBlock = 64 * 1024;
    m_unwritten.append(bytes);
    m_unwritten.append("\r\n", 2);
    if (m_unwritten.size() >= kBlock) {
        m_rewrite->write(m_unwritten);
        m_unwritten.resize(0); // keeps its room
    }
}

void SequentialFile::writeNumber(double value)
{
    requireMode(Mode::Output);
    if (!m_rewrite) {
        writeLine(numberText(value));
        return;
    }
    // numberText without its texts: a list writes four numbers a title.
    char digits[400];
    qsizetype size = 1;
    digits[0] = '0'; // also for -0, as Numbers::toText
    if (value != 0)
        size = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed).ptr - digits;
    char line[sizeof digits + 2];
    qsizetype n = 0;
    if (digits[0] != '-')
        line[n++] = ' ';
    std::memcpy(line + n, digits, static_cast<size_t>(size));
    n += size;
    line[n++] = ' ';
    appendLine(QByteArrayView(line, n));
}

QString SequentialFile::numberText(double value)
{
    const QString digits = Numbers::toText(value);
    return (digits.startsWith(u'-') ? digits : QStringLiteral(" ") + digits) + u' ';
}

QString SequentialFile::decode(const QByteArray& bytes)
{
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(data);
    if (!utf8.hasError())
        return text;
    return decodeCp1252(bytes);
}
