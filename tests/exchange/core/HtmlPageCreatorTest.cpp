#include "data/clsTranslation.h"
#include "exchange/core/clsHtmlPageCreator.h"
#include "platform/RuntimeError.h"
#include "tests/support/ErrorKindOf.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <limits>

namespace {

using Outcome = clsHtmlPageCreator::Outcome;

const QString kTemplates[] = {"htmlvorn.ahp", "htmldvdeintrag.ahp", "htmlzeile.ahp", "htmlmenue.ahp"};

clsDatentraeger bareTitle(const QString& name)
{
    clsDatentraeger d;
    d.SetFilmname(name);
    return d;
}

class HtmlPageCreatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeLines("settings.aef", {" 1 ", "lists\\demo.adl", "notes.txt", "designs\\none.asd", " 1000 ",
                                           " 760 ", " 640 ", " 480 ", " 900 ", " 600 ", "DVD", "Extras & more",
                                           "€", " 1 ", " 1 "});
        QStringList lines;
        for (int k = 1; k <= 14; ++k)
            lines << QStringLiteral("%1#Text %1#Caption %1").arg(k);
        folder.writeLines("languages/english-style.ass", lines);
        captions.setLanguage(1);
        captions.Load(folder.file("languages/english-style.ass"));
        // Small templates that show where each value lands.
        folder.writeLines("html/htmlvorn.ahp", {"<head>###Caption|###BGcolor|###Fontcolor|###Zeile|###caption|"
                                                "###Filmname</head>",
                                                "<nav>###Menue</nav><table>"});
        folder.writeLines("html/htmldvdeintrag.ahp",
                          {"<tr><td rowspan=\"###Span\"><img src=\"###Bild\" w=\"###Breite\" h=\"###Hoehe\" /></td>"
                           "<th>###Filmname</th></tr>###Zusatz###ZusLink"});
        folder.writeLines("html/htmlzeile.ahp", {"<tr><th>###Ueberschrift</th><td>###Daten</td></tr>"});
        folder.writeLines("html/htmlmenue.ahp", {"<a href=\"website###Seite.htm\">###Seite ###Caption</a>"});
    }

    QString page(int p) const { return QString::fromUtf8(folder.read(QStringLiteral("website%1.htm").arg(p))); }
    bool pageExists(int p) const { return QFileInfo::exists(folder.file(QStringLiteral("website%1.htm").arg(p))); }

    TempProgramFolder folder;
    clsTranslation captions;
    clsHtmlPageCreator creator;
};

TEST_F(HtmlPageCreatorTest, SplitsTheCollectionIntoPagesThatAllShareOneMenu)
{
    // Pages of an earlier, longer export go; files that only look alike stay.
    for (const char* name : {"website4.htm", "website12.htm", "website99999999999999999999.htm"})
        folder.write(name, "from an earlier export");
    const QStringList others = {"website.htm", "websiteX.htm", "website4.htm.bak", "Website5.htm", "mywebsite6.htm",
                                "website-7.htm", "website8.html"};
    for (const QString& name : others)
        folder.write(name, "not a page of ours");
    QDir().mkpath(folder.file("website9.htm"));
    for (int i = 1; i <= 25; ++i)
        creator.AddDVD(bareTitle(QStringLiteral("Title %1").arg(i)));
    const auto result = creator.createHTMLFiles(captions, 10);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.pagesWritten, 3);
    EXPECT_EQ(result.statusMessage(), 16);

    const QString menu = "<nav><a href=\"website1.htm\">1 ###Caption</a>\r\n<a href=\"website2.htm\">2 ###Caption</a>"
                         "\r\n<a href=\"website3.htm\">3 ###Caption</a>\r\n</nav><table>";
    const int blocks[] = {10, 10, 5};
    for (int p = 1; p <= 3; ++p) {
        const QString text = page(p);
        EXPECT_EQ(text.count("<tr><td rowspan"), blocks[p - 1]) << p;
        EXPECT_TRUE(text.contains(menu)) << p;
        EXPECT_TRUE(text.contains(QStringLiteral("<th>Title %1</th>").arg((p - 1) * 10 + 1))) << p;
        EXPECT_TRUE(text.contains(QStringLiteral("<th>Title %1</th>").arg((p - 1) * 10 + blocks[p - 1]))) << p;
        EXPECT_TRUE(text.endsWith("</table>\r\n</body>\r\n</html>\r\n")) << p;
    }
    QStringList left = QDir(folder.path()).entryList({"*web*"}, QDir::Files);
    left.sort();
    QStringList expected = others + QStringList{"website1.htm", "website2.htm", "website3.htm"};
    expected.sort();
    EXPECT_EQ(left, expected);
    EXPECT_TRUE(QFileInfo(folder.file("website9.htm")).isDir());
}

