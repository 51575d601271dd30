#include "platform/Paths.h"
#include "platform/ProgramFolder.h"
#include "tests/support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(Paths, NormalizesAndResolvesAgainstTheProgramFolder)
{
    TempProgramFolder folder;
    EXPECT_EQ(Paths::normalize(QStringLiteral("cover\\a.jpg")), QStringLiteral("cover/a.jpg"));
    EXPECT_TRUE(Paths::isFull(QStringLiteral("/home/a.jpg")));
    EXPECT_TRUE(Paths::isFull(QStringLiteral("D:\\x.jpg")));
    EXPECT_FALSE(Paths::isFull(QStringLiteral("cover/a.jpg")));
    EXPECT_FALSE(Paths::isFull(QString()));
    EXPECT_EQ(Paths::resolve(QStringLiteral("cover\\a.jpg")), folder.path() + QStringLiteral("/cover/a.jpg"));
    EXPECT_EQ(Paths::resolve(QStringLiteral("D:\\x.jpg")), QStringLiteral("D:/x.jpg"));
    EXPECT_EQ(Paths::resolve(QString()), QString());
}

TEST(ProgramFolder, SetPathDropsTheFinalSlash)
{
    TempProgramFolder folder;
    ProgramFolder::setPath(folder.path() + QStringLiteral("/"));
    EXPECT_EQ(ProgramFolder::path(), folder.path());
}

TEST(ProgramFolder, SeedingCopiesOnlyMissingFiles)
{
    QTemporaryDir defaults;
    auto put = [&](const QString& rel, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(defaults.path() + u'/' + rel).absolutePath());
        QFile f(defaults.path() + u'/' + rel);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    put(QStringLiteral("settings.aef"), "default");
    put(QStringLiteral("languages/english-style.ass"), "1##");

    TempProgramFolder folder;
    folder.write(QStringLiteral("settings.aef"), "user's own");
    EXPECT_EQ(ProgramFolder::seedDefaults(defaults.path()), 1);
    EXPECT_EQ(folder.read(QStringLiteral("settings.aef")), QByteArray("user's own"));
    EXPECT_EQ(folder.read(QStringLiteral("languages/english-style.ass")), QByteArray("1##"));
    EXPECT_EQ(ProgramFolder::seedDefaults(defaults.path()), 0);
}

} // namespace
