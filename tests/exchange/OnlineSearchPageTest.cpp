#include "exchange/PageWexul.h"
#include "tests/exchange/OnlineFixture.h"

#include <QCursor>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <optional>

namespace {

QString blanks(int n) { return QString(n, u' '); }

class OnlineSearchPageTest : public OnlineTest {
protected:
    OnlineSearchPageTest()
    {
        page.SetDesignWexul();
        page.SetSizes(800, 600);
        host.clientArea()->window()->show();
        QObject::connect(&page, &PageWexul::titleTaken, [this](const OnlineTitleEntries& entries) {
            taken = entries;
            host.log << QStringLiteral("takeOnlineTitle %1").arg(entries.filmname);
        });
    }

    template <class T>
    T* child(const char* name)
    {
        T* c = host.clientArea()->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QListWidget* list() { return child<QListWidget>("ListWexul"); }
    QStringList rows()
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->text();
        return out;
    }
    // Searches for text through the new-search button.
    void searchFor(const QString& text)
    {
        messages.expectInput(text);
        QTest::mouseClick(child<QPushButton>("btWexulAgain"), Qt::LeftButton);
    }
    void selectRow(int row)
    {
        list()->setCurrentRow(row);
        list()->item(row)->setSelected(true);
    }

    PageWexul page{host};
    OnlineTitleEntries taken;
};

const QString kAnswer = QStringLiteral(
    "Alien#Horror#SciFi##USA 1979#16#117#Ridley Scott#Sigourney Weaver#Tom Skerritt####<COUNT=3>"
    "<br>#Drama##FR 2001#12#90"
    "<br>Ronin#Action#Science-Fiction##USA 1998#16#117#John Frankenheimer#Robert De Niro#Jean Reno");

TEST_F(OnlineSearchPageTest, ListsEachNamedRecordInFixedWidthRowsWhileTheWaitCursorShows)
{
    std::optional<Qt::CursorShape> cursorDuringRequest;
    server.setHandler([&](const QByteArray&) {
        if (const QCursor* c = QGuiApplication::overrideCursor())
            cursorDuringRequest = c->shape();
        return LocalHttpServer::Response{200, kAnswer.toUtf8()};
    });
    messages.expectInput(QStringLiteral("Tom & Jerry"));
    page.ShowWexul();

    EXPECT_EQ(messages.shown, QStringList{"Box 21"});
    EXPECT_EQ(messages.titles, QStringList{"Box 20"});
    EXPECT_EQ(server.requests, QStringList{"/getMovie.php?l=0&searchstring=Tom%20%26%20Jerry"});
    EXPECT_EQ(cursorDuringRequest, Qt::WaitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(host.statusMessages.empty());

    // Record 2 has no film name: it is left out and the numbers jump.
    const QStringList expected = {
        "1)" + blanks(8) + "Alien" + blanks(40) + " - " + "USA 1979" + blanks(17) + " - " + " 117" + "min - " +
            "  16" + " - " + "Horror/SciFi/" + blanks(47),
        "3)" + blanks(8) + "Ronin" + blanks(40) + " - " + "USA 1998" + blanks(17) + " - " + " 117" + "min - " +
            "  16" + " - " + "Action/Science-Fiction/" + blanks(37),
    };
    EXPECT_EQ(rows(), expected);
    EXPECT_EQ(list()->font().family(), QStringLiteral("DejaVu Sans Mono"));
}

TEST_F(OnlineSearchPageTest, LongValuesPushTheRestOfTheRowInsteadOfBeingCut)
{
    clsInternetImport answer;
    const QString name50 = QString(50, u'n');
    answer.SplitToLines(QStringLiteral("<COUNT=2>#<br>") + name50 + QStringLiteral("##x#y#USA#6#12345"));
    const QString row = PageWexul::rowText(answer, 2);
    EXPECT_EQ(row.left(10 + 50), "2)" + blanks(8) + name50);
    EXPECT_EQ(row.mid(60, 3 + 25 + 3), " - USA" + blanks(22) + " - ");
    EXPECT_EQ(row.mid(91, 5 + 6 + 4 + 3), "12345min -    6 - ");
    EXPECT_EQ(row.mid(109), "/x/y" + blanks(56));
    EXPECT_EQ(PageWexul::rowText(answer, 1).size(), 10 + 45 + 3 + 25 + 3 + 4 + 6 + 4 + 3 + 60);
}

TEST_F(OnlineSearchPageTest, EverySearchOutcomeHasItsMessageAndRows)
{
    LocalHttpServer::Response hanging;
    hanging.silent = true;
    const struct {
        const char* name;
        QString typed;
        std::optional<LocalHttpServer::Response> response; // none: no request may go out
        int timeoutMs;
        int message; // 0: none
        QStringList rowStarts;
        const char* cause = nullptr; // behind message 19
    } cases[] = {
        {"one character", "A", std::nullopt, 3000, 43, {}},
        {"cancelled box", "", std::nullopt, 3000, 43, {}},
        {"count 0", "Al", LocalHttpServer::Response{200, "<COUNT=0>Alien#Horror"}, 3000, 44, {}},
        {"no count: the named ones of 30 records", "Al",
         LocalHttpServer::Response{200, "Alien#x<br>Heat#y<br><br>Ronin"}, 3000, 46, {"1)", "2)", "4)"}},
        {"tag without its end", "Al", LocalHttpServer::Response{200, "Alien<br>Heat<COUNT=3"}, 3000, 46, {}},
        {"count above the records", "Al", LocalHttpServer::Response{200, "<COUNT=9>A<br>B"}, 3000, 0,
         {"1)", "2)"}},
        {"count tag alone in record 1", "Al", LocalHttpServer::Response{200, "<count=2><br>Alien<br>Heat"}, 3000, 0,
         {"2)"}},
        {"negative count", "Al", LocalHttpServer::Response{200, "<COUNT=-4>A<br>B"}, 3000, 0, {}},
        {"server error", "Al", LocalHttpServer::Response{500, "<COUNT=1>Alien"}, 3000, 19, {}, " (HTTP status 500)"},
        {"server that never answers", "Al", hanging, 300, 19, {}, " (timed out after 0.3 s)"},
    };
    // The page's rows from the previous search must go each time.
    server.answer(200, "<COUNT=2>A<br>B");
    searchFor(QStringLiteral("first"));
    ASSERT_EQ(list()->count(), 2);

    for (const auto& c : cases) {
        server.requests.clear();
        host.statusMessages.clear();
        http.setTimeoutMs(c.timeoutMs);
        if (c.response)
            server.answer(*c.response);
        searchFor(c.typed);

        EXPECT_EQ(server.requests.size(), c.response ? 1 : 0) << c.name;
        EXPECT_EQ(host.lastStatus(), c.message) << c.name;
        EXPECT_LE(host.statusMessages.size(), 1u) << c.name;
        QStringList starts;
        for (const QString& r : rows())
            starts << r.left(r.indexOf(u')') + 1);
        EXPECT_EQ(starts, c.rowStarts) << c.name;
        if (c.cause) {
            EXPECT_EQ(host.log.last(), QStringLiteral("StatusMsg 19") + QLatin1String(c.cause)) << c.name;
        }
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << c.name;
    }
}

TEST_F(OnlineSearchPageTest, WithoutAnAddressNothingIsAskedOrSentAndTheFileIsNamed)
{
    server.answer(200, "<COUNT=1>Alien");
    searchFor(QStringLiteral("first"));
    ASSERT_EQ(list()->count(), 1);
    server.requests.clear();
    host.session().setServerUrl(QString());
    QTest::mouseClick(child<QPushButton>("btWexulAgain"), Qt::LeftButton); // no input box is scripted
    EXPECT_EQ(host.log.last(), "StatusMsg 50 " + folder.file("serverurl.txt"));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(server.requests.isEmpty());
}

TEST_F(OnlineSearchPageTest, TakingARowFillsTheNewTitlePageWithItsRecord)
{
    server.answer(200, kAnswer.toUtf8());
    searchFor(QStringLiteral("Ronin"));
    ASSERT_EQ(list()->count(), 2);

    // Without a selected row nothing happens.
    list()->setCurrentRow(-1);
    QTest::mouseClick(child<QPushButton>("btWexul"), Qt::LeftButton);
    EXPECT_TRUE(host.log.isEmpty());
    EXPECT_FALSE(host.session().WexulUebernommen());

    selectRow(1); // the row of record 3
    QTest::mouseClick(child<QPushButton>("btWexul"), Qt::LeftButton);
    EXPECT_EQ(host.log, (QStringList{"ShowPage 12", "takeOnlineTitle Ronin"}));
    const OnlineTitleEntries& t = taken;
    EXPECT_EQ(t.genres[0], "Action");
    EXPECT_EQ(t.genres[1], "Science-Fiction");
    EXPECT_EQ(t.genres[2], "");
    EXPECT_EQ(t.landJahr, "USA 1998");
    EXPECT_EQ(t.fsk, "16");
    EXPECT_EQ(t.dauer, "117");
    EXPECT_EQ(t.regie, "John Frankenheimer");
    EXPECT_EQ(t.actors[0], "Robert De Niro");
    EXPECT_EQ(t.actors[1], "Jean Reno");
    EXPECT_EQ(t.actors[4], "");
    EXPECT_TRUE(host.session().WexulUebernommen());
}

TEST_F(OnlineSearchPageTest, ATakenRecordBringsNoLineBreakOrCountTagIntoTheEntries)
{
    server.answer(200, "<COUNT=1>Alien\r\nDirector's Cut#Hor\nror#x#y#USA\r1979#16#117#Ridley\r\nScott#Sigourney Weaver");
    searchFor(QStringLiteral("Alien"));
    ASSERT_EQ(list()->count(), 1);
    EXPECT_TRUE(rows()[0].startsWith("1)" + blanks(8) + "Alien  Director's Cut" + blanks(24) + " - USA 1979 ")) << rows()[0].toStdString();
    selectRow(0);
    page.btWexul_Click();
    const OnlineTitleEntries& t = taken;
    for (const QString& value : {t.filmname, t.genres[0], t.landJahr, t.regie})
        EXPECT_FALSE(value.contains(u'\r') || value.contains(u'\n') || value.contains(u'#')) << value.toStdString();
    EXPECT_EQ(t.filmname, "Alien  Director's Cut");
    EXPECT_EQ(t.regie, "Ridley  Scott");
}

TEST_F(OnlineSearchPageTest, ThePageShowsHidesStylesAndLaysOutItsControls)
{
    messages.expectInput(QString());
    page.ShowWexul();
    EXPECT_EQ(host.lastStatus(), 43);
    EXPECT_TRUE(server.requests.isEmpty());
    for (const char* name : {"ListWexul", "btWexul", "btWexulAgain"})
        EXPECT_TRUE(child<QWidget>(name)->isVisible()) << name;
    page.HideWexul();
    for (const char* name : {"ListWexul", "btWexul", "btWexulAgain"})
        EXPECT_FALSE(child<QWidget>(name)->isVisible()) << name;

    host.session().Options().setColorEntryFont(0x0000FF00);
    host.session().Options().setColorEntryBG(0x00804020);
    page.SetDesignWexul();
    EXPECT_EQ(list()->palette().color(QPalette::Base), QColor(0x20, 0x40, 0x80));
    EXPECT_EQ(list()->palette().color(QPalette::Text), QColor(0, 0xFF, 0));
    EXPECT_EQ(child<QPushButton>("btWexul")->text(), "Stil 168");
    EXPECT_EQ(child<QPushButton>("btWexulAgain")->text(), "Stil 169");

    // Each button half the list less 5, the second 10 right of the first;
    // an odd list width leaves its last pixel beside the second button.
    const struct {
        int W;
        QRect list;
        int width;
        int againLeft;
    } sizes[] = {
        {800, QRect(25, 30, 750, 450), 370, 405},
        {801, QRect(25, 30, 751, 450), 370, 405},
        {803, QRect(25, 30, 753, 450), 371, 406},
    };
    for (const auto& c : sizes) {
        SCOPED_TRACE(c.W);
        page.SetSizes(c.W, 600);
        const QRect take = child<QWidget>("btWexul")->geometry();
        const QRect again = child<QWidget>("btWexulAgain")->geometry();
        EXPECT_EQ(list()->geometry(), c.list);
        EXPECT_EQ(take.topLeft(), QPoint(c.list.left(), 485));
        EXPECT_EQ(again.topLeft(), QPoint(c.againLeft, 485));
        EXPECT_EQ(take.width(), c.width);
        EXPECT_EQ(again.width(), c.width);
    }
}

} // namespace
