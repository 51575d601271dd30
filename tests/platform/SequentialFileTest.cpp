#include "platform/RuntimeError.h"
#include "platform/SequentialFile.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cstdint>
#include <sys/stat.h>

namespace {

QStringList readAllLines(const QString& path)
{
    SequentialFile f(path, SequentialFile::Mode::Input);
    QStringList lines;
    while (!f.eof())
        lines << f.readLine();
    return lines;
}

TEST(SequentialFile, WritesUtf8LinesWithCrLfAndTheNumberForm)
{
    TempProgramFolder folder;
    SequentialFile f(QStringLiteral("out.txt"), SequentialFile::Mode::Output);
    f.writeLine(QStringLiteral("Amélie"));
    f.writeNumber(4);
    f.writeNumber(-12);
    f.writeNumber(0);
    f.writeLine(QString());
    f.close();
    EXPECT_EQ(folder.read(QStringLiteral("out.txt")), QByteArray("Am\xC3\xA9lie\r\n 4 \r\n-12 \r\n 0 \r\n\r\n"));

    // Rewrites and appends write every number in the same form.
    SequentialFile rewrite(QStringLiteral("numbers.txt"), SequentialFile::Mode::Output);
    SequentialFile append(QStringLiteral("appended.txt"), SequentialFile::Mode::Append);
    for (const double v : {-0.0, 1.5, -2.25, 32767.0, 1e20, 0.1}) {
        rewrite.writeNumber(v);
        append.writeNumber(v);
    }
    rewrite.close();
    append.close();
    EXPECT_EQ(folder.read(QStringLiteral("numbers.txt")), folder.read(QStringLiteral("appended.txt")));
    EXPECT_TRUE(folder.read(QStringLiteral("numbers.txt")).startsWith(" 0 \r\n 1.5 \r\n-2.25 \r\n 32767 \r\n"));
}

TEST(SequentialFile, ReadsAnyLineEnd)
{
    TempProgramFolder folder;
    folder.write(QStringLiteral("mixed.txt"), "a\r\nb\nc\rd\r\n\r\ne");
    EXPECT_EQ(readAllLines(QStringLiteral("mixed.txt")),
              (QStringList{"a", "b", "c", "d", "", "e"}));
    folder.write(QStringLiteral("empty.txt"), "");
    EXPECT_TRUE(readAllLines(QStringLiteral("empty.txt")).isEmpty());
    folder.write(QStringLiteral("one.txt"), "\r\n");
    EXPECT_EQ(readAllLines(QStringLiteral("one.txt")), QStringList{QString()});
}

TEST(SequentialFile, KnowsTheLineOfTheLastRead)
{
    TempProgramFolder folder;
    folder.write(QStringLiteral("lines.txt"), "a\r\n 1,2\n\r 9 rest\r\n");
    SequentialFile f(QStringLiteral("lines.txt"), SequentialFile::Mode::Input);
    EXPECT_EQ(f.lineNumber(), 0);
    struct Step {
        bool number;
        int line;
    };
    const Step steps[] = {{false, 1}, {true, 2}, {true, 2}, {false, 3}, {true, 4}};
    for (const Step& step : steps) {
        if (step.number)
            f.readNumber();
        else
            f.readLine();
        EXPECT_EQ(f.lineNumber(), step.line);
    }
    EXPECT_TRUE(f.eof());
    try {
        f.readLine();
        ADD_FAILURE() << "read past the end";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(f.atLine(e).message(), QStringLiteral("end of file: lines.txt, line 5: the file ends before this line"));
        EXPECT_EQ(f.atLine(e).kind(), ErrorKind::EndOfFile);
    }
}

TEST(SequentialFile, DecodesUtf8OrWindows1252)
{
    EXPECT_EQ(SequentialFile::decode("K\xC3\xB6ln"), QStringLiteral("Köln"));
    EXPECT_EQ(SequentialFile::decode("\xEF\xBB\xBFK\xC3\xB6ln"), QStringLiteral("Köln"));
    // Bytes from the Windows program: ö is 0xF6, € is 0x80, „ is 0x84.
    EXPECT_EQ(SequentialFile::decode("K\xF6ln \x80 \x84x"), QStringLiteral("Köln € „x"));
}

// The lines of the whole file decoded at once, split at CR LF, LF or a lone CR.
QStringList linesOfDecoded(const QByteArray& bytes)
{
    const QString text = SequentialFile::decode(bytes);
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        lines << text.mid(start, end - start);
        start = end + (text.mid(end, 2) == QStringLiteral("\r\n") ? 2 : 1);
    }
    return lines;
}

