#include "tests/mainwindow/frame/FrameFixture.h"

#include "controls/ColorHelper.h"
#include "controls/ucEntry.h"
#include "controls/ucPopUpMenu.h"
#include "controls/ucRating.h"
#include "controls/ucText.h"
#include "controls/ucTitle.h"
#include "platform/RuntimeError.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

clsDatentraeger named(const char* name)
{
    clsDatentraeger d;
    d.SetFilmname(QString::fromUtf8(name));
    return d;
}

template <class T = QWidget>
T* child(const MainWindow& w, const char* name)
{
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

TEST_F(FrameTest, BackTogglesBetweenTheLastTwoPages)
{
    EXPECT_EQ(window->AktuelleSeite(), 1);
    window->zurueck_Click(); // right after start-up: nothing
    EXPECT_EQ(window->AktuelleSeite(), 1);
    EXPECT_EQ(window->VorherigeSeite(), 1);

    window->ShowPage(4);
    window->ShowPage(5);
    window->zurueck_Click();
    EXPECT_EQ(window->AktuelleSeite(), 4);
    window->zurueck_Click();
    EXPECT_EQ(window->AktuelleSeite(), 5);

    window->ShowPage(5); // the same page twice: back then does nothing
    window->zurueck_Click();
    EXPECT_EQ(window->AktuelleSeite(), 5);

    window->ShowPage(99); // stored all the same
    EXPECT_EQ(window->AktuelleSeite(), 99);
    EXPECT_EQ(window->VorherigeSeite(), 5);

    window->ShowPage(19);
    window->btClose_Click();
    EXPECT_EQ(window->AktuelleSeite(), 1);
    EXPECT_EQ(window->VorherigeSeite(), 19);
}

TEST_F(FrameTest, EveryPageCanBeShownAndTheTitleViewComesBack)
{
    window->SetLanguageAndDesign();
    window->SetAllSizes(800, 600);
    window->show();
    // The online search page asks for its text at once, once a service address is set.
    window->session().setServerUrl(QStringLiteral("http://127.0.0.1:9"));
    ScriptedMessages boxes;
    boxes.expectInput(QString());
    for (int page = 1; page <= 23; ++page) {
        window->ShowPage(page);
        EXPECT_EQ(window->AktuelleSeite(), page);
    }
    auto* help = child(*window, "WebBrowser");
    window->ShowPage(19);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(child(*window, "ucTextGenre")->isVisible());
    window->ShowPage(1);
    EXPECT_FALSE(help->isVisible());
    EXPECT_TRUE(child(*window, "ucTextGenre")->isVisible());
    EXPECT_TRUE(child(*window, "lbPos")->isVisible());
}

struct MenuCase {
    const char* item;
    QKeySequence shortcut;
    int page; // 0: not a page item
};

TEST_F(FrameTest, MenuItemsHaveTheirShortcutsAndPages)
{
    const MenuCase cases[] = {
        {"menue_sonstigesHilfe", Qt::Key_F1, 19},
        {"menue_sammlungStatistik", Qt::Key_F2, 5},
        {"menue_sammlungNotizen", Qt::Key_F3, 6},
        {"menue_sammlungRegal", Qt::Key_F4, 0},
        {"menue_ansichtZoom", Qt::Key_F5, 2},
        {"menue_ansichtZusatzinfos", Qt::Key_F6, 3},
        {"menue_ansichtTrailer", Qt::Key_F7, 0},
        {"menue_ansichtRegal", Qt::Key_F8, 0},
        {"menue_dvdSuchen", QKeySequence(Qt::CTRL | Qt::Key_S), 11},
        {"menue_dvdHinzufuegen", QKeySequence(Qt::CTRL | Qt::Key_H), 12},
        {"menue_dvdBearbeiten", QKeySequence(Qt::CTRL | Qt::Key_B), 15},
        {"menue_dvdZusatzinfosbearbeiten", QKeySequence(Qt::CTRL | Qt::Key_Z), 14},
        {"menue_dvdLoeschen", QKeySequence(Qt::CTRL | Qt::Key_L), 13},
        {"aktuelledvd", {}, 1},
        {"menue_sammlungAuswahl", {}, 4},
        {"menue_sammlungTop30Bewertung", {}, 21},
        {"menue_sammlungTop30Spieldauer", {}, 22},
        {"menue_sammlungTop30Preis", {}, 23},
        {"menue_sammlungMehrfach", {}, 8},
        {"menue_sammlungImport", {}, 9},
        {"menue_sammlungExport", {}, 10},
        {"menue_einstellungenAllgemein", {}, 16},
        {"menue_einstellungenZusatzstandard", {}, 17},
        {"menue_einstellungenPasswort", {}, 18},
        {"about", {}, 20},
    };
    // With a title current, so that the title view leaves its items enabled.
    window->session().DVDListe().AddDVD(named("Brazil"));
    window->session().selectTitle(1);
    for (const MenuCase& c : cases) {
        QAction* a = window->menuAction(QString::fromLatin1(c.item));
        ASSERT_NE(a, nullptr) << c.item;
        EXPECT_EQ(a->shortcut(), c.shortcut) << c.item;
        if (c.page) {
            a->trigger();
            EXPECT_EQ(window->AktuelleSeite(), c.page) << c.item;
        }
    }
    EXPECT_TRUE(window->menuAction(QStringLiteral("admintools"))->isVisible());
    EXPECT_TRUE(window->menuAction(QStringLiteral("menue_spieleVideothek"))->isVisible());
    EXPECT_FALSE(window->menuAction(QStringLiteral("menue_spieleVideothek"))->isEnabled());
}

TEST_F(FrameTest, ShortcutKeysReachTheirItemsUntilTheMenuIsDisabled)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F2);
    EXPECT_EQ(window->AktuelleSeite(), 5);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(window->AktuelleSeite(), 11);

    window->setMenuEnabled(QStringLiteral("dvd"), false);
    EXPECT_FALSE(window->menuAction(QStringLiteral("menue_dvdLoeschen"))->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(window->AktuelleSeite(), 11);
    window->setMenuEnabled(QStringLiteral("dvd"), true);
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(window->AktuelleSeite(), 13);
}

