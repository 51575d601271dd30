#include "games/core/clsQuizGame.h"

#include "data/ProgramFiles.h"
#include "data/clsDefaultListFileHandler.h"
#include "data/clsRndFunctions.h"
#include "data/clsStringFunctions.h"
#include "games/core/GameTexts.h"
#include "platform/MessageService.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <algorithm>
#include <array>
#include <limits>

namespace {

// RndBetween kept inside lo..hi whatever the random source returns.
int between(int lo, int hi) { return std::clamp(clsRndFunctions::RndBetween(lo, hi), lo, hi); }

// Four neighbours in file order from a random one, wrapping from the last
// file to the first; with fewer than four files some repeat.
std::array<int, 4> fourPersons(int n)
{
    std::array<int, 4> i{};
    i[0] = between(0, n - 1);
    for (size_t k = 1; k < 4; ++k)
        i[k] = clsRndFunctions::NextNumber(i[k - 1], 0, n - 1);
    return i;
}

} // namespace

clsQuizGame::clsQuizGame() : m_scores(QStringLiteral("games/quizscore.sco")) {}

QString clsQuizGame::DirectorsFolder() { return ProgramFiles::directorFilmographies(); }

QString clsQuizGame::ActorsFolder() { return ProgramFiles::actorFilmographies(); }

bool clsQuizGame::Open()
{
    m_options.Load(ProgramFiles::settings());
    // A list that cannot be read or created is reported when a score is saved.
    m_scores.Load();
    m_texts.setLanguage(m_options.Language());
    m_texts.Load(ProgramFiles::gameTexts());
    return NewGame();
}

bool clsQuizGame::NewGame()
{
    m_shown = 0;
    m_score = 0;
    const bool asked = NextQuestion();
    m_saved = true;
    return asked;
}

std::vector<clsQuizGame::Filmography> clsQuizGame::ReadFolder(const QString& folder)
{
    std::vector<Filmography> out;
    const QFileInfoList files =
        QDir(folder).entryInfoList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : files) {
        const QString name = info.fileName();
        if (name.size() <= 4)
            continue;
        clsDefaultListFileHandler lines;
        try {
            lines.Load(info.filePath(), false, true);
        } catch (const RuntimeError&) {
            continue;
        }
        Filmography f{name.left(name.size() - 4), {}};
        for (int i = 1; i <= lines.getListSize(); ++i) {
            const QString line = lines.getElement(i);
            if (!line.isEmpty())
                f.films << line;
        }
        if (!f.films.isEmpty())
            out.push_back(std::move(f));
    }
    return out;
}

bool clsQuizGame::NextQuestion()
{
    int kind = between(2, 5);
    // 2 and 3 ask about directors, 4 and 5 the same about actors.
    std::vector<Filmography> files = ReadFolder(kind <= 3 ? DirectorsFolder() : ActorsFolder());
    if (files.empty()) {
        kind = kind <= 3 ? kind + 2 : kind - 2;
        files = ReadFolder(kind <= 3 ? DirectorsFolder() : ActorsFolder());
    }
    if (files.empty()) {
        m_hasQuestion = false;
        Messages::get().messageBox(m_texts.MultiWord(GameText::NoFilmography), MsgButtons::Ok,
                                   m_texts.MultiWord(GameText::QuizTitle));
        return false;
    }
    switch (kind) {
    case 2: AskPersonQuestion(files, m_texts.MultiWord(GameText::DirectorPersonQuestion) + u'?'); break;
    case 3: AskMovieQuestion(files, m_texts.MultiWord(GameText::DirectorMovieQuestion) + u'?'); break;
    case 4: AskPersonQuestion(files, m_texts.MultiWord(GameText::ActorPersonQuestion) + u'?'); break;
    default: AskMovieQuestion(files, m_texts.MultiWord(GameText::ActorMovieQuestion) + u'?'); break;
    }
    m_hasQuestion = true;
    if (m_shown < std::numeric_limits<std::int32_t>::max())
        ++m_shown;
    return true;
}

// A film line of a drawn person, in the language of the settings (a part
// that is missing gives "").
QString clsQuizGame::FilmOf(const Filmography& f) const
{
    const int line = between(1, static_cast<int>(f.films.size()));
    return clsStringFunctions::GetStringPartBySeparator(f.films.at(line - 1), m_options.Language() == 0 ? 1 : 2,
                                                        QStringLiteral("#"));
}

