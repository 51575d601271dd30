#include "mainwindow/frame/PageDVDScreen.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "controls/ucEntry.h"
#include "controls/ucPopUpMenu.h"
#include "controls/ucRating.h"
#include "controls/ucText.h"
#include "controls/ucTitle.h"
#include "controls/ucZoom.h"
#include "data/BoxTexts.h"
#include "data/DiscFormat.h"
#include "data/MessageTexts.h"
#include "data/ProgramFiles.h"
#include "data/StyleTexts.h"
#include "data/clsDefaultTextfileHandler.h"
#include "data/clsPathFunctions.h"
#include "data/clsStringFunctions.h"
#include "host/PageAction.h"
#include "host/DesignSound.h"
#include "host/PageHost.h"
#include "session/Session.h"
#include "host/PageControls.h"
#include "host/PageLayout.h"
#include "platform/MessageService.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"

#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <cmath>

using PageControls::make;

namespace {

constexpr int kFieldHeight = 20;
constexpr int kTitleHeight = 30;
constexpr int kSwitchSize = 20;
constexpr int kPosJumpButtonWidth = 60;
constexpr int kPortraitWidth = 150;
constexpr int kPortraitMs = 1500;
constexpr int kCoverPopUpRise = 30;
constexpr int kSkipBarPopUpRise = 70;

// The small pictures of the side switches: zoom, long text, trailer, shelf.
QPixmap switchPicture(int kind)
{
    QPixmap pm(kSwitchSize, kSwitchSize);
    pm.fill(QColor(40, 40, 40));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2));
    switch (kind) {
    case 0: // a magnifier
        p.drawEllipse(QRectF(3, 3, 10, 10));
        p.drawLine(QPointF(12, 12), QPointF(17, 17));
        break;
    case 1: // lines of text
        for (int y = 5; y <= 15; y += 5)
            p.drawLine(4, y, 16, y);
        break;
    case 2: // play
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(6, 4), QPointF(16, 10), QPointF(6, 16)}));
        break;
    default: // a shelf with three spines
        p.drawLine(3, 17, 17, 17);
        for (int x = 5; x <= 14; x += 4)
            p.drawLine(x, 5, x, 15);
        break;
    }
    return pm;
}

// A picture file that exists but cannot be decoded gives a null image.
QImage readPicture(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read();
}

} // namespace

PageDVDScreen::PageDVDScreen(PageHost& host, ucText* statusLine, QWidget* backgroundImage)
    : QObject(host.clientArea()), m_host(host), m_statusLine(statusLine), m_backgroundImage(backgroundImage)
{
    QWidget* area = host.clientArea();
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
    for (QPushButton* b : {m_skipzurueck, m_skipvor})
        b->setFont(FontHelper::buttonFont());
    m_pos->setFont(FontHelper::labelFont());

    const char* switchNames[4] = {"sw_zoom", "sw_zusatz", "sw_trailer", "sw_regal"};
    for (int i = 0; i < 4; ++i) {
        m_switches[i] = make<QLabel>(area, switchNames[i]);
        m_switches[i]->resize(kSwitchSize, kSwitchSize);
        m_switches[i]->setPixmap(switchPicture(i));
        m_switches[i]->installEventFilter(this);
    }

    m_zusatzinfo = make<ucText>(area, "ucTextZusatzinfo");
    m_zoom = make<ucZoom>(area, "ucZoom");
    m_portrait = make<QLabel>(area, "imPortrait");
    m_portrait->setScaledContents(true);
    m_coverPopUp = make<ucPopUpMenu>(area, "ucCoverPopUp");
    m_coverPopUp->SetElementCount(5);
    m_skipBarPopUp = make<ucPopUpMenu>(area, "ucSkipBarPopUp");
    m_skipBarPopUp->SetElementCount(2);

    m_picTimer = new QTimer(this);
    m_picTimer->setObjectName(QStringLiteral("picTimer"));
    m_picTimer->setInterval(kPortraitMs);
    connect(m_picTimer, &QTimer::timeout, this, &PageDVDScreen::picTimer_Timer);

    connect(m_skipvor, &QPushButton::clicked, this, &PageDVDScreen::btSkipvor_Click);
    connect(m_skipzurueck, &QPushButton::clicked, this, &PageDVDScreen::btSkipzurueck_Click);
    m_anzeige->installEventFilter(this);
    m_pos->installEventFilter(this);
    m_backgroundImage->installEventFilter(this);

    connect(m_coverPopUp, &ucPopUpMenu::element1Clicked, this, &PageDVDScreen::ucCoverPopUp_element1Clicked);
    connect(m_coverPopUp, &ucPopUpMenu::element2Clicked, this, &PageDVDScreen::ucCoverPopUp_element2Clicked);
    connect(m_coverPopUp, &ucPopUpMenu::element3Clicked, this, &PageDVDScreen::ucCoverPopUp_element3Clicked);
    connect(m_coverPopUp, &ucPopUpMenu::element4Clicked, this, &PageDVDScreen::ucCoverPopUp_element4Clicked);
    connect(m_coverPopUp, &ucPopUpMenu::element5Clicked, this, &PageDVDScreen::ucCoverPopUp_element5Clicked);
    connect(m_skipBarPopUp, &ucPopUpMenu::element1Clicked, this, &PageDVDScreen::ucSkipBarPopUp_element1Clicked);
    connect(m_skipBarPopUp, &ucPopUpMenu::element2Clicked, this, &PageDVDScreen::ucSkipBarPopUp_element2Clicked);

    connect(m_regie, &ucText::ucLeftClicked, this, &PageDVDScreen::ucTextRegie_ucLeftClicked);
    for (int k = 1; k <= 5; ++k)
        connect(m_schauspieler[k - 1], &ucText::ucLeftClicked, this, [this, k] { ucTextSchauspieler_ucLeftClicked(k); });
}

