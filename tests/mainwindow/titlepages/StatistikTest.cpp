#include "tests/mainwindow/titlepages/TitlePagesFixture.h"

namespace {

class StatistikTest : public TitlePagesTest {
protected:
    QString report() const { return child<ucText>("ucTextStatistik")->text(); }
    static QString pad(const QString& label) { return label.leftJustified(30, u' '); }
};

TEST_F(StatistikTest, ReportOfASmallCollection)
{
    clsDatentraeger a = title(QStringLiteral("Alien"), 4, 1000, 1999);
    a.SetFsk(16);
    a.SetTrailerpfad(folder.file(QStringLiteral("trailer/alien.avi")));
    a.SetBildpfad(folder.file(QStringLiteral("cover/alien.jpg")));
    clsDatentraeger b = title(QStringLiteral("Brazil"), 5, 501, 2551);
    b.SetFsk(12);
    b.SetBildpfad(folder.file(QStringLiteral("cover/brazil.jpg"))); // covers do not count as trailers
    useCollection({a, b});
    window->session().Options().setCurrencyChar(QStringLiteral("€"));

    for (const char* name : {"Sigourney Weaver", "Ian Holm", "Jonathan Pryce"})
        window->session().ActorList().Add(QString::fromUtf8(name));
    window->session().DirectorList().Add(QStringLiteral("Ridley Scott"));
    window->session().DirectorList().Add(QStringLiteral("Terry Gilliam"));
    window->session().GenreList().Add(QStringLiteral("Horror"));
    folder.write(QStringLiteral("portraits/Sigourney Weaver.jpg"), "x");
    folder.write(QStringLiteral("portraits/Ian Holm.bmp"), "x"); // only ".jpg" is asked for
    folder.write(QStringLiteral("portraits/Terry Gilliam.jpg"), "x");

    window->ShowPage(5);
    const QString e = QStringLiteral("\r\n");
    const QString expected =
        style(31) + e + QString(30, u'-') + e + e +                                        //
        pad(style(32)) + "2" + e + pad(style(33)) + "1" + e + e +                          //
        pad(style(34)) + "3" + e + pad(style(35)) + "1" + e + e +                          //
        pad(style(36)) + "2" + e + pad(style(37)) + "1" + e + e +                          //
        pad(style(38)) + "1" + e + e +                                                     //
        pad(style(39)) + "1 " + style(40) + " 1 " + style(41) + " 1 " + style(42) + e +    // 1501 minutes
        pad(style(43)) + "45.5 €" + e + e +                                                //
        pad(style(44) + " " + style(5)) + "4.5" + e +                                      //
        pad(style(44) + " " + style(7)) + "14" + e +                                       //
        pad(style(44) + " " + style(8)) + "750.5" + style(42) + e +                        //
        pad(style(44) + " " + style(9)) + "22.75 €" + e + e + e;
    EXPECT_EQ(report(), expected);
    EXPECT_TRUE(child("ucTextStatistik")->isVisible());
    EXPECT_EQ(status(), QString());
}

TEST_F(StatistikTest, LongLabelsAreNotCut)
{
    writeTable("english-style.ass", "Eine sehr lange Beschriftung Nummer", "x");
    window->SetLanguageAndDesign();
    useCollection({title(QStringLiteral("Alien"))});
    window->ShowPage(5);
    EXPECT_TRUE(report().contains(QStringLiteral("Eine sehr lange Beschriftung Nummer 321\r\n")));
}

TEST_F(StatistikTest, AnEmptyCollectionShowsOnlyTheNote)
{
    window->session().ActorList().Add(QStringLiteral("Sigourney Weaver"));
    window->ShowPage(5);
    EXPECT_EQ(report(), style(45));
    EXPECT_EQ(status(), msg(33));
}

} // namespace

namespace {

TEST_F(StatistikTest, TextAndChartShareOnePlace)
{
    window->ShowPage(5);
    EXPECT_EQ(child("ucTextStatistik")->geometry(), QRect(30, 30, 740, 450));
    EXPECT_EQ(child("ucBarStatistik")->geometry(), QRect(65, 30, 670, 450));
}

} // namespace
