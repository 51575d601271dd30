#include "games/core/clsHangmanGame.h"

#include "data/ProgramFiles.h"
#include "data/clsRndFunctions.h"
#include "games/core/GameTexts.h"
#include "platform/MessageService.h"
#include "platform/RandomSource.h"
#include "platform/RuntimeError.h"

#include <QDateTime>
#include <algorithm>
#include <limits>

clsHangmanGame::clsHangmanGame() : m_scores(QStringLiteral("games/hangmanscore.sco")) {}

bool clsHangmanGame::Open(const clsDatentraegerList* current)
{
    Random::get().seed(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    // A list that cannot be read or created is reported when a score is saved.
    m_scores.Load();
    // A window kept between openings starts each one as a new window would
    // (the texts' loading replaces every entry).
    m_options = clsOptions();
    LoadOptions();
    LoadTitleList(m_options.DvdListpath(), current);
    m_texts.setLanguage(m_options.Language());
    m_texts.Load(ProgramFiles::gameTexts());
    return NewGame();
}

void clsHangmanGame::LoadOptions() { m_options.Load(ProgramFiles::settings()); }

void clsHangmanGame::LoadTitleList(const QString& path, const clsDatentraegerList* current)
{
    // The words of the file as it still is are those already held.
    if (m_wordsStamp && m_wordsStamp == clsDatentraegerList::stampOf(path))
        return;
    m_words.clear();
    m_wordCount = 0;
    m_wordsStamp.reset();
    if (current && current->isFileUnchanged(path)) {
        takeWords(*current);
        return;
    }
    clsDatentraegerList titles;
    try {
        titles.Load(path);
    } catch (const RuntimeError&) {
        return; // half a list is no list: nothing to guess
    }
    takeWords(titles);
}

void clsHangmanGame::takeWords(const clsDatentraegerList& titles)
{
    const int n = titles.getListSize();
    m_words.reserve(static_cast<size_t>(n));
    // Each title's words are copied straight into place, once.
    for (int i = 1; i <= n; ++i) {
        const clsDatentraeger& t = titles.titleAt(i);
        const auto& words = m_words.emplace_back(std::array<QString, 7>{
            t.GetFilmname(), t.GetSchauspieler1(), t.GetSchauspieler2(), t.GetSchauspieler3(), t.GetSchauspieler4(),
            t.GetSchauspieler5(), t.GetRegie()});
        for (const QString& word : words)
            if (!word.isEmpty())
                ++m_wordCount;
    }
    m_wordsStamp = titles.fileStamp();
}

// Index, kind and actor are drawn on every pass, whatever the kind; the
// rounded end values come up half as often, so a pass asks for a film name
// 1 time in 6 and for an actor or the director 1 time in 3 each.
QString clsHangmanGame::GetRandomWord() const
{
    if (m_wordCount == 0)
        return QString(); // the draw below would never end
    const int n = static_cast<int>(m_words.size());
    QString word;
    while (word.isEmpty()) {
        const int index = clsRndFunctions::RndBetween(1, n + 1); // n + 1: past the last title
        const int kind = clsRndFunctions::RndBetween(1, 4);
        const int actor = clsRndFunctions::RndBetween(1, 6);
        if (index > n)
            continue;
        const auto& words = m_words[static_cast<size_t>(index - 1)];
        if (kind == 1)
            word = words[0];
        else if (kind == 2 && actor <= 5)
            word = words[static_cast<size_t>(actor)];
        else if (kind == 3)
            word = words[6];
    }
    return word;
}

bool clsHangmanGame::NewGame()
{
    const QString word = GetRandomWord();
    m_seconds = 0;
    if (word.isEmpty()) {
        m_game.Start(QString());
        m_state = State::NoWord;
        Messages::get().messageBox(m_texts.MultiWord(GameText::NoWord), MsgButtons::Ok,
                                   m_texts.MultiWord(GameText::HangmanTitle));
        return false;
    }
    m_game.Start(word);
    m_state = State::Running;
    return true;
}

clsHangmanGame::Outcome clsHangmanGame::Guess(const QString& text)
{
    if (text.isEmpty() || m_state != State::Running)
        return Outcome::Ignored;
    m_game.GiveChar(text);
    switch (m_game.GameStatus()) {
    case clsHangman::kLost:
        m_state = State::Lost;
        return Outcome::Lost;
    case clsHangman::kWon:
        m_state = State::Won; // the clock stops: the points stay those of the winning guess
        return Outcome::Won;
    default:
        return Outcome::Running;
    }
}

bool clsHangmanGame::FinishGame()
{
    if (m_state == State::Running || m_state == State::NoWord)
        return false;
    if (m_state == State::Lost) {
        Messages::get().messageBox(m_texts.MultiWord(GameText::Lost) + QStringLiteral(":\r\n") + m_game.GetCompleteWord(),
                                   MsgButtons::Ok);
    } else {
        const int points = GetPoints();
        if (points < 1) {
            Messages::get().messageBox(m_texts.MultiWord(GameText::NoPoints), MsgButtons::Ok,
                                       m_texts.MultiWord(GameText::HangmanTitle));
        } else {
            const QString prompt = m_texts.MultiWord(GameText::NamePrompt) + QStringLiteral(": ") +
                                   QString::number(points) + QStringLiteral("\r\n") +
                                   m_texts.MultiWord(GameText::NamePromptLine2);
            const QString name = clsHighScore::AskName(prompt, m_texts.MultiWord(GameText::NameTitle));
            m_scores.Add(name, static_cast<int>(m_game.GetCompleteWord().size()), static_cast<std::int16_t>(points));
        }
        if (!m_scores.Save())
            ReportUnsaved();
        m_scores.Show(m_texts.MultiWord(GameText::HangmanHighscoreTitle));
    }
    return NewGame();
}

void clsHangmanGame::ReportUnsaved() const
{
    Messages::get().messageBox(m_texts.MultiWord(GameText::NotSaved) + QStringLiteral(":\r\n") + m_scores.Path() +
                                       QStringLiteral("\r\n(") + m_scores.failure() + u')',
                               MsgButtons::Ok, m_texts.MultiWord(GameText::HangmanTitle));
}

void clsHangmanGame::Tick()
{
    if (m_state == State::Running && m_seconds < std::numeric_limits<int>::max())
        ++m_seconds;
}

void clsHangmanGame::ShowHighscore() const { m_scores.Show(QStringLiteral("HangMan-Highscore")); }

QString clsHangmanGame::PointsText() const { return QString::number(GetPoints()) + QStringLiteral(" P."); }

int clsHangmanGame::PointsFor(int misses, int seconds)
{
    const long long p = kStartPoints - static_cast<long long>(kPointsPerMiss) * misses -
                        static_cast<long long>(kPointsPerSecond) * seconds;
    return p < 0 ? 0 : static_cast<int>(std::min<long long>(p, std::numeric_limits<int>::max()));
}
