#include "tests/mainwindow/frame/EditPagesFixture.h"

#include "mainwindow/titlepages/PageDVDEntry.h"
#include "platform/HttpClient.h"
#include "tests/support/LocalHttpServer.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

// The online search page inside the main window, answered by a real
// HTTP server on 127.0.0.1.
class OnlineTakeOverTest : public EditPagesTest {
protected:
    OnlineTakeOverTest()
    {
        picture(QStringLiteral("cover/a.bmp"));
        window->session().setServerUrl(server.baseUrl());
        server.answer(200, "<COUNT=2>Alien#Horror#SciFi##USA 1979#16#117#Ridley Scott#Sigourney Weaver"
                           "<br>Ronin#Action#Thriller#Crime#USA 1998#16#122#John Frankenheimer#Robert De Niro"
                           "#Jean Reno#Natascha McElhone#Stellan Skarsgard#Sean Bean");
    }

    LocalHttpServer server;
    QtHttpClient realHttp{3000};
    Http::Scoped httpScope{realHttp};
    ScriptedMessages messages;
};

TEST_F(OnlineTakeOverTest, ATakenResultFillsTheClearedNewTitlePageAndIsNotSentBack)
{
    window->ShowPage(12);
    type("ucEntryTitel", "Typed before");
    type("ucEntryPreis", "15");
    messages.expectInput(QStringLiteral("Ronin"));
    click("btInternetImport");

    EXPECT_EQ(window->AktuelleSeite(), 7);
    EXPECT_EQ(server.requests, QStringList{"/getMovie.php?l=0&searchstring=Ronin"});
    auto* list = child<QListWidget>("ListWexul");
    ASSERT_TRUE(list->isVisible());
    ASSERT_EQ(list->count(), 2);
    EXPECT_FALSE(entry("ucEntryTitel")->isVisible());

    list->setCurrentRow(1);
    click("btWexul");
    EXPECT_EQ(window->AktuelleSeite(), 12);
    EXPECT_FALSE(list->isVisible());
    const std::pair<const char*, const char*> expected[] = {
        {"ucEntryTitel", "Ronin"},
        {"ucEntryGenre1", "Action"},
        {"ucEntryGenre2", "Thriller"},
        {"ucEntryGenre3", "Crime"},
        {"ucEntryLandJahr", "USA 1998"},
        {"ucEntryFSK", "16"},
        {"ucEntryDauer", "122"},
        {"ucEntryRegie", "John Frankenheimer"},
        {"ucEntrySchauspieler1", "Robert De Niro"},
        {"ucEntrySchauspieler5", "Sean Bean"},
        // What the result does not name stays as the cleared page has it.
        {"ucEntryFormat", ""},
        {"ucEntryBewertung", "0"},
        {"ucEntryPreis", "0"},
        {"ucEntrySonstiges", ""},
        {"ucEntryBild", "cover/"},
        {"ucEntryTrailer", "trailer/"},
    };
    for (const auto& [name, value] : expected) {
        EXPECT_TRUE(entry(name)->isVisible()) << name;
        EXPECT_EQ(entry(name)->value(), QString::fromUtf8(value)) << name;
    }
    EXPECT_TRUE(window->session().WexulUebernommen());

    type("ucEntryBild", "cover/a.bmp");
    click("btdvdjetzthinzufuegen");
    EXPECT_EQ(status(), "Meldung 7");
    EXPECT_EQ(storedNames(), QStringList{"Ronin"});
    EXPECT_EQ(server.requests.size(), 1); // the search only: no upload

    // A title typed by hand on the page cleared again is sent, under the wait cursor.
    bool waitCursor = false;
    server.setHandler([&](const QByteArray&) {
        waitCursor = QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
        return LocalHttpServer::Response{};
    });
    window->ShowPage(12);
    EXPECT_FALSE(window->session().WexulUebernommen());
    type("ucEntryTitel", "Heat");
    type("ucEntryBild", "cover/a.bmp");
    click("btdvdjetzthinzufuegen");
    ASSERT_EQ(server.requests.size(), 2);
    EXPECT_TRUE(server.requests[1].startsWith("/addMovie.php?l=0&titel=Heat&")) << server.requests[1].toStdString();
    EXPECT_TRUE(waitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(OnlineTakeOverTest, ReopeningThePageSearchesAgainAndAFailedSearchLeavesTheListEmpty)
{
    messages.expectInput(QStringLiteral("Alien"));
    window->ShowPage(7);
    ASSERT_EQ(child<QListWidget>("ListWexul")->count(), 2);

    server.answer(500, "");
    messages.expectInput(QStringLiteral("Alien"));
    window->ShowPage(1);
    window->ShowPage(7);
    EXPECT_EQ(child<QListWidget>("ListWexul")->count(), 0);
    EXPECT_EQ(status(), "Meldung 19 (HTTP status 500)");
    click("btWexul"); // nothing to take
    EXPECT_EQ(window->AktuelleSeite(), 7);
}

} // namespace
