#pragma once

#include "data/clsDatentraeger.h"
#include "data/clsDatentraegerList.h"
#include "tests/support/TempProgramFolder.h"

#include <QString>
#include <QStringList>
#include <vector>

// A program folder with the settings and the game texts that the two games
// read when their window opens. The texts are short and tell the languages apart.
inline void writeGameSettings(const TempProgramFolder& folder, int language, const QString& listPath = "lists\\t.adl",
                              const QString& designPath = "designs\\none.asd")
{
    folder.writeLines("settings.aef", {QStringLiteral(" %1 ").arg(language), listPath, "notes.txt", designPath,
                                       " 1000 ", " 760 ", " 640 ", " 480 ", " 900 ", " 600 ", "DVD", "Extras",
                                       "EUR", " 1 ", " 0 "});
    folder.writeLines("languages/english-game.ass",
                      {"1#Regie PERSON#Directed by PERSON", "2#Regie MOVIE#Director of MOVIE", "3#richtig#right",
                       "4#falsch#wrong", "5#Fragen#Questions", "6#Punkte#Points", "7##",
                       "8#Mit PERSON#Starring PERSON", "9#Besetzung MOVIE#Cast of MOVIE", "10#verloren#lost",
                       "11#Deine Punkte#Your points", "12#Name bitte#Name please", "13#Namenstitel#Name title",
                       "14#Neu#New", "15#Ende#End", "16#Speichern?#Save?", "17##", "18#Quiz#Quiz",
                       "19#ohne Punkte#no points", "20#Hangman#Hangman", "21#Bestenliste#Best of",
                       "22#kein Wort#no word", "23#keine Filmografie#no filmography",
                       "24#nicht gespeichert#not saved"});
}

struct TitleNames {
    QString film;
    QStringList actors; // up to five
    QString director;
};

// A list file of titles that carry only names.
inline void writeTitleList(const TempProgramFolder& folder, const std::vector<TitleNames>& titles,
                           const QString& relative = "lists/t.adl")
{
    clsDatentraegerList list;
    for (const TitleNames& t : titles) {
        clsDatentraeger d;
        d.Clear();
        d.SetFilmname(t.film);
        const QString a[5] = {t.actors.value(0), t.actors.value(1), t.actors.value(2), t.actors.value(3),
                              t.actors.value(4)};
        d.SetSchauspieler1(a[0]);
        d.SetSchauspieler2(a[1]);
        d.SetSchauspieler3(a[2]);
        d.SetSchauspieler4(a[3]);
        d.SetSchauspieler5(a[4]);
        d.SetRegie(t.director);
        list.AddDVD(d);
    }
    list.Save(folder.file(relative));
}

// Five directors (one of them written in lower case, to show the order
// ignores case) and three actors.
inline void writeFilmographies(const TempProgramFolder& folder)
{
    folder.writeLines("games/filmographies/directors/Alma Berg.txt", {"Erster#First", "Zweiter#Second"});
    folder.writeLines("games/filmographies/directors/bo Carl.txt", {"Drei#Three"});
    folder.writeLines("games/filmographies/directors/Cy Dunn.txt", {"Vier#Four"});
    folder.writeLines("games/filmographies/directors/Di Eck.txt", {"F\u00FCnf#Five"});
    folder.writeLines("games/filmographies/directors/Ed Falk.txt", {"Sechs#Six"});
    folder.writeLines("games/filmographies/actors/Fay Gold.txt", {"Sieben#Seven"});
    folder.writeLines("games/filmographies/actors/Gus Hale.txt", {"Nur deutsch"});
    folder.writeLines("games/filmographies/actors/Hal Ives.txt", {"Acht#Eight", "Neun#Nine"});
}
