#include "data/clsPasswordFunctions.h"
#include "platform/RandomSource.h"
#include "platform/RuntimeError.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/TempProgramFolder.h"

#include <QFile>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

constexpr int kDigitIndex = 15786; // character 15787

QString fileLine(const TempProgramFolder& folder)
{
    const QByteArray bytes = folder.read("password.apw");
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    return QString::fromUtf8(bytes.left(bytes.size() - 2));
}

// A file as the program has always written it, with the given text after the letters.
QString oldFile(const TempProgramFolder& folder, const QByteArray& middle, const QByteArray& tail = "xyz")
{
    return folder.write("password.apw", QByteArray(kDigitIndex, 'q') + middle + QByteArray(14215, 'Q') + tail + "\r\n");
}

} // namespace

TEST(PasswordFunctions, SavedPasswordsReadBackAndHideAmongLettersAToY)
{
    MersenneRandomSource random(7);
    Random::Scoped scope(random);
    for (const QString& password : {QString(), QStringLiteral("abc"), QStringLiteral("Z9z8Y7x6W"),
                                    QStringLiteral("Müller")}) {
        SCOPED_TRACE(password.toStdString());
        TempProgramFolder folder;
        clsPasswordFunctions p;
        p.SetPassword(password);
        p.SaveIntoFile(folder.file("password.apw"));

        const QString line = fileLine(folder);
        ASSERT_EQ(line.size(), 30001 + 1 + password.size());
        EXPECT_EQ(QString(line[kDigitIndex]), QString::number(password.size()));
        EXPECT_EQ(line.mid(kDigitIndex + 1, password.size()), password);
        const QString letters = line.left(kDigitIndex) + line.mid(kDigitIndex + 1 + password.size());
        ASSERT_EQ(letters.size(), 30001);
        for (const QChar c : letters)
            ASSERT_TRUE((c >= u'A' && c <= u'Y') || (c >= u'a' && c <= u'y')) << int(c.unicode());
        EXPECT_TRUE(letters.contains(u'A') && letters.contains(u'y')); // both cases, both ends

        clsPasswordFunctions back;
        back.SetPassword(QStringLiteral("old"));
        back.LoadFromFile(folder.file("password.apw"));
        EXPECT_EQ(back.GetPassword(), password);
    }
}

TEST(PasswordFunctions, FirstNumberChoosesTheCaseSecondTheLetter)
{
    // 0.5 is not above the half: small; 0.51 capital; Int(0.96 * 25) = 24 is "Y".
    ScriptedRandom random{0.5, 0.0, 0.51, 0.96};
    TempProgramFolder folder;
    clsPasswordFunctions p;
    p.SaveIntoFile(folder.file("password.apw"));
    const QString line = fileLine(folder);
    EXPECT_EQ(line.left(4), "aYYY");
}

TEST(PasswordFunctions, MissingFileMeansNoPassword)
{
    TempProgramFolder folder;
    clsPasswordFunctions p;
    p.SetPassword(QStringLiteral("old"));
    EXPECT_NO_THROW(p.LoadFromFile(folder.file("password.apw")));
    EXPECT_EQ(p.GetPassword(), QString());
}

TEST(PasswordFunctions, ExistingFilesReadAsBefore)
{
    TempProgramFolder folder;
    clsPasswordFunctions p;
    p.LoadFromFile(oldFile(folder, "9abcdefghi"));
    EXPECT_EQ(p.GetPassword(), "abcdefghi");
    p.LoadFromFile(oldFile(folder, "0"));
    EXPECT_EQ(p.GetPassword(), QString());
    // Written by the Windows program in its code page.
    p.LoadFromFile(oldFile(folder, "3M\xFCh"));
    EXPECT_EQ(p.GetPassword(), QStringLiteral("Müh"));
    // The line is one delimited item: it ends at a comma.
    p.LoadFromFile(oldFile(folder, "4ab,cd"));
    EXPECT_EQ(p.GetPassword(), "ab");
}

TEST(PasswordFunctions, DamagedFileFailsNamingTheFileAndKeepsThePassword)
{
    const QByteArray damaged[] = {QByteArray(), QByteArray("\r\n"), QByteArray(100, 'a') + "\r\n",
                                  QByteArray(kDigitIndex, 'a') + "xabc\r\n", QByteArray(kDigitIndex, 'a') + ",3abc\r\n"};
    for (const QByteArray& bytes : damaged) {
        SCOPED_TRACE(bytes.size());
        TempProgramFolder folder;
        clsPasswordFunctions p;
        p.SetPassword(QStringLiteral("keep"));
        try {
            p.LoadFromFile(folder.write("password.apw", bytes));
            ADD_FAILURE() << "read a damaged file";
        } catch (const RuntimeError& e) {
            // The start-up shows this text.
            EXPECT_TRUE(e.message().contains(folder.file("password.apw") + QStringLiteral(" is damaged"))) << e.what();
        }
        EXPECT_EQ(p.GetPassword(), "keep");
    }
}

TEST(PasswordFunctions, FileIsReadableByItsOwnerOnly)
{
    MersenneRandomSource random(5);
    Random::Scoped scope(random);
    TempProgramFolder folder;
    const QString path = folder.file("password.apw");
    clsPasswordFunctions p;
    p.SetPassword(QStringLiteral("abc"));
    for (const char* what : {"new file", "rewrite of a file others could read"}) {
        SCOPED_TRACE(what);
        p.SaveIntoFile(path);
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u);
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0644), 0);
    }
    clsPasswordFunctions back;
    back.LoadFromFile(path);
    EXPECT_EQ(back.GetPassword(), "abc");
}

TEST(PasswordFunctions, PasswordTheFileCannotHoldIsRefusedAndTheOldFileStays)
{
    MersenneRandomSource random(3);
    Random::Scoped scope(random);
    TempProgramFolder folder;
    const QString path = folder.file("password.apw");
    clsPasswordFunctions p;
    p.SetPassword(QStringLiteral("secret1"));
    p.SaveIntoFile(path);
    const QByteArray before = folder.read("password.apw");

    for (const QString& bad : {QStringLiteral("abcdefghij"), QStringLiteral("ab,c"), QStringLiteral("a b"),
                               QStringLiteral("pa$s"), QStringLiteral("\"abc"), QStringLiteral("😀")}) {
        EXPECT_FALSE(clsPasswordFunctions::isStorable(bad)) << bad.toStdString();
        p.SetPassword(bad);
        try {
            p.SaveIntoFile(path);
            ADD_FAILURE() << "saved " << bad.toStdString();
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Argument);
        }
        EXPECT_EQ(folder.read("password.apw"), before);
    }
    clsPasswordFunctions back;
    back.LoadFromFile(path);
    EXPECT_EQ(back.GetPassword(), "secret1");
}