TEST_F(HtmlPageCreatorTest, FillsEveryPlaceholderOfATitleBlock)
{
    clsDatentraeger full;
    full.SetFilmname("Heat");
    full.SetFormat("BluRay");
    full.SetBewertung(0);
    full.SetGenre("Crime/Drama");
    full.SetLandJahr("USA 1995");
    full.SetFsk(16);
    full.SetLaenge(170);
    full.SetKaufpreis(1999);
    full.SetSonstiges("Director's cut");
    full.SetSchauspieler1("Al Pacino");
    full.SetSchauspieler3("Val Kilmer");
    full.SetRegie("Michael Mann");
    full.SetBildpfad(folder.file("cover/heat 2#1.jpg"));
    creator.AddDVD(full);
    clsDatentraeger bare = bareTitle("Zodiac");
    bare.SetBildpfad("/elsewhere/zodiac.jpg");
    creator.AddDVD(bare);
    creator.SetCaption("Films");
    creator.setBGcolor("0000cc");
    creator.setFontcolor("FFEE00");
    ASSERT_TRUE(creator.createHTMLFiles(captions, 2).ok());

    const QString head = "<head>Films|0000cc|FFEE00||###caption|###Filmname</head>\r\n"
                         "<nav><a href=\"website1.htm\">1 ###Caption</a>\r\n</nav><table>\r\n";
    const QString heat =
        "<tr><td rowspan=\"11\"><img src=\"cover/heat%202%231.jpg\" w=\"300\" h=\"200\" /></td>"
        "<th>Heat</th></tr>\r\n\r\n"
        "\r\n<tr><th>Caption 5:</th><td>0</td></tr>\r\n"
        "\r\n<tr><th>Caption 4:</th><td>BluRay</td></tr>\r\n"
        "\r\n<tr><th>Caption 14:</th><td>Crime/Drama</td></tr>\r\n"
        "\r\n<tr><th>Caption 6:</th><td>USA 1995</td></tr>\r\n"
        "\r\n<tr><th>Caption 7:</th><td>16</td></tr>\r\n"
        "\r\n<tr><th>Caption 8:</th><td>170</td></tr>\r\n"
        "\r\n<tr><th>Caption 9:</th><td>19.99 €</td></tr>\r\n"
        "\r\n<tr><th>Caption 10:</th><td>Michael Mann</td></tr>\r\n"
        "\r\n<tr><th>Caption 11:</th><td>Al Pacino, Val Kilmer</td></tr>\r\n"
        "\r\n<tr><th>Extras &amp; more:</th><td>Director&#39;s cut</td></tr>\r\n";
    // Only the numbers are never empty.
    const QString zodiac =
        "<tr><td rowspan=\"5\"><img src=\"/elsewhere/zodiac.jpg\" w=\"300\" h=\"200\" /></td><th>Zodiac</th></tr>\r\n"
        "\r\n"
        "\r\n<tr><th>Caption 5:</th><td>0</td></tr>\r\n"
        "\r\n<tr><th>Caption 7:</th><td>0</td></tr>\r\n"
        "\r\n<tr><th>Caption 8:</th><td>0</td></tr>\r\n"
        "\r\n<tr><th>Caption 9:</th><td>0 €</td></tr>\r\n";
    EXPECT_EQ(page(1), head + heat + zodiac + "</table>\r\n</body>\r\n</html>\r\n");
}