// ---------------------------------------------------------------- showing a title

void PageDVDScreen::DVDScreenAufrufen(std::int16_t pos)
{
    // A position that names no title (the shelf may pass a stale one) changes nothing.
    if (!m_host.session().selectTitle(pos))
        return;
    m_host.HideAllPages();
    ShowDVDScreen();
    FillDVDScreen();
}

void PageDVDScreen::ShowDVDScreen()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_rating, m_anzeige, m_filmname, m_genre, m_landJahr, m_dauer,
                                                      m_preis, m_sonstiges, m_fsk, m_regie, m_skipvor, m_skipzurueck,
                                                      m_pos})
        w->show();
    for (ucText* t : m_schauspieler)
        t->show();

    const bool titleShown = m_host.session().DVDListe().getListSize() > 0 && m_host.session().AktuelleDVDNr() != 0;
    for (const char* item : {"aktuelledvd", "menue_sammlungExport", "menue_sammlungStatistik", "menue_sammlungRegal",
                             "menue_dvdLoeschen", "menue_dvdSuchen", "menue_dvdZusatzinfosbearbeiten",
                             "menue_dvdBearbeiten", "ansicht", "menue_sammlungTop30", "menue_sammlungMehrfach"})
        m_host.setMenuEnabled(QString::fromLatin1(item), titleShown);
}

void PageDVDScreen::HideDVDScreen()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_rating, m_anzeige, m_filmname, m_genre, m_landJahr, m_dauer,
                                                      m_preis, m_sonstiges, m_fsk, m_regie, m_skipvor, m_skipzurueck,
                                                      m_pos})
        w->hide();
    if (m_posJump) {
        m_posJump->hide();
        m_btPosJump->hide();
    }
    for (ucText* t : m_schauspieler)
        t->hide();
    for (QLabel* s : m_switches)
        s->hide();
}

