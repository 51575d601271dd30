#pragma once

#include "games/core/clsQuizGame.h"

#include <QWidget>
#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The film quiz window: shows the question and answers of clsQuizGame,
// forwards the buttons to it and shows the feedback for 1500 ms.
class Quiz : public QWidget {
    Q_OBJECT
public:
    explicit Quiz(QWidget* parent = nullptr);

    // Opening: the game reads its files and asks the first question; false
    // when no question can be asked (the game has said so), and the window
    // is not shown.
    bool Form_Load();

    // The window's handlers; k is 1 to 4.
    void btOpt_Click(int k);
    void btNew_Click();
    void btEnde_Click();
    void btHighscore_Click();
    void timerHide_Timer();
    // Closing the program: an open game with answers not yet saved is offered
    // to be saved, with Cancel. False keeps the program open.
    bool queryClose();

    const clsQuizGame& Game() const { return m_game; }

protected:
    // Answers not yet saved are offered to be saved first; the window closes either way.
    void closeEvent(QCloseEvent* event) override;

private:
    void SetDesignQuiz();
    // The question, the four answers and the status line.
    void ShowQuestion();
    // The count of questions and the score on the status line.
    void ShowStatus();
    void ShowFeedback(const QString& text);
    // Closes the window when the game has no question left to ask.
    bool closeWithoutQuestion();

    clsQuizGame m_game;
    QLabel* m_lbStatus;
    QLabel* m_lbShow;
    QPlainTextEdit* m_txtQuestion;
    std::array<QPushButton*, 4> m_btOpt{};
    QPushButton* m_btEnde;
    QPushButton* m_btNew;
    QPushButton* m_btHighscore;
    QTimer* m_timerHide;
};
