#pragma once

#include "data/clsDatentraegerList.h"
#include "data/clsOptions.h"
#include "data/clsTranslation.h"
#include "games/core/clsHangman.h"
#include "games/core/clsHighScore.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// Everything the Hangman window does but drawing: the settings and texts it
// reads, the words of the title list, the running game with its clock and
// points, and the high scores. The window shows what this holds and forwards
// its button clicks and clock ticks; message and input boxes go through the
// message service.
class clsHangmanGame {
public:
    enum class Outcome { Ignored, Running, Lost, Won };

    static constexpr int kStartPoints = 10000;
    static constexpr int kPointsPerMiss = 500;
    static constexpr int kPointsPerSecond = 10;
    static constexpr int kClockMs = 1000;

    clsHangmanGame();

    // Opening the window: seeds the random source, loads the high scores, the
    // settings, the title list they name and the game texts, and starts a
    // game. False when the list holds nothing to guess; the message has then
    // been shown and the window closes.
    // current: the collection the main window holds, if any. While the list
    // file is the one it last read or wrote, the words are taken from it
    // rather than reading the file again; while the file is the one the
    // words were last taken from, they stay as they are.
    bool Open(const clsDatentraegerList* current = nullptr);
    // The title list whose film names, actors and directors are guessed. A
    // list that cannot be read holds none.
    void LoadTitleList(const QString& path, const clsDatentraegerList* current = nullptr);
    // A new game on a word drawn from the list. When there is none, the
    // message is shown and the result is False.
    bool NewGame();

    // A guess from the letter box: Ignored for an empty box or a game that is
    // over; else the state after the guess.
    Outcome Guess(const QString& text);
    // After a lost or won game: the loss message, or the points with the name
    // prompt and the high-score list; then a new game. False while a game
    // runs, and when no new game could start.
    bool FinishGame();
    // One clock tick: a second more while the game runs.
    void Tick();
    // The high-score list in a message box ("Highscore" button).
    void ShowHighscore() const;

    bool IsRunning() const { return m_state == State::Running; }
    int Seconds() const { return m_seconds; }
    int Misses() const { return m_game.Misses(); }
    // Points of a game won now, and as the points label shows them ("9480 P.").
    int GetPoints() const { return PointsFor(m_game.Misses(), m_seconds); }
    QString PointsText() const;
    // The masked word as the word label shows it.
    QString RecentWordText() const { return m_game.GetRecentWordWithBlanks(); }
    // 10000 less 500 a miss and 10 a second, never below 0.
    static int PointsFor(int misses, int seconds);

    // How many film names, actors and directors of the list are not empty.
    int WordCount() const { return m_wordCount; }

    const clsHangman& Hangman() const { return m_game; }
    const clsHighScore& Scores() const { return m_scores; }
    const clsOptions& Options() const { return m_options; }
    const clsTranslation& Texts() const { return m_texts; }

private:
    // The window's own settings, read again from the program folder.
    void LoadOptions();
    QString GetRandomWord() const;
    void ReportUnsaved() const;
    void takeWords(const clsDatentraegerList& titles);

    clsHangman m_game;
    clsOptions m_options;
    clsHighScore m_scores;
    clsTranslation m_texts;
    // Per title: film name, actors 1 to 5, director. Only these are guessed,
    // and keeping them alone makes opening cheap.
    std::vector<std::array<QString, 7>> m_words;
    int m_wordCount = 0;
    // The list file as it was when the words were taken; none after a failed read.
    std::optional<clsDatentraegerList::FileStamp> m_wordsStamp;
    enum class State { NoWord, Running, Lost, Won };
    State m_state = State::NoWord;
    int m_seconds = 0;
};
