#pragma once

#include "data/clsDefaultListFileHandler.h"

#include <QString>
#include <array>

// One multiple-choice question: its text, the four answers in button order
// and the right answer's text.
class clsQuiz {
public:
    // Seeds the random source from the clock.
    clsQuiz();

    // A random non-empty line of the question list, "question#right#wrong#wrong#wrong",
    // becomes the question. False, question unchanged, when the list holds no
    // such line. The argument is not used.
    bool ChooseRandomQuestion(const QString& argument = QString());
    // The right answer goes in as answer 1 and is moved by the rotation.
    void SetExternQuestion(const QString& question, const QString& right, const QString& wrong1,
                           const QString& wrong2, const QString& wrong3);
    QString getRecentQuestion() const { return m_question; }
    // Answer n for n = 1 to 4; "" for any other n.
    QString getRecentAnswer(int n) const;
    QString getRecentRightValue() const { return m_right; }

    // The lines ChooseRandomQuestion draws from.
    clsDefaultListFileHandler& QuestionList() { return m_questions; }

private:
    // Rotates the four answers so that a random one comes first, the order of the others kept.
    void MixAnswers();

    clsDefaultListFileHandler m_questions;
    QString m_question;
    std::array<QString, 4> m_answers;
    QString m_right;
};
