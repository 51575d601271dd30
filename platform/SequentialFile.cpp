#include "platform/SequentialFile.h"

#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/RuntimeError.h"
#include "platform/WholeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <bit>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cerrno>
#include <cstdint>
#include <charconv>
#include <cstring>
#include <utility>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";
constexpr qsizetype kReadSlack = 16;

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
    // Room past the end, so that a line's bytes can be widened 16 at a time.
    bytes.reserve(size + 1 + kReadSlack);
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

bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool isLineEnd(char16_t c) { return c == u'\r' || c == u'\n'; }


// Where the line that begins at pos ends. Most characters of a line are far
// above the two line ends.
qsizetype lineEndOf(const char16_t* text, qsizetype pos, qsizetype size)
{
    while (pos < size && (text[pos] > u'\r' || !isLineEnd(text[pos])))
        ++pos;
    return pos;
}

// The 64 bytes at block as two masks, bit i for byte i: the line-end
// characters (CR or LF), and the bytes above ASCII.
struct ByteMasks {
    std::uint64_t lineEnds = 0;
    std::uint64_t high = 0;
};

ByteMasks masksOf(const unsigned char* block)
{
    ByteMasks m;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (int i = 0; i < 64; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + i));
        const auto ends = static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf))));
        m.lineEnds |= std::uint64_t(ends) << i;
        m.high |= std::uint64_t(static_cast<unsigned>(_mm_movemask_epi8(v))) << i;
    }
#else
    for (int i = 0; i < 64; ++i) {
        m.lineEnds |= std::uint64_t(isLineEnd(block[i])) << i;
        m.high |= std::uint64_t(block[i] >> 7) << i;
    }
#endif
    return m;
}

// A line of bytes found valid: a BOM at its start is a character of the
// text, as it is anywhere but at the start of the file.
QStringDecoder lineDecoder()
{
    return QStringDecoder(QStringConverter::Utf8,
                          QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
}

// Whole blocks of 16 where SSE2 is at hand: the caller leaves room for them
// on both sides.
void widenAscii(const char* bytes, qsizetype size, char16_t* out)
{
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; i < size; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(v, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), _mm_unpackhi_epi8(v, zero));
    }
