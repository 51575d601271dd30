#include "exchange/core/Workbook.h"
#include "exchange/core/XlsWorkbook.h"
#include "exchange/xlsreader/ActiveSheet.h"
#include "platform/RuntimeError.h"
#include "tests/exchange/core/ExchangeFixture.h"
#include "tests/support/ErrorKindOf.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using namespace exchange_test;

namespace {

std::vector<std::uint8_t> bytesOf(const QString& path)
{
    const QByteArray b = readFile(path);
    return {b.begin(), b.end()};
}

std::uint32_t get32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    std::uint32_t v = 0;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) { std::memcpy(b.data() + at, &v, 4); }

// A stand-in for the reader that writes the given answer and ends as told.
class FakeReader {
public:
    FakeReader(const QByteArray& answer, const QString& ending)
        : m_reader(QStringLiteral("cat '%1'\n%2").arg(writeAnswer(answer), ending))
    {
    }

private:
    QString writeAnswer(const QByteArray& answer)
    {
        const QString path = m_dir.path() + QStringLiteral("/answer.bin");
        QFile a(path);
        EXPECT_TRUE(a.open(QIODevice::WriteOnly));
        a.write(answer);
        return path;
    }

    QTemporaryDir m_dir;
    ScriptedReader m_reader;
};

// An answer in the reader's form, built up piece by piece.
struct Answer {
    QByteArray bytes;
    Answer& raw(const QByteArray& b) { bytes += b; return *this; }
    Answer& u8(quint8 v) { bytes += char(v); return *this; }
    Answer& u32(quint32 v)
    {
        for (int i = 0; i < 4; ++i)
            bytes += char((v >> (8 * i)) & 0xFF);
        return *this;
    }
    Answer& number(quint32 row, quint32 column, double v)
    {
        quint64 bits = 0;
        std::memcpy(&bits, &v, 8);
        u8(1).u32(row).u32(column).u32(quint32(bits)).u32(quint32(bits >> 32));
        return *this;
    }
    Answer& text(quint32 row, quint32 column, const QByteArray& t)
    {
        return u8(2).u32(row).u32(column).u32(quint32(t.size())).raw(t);
    }
    Answer& end() { return u8(0); }
};

Answer header(quint32 rows, quint32 columns) { return Answer().raw("QXLS").u32(1).u32(rows).u32(columns); }

} // namespace

// The tab that is active once opened, from the workbook's window record.
TEST(XlsReader, FindsTheActiveTab)
{
    EXPECT_EQ(xlsreader::activeSheetIndex(bytesOf(fixture(QStringLiteral("second-active.xls")))), 1u);
    EXPECT_EQ(xlsreader::activeSheetIndex(bytesOf(fixture(QStringLiteral("titles.xls")))), 0u);
    EXPECT_EQ(xlsreader::activeSheetIndex({}), 0u);
    EXPECT_EQ(xlsreader::activeSheetIndex(bytesOf(fixture(QStringLiteral("damaged.xls")))), 0u);
    for (int i = 1; i <= 7; ++i) {
        SCOPED_TRACE(i);
        xlsreader::activeSheetIndex(bytesOf(fixture(QStringLiteral("damaged-%1.xls").arg(i))));
    }
}

// A damaged container gives the first tab, never a loop or a read beyond
// the file (the sanitizer build checks the latter).
TEST(XlsReader, DamagedContainerGivesTheFirstTab)
{
    const std::vector<std::uint8_t> good = bytesOf(fixture(QStringLiteral("second-active.xls")));
    ASSERT_GE(good.size(), 1024u);
    const std::uint32_t dirStart = get32(good, 0x30);
    const std::uint32_t firstFat = get32(good, 0x4C);
    const std::size_t fatAt = (std::size_t{firstFat} + 1) * 512;
    const std::pair<const char*, std::function<void(std::vector<std::uint8_t>&)>> damages[] = {
        {"directory chain in a loop", [&](auto& b) { put32(b, fatAt + 4 * dirStart, dirStart); }},
        {"directory beyond the file", [](auto& b) { put32(b, 0x30, 0x00FFFFFF); }},
        {"FAT sector beyond the file", [](auto& b) { put32(b, 0x4C, 0x00FFFFFF); }},
        {"no FAT sector", [](auto& b) { put32(b, 0x4C, 0xFFFFFFFF); }},
        {"list sectors in a loop", [](auto& b) { put32(b, 0x44, 0); std::fill(b.begin() + 512, b.begin() + 1024, 0); }},
        {"odd sector size", [](auto& b) { b[0x1E] = 20; }},
        {"cut after the header", [](auto& b) { b.resize(600); }},
        {"every FAT entry pointing at itself",
         [&](auto& b) {
             for (std::uint32_t i = 0; i < 128; ++i)
                 put32(b, fatAt + 4 * i, i);
         }},
    };
    for (const auto& [what, damage] : damages) {
        SCOPED_TRACE(what);
        std::vector<std::uint8_t> bytes = good;
        damage(bytes);
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(xlsreader::activeSheetIndex(bytes), 0u);
        EXPECT_LT(timer.elapsed(), 2000);
    }
}