TEST_F(FrameTest, StatusLineShowsTheMessageForFiveSecondsWithTheAlertSound)
{
    window->SetLanguageAndDesign();
    const QString alert = folder.write(QStringLiteral("sounds/alert.wav"), "RIFF");
    window->session().Options().setSoundAlert(alert);
    ucText* line = window->Statusleiste();

    window->StatusMsg(7, QStringLiteral("x.adl"));
    EXPECT_EQ(line->text(), QStringLiteral("Meldung 7x.adl")); // the suffix follows directly
    EXPECT_FALSE(line->isHidden());
    EXPECT_TRUE(window->StatusTimer()->isActive());
    EXPECT_EQ(window->StatusTimer()->interval(), 5000);
    EXPECT_TRUE(sounds.played.isEmpty()); // sounds are off

    window->session().Options().setSound(1);
    window->StatusMsg(8);
    EXPECT_EQ(line->text(), QStringLiteral("Meldung 8"));
    EXPECT_EQ(sounds.played, QStringList{alert});

    window->StatusTimer_Timer(); // what the timer runs after 5000 ms
    EXPECT_TRUE(line->isHidden());
    EXPECT_EQ(line->text(), QString());
    EXPECT_FALSE(window->StatusTimer()->isActive());
}

TEST_F(FrameTest, OnlyExistingMidOrWavFilesOfTheRightKindPlay)
{
    window->session().Options().setSound(1);
    const QString wav = folder.write(QStringLiteral("a.wav"), "x");
    const QString mid = folder.write(QStringLiteral("b.MID"), "x");
    const QString mp3 = folder.write(QStringLiteral("c.mp3"), "x");
    window->session().Options().setSoundClick(wav);
    window->session().Options().setSoundStart(mid);
    window->session().Options().setSoundAlert(mp3);
    window->PlaySound(1);
    window->PlaySound(2);
    window->PlaySound(3); // mp3 is not a sound here
    window->PlaySound(4);
    window->session().Options().setSoundClick(folder.file(QStringLiteral("missing.wav")));
    window->PlaySound(1);
    window->session().Options().setSoundClick(QString());
    window->PlaySound(1);
    EXPECT_EQ(sounds.played, (QStringList{wav, mid}));
}