#endif
    for (; i < size; ++i)
        out[i] = static_cast<unsigned char>(bytes[i]);
}

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
    m_utf8 = false;
    m_block = -1;
    m_bytes.clear();
    m_text.clear();
    m_pos = 0;
    m_lineEndsPassed = 0;
    m_lastLine = 0;
    m_path = Paths::resolve(path);

    switch (mode) {
    case Mode::Input: {
        if (m_path.isEmpty())
            throw RuntimeError(ErrorKind::FileNotFound, QStringLiteral("no file was named"));
        QByteArray bytes = readWholeFile(m_path);
        // As decode() takes it: a first BOM is dropped, and the decoder
        // drops one more at the start of the rest.
        qsizetype start = 0;
        for (int bom = 0; bom < 2 && QByteArrayView(bytes).sliced(start).startsWith(kBom); ++bom)
            start += 3;
        if (QByteArrayView(bytes).sliced(start).isValidUtf8()) {
            if (bytes.capacity() - bytes.size() < kReadSlack) // a file that grew while it was read
                bytes.reserve(bytes.size() + kReadSlack);
            m_bytes = std::move(bytes);
            m_utf8 = true;
            m_pos = start;
        } else {
            m_text = decodeCp1252(bytes);
        }
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
    m_utf8 = false;
    m_block = -1;
    m_bytes.clear();
    m_text.clear();
    m_line = {};
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

bool SequentialFile::eof() const { return m_pos >= inputSize(); }

// Empty texts are empty, not null, as before: a view into the text.
QString SequentialFile::textOf(Span span) const
{
    if (!m_utf8)
        return QStringView(m_text.constData() + span.start, span.size).toString();
    if (span.size == 0)
        return QStringView(u"", 0).toString();
    if (!m_lineAscii)
        return lineDecoder().decode(QByteArrayView(m_bytes).sliced(span.start, span.size));
    return QString::fromLatin1(m_bytes.constData() + span.start, span.size);
}

QStringView SequentialFile::viewOf(Span span)
{
    if (!m_utf8)
        return QStringView(m_text.constData() + span.start, span.size);
    if (span.size == 0)
        return QStringView(u"", 0);
    // A line has at most as many characters as bytes; widened in blocks of 16.
    const auto room = static_cast<size_t>((span.size + 15) & ~qsizetype(15));
    if (m_line.size() < room)
        m_line.resize(room);
    char16_t* const out = m_line.data();
    if (m_lineAscii) {
        widenAscii(m_bytes.constData() + span.start, span.size, out);
        return QStringView(out, span.size);
    }
    // The bytes were found valid at the opening, so the line decodes without loss.
    const QChar* const end =
        lineDecoder().appendToBuffer(reinterpret_cast<QChar*>(out), QByteArrayView(m_bytes).sliced(span.start, span.size));
    return QStringView(out, end - reinterpret_cast<const QChar*>(out));
}

// The line ends are looked up in 64 bytes at a time rather than byte by
// byte, and whether the line is plain ASCII comes with them.
inline qsizetype SequentialFile::byteLineEnd(qsizetype pos)
{
    // Most lines end in the block where they begin.
    const qsizetype block = pos & ~qsizetype(63);
    if (block == m_block) {
        const std::uint64_t from = ~std::uint64_t(0) << (pos - block);
        const std::uint64_t ends = m_blockLineEnds & from;
        if (ends != 0) {
            const int at = std::countr_zero(ends);
            m_lineAscii = (m_blockHigh & from & ~(~std::uint64_t(0) << at)) == 0;
            return block + at;
        }
    }
    return byteLineEndAcrossBlocks(pos);
}

SequentialFile::Span SequentialFile::nextLine()
{
    if (m_mode != Mode::Input) [[unlikely]]
        requireMode(Mode::Input);
    m_lastLine = m_lineEndsPassed + 1;
    const qsizetype start = m_pos;
    qsizetype end = 0;
    qsizetype size = 0;
    // A list is 15 lines a title: the units are taken at hand.
    if (m_utf8) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(m_bytes.constData());
        size = m_bytes.size();
        if (start >= size)
            throw RuntimeError(ErrorKind::EndOfFile, m_path);
        end = byteLineEnd(start);
        if (end < size) {
            m_pos = end + (bytes[end] == '\r' && end + 1 < size && bytes[end + 1] == '\n' ? 2 : 1);
            ++m_lineEndsPassed;
        } else {
            m_pos = end;
        }
        return {start, end - start};
    }
    const auto* text = reinterpret_cast<const char16_t*>(m_text.utf16());
    size = m_text.size();
    if (start >= size)
        throw RuntimeError(ErrorKind::EndOfFile, m_path);
    end = lineEndOf(text, start, size);
    if (end < size) {
        m_pos = end + (text[end] == u'\r' && end + 1 < size && text[end + 1] == u'\n' ? 2 : 1);
        ++m_lineEndsPassed;
    } else {
        m_pos = end;
    }
    return {start, end - start};
}

qsizetype SequentialFile::byteLineEndAcrossBlocks(qsizetype pos)
{
    const qsizetype size = m_bytes.size();
    std::uint64_t high = 0;
    for (;;) {
        const qsizetype block = pos & ~qsizetype(63);
        if (block != m_block) {
            m_block = block;
            const auto* bytes = reinterpret_cast<const unsigned char*>(m_bytes.constData());
            if (size - block >= 64) {
                const ByteMasks m = masksOf(bytes + block);
                m_blockLineEnds = m.lineEnds;
                m_blockHigh = m.high;
            } else {
                // The file's last bytes, padded with bytes that are neither.
                unsigned char last[64] = {};
                std::memcpy(last, bytes + block, static_cast<size_t>(size - block));
                const ByteMasks m = masksOf(last);
                m_blockLineEnds = m.lineEnds;
                m_blockHigh = m.high;
            }
        }
        const std::uint64_t from = ~std::uint64_t(0) << (pos - block);
        const std::uint64_t ends = m_blockLineEnds & from;
        if (ends != 0) {
            const int at = std::countr_zero(ends);
            high |= m_blockHigh & from & ((std::uint64_t(1) << at) - 1);
            m_lineAscii = high == 0;
            return block + at;
        }
        high |= m_blockHigh & from;
        pos = block + 64;
        if (pos >= size) {
            m_lineAscii = high == 0;
            return size;
        }
    }
}

QString SequentialFile::readLine() { return textOf(nextLine()); }

QStringView SequentialFile::readLineView() { return viewOf(nextLine()); }

void SequentialFile::skipLine() { nextLine(); }

QString SequentialFile::readItem() { return textOf(nextItem()); }

SequentialFile::Span SequentialFile::nextItem()
{
    if (m_mode != Mode::Input) [[unlikely]]
        requireMode(Mode::Input);
    m_lastLine = m_lineEndsPassed + 1;
    if (eof())
        throw RuntimeError(ErrorKind::EndOfFile, m_path);
    m_lineAscii = false; // an item is rarely made a text: the decoder takes it
    // With the text's units at hand: a list has four numbers a title.
    const auto scan = [this](const auto* units, qsizetype size) {
        qsizetype pos = m_pos;
        while (pos < size && isBlank(units[pos]))
            ++pos;
        const qsizetype start = pos;
        while (pos < size && !isBlank(units[pos]) && !isLineEnd(units[pos]) && units[pos] != u',')
            ++pos;
        const Span item{start, pos - start};
        // Whatever follows an item on its line up to the delimiter is not data.
        while (pos < size && units[pos] != u',' && !isLineEnd(units[pos]))
            ++pos;
        if (pos < size) {
            if (units[pos] == u',') {
                ++pos;
            } else {
                pos += units[pos] == u'\r' && pos + 1 < size && units[pos + 1] == u'\n' ? 2 : 1;
                ++m_lineEndsPassed;
            }
        }
        m_pos = pos;
        return item;
    };
    if (m_utf8)
        return scan(reinterpret_cast<const unsigned char*>(m_bytes.constData()), m_bytes.size());
    return scan(reinterpret_cast<const char16_t*>(m_text.utf16()), m_text.size());
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
    const Span item = nextItem();
    if (item.size == 0)
        return 0;
    // A whole number of a few digits, as the program writes them, without
    // making a text of it first.
    const bool negative = unitAt(item.start) == u'-';
    const qsizetype first = item.start + (negative ? 1 : 0);
    const qsizetype end = item.start + item.size;
    if (first < end && end - first <= 9) {
        long value = 0;
        bool allDigits = true;
        for (qsizetype i = first; i < end; ++i) {
            const char16_t c = unitAt(i);
            if (c < u'0' || c > u'9') {
                allDigits = false;
                break;
            }
            value = value * 10 + (c - u'0');
        }
        if (allDigits)
            return negative ? -static_cast<double>(value) : static_cast<double>(value);
    }
    return Numbers::parse(textOf(item));
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
    if (data.startsWith(kBom))
        data.remove(0, 3);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(data);
    if (!utf8.hasError())
        return text;
    return decodeCp1252(bytes);
}
