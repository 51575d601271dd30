#include "shelf/core/clsRegalCtrl.h"
#include "tests/shelf/core/ShelfValues.h"
#include "tests/support/ErrorKindOf.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempProgramFolder.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

using R = clsRegalCtrl;
using ShelfValues::movieLine;
using ShelfValues::names;

QByteArray crlf(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

const QStringList kExample = {
    "shelf.gif", " 2 ", " 2 ", " 150 ", "Alien", "120#35#7#100", "Amélie", "-5#0#6#80", "0#140#200#0", "5#6#7#9",
};

TEST(RegalFile, NewShelfFileLoadsEmptyAndSavesWithFullBackgroundPath)
{
    TempProgramFolder folder;
    R::WriteNewShelfFile(QStringLiteral("shelves/neu.arf"));
    EXPECT_EQ(folder.read(QStringLiteral("shelves/neu.arf")), QByteArray("shelf.gif\r\n0\r\n0\r\n100\r\n"));

    R shelf;
    ASSERT_TRUE(shelf.Load(QStringLiteral("shelves/neu.arf")));
    EXPECT_EQ(shelf.MovieCount(), 0);
    EXPECT_EQ(shelf.Brettcount(), 0);
    EXPECT_EQ(shelf.MovieSize(), 100);
    EXPECT_EQ(shelf.BGpath(), folder.path() + QStringLiteral("/shelf.gif"));
    EXPECT_EQ(shelf.BGpath(), R::DefaultBGpath());

    shelf.Save(QStringLiteral("shelves/neu.arf"));
    EXPECT_EQ(folder.read(QStringLiteral("shelves/neu.arf")),
              crlf({folder.path() + "/shelf.gif", " 0 ", " 0 ", " 100 "}));
}

TEST(RegalFile, ExampleShelfIsReadAndWrittenBackByteForByte)
{
    TempProgramFolder folder;
    folder.write(QStringLiteral("shelves/a.arf"), crlf(kExample));
    R shelf;
    ASSERT_TRUE(shelf.Load(folder.file(QStringLiteral("shelves/a.arf"))));
    EXPECT_EQ(names(shelf), (QStringList{"Alien", "Amélie"}));
    EXPECT_EQ(movieLine(shelf, 1), QStringLiteral("120 35 7 100 0"));
    EXPECT_EQ(movieLine(shelf, 2), QStringLiteral("-5 0 6 80 0"));
    EXPECT_EQ(shelf.MovieSize(), 150);
    EXPECT_EQ(shelf.GetBrettValue(2, R::BrettLeft) + shelf.GetBrettValue(2, R::BrettTop) +
                  shelf.GetBrettValue(2, R::BrettWidth) + shelf.GetBrettValue(2, R::BrettMark),
              QStringLiteral("5670"));

    // Marks live in memory only.
    shelf.SetMovieValue(1, R::MovieMark, QStringLiteral("1"));
    shelf.SetBrettValue(1, R::BrettMark, QStringLiteral("1"));
    shelf.Save(QStringLiteral("shelves/b.arf"));
    QStringList expected = kExample;
    expected[0] = folder.path() + QStringLiteral("/shelf.gif");
    EXPECT_EQ(folder.read(QStringLiteral("shelves/b.arf")), crlf(expected));
}

TEST(RegalFile, ShelfBuiltInMemoryIsWrittenInTheFileForm)
{
    TempProgramFolder folder;
    R shelf;
    shelf.setBGpath(QStringLiteral("pics\\wood.jpg"));
    shelf.setMovieSize(100);
    shelf.AddSortedMovie(QStringLiteral("Brazil"), QStringLiteral("VHS"), 12, -3, 0, 0);
    shelf.AddSortedMovie(QStringLiteral("alien"), QStringLiteral("BluRay"), 0, 0, 0, 0);
    shelf.AddBrett(140, 0, 200);
    shelf.Save(QStringLiteral("shelves/c.arf"));
    EXPECT_EQ(folder.read(QStringLiteral("shelves/c.arf")),
              crlf({folder.path() + "/pics/wood.jpg", " 2 ", " 1 ", " 100 ", "alien", "0#0#6#80", "Brazil",
                    "12#-3#10#100", "0#140#200#0"}));
}

TEST(RegalFile, LineBreaksInANameCannotShiftTheFile)
{
    TempProgramFolder folder;
    R shelf;
    shelf.setMovieSize(100);
    shelf.AddMovie(QStringLiteral("x"), 0, 0);
    shelf.SetMovieValue(1, R::MovieName, QStringLiteral("two\r\nlines"));
    shelf.Save(QStringLiteral("s.arf"));
    R back;
    ASSERT_TRUE(back.Load(QStringLiteral("s.arf")));
    EXPECT_EQ(names(back), QStringList{"two lines"});
}

TEST(RegalFile, BackgroundPathsAreCompletedOnLoad)
{
    TempProgramFolder folder;
    const struct {
        const char* line;
        QString expected;
    } cases[] = {
        {"shelf.gif", folder.path() + "/shelf.gif"},
        {"pics\\wood.jpg", folder.path() + "/pics/wood.jpg"},
        {"D:\\pics\\wood.jpg", "D:/pics/wood.jpg"},
        {"/srv/pics/wood.jpg", "/srv/pics/wood.jpg"},
    };
    for (const auto& c : cases) {
        folder.write(QStringLiteral("s.arf"), crlf({c.line, "0", "0", "100"}));
        R shelf;
        ASSERT_TRUE(shelf.Load(QStringLiteral("s.arf"))) << c.line;
        EXPECT_EQ(shelf.BGpath(), c.expected) << c.line;
    }
}

TEST(RegalFile, DamagedFilesFailAndKeepTheShelf)
{
    TempProgramFolder folder;
    const struct {
        const char* what;
        QStringList lines;
    } cases[] = {
        {"header only", {"shelf.gif"}},
        {"count is no number", {"shelf.gif", "x", "0", "100"}},
        {"size outside 16 bits", {"shelf.gif", "0", "0", "40000"}},
        {"negative title count", {"shelf.gif", "-1", "0", "100"}},
        {"negative board count", {"shelf.gif", "0", "-2", "100"}},
        {"10000 titles", {"shelf.gif", "10000", "0", "100"}},
        {"51 boards", {"shelf.gif", "0", "51", "100"}},
        {"title line of three parts", {"shelf.gif", "1", "0", "100", "A", "10#20#7"}},
        {"empty part", {"shelf.gif", "1", "0", "100", "A", "10##7#100"}},
        {"part is no number", {"shelf.gif", "1", "0", "100", "A", "10#x#7#100"}},
        {"part outside 16 bits", {"shelf.gif", "1", "0", "100", "A", "10#20#7#40000"}},
        {"ends inside a title", {"shelf.gif", "2", "0", "100", "A", "1#2#3#4", "B"}},
        {"board line missing", {"shelf.gif", "0", "2", "100", "0#140#200#0"}},
        {"short board line", {"shelf.gif", "0", "1", "100", "0#140#200"}},
    };
    folder.write(QStringLiteral("good.arf"), crlf(kExample));
    for (const auto& c : cases) {
        folder.write(QStringLiteral("bad.arf"), crlf(c.lines));
        R shelf;
        ASSERT_TRUE(shelf.Load(QStringLiteral("good.arf")));
        EXPECT_FALSE(shelf.Load(QStringLiteral("bad.arf"))) << c.what;
        EXPECT_EQ(names(shelf), (QStringList{"Alien", "Amélie"})) << c.what;
        EXPECT_EQ(shelf.Brettcount(), 2) << c.what;
        EXPECT_EQ(shelf.MovieSize(), 150) << c.what;
        EXPECT_EQ(shelf.BGpath(), folder.path() + QStringLiteral("/shelf.gif")) << c.what;
    }
    R shelf;
    EXPECT_FALSE(shelf.Load(QStringLiteral("missing.arf")));
    EXPECT_FALSE(shelf.Load(QString()));
}

TEST(RegalFile, ReaderToleratesBlanksFractionsLineEndsAndTrailingLines)
{
    TempProgramFolder folder;
    folder.write(QStringLiteral("s.arf"),
                 "bg.jpg\n 2\n1 \n  95  \nA\n 10 # 20 #7#100#99\nB\r10.5#11.5#-0.5#2.5\r\n3#4#5#6\nextra line\n");
    R shelf;
    ASSERT_TRUE(shelf.Load(QStringLiteral("s.arf")));
    EXPECT_EQ(names(shelf), (QStringList{"A", "B"}));
    EXPECT_EQ(movieLine(shelf, 1), QStringLiteral("10 20 7 100 0"));
    EXPECT_EQ(movieLine(shelf, 2), QStringLiteral("10 12 0 2 0")); // halves to the even neighbour
    EXPECT_EQ(shelf.Brettcount(), 1);
    EXPECT_EQ(shelf.MovieSize(), 95);

    // The last line needs no line end.
    folder.write(QStringLiteral("t.arf"), "bg.jpg\r\n0\r\n1\r\n100\r\n7#8#9#0");
    ASSERT_TRUE(shelf.Load(QStringLiteral("t.arf")));
    EXPECT_EQ(shelf.MovieCount(), 0);
    EXPECT_EQ(shelf.GetBrettValue(1, R::BrettWidth), QStringLiteral("9"));
}

TEST(RegalFile, FailedSaveThrowsAndKeepsThePreviousFile)
{
    TempProgramFolder folder;
    folder.write(QStringLiteral("shelves/a.arf"), crlf(kExample));
    R shelf;
    ASSERT_TRUE(shelf.Load(QStringLiteral("shelves/a.arf")));
    for (int i = 0; i < 50; ++i)
        shelf.AddMovie(QStringLiteral("title %1").arg(i), 0, 0);
    {
        FileSizeLimit limit(64);
        EXPECT_EQ(errorKindOf([&] { shelf.Save(QStringLiteral("shelves/a.arf")); }), ErrorKind::InputOutput);
    }
    EXPECT_EQ(folder.read(QStringLiteral("shelves/a.arf")), crlf(kExample));

    // A folder where the file should be.
    folder.write(QStringLiteral("shelves/dir.arf/inner"), "x");
    EXPECT_EQ(errorKindOf([&] { shelf.Save(QStringLiteral("shelves/dir.arf")); }), ErrorKind::InputOutput);
    EXPECT_EQ(errorKindOf([&] { R::WriteNewShelfFile(QStringLiteral("shelves/dir.arf")); }), ErrorKind::InputOutput);
    EXPECT_EQ(folder.read(QStringLiteral("shelves/dir.arf/inner")), QByteArray("x"));
}

TEST(RegalFile, ShelfOfAListAndItsCopy)
{
    TempProgramFolder folder;
    EXPECT_EQ(R::ShelfPathOfList(folder.file(QStringLiteral("lists/Meine Filme.adl"))),
              folder.path() + QStringLiteral("/shelves/Meine Filme.arf"));

    // The copy is its source byte for byte: a relative background stays
    // relative, numbers keep their form, and a damaged shelf stays what it is.
    const struct {
        const char* name;
        QByteArray bytes;
    } sources[] = {
        {"a", crlf(kExample)},
        {"lf", "pics/wood.jpg\n1\n0\n100\nAlien\n120#35#7#100\n"},
        {"cp1252", "shelf.gif\r\n1\r\n0\r\n100\r\nAm\xe9lie\r\n0#0#7#100"},
        {"damaged", crlf({"shelf.gif", "3"})},
        {"empty", QByteArray()},
    };
    for (const auto& c : sources) {
        const QString name = QString::fromLatin1(c.name);
        folder.write(QStringLiteral("shelves/%1.arf").arg(name), c.bytes);
        R::CopyShelfFile(R::ShelfPathOfList(folder.file(QStringLiteral("lists/%1.adl").arg(name))),
                         R::ShelfPathOfList(folder.file(QStringLiteral("lists/%1 copy.adl").arg(name))));
        EXPECT_EQ(folder.read(QStringLiteral("shelves/%1 copy.arf").arg(name)), c.bytes) << c.name;
        EXPECT_EQ(folder.read(QStringLiteral("shelves/%1.arf").arg(name)), c.bytes) << c.name;
    }

    // A missing source gives the copy a new, empty shelf that opens.
    R::CopyShelfFile(folder.file(QStringLiteral("shelves/missing.arf")), folder.file(QStringLiteral("shelves/c.arf")));
    EXPECT_EQ(folder.read(QStringLiteral("shelves/c.arf")), QByteArray("shelf.gif\r\n0\r\n0\r\n100\r\n"));

    // A target that cannot be written, and a source that cannot be read, are errors naming the file.
    folder.write(QStringLiteral("shelves/dir.arf/inner"), "x");
    const QString source = folder.file(QStringLiteral("shelves/a.arf"));
    const QString target = folder.file(QStringLiteral("shelves/dir.arf"));
    EXPECT_EQ(errorKindOf([&] { R::CopyShelfFile(source, target); }), ErrorKind::InputOutput);
    EXPECT_EQ(folder.read(QStringLiteral("shelves/dir.arf/inner")), QByteArray("x"));
    try {
        R::CopyShelfFile(target, folder.file(QStringLiteral("shelves/d.arf")));
        ADD_FAILURE() << "a folder was copied";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::InputOutput);
        EXPECT_TRUE(e.detail().contains(target)) << e.message().toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("shelves/d.arf"))));

    // A disk that fills up during the copy leaves no half copy behind.
    {
        FileSizeLimit limit(16);
        EXPECT_EQ(errorKindOf([&] { R::CopyShelfFile(source, folder.file(QStringLiteral("shelves/e.arf"))); }),
                  ErrorKind::InputOutput);
    }
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("shelves/e.arf"))));
}

} // namespace
