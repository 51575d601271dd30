#include "games/core/clsHighScore.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TEST(HighScore, BestFirstAfterEqualPointsAndTheTopTenShown)
{
    TempProgramFolder folder;
    clsHighScore scores("games/hangmanscore.sco");
    // The games folder is missing: it is made with an empty list.
    ASSERT_TRUE(scores.Load());
    EXPECT_TRUE(QFileInfo(folder.file("games/hangmanscore.sco")).isFile());
    EXPECT_EQ(scores.getListSize(), 0);

    const int points[] = {500, 900, 100, 900, 0, 700, 300, 800, 200, 600, 400, 1000};
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(scores.Add(QStringLiteral("P%1").arg(i), i + 3, static_cast<std::int16_t>(points[i])));
    EXPECT_FALSE(scores.Add("Bad#Name", 4, 9999));
    ASSERT_TRUE(scores.Save());

    const QByteArray expected = "P11 (14)#1000\r\nP1 (4)#900\r\nP3 (6)#900\r\nP7 (10)#800\r\nP5 (8)#700\r\n"
                                "P9 (12)#600\r\nP0 (3)#500\r\nP10 (13)#400\r\nP6 (9)#300\r\nP8 (11)#200\r\n"
                                "P2 (5)#100\r\nP4 (7)#0\r\n";
    EXPECT_EQ(folder.read("games/hangmanscore.sco"), expected);

    const QString top = scores.RankingText();
    EXPECT_TRUE(top.startsWith("\r\n1) P11 (14) - 1000 P.\r\n2) P1 (4) - 900 P.\r\n3) P3 (6) - 900 P."));
    EXPECT_TRUE(top.endsWith("\r\n10) P8 (11) - 200 P.")) << top.toStdString();

    ScriptedMessages boxes;
    boxes.expectMessage();
    scores.Show("Title");
    EXPECT_EQ(boxes.shown, QStringList{top});
    EXPECT_EQ(boxes.titles, QStringList{"Title"});

    // Read back by a new list: every name and its points as stored, also an
    // older line whose name holds "#".
    folder.write("games/hangmanscore.sco", folder.read("games/hangmanscore.sco") + "C#3 Fan (4)#-5\r\n");
    clsHighScore again("games/hangmanscore.sco");
    ASSERT_TRUE(again.Load());
    ASSERT_EQ(again.getListSize(), 13);
    EXPECT_EQ(again.Name(1), "P11 (14)");
    EXPECT_EQ(again.Points(1), 1000);
    EXPECT_EQ(again.Name(12), "P4 (7)");
    EXPECT_EQ(again.Points(12), 0);
    EXPECT_EQ(again.Name(13), "C#3 Fan (4)");
    EXPECT_EQ(again.Points(13), -5);
}

TEST(HighScore, NamesThatTheRankingLineCanCarry)
{
    struct Case {
        QString name;
        bool valid;
    };
    const Case cases[] = {
        {"", false},      {"A", true},          {QString(19, u'x'), true}, {QString(20, u'x'), false},
        {"a#b", false},   {"#", false},         {"a\nb", false},           {"a\rb", false},
        {"  ", true},     {"J\u00FCrgen", true}, {"O'Neil (2)", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(clsHighScore::IsValidName(c.name), c.valid) << c.name.toStdString();

    ScriptedMessages boxes;
    boxes.expectInput("").expectInput("x#").expectInput(QString(20, u'y')).expectInput("Eve");
    EXPECT_EQ(clsHighScore::AskName("Prompt", "Title"), "Eve");
    EXPECT_EQ(boxes.shown, (QStringList{"Prompt", "Prompt", "Prompt", "Prompt"}));
}

TEST(HighScore, FileThatCannotBeWrittenIsReported)
{
    TempProgramFolder folder;
    QDir().mkpath(folder.file("games/quizscore.sco"));
    clsHighScore scores("games/quizscore.sco");
    EXPECT_FALSE(scores.Load());
    EXPECT_TRUE(scores.Add("Kim", 2, 1));
    EXPECT_FALSE(scores.Save());
    EXPECT_TRUE(QFileInfo(folder.file("games/quizscore.sco")).isDir());
}

} // namespace
