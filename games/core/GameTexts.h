#pragma once

#include <QString>

// Numbers of the texts in the games' language file, shared by both games and
// their windows.
namespace GameText {

enum : int {
    DirectorPersonQuestion = 1, // "PERSON" stands for the director
    DirectorMovieQuestion = 2,  // "MOVIE" stands for the film
    Right = 3,
    Wrong = 4,
    QuestionsLabel = 5,
    ScoreLabel = 6,
    ActorPersonQuestion = 8,
    ActorMovieQuestion = 9,
    Lost = 10,
    NamePrompt = 11,     // followed by ": " and the points
    NamePromptLine2 = 12,
    NameTitle = 13,
    NewGameCaption = 14,
    EndCaption = 15,
    UnsavedQuestion = 16,
    QuizTitle = 18,      // title of that question and of the quiz's other messages
    NoPoints = 19,
    HangmanTitle = 20,   // title of the 0-point message and of the Hangman's other messages
    HangmanHighscoreTitle = 21,
    NoWord = 22,
    NoFilmography = 23,
    NotSaved = 24,       // followed by ":", a line break and the file
};

} // namespace GameText