TEST_F(HtmlPageCreatorTest, EscapesEveryValueAndNeverFillsAValueAgain)
{
    clsDatentraeger hostile = bareTitle("<script>alert('x')</script> & ###Caption");
    hostile.SetGenre("###Menue");
    hostile.SetRegie("###Span ###Daten");
    hostile.SetSchauspieler1("O'Brien \"Bob\"");
    hostile.SetLandJahr(QStringLiteral("USA\t\r\n1995\x01\x1b\x7f") + QChar(0x85) + QChar(0) + "!");
    hostile.SetSonstiges("###Filmname");
    hostile.SetBildpfad("cover/\"><script>.jpg");
    hostile.SetKaufpreis(5);
    creator.AddDVD(hostile);
    folder.writeLines("settings.aef", {" 1 ", "lists\\demo.adl", "notes.txt", "designs\\none.asd", " 1000 ", " 760 ",
                                       " 640 ", " 480 ", " 900 ", " 600 ", "DVD", "Extras", "<$>", " 1 ", " 1 "});
    creator.SetCaption("A & B <i>###Menue");
    ASSERT_TRUE(creator.createHTMLFiles(captions, 1).ok());

    const QString text = page(1);
    EXPECT_FALSE(text.contains("<script>"));
    EXPECT_FALSE(text.contains("<i>"));
    EXPECT_TRUE(text.contains("<head>A &amp; B &lt;i&gt;###Menue|"));
    EXPECT_TRUE(text.contains("<th>&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; &amp; ###Caption</th>"));
    EXPECT_TRUE(text.contains("<td>###Menue</td>"));
    EXPECT_TRUE(text.contains("<td>###Span ###Daten</td>"));
    EXPECT_TRUE(text.contains("<td>O&#39;Brien &quot;Bob&quot;</td>"));
    EXPECT_TRUE(text.contains("<td>USA   1995     !</td>")); // control characters become blanks
    EXPECT_TRUE(text.contains("<td>.05 &lt;$&gt;</td>"));
    EXPECT_TRUE(text.contains("<td>###Filmname</td>"));
    EXPECT_TRUE(text.contains("src=\"cover/%22%3E%3Cscript%3E.jpg\""));
    EXPECT_EQ(text.count("<nav>"), 1);
}

TEST_F(HtmlPageCreatorTest, RefusesBadSettingsBeforeWritingAnything)
{
    creator.AddDVD(bareTitle("Heat"));
    const struct {
        QString background;
        QString font;
        int perPage;
        Outcome outcome;
    } cases[] = {
        {"#000000", "0000CC", 10, Outcome::BadBackgroundColour},
        {"00000", "0000CC", 10, Outcome::BadBackgroundColour},
        {"", "0000CC", 10, Outcome::BadBackgroundColour},
        {"000000\"><script>", "0000CC", 10, Outcome::BadBackgroundColour},
        {"000000", "0000CG", 10, Outcome::BadFontColour},
        {"000000", "0000CC0", 10, Outcome::BadFontColour},
        {"000000", QStringLiteral("00000\uFF10"), 10, Outcome::BadFontColour},
        {"000000", "0000CC", 0, Outcome::BadTitlesPerPage},
        {"000000", "0000CC", -3, Outcome::BadTitlesPerPage},
    };
    for (const auto& c : cases) {
        creator.setBGcolor(c.background);
        creator.setFontcolor(c.font);
        const auto result = creator.createHTMLFiles(captions, c.perPage);
        EXPECT_EQ(result.outcome, c.outcome) << c.background.toStdString() << " " << c.font.toStdString();
        EXPECT_EQ(result.statusMessage(), c.outcome == Outcome::BadTitlesPerPage ? 24 : 25);
        EXPECT_FALSE(pageExists(1));
    }
}