// A file of valid UTF-8 is read from its bytes line by line: every line, its
// number and its text (empty, never null) must be those of the file decoded
// whole, over lines that cross the blocks the reader looks at, any line end,
// BOMs, control characters and bytes that are no UTF-8 (the file then reads
// as Windows-1252).
TEST(SequentialFile, ReadsEveryLineAsTheWholeFileDecoded)
{
    TempProgramFolder folder;
    const QList<QByteArray> pieces{"a", "Bc", " ", "\t", ",", "\x01", "\r", "\n", "\r\n", "\xC3\xB6", "\xE2\x82\xAC",
                                   "\xF0\x9F\x98\x80", "\xEF\xBB\xBF", "0123456789abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"};
    QList<QByteArray> files{"", "\r\n", "x", "\xEF\xBB\xBF", "\xEF\xBB\xBFok\r\n", "\xEF\xBB\xBF\xEF\xBB\xBFtwo\r\n",
                            "\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF" "three", "K\xF6ln \x80\r\nx", "\xC3", "ab\xED\xA0\x80",
                            QByteArray(63, 'a') + "\r\n" + QByteArray(64, 'b') + "\r" + QByteArray(65, 'c') + "\n",
                            QByteArray(63, 'a') + "\r\n" + "b", QByteArray(127, 'a') + "\xC3\xB6" + QByteArray(70, 'c')};
    std::uint32_t seed = 7;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) % 32768u; };
    for (int f = 0; f < 300; ++f) {
        QByteArray bytes;
        const int count = static_cast<int>(next() % 80);
        for (int i = 0; i < count; ++i)
            bytes += pieces[static_cast<int>(next()) % pieces.size()];
        if (f % 10 == 9)
            bytes.insert(static_cast<qsizetype>(next()) % (bytes.size() + 1), '\x80'); // no UTF-8 at all
        files << bytes;
    }
    for (const QByteArray& bytes : files) {
        SCOPED_TRACE(bytes.toPercentEncoding().toStdString());
        folder.write(QStringLiteral("f.txt"), bytes);
        const QStringList expected = linesOfDecoded(bytes);
        SequentialFile byText(QStringLiteral("f.txt"), SequentialFile::Mode::Input);
        SequentialFile byView(QStringLiteral("f.txt"), SequentialFile::Mode::Input);
        SequentialFile bySkip(QStringLiteral("f.txt"), SequentialFile::Mode::Input);
        for (int i = 0; i < expected.size(); ++i) {
            ASSERT_FALSE(byText.eof());
            const QString text = byText.readLine();
            EXPECT_EQ(text, expected[i]);
            EXPECT_FALSE(text.isNull());
            const QStringView view = byView.readLineView();
            EXPECT_EQ(view, expected[i]);
            EXPECT_FALSE(view.toString().isNull());
            bySkip.skipLine();
            EXPECT_EQ(byText.lineNumber(), i + 1);
            EXPECT_EQ(byView.lineNumber(), i + 1);
            EXPECT_EQ(bySkip.lineNumber(), i + 1);
        }
        EXPECT_TRUE(byText.eof());
        EXPECT_TRUE(byView.eof());
        EXPECT_TRUE(bySkip.eof());
        EXPECT_THROW(byText.readLine(), RuntimeError);
    }
}

// Items and lines read in turn from a file of other characters, as UTF-8 and
// as Windows-1252.
TEST(SequentialFile, ItemsAndLinesOfEitherEncoding)
{
    TempProgramFolder folder;
    for (const QByteArray& o : {QByteArray("\xC3\xB6"), QByteArray("\xF6")}) {
        SCOPED_TRACE(o.toHex().toStdString());
        folder.write(QStringLiteral("m.txt"), "K" + o + "ln\r\n 5 \r\n7,8 " + o + "\r\n" + o + "\r\n12 rest " + o + "\rlast");
        SequentialFile f(QStringLiteral("m.txt"), SequentialFile::Mode::Input);
        EXPECT_EQ(f.readLine(), QStringLiteral("Köln"));
        EXPECT_EQ(f.readNumber(), 5);
        EXPECT_EQ(f.readNumber(), 7);
        EXPECT_EQ(f.readItem(), QStringLiteral("8"));
        EXPECT_EQ(f.readLineView(), QStringLiteral("ö"));
        EXPECT_EQ(f.readNumber(), 12);
        EXPECT_EQ(f.lineNumber(), 5);
        EXPECT_EQ(f.readLine(), QStringLiteral("last"));
        EXPECT_TRUE(f.eof());
    }
}

