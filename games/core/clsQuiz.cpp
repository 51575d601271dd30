#include "games/core/clsQuiz.h"

#include "data/clsRndFunctions.h"
#include "data/clsStringFunctions.h"
#include "platform/RandomSource.h"

#include <QDateTime>
#include <algorithm>
#include <vector>

clsQuiz::clsQuiz() { Random::get().seed(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch())); }

bool clsQuiz::ChooseRandomQuestion(const QString&)
{
    // Drawn among the non-empty lines, so that the draw ends on any list.
    std::vector<int> lines;
    for (int i = 1; i <= m_questions.getListSize(); ++i) {
        if (!m_questions.getElement(i).isEmpty())
            lines.push_back(i);
    }
    if (lines.empty())
        return false;
    const int pick = std::clamp(clsRndFunctions::RndBetween(1, static_cast<int>(lines.size())), 1,
                                static_cast<int>(lines.size()));
    const QString line = m_questions.getElement(lines[static_cast<size_t>(pick) - 1]);
    const QString sep = QStringLiteral("#");
    m_question = clsStringFunctions::GetStringPartBySeparator(line, 1, sep);
    m_right = clsStringFunctions::GetStringPartBySeparator(line, 2, sep);
    for (int k = 0; k < 4; ++k)
        m_answers[static_cast<size_t>(k)] = clsStringFunctions::GetStringPartBySeparator(line, k + 2, sep);
    MixAnswers();
    return true;
}

void clsQuiz::SetExternQuestion(const QString& question, const QString& right, const QString& wrong1,
                                const QString& wrong2, const QString& wrong3)
{
    m_question = question;
    m_right = right;
    m_answers = {right, wrong1, wrong2, wrong3};
    MixAnswers();
}

QString clsQuiz::getRecentAnswer(int n) const
{
    if (n < 1 || n > 4)
        return QString();
    return m_answers[static_cast<size_t>(n) - 1];
}

void clsQuiz::MixAnswers()
{
    const std::array<QString, 4> old = m_answers;
    int p = std::clamp(clsRndFunctions::RndBetween(1, 4), 1, 4);
    for (int k = 0; k < 4; ++k) {
        m_answers[static_cast<size_t>(k)] = old[static_cast<size_t>(p) - 1];
        p = clsRndFunctions::NextNumber(p, 1, 4);
    }
}