TEST_F(HtmlPageCreatorTest, AnEmptyCollectionFitsNoTitlesPerPage)
{
    folder.write("website1.htm", "earlier");
    for (const int perPage : {1, 10}) {
        const auto result = creator.createHTMLFiles(captions, perPage);
        EXPECT_EQ(result.outcome, Outcome::BadTitlesPerPage) << perPage;
        EXPECT_EQ(result.statusMessage(), 24);
        EXPECT_EQ(result.pagesWritten, 0);
    }
    EXPECT_EQ(folder.read("website1.htm"), "earlier");
    EXPECT_EQ(QDir(folder.path()).entryList({"website*"}, QDir::Files | QDir::Hidden), QStringList{"website1.htm"});

    // Any larger number makes one page of every title.
    for (int i = 1; i <= 3; ++i)
        creator.AddDVD(bareTitle(QStringLiteral("Title %1").arg(i)));
    const auto result = creator.createHTMLFiles(captions, std::numeric_limits<int>::max());
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.pagesWritten, 1);
    EXPECT_EQ(page(1).count("<tr><td rowspan"), 3);
}

TEST_F(HtmlPageCreatorTest, AMissingTemplateStopsTheExportBeforeAnyPage)
{
    folder.write("website1.htm", "earlier");
    creator.AddDVD(bareTitle("Heat"));
    creator.AddDVD(bareTitle("Zodiac"));
    for (const QString& name : kTemplates) {
        const QString path = folder.file("html/" + name);
        const QByteArray kept = folder.read("html/" + name);
        // Missing, and a folder in its place, which cannot be read as a file.
        for (bool asFolder : {false, true}) {
            QFile::remove(path);
            if (asFolder)
                QDir().mkpath(path);
            const auto result = creator.createHTMLFiles(captions, 1);
            EXPECT_EQ(result.outcome, Outcome::TemplateMissing) << name.toStdString();
            EXPECT_EQ(result.statusMessage(), 27);
            EXPECT_EQ(result.file, path);
            EXPECT_EQ(result.pagesWritten, 0);
            EXPECT_EQ(folder.read("website1.htm"), "earlier");
            EXPECT_FALSE(pageExists(2));
            QDir(path).removeRecursively();
        }
        folder.write("html/" + name, kept);
    }
    EXPECT_TRUE(creator.createHTMLFiles(captions, 1).ok());
}

TEST_F(HtmlPageCreatorTest, APageThatCannotBeWrittenStopsTheExport)
{
    for (int i = 1; i <= 3; ++i)
        creator.AddDVD(bareTitle(QStringLiteral("Title %1").arg(i)));
    QDir().mkpath(folder.file("website2.htm"));
    folder.write("website5.htm", "from an earlier export");
    const auto result = creator.createHTMLFiles(captions, 1);
    EXPECT_EQ(result.outcome, Outcome::PageNotWritten);
    EXPECT_EQ(result.statusMessage(), 19);
    EXPECT_EQ(result.file, folder.file("website2.htm"));
    EXPECT_TRUE(result.error.contains(folder.file("website2.htm"))) << result.error.toStdString();
    EXPECT_EQ(folder.read("website5.htm"), "from an earlier export"); // a failed export removes nothing
    EXPECT_EQ(result.pagesWritten, 1);
    EXPECT_TRUE(page(1).contains("<th>Title 1</th>"));
    EXPECT_FALSE(pageExists(3));
    EXPECT_TRUE(QDir(folder.file("website2.htm")).isEmpty());
}

