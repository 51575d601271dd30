#pragma once

#include <QString>
#include <cstdint>

// One game of Hangman: the hidden text, its masked form and the misses.
class clsHangman {
public:
    static constexpr int kMaxMisses = 10;
    // Results of GameStatus.
    static constexpr std::uint8_t kRunning = 0;
    static constexpr std::uint8_t kLost = 1;
    static constexpr std::uint8_t kWon = 2;

    // A new game on word: punctuation and blanks stay visible, every other
    // character is masked with "_".
    void Start(const QString& word);
    // True when text equals the complete word, ignoring case.
    bool CheckWord(const QString& text) const;
    // kLost from the tenth miss on; else kWon once everything is revealed; else kRunning.
    std::uint8_t GameStatus() const;
    // Reveals every position whose character equals c ignoring case, each as
    // written; a miss when none does (a text of more than one character
    // never matches).
    bool GiveChar(const QString& c);
    QString GetCompleteWord() const { return m_completeWord; }
    QString GetRecentWord() const { return m_maskedWord; }
    QString GetHangmanCount() const { return QString::number(m_misses); }
    void IncHangmanCount();
    // The masked word with one blank after every character, the last one included.
    QString GetRecentWordWithBlanks() const;

    int Misses() const { return m_misses; }
    // The characters shown as they are from the start.
    static bool IsVisibleChar(QChar c);

private:
    void ResetState();

    QString m_completeWord;
    QString m_maskedWord;
    std::int16_t m_misses = 0;
};
