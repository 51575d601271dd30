#include "tests/mainwindow/frame/StartupFixture.h"
#include "tests/support/ShownText.h"

#include "controls/ucEntry.h"
#include "controls/ucPopUpMenu.h"
#include "controls/ucRating.h"
#include "mainwindow/frame/PageDVDScreen.h"
#include "mainwindow/frame/frmFullScreen.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace {

TEST(TitleViewTexts, PriceTextPutsThePointBeforeTheLastTwoDigits)
{
    const std::pair<int, const char*> cases[] = {
        {1999, "19.99"}, {1234, "12.34"}, {100, "1.00"}, {50, ".50"}, {10, ".10"},
        {5, ".05"},      {1, ".01"},      {0, "0"},      {-5, "-.05"}, {-1234, "-12.34"},
    };
    for (const auto& [price, text] : cases)
        EXPECT_EQ(PageDVDScreen::PreisText(static_cast<std::int16_t>(price)), QString::fromLatin1(text)) << price;
}

TEST(TitleViewTexts, CoverWidthFollowsTheDiscFormatExactly)
{
    const std::tuple<const char*, int, int> cases[] = {
        {"DVD", 100, 150},   {"DVD", 101, 151}, {"BluRay", 100, 200}, {"HD-DVD", 101, 181}, {"VHS", 101, 151},
        {"VCD", 100, 200},   {"dvd", 101, 151}, {"bluray", 100, 150}, {"", 3, 4},
    };
    for (const auto& [format, height, width] : cases)
        EXPECT_EQ(PageDVDScreen::GetCoverBreite(QString::fromLatin1(format), static_cast<std::int16_t>(height)), width)
            << format << " " << height;
}

TEST_F(StartupTest, FieldsOfATitleAreShownWithUnitsAndCurrency)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha", "DVD", 4, 1999, 95}, {"Beta", "BluRay", 7, 5, 0}, {"Gamma", "VCD", 0, 0, 120}});
    start();
    auto* rating = child<ucRating>("ucRating");
    EXPECT_EQ(field("ucTextDauer"), QStringLiteral("95 Stil 42"));
    EXPECT_EQ(field("ucTextPreis"), QStringLiteral("19.99 €"));
    EXPECT_EQ(field("ucTextFSK"), QStringLiteral("0"));
    EXPECT_EQ(field("ucTextSchauspieler1"), QStringLiteral("Ann Actor"));
    EXPECT_EQ(field("ucTextSchauspieler2"), QString());
    EXPECT_EQ(field("ucTextRegie"), QStringLiteral("Dora Director"));
    EXPECT_EQ(rating->Stars(), 4);

    window->DVDScreenAufrufen(2);
    EXPECT_EQ(field("ucTextPreis"), QStringLiteral(".05 €"));
    EXPECT_EQ(rating->Stars(), 4); // a rating of 7 keeps the stars shown before
    window->DVDScreenAufrufen(3);
    EXPECT_EQ(field("ucTextPreis"), QStringLiteral("0 €"));
    EXPECT_EQ(rating->Stars(), 0);
}

TEST_F(StartupTest, AFilmNameThatLooksLikeMarkupIsShownAsTyped)
{
    const QByteArray name = kMarkupName.toUtf8();
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{name.constData()}});
    start();
    EXPECT_EQ(shownText(child<ucTitle>("ucFilmname")->findChild<QLabel*>(QStringLiteral("Label"))), kMarkupName);
}

TEST_F(StartupTest, PositionIsPaddedToTheLengthOfTheCount)
{
    writeSettings(QStringLiteral("lists/none.adl"));
    start();
    const std::tuple<int, int, const char*> cases[] = {{9, 3, "3 / 9"}, {10, 3, "03 / 10"}, {1000, 3, "0003 / 1000"}};
    for (const auto& [count, pos, text] : cases) {
        window->session().DVDListe().ClearList();
        for (int i = 0; i < count; ++i)
            window->session().DVDListe().AddDVD(title({"T", "DVD", 1, 0, 0, ""}));
        window->DVDScreenAufrufen(static_cast<std::int16_t>(pos));
        EXPECT_EQ(position(), QString::fromLatin1(text));
    }
}

