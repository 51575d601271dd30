#include "exchange/WebMenu.h"
#include "exchange/core/clsWeb.h"
#include "platform/RuntimeError.h"
#include "tests/exchange/OnlineFixture.h"
#include "tests/support/RecordingServices.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

#include <memory>
#include <optional>

namespace {

class WebTest : public OnlineTest {
protected:
    WebTest()
    {
        for (size_t k = 0; k < items.size(); ++k) {
            owned[k] = std::make_unique<QAction>(QString::number(k + 1));
            items[k] = owned[k].get();
        }
    }

    QString file() const { return folder.file(QStringLiteral("favorites.txt")); }
    void writeFavourites(const QStringList& lines) { folder.writeLines(QStringLiteral("favorites.txt"), lines); }

    // The captions of the visible items.
    QStringList menu() const
    {
        QStringList out;
        for (QAction* a : items)
            if (a->isVisible())
                out << a->text();
        return out;
    }

    // A menu made the way the main window makes it: captions set at once.
    WebMenu& startMenu()
    {
        webMenu = std::make_unique<WebMenu>(host, items);
        webMenu->RefreshFavoritenMenue();
        return *webMenu;
    }

    std::unique_ptr<QAction> owned[5];
    WebMenu::Items items{};
    RecordingOpener opener;
    std::unique_ptr<WebMenu> webMenu;
};

TEST_F(WebTest, TheFavouritesFileIsReadWholeAndCreatedWhenMissing)
{
    {
        clsWeb web(file());
        EXPECT_EQ(web.GetFavoriteCount(), 0);
        EXPECT_TRUE(web.readable());
        EXPECT_EQ(folder.read(QStringLiteral("favorites.txt")), QByteArray());
    }
    QStringList many;
    for (int i = 1; i <= 300; ++i)
        many << QStringLiteral("T%1#http://t%1.example").arg(i);
    many[1] = QStringLiteral("Docs#http://docs.example/page#part#2");
    many[2] = QStringLiteral("Bare");
    writeFavourites(many);
    clsWeb web(file());
    EXPECT_EQ(web.GetFavoriteCount(), 300); // no 8-bit wrap
    EXPECT_EQ(web.GetFavoriteTitleByNr(300), "T300");
    EXPECT_EQ(web.GetFavoriteTitleByNr(2), "Docs");
    EXPECT_EQ(web.GetFavoriteUrlByNr(2), "http://docs.example/page#part#2");
    EXPECT_EQ(web.GetFavoriteTitleByNr(3), "Bare");
    EXPECT_EQ(web.GetFavoriteUrlByNr(3), "");
    EXPECT_EQ(web.GetFavoriteUrlByNr(0), "");
    EXPECT_EQ(web.GetFavoriteUrlByNr(301), "");
}

TEST_F(WebTest, AddingAndRemovingWriteTheWholeFile)
{
    writeFavourites({"One#http://1.example", "Two#http://2.example"});
    clsWeb web(file());
    EXPECT_TRUE(web.AddFavoriteLink(QStringLiteral("Three"), QStringLiteral("https://3.example/a?b=c#d")));
    EXPECT_EQ(folder.read(QStringLiteral("favorites.txt")),
              "One#http://1.example\r\nTwo#http://2.example\r\nThree#https://3.example/a?b=c#d\r\n");

    const struct {
        QString title, url;
    } refused[] = {{"Hash#tag", "http://x.example"}, {"Two\r\nlines", "http://x.example"}, {"Ok", "http://x\n"}};
    for (const auto& r : refused)
        EXPECT_FALSE(web.AddFavoriteLink(r.title, r.url)) << r.title.toStdString();
    EXPECT_EQ(web.GetFavoriteCount(), 3);

    for (int nr : {0, 4, -1})
        web.RemoveFavoriteLink(nr);
    EXPECT_EQ(web.GetFavoriteCount(), 3);
    web.RemoveFavoriteLink(1);
    EXPECT_EQ(folder.read(QStringLiteral("favorites.txt")),
              "Two#http://2.example\r\nThree#https://3.example/a?b=c#d\r\n");

    EXPECT_TRUE(web.AddFavoriteLink("4", "x"));
    EXPECT_TRUE(web.AddFavoriteLink("5", "x"));
    EXPECT_TRUE(web.AddFavoriteLink("6", "x"));
    EXPECT_FALSE(web.AddFavoriteLink("7", "x")); // five are held
    EXPECT_EQ(web.GetFavoriteCount(), 5);

    // A write that fails changes nothing.
    QFile::remove(file());
    QDir().mkpath(file());
    EXPECT_THROW(web.RemoveFavoriteLink(1), RuntimeError);
    EXPECT_EQ(web.GetFavoriteCount(), 5);
    EXPECT_EQ(web.GetFavoriteTitleByNr(1), "Two");
}

TEST_F(WebTest, OnlyWebAddressesAreHandedToTheBrowser)
{
    const std::pair<const char*, std::optional<QString>> cases[] = {
        {"http://films.example/a?b#c", QStringLiteral("http://films.example/a?b#c")},
        {"https://films.example", QStringLiteral("https://films.example")},
        {"FTP://files.example/x", QStringLiteral("FTP://files.example/x")},
        {"www.films.example", QStringLiteral("http://www.films.example")},
        {" films.example/list ", QStringLiteral("http://films.example/list")},
        {"localhost:8080/x", QStringLiteral("http://localhost:8080/x")},
        {"file:///etc/passwd", std::nullopt},
        {"javascript:alert(1)", std::nullopt},
        {"mailto:someone@films.example", std::nullopt},
        {"C:\\Windows\\notepad.exe", std::nullopt},
        {"/usr/bin/xterm", std::nullopt},
        {"http://", std::nullopt},
        {"", std::nullopt},
    };
    clsWeb web(file());
    for (const auto& [typed, expected] : cases) {
        opener.urls.clear();
        EXPECT_EQ(clsWeb::webAddress(QString::fromLatin1(typed)), expected) << typed;
        EXPECT_EQ(web.Navigate(QString::fromLatin1(typed)), expected.has_value()) << typed;
        EXPECT_EQ(opener.urls, expected ? QStringList{*expected} : QStringList{}) << typed;
    }
}

TEST_F(WebTest, TheMenuShowsTheFavouritesAndOneFreeItem)
{
    const auto lines = [](int n) {
        QStringList out;
        for (int i = 1; i <= n; ++i)
            out << QStringLiteral("Site %1#http://s%1.example").arg(i);
        return out;
    };
    const struct {
        int favourites;
        QStringList captions;
    } cases[] = {
        {0, {"(Stil 82)"}},
        {3, {"1: Site 1", "2: Site 2", "3: Site 3", "(Stil 82)"}},
        {5, {"1: Site 1", "2: Site 2", "3: Site 3", "4: Site 4", "5: Site 5"}},
        {7, {"1: Site 1", "2: Site 2", "3: Site 3", "4: Site 4", "5: Site 5"}},
    };
    for (const auto& c : cases) {
        writeFavourites(lines(c.favourites));
        startMenu();
        EXPECT_EQ(menu(), c.captions) << c.favourites;
    }
    // A title is shown as typed, not as a shortcut key.
    writeFavourites({QStringLiteral("Tom & Jerry#http://tj.example")});
    startMenu();
    EXPECT_EQ(items[0]->iconText(), "1: Tom & Jerry");

    writeFavourites(lines(7));
    startMenu();
    // Item 3 of seven opens its favourite.
    webMenu->FavoritClick(3);
    EXPECT_EQ(opener.urls, QStringList{"http://s3.example"});
    EXPECT_TRUE(host.statusMessages.empty());
}

TEST_F(WebTest, AddingThroughTheFreeItemAsksForTitleAndAddress)
{
    const struct {
        QString title;
        std::optional<QString> address; // none: not asked
        int message;
        QStringList menuAfter;
    } cases[] = {
        {"", std::nullopt, 25, {"(Stil 82)"}},
        {"Sixteen chars!!!", std::nullopt, 25, {"(Stil 82)"}},
        {"With#hash", std::nullopt, 25, {"(Stil 82)"}},
        {"Films", QString(), 11, {"(Stil 82)"}},
        {"Fifteen chars!!", QStringLiteral("films.example"), 7, {"1: Fifteen chars!!", "(Stil 82)"}},
    };
    WebMenu& web = startMenu();
    for (const auto& c : cases) {
        messages.expectInput(c.title);
        if (c.address)
            messages.expectInput(*c.address);
        messages.shown.clear();
        messages.titles.clear();
        web.FavoritClick(1);
        EXPECT_EQ(host.lastStatus(), c.message) << c.title.toStdString();
        EXPECT_EQ(menu(), c.menuAfter) << c.title.toStdString();
        EXPECT_EQ(messages.shown.first(), "Box 18");
        EXPECT_EQ(messages.titles.first(), "Box 2");
        if (c.address) {
            EXPECT_EQ(messages.shown.last(), "Box 16");
        }
    }
    EXPECT_EQ(folder.read(QStringLiteral("favorites.txt")), "Fifteen chars!!#films.example\r\n");
    EXPECT_TRUE(opener.urls.isEmpty());
    web.FavoritClick(1);
    EXPECT_EQ(opener.urls, QStringList{"http://films.example"});
}

TEST_F(WebTest, DeletingTakesOnlyOneDigitOfAFavourite)
{
    writeFavourites({"A#http://a.example", "B#http://b.example", "C#http://c.example", "D#http://d.example"});
    WebMenu& web = startMenu();
    for (const char* answer : {"0", "5", "12", "a", "", " 2", "²"}) {
        host.statusMessages.clear();
        messages.expectInput(QString::fromUtf8(answer));
        web.menue_internetFavoritenLoeschen_Click();
        EXPECT_TRUE(host.statusMessages.empty()) << answer;
        EXPECT_EQ(web.Web().GetFavoriteCount(), 4) << answer;
    }
    EXPECT_EQ(messages.shown.last(), "Box 13");
    EXPECT_EQ(messages.titles.last(), "Box 1");

    messages.expectInput(QStringLiteral("2"));
    web.menue_internetFavoritenLoeschen_Click();
    EXPECT_EQ(host.lastStatus(), 5);
    EXPECT_EQ(menu(), (QStringList{"1: A", "2: C", "3: D", "(Stil 82)"}));
    EXPECT_EQ(folder.read(QStringLiteral("favorites.txt")), "A#http://a.example\r\nC#http://c.example\r\nD#http://d.example\r\n");

    writeFavourites({});
    WebMenu& empty = startMenu();
    empty.menue_internetFavoritenLoeschen_Click(); // no box is shown
    EXPECT_EQ(host.lastStatus(), 33);
}

TEST_F(WebTest, AnAddressThatIsNoWebAddressIsRefusedWithAMessage)
{
    writeFavourites({"Disk#file:///etc/passwd", "Script#javascript:alert(1)"});
    WebMenu& web = startMenu();
    for (int nr : {1, 2}) {
        host.statusMessages.clear();
        web.FavoritClick(nr);
        EXPECT_EQ(host.statusMessages, std::vector<int>{48}) << nr;
    }
    EXPECT_TRUE(opener.urls.isEmpty());
}

TEST_F(WebTest, TheUpdatePageOpensInTheBrowser)
{
    WebMenu& web = startMenu();
    host.session().Options().setLanguage(1);
    host.session().setServerUrl(QStringLiteral("https://films.example"));
    web.menue_internetUpdate_Click();
    EXPECT_EQ(opener.urls,
              QStringList{"https://films.example/update.php?lang=1&versmajor=4&versminor=2&versrevision=0"});
    host.session().setServerUrl(QString()); // no service address: nothing to open
    web.menue_internetUpdate_Click();
    EXPECT_EQ(opener.urls.size(), 1);
    EXPECT_EQ(host.log.last(), "StatusMsg 50 " + folder.file("serverurl.txt"));
}

TEST_F(WebTest, AnUnreadableFavouritesFileIsReportedAndNeverReplaced)
{
    QDir().mkpath(file()); // a folder where the file should be
    WebMenu& web = startMenu();
    EXPECT_EQ(host.statusMessages, std::vector<int>{27});
    EXPECT_FALSE(web.Web().readable());
    EXPECT_EQ(menu(), QStringList{"(Stil 82)"});

    web.FavoritClick(1); // no box is asked
    EXPECT_EQ(host.lastStatus(), 27);
    web.menue_internetFavoritenLoeschen_Click();
    EXPECT_EQ(host.lastStatus(), 33);
    EXPECT_THROW(web.Web().AddFavoriteLink("A", "http://a.example"), RuntimeError);
    EXPECT_TRUE(QFileInfo(file()).isDir());
}

} // namespace
