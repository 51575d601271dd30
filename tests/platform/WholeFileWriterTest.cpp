#include "platform/RuntimeError.h"
#include "platform/WholeFileWriter.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

} // namespace