TEST_F(StartupTest, CoverIsSizedByFormatCentredAndCarriesTheSideSwitches)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha", "BluRay"}, {"Beta", "DVD", 3, 0, 0, "cover/broken.jpg"}, {"Gamma", "DVD", 3, 0, 0, ""}});
    start();
    auto* cover = child("ImAnzeige");
    EXPECT_EQ(cover->width(), 2 * cover->height());
    EXPECT_EQ(cover->x(), window->clientArea()->width() / 2 - cover->width() / 2);
    const char* switches[] = {"sw_zoom", "sw_zusatz", "sw_trailer", "sw_regal"};
    for (int i = 0; i < 4; ++i) {
        QWidget* s = child(switches[i]);
        EXPECT_TRUE(s->isVisible()) << switches[i];
        EXPECT_EQ(s->x(), cover->x() + i * 22) << switches[i];
        EXPECT_EQ(s->y() + s->height(), cover->y() + cover->height());
    }

    // A cover that exists but is no picture: hidden, message 27, no switches.
    folder.write(QStringLiteral("cover/broken.jpg"), "not a picture");
    window->DVDScreenAufrufen(2);
    EXPECT_EQ(filmname(), QStringLiteral("Beta"));
    EXPECT_FALSE(cover->isVisible());
    EXPECT_FALSE(child("sw_zoom")->isVisible());
    EXPECT_EQ(status(), QStringLiteral("Meldung 27"));

    // Without the switch setting the switches stay hidden.
    window->session().Options().setShortcuts(0);
    window->DVDScreenAufrufen(1);
    EXPECT_TRUE(cover->isVisible());
    EXPECT_FALSE(child("sw_zoom")->isVisible());
}

TEST_F(StartupTest, SkipButtonsStopAtTheEndsAndAPositionOutsideTheListIsIgnored)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha"}, {"Beta"}, {"Gamma"}});
    start();
    auto* next = child<QPushButton>("btSkipvor");
    auto* back = child<QPushButton>("btSkipzurueck");
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(filmname(), QStringLiteral("Gamma"));
    EXPECT_FALSE(next->isVisible());
    EXPECT_TRUE(back->isVisible());
    window->DVDScreen().btSkipvor_Click(); // at the end: nothing, no sound
    EXPECT_EQ(window->session().AktuelleDVDNr(), 3);

    for (int pos : {-1, 4, 9999}) {
        window->DVDScreenAufrufen(static_cast<std::int16_t>(pos));
        EXPECT_EQ(window->session().AktuelleDVDNr(), 3) << pos;
        EXPECT_EQ(filmname(), QStringLiteral("Gamma")) << pos;
    }
    window->DVDScreenAufrufen(1);
    EXPECT_FALSE(back->isVisible());
    window->DVDScreen().btSkipzurueck_Click(); // at the start: nothing
    EXPECT_EQ(window->session().AktuelleDVDNr(), 1);

    // One title: both hidden.
    writeList({{"Only"}});
    window->session().LoadDVDList();
    window->DVDScreenAufrufen(1);
    EXPECT_FALSE(next->isVisible());
    EXPECT_FALSE(back->isVisible());
}

TEST_F(StartupTest, PositionJumpTakesANumberFromOneToTheCount)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"A"}, {"B"}, {"C"}, {"D"}, {"E"}, {"F"}, {"G"}, {"H"}, {"I"}, {"J"}});
    start();
    QTest::mouseClick(child("lbPos"), Qt::LeftButton);
    auto* entry = child<ucEntry>("ucEntryPosJump");
    auto* go = child<QPushButton>("btPosJump");
    EXPECT_EQ(entry->MaxCharacters(), 4);
    EXPECT_TRUE(entry->isVisible());
    EXPECT_TRUE(go->isVisible());

    const std::tuple<const char*, int, bool> cases[] = {
        {"7", 7, true}, {"12", 7, false}, {"0", 7, false}, {"abc", 7, false}, {"10", 10, true}, {"2.9", 2, true},
    };
    for (const auto& [text, pos, ok] : cases) {
        window->StatusTimer_Timer();
        entry->show();
        go->show();
        entry->setValue(QString::fromLatin1(text));
        QTest::mouseClick(go, Qt::LeftButton);
        EXPECT_EQ(window->session().AktuelleDVDNr(), pos) << text;
        EXPECT_EQ(status(), ok ? QString() : QStringLiteral("Meldung 25")) << text;
        EXPECT_FALSE(entry->isVisible()) << text;
        EXPECT_FALSE(go->isVisible()) << text;
    }
}

