#include "mainwindow/frame/PageDVDScreen.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "controls/ucEntry.h"
#include "controls/ucPopUpMenu.h"
#include "controls/ucRating.h"
#include "controls/ucText.h"
#include "controls/ucTitle.h"
#include "mainwindow/frame/MainWindow.h"
#include "mainwindow/frame/PageLayout.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kFieldHeight = 20;
constexpr int kTitleHeight = 30;
constexpr int kSwitchSize = 20;
constexpr int kPosJumpButtonWidth = 60;

template <class W>
W* make(QWidget* parent, const char* name)
{
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->hide();
    return w;
}

} // namespace

PageDVDScreen::PageDVDScreen(MainWindow& main) : QObject(&main), m_main(main)
{
    QWidget* area = main.clientArea();
    m_rating = make<ucRating>(area, "ucRating");
    m_rating->resize(5 * ucRating::kStarSize, kFieldHeight);
    m_filmname = make<ucTitle>(area, "ucFilmname");
    m_filmname->resize(m_filmname->width(), kTitleHeight);
    m_genre = make<ucText>(area, "ucTextGenre");
    m_landJahr = make<ucText>(area, "ucTextLandJahr");
    m_fsk = make<ucText>(area, "ucTextFSK");
    m_dauer = make<ucText>(area, "ucTextDauer");
    m_preis = make<ucText>(area, "ucTextPreis");
    m_regie = make<ucText>(area, "ucTextRegie");
    for (int i = 0; i < 5; ++i)
        m_schauspieler[i] = make<ucText>(area, QStringLiteral("ucTextSchauspieler%1").arg(i + 1).toLatin1().constData());
    m_sonstiges = make<ucText>(area, "ucTextSonstiges");
    for (ucText* t : {m_genre, m_landJahr, m_fsk, m_dauer, m_preis, m_regie, m_sonstiges})
        t->resize(t->width(), kFieldHeight);
    for (ucText* t : m_schauspieler)
        t->resize(t->width(), kFieldHeight);

    m_anzeige = make<QLabel>(area, "ImAnzeige");
    m_anzeige->setScaledContents(true);
    m_skipzurueck = make<QPushButton>(area, "btSkipzurueck");
    m_skipzurueck->setText(QStringLiteral("<"));
    m_skipvor = make<QPushButton>(area, "btSkipvor");
    m_skipvor->setText(QStringLiteral(">"));
    m_pos = make<QLabel>(area, "lbPos");
    m_pos->setAlignment(Qt::AlignCenter);
    m_posJump = make<ucEntry>(area, "ucEntryPosJump");
    m_btPosJump = make<QPushButton>(area, "btPosJump");
    m_btPosJump->resize(kPosJumpButtonWidth, m_btPosJump->height());
    for (QPushButton* b : {m_skipzurueck, m_skipvor, m_btPosJump})
        b->setFont(FontHelper::buttonFont());
    m_pos->setFont(FontHelper::labelFont());

    const char* switchNames[4] = {"sw_zoom", "sw_zusatz", "sw_trailer", "sw_regal"};
    for (int i = 0; i < 4; ++i) {
        m_switches[i] = make<QLabel>(area, switchNames[i]);
        m_switches[i]->resize(kSwitchSize, kSwitchSize);
    }

    m_zusatzinfo = make<ucText>(area, "ucTextZusatzinfo");
    m_coverPopUp = make<ucPopUpMenu>(area, "ucCoverPopUp");
    m_coverPopUp->SetElementCount(5);
    m_skipBarPopUp = make<ucPopUpMenu>(area, "ucSkipBarPopUp");
    m_skipBarPopUp->SetElementCount(2);
    m_portrait = make<QLabel>(area, "imPortrait");
}

void PageDVDScreen::DVDScreenAufrufen(std::int16_t)
{
    m_main.HideAllPages();
    ShowDVDScreen();
}

void PageDVDScreen::ShowDVDScreen()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_rating, m_anzeige, m_filmname, m_genre, m_landJahr, m_dauer,
                                                      m_preis, m_sonstiges, m_fsk, m_regie, m_skipvor, m_skipzurueck,
                                                      m_pos})
        w->show();
    for (ucText* t : m_schauspieler)
        t->show();
}

void PageDVDScreen::HideDVDScreen()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_rating, m_anzeige, m_filmname, m_genre, m_landJahr, m_dauer,
                                                      m_preis, m_sonstiges, m_fsk, m_regie, m_skipvor, m_skipzurueck,
                                                      m_pos, m_posJump, m_btPosJump})
        w->hide();
    for (ucText* t : m_schauspieler)
        t->hide();
    for (QLabel* s : m_switches)
        s->hide();
}

