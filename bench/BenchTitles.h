#pragma once

#include "data/clsDatentraeger.h"

#include <QStringList>
#include <random>

// Title i of a generated benchmark collection: a random name of two words and
// a number, random rating, year, running time and price, a cover in coverFolder.
inline clsDatentraeger benchTitle(std::mt19937& rng, int i, const QString& coverFolder)
{
    static const QStringList words{"Alien", "Brazil", "Casablanca", "Dune", "Eraserhead", "Fargo", "Gattaca", "Heat",
                                   "Inception", "Jaws", "Kagemusha", "Laura", "Metropolis", "Nosferatu", "Oldboy"};
    clsDatentraeger d;
    d.SetFilmname(words[rng() % words.size()] + QStringLiteral(" ") + words[rng() % words.size()] +
                  QStringLiteral(" %1").arg(rng() % 100000));
    d.SetFormat(QStringLiteral("DVD"));
    d.SetBewertung(static_cast<std::uint8_t>(rng() % 6));
    d.SetGenre(QStringLiteral("Drama/Krimi"));
    d.SetLandJahr(QStringLiteral("USA %1").arg(1950 + rng() % 70));
    d.SetFsk(12);
    d.SetLaenge(static_cast<std::int16_t>(80 + rng() % 100));
    d.SetKaufpreis(static_cast<std::int16_t>(rng() % 3000));
    d.SetSchauspieler1(QStringLiteral("Actor %1").arg(rng() % 500));
    d.SetSchauspieler2(QStringLiteral("Actor Two"));
    d.SetRegie(QStringLiteral("Director"));
    d.SetBildpfad(coverFolder + QStringLiteral("/%1.jpg").arg(i));
    return d;
}
