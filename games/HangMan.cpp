#include "games/HangMan.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "games/core/GameTexts.h"
#include "games/GameWindow.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

using GameWindow::px;
using GameWindow::twipsRect;

namespace {

constexpr double kWordPointSize = 9.75;
constexpr double kSmallestPointSize = 5.25;

QLine twipsLine(int x1, int y1, int x2, int y2) { return QLine(px(x1), px(y1), px(x2), px(y2)); }

} // namespace

// ------------------------------------------------------------ GallowsPart

GallowsPart::GallowsPart(QWidget* window, const QString& name, const QLine& line) : QWidget(window), m_line(line)
{
    setObjectName(name);
    place(QRect(line.p1(), line.p2()).normalized());
}

GallowsPart::GallowsPart(QWidget* window, const QString& name, const QRect& circleBox)
    : QWidget(window), m_circle(circleBox)
{
    setObjectName(name);
    place(circleBox);
}

void GallowsPart::place(const QRect& bounds)
{
    // The thick pen reaches half its width beyond the line.
    const int margin = kThickness / 2 + 1;
    setGeometry(bounds.adjusted(-margin, -margin, margin, margin));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GallowsPart::setBorderColor(const QColor& color)
{
    m_color = color;
    update();
}

void GallowsPart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_color, kThickness, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.translate(-pos());
    if (m_circle.isNull())
        p.drawLine(m_line);
    else
        p.drawEllipse(m_circle);
}

// ------------------------------------------------------------ HangMan

HangMan::HangMan(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HangMan"));
    setWindowTitle(QStringLiteral("Hangman"));
    // Closing hides the window; the next opening loads it again.
    setFixedSize(px(5550), px(4020));

    // The gallows first, so that it lies below everything else.
    auto line = [this](const char* name, QLine l) { return new GallowsPart(this, QString::fromLatin1(name), l); };
    m_parts = {
        {line("lBerg1", twipsLine(1680, 2760, 2160, 2640)), line("lBerg2", twipsLine(3120, 3360, 2760, 2880)),
         line("lBerg3", twipsLine(2760, 2880, 2160, 2640)), line("lBerg4", twipsLine(1200, 3360, 1680, 2760))},
        {line("lMast", twipsLine(2160, 2640, 2160, 240))},
        {line("lBalken", twipsLine(3480, 240, 1920, 480))},
        {line("lSeil", twipsLine(3240, 360, 3240, 840))},
        {new GallowsPart(this, QStringLiteral("lkopf"), twipsRect(3000, 840, 495, 495))},
        {line("lRumpf", twipsLine(3240, 1320, 3240, 2040))},
        {line("lArm1", twipsLine(2880, 1680, 3240, 1560))},
        {line("lArm2", twipsLine(3240, 1560, 3600, 1680))},
        {line("lBein1", twipsLine(3240, 2040, 3000, 2520))},
        {line("lBein2", twipsLine(3240, 2040, 3480, 2520))},
    };

    m_lbPoints = GameWindow::makeLabel(this, "lbPoints", twipsRect(4080, 120, 1335, 255), kWordPointSize);
    m_lbPoints->setText(QStringLiteral("10000 P."));
    m_lbRecentWord = GameWindow::makeLabel(this, "lbRecentWord", twipsRect(120, 3600, 5415, 375), kWordPointSize);

    m_txtBuchstabe = new QLineEdit(this);
    m_txtBuchstabe->setObjectName(QStringLiteral("txtBuchstabe"));
    m_txtBuchstabe->setGeometry(twipsRect(120, 120, 375, 525));
    m_txtBuchstabe->setFont(FontHelper::labelFont(20.25));
    m_txtBuchstabe->setMaxLength(1);
    m_txtBuchstabe->setAlignment(Qt::AlignCenter);
    m_txtBuchstabe->setTextMargins(0, 0, 0, 0);
    m_btCheck = GameWindow::makeButton(this, "btCheck", twipsRect(600, 120, 375, 525), QStringLiteral(">"));
    m_btNew = GameWindow::makeButton(this, "btNew", twipsRect(4080, 480, 1335, 375));
    m_btScore = GameWindow::makeButton(this, "btScore", twipsRect(4080, 960, 1335, 375), QStringLiteral("Highscore"));
    setTabOrder(m_txtBuchstabe, m_btCheck);
    setTabOrder(m_btCheck, m_btNew);
    setTabOrder(m_btNew, m_btScore);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer"));
    m_timer->setInterval(clsHangmanGame::kClockMs);

    connect(m_btCheck, &QPushButton::clicked, this, &HangMan::btCheck_Click);
    // Enter in the letter box gives the guess, as the ">" button does.
    connect(m_txtBuchstabe, &QLineEdit::returnPressed, this, &HangMan::btCheck_Click);
    connect(m_btNew, &QPushButton::clicked, this, &HangMan::btNew_Click);
    connect(m_btScore, &QPushButton::clicked, this, &HangMan::btScore_Click);
    connect(m_timer, &QTimer::timeout, this, &HangMan::Timer_Timer);
}

