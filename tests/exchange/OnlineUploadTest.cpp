#include "exchange/OnlineUpload.h"
#include "exchange/clsInternetExport.h"
#include "tests/exchange/OnlineFixture.h"

#include <QGuiApplication>

namespace {

class OnlineUploadTest : public OnlineTest {};

clsDatentraeger named(const char* name)
{
    clsDatentraeger d;
    d.SetFilmname(QString::fromLatin1(name));
    d.SetGenre(QStringLiteral("Crime/Drama"));
    d.SetFsk(16);
    return d;
}

TEST_F(OnlineUploadTest, UploadingEveryTitleStopsAtTheFirstFailureAndLeavesTheCollection)
{
    const struct {
        const char* name;
        int failingRequest; // 0: none fails
        int titles;
        int requests;
        int message;
    } cases[] = {
        {"every title goes", 0, 3, 3, 16},
        {"the second fails", 2, 3, 2, 19},
        {"the first fails", 1, 3, 1, 19},
        {"an empty collection", 0, 0, 0, 16},
    };
    Session& session = host.session();
    session.Options().setDvdListpath(folder.file(QStringLiteral("lists/a.adl")));
    for (const auto& c : cases) {
        session.changeCollection([&](clsDatentraegerList& list) {
            list.ClearList();
            for (const char* n : {"Alien", "Heat", "Ronin"})
                if (list.getListSize() < c.titles)
                    list.AddDVD(named(n));
        });
        const QByteArray fileBefore = folder.read(QStringLiteral("lists/a.adl"));
        int seen = 0;
        bool waitCursorShown = true;
        server.requests.clear();
        server.setHandler([&](const QByteArray&) {
            waitCursorShown = waitCursorShown && QGuiApplication::overrideCursor() &&
                              QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
            return LocalHttpServer::Response{++seen == c.failingRequest ? 500 : 200, "<COUNT=0>"};
        });
        host.statusMessages.clear();

        OnlineUpload::btQuorExport_Click(host);

        EXPECT_EQ(host.statusMessages, std::vector<int>{c.message}) << c.name;
        ASSERT_EQ(server.requests.size(), c.requests) << c.name;
        for (int i = 1; i <= c.requests; ++i)
            EXPECT_EQ(server.baseUrl() + server.requests[i - 1],
                      clsInternetExport::GetExportMovie(server.baseUrl(), session.DVDListe().getDVD(i), 0))
                << c.name;
        EXPECT_TRUE(waitCursorShown) << c.name;
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << c.name;
        EXPECT_EQ(session.DVDListe().getListSize(), c.titles) << c.name;
        EXPECT_EQ(folder.read(QStringLiteral("lists/a.adl")), fileBefore) << c.name;
    }
}

TEST_F(OnlineUploadTest, UploadingToAServiceThatNeverAnswersFailsAfterTheTimeLimit)
{
    host.session().DVDListe().AddDVD(named("Alien"));
    host.session().DVDListe().AddDVD(named("Heat"));
    LocalHttpServer::Response hanging;
    hanging.silent = true;
    server.answer(hanging);
    http.setTimeoutMs(300);
    OnlineUpload::btQuorExport_Click(host);
    EXPECT_EQ(host.statusMessages, std::vector<int>{19});
    EXPECT_EQ(server.requests.size(), 1); // the second title is not tried
}

} // namespace