void PageDVDScreen::FillDVDScreen()
{
    HidePopUps();
    for (QLabel* s : m_switches)
        s->hide();
    HideZoom();
    HideZusatzinfo();

    const int count = m_host.session().DVDListe().getListSize();
    const int nr = m_host.session().AktuelleDVDNr();
    m_skipvor->setVisible(nr != count && nr != 0);
    m_skipzurueck->setVisible(nr > 1);
    // Start-up switches the previous button off; any later title with a predecessor needs it back.
    m_skipzurueck->setEnabled(nr > 1);
    ShowPosition();

    runAction(m_host, MessageText::ErrorOccurred, [&] {
        const clsDatentraeger dvd = m_host.session().recordAt(nr);
        const clsOptions& o = m_host.session().Options();
        m_filmname->setCaption(dvd.GetFilmname());
        if (dvd.GetBewertung() <= 5)
            m_rating->setStars(dvd.GetBewertung());
        m_genre->setText(dvd.GetGenre());
        m_landJahr->setText(dvd.GetLandJahr());
        m_fsk->setText(QString::number(dvd.GetFsk()));
        m_dauer->setText(QString::number(dvd.GetLaenge()) + u' ' + m_host.session().StyleTexts().MultiWord(StyleText::Minutes));
        m_preis->setText(PreisText(dvd.GetKaufpreis()) + u' ' + o.CurrencyChar());
        m_sonstiges->setText(dvd.GetSonstiges());
        const QString actors[5] = {dvd.GetSchauspieler1(), dvd.GetSchauspieler2(), dvd.GetSchauspieler3(),
                                   dvd.GetSchauspieler4(), dvd.GetSchauspieler5()};
        for (int i = 0; i < 5; ++i)
            m_schauspieler[i]->setText(actors[i]);
        m_regie->setText(dvd.GetRegie());

        // A cover that cannot be decoded counts as missing.
        QImage cover;
        if (clsPathFunctions::checkIfFileExists(dvd.GetBildpfad(), 1))
            cover = readPicture(dvd.GetBildpfad());
        if (cover.isNull()) {
            m_anzeige->clear();
            m_anzeige->hide();
            m_host.StatusMsg(MessageText::FileUnusable);
            return;
        }
        m_anzeige->setPixmap(QPixmap::fromImage(std::move(cover)));
        m_anzeige->show();
        const std::int16_t height = PageLayout::clamp16(m_anzeige->height());
        PageLayout::setWidth(m_anzeige, GetCoverBreite(dvd.GetFormat(), height));
        centreCover();
        if (o.Shortcuts() == 1) {
            for (QLabel* sw : m_switches) {
                sw->show();
                sw->raise();
            }
        }
    });
}

void PageDVDScreen::centreCover()
{
    const int left = static_cast<int>(std::floor(m_host.clientArea()->width() / 2.0 - m_anzeige->width() / 2.0));
    PageLayout::setLeft(m_anzeige, left);
    const int w = m_switches[0]->width();
    for (int i = 0; i < 4; ++i)
        PageLayout::setLeft(m_switches[i], left + i * (w + 2));
}

void PageDVDScreen::ShowPosition()
{
    const QString c = QString::number(m_host.session().DVDListe().getListSize());
    QString p = QString::number(m_host.session().AktuelleDVDNr());
    clsStringFunctions::SetStringToLength(p, c.size(), true, QStringLiteral("0"));
    m_pos->setText(p + QStringLiteral(" / ") + c);
}

std::int16_t PageDVDScreen::GetCoverBreite(const QString& format, std::int16_t height)
{
    return PageLayout::clamp16(DiscFormat::of(format).coverWidthFor(height));
}

QString PageDVDScreen::PreisText(std::int16_t price) { return clsStringFunctions::PriceText(price); }

// ---------------------------------------------------------------- navigation

void PageDVDScreen::setSkipzurueckEnabled(bool enabled) { m_skipzurueck->setEnabled(enabled); }

void PageDVDScreen::btSkipvor_Click()
{
    if (!m_host.session().next())
        return;
    playDesignSound(m_host.session().Options(), 1);
    FillDVDScreen();
}

void PageDVDScreen::btSkipzurueck_Click()
{
    if (!m_host.session().previous())
        return;
    playDesignSound(m_host.session().Options(), 1);
    FillDVDScreen();
}

void PageDVDScreen::btPosJump_Click()
{
    const int count = m_host.session().DVDListe().getListSize();
    if (positionEntry().IsValueNumericBetween(1, PageLayout::clamp16(count))) {
        m_host.session().selectTitle(Numbers::toInt16(Numbers::intFloor(Numbers::parse(m_posJump->value()))));
        FillDVDScreen();
    } else {
        m_host.StatusMsg(MessageText::InvalidValue);
    }
    m_btPosJump->hide();
    m_posJump->hide();
}

void PageDVDScreen::showPositionEntry()
{
    HidePopUps();
    positionEntry();
    m_posJump->show();
    m_btPosJump->show();
    m_posJump->raise();
    m_btPosJump->raise();
    m_posJump->setFocus();
}

void PageDVDScreen::lbPos_MouseDown(Qt::MouseButton button, const QPoint& globalPos)
{
    if (m_host.session().DVDListe().getListSize() < 1)
        return;
    if (button == Qt::LeftButton) {
        showPositionEntry();
    } else if (button == Qt::RightButton) {
        const QPoint at = popUpPlace(globalPos, kSkipBarPopUpRise);
        ShowSkipBarPopUp(at.x(), at.y());
    }
}