TEST_F(StartupTest, ThePositionFieldTakesTheKeysAndEnterJumps)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"A"}, {"B"}, {"C"}, {"D"}});
    start();
    window->activateWindow();
    QTest::mouseClick(child("lbPos"), Qt::LeftButton);
    auto* entry = child<ucEntry>("ucEntryPosJump");
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_TRUE(entry->isAncestorOf(focused));
    // Made when first opened, it still stands between the skip button and
    // its own button when tabbing.
    QTest::keyClick(focused, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), child("btPosJump"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), focused);
    QTest::keyClick(focused, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), child("btSkipvor"));
    focused->setFocus();
    QTest::keyClicks(focused, QStringLiteral("3"));
    QTest::keyClick(focused, Qt::Key_Return);
    EXPECT_EQ(window->session().AktuelleDVDNr(), 3);
    EXPECT_FALSE(entry->isVisible());
}

TEST_F(StartupTest, PopUpsOpenAtTheMouseAndCloseEachOther)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha"}, {"Alien"}, {"Beta"}});
    start();
    auto* cover = child("ImAnzeige");
    auto* coverPopUp = child<ucPopUpMenu>("ucCoverPopUp");
    auto* skipPopUp = child<ucPopUpMenu>("ucSkipBarPopUp");
    EXPECT_EQ(coverPopUp->GetCaption(1), QStringLiteral("Stil 174"));
    EXPECT_EQ(coverPopUp->GetCaption(5), QStringLiteral("Stil 96"));
    EXPECT_EQ(skipPopUp->GetCaption(2), QStringLiteral("Stil 175"));

    const QRect outer = window->frameGeometry();
    const QPoint at(12, 20);
    QTest::mouseClick(cover, Qt::RightButton, {}, at);
    ASSERT_TRUE(coverPopUp->isVisible());
    const QPoint global = cover->mapToGlobal(at);
    EXPECT_EQ(coverPopUp->pos(), QPoint(global.x() - outer.x(), global.y() - outer.y() - 30));

    QTest::mouseClick(child("lbPos"), Qt::RightButton, {}, at);
    EXPECT_FALSE(coverPopUp->isVisible());
    ASSERT_TRUE(skipPopUp->isVisible());
    const QPoint global2 = child("lbPos")->mapToGlobal(at);
    EXPECT_EQ(skipPopUp->pos(), QPoint(global2.x() - outer.x(), global2.y() - outer.y() - 70));

    QTest::mouseClick(cover, Qt::LeftButton);
    EXPECT_FALSE(skipPopUp->isVisible());
    QTest::mouseClick(cover, Qt::RightButton);
    QTest::mouseClick(window->BGImage(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(coverPopUp->isVisible());

    // Skip bar entry 1: the position entry.
    window->DVDScreen().ShowSkipBarPopUp(5, 5);
    emit skipPopUp->element1Clicked();
    EXPECT_FALSE(skipPopUp->isVisible());
    EXPECT_TRUE(child("ucEntryPosJump")->isVisible());

    // Cover entries 2 and 5: the zoom and long-text pages; 3 and 4 the
    // trailer and the shelf, which this title lacks.
    emit coverPopUp->element2Clicked();
    EXPECT_EQ(window->AktuelleSeite(), 2);
    emit coverPopUp->element5Clicked();
    EXPECT_EQ(window->AktuelleSeite(), 3);
    window->ShowPage(1);
    emit coverPopUp->element3Clicked();
    EXPECT_EQ(status(), QStringLiteral("Meldung 33"));
    window->Statusleiste()->setText(QString());
    emit coverPopUp->element4Clicked();
    EXPECT_EQ(status(), QStringLiteral("Meldung 32"));
    // Entry 1: the cover full screen.
    emit coverPopUp->element1Clicked();
    EXPECT_TRUE(window->FullScreen().isVisible());
    window->FullScreen().close();
}

TEST_F(StartupTest, JumpByNameTakesTheFirstTitleBeginningWithTheAnswer)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha"}, {"Alien"}, {"Beta"}});
    start();
    auto* skipPopUp = child<ucPopUpMenu>("ucSkipBarPopUp");
    ScriptedMessages messages;
    messages.expectInput(QStringLiteral("ALI")).expectInput(QString()).expectInput(QStringLiteral("zz"));
    emit skipPopUp->element2Clicked();
    EXPECT_EQ(filmname(), QStringLiteral("Alien"));
    emit skipPopUp->element2Clicked(); // Cancel: every name begins with ""
    EXPECT_EQ(window->session().AktuelleDVDNr(), 1);
    window->DVDScreenAufrufen(3);
    emit skipPopUp->element2Clicked();
    EXPECT_EQ(window->session().AktuelleDVDNr(), 3);
    EXPECT_EQ(status(), QStringLiteral("Meldung 33"));
    EXPECT_EQ(messages.shown, QStringList(3, QStringLiteral("Box 24")));
    EXPECT_EQ(messages.titles, QStringList(3, QStringLiteral("Box 23")));
}

