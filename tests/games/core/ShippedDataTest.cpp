#include "data/clsStringFunctions.h"
#include "data/clsTranslation.h"
#include "games/core/GameTexts.h"
#include "games/core/clsQuizGame.h"
#include "tests/games/core/GameFixture.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kResources = QStringLiteral(QUORDVD_RESOURCES);

QByteArray shipped(const QString& relative)
{
    QFile f(kResources + u'/' + relative);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The shipped games folder copied into a program folder, as the first start does.
void copyShippedGames(const TempProgramFolder& folder)
{
    QDirIterator it(kResources + "/games", QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = it.next().mid(kResources.size() + 1);
        folder.write(relative, shipped(relative));
    }
}

TEST(ShippedGames, EveryFilmographyLineNamesAFilmInBothLanguages)
{
    TempProgramFolder folder;
    copyShippedGames(folder);
    for (const QString& dir : {clsQuizGame::DirectorsFolder(), clsQuizGame::ActorsFolder()}) {
        const QStringList names = QDir(dir).entryList(QDir::Files);
        const auto files = clsQuizGame::ReadFolder(dir);
        // Every file is usable, and there are enough for four different persons.
        EXPECT_EQ(static_cast<int>(files.size()), names.size()) << dir.toStdString();
        EXPECT_GE(files.size(), 4u) << dir.toStdString();
        for (const auto& f : files) {
            EXPECT_GE(f.films.size(), 4) << f.person.toStdString();
            for (const QString& line : f.films) {
                EXPECT_EQ(line.count(u'#'), 1) << line.toStdString();
                EXPECT_FALSE(clsStringFunctions::GetStringPartBySeparator(line, 1, "#").isEmpty());
                EXPECT_FALSE(clsStringFunctions::GetStringPartBySeparator(line, 2, "#").isEmpty());
            }
        }
    }
}

TEST(ShippedGames, EveryKindOfQuestionCanBeAskedInBothLanguages)
{
    TempProgramFolder folder;
    copyShippedGames(folder);
    for (int language : {0, 1}) {
        writeGameSettings(folder, language);
        folder.write("languages/english-game.ass", shipped("languages/english-game.ass"));
        // Kinds 2 to 5, each with a different first person.
        for (double r : {0.0, 0.3, 0.6, 0.9}) {
            ScriptedRandom random{r};
            clsQuizGame game;
            ASSERT_TRUE(game.Open());
            const QString q = game.Question();
            EXPECT_TRUE(q.endsWith("?")) << q.toStdString();
            EXPECT_FALSE(q.contains("PERSON") || q.contains("MOVIE")) << q.toStdString();
            QStringList answers;
            for (int k = 1; k <= 4; ++k)
                answers << game.AnswerText(k);
            answers.removeDuplicates();
            EXPECT_EQ(answers.size(), 4) << q.toStdString();
            EXPECT_TRUE(answers.contains(game.Quiz().getRecentRightValue()));
        }
    }
}

TEST(ShippedGames, GameTextsHaveBothLanguages)
{
    TempProgramFolder folder;
    folder.write("game.ass", shipped("languages/english-game.ass"));
    for (int language : {0, 1}) {
        clsTranslation texts;
        texts.setLanguage(language);
        texts.Load(folder.file("game.ass"));
        for (int k = 1; k <= GameText::NotSaved; ++k) {
            if (k == 7 || k == 17)
                continue; // not used
            EXPECT_FALSE(texts.MultiWord(k).isEmpty()) << language << " " << k;
        }
        for (int k : {GameText::DirectorPersonQuestion, GameText::ActorPersonQuestion})
            EXPECT_TRUE(texts.MultiWord(k).contains("PERSON")) << language << " " << k;
        for (int k : {GameText::DirectorMovieQuestion, GameText::ActorMovieQuestion})
            EXPECT_TRUE(texts.MultiWord(k).contains("MOVIE")) << language << " " << k;
    }
}

} // namespace
