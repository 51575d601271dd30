#pragma once

#include "data/Design.h"
#include "games/core/clsHangmanGame.h"

#include <QColor>
#include <QLine>
#include <QRect>
#include <QWidget>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// One part of the gallows, drawn 10 pixels thick: a line between two points
// of the window, or a circle in a box of the window.
class GallowsPart : public QWidget {
    Q_OBJECT
public:
    static constexpr int kThickness = 10;

    GallowsPart(QWidget* window, const QString& name, const QLine& line);
    GallowsPart(QWidget* window, const QString& name, const QRect& circleBox);

    void setBorderColor(const QColor& color);
    QColor borderColor() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place(const QRect& bounds);

    QLine m_line;     // in window pixels
    QRect m_circle;   // in window pixels; null for a line
    QColor m_color = Qt::black;
};

// The Hangman window: shows the game of clsHangmanGame, forwards the guesses,
// the buttons and the clock to it, and draws the gallows by the misses.
class HangMan : public QWidget {
    Q_OBJECT
public:
    // Closing hides the window; the next opening loads it again.
    static constexpr bool kKeptWhenClosed = true;

    explicit HangMan(QWidget* parent = nullptr);

    // Opening, also of a window closed before: the game reads its files and starts; false when there is
    // nothing to guess (the game has said so), and the window is not shown.
    // current: the main window's collection, read instead of the list file
    // while that file is unchanged.
    bool Form_Load(const clsDatentraegerList* current = nullptr);

    // The window's handlers.
    void btCheck_Click();
    void btNew_Click();
    void btScore_Click();
    void Timer_Timer();

    const clsHangmanGame& Game() const { return m_game; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void SetDesignHangman();
    void ShowRecentWord();
    void DrawGallows();
    // The display of a game just begun: full points, the masked word, the clock on.
    void ShowNewGame();
    // The word label's text at the label's size, smaller when it would not fit.
    void setRecentWord(const QString& text);

    clsHangmanGame m_game;
    QLineEdit* m_txtBuchstabe;
    QPushButton* m_btCheck;
    QPushButton* m_btNew;
    QPushButton* m_btScore;
    QLabel* m_lbPoints;
    QLabel* m_lbRecentWord;
    QTimer* m_timer;
    // The colours applied last, when any.
    std::optional<Design> m_design;
    // The parts of miss count 1 to 10, in that order.
    std::vector<std::vector<GallowsPart*>> m_parts;
};
