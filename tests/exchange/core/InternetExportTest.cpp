#include "data/clsDatentraegerList.h"
#include "exchange/core/clsInternetExport.h"
#include "platform/HttpClient.h"
#include "tests/support/LocalHttpServer.h"

#include <gtest/gtest.h>

#include <QHostAddress>
#include <QTcpServer>

namespace {

clsDatentraeger title(const QString& name, const QString& genre = QStringLiteral("Crime/Drama"))
{
    clsDatentraeger d;
    d.SetFilmname(name);
    d.SetFormat(QStringLiteral("DVD"));
    d.SetBewertung(4);
    d.SetGenre(genre);
    d.SetLandJahr(QStringLiteral("USA 1995"));
    d.SetFsk(16);
    d.SetLaenge(170);
    d.SetKaufpreis(1999);
    d.SetSonstiges(QStringLiteral("never sent"));
    d.SetSchauspieler1(QStringLiteral("Al Pacino"));
    d.SetSchauspieler3(QStringLiteral("Zoë"));
    d.SetRegie(QStringLiteral("Michael Mann"));
    d.SetBildpfad(QStringLiteral("/covers/heat.jpg"));
    return d;
}

TEST(clsInternetExport, BuildsTheUploadAddressWithEveryKeyInOrder)
{
    clsDatentraeger zero = title(QStringLiteral("Tom & Jerry #2? 100%"), QStringLiteral("Kinder"));
    zero.SetFsk(0);
    zero.SetLaenge(0);
    const struct {
        clsDatentraeger title;
        std::uint8_t language;
        QString base;
        QString url;
    } cases[] = {
        {title(QStringLiteral("Heat")), 0, QStringLiteral("http://films.example"),
         QStringLiteral("http://films.example/addMovie.php?l=0&titel=Heat&genre1=Crime&genre2=Drama&genre3="
                        "&landjahr=USA%201995&fsk=16&dauer=170&regie=Michael%20Mann&s1=Al%20Pacino&s2=&s3=Zo%C3%AB"
                        "&s4=&s5=")},
        {zero, 1, QStringLiteral("http://films.example/"),
         QStringLiteral("http://films.example//addMovie.php?l=1&titel=Tom%20%26%20Jerry%20%232%3F%20100%25"
                        "&genre1=Kinder&genre2=&genre3=&landjahr=USA%201995&fsk=0&dauer=0&regie=Michael%20Mann"
                        "&s1=Al%20Pacino&s2=&s3=Zo%C3%AB&s4=&s5=")},
        {title(QStringLiteral("Four"), QStringLiteral("A/B/C/D")), 0, QStringLiteral("http://f"),
         QStringLiteral("http://f/addMovie.php?l=0&titel=Four&genre1=A&genre2=B&genre3=C&landjahr=USA%201995"
                        "&fsk=16&dauer=170&regie=Michael%20Mann&s1=Al%20Pacino&s2=&s3=Zo%C3%AB&s4=&s5=")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(clsInternetExport::GetExportMovie(c.base, c.title, c.language), c.url);
}

TEST(clsInternetExport, BuildsSearchAndUpdateAddresses)
{
    EXPECT_EQ(clsInternetExport::GetSearchMovie(QStringLiteral("http://films.example"), 1,
                                                QStringLiteral("Tom & Jerry #2 Köln=?")),
              QStringLiteral("http://films.example/getMovie.php?l=1"
                             "&searchstring=Tom%20%26%20Jerry%20%232%20K%C3%B6ln%3D%3F"));
    EXPECT_EQ(clsInternetExport::GetSearchMovie(QStringLiteral("http://films.example/"), 0, QStringLiteral("al")),
              QStringLiteral("http://films.example//getMovie.php?l=0&searchstring=al"));
    EXPECT_EQ(clsInternetExport::GetUpdateUrl(QStringLiteral("http://films.example"), 1),
              QStringLiteral("http://films.example/update.php?lang=1&versmajor=4&versminor=2&versrevision=0"));
}

class UploadAllTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"Alien", "Heat", "Zodiac"})
            list.AddDVD(title(QString::fromLatin1(name)));
    }
    QStringList expectedRequests(int n) const
    {
        QStringList out;
        for (int i = 1; i <= n; ++i)
            out << clsInternetExport::GetExportMovie(server.baseUrl(), list.getDVD(i), 1).mid(server.baseUrl().size());
        return out;
    }

    LocalHttpServer server;
    QtHttpClient http{2000};
    clsDatentraegerList list;
};

TEST_F(UploadAllTest, SendsEveryTitleInListOrder)
{
    server.answer(200, "ignored <COUNT=0>");
    const auto result = clsInternetExport::UploadAllMovies(server.baseUrl(), list, 1, http);
    EXPECT_EQ(result.sent, 3);
    EXPECT_EQ(result.total, 3);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.statusMessage(), 16);
    EXPECT_EQ(server.requests, expectedRequests(3));
}

TEST_F(UploadAllTest, StopsAtTheFirstFailedRequest)
{
    int seen = 0;
    server.setHandler([&seen](const QByteArray&) {
        LocalHttpServer::Response r;
        r.status = ++seen == 2 ? 500 : 200;
        return r;
    });
    const auto before = list.getDVD(2);
    const auto result = clsInternetExport::UploadAllMovies(server.baseUrl(), list, 1, http);
    EXPECT_EQ(result.sent, 1);
    EXPECT_EQ(result.total, 3);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.statusMessage(), 19);
    EXPECT_EQ(server.requests, expectedRequests(2)); // title 3 was never sent
    EXPECT_EQ(list.getListSize(), 3);
    EXPECT_EQ(list.getDVD(2), before);
}

TEST_F(UploadAllTest, ReportsAServiceThatCannotBeReached)
{
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    const QString base = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
    closed.close();
    for (const QString& b : {base, QString()}) {
        const auto result = clsInternetExport::UploadAllMovies(b, list, 0, http);
        EXPECT_EQ(result.sent, 0);
        EXPECT_EQ(result.statusMessage(), 19);
    }
}

TEST_F(UploadAllTest, AnEmptyCollectionSendsNothingAndSucceeds)
{
    clsDatentraegerList empty;
    const auto result = clsInternetExport::UploadAllMovies(server.baseUrl(), empty, 0, http);
    EXPECT_EQ(result.total, 0);
    EXPECT_EQ(result.statusMessage(), 16);
    EXPECT_TRUE(server.requests.isEmpty());
}

} // namespace
