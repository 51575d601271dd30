#include "games/Quiz.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "games/core/GameTexts.h"
#include "games/GameWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using GameWindow::px;
using GameWindow::twipsRect;

namespace {

constexpr double kLabelPointSize = 9.75;

} // namespace

Quiz::Quiz(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Quiz"));
    setWindowTitle(QStringLiteral("Quiz"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(8295), px(2790));

    // The labels first: the question box overlaps the status line's lower edge and lies above it.
    m_lbStatus = GameWindow::makeLabel(this, "lbStatus", twipsRect(240, 120, 4455, 375), kLabelPointSize);
    m_lbShow = GameWindow::makeLabel(this, "lbShow", twipsRect(4800, 120, 2775, 375), kLabelPointSize);

    m_txtQuestion = new QPlainTextEdit(this);
    m_txtQuestion->setObjectName(QStringLiteral("txtQuestion"));
    m_txtQuestion->setGeometry(twipsRect(240, 360, 7815, 470));
    m_txtQuestion->setFont(FontHelper::labelFont(8.25));
    m_txtQuestion->setReadOnly(true);
    m_txtQuestion->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_txtQuestion->document()->setDocumentMargin(1);

    const QRect opt[4] = {twipsRect(240, 960, 3855, 495), twipsRect(4200, 960, 3855, 495),
                          twipsRect(240, 1560, 3855, 495), twipsRect(4200, 1560, 3855, 495)};
    const char* names[4] = {"btOpt1", "btOpt2", "btOpt3", "btOpt4"};
    for (int k = 1; k <= 4; ++k) {
        QPushButton* b = GameWindow::makeButton(this, names[k - 1], opt[k - 1]);
        m_btOpt[static_cast<size_t>(k - 1)] = b;
        connect(b, &QPushButton::clicked, this, [this, k] { btOpt_Click(k); });
    }
    m_btEnde = GameWindow::makeButton(this, "btEnde", twipsRect(4200, 2280, 1215, 375));
    m_btNew = GameWindow::makeButton(this, "btNew", twipsRect(5520, 2280, 1215, 375));
    m_btHighscore =
        GameWindow::makeButton(this, "btHighscore", twipsRect(6840, 2280, 1215, 375), QStringLiteral("Highscore"));
    setTabOrder(m_btOpt[0], m_btOpt[1]);
    setTabOrder(m_btOpt[1], m_btOpt[2]);
    setTabOrder(m_btOpt[2], m_btOpt[3]);
    setTabOrder(m_btOpt[3], m_txtQuestion);
    setTabOrder(m_txtQuestion, m_btHighscore);
    setTabOrder(m_btHighscore, m_btNew);
    setTabOrder(m_btNew, m_btEnde);

    m_timerHide = new QTimer(this);
    m_timerHide->setObjectName(QStringLiteral("timerHide"));
    m_timerHide->setInterval(clsQuizGame::kFeedbackMs);

    connect(m_btEnde, &QPushButton::clicked, this, &Quiz::btEnde_Click);
    connect(m_btNew, &QPushButton::clicked, this, &Quiz::btNew_Click);
    connect(m_btHighscore, &QPushButton::clicked, this, &Quiz::btHighscore_Click);
    connect(m_timerHide, &QTimer::timeout, this, &Quiz::timerHide_Timer);
}

bool Quiz::Form_Load()
{
    if (!m_game.Open())
        return false;
    m_btNew->setText(GameWindow::literalCaption(m_game.Texts().MultiWord(GameText::NewGameCaption)));
    m_btEnde->setText(GameWindow::literalCaption(m_game.Texts().MultiWord(GameText::EndCaption)));
    SetDesignQuiz();
    ShowQuestion();
    m_btOpt[0]->setFocus();
    return true;
}

void Quiz::SetDesignQuiz()
{
    const clsOptions& o = m_game.Options();
    GameWindow::setWindowColors(this, o.ColorFont(), o.ColorBG());
    ColorHelper::setColorRole(m_lbShow, QPalette::WindowText, o.ColorFont());
    ColorHelper::setColorRole(m_lbStatus, QPalette::WindowText, o.ColorFont());
    ColorHelper::setBoxColors(m_txtQuestion, o.ColorEntryFont(), o.ColorEntryBG());
}

void Quiz::ShowQuestion()
{
    m_txtQuestion->setPlainText(m_game.Question());
    for (int k = 1; k <= 4; ++k)
        m_btOpt[static_cast<size_t>(k - 1)]->setText(GameWindow::literalCaption(m_game.AnswerText(k)));
    ShowStatus();
}

void Quiz::ShowStatus() { m_lbStatus->setText(m_game.StatusText()); }

void Quiz::ShowFeedback(const QString& text)
{
    m_timerHide->stop();
    m_lbShow->setText(text);
    m_timerHide->start();
}

void Quiz::timerHide_Timer()
{
    m_timerHide->stop();
    m_lbShow->clear();
}

bool Quiz::closeWithoutQuestion()
{
    if (m_game.HasQuestion())
        return false;
    close();
    return true;
}

void Quiz::btOpt_Click(int k)
{
    const bool asked = m_game.Answer(k);
    ShowFeedback(m_game.Feedback());
    if (!asked && closeWithoutQuestion())
        return;
    ShowQuestion();
}

void Quiz::btNew_Click()
{
    m_game.NewGame();
    if (closeWithoutQuestion())
        return;
    ShowQuestion();
}

void Quiz::btEnde_Click()
{
    m_game.EndGame();
    if (closeWithoutQuestion())
        return;
    ShowQuestion();
}

void Quiz::btHighscore_Click() { m_game.ShowHighscore(); }

bool Quiz::queryClose()
{
    // A closed window has asked already and waits for its deletion.
    return isHidden() || m_game.QueryClose();
}

void Quiz::closeEvent(QCloseEvent* event)
{
    m_timerHide->stop();
    m_game.Close();
    event->accept();
}