void PageDVDScreen::BGImage_Click() { HidePopUps(); }

void PageDVDScreen::sw_zoom_Click() { m_host.ShowPage(2); }

void PageDVDScreen::sw_zusatz_Click() { m_host.ShowPage(3); }

void PageDVDScreen::sw_trailer_Click() { emit trailerWanted(); }

void PageDVDScreen::sw_regal_Click() { emit regalWanted(); }

bool PageDVDScreen::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return QObject::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    if (watched == m_anzeige) {
        if (type == QEvent::MouseButtonDblClick)
            ImAnzeige_DblClick();
        else
            ImAnzeige_MouseDown(mouse->button(), global);
    } else if (watched == m_pos && type == QEvent::MouseButtonPress) {
        lbPos_MouseDown(mouse->button(), global);
    } else if (watched == m_backgroundImage && type == QEvent::MouseButtonPress) {
        BGImage_Click();
    } else if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        if (watched == m_switches[0])
            sw_zoom_Click();
        else if (watched == m_switches[1])
            sw_zusatz_Click();
        else if (watched == m_switches[2])
            sw_trailer_Click();
        else if (watched == m_switches[3])
            sw_regal_Click();
    }
    return QObject::eventFilter(watched, event);
}

void PageDVDScreen::SetDesignDVDScreen()
{
    clsOptions& o = m_host.session().Options();
    const Design design = o.GetDesign();
    clsTranslation& style = m_host.session().StyleTexts();

    m_rating->setStarColor(o.ColorRating());
    m_rating->setMarginX(0);
    m_rating->setMarginY(3);

    m_filmname->setbackColor(o.ColorBG());
    m_filmname->setfontcolor(o.ColorFont());

    auto field = [&](ucText* t, const QString& caption) {
        t->SetDesign(caption, 1, 5, design, 125, false,
                     false);
    };
    field(m_genre, style.MultiWord(StyleText::Genre));
    field(m_landJahr, style.MultiWord(StyleText::CountryYear));
    field(m_dauer, style.MultiWord(StyleText::RunningTime));
    field(m_preis, style.MultiWord(StyleText::Price));
    field(m_sonstiges, o.OwnLabelCaption());
    field(m_fsk, style.MultiWord(StyleText::AgeRating));
    field(m_regie, style.MultiWord(StyleText::Director));
    for (ucText* t : m_schauspieler)
        field(t, style.MultiWord(StyleText::Actor));

    m_zusatzinfo->SetDesign(style.MultiWord(StyleText::LongText), 2, 5, design, 125, true, false);

    ColorHelper::setLabelColors(m_pos, o.ColorFont(), o.ColorBG());
    m_pos->setAutoFillBackground(true);

    m_statusLine->SetDesign(style.MultiWord(StyleText::Status), 1, 30, design, 56, true, false);

    m_designed = true;
    if (m_posJump)
        designPositionEntry();
}

void PageDVDScreen::designPositionEntry()
{
    const clsTranslation& style = m_host.session().StyleTexts();
    m_posJump->SetDesign(style.MultiWord(StyleText::GoToPosition), 1, 170, 10, m_host.session().Options().GetDesign(),
                         false);
    m_posJump->setMaxCharacters(4);
    m_btPosJump->setText(style.MultiWord(StyleText::Go));
}

ucEntry& PageDVDScreen::positionEntry()
{
    if (m_posJump)
        return *m_posJump;
    QWidget* area = m_host.clientArea();
    m_posJump = make<ucEntry>(area, "ucEntryPosJump");
    m_btPosJump = make<QPushButton>(area, "btPosJump");
    m_btPosJump->resize(kPosJumpButtonWidth, m_btPosJump->height());
    m_btPosJump->setFont(FontHelper::buttonFont());
    // Where they would lie had they been made with the rest: under the side
    // switches, and next after the skip buttons when tabbing.
    m_posJump->stackUnder(m_switches[0]);
    m_btPosJump->stackUnder(m_switches[0]);
    if (auto* box = m_posJump->findChild<QLineEdit*>(QStringLiteral("text"))) {
        QWidget::setTabOrder(m_skipvor, box);
        QWidget::setTabOrder(box, m_btPosJump);
    }
    connect(m_btPosJump, &QPushButton::clicked, this, &PageDVDScreen::btPosJump_Click);
    connect(m_posJump, &ucEntry::returnPressed, this, &PageDVDScreen::btPosJump_Click);
    if (m_designed)
        designPositionEntry();
    if (m_layoutWidth)
        placePositionEntry(*m_layoutWidth);
    return *m_posJump;
}