TEST_F(HtmlPageCreatorTest, AFullDiskKeepsTheOldPageAndIsNoSuccess)
{
    folder.write("website1.htm", "earlier");
    creator.AddDVD(bareTitle("Heat"));
    clsHtmlPageCreator::Result result;
    {
        FileSizeLimit limit(64);
        result = creator.createHTMLFiles(captions, 10);
    }
    EXPECT_EQ(result.outcome, Outcome::PageNotWritten);
    EXPECT_EQ(result.statusMessage(), 19);
    EXPECT_EQ(result.pagesWritten, 0);
    EXPECT_TRUE(result.error.contains("disk full or file too large")) << result.error.toStdString();
    EXPECT_EQ(folder.read("website1.htm"), "earlier");
    EXPECT_EQ(QDir(folder.path()).entryList({"website*"}, QDir::Files | QDir::Hidden), QStringList{"website1.htm"});
}

TEST_F(HtmlPageCreatorTest, HoldsAtMost9999Titles)
{
    for (int i = 0; i < clsHtmlPageCreator::kMaxTitles; ++i)
        creator.AddDVD(bareTitle("x"));
    EXPECT_EQ(errorKindOf([&] { creator.AddDVD(bareTitle("y")); }), ErrorKind::Capacity);
    EXPECT_EQ(creator.getCount(), 9999);
}

// The shipped templates give pages that parse as well-formed markup, with
// the values in place, whatever the titles hold.
TEST_F(HtmlPageCreatorTest, ShippedTemplatesGiveWellFormedPages)
{
    const QDir shipped(QStringLiteral(QUORDVD_SOURCE_DIR "/resources/html"));
    for (const QString& name : kTemplates) {
        QFile::remove(folder.file("html/" + name));
        ASSERT_TRUE(QFile::copy(shipped.filePath(name), folder.file("html/" + name))) << name.toStdString();
    }
    clsDatentraeger hostile = bareTitle("Tom & Jerry <b>\"1\"</b>");
    hostile.SetGenre("Kids/Comedy");
    hostile.SetSchauspieler1("O'Brien");
    hostile.SetBildpfad(folder.file("cover/tom & jerry.jpg"));
    creator.AddDVD(hostile);
    creator.AddDVD(bareTitle("Zodiac"));
    creator.AddDVD(bareTitle("Ähnlich"));
    creator.SetCaption("Films & <more>");
    creator.setBGcolor("000000");
    creator.setFontcolor("0000CC");
    ASSERT_TRUE(creator.createHTMLFiles(captions, 2).ok());

    for (int p = 1; p <= 2; ++p) {
        const QString text = page(p);
        EXPECT_TRUE(text.startsWith("<!DOCTYPE html>\r\n"));
        EXPECT_FALSE(text.contains("###")) << p;
        QXmlStreamReader xml(text);
        QStringList links;
        QStringList names;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == u"a")
                links << xml.attributes().value("href").toString();
            if (xml.isStartElement() && xml.name() == u"th" &&
                xml.attributes().value("class") == u"name")
                names << xml.readElementText();
            if (xml.isStartElement() && xml.name() == u"title") {
                EXPECT_EQ(xml.readElementText(), "Films & <more>");
            }
        }
        EXPECT_FALSE(xml.hasError()) << p << ": " << xml.errorString().toStdString() << " at line "
                                     << xml.lineNumber();
        EXPECT_EQ(links, QStringList({"website1.htm", "website2.htm"}));
        EXPECT_EQ(names, p == 1 ? QStringList({"Tom & Jerry <b>\"1\"</b>", "Zodiac"}) : QStringList({"Ähnlich"}));
    }
    EXPECT_TRUE(page(1).contains("src=\"cover/tom%20%26%20jerry.jpg\""));
    EXPECT_TRUE(page(1).contains("rowspan=\"7\""));
    EXPECT_TRUE(page(1).contains("max-width: 300px; max-height: 200px;"));
    EXPECT_TRUE(page(1).contains("background: #000000;"));
}

} // namespace