TEST_F(StartupTest, AnEmptyListOpensNoPositionEntryOrPopUp)
{
    writeSettings(QStringLiteral("lists/none.adl"));
    start();
    QTest::mouseClick(child("lbPos"), Qt::LeftButton);
    QTest::mouseClick(child("lbPos"), Qt::RightButton);
    const auto* entry = window->findChild<QWidget*>(QStringLiteral("ucEntryPosJump"));
    EXPECT_FALSE(entry && entry->isVisible());
    EXPECT_FALSE(child("ucSkipBarPopUp")->isVisible());
    EXPECT_FALSE(window->menuAction(QStringLiteral("aktuelledvd"))->isEnabled());
}

TEST_F(StartupTest, SideSwitchesLeadToZoomLongTextTrailerAndShelf)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha"}});
    start();
    QTest::mouseClick(child("sw_zoom"), Qt::LeftButton);
    EXPECT_EQ(window->AktuelleSeite(), 2);
    window->ShowPage(1);
    QTest::mouseClick(child("sw_zusatz"), Qt::LeftButton);
    EXPECT_EQ(window->AktuelleSeite(), 3);
    window->ShowPage(1);
    QTest::mouseClick(child("sw_regal"), Qt::LeftButton); // no shelf file: message 32
    EXPECT_EQ(status(), QStringLiteral("Meldung 32"));
    QTest::mouseClick(child("sw_trailer"), Qt::LeftButton); // no trailer: message 33
    EXPECT_EQ(status(), QStringLiteral("Meldung 33"));
}

