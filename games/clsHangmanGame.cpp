#include "games/clsHangmanGame.h"

#include "data/clsDatentraegerList.h"
#include "games/GameTexts.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/RandomSource.h"
#include "platform/RuntimeError.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// 0 to count - 1 from one random value.
int randomIndex(int count)
{
    const double r = Random::get().next();
    const int i = static_cast<int>(std::floor(r * count));
    return std::clamp(i, 0, count - 1);
}

} // namespace

clsHangmanGame::clsHangmanGame() : m_scores(QStringLiteral("games/hangmanscore.sco")) {}

bool clsHangmanGame::Open()
{
    Random::get().seed(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    // A list that cannot be read or created is reported when a score is saved.
    m_scores.Load();
    LoadOptions();
    LoadTitleList(m_options.DvdListpath());
    m_texts.setLanguage(m_options.Language());
    m_texts.Load(ProgramFolder::path() + u'/' + GameText::file());
    return NewGame();
}

void clsHangmanGame::LoadOptions() { m_options.Load(ProgramFolder::path() + QStringLiteral("/settings.aef")); }

void clsHangmanGame::LoadTitleList(const QString& path)
{
    m_films.clear();
    m_actors.clear();
    m_directors.clear();
    clsDatentraegerList titles;
    try {
        titles.Load(path);
    } catch (const RuntimeError&) {
        return; // half a list is no list: nothing to guess
    }
    for (int i = 1; i <= titles.getListSize(); ++i) {
        const QString film = titles.getDataString(i, clsDatentraegerList::FieldFilmname);
        if (!film.isEmpty())
            m_films << film;
        for (int f = clsDatentraegerList::FieldSchauspieler1; f <= clsDatentraegerList::FieldSchauspieler5; ++f) {
            const QString actor = titles.getDataString(i, f);
            if (!actor.isEmpty())
                m_actors << actor;
        }
        const QString director = titles.getDataString(i, clsDatentraegerList::FieldRegie);
        if (!director.isEmpty())
            m_directors << director;
    }
}

// A film name 1 time in 5, an actor or a director 2 times in 5 each, among
// the kinds that the list holds; then any word of that kind alike.
QString clsHangmanGame::GetRandomWord() const
{
    struct Kind {
        const QStringList* words;
        int weight;
    };
    const Kind kinds[] = {{&m_films, 1}, {&m_actors, 2}, {&m_directors, 2}};
    int total = 0;
    for (const Kind& k : kinds)
        total += k.words->isEmpty() ? 0 : k.weight;
    if (total == 0)
        return QString();
    int x = randomIndex(total);
    for (const Kind& k : kinds) {
        if (k.words->isEmpty())
            continue;
        if (x < k.weight)
            return k.words->at(randomIndex(static_cast<int>(k.words->size())));
        x -= k.weight;
    }
    return QString(); // not reached: x < total
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
    Messages::get().messageBox(m_texts.MultiWord(GameText::NotSaved) + QStringLiteral(":\r\n") + m_scores.Path(),
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
