#include "data/clsListCompare.h"
#include "platform/RuntimeError.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QString summary(int a, int b, int out)
{
    return QStringLiteral("Liste A: %1 Elemente\r\nListe B: %2 Elemente\r\nListe Export: %3 Elemente\r\n")
        .arg(a)
        .arg(b)
        .arg(out);
}

} // namespace

TEST(ListCompare, AppendsLinesOfBThatANeverHoldsIgnoringCase)
{
    TempProgramFolder folder;
    const QString a = folder.writeLines("a.txt", {"Anna", "Ben"});
    const QString b = folder.writeLines("b.txt", {"ben", "Carl", "carl", "ÄRGER", "Anna "});
    ScriptedMessages boxes;
    boxes.expectMessage();
    clsListCompare merge;
    merge.FusionOfAandB(a, b, folder.file("out.txt"));

    EXPECT_EQ(folder.read("out.txt"), QByteArray("Anna\r\nBen\r\nCarl\r\ncarl\r\n\xC3\x84RGER\r\nAnna \r\n"));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0], summary(2, 5, 6));
    EXPECT_EQ(boxes.titles[0], QString());

    // Lower-case texts compare equal beyond ASCII too.
    folder.writeLines("b.txt", {"ärger", "anna"});
    boxes.expectMessage();
    merge.FusionOfAandB(folder.file("out.txt"), b, folder.file("out2.txt"));
    EXPECT_EQ(boxes.shown[1], summary(6, 2, 6));
}

TEST(ListCompare, MissingListsAreCreatedEmpty)
{
    TempProgramFolder folder;
    const QString b = folder.writeLines("b.txt", {"x", "Y", "x"});
    ScriptedMessages boxes;
    boxes.expectMessage().expectMessage();
    clsListCompare merge;
    merge.FusionOfAandB(folder.file("a.txt"), b, folder.file("out.txt"));
    EXPECT_TRUE(QFile::exists(folder.file("a.txt")));
    EXPECT_EQ(folder.read("out.txt"), QByteArray("x\r\nY\r\nx\r\n"));
    EXPECT_EQ(boxes.shown[0], summary(0, 3, 3));

    merge.FusionOfAandB(b, folder.file("none.txt"), folder.file("out.txt"));
    EXPECT_TRUE(QFile::exists(folder.file("none.txt")));
    EXPECT_EQ(folder.read("out.txt"), QByteArray("x\r\nY\r\nx\r\n"));
    EXPECT_EQ(boxes.shown[1], summary(3, 0, 3));
}

TEST(ListCompare, OutputMayReplaceListA)
{
    TempProgramFolder folder;
    const QString a = folder.writeLines("a.txt", {"Anna"});
    const QString b = folder.writeLines("b.txt", {"Ben"});
    ScriptedMessages boxes;
    boxes.expectMessage();
    clsListCompare merge;
    merge.FusionOfAandB(a, b, a);
    EXPECT_EQ(folder.read("a.txt"), QByteArray("Anna\r\nBen\r\n"));
}

TEST(ListCompare, LongListsAreMergedWhole)
{
    TempProgramFolder folder;
    QStringList aLines, bLines;
    for (int i = 0; i < 30005; ++i)
        aLines << QStringLiteral("Name %1").arg(i);
    for (int i = 29990; i < 40000; ++i)
        bLines << QStringLiteral("name %1").arg(i);
    const QString a = folder.writeLines("a.txt", aLines);
    const QString b = folder.writeLines("b.txt", bLines);
    ScriptedMessages boxes;
    boxes.expectMessage();
    clsListCompare merge;
    merge.FusionOfAandB(a, b, folder.file("out.txt"));

    const QList<QByteArray> out = folder.read("out.txt").split('\n');
    ASSERT_EQ(out.size(), 40000 + 1); // the last line end leaves one empty piece
    EXPECT_EQ(out[30004], QByteArray("Name 30004\r"));
    EXPECT_EQ(out[30005], QByteArray("name 30005\r"));
    EXPECT_EQ(out[39999], QByteArray("name 39999\r"));
    EXPECT_EQ(boxes.shown[0], summary(30005, 10010, 40000));
}

TEST(ListCompare, FailedWriteShowsNoSummaryAndChangesNoList)
{
    TempProgramFolder folder;
    const QString a = folder.writeLines("a.txt", {"Anna"});
    const QString b = folder.writeLines("b.txt", {"Ben"});
    QDir(folder.path()).mkdir("out.txt"); // a folder where the output should go
    ScriptedMessages boxes;
    clsListCompare merge;
    EXPECT_THROW(merge.FusionOfAandB(a, b, folder.file("out.txt")), RuntimeError);
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(folder.read("a.txt"), QByteArray("Anna\r\n"));
    EXPECT_EQ(folder.read("b.txt"), QByteArray("Ben\r\n"));
}
