#include "data/clsTranslation.h"
#include "tests/support/TempProgramFolder.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(Translation, LanguageChoosesTheFirstOrTheSecondText)
{
    TempProgramFolder folder;
    const QString path = folder.writeLines(
        "languages/english-style.ass",
        {"1#Datei#File", "2##", "12#Speichern#Save", "7#Nur ein Text", "5#a#b#c", "6#Größe#Size"});
    clsTranslation t;
    t.Load(path);

    struct Case {
        int k;
        int language;
        QString expected;
    };
    const Case cases[] = {
        {3, 0, "Speichern"}, {3, 1, "Save"}, {3, 2, "Save"}, {3, -1, "Speichern"},
        {4, 0, "Nur ein Text"}, {4, 1, ""},       // a line with one text
        {5, 0, "a"},         {5, 1, "b"},         // a third text is dropped
        {2, 0, ""},          {6, 0, "Größe"},
        {7, 1, ""},          {0, 0, ""},          // beyond the file, and the unused entry 0
    };
    for (const Case& c : cases) {
        t.setLanguage(c.language);
        EXPECT_EQ(t.MultiWord(c.k), c.expected) << "entry " << c.k << ", language " << c.language;
    }
}

TEST(Translation, MultiWordSearchFindsByTheFirstTextExactly)
{
    TempProgramFolder folder;
    const QString path = folder.writeLines("t.ass", {"1#Datei#File", "12#Speichern#Save"});
    clsTranslation t;
    t.Load(path);
    t.setLanguage(1);
    EXPECT_EQ(t.MultiWordSearch("Speichern"), "Save");
    EXPECT_EQ(t.MultiWordSearch("speichern"), "speichern");
    EXPECT_EQ(t.MultiWordSearch("unbekannt"), "unbekannt");
    t.setLanguage(0);
    EXPECT_EQ(t.MultiWordSearch("Datei"), "Datei");
}

TEST(Translation, MissingFileIsCreatedEmptyAndEveryLookupIsEmpty)
{
    TempProgramFolder folder;
    const QString path = folder.file("languages/english-box.ass");
    folder.write("languages/.keep", {});
    clsTranslation t;
    t.Load(path);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(folder.read("languages/english-box.ass"), QByteArray());
    for (int k : {0, 1, 500})
        EXPECT_EQ(t.MultiWord(k), QString());
}

TEST(Translation, MissingFileInAMissingFolderStillGivesAnEmptyTable)
{
    TempProgramFolder folder;
    clsTranslation t;
    EXPECT_NO_THROW(t.Load(folder.file("nowhere/english-box.ass")));
    EXPECT_EQ(t.MultiWord(1), QString());
}

TEST(Translation, KeepsTheFirst500LinesAndAnswersEmptyOutsideTheTable)
{
    TempProgramFolder folder;
    QStringList lines;
    for (int k = 1; k <= 510; ++k)
        lines << QStringLiteral("%1#de%1#en%1").arg(k);
    const QString path = folder.writeLines("big.ass", lines);
    clsTranslation t;
    t.Load(path);
    t.setLanguage(1);
    EXPECT_EQ(t.MultiWord(1), "en1");
    EXPECT_EQ(t.MultiWord(500), "en500");
    EXPECT_EQ(t.MultiWordSearch("de505"), "de505");
    for (int k : {501, 510, -1, 32767})
        EXPECT_EQ(t.MultiWord(k), QString()) << k;
}

TEST(Translation, ASecondFileLeavesNoEntriesOfTheFirst)
{
    TempProgramFolder folder;
    clsTranslation t;
    t.Load(folder.writeLines("a.ass", {"1#a1#A1", "2#a2#A2", "3#a3#A3"}));
    t.Load(folder.writeLines("b.ass", {"1#b1#B1"}));
    EXPECT_EQ(t.MultiWord(1), "b1");
    EXPECT_EQ(t.MultiWord(2), QString());
    EXPECT_EQ(t.MultiWordSearch("a3"), "a3");
}