void PageDVDScreen::SetDesignDVDScreen()
{
    clsOptions& o = m_main.Options();
    clsTranslation& style = m_main.StyleTexts();

    m_rating->setStarColor(o.ColorRating());
    m_rating->setMarginX(0);
    m_rating->setMarginY(3);

    m_filmname->setbackColor(o.ColorBG());
    m_filmname->setfontcolor(o.ColorFont());

    auto field = [&](ucText* t, const QString& caption) {
        t->SetDesign(caption, 1, 5, o.ColorFont(), o.ColorBG(), o.ColorEntryFont(), o.ColorEntryBG(), 125, false,
                     false);
    };
    field(m_genre, style.MultiWord(14));
    field(m_landJahr, style.MultiWord(6));
    field(m_dauer, style.MultiWord(8));
    field(m_preis, style.MultiWord(9));
    field(m_sonstiges, o.OwnLabelCaption());
    field(m_fsk, style.MultiWord(7));
    field(m_regie, style.MultiWord(10));
    for (ucText* t : m_schauspieler)
        field(t, style.MultiWord(11));

    m_zusatzinfo->SetDesign(style.MultiWord(77), 2, 5, o.ColorFont(), o.ColorBG(), o.ColorEntryFont(),
                            o.ColorEntryBG(), 125, true, false);

    m_posJump->SetDesign(style.MultiWord(78), 1, 170, 10, o.ColorFont(), o.ColorBG(), o.ColorEntryFont(),
                         o.ColorEntryBG(), false);
    m_posJump->setMaxCharacters(4);

    QPalette pal = m_pos->palette();
    pal.setColor(QPalette::WindowText, ColorHelper::toQColor(o.ColorFont()));
    pal.setColor(QPalette::Window, ColorHelper::toQColor(o.ColorBG()));
    m_pos->setPalette(pal);
    m_pos->setAutoFillBackground(true);

    m_main.Statusleiste()->SetDesign(style.MultiWord(79), 1, 30, o.ColorFont(), o.ColorBG(), o.ColorEntryFont(),
                                     o.ColorEntryBG(), 56, true, false);

    m_btPosJump->setText(style.MultiWord(80));
}

void PageDVDScreen::SetSizes(int W, int)
{
    PageLayout l(m_main.FormFunctions(), W);
    const int half = W / 2 - 20;
    ucText* leftColumn[5] = {m_landJahr, m_fsk, m_dauer, m_preis, m_regie};

    // Widths.
    l.setWidth(m_filmname, W - 20 - m_rating->width() - 5);
    l.setWidth(m_genre, W - 20);
    l.setWidth(m_sonstiges, W - 20);
    for (ucText* t : leftColumn)
        l.setWidth(t, half);
    for (ucText* t : m_schauspieler)
        l.setWidth(t, half);
    l.setWidth(m_skipvor, 30);
    l.setWidth(m_skipzurueck, 30);
    l.setWidth(m_pos, W - 20 - m_skipvor->width() - m_skipzurueck->width());
    l.setWidth(m_posJump, 250);

    // Lefts.
    const int left = l.left(m_genre->width());
    l.setLeft(m_rating, left);
    l.setLeft(m_genre, left);
    l.setLeft(m_sonstiges, left);
    l.setLeft(m_filmname, left + m_rating->width() + 5);
    for (ucText* t : leftColumn)
        l.setLeft(t, l.left(m_landJahr->width(), 1, 2));
    for (ucText* t : m_schauspieler)
        l.setLeft(t, l.left(m_landJahr->width(), 2, 2));
    const int rowLeft = l.left(W - 20);
    l.setLeft(m_skipzurueck, rowLeft);
    l.setLeft(m_pos, rowLeft + m_skipzurueck->width());
    l.setLeft(m_skipvor, rowLeft + m_skipzurueck->width() + m_pos->width());
    l.setLeft(m_posJump, l.left(m_posJump->width() + m_btPosJump->width()));
    l.setLeft(m_btPosJump, m_posJump->x() + m_posJump->width());

    // Heights.
    l.setHeight(m_pos, 25);
    for (QWidget* w : std::initializer_list<QWidget*>{m_posJump, m_btPosJump, m_skipvor, m_skipzurueck})
        l.setHeight(w, m_pos->height());

    // Tops: stars and title share the first row, then the field rows.
    l.start(10);
    l.sameRow(m_rating);
    l.row(m_filmname, m_filmname->height() + 5);
    l.row(m_genre, m_genre->height() + 5);
    for (int row = 0; row < 5; ++row) {
        l.sameRow(leftColumn[row]);
        l.row(m_schauspieler[row], m_schauspieler[row]->height() + (row == 4 ? 5 : 0));
    }
    l.row(m_sonstiges, m_sonstiges->height() + 10);
    l.row(m_anzeige, m_anzeige->height());

    // The position row stands on the status line; the cover fills the room above it.
    const int statusTop = m_main.Statusleiste()->y();
    l.setTop(m_pos, statusTop - m_pos->height());
    for (QWidget* w : std::initializer_list<QWidget*>{m_posJump, m_btPosJump, m_skipzurueck, m_skipvor})
        l.setTop(w, m_pos->y());
    l.setHeight(m_anzeige, statusTop - m_anzeige->y() - m_skipzurueck->height() - 15);
    for (QLabel* s : m_switches)
        l.setTop(s, m_anzeige->y() + m_anzeige->height() - m_switches[0]->height());
}

void PageDVDScreen::ShowZoom() {}

void PageDVDScreen::HideZoom() {}

void PageDVDScreen::ShowZusatzinfo() {}

void PageDVDScreen::HideZusatzinfo() { m_zusatzinfo->hide(); }

void PageDVDScreen::HidePopUps()
{
    m_coverPopUp->hide();
    m_skipBarPopUp->hide();
}

void PageDVDScreen::SetDesignCoverPopUp() {}

void PageDVDScreen::SetDesignSkipBarPopUp() {}

void PageDVDScreen::HidePortrait() { m_portrait->hide(); }