// The reader's answer is read as hostile: anything out of form is a damaged
// workbook, and a well-formed one gives its cells.
TEST(XlsReader, ChecksTheAnswer)
{
    const QString book = fixture(QStringLiteral("titles.xls"));
    {
        FakeReader reader(header(3, 2).number(1, 2, 2.5).text(3, 1, "zwölf").end().bytes, QStringLiteral("exit 0"));
        const auto wb = Workbook::open(book);
        EXPECT_EQ(wb->cell(1, 2).number, 2.5);
        EXPECT_EQ(wb->cell(3, 1).asText(), QString::fromUtf8("zwölf"));
        EXPECT_TRUE(wb->cell(1, 1).isEmpty());
        EXPECT_TRUE(wb->cell(4, 1).isEmpty());
        EXPECT_TRUE(wb->cell(1, 3).isEmpty());
    }
    const std::pair<const char*, QByteArray> bad[] = {
        {"nothing", QByteArray()},
        {"wrong magic", Answer().raw("QXLT").u32(1).u32(1).u32(1).end().bytes},
        {"wrong version", Answer().raw("QXLS").u32(2).u32(1).u32(1).end().bytes},
        {"truncated header", header(1, 1).bytes.left(10)},
        {"too many rows", header(65537, 1).end().bytes},
        {"too many columns", header(1, 257).end().bytes},
        {"no end", header(1, 1).number(1, 1, 1).bytes},
        {"truncated number", header(1, 1).number(1, 1, 1).bytes.chopped(3)},
        {"truncated text", header(1, 1).text(1, 1, "abc").bytes.chopped(1)},
        {"text longer than the answer", header(1, 1).u8(2).u32(1).u32(1).u32(0xFFFFFFFF).raw("ab").end().bytes},
        {"empty text", header(1, 1).text(1, 1, "").end().bytes},
        {"invalid UTF-8", header(1, 1).text(1, 1, "\xC3\x28").end().bytes},
        {"not a number", header(1, 1).number(1, 1, std::nan("")).end().bytes},
        {"row zero", header(2, 2).number(0, 1, 1).end().bytes},
        {"row beyond the sheet", header(2, 2).number(3, 1, 1).end().bytes},
        {"column beyond the sheet", header(2, 2).number(1, 3, 1).end().bytes},
        {"same cell twice", header(2, 2).number(1, 1, 1).number(1, 1, 2).end().bytes},
        {"cells out of order", header(2, 2).number(2, 1, 1).number(1, 2, 2).end().bytes},
        {"unknown kind", header(1, 1).u8(7).u32(1).u32(1).end().bytes},
        {"bytes after the end", header(1, 1).end().raw("x").bytes},
    };
    for (const auto& [what, answer] : bad) {
        SCOPED_TRACE(what);
        FakeReader reader(answer, QStringLiteral("exit 0"));
        EXPECT_EQ(errorKindOf([&] { Workbook::open(book); }), ErrorKind::InputOutput);
    }
}

// A reader that is missing, cannot start, crashes or fails reads otherwise
// than a workbook that the reader finds damaged.
TEST(XlsReader, FailuresSayWhoseFaultTheyAre)
{
    const QString book = fixture(QStringLiteral("titles.xls"));
    const QByteArray good = header(1, 1).number(1, 1, 1).end().bytes;
    const struct {
        const char* ending;
        QString cause;
    } cases[] = {
        {"kill -SEGV $$", "the .xls reader reader.sh crashed reading " + book},
        {"exit 5", "the .xls reader reader.sh failed (exit code 5) reading " + book},
        {"exit 3", "damaged workbook: " + book + ": its sheets cannot be read"},
        {"exit 2", "cannot read " + book},
        {"exit 4", book + ": protected by a password"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ending);
        FakeReader reader(good, QString::fromLatin1(c.ending));
        EXPECT_EQ(errorDetailOf([&] { Workbook::open(book); }), c.cause);
    }

    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("quordvd-xls"));
    XlsWorkbook::setReaderProgram(missing);
    EXPECT_EQ(errorDetailOf([&] { Workbook::open(book); }),
              QStringLiteral("the .xls reader quordvd-xls is missing beside the program"));
    QFile file(missing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    file.setPermissions(QFileDevice::ReadOwner); // not a program
    EXPECT_TRUE(errorDetailOf([&] { Workbook::open(book); })
                    .startsWith("the .xls reader " + missing + " cannot be started: "));
    XlsWorkbook::setReaderProgram(QStringLiteral(QUORDVD_XLS_READER));
}