bool HangMan::Form_Load(const clsDatentraegerList* current)
{
    if (!m_game.Open(current))
        return false;
    SetDesignHangman();
    m_btNew->setText(GameWindow::literalCaption(m_game.Texts().MultiWord(GameText::NewGameCaption)));
    m_txtBuchstabe->clear();
    ShowNewGame();
    // A window opened again may still hold the focus there: asking again
    // would only tell the window system a change that is none.
    if (focusWidget() != m_txtBuchstabe)
        m_txtBuchstabe->setFocus();
    return true;
}

void HangMan::SetDesignHangman()
{
    const clsOptions& o = m_game.Options();
    // A window opened again mostly finds its colours as they are.
    if (m_design == o.GetDesign())
        return;
    m_design = o.GetDesign();
    GameWindow::setWindowColors(this, o.ColorFont(), o.ColorBG());
    const QColor font = ColorHelper::toQColor(o.ColorFont());
    for (const auto& count : m_parts) {
        for (GallowsPart* part : count)
            part->setBorderColor(font);
    }
    ColorHelper::setColorRole(m_lbRecentWord, QPalette::WindowText, o.ColorFont());
    ColorHelper::setColorRole(m_lbPoints, QPalette::WindowText, o.ColorFont());
    ColorHelper::setBoxColors(m_txtBuchstabe, o.ColorEntryFont(), o.ColorEntryBG());
}

void HangMan::ShowNewGame()
{
    m_lbPoints->setText(m_game.PointsText());
    ShowRecentWord();
    m_timer->start();
}

void HangMan::ShowRecentWord()
{
    setRecentWord(m_game.RecentWordText());
    DrawGallows();
}

void HangMan::setRecentWord(const QString& text)
{
    QFont f = FontHelper::labelFont(kWordPointSize);
    while (f.pointSizeF() > kSmallestPointSize && QFontMetrics(f).horizontalAdvance(text) > m_lbRecentWord->width())
        f.setPointSizeF(f.pointSizeF() - 0.75);
    m_lbRecentWord->setFont(f);
    m_lbRecentWord->setText(text);
}

void HangMan::DrawGallows()
{
    const int misses = m_game.Misses();
    for (size_t count = 0; count < m_parts.size(); ++count) {
        for (GallowsPart* part : m_parts[count])
            part->setVisible(static_cast<int>(count) < misses);
    }
}

void HangMan::btCheck_Click()
{
    const QString text = m_txtBuchstabe->text();
    if (text.isEmpty())
        return;
    const clsHangmanGame::Outcome outcome = m_game.Guess(text);
    ShowRecentWord();
    if (outcome == clsHangmanGame::Outcome::Lost || outcome == clsHangmanGame::Outcome::Won) {
        setRecentWord(QString());
        if (outcome == clsHangmanGame::Outcome::Won)
            m_timer->stop();
        if (!m_game.FinishGame()) {
            m_timer->stop();
            close(); // nothing left to guess: the game has said so
            return;
        }
        ShowNewGame();
    }
    m_txtBuchstabe->clear();
    m_txtBuchstabe->setFocus();
}

void HangMan::btNew_Click()
{
    if (!m_game.NewGame()) {
        m_timer->stop();
        close();
        return;
    }
    ShowNewGame();
}

void HangMan::closeEvent(QCloseEvent* event)
{
    // The running game ends; the clock would count it on while hidden.
    m_timer->stop();
    QWidget::closeEvent(event);
}

void HangMan::btScore_Click() { m_game.ShowHighscore(); }

void HangMan::Timer_Timer()
{
    m_game.Tick();
    m_lbPoints->setText(m_game.PointsText());
}