// Whole numbers take a short way; everything else must read as before.
TEST(SequentialFile, NumberItemsOfEveryForm)
{
    TempProgramFolder folder;
    const struct {
        const char* item;
        double value;
    } numbers[] = {{"007", 7},         {"-0", 0},          {"999999999", 999999999}, {"1234567890", 1234567890},
                   {"-32768", -32768}, {"+4", 4},          {"2.5", 2.5},             {"1e3", 1000},
                   {"-1.5E-1", -0.15}, {"\t6\t", 6}};
    for (const auto& n : numbers) {
        SCOPED_TRACE(n.item);
        folder.write(QStringLiteral("n.txt"), QByteArray(n.item) + "\r\n");
        SequentialFile f(QStringLiteral("n.txt"), SequentialFile::Mode::Input);
        EXPECT_EQ(f.readNumber(), n.value);
    }
    for (const char* text : {"-", "--1", "1-", "12a", "0x1F", "\xC2\xB2"}) {
        SCOPED_TRACE(text);
        folder.write(QStringLiteral("n.txt"), QByteArray(text) + "\r\n");
        SequentialFile f(QStringLiteral("n.txt"), SequentialFile::Mode::Input);
        try {
            f.readNumber();
            ADD_FAILURE() << "read as a number";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Conversion);
        }
    }
}

TEST(SequentialFile, ReadsNumberItems)
{
    TempProgramFolder folder;
    folder.write(QStringLiteral("n.txt"), " 5 \r\n-3\r\n7,8\r\n\r\n12 rest\r\nabc\r\n");
    SequentialFile f(QStringLiteral("n.txt"), SequentialFile::Mode::Input);
    EXPECT_EQ(f.readNumber(), 5);
    EXPECT_EQ(f.readNumber(), -3);
    EXPECT_EQ(f.readNumber(), 7); // a comma ends the item and stays on the line
    EXPECT_EQ(f.readNumber(), 8);
    EXPECT_EQ(f.readNumber(), 0); // an empty line
    EXPECT_EQ(f.readNumber(), 12); // text after a number never shifts the next line
    EXPECT_THROW(f.readNumber(), RuntimeError);
    EXPECT_TRUE(f.eof());
    try {
        f.readLine();
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::EndOfFile);
    }
}

// Only a regular file is read: a folder, a pipe (never waited for) or a
// path through a file are no file at all.
TEST(SequentialFile, MissingFileIsFileNotFound)
{
    TempProgramFolder folder;
    QDir(folder.path()).mkdir(QStringLiteral("folder"));
    folder.writeLines(QStringLiteral("plain.txt"), {QStringLiteral("x")});
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.file(QStringLiteral("pipe"))).constData(), 0600), 0);
    // The message names the file and says what it is not.
    const std::pair<const char*, const char*> cases[] = {
        {"nothing.txt", "does not exist"},
        {"folder", "is not a file"},
        {"pipe", "is not a file"},
        {"plain.txt/inner.txt", "does not exist"},
    };
    for (const auto& [path, cause] : cases) {
        try {
            SequentialFile f(QString::fromLatin1(path), SequentialFile::Mode::Input);
            ADD_FAILURE() << path;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::FileNotFound) << path;
            EXPECT_EQ(e.detail(), folder.file(QString::fromLatin1(path)) + u' ' + QLatin1String(cause)) << path;
        }
    }
}