TEST_F(StartupTest, PortraitShowsOverTheCoverForOneAndAHalfSeconds)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha"}});
    makePicture(QStringLiteral("portraits/Dora Director.jpg"), 40, 80, "JPG");
    makePicture(QStringLiteral("portraits/Ann Actor .jpg"), 50, 50, "JPG");
    start();
    auto* portrait = child<QLabel>("imPortrait");
    auto* timer = window->findChild<QTimer*>(QStringLiteral("picTimer"));
    ASSERT_NE(timer, nullptr);
    auto* cover = child("ImAnzeige");

    QTest::mouseClick(child("ucTextRegie"), Qt::RightButton);
    EXPECT_FALSE(portrait->isVisible()); // a right click shows none
    QTest::mouseClick(child("ucTextRegie"), Qt::LeftButton);
    EXPECT_TRUE(portrait->isVisible());
    EXPECT_EQ(portrait->geometry(), QRect(cover->pos(), QSize(150, 300)));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1500);
    window->DVDScreen().picTimer_Timer();
    EXPECT_FALSE(portrait->isVisible());
    EXPECT_FALSE(timer->isActive());

    // The name as written: "Ann Actor" has no portrait, "Ann Actor " would.
    QTest::mouseClick(child("ucTextSchauspieler1"), Qt::LeftButton);
    EXPECT_FALSE(portrait->isVisible());
    window->DVDScreen().ShowPortrait(3, 4, QStringLiteral("Ann Actor "));
    EXPECT_EQ(portrait->geometry(), QRect(3, 4, 150, 150));
    // An empty name, or a file that is no picture, shows nothing and says nothing.
    window->DVDScreen().picTimer_Timer();
    folder.write(QStringLiteral("portraits/Bad.jpg"), "nothing");
    window->DVDScreen().ShowPortrait(0, 0, QStringLiteral("Bad"));
    window->DVDScreen().ShowPortrait(0, 0, QString());
    EXPECT_FALSE(portrait->isVisible());
    EXPECT_FALSE(window->Statusleiste()->isVisible());

    // Off the title view the portrait is placed but stays hidden.
    window->ShowPage(20);
    window->DVDScreen().ShowPortrait(0, 0, QStringLiteral("Dora Director"));
    EXPECT_FALSE(portrait->isVisible());
    EXPECT_FALSE(timer->isActive());
}

TEST_F(StartupTest, EachActorFieldShowsThePortraitOfItsOwnActor)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha"}});
    // Each actor's portrait has a height of its own: 150 wide, 30 k high.
    for (int k = 1; k <= 5; ++k)
        makePicture(QStringLiteral("portraits/Actor %1.jpg").arg(k), 50, 10 * k, "JPG");
    start();
    for (int k = 1; k <= 5; ++k)
        window->session().DVDListe().setDVDString(1, QStringLiteral("Actor %1").arg(k),
                                                  clsDatentraegerList::FieldSchauspieler1 + k - 1);
    window->DVDScreenAufrufen(1);
    auto* portrait = child<QLabel>("imPortrait");
    for (int k = 1; k <= 5; ++k) {
        window->DVDScreen().picTimer_Timer();
        QTest::mouseClick(child(QStringLiteral("ucTextSchauspieler%1").arg(k).toLatin1().constData()), Qt::LeftButton);
        EXPECT_TRUE(portrait->isVisible()) << k;
        EXPECT_EQ(portrait->height(), 30 * k) << k;
    }
}

TEST_F(StartupTest, HelpFollowsTheLanguageAndAboutShowsTheVersion)
{
    writeSettings(QStringLiteral("lists/none.adl"), 0);
    folder.write(QStringLiteral("help0.html"), "<html><body><p>Hilfe-Seite</p></body></html>");
    folder.write(QStringLiteral("help1.html"), "<html><body><p>Help page</p></body></html>");
    start();
    window->ShowPage(19);
    auto* browser = child<QTextBrowser>("WebBrowser");
    EXPECT_TRUE(browser->isVisible());
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Hilfe-Seite")));
    window->session().Options().setLanguage(1);
    window->ShowPage(19); // loaded anew at every visit
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Help page")));
    QFile::remove(folder.file(QStringLiteral("help1.html")));
    window->ShowPage(19);
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("help1.html")));

    window->ShowPage(20);
    EXPECT_FALSE(browser->isVisible());
    auto* about1 = child<QLabel>("lbAbout1");
    auto* about2 = child<QLabel>("lbAbout2");
    EXPECT_TRUE(about1->isVisible());
    EXPECT_TRUE(about2->isVisible());
    EXPECT_EQ(about1->text(), QStringLiteral("Stil 128 4.2.0"));
    EXPECT_FALSE(about2->text().isEmpty());
    // The design's font colour (255: red) and background (16711680: blue).
    EXPECT_EQ(about1->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(about2->palette().color(QPalette::Window), QColor(Qt::blue));
    window->session().Options().setColorFont(0x0000FF00);
    window->SetLanguageAndDesign();
    EXPECT_EQ(about2->palette().color(QPalette::WindowText), QColor(Qt::green));
}

} // namespace
