#include "data/clsPathFunctions.h"
#include "data/clsRndFunctions.h"
#include "data/clsStringFunctions.h"
#include "platform/RuntimeError.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* path;
    const char* withEnding;
    const char* withoutEnding;
    const char* ending;
};

TEST(PathFunctions, FileNamesAndEndings)
{
    const NameCase cases[] = {
        {"C:\\a\\film.jpg", "film.jpg", "film", "jpg"},
        {"/home/u/cover/alien.JPG", "alien.JPG", "alien", "JPG"},
        {"film.jpg", "", "", "ERROR"},          // no folder, no name
        {"C:\\x\\ab", "x\\ab", "", "/ab"},    // the "\" among the last four is not seen
        {"C:\\x\\a.jpg", "a.jpg", "a", "jpg"},
        {"", "", "", "ERROR"},
        {"/a.b", "", "", "ERROR"},
    };
    for (const NameCase& c : cases) {
        const QString p = QString::fromUtf8(c.path);
        SCOPED_TRACE(c.path);
        // Names come back in the program's own "/" form.
        EXPECT_EQ(clsPathFunctions::getFilename(p, true), QString::fromUtf8(c.withEnding).replace(u'\\', u'/'));
        EXPECT_EQ(clsPathFunctions::getFilename(p, false), QString::fromUtf8(c.withoutEnding));
        EXPECT_EQ(clsPathFunctions::getFileEnding(p), QString::fromUtf8(c.ending));
    }
}

TEST(PathFunctions, ExistenceByKindIsLiteral)
{
    TempProgramFolder folder;
    const QString jpg = folder.write(QStringLiteral("cover/A.JPG"), "x");
    const QString wav = folder.write(QStringLiteral("sounds/click.wav"), "x");
    const QString hidden = folder.write(QStringLiteral("cover/.hidden.jpg"), "x");
    folder.write(QStringLiteral("cover/b.bmp"), "x");

    EXPECT_TRUE(clsPathFunctions::checkIfFileExists(jpg, 0));
    EXPECT_TRUE(clsPathFunctions::checkIfFileExists(jpg, 1));
    EXPECT_FALSE(clsPathFunctions::checkIfFileExists(jpg, 2));
    EXPECT_TRUE(clsPathFunctions::checkIfFileExists(wav, 2));
    EXPECT_FALSE(clsPathFunctions::checkIfFileExists(wav, 9));
    EXPECT_TRUE(clsPathFunctions::checkIfFileExists(QStringLiteral("cover\\A.JPG"), 1)); // relative, Windows form
    EXPECT_FALSE(clsPathFunctions::checkIfFileExists(hidden, 1));
    EXPECT_FALSE(clsPathFunctions::checkIfFileExists(folder.file(QStringLiteral("cover")), 0)); // a folder
    EXPECT_FALSE(clsPathFunctions::checkIfFileExists(QString(), 0));
    EXPECT_FALSE(clsPathFunctions::checkIfFileExists(folder.file(QStringLiteral("cover/*.bmp")), 0));
    EXPECT_FALSE(clsPathFunctions::checkIfFileExists(folder.file(QStringLiteral("cover/?.bmp")), 1));
}

TEST(PathFunctions, FullAndRelativePaths)
{
    TempProgramFolder folder;
    QString p = QStringLiteral("cover\\a.jpg");
    EXPECT_EQ(clsPathFunctions::ChangeIntoFullPathIfRelative(p), folder.path() + QStringLiteral("/cover/a.jpg"));
    EXPECT_EQ(p, folder.path() + QStringLiteral("/cover/a.jpg")); // the caller's text changes too
    QString empty;
    EXPECT_EQ(clsPathFunctions::ChangeIntoFullPathIfRelative(empty), QString());
    QString drive = QStringLiteral("D:\\x.jpg");
    EXPECT_EQ(clsPathFunctions::ChangeIntoFullPathIfRelative(drive), QStringLiteral("D:/x.jpg"));

    QString inside = folder.path() + QStringLiteral("/cover/a.jpg");
    EXPECT_EQ(clsPathFunctions::ChangeIntoRelativePathIfFull(inside), QStringLiteral("cover/a.jpg"));
    EXPECT_EQ(inside, QStringLiteral("cover/a.jpg"));
    // A sibling folder whose name merely starts like the program folder stays whole.
    QString sibling = folder.path() + QStringLiteral("rams/x.jpg");
    EXPECT_EQ(clsPathFunctions::ChangeIntoRelativePathIfFull(sibling), folder.path() + QStringLiteral("rams/x.jpg"));
    QString elsewhere = QStringLiteral("/media/x") + folder.path() + QStringLiteral("/a.jpg");
    EXPECT_EQ(clsPathFunctions::ChangeIntoRelativePathIfFull(elsewhere), elsewhere);
    EXPECT_TRUE(clsPathFunctions::FolderExists(folder.path()));
    EXPECT_FALSE(clsPathFunctions::FolderExists(folder.file(QStringLiteral("none"))));
}