TEST_F(FrameTest, LanguageAndDesignReachCaptionsColoursAndMenus)
{
    giveBackground();
    window->SetLanguageAndDesign();
    EXPECT_TRUE(window->Statusleiste()->isHidden()); // the background was found

    EXPECT_EQ(child<ucText>(*window, "ucTextGenre")->Caption(), QStringLiteral("Stil 14"));
    EXPECT_EQ(child<ucText>(*window, "ucTextSchauspieler5")->Caption(), QStringLiteral("Stil 11"));
    EXPECT_EQ(child<ucText>(*window, "ucTextSonstiges")->Caption(), QStringLiteral("Extras"));
    EXPECT_EQ(child<ucText>(*window, "ucTextGenre")->fontcolor(), 0x000000FF);
    EXPECT_EQ(child<ucText>(*window, "ucTextGenre")->EntryFontColor(), 0x0000FF00);
    EXPECT_EQ(child<ucRating>(*window, "ucRating")->StarColor(), 0x0000FFFF);
    EXPECT_EQ(child<ucRating>(*window, "ucRating")->MarginY(), 3);
    EXPECT_EQ(child<ucTitle>(*window, "ucFilmname")->backColor(), 0x00FF0000);
    // The position entry, made when first opened, takes the design it missed.
    EXPECT_EQ(window->findChild<ucEntry*>(QStringLiteral("ucEntryPosJump")), nullptr);
    emit child<ucPopUpMenu>(*window, "ucSkipBarPopUp")->element1Clicked();
    EXPECT_EQ(child<ucEntry>(*window, "ucEntryPosJump")->MaxCharacters(), 4);
    EXPECT_EQ(child<ucEntry>(*window, "ucEntryPosJump")->Caption(), QStringLiteral("Stil 78"));
    EXPECT_EQ(child<ucEntry>(*window, "ucEntryPosJump")->EntryFontColor(), 0x0000FF00);
    EXPECT_EQ(child<QPushButton>(*window, "btPosJump")->text(), QStringLiteral("Stil 80"));
    EXPECT_EQ(child<QLabel>(*window, "lbPos")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(window->Statusleiste()->Caption(), QStringLiteral("Stil 79"));

    EXPECT_EQ(window->menuAction(QStringLiteral("aktuelledvd"))->text(), QStringLiteral("Stil 113"));
    EXPECT_EQ(window->menuAction(QStringLiteral("menue_sammlungStatistik"))->text(), QStringLiteral("Stil 46"));
    EXPECT_EQ(window->menuAction(QStringLiteral("menue_dvdCoverDrucken"))->text(), QStringLiteral("Stil 178"));
    EXPECT_EQ(window->menuAction(QStringLiteral("zurueck"))->text(), QStringLiteral("| Stil 83"));
    EXPECT_EQ(window->menuAction(QStringLiteral("menue_spieleQuiz"))->text(), QStringLiteral("Quiz"));
    EXPECT_EQ(window->RegalCaption(), QStringLiteral("Stil 2"));

    // Saving the settings in the other language redoes every caption.
    window->session().Options().setLanguage(1);
    window->session().Options().setOwnLabelCaption(QStringLiteral("Misc"));
    window->SetLanguageAndDesign();
    EXPECT_EQ(child<ucText>(*window, "ucTextGenre")->Caption(), QStringLiteral("Style 14"));
    EXPECT_EQ(child<ucText>(*window, "ucTextSonstiges")->Caption(), QStringLiteral("Misc"));
    EXPECT_EQ(window->menuAction(QStringLiteral("zurueck"))->text(), QStringLiteral("| Style 83"));
    EXPECT_EQ(window->RegalCaption(), QStringLiteral("Style 2"));
    EXPECT_EQ(child<ucEntry>(*window, "ucEntryPosJump")->Caption(), QStringLiteral("Style 78"));
    EXPECT_EQ(child<QPushButton>(*window, "btPosJump")->text(), QStringLiteral("Style 80"));
}

TEST_F(FrameTest, ABackgroundThatCannotBeShownKeepsTheOldOneWithMessage27)
{
    giveBackground();
    window->SetLanguageAndDesign();
    const QImage before = window->BGImage()->pixmap().toImage();
    ASSERT_FALSE(before.isNull());

    folder.write(QStringLiteral("broken.jpg"), "not a picture");
    window->session().Options().setBGpath(folder.file(QStringLiteral("broken.jpg")));
    window->SetLanguageAndDesign();
    EXPECT_EQ(window->Statusleiste()->text(), QStringLiteral("Meldung 27"));
    EXPECT_EQ(window->BGImage()->pixmap().toImage(), before);

    window->session().Options().setBGpath(folder.file(QStringLiteral("missing.bmp")));
    window->SetLanguageAndDesign();
    EXPECT_EQ(window->Statusleiste()->text(), QStringLiteral("Meldung 27"));
    EXPECT_EQ(window->BGImage()->pixmap().toImage(), before);
}

QRect geometryOf(const MainWindow& w, const char* name) { return child(w, name)->geometry(); }

TEST_F(FrameTest, TitleViewGeometryAt800By600)
{
    window->SetLanguageAndDesign();
    window->SetAllSizes(800, 600);
    const QRect status = window->Statusleiste()->geometry();
    EXPECT_EQ(status.top(), 525);
    EXPECT_EQ(status.left(), 0);
    EXPECT_EQ(status.width(), 800);
    EXPECT_EQ(geometryOf(*window, "lbPos"), QRect(40, 500, 720, 25));
    EXPECT_EQ(geometryOf(*window, "btSkipzurueck"), QRect(10, 500, 30, 25));
    EXPECT_EQ(geometryOf(*window, "btSkipvor"), QRect(760, 500, 30, 25));
    EXPECT_EQ(geometryOf(*window, "ucTextLandJahr").left(), 10);
    EXPECT_EQ(geometryOf(*window, "ucTextLandJahr").width(), 380);
    EXPECT_EQ(geometryOf(*window, "ucTextSchauspieler1").left(), 410);
    EXPECT_EQ(geometryOf(*window, "ucTextSchauspieler1").width(), 380);
    EXPECT_EQ(geometryOf(*window, "ucTextGenre").left(), 10);
    EXPECT_EQ(geometryOf(*window, "ucTextGenre").width(), 780);
    const QRect rating = geometryOf(*window, "ucRating");
    const QRect title = geometryOf(*window, "ucFilmname");
    EXPECT_EQ(rating.top(), 10);
    EXPECT_EQ(title.top(), 10);
    EXPECT_EQ(title.left(), 10 + rating.width() + 5);
    EXPECT_EQ(title.width(), 800 - 20 - rating.width() - 5);
    // Each row of two fields shares its top; the cover ends 15 above the position row.
    EXPECT_EQ(geometryOf(*window, "ucTextRegie").top(), geometryOf(*window, "ucTextSchauspieler5").top());
    const QRect cover = geometryOf(*window, "ImAnzeige");
    EXPECT_EQ(cover.top() + cover.height(), 525 - 25 - 15);
    EXPECT_EQ(geometryOf(*window, "sw_zoom").bottom(), cover.bottom());
    // The jump entry and its button, made after the layout, are centred as a
    // pair on the position row, and follow a later layout.
    emit child<ucPopUpMenu>(*window, "ucSkipBarPopUp")->element1Clicked();
    for (const int width : {800, 700}) {
        window->SetAllSizes(width, 600);
        const QRect jump = geometryOf(*window, "ucEntryPosJump");
        const QRect jumpButton = geometryOf(*window, "btPosJump");
        EXPECT_EQ(jump.width(), 250);
        EXPECT_EQ(jumpButton.left(), jump.left() + 250);
        EXPECT_EQ(jump.left(), (width - (250 + jumpButton.width())) / 2);
        EXPECT_EQ(jump.top(), 500);
        EXPECT_EQ(jumpButton.top(), 500);
        EXPECT_EQ(jump.height(), 25);
        EXPECT_EQ(jumpButton.height(), 25);
    }
    window->SetAllSizes(800, 600);

    // Help and about rows, on pages made after the layout.
    window->ShowPage(19);
    window->ShowPage(20);
    EXPECT_EQ(geometryOf(*window, "WebBrowser"), QRect(30, 30, 740, 480));
    EXPECT_EQ(geometryOf(*window, "lbAbout1").topLeft(), QPoint(30, 200));
    EXPECT_EQ(geometryOf(*window, "lbAbout2").top(), 200 + geometryOf(*window, "lbAbout1").height() + 20);

    // The same size twice gives the same geometry.
    const QRect before = geometryOf(*window, "ucTextSonstiges");
    window->SetAllSizes(800, 600);
    EXPECT_EQ(geometryOf(*window, "ucTextSonstiges"), before);
}

TEST_F(FrameTest, ATinyOrHugeWindowIsLaidOutWithoutFailing)
{
    window->SetLanguageAndDesign();
    window->ShowPage(19);
    window->ShowPage(20);
    for (const QSize size : {QSize(120, 90), QSize(0, 0), QSize(-50, -20), QSize(40000, 40000)}) {
        EXPECT_NO_THROW(window->SetAllSizes(size.width(), size.height())) << size.width();
        for (const char* name : {"ucTextGenre", "lbPos", "ImAnzeige", "ucFilmname", "WebBrowser", "lbAbout1"}) {
            EXPECT_GE(geometryOf(*window, name).width(), 0) << name;
            EXPECT_GE(geometryOf(*window, name).height(), 0) << name;
        }
    }
    window->SetAllSizes(120, 90); // no room left for the cover
    EXPECT_EQ(geometryOf(*window, "ImAnzeige").height(), 0);
}

TEST_F(FrameTest, SettingsAndPasswordFilesAreReadAndWritten)
{
    folder.writeLines(QStringLiteral("settings.aef"),
                      {" 1 ", "lists\\a.adl", "notes.txt", "designs\\d.asd", " 800 ", " 600 ", " 320 ", " 240 ",
                       " 640 ", " 480 ", "DVD", "Extras", "EUR", " 1 ", " 0 "});
    window->session().LoadEinstellungen();
    EXPECT_EQ(window->session().Options().Language(), 1);
    EXPECT_EQ(window->session().Options().FormWidth(), 800);
    EXPECT_EQ(window->session().Options().DvdListpath(), folder.file(QStringLiteral("lists/a.adl")));
    window->session().Options().setFormWidth(1024);
    window->session().SaveEinstellungen();
    clsOptions back;
    back.Load(folder.file(QStringLiteral("settings.aef")));
    EXPECT_EQ(back.FormWidth(), 1024);

    window->session().LoadPassword(); // no file: no password
    EXPECT_EQ(window->session().PasswordFunctions().GetPassword(), QString());
}

TEST_F(FrameTest, NeighbouringWindowsAnswerWithTheirMessages)
{
    window->SetLanguageAndDesign();
    window->session().Options().setDvdListpath(folder.file(QStringLiteral("lists/a.adl")));

    window->menuAction(QStringLiteral("menue_spieleQuiz"))->trigger();
    EXPECT_EQ(window->Statusleiste()->text(), QStringLiteral("Meldung 20"));
    window->Statusleiste()->setText(QString());
    window->menuAction(QStringLiteral("menue_spieleHangman"))->trigger();
    EXPECT_EQ(window->Statusleiste()->text(), QStringLiteral("Meldung 20"));

    window->menuAction(QStringLiteral("menue_ansichtRegal"))->trigger();
    EXPECT_EQ(window->Statusleiste()->text(), QStringLiteral("Meldung 32"));
    folder.write(QStringLiteral("shelves/a.arf"), "shelf.gif\r\n0\r\n0\r\n100\r\n");
    window->menuAction(QStringLiteral("menue_ansichtRegal"))->trigger();
    EXPECT_EQ(window->Statusleiste()->text(), QStringLiteral("Meldung 31")); // the list file itself is missing

    window->menuAction(QStringLiteral("menue_internetFavoritenLoeschen"))->trigger();
    EXPECT_EQ(window->Statusleiste()->text(), QStringLiteral("Meldung 33"));

    window->session().setServerUrl(QStringLiteral("http://example.invalid"));
    window->menuAction(QStringLiteral("menue_internetUpdate"))->trigger();
    EXPECT_EQ(opener.urls,
              QStringList{"http://example.invalid/update.php?lang=0&versmajor=4&versminor=2&versrevision=0"});

    ScriptedMessages boxes;
    boxes.expectMessage(MsgAnswer::Yes);
    window->menuAction(QStringLiteral("menue_dvdCoverDrucken"))->trigger();
    EXPECT_EQ(boxes.shown, QStringList{"Box 25"});
    EXPECT_EQ(boxes.titles, QStringList{"Box 26"});
    EXPECT_EQ(window->Statusleiste()->text(), QStringLiteral("Meldung 27")); // no cover to print
}

TEST_F(FrameTest, FavouritesMenuListsTheStoredFavouritesAndTheAddEntry)
{
    folder.writeLines(QStringLiteral("favorites.txt"), {"Films#http://a.invalid", "News#http://b.invalid"});
    window->SetLanguageAndDesign();
    EXPECT_EQ(window->menuAction(QStringLiteral("menue_internetFavoriten1"))->text(), QStringLiteral("1: Films"));
    EXPECT_EQ(window->menuAction(QStringLiteral("menue_internetFavoriten2"))->text(), QStringLiteral("2: News"));
    EXPECT_EQ(window->menuAction(QStringLiteral("menue_internetFavoriten3"))->text(), QStringLiteral("(Stil 82)"));
    EXPECT_TRUE(window->menuAction(QStringLiteral("menue_internetFavoriten3"))->isVisible());
    EXPECT_FALSE(window->menuAction(QStringLiteral("menue_internetFavoriten4"))->isVisible());
    window->menuAction(QStringLiteral("menue_internetFavoriten2"))->trigger();
    EXPECT_EQ(opener.urls, QStringList{"http://b.invalid"});
}

} // namespace

