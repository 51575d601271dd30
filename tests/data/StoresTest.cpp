#include "data/clsDefaultListFileHandler.h"
#include "data/clsDefaultTextfileHandler.h"
#include "platform/RuntimeError.h"
#include "tests/support/ErrorKindOf.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QFileInfo>

namespace {

QStringList items(const clsDefaultListFileHandler& list)
{
    QStringList out;
    for (int i = 1; i <= list.getListSize(); ++i)
        out << list.getElement(i);
    return out;
}

TEST(ListFileHandler, LoadsWithSuffixAndNumbers)
{
    TempProgramFolder folder;
    folder.writeLines(QStringLiteral("n.txt"), {"a", "b"});
    clsDefaultListFileHandler list;
    list.Load(QStringLiteral("n.txt"), false, true, QStringLiteral("#"), true);
    EXPECT_EQ(items(list), (QStringList{"a#1", "b#2"}));
    list.Load(QStringLiteral("n.txt"), false, false); // appends without clearing
    EXPECT_EQ(items(list), (QStringList{"a#1", "b#2", "a", "b"}));
}

TEST(ListFileHandler, MissingFileIsCreatedEmptyOnlyWhenAsked)
{
    TempProgramFolder folder;
    clsDefaultListFileHandler list;
    list.Add(QStringLiteral("old"));
    list.Load(QStringLiteral("none.txt"), false, true);
    EXPECT_EQ(list.getListSize(), 0);
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("none.txt"))));
    list.Load(QStringLiteral("new.txt"), true, true);
    EXPECT_TRUE(QFileInfo::exists(folder.file(QStringLiteral("new.txt"))));
    EXPECT_EQ(folder.read(QStringLiteral("new.txt")), QByteArray());
}

TEST(ListFileHandler, EditingOperations)
{
    clsDefaultListFileHandler list;
    for (const char* s : {"a", "b", "c"})
        list.Add(QString::fromUtf8(s));
    list.AddToPosition(QStringLiteral("x"), 4); // count + 1 appends
    list.AddToPosition(QStringLiteral("y"), 0); // nothing
    list.AddToPosition(QStringLiteral("z"), 9); // nothing
    list.AddToPosition(QStringLiteral("first"), 1);
    EXPECT_EQ(items(list), (QStringList{"first", "a", "b", "c", "x"}));
    list.Remove(2);
    list.RemoveStr(QStringLiteral("C")); // case-sensitive: no match
    list.RemoveStr(QStringLiteral("c"));
    list.Change(1, QStringLiteral("F"));
    EXPECT_EQ(items(list), (QStringList{"F", "b", "x"}));
    // Slots above the count keep what they held.
    EXPECT_EQ(list.getElement(4), QStringLiteral("x"));
    EXPECT_EQ(list.getElement(30000), QString());
    EXPECT_THROW(list.getElement(-1), RuntimeError);
    EXPECT_THROW(list.Remove(0), RuntimeError);
    EXPECT_THROW(list.Remove(4), RuntimeError);
    EXPECT_EQ(list.getListSize(), 3);
}

TEST(ListFileHandler, SavesCrLfLinesAndGrowsPastItsOldCapacity)
{
    TempProgramFolder folder;
    clsDefaultListFileHandler list;
    for (int i = 1; i <= 30005; ++i)
        list.Add(QString::number(i));
    EXPECT_EQ(list.getElement(30005), QStringLiteral("30005"));
    list.Save(QStringLiteral("big.txt"));
    clsDefaultListFileHandler back;
    back.Load(QStringLiteral("big.txt"), false, true);
    EXPECT_EQ(back.getListSize(), 30005);

    clsDefaultListFileHandler small;
    small.Add(QStringLiteral("Anna"));
    small.Add(QString());
    small.Save(QStringLiteral("s.txt"));
    EXPECT_EQ(folder.read(QStringLiteral("s.txt")), QByteArray("Anna\r\n\r\n"));
    EXPECT_TRUE(clsDefaultListFileHandler::KillFile(QStringLiteral("s.txt")));
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("s.txt"))));
}

