#include "exchange/Admin.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString summary(int a, int b, int out)
{
    return QStringLiteral("Liste A: %1 Elemente\r\nListe B: %2 Elemente\r\nListe Export: %3 Elemente\r\n")
        .arg(a)
        .arg(b)
        .arg(out);
}

class AdminTest : public ::testing::Test {
protected:
    AdminTest() { admin.show(); }

    void type(const char* box, const QString& text)
    {
        auto* edit = admin.findChild<QLineEdit*>(QString::fromLatin1(box));
        ASSERT_NE(edit, nullptr) << box;
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    void press(const char* button)
    {
        auto* b = admin.findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(b, nullptr) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Merges with the three paths typed and answers the one box that follows.
    QString merge(const QString& a, const QString& b, const QString& out)
    {
        type("Text1", a);
        type("Text2", b);
        type("Text3", out);
        ScriptedMessages boxes;
        boxes.expectMessage();
        press("Command1");
        return boxes.shown.value(0);
    }
    QString count(const QString& path)
    {
        type("Text4", path);
        ScriptedMessages boxes;
        boxes.expectMessage();
        press("Command2");
        return boxes.shown.value(0);
    }

    TempProgramFolder folder;
    Admin admin;
};

TEST_F(AdminTest, FixedCaptions)
{
    EXPECT_EQ(admin.windowTitle(), "Admin-Tools");
    EXPECT_TRUE(admin.isWindow());
    const std::pair<const char*, const char*> captions[] = {
        {"Label1", "Liste A-Pfad"}, {"Label2", "Liste B-Pfad"}, {"Label3", "Export-Pfad"},
    };
    for (const auto& [name, text] : captions)
        EXPECT_EQ(admin.findChild<QLabel*>(name)->text(), text);
    EXPECT_EQ(admin.findChild<QPushButton*>("Command1")->text(), QString::fromUtf8("Zusammenfügen"));
    EXPECT_EQ(admin.findChild<QPushButton*>("Command2")->text(), "Wieviele Zeilen in Datei");
    // Every control lies inside the window.
    for (QWidget* w : admin.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(admin.rect().contains(w->geometry())) << w->objectName().toStdString();
}

TEST_F(AdminTest, MergesTheLinesOfBThatANeverHolds)
{
    struct Case {
        const char* name;
        QStringList a; // empty: the file is missing
        QStringList b;
        bool exportIsA;
        QByteArray merged;
        QString box;
    };
    const Case cases[] = {
        {"lines of B that A holds are left out", {"Anna", "Bert"}, {"bert", "Carl"}, false,
         "Anna\r\nBert\r\nCarl\r\n", summary(2, 2, 3)},
        {"duplicates in A stay, twice in B comes twice", {"Anna", "Anna"}, {"carl", "Carl", "ANNA"}, false,
         "Anna\r\nAnna\r\ncarl\r\nCarl\r\n", summary(2, 3, 4)},
        {"the export replaces list A", {"Anna", "Bert"}, {"bert", "Carl"}, true, "Anna\r\nBert\r\nCarl\r\n",
         summary(2, 2, 3)},
        {"a missing list A is made empty", {}, {"x", "Y", "x"}, false, "x\r\nY\r\nx\r\n", summary(0, 3, 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(folder.file("namen")).removeRecursively();
        QDir().mkpath(folder.file("namen"));
        if (!c.a.isEmpty())
            folder.writeLines("namen/a.txt", c.a);
        folder.writeLines("namen/b.txt", c.b);
        // Typed paths are relative to the program folder and may carry "\".
        const QString out = c.exportIsA ? QStringLiteral("namen\\a.txt") : QStringLiteral("namen\\neu.txt");
        EXPECT_EQ(merge("namen\\a.txt", folder.file("namen/b.txt"), out), c.box);
        EXPECT_EQ(folder.read(c.exportIsA ? "namen/a.txt" : "namen/neu.txt"), c.merged);
        EXPECT_TRUE(QFileInfo::exists(folder.file("namen/a.txt")));
    }
}

TEST_F(AdminTest, CountsTheLinesOfAFile)
{
    folder.write("drei.txt", "eins\r\nzwei\r\ndrei\r\n");
    folder.write("ohne Ende.txt", "eins\r\nzwei");
    EXPECT_EQ(count(folder.file("drei.txt")), "3");
    EXPECT_EQ(count("ohne Ende.txt"), "2");
    EXPECT_EQ(count(folder.file("neu.txt")), "0");
    EXPECT_EQ(folder.read("neu.txt"), "");
    EXPECT_TRUE(QFileInfo(folder.file("neu.txt")).isFile());
}

// A path that cannot serve is named in a box, and no file is made or changed.
TEST_F(AdminTest, RefusedPathsTouchNoFile)
{
    folder.writeLines("a.txt", {"Anna"});
    folder.writeLines("b.txt", {"Bert"});
    QDir().mkpath(folder.file("ordner"));
    folder.writeLines(".versteckt", {"Geheim"});
    struct Case {
        const char* name;
        QString a, b, out;
        QString says;
    };
    const Case cases[] = {
        {"no list A", "", "b.txt", "neu.txt", "Liste A-Pfad: kein Pfad"},
        {"no export path", "a.txt", "fehlt.txt", " ", "Export-Pfad: kein Pfad"},
        {"export folder missing", "fehlt.txt", "b.txt", "nirgends/neu.txt",
         "Export-Pfad: Datei kann nicht geschrieben werden.\r\n" + folder.file("nirgends/neu.txt")},
        {"export is a folder", "a.txt", "b.txt", "ordner",
         "Export-Pfad: Datei kann nicht geschrieben werden.\r\n" + folder.file("ordner")},
        {"list A is a folder", "ordner", "b.txt", "neu.txt",
         "Liste A-Pfad: Datei kann nicht gelesen werden.\r\n" + folder.file("ordner")},
        {"list B is hidden", "a.txt", ".versteckt", "neu.txt",
         "Liste B-Pfad: Datei kann nicht gelesen werden.\r\n" + folder.file(".versteckt")},
        {"list B in a missing folder", "a.txt", "nirgends/b.txt", "neu.txt",
         "Liste B-Pfad: Datei kann nicht angelegt werden.\r\n" + folder.file("nirgends/b.txt")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(merge(c.a, c.b, c.out).startsWith(c.says));
        EXPECT_EQ(folder.read("a.txt"), "Anna\r\n");
        EXPECT_EQ(folder.read("b.txt"), "Bert\r\n");
        EXPECT_EQ(folder.read(".versteckt"), "Geheim\r\n");
        for (const char* absent : {"neu.txt", "fehlt.txt", "nirgends"})
            EXPECT_FALSE(QFileInfo::exists(folder.file(absent))) << absent;
    }

    EXPECT_TRUE(count("").startsWith("Datei: kein Pfad"));
    EXPECT_TRUE(count("nirgends/z.txt").startsWith("Datei: Datei kann nicht angelegt werden."));
    EXPECT_TRUE(count(".versteckt").startsWith("Datei: Datei kann nicht gelesen werden."));
    EXPECT_FALSE(QFileInfo::exists(folder.file("nirgends")));
    EXPECT_EQ(folder.read(".versteckt"), "Geheim\r\n");
}

TEST_F(AdminTest, AFailedWriteLeavesListAWhole)
{
    QStringList names;
    for (int i = 0; i < 200; ++i)
        names << QStringLiteral("Name %1").arg(i);
    folder.writeLines("a.txt", names);
    folder.writeLines("b.txt", {"Neu 1", "Neu 2"});
    const QByteArray before = folder.read("a.txt");
    QString shown;
    {
        FileSizeLimit full(static_cast<rlim_t>(before.size()) + 4);
        shown = merge("a.txt", "b.txt", "a.txt");
    }
    EXPECT_TRUE(shown.startsWith(QString::fromUtf8("Zusammenfügen fehlgeschlagen"))) << shown.toStdString();
    EXPECT_EQ(folder.read("a.txt"), before);
}

} // namespace