TEST(StringFunctions, PartsBySeparator)
{
    using S = clsStringFunctions;
    const QString hash = QStringLiteral("#");
    EXPECT_EQ(S::GetStringPartBySeparator(QStringLiteral("a#b#c"), 2, hash), QStringLiteral("b"));
    EXPECT_EQ(S::GetStringPartBySeparator(QStringLiteral("a#b#c"), 3, hash), QStringLiteral("c"));
    EXPECT_EQ(S::GetStringPartBySeparator(QStringLiteral("a#b"), 3, hash), QString());
    EXPECT_EQ(S::GetStringPartBySeparator(QStringLiteral("a##c"), 2, hash), QString());
    EXPECT_EQ(S::GetStringPartBySeparator(QStringLiteral("abc"), 1, hash), QStringLiteral("abc"));
    EXPECT_EQ(S::GetStringPartBySeparator(QStringLiteral("a#b"), 0, hash), QStringLiteral("a#b"));
    EXPECT_EQ(S::GetStringPartBySeparator(QStringLiteral("t1<br>t2"), 1, QStringLiteral("<br>")), QStringLiteral("t1"));
    EXPECT_EQ(S::GetStringPartBySeparator(QStringLiteral("t1<BR>t2"), 2, QStringLiteral("<br>")), QStringLiteral("t2"));
}

TEST(StringFunctions, PaddingInsertionAndTrimming)
{
    using S = clsStringFunctions;
    QString t = QStringLiteral("7");
    EXPECT_EQ(S::SetStringToLength(t, 3, true, QStringLiteral("0")), QStringLiteral("007"));
    EXPECT_EQ(t, QStringLiteral("007"));
    QString u = QStringLiteral("ab");
    EXPECT_EQ(S::SetStringToLength(u, 5, false, QStringLiteral("xy")), QStringLiteral("abxyxy"));
    QString v = QStringLiteral("ab");
    EXPECT_EQ(S::SetStringToLength(v, 5, false, QString()), QStringLiteral("ab")); // no endless loop

    EXPECT_EQ(S::SetCharIntoString(QStringLiteral("abcd"), QStringLiteral("."), 2), QStringLiteral("a.bcd"));
    EXPECT_EQ(S::SetCharIntoString(QStringLiteral("abcd"), QStringLiteral("."), 4), QStringLiteral("abcd"));
    EXPECT_EQ(S::SetCharIntoString(QStringLiteral("abcd"), QStringLiteral("."), 0), QStringLiteral("abcd"));

    EXPECT_EQ(S::TrimFirstChars(QStringLiteral("abcdefghij"), 6), QStringLiteral("[...]ij"));
    EXPECT_EQ(S::TrimFirstChars(QStringLiteral("abcdef"), 6), QStringLiteral("abcdef"));
    EXPECT_TRUE(S::IsInString(QStringLiteral("Alien"), QStringLiteral("LIE")));
}

TEST(StringFunctions, ElementsBetweenMarks)
{
    using S = clsStringFunctions;
    const QString answer = QStringLiteral("xx<COUNT=12>rest");
    EXPECT_EQ(S::GetElementFromText(answer, QStringLiteral("<COUNT="), QStringLiteral(">"), 8, 0, 1), QStringLiteral("12"));
    EXPECT_EQ(S::GetElementFromText(answer, QStringLiteral("<count="), QStringLiteral(">"), 0, 2, 1),
              QStringLiteral("<COUNT="));
    EXPECT_EQ(S::GetElementFromText(answer, QStringLiteral("<NONE"), QStringLiteral(">"), 0, 0, 1), QString());
    EXPECT_EQ(S::GetElementFromText(answer, QStringLiteral("<COUNT="), QStringLiteral(">"), 0, 0, 5), QString());
    EXPECT_THROW(S::GetElementFromText(answer, QStringLiteral("<COUNT="), QStringLiteral("]"), 0, 0, 1), RuntimeError);
    EXPECT_EQ(S::GetElementPosInString(answer, QStringLiteral("count"), 1), 4);
    EXPECT_EQ(S::GetElementPosInString(answer, QStringLiteral("count"), 5), 0);
}

TEST(StringFunctions, YearInText)
{
    const std::pair<const char*, int> cases[] = {
        {"USA 1999", 1999}, {"D 05", 2005}, {"F 99", 0},  {"GB 2100", 0}, {"1900", 0},
        {"1901", 1901},     {"no year", 0}, {"x 123456789", 0}, {"2099/2000", 2099}, {"", 0},
    };
    for (const auto& [text, year] : cases)
        EXPECT_EQ(clsStringFunctions::GetYearInString(QString::fromUtf8(text)), year) << text;
}

TEST(RndFunctions, RangesAndNextNumber)
{
    {
        ScriptedRandom r{0.0, 0.999, 0.5, 0.125};
        EXPECT_EQ(clsRndFunctions::RndBetween(1, 5), 1);
        EXPECT_EQ(clsRndFunctions::RndBetween(1, 5), 5);
        EXPECT_EQ(clsRndFunctions::RndBetween(1, 5), 3);
        EXPECT_EQ(clsRndFunctions::RndBetween(0, 4), 0); // 0.5 rounds to the even 0
    }
    EXPECT_EQ(clsRndFunctions::NextNumber(5, 1, 5), 1);
    EXPECT_EQ(clsRndFunctions::NextNumber(3, 1, 5), 4);
    EXPECT_EQ(clsRndFunctions::NextNumber(3, 5, 1), 5); // empty range: no loop
    {
        ScriptedRandom r{0.0};
        EXPECT_EQ(clsRndFunctions::RndWithoutSpecificNumbers(1, 5, 1, 2, 3, 3), 4);
        EXPECT_EQ(clsRndFunctions::RndWithoutSpecificNumbers(1, 2, 1, 2, 1, 2), 1); // nothing left: returns
    }
    {
        ScriptedRandom r{0.6, 0.4};
        EXPECT_TRUE(clsRndFunctions::FiftyFifty());
        EXPECT_FALSE(clsRndFunctions::FiftyFifty());
    }
}

} // namespace