void PageDVDScreen::placePositionEntry(int W)
{
    PageLayout l(m_host.FormFunctions(), W);
    l.setWidth(m_posJump, 250);
    l.setLeft(m_posJump, l.left(m_posJump->width() + m_btPosJump->width()));
    l.setLeft(m_btPosJump, m_posJump->x() + m_posJump->width());
    for (QWidget* w : {static_cast<QWidget*>(m_posJump), static_cast<QWidget*>(m_btPosJump)}) {
        l.setHeight(w, m_pos->height());
        l.setTop(w, m_pos->y());
    }
}

void PageDVDScreen::SetSizes(int W, int)
{
    PageLayout l(m_host.FormFunctions(), W);
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

    // Heights.
    l.setHeight(m_pos, 25);
    for (QWidget* w : std::initializer_list<QWidget*>{m_skipvor, m_skipzurueck})
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
    const int statusTop = m_statusLine->y();
    l.setTop(m_pos, statusTop - m_pos->height());
    for (QWidget* w : std::initializer_list<QWidget*>{m_skipzurueck, m_skipvor})
        l.setTop(w, m_pos->y());
    l.setHeight(m_anzeige, statusTop - m_anzeige->y() - m_skipzurueck->height() - 15);
    for (QLabel* s : m_switches)
        l.setTop(s, m_anzeige->y() + m_anzeige->height() - m_switches[0]->height());
    m_layoutWidth = W;
    if (m_posJump)
        placePositionEntry(W);
}


// ---------------------------------------------------------------- overlays (pages 2 and 3)

void PageDVDScreen::coverOverlay(QWidget* overlay)
{
    overlay->show();
    m_anzeige->hide();
    for (QWidget* other : std::initializer_list<QWidget*>{m_zoom, m_zusatzinfo})
        if (other != overlay)
            other->hide();
    for (QLabel* s : m_switches)
        s->hide();
    overlay->setGeometry(m_anzeige->geometry());
    overlay->raise();
}

void PageDVDScreen::ShowZoom()
{
    const QString path = m_host.session().AktuelleDVD().GetBildpfad();
    // A file that is no picture the zoom can read is reported like a missing one.
    if (!clsPathFunctions::checkIfFileExists(path, 0) || !QImageReader(Paths::resolve(path)).canRead()) {
        m_host.StatusMsg(MessageText::FileUnusable);
        return;
    }
    coverOverlay(m_zoom);
    m_zoom->InitializeIt(Paths::resolve(path), m_zoom->width(), m_zoom->height());
}

void PageDVDScreen::HideZoom() { m_zoom->hide(); }

void PageDVDScreen::ShowZusatzinfo()
{
    const QString path = m_host.session().AktuelleDVD().GetZusatztextPfad();
    if (!clsPathFunctions::checkIfFileExists(path, 0)) {
        m_host.StatusMsg(MessageText::NotAvailable);
        return;
    }
    QString text;
    // There but unreadable: no text to show.
    if (!runAction(m_host, MessageText::NotAvailable, [&] { text = clsDefaultTextfileHandler::ReadTxtFile(path, true); }))
        return;
    coverOverlay(m_zusatzinfo);
    m_zusatzinfo->setText(text);
}

void PageDVDScreen::HideZusatzinfo() { m_zusatzinfo->hide(); }

// ---------------------------------------------------------------- popups

void PageDVDScreen::HidePopUps()
{
    m_coverPopUp->hide();
    m_skipBarPopUp->hide();
}

void PageDVDScreen::SetDesignCoverPopUp()
{
    const clsTranslation& style = m_host.session().StyleTexts();
    m_coverPopUp->SetElementCount(5);
    const int lines[5] = {StyleText::FullScreen, StyleText::Zoom, StyleText::ViewTrailer, StyleText::ViewShelf,
                          StyleText::ViewLongText};
    for (int k = 1; k <= 5; ++k)
        m_coverPopUp->SetCaption(static_cast<std::uint8_t>(k), style.MultiWord(lines[k - 1]));
    m_coverPopUp->hide();
}