TEST(TextfileHandler, ReadsAndWritesWholeTexts)
{
    TempProgramFolder folder;
    folder.write(QStringLiteral("t.txt"), "a\r\nb");
    EXPECT_EQ(clsDefaultTextfileHandler::ReadTxtFile(QStringLiteral("t.txt"), false), QStringLiteral("a\r\nb\r\n"));

    EXPECT_TRUE(clsDefaultTextfileHandler::WriteTxtFile(QStringLiteral("w.txt"), QStringLiteral("a\r\nb")));
    EXPECT_EQ(folder.read(QStringLiteral("w.txt")), QByteArray("a\r\nb\r\n"));
    // Lines typed with bare line feeds are kept as CR LF lines.
    EXPECT_TRUE(clsDefaultTextfileHandler::WriteTxtFile(QStringLiteral("lf.txt"), QStringLiteral("a\nb")));
    EXPECT_EQ(folder.read(QStringLiteral("lf.txt")), QByteArray("a\r\nb\r\n"));

    EXPECT_EQ(clsDefaultTextfileHandler::ReadTxtFile(QStringLiteral("none.txt"), false), QString());
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("none.txt"))));
    EXPECT_EQ(clsDefaultTextfileHandler::ReadTxtFile(QStringLiteral("made.txt"), true), QString());
    EXPECT_EQ(folder.read(QStringLiteral("made.txt")), QByteArray("\r\n"));
    // An empty text is an empty file.
    EXPECT_TRUE(clsDefaultTextfileHandler::WriteTxtFile(QStringLiteral("made.txt"), QString()));
    EXPECT_EQ(folder.read(QStringLiteral("made.txt")), QByteArray());

    EXPECT_EQ(clsDefaultTextfileHandler::SearchForText(QStringLiteral("Hello World"), QStringLiteral("world")), 7);
    EXPECT_EQ(clsDefaultTextfileHandler::SearchForText(QStringLiteral("Hello"), QStringLiteral("x")), 0);
}

TEST(TextfileHandler, SavingWhatWasReadGivesTheSameTextEveryTime)
{
    // The notes and the long texts are read, shown, and saved again unchanged.
    struct Case {
        const char* what;
        QByteArray file;
    };
    const Case cases[] = {
        {"empty", ""},
        {"one line", "Notes\r\n"},
        {"blank lines inside and at the end", "a\r\n\r\nb\r\n\r\n"},
        {"only a line break", "\r\n"},
        {"umlauts", "Gr\xC3\xBC\xC3\x9F\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempProgramFolder folder;
        folder.write(QStringLiteral("notes.txt"), c.file);
        const QString first = clsDefaultTextfileHandler::ReadTxtFile(QStringLiteral("notes.txt"), true);
        for (int save = 1; save <= 3; ++save) {
            const QString text = clsDefaultTextfileHandler::ReadTxtFile(QStringLiteral("notes.txt"), true);
            EXPECT_EQ(text, first) << "save " << save;
            ASSERT_TRUE(clsDefaultTextfileHandler::WriteTxtFile(QStringLiteral("notes.txt"), text));
            EXPECT_EQ(folder.read(QStringLiteral("notes.txt")), c.file) << "save " << save;
        }
    }

    // Typed text: bare line feeds become CR LF, and a last line without a
    // line end gets one at its first save; from then on nothing changes.
    TempProgramFolder folder;
    QString text = QStringLiteral("typed\nlast");
    for (int save = 1; save <= 3; ++save) {
        ASSERT_TRUE(clsDefaultTextfileHandler::WriteTxtFile(QStringLiteral("t.txt"), text));
        EXPECT_EQ(folder.read(QStringLiteral("t.txt")), QByteArray("typed\r\nlast\r\n")) << "save " << save;
        text = clsDefaultTextfileHandler::ReadTxtFile(QStringLiteral("t.txt"), false);
        EXPECT_EQ(text, QStringLiteral("typed\r\nlast\r\n"));
    }
}

TEST(TextfileHandler, FailedWriteIsReportedAndKeepsNothingHalfWritten)
{
    TempProgramFolder folder;
    folder.write(QStringLiteral("dir/inner.txt"), "x");
    EXPECT_FALSE(clsDefaultTextfileHandler::WriteTxtFile(QStringLiteral("dir"), QStringLiteral("text")));
    EXPECT_EQ(folder.read(QStringLiteral("dir/inner.txt")), QByteArray("x"));

    // The core under it names the file and the cause; a full disk keeps the old text.
    folder.write(QStringLiteral("notes.txt"), "old\r\n");
    {
        FileSizeLimit limit(4);
        EXPECT_FALSE(clsDefaultTextfileHandler::WriteTxtFile(QStringLiteral("notes.txt"), QStringLiteral("longer")));
        EXPECT_EQ(errorDetailOf([] {
                      clsDefaultTextfileHandler::writeTextFile(QStringLiteral("notes.txt"), QStringLiteral("longer"));
                  }),
                  "cannot write " + folder.file(QStringLiteral("notes.txt")) + ": disk full or file too large");
    }
    EXPECT_EQ(folder.read(QStringLiteral("notes.txt")), QByteArray("old\r\n"));
}

} // namespace
