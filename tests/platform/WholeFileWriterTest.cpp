#include "platform/RuntimeError.h"
#include "platform/WholeFileWriter.h"
#include "tests/support/AsOtherUser.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using Durability = WholeFileWriter::Durability;

const struct {
    const char* name;
    Durability durability;
} kModes[] = {{"synced", Durability::Synced}, {"unsynced", Durability::Unsynced}};

QStringList filesIn(const TempProgramFolder& folder)
{
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// Each way of writing a whole file, a series of one file included.
const struct {
    const char* name;
    std::function<void(const QString&, const QByteArray&)> write;
} kWriters[] = {
    {"synced", [](const QString& path, const QByteArray& b) { WholeFileWriter::writeFile(path, b); }},
    {"unsynced",
     [](const QString& path, const QByteArray& b) { WholeFileWriter::writeFile(path, b, Durability::Unsynced); }},
    {"series",
     [](const QString& path, const QByteArray& b) {
         WholeFileWriter::Series series;
         WholeFileWriter::writeFile(path, b, series);
     }},
};

TEST(WholeFileWriter, ReplacesTheFileAndKeepsItsPermissionsAndLink)
{
    for (const auto& mode : kModes) {
        SCOPED_TRACE(mode.name);
        TempProgramFolder folder;
        const QString path = folder.write(QStringLiteral("page.htm"), "old");
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
        const QFileDevice::Permissions before = QFile::permissions(path);
        QFile::link(path, folder.file(QStringLiteral("link.htm")));

        WholeFileWriter::writeFile(path, "new", mode.durability);
        EXPECT_EQ(folder.read(QStringLiteral("page.htm")), "new");
        EXPECT_EQ(QFile::permissions(path), before);

        // Through a link the file it points to is replaced, not the link.
        WholeFileWriter::writeFile(folder.file(QStringLiteral("link.htm")), "via link", mode.durability);
        EXPECT_TRUE(QFileInfo(folder.file(QStringLiteral("link.htm"))).isSymLink());
        EXPECT_EQ(folder.read(QStringLiteral("page.htm")), "via link");
        EXPECT_EQ(filesIn(folder), (QStringList{"link.htm", "page.htm"}));
    }
}

TEST(WholeFileWriter, AWriterDroppedBeforeCommitLeavesTheOldFile)
{
    for (const auto& mode : kModes) {
        SCOPED_TRACE(mode.name);
        TempProgramFolder folder;
        const QString path = folder.write(QStringLiteral("list.adl"), "old");
        {
            WholeFileWriter writer(path, mode.durability);
            writer.write("new and unfinished");
        }
        EXPECT_EQ(folder.read(QStringLiteral("list.adl")), "old");
        EXPECT_EQ(filesIn(folder), QStringList{"list.adl"});
    }
}

TEST(WholeFileWriter, AFullDiskKeepsTheOldFileAndSaysSo)
{
    // A small file fails only in the last flush, a large one while it is written.
    for (const auto& mode : kModes) {
        for (const qsizetype size : {qsizetype(100), qsizetype(200000)}) {
            SCOPED_TRACE(std::string(mode.name) + ", " + std::to_string(size) + " bytes");
            TempProgramFolder folder;
            const QString path = folder.write(QStringLiteral("page.htm"), "old");
            try {
                FileSizeLimit limit(64);
                WholeFileWriter::writeFile(path, QByteArray(size, 'x'), mode.durability);
                ADD_FAILURE() << "a write past the limit was reported as done";
            } catch (const RuntimeError& e) {
                EXPECT_EQ(e.kind(), ErrorKind::InputOutput);
                EXPECT_TRUE(e.message().contains(QStringLiteral("disk full or file too large"))) << e.what();
                EXPECT_TRUE(e.message().contains(path)) << e.what();
            }
            EXPECT_EQ(folder.read(QStringLiteral("page.htm")), "old");
            EXPECT_EQ(filesIn(folder), QStringList{"page.htm"});
        }
    }
}

TEST(WholeFileWriter, AFileThatCannotTakeThePlaceIsReportedWithItsCause)
{
    // A folder where the file should be: the synced writer fails when it
    // opens, the unsynced one only when it renames.
    for (const auto& mode : kModes) {
        SCOPED_TRACE(mode.name);
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("website1.htm"));
        QDir().mkpath(path);
        folder.write(QStringLiteral("website1.htm/inside.txt"), "kept");
        try {
            WholeFileWriter::writeFile(path, "page", mode.durability);
            ADD_FAILURE() << "a folder was replaced";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::InputOutput);
            const QString prefix = QStringLiteral("cannot write ") + path + QStringLiteral(": ");
            EXPECT_TRUE(e.detail().startsWith(prefix) && e.detail().size() > prefix.size()) << e.what();
            EXPECT_FALSE(e.message().contains(QStringLiteral("disk full"))) << e.what();
        }
        EXPECT_EQ(folder.read(QStringLiteral("website1.htm/inside.txt")), "kept");
        EXPECT_TRUE(filesIn(folder).isEmpty()) << filesIn(folder).join(u' ').toStdString();
    }

    // A folder that does not exist.
    for (const auto& mode : kModes) {
        SCOPED_TRACE(mode.name);
        TempProgramFolder folder;
        try {
            WholeFileWriter::writeFile(folder.file(QStringLiteral("missing/page.htm")), "page", mode.durability);
            ADD_FAILURE() << "written into a missing folder";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::InputOutput);
            EXPECT_TRUE(e.message().contains(folder.file(QStringLiteral("missing/page.htm")))) << e.what();
        }
    }
}