void PageDVDScreen::SetDesignSkipBarPopUp()
{
    const clsTranslation& style = m_host.session().StyleTexts();
    m_skipBarPopUp->SetElementCount(2);
    m_skipBarPopUp->SetCaption(1, style.MultiWord(StyleText::GoToPosition));
    m_skipBarPopUp->SetCaption(2, style.MultiWord(StyleText::GoToTitle));
    m_skipBarPopUp->hide();
}

QPoint PageDVDScreen::popUpPlace(const QPoint& globalPos, int rise) const
{
    const QRect outer = m_host.clientArea()->window()->frameGeometry();
    return {PageLayout::clamp16(globalPos.x() - outer.x()), PageLayout::clamp16(globalPos.y() - outer.y() - rise)};
}

void PageDVDScreen::ShowCoverPopUp(int x, int y)
{
    HidePopUps();
    m_coverPopUp->move(x, y);
    m_coverPopUp->show();
    m_coverPopUp->raise();
}

void PageDVDScreen::ShowSkipBarPopUp(int x, int y)
{
    HidePopUps();
    m_skipBarPopUp->move(x, y);
    m_skipBarPopUp->show();
    m_skipBarPopUp->raise();
}

void PageDVDScreen::ImAnzeige_MouseDown(Qt::MouseButton button, const QPoint& globalPos)
{
    if (button == Qt::LeftButton) {
        HidePopUps();
    } else if (button == Qt::RightButton) {
        const QPoint at = popUpPlace(globalPos, kCoverPopUpRise);
        ShowCoverPopUp(at.x(), at.y());
    }
}

void PageDVDScreen::ImAnzeige_DblClick() { emit coverFullScreenWanted(); }

void PageDVDScreen::ucCoverPopUp_element1Clicked() { emit coverFullScreenWanted(); }

void PageDVDScreen::ucCoverPopUp_element2Clicked() { m_host.ShowPage(2); }

void PageDVDScreen::ucCoverPopUp_element3Clicked() { emit trailerWanted(); }

void PageDVDScreen::ucCoverPopUp_element4Clicked() { emit regalWanted(); }

void PageDVDScreen::ucCoverPopUp_element5Clicked() { m_host.ShowPage(3); }

void PageDVDScreen::ucSkipBarPopUp_element1Clicked() { showPositionEntry(); }

void PageDVDScreen::ucSkipBarPopUp_element2Clicked()
{
    HidePopUps();
    const clsTranslation& box = m_host.session().BoxTexts();
    const QString answer = Messages::get().inputBox(box.MultiWord(BoxText::TitleBeginningPrompt), box.MultiWord(BoxText::GoToTitleTitle), QString());
    m_host.JumpToDVD(answer, false);
}

// ---------------------------------------------------------------- portraits

void PageDVDScreen::ucTextRegie_ucLeftClicked() { portraitOf(m_regie); }

void PageDVDScreen::ucTextSchauspieler_ucLeftClicked(int k)
{
    if (k >= 1 && k <= 5)
        portraitOf(m_schauspieler[k - 1]);
}

void PageDVDScreen::portraitOf(const ucText* field)
{
    ShowPortrait(m_anzeige->x(), m_anzeige->y(), field->text());
}

void PageDVDScreen::ShowPortrait(int x, int y, const QString& name)
{
    HidePopUps();
    if (name.isEmpty())
        return;
    const QString path = ProgramFiles::portrait(name);
    if (!clsPathFunctions::checkIfFileExists(path, 1))
        return;
    // A file that cannot be decoded shows nothing, like a missing one.
    const QImage picture = readPicture(path);
    if (picture.isNull() || picture.width() < 1)
        return;
    m_portrait->setPixmap(QPixmap::fromImage(picture));
    const int height = static_cast<int>(std::lround(double(kPortraitWidth) / picture.width() * picture.height()));
    m_portrait->resize(kPortraitWidth, height);
    m_portrait->move(x, y);
    m_picTimer->stop();
    if (!m_rating->isHidden()) {
        m_picTimer->start();
        m_portrait->show();
        m_portrait->raise();
    }
}

void PageDVDScreen::picTimer_Timer()
{
    m_picTimer->stop();
    m_portrait->hide();
}

void PageDVDScreen::HidePortrait() { m_portrait->hide(); }