namespace {


TEST_F(FrameTest, JumpToDVDFindsTheFirstMatchInCollectionOrder)
{
    window->SetLanguageAndDesign();
    for (const char* n : {"Alien", "Aliens", "Alien"})
        window->session().DVDListe().AddDVD(named(n));
    const std::tuple<const char*, bool, int> cases[] = {
        {"alien", false, 1}, {"ALIENS", false, 2}, {"Alien", true, 1}, {"", false, 1},
    };
    for (const auto& [name, exact, pos] : cases) {
        window->session().selectTitle(0);
        window->ShowPage(4);
        window->JumpToDVD(QString::fromUtf8(name), exact);
        EXPECT_EQ(window->session().AktuelleDVDNr(), pos) << name;
        EXPECT_EQ(window->AktuelleSeite(), 1) << name;
    }
    window->ShowPage(4);
    window->JumpToDVD(QStringLiteral("aliens"), true); // case counts
    EXPECT_EQ(window->Statusleiste()->text(), QStringLiteral("Meldung 33"));
    EXPECT_EQ(window->AktuelleSeite(), 4);
    EXPECT_EQ(window->session().AktuelleDVDNr(), 1);
}

TEST_F(FrameTest, TheCollectionIsSavedAndLoadedThroughTheSettingsPath)
{
    window->session().Options().setDvdListpath(folder.file(QStringLiteral("lists/c.adl")));
    window->session().SaveDVDList(); // an empty collection still writes its file
    EXPECT_EQ(folder.read(QStringLiteral("lists/c.adl")), QByteArray("LIST VERSION#0\r\nCOUNT#0\r\n"));
    window->session().DVDListe().AddDVD(named("Brazil"));
    window->session().SaveDVDList();
    window->session().DVDListe().ClearList();
    window->session().LoadDVDList();
    EXPECT_EQ(window->session().DVDListe().getListSize(), 1);
    window->session().Options().setDvdListpath(folder.file(QStringLiteral("lists/none.adl")));
    EXPECT_THROW(window->session().LoadDVDList(), RuntimeError);
}

} // namespace