TEST(WholeFileWriter, ASeriesReplacesEveryFileAndLeavesNoOtherBehind)
{
    TempProgramFolder folder;
    const QString page1 = folder.write(QStringLiteral("page1.htm"), "old 1");
    const QString page2 = folder.write(QStringLiteral("page2.htm"), "old 2");
    const QString page3 = folder.write(QStringLiteral("page3.htm"), "old 3");
    QFile::setPermissions(page2, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    const QFileDevice::Permissions before = QFile::permissions(page2);
    // A second name of the first old page: its bytes must outlive the series.
    ASSERT_EQ(::link(QFile::encodeName(page1).constData(),
                     QFile::encodeName(folder.file(QStringLiteral("kept.htm"))).constData()),
              0);
    QDir().mkpath(folder.file(QStringLiteral("page4.htm"))); // a folder where a page should go

    {
        WholeFileWriter::Series series;
        WholeFileWriter::writeFile(page1, "new 1", series);
        WholeFileWriter::writeFile(page2, "new 2", series);
        EXPECT_THROW(WholeFileWriter::writeFile(folder.file(QStringLiteral("page4.htm")), "new 4", series), RuntimeError);
        WholeFileWriter::writeFile(page3, "new 3", series);
        WholeFileWriter::writeFile(folder.file(QStringLiteral("page5.htm")), "new 5", series);
        EXPECT_LE(filesIn(folder).size(), 6); // the five files and at most one kept for the next page
    }

    EXPECT_EQ(filesIn(folder), (QStringList{"kept.htm", "page1.htm", "page2.htm", "page3.htm", "page5.htm"}));
    EXPECT_EQ(folder.read(QStringLiteral("kept.htm")), "old 1");
    EXPECT_EQ(folder.read(QStringLiteral("page1.htm")), "new 1");
    EXPECT_EQ(folder.read(QStringLiteral("page2.htm")), "new 2");
    EXPECT_EQ(folder.read(QStringLiteral("page3.htm")), "new 3");
    EXPECT_EQ(folder.read(QStringLiteral("page5.htm")), "new 5");
    EXPECT_EQ(QFile::permissions(page2), before);
    EXPECT_TRUE(QFileInfo(folder.file(QStringLiteral("page4.htm"))).isDir());
}

// Only the file at the end of a chain of links is replaced; every link stays.
TEST(WholeFileWriter, FollowsLinksToTheirEnd)
{
    for (const auto& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        TempProgramFolder folder;
        folder.write(QStringLiteral("page.htm"), "old");
        ASSERT_TRUE(QFile::link(QStringLiteral("page.htm"), folder.file(QStringLiteral("middle.htm"))));
        ASSERT_TRUE(QFile::link(QStringLiteral("middle.htm"), folder.file(QStringLiteral("website1.htm"))));
        // A link to a file not there yet makes the file.
        ASSERT_TRUE(QFile::link(QStringLiteral("gone.htm"), folder.file(QStringLiteral("website2.htm"))));

        writer.write(folder.file(QStringLiteral("website1.htm")), "new");
        writer.write(folder.file(QStringLiteral("website2.htm")), "made");
        EXPECT_EQ(folder.read(QStringLiteral("page.htm")), "new");
        EXPECT_EQ(folder.read(QStringLiteral("gone.htm")), "made");
        EXPECT_EQ(QFileInfo(folder.file(QStringLiteral("website1.htm"))).symLinkTarget(),
                  folder.file(QStringLiteral("middle.htm")));
        EXPECT_EQ(QFileInfo(folder.file(QStringLiteral("middle.htm"))).symLinkTarget(),
                  folder.file(QStringLiteral("page.htm")));
        EXPECT_EQ(QFileInfo(folder.file(QStringLiteral("website2.htm"))).symLinkTarget(),
                  folder.file(QStringLiteral("gone.htm")));
        EXPECT_EQ(filesIn(folder),
                  (QStringList{"gone.htm", "middle.htm", "page.htm", "website1.htm", "website2.htm"}));
    }
    // Links in a ring lead to no file: refused, and no link is replaced.
    for (const auto& writer : {kWriters[1], kWriters[2]}) {
        SCOPED_TRACE(writer.name);
        TempProgramFolder folder;
        ASSERT_TRUE(QFile::link(QStringLiteral("b.htm"), folder.file(QStringLiteral("a.htm"))));
        ASSERT_TRUE(QFile::link(QStringLiteral("a.htm"), folder.file(QStringLiteral("b.htm"))));
        EXPECT_THROW(writer.write(folder.file(QStringLiteral("a.htm")), "new"), RuntimeError);
        EXPECT_TRUE(QFileInfo(folder.file(QStringLiteral("a.htm"))).isSymLink());
        EXPECT_TRUE(QFileInfo(folder.file(QStringLiteral("b.htm"))).isSymLink());
        EXPECT_EQ(filesIn(folder), (QStringList{"a.htm", "b.htm"}));
    }
}

// Writing into the folder would do to put a new file in place, but a file
// that the user could not write is refused, whichever the writer. As root
// the test runs as another user, for whom root's files are another's.
TEST(WholeFileWriter, RefusesAFileTheUserCouldNotWrite)
{
    for (const auto& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        TempProgramFolder folder;
        const QString own = folder.write(QStringLiteral("website1.htm"), "read-only");
        const QString others = folder.write(QStringLiteral("website2.htm"), "another's");
        ASSERT_TRUE(QFile::link(QStringLiteral("website1.htm"), folder.file(QStringLiteral("link.htm"))));
        ::chmod(QFile::encodeName(own).constData(), 0444);
        ::chmod(QFile::encodeName(others).constData(), 0644);
        const bool asRoot = AsOtherUser::canSwitch();
        if (asRoot) {
            for (const QString& mine : {folder.path(), own})
                ASSERT_EQ(::chown(QFile::encodeName(mine).constData(), AsOtherUser::kUid, AsOtherUser::kGid), 0);
        }
        QStringList refused = {own, folder.file(QStringLiteral("link.htm"))};
        if (asRoot)
            refused << others;

        {
            const AsOtherUser user;
            for (const QString& path : refused) {
                SCOPED_TRACE(path.toStdString());
                try {
                    writer.write(path, "new");
                    ADD_FAILURE() << "a file the user could not write was replaced";
                } catch (const RuntimeError& e) {
                    EXPECT_EQ(e.kind(), ErrorKind::InputOutput);
                    EXPECT_TRUE(e.message().contains(path)) << e.what();
                }
            }
            // The folder is the user's: a new file goes in.
            writer.write(folder.file(QStringLiteral("website3.htm")), "new");
        }
        EXPECT_EQ(folder.read(QStringLiteral("website1.htm")), "read-only");
        EXPECT_EQ(folder.read(QStringLiteral("website2.htm")), "another's");
        EXPECT_EQ(folder.read(QStringLiteral("website3.htm")), "new");
        EXPECT_TRUE(QFileInfo(folder.file(QStringLiteral("link.htm"))).isSymLink());
        EXPECT_EQ(filesIn(folder), (QStringList{"link.htm", "website1.htm", "website2.htm", "website3.htm"}));
    }
}

} // namespace
