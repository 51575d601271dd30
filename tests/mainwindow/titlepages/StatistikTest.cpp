#include "mainwindow/titlepages/PageStatistik.h"
#include "tests/mainwindow/titlepages/PagesOnHostFixture.h"

namespace {

class StatistikTest : public TitlePagesOnHostTest {
protected:
    StatistikTest() : page(new PageStatistik(host))
    {
        page->SetDesignStatistik();
        page->SetSizes(800, 600);
        route({5}, [this](int) { page->ShowStatistik(); }, [this] { page->HideStatistik(); });
        showWindow();
    }

    QString report() const { return child<ucText>("ucTextStatistik")->text(); }
    static QString pad(const QString& label) { return label.leftJustified(30, u' '); }

    PageStatistik* page;
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
    session().Options().setCurrencyChar(QStringLiteral("€"));

    for (const char* name : {"Sigourney Weaver", "Ian Holm", "Jonathan Pryce"})
        session().ActorList().Add(QString::fromUtf8(name));
    session().DirectorList().Add(QStringLiteral("Ridley Scott"));
    session().DirectorList().Add(QStringLiteral("Terry Gilliam"));
    session().GenreList().Add(QStringLiteral("Horror"));
    folder.write(QStringLiteral("portraits/Sigourney Weaver.jpg"), "x");
    folder.write(QStringLiteral("portraits/Ian Holm.bmp"), "x"); // only ".jpg" is asked for
    folder.write(QStringLiteral("portraits/Terry Gilliam.jpg"), "x");

    showPage(5);
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
    folder.writeLanguageTable("english-style.ass", "Eine sehr lange Beschriftung Nummer", "x");
    session().LoadLanguages();
    page->SetDesignStatistik();
    useCollection({title(QStringLiteral("Alien"))});
    showPage(5);
    EXPECT_TRUE(report().contains(QStringLiteral("Eine sehr lange Beschriftung Nummer 321\r\n")));
}

TEST_F(StatistikTest, AnEmptyCollectionShowsOnlyTheNote)
{
    session().ActorList().Add(QStringLiteral("Sigourney Weaver"));
    showPage(5);
    EXPECT_EQ(report(), style(45));
    EXPECT_EQ(status(), msg(33));
}

} // namespace
