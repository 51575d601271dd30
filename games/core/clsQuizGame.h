#pragma once

#include "data/clsOptions.h"
#include "data/clsTranslation.h"
#include "games/core/clsHighScore.h"
#include "games/core/clsQuiz.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// Everything the quiz window does but drawing: the settings and texts it
// reads, the questions drawn from the filmography folders, the count of
// questions, the score and the high scores. The window shows what this holds
// and forwards its button clicks; message and input boxes go through the
// message service.
class clsQuizGame {
public:
    static constexpr int kFeedbackMs = 1500;

    // One person's file: the name (the file name less its last four
    // characters) and its non-empty lines, "film in language 0#film in language 1".
    struct Filmography {
        QString person;
        QStringList films;
    };

    clsQuizGame();

    // Opening the window: the settings, the high scores and the game texts,
    // then a new game. False when no question can be asked; the message has
    // then been shown and the window closes.
    bool Open();
    // Count and score 0 and the first question. False as for NextQuestion.
    bool NewGame();
    // Answer button k (1 to 4): checked, then the next question. False when
    // no further question could be asked (the message has been shown; the
    // window closes), or when there was no question to answer.
    bool Answer(int k);
    // "End" button: the name prompt, the entry with the score, the list saved
    // and shown, and a new game. False when the list could not be written
    // (that has been reported too).
    bool EndGame();
    // Closing the window: with answers not yet saved, asks whether to end the
    // game and save it first.
    void Close();
    // Closing the program: the same question with Cancel. Yes ends the game
    // as Close does, or writes a list that could not be written before. False
    // keeps the program open (Cancel, or a list that could not be written).
    bool QueryClose();
    void ShowHighscore() const;

    // Draws the kind of question and asks it: a person with four films or a
    // film with four persons, from the directors' or the actors' folder. A
    // kind whose folder holds no usable file is asked on the other folder;
    // when neither does, the message is shown and the result is False.
    bool NextQuestion();

    bool HasQuestion() const { return m_hasQuestion; }
    QString Question() const { return m_quiz.getRecentQuestion(); }
    // The text of answer button k.
    QString AnswerText(int k) const { return m_quiz.getRecentAnswer(k); }
    // GameText::Right or Wrong after the latest answer; "" before the first.
    QString Feedback() const { return m_feedback; }
    // "Questions: 3 - Points: 1" in the language of the settings.
    QString StatusText() const;
    int QuestionsShown() const { return m_shown; }
    int Score() const { return m_score; }
    bool Saved() const { return m_saved; }

    // The usable files of a folder, in file-name order ignoring case: a name
    // longer than four characters and at least one non-empty line. A missing
    // folder holds none.
    static std::vector<Filmography> ReadFolder(const QString& folder);
    static QString DirectorsFolder();
    static QString ActorsFolder();

    const clsQuiz& Quiz() const { return m_quiz; }
    const clsOptions& Options() const { return m_options; }
    const clsTranslation& Texts() const { return m_texts; }
    const clsHighScore& Scores() const { return m_scores; }

private:
    void AskPersonQuestion(const std::vector<Filmography>& files, const QString& question);
    void AskMovieQuestion(const std::vector<Filmography>& files, const QString& question);
    void CheckAnswer(int k);
    bool Record();
    // Writes the list; false, and the message shown, when it could not be written.
    bool SaveScores();
    QString FilmOf(const Filmography& f) const;

    clsOptions m_options;
    clsQuiz m_quiz;
    clsTranslation m_texts;
    clsHighScore m_scores;
    std::int32_t m_shown = 0;
    std::int16_t m_score = 0;
    bool m_saved = true;
    // The list holds an entry that could not be written.
    bool m_listUnwritten = false;
    bool m_hasQuestion = false;
    QString m_feedback;
};