// The whole file is read, also where it holds nothing or more than one read
// takes at a time.
TEST(SequentialFile, ReadsTheWholeFileOfAnySize)
{
    TempProgramFolder folder;
    QFile(folder.file(QStringLiteral("empty.txt"))).open(QIODevice::WriteOnly);
    EXPECT_EQ(readAllLines(folder.file(QStringLiteral("empty.txt"))), QStringList{});
    QStringList many;
    for (int i = 0; i < 50000; ++i)
        many << QStringLiteral("line %1").arg(i);
    folder.writeLines(QStringLiteral("many.txt"), many);
    EXPECT_EQ(readAllLines(folder.file(QStringLiteral("many.txt"))), many);

    // Written as well: plain and other characters, over many blocks.
    for (int i = 0; i < many.size(); i += 7)
        many[i] += QStringLiteral(" Am\u00e9lie \u20ac");
    SequentialFile out(QStringLiteral("written.txt"), SequentialFile::Mode::Output);
    for (const QString& line : many)
        out.writeLine(line);
    out.close();
    EXPECT_EQ(readAllLines(folder.file(QStringLiteral("written.txt"))), many);
}

TEST(SequentialFile, UnfinishedOrFailedRewriteKeepsTheOldFile)
{
    TempProgramFolder folder;
    folder.write(QStringLiteral("keep.txt"), "old\r\n");
    {
        SequentialFile f(QStringLiteral("keep.txt"), SequentialFile::Mode::Output);
        f.writeLine(QStringLiteral("new"));
        // destroyed without close(), as when an error ends the writer
    }
    EXPECT_EQ(folder.read(QStringLiteral("keep.txt")), QByteArray("old\r\n"));

    // A folder where the file should be cannot be replaced.
    QDir().mkpath(folder.file(QStringLiteral("adir")));
    try {
        SequentialFile f(QStringLiteral("adir"), SequentialFile::Mode::Output);
        f.writeLine(QStringLiteral("x"));
        f.close();
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::InputOutput);
    }
}

TEST(SequentialFile, WriteOnAFullDiskSaysSoAndARewriteKeepsTheOldFile)
{
    // Short files fail when they are committed, long ones already while
    // lines are written; appending fails the same way.
    struct Case {
        const char* what;
        SequentialFile::Mode mode;
        int lines;
    };
    const Case cases[] = {
        {"rewrite, fails at commit", SequentialFile::Mode::Output, 100},
        {"rewrite, fails while writing", SequentialFile::Mode::Output, 5000},
        {"append, fails at close", SequentialFile::Mode::Append, 100},
        {"append, fails while writing", SequentialFile::Mode::Append, 5000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempProgramFolder folder;
        folder.write(QStringLiteral("keep.txt"), "old\r\n");
        {
            FileSizeLimit limit(64);
            try {
                SequentialFile f(QStringLiteral("keep.txt"), c.mode);
                for (int i = 0; i < c.lines; ++i)
                    f.writeLine(QStringLiteral("line %1").arg(i));
                f.close();
                ADD_FAILURE() << "a write past the limit was reported as done";
            } catch (const RuntimeError& e) {
                EXPECT_EQ(e.kind(), ErrorKind::InputOutput);
                EXPECT_TRUE(e.message().contains(QStringLiteral("disk full or file too large"))) << e.what();
                EXPECT_TRUE(e.message().contains(folder.file(QStringLiteral("keep.txt")))) << e.what();
            }
        }
        if (c.mode == SequentialFile::Mode::Output) {
            EXPECT_EQ(folder.read(QStringLiteral("keep.txt")), QByteArray("old\r\n"));
        }
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"keep.txt"}); // no temporary file left
    }

    // Other failures keep their own reason.
    TempProgramFolder folder;
    QDir().mkpath(folder.file(QStringLiteral("adir")));
    try {
        SequentialFile f(QStringLiteral("adir"), SequentialFile::Mode::Output);
        f.writeLine(QStringLiteral("x"));
        f.close();
        ADD_FAILURE() << "a folder was replaced";
    } catch (const RuntimeError& e) {
        EXPECT_FALSE(e.message().contains(QStringLiteral("disk full"))) << e.what();
    }
}

TEST(SequentialFile, AppendAddsLines)
{
    TempProgramFolder folder;
    folder.write(QStringLiteral("log.txt"), "a\r\n");
    SequentialFile f(QStringLiteral("log.txt"), SequentialFile::Mode::Append);
    f.writeLine(QStringLiteral("b"));
    f.close();
    EXPECT_EQ(folder.read(QStringLiteral("log.txt")), QByteArray("a\r\nb\r\n"));
}

} // namespace