// A good answer still fails when the reader crashes, fails or overruns.
TEST(XlsReader, ReaderFailuresAreFailedReads)
{
    const QString book = fixture(QStringLiteral("titles.xls"));
    const QByteArray good = header(1, 1).number(1, 1, 1).end().bytes;
    for (const char* ending : {"kill -SEGV $$", "exit 3", "exit 4"}) {
        SCOPED_TRACE(ending);
        FakeReader reader(good, QString::fromLatin1(ending));
        EXPECT_EQ(errorKindOf([&] { Workbook::open(book); }), ErrorKind::InputOutput);
    }
    {
        SCOPED_TRACE("too much output");
        FakeReader reader(good, QStringLiteral("head -c %1 /dev/zero").arg(XlsWorkbook::kMaxAnswerBytes + 1));
        EXPECT_EQ(errorKindOf([&] { Workbook::open(book); }), ErrorKind::InputOutput);
    }
    {
        SCOPED_TRACE("no reader");
        XlsWorkbook::setReaderProgram(QStringLiteral("/nonexistent/quordvd-xls"));
        EXPECT_EQ(errorKindOf([&] { Workbook::open(book); }), ErrorKind::InputOutput);
        XlsWorkbook::setReaderProgram(QStringLiteral(QUORDVD_XLS_READER));
    }
}

// A reader that hangs is stopped at the time limit, once for the whole read,
// whether it keeps its output open, closes it, or keeps writing a little.
TEST(XlsReader, AHungReaderIsStoppedAtTheTimeLimit)
{
    constexpr int kLimitMs = 1000;
    const QString book = fixture(QStringLiteral("titles.xls"));
    const struct {
        const char* name;
        const char* script;
        bool asked; // with a question to go on, as the import page asks
    } cases[] = {
        {"silent", "exec sleep 30", false},
        {"output closed", "exec sleep 30 >&-", false},
        {"trickling", "while :; do printf x; sleep 0.05; done", false},
        {"silent, asked to go on", "exec sleep 30", true},
        {"output closed, asked to go on", "exec sleep 30 >&-", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedReader reader(QString::fromLatin1(c.script));
        XlsWorkbook::setWallTime(kLimitMs);
        int asked = 0;
        const std::function<bool()> goOn = [&] { return ++asked > 0; };
        QElapsedTimer timer;
        timer.start();
        try {
            Workbook::open(book, c.asked ? goOn : std::function<bool()>());
            ADD_FAILURE() << "a hung reader gave a workbook";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::InputOutput);
            EXPECT_TRUE(e.message().contains(QStringLiteral("took too long"))) << e.what();
        }
        const qint64 elapsed = timer.elapsed();
        EXPECT_GE(elapsed, kLimitMs);
        EXPECT_LT(elapsed, kLimitMs * 3 / 2);
        if (c.asked) {
            EXPECT_GE(asked, kLimitMs / XlsWorkbook::kGoOnIntervalMs / 2);
        }
    }
}

// While the reader runs, the question to go on comes again and again (the
// window paints meanwhile); no stops the reader at once, and the read fails.
TEST(XlsReader, TheQuestionToGoOnComesWhileTheReaderRuns)
{
    const QString book = fixture(QStringLiteral("titles.xls"));
    {
        SCOPED_TRACE("answered yes");
        FakeReader reader(header(1, 1).number(1, 1, 7).end().bytes, QStringLiteral("sleep 0.6"));
        int asked = 0;
        const auto wb = Workbook::open(book, [&] { return ++asked > 0; });
        EXPECT_EQ(wb->cell(1, 1).number, 7);
        EXPECT_GE(asked, 2);
    }
    {
        SCOPED_TRACE("answered no");
        ScriptedReader reader(QStringLiteral("exec sleep 30"));
        int asked = 0;
        QElapsedTimer timer;
        timer.start();
        try {
            Workbook::open(book, [&] { return ++asked < 3; });
            ADD_FAILURE() << "a cancelled read gave a workbook";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::InputOutput);
            EXPECT_TRUE(e.message().contains(QStringLiteral("cancelled"))) << e.what();
        }
        EXPECT_EQ(asked, 3);
        EXPECT_LT(timer.elapsed(), 3000);
    }
}