void clsQuizGame::AskPersonQuestion(const std::vector<Filmography>& files, const QString& question)
{
    const std::array<int, 4> i = fourPersons(static_cast<int>(files.size()));
    std::array<QString, 4> films;
    for (size_t k = 0; k < 4; ++k)
        films[k] = FilmOf(files[static_cast<size_t>(i[k])]);
    QString text = question;
    text.replace(QStringLiteral("PERSON"), files[static_cast<size_t>(i[0])].person);
    m_quiz.SetExternQuestion(text, films[0], films[1], films[2], films[3]);
}

void clsQuizGame::AskMovieQuestion(const std::vector<Filmography>& files, const QString& question)
{
    const std::array<int, 4> i = fourPersons(static_cast<int>(files.size()));
    QString text = question;
    text.replace(QStringLiteral("MOVIE"), FilmOf(files[static_cast<size_t>(i[0])]));
    const auto person = [&](size_t k) { return files[static_cast<size_t>(i[k])].person; };
    m_quiz.SetExternQuestion(text, person(0), person(1), person(2), person(3));
}

void clsQuizGame::CheckAnswer(int k)
{
    // Any answer whose text is the right one counts, also a repeated one.
    if (m_quiz.getRecentAnswer(k) == m_quiz.getRecentRightValue()) {
        if (m_score < std::numeric_limits<std::int16_t>::max())
            ++m_score;
        m_feedback = m_texts.MultiWord(GameText::Right);
    } else {
        if (m_score > 0)
            --m_score;
        m_feedback = m_texts.MultiWord(GameText::Wrong);
    }
}

bool clsQuizGame::Answer(int k)
{
    if (!m_hasQuestion)
        return false;
    CheckAnswer(k);
    const bool asked = NextQuestion();
    m_saved = false;
    return asked;
}

bool clsQuizGame::Record()
{
    const QString prompt = m_texts.MultiWord(GameText::NamePrompt) + QStringLiteral(": ") + QString::number(m_score) +
                           QStringLiteral("\r\n") + m_texts.MultiWord(GameText::NamePromptLine2);
    const QString name = clsHighScore::AskName(prompt, m_texts.MultiWord(GameText::NameTitle));
    m_scores.Add(name, m_shown, m_score);
    const bool saved = SaveScores();
    m_saved = true;
    ShowHighscore();
    return saved;
}

bool clsQuizGame::SaveScores()
{
    m_listUnwritten = !m_scores.Save();
    if (m_listUnwritten) {
        Messages::get().messageBox(m_texts.MultiWord(GameText::NotSaved) + QStringLiteral(":\r\n") + m_scores.Path() +
                                       QStringLiteral("\r\n(") + m_scores.failure() + u')',
                                   MsgButtons::Ok, m_texts.MultiWord(GameText::QuizTitle));
    }
    return !m_listUnwritten;
}

bool clsQuizGame::EndGame()
{
    const bool saved = Record();
    NewGame();
    return saved;
}

void clsQuizGame::Close()
{
    if (m_saved)
        return;
    const MsgAnswer a = Messages::get().messageBox(m_texts.MultiWord(GameText::UnsavedQuestion), MsgButtons::YesNo,
                                                   m_texts.MultiWord(GameText::QuizTitle));
    // The window closes: a new game would never be seen.
    if (a == MsgAnswer::Yes)
        Record();
}

bool clsQuizGame::QueryClose()
{
    if (m_saved && !m_listUnwritten)
        return true;
    switch (Messages::get().messageBox(m_texts.MultiWord(GameText::UnsavedQuestion), MsgButtons::YesNoCancel,
                                       m_texts.MultiWord(GameText::QuizTitle))) {
    case MsgAnswer::Yes: return m_saved ? SaveScores() : Record();
    case MsgAnswer::No: return true;
    default: return false;
    }
}

void clsQuizGame::ShowHighscore() const { m_scores.Show(QStringLiteral("Quiz-Highscore")); }

QString clsQuizGame::StatusText() const
{
    return m_texts.MultiWord(GameText::QuestionsLabel) + QStringLiteral(": ") + QString::number(m_shown) +
           QStringLiteral(" - ") + m_texts.MultiWord(GameText::ScoreLabel) + QStringLiteral(": ") +
           QString::number(m_score);
}
