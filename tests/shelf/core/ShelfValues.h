#pragma once

#include "shelf/core/clsRegalCtrl.h"

#include <QStringList>

// The shelf's values as text, the way the tests compare them.
namespace ShelfValues {

inline QStringList names(const clsRegalCtrl& shelf)
{
    QStringList out;
    for (int i = 1; i <= shelf.MovieCount(); ++i)
        out << shelf.GetMovieValue(i, clsRegalCtrl::MovieName);
    return out;
}

// Left, Top, Width, Height and mark of a title.
inline QString movieLine(const clsRegalCtrl& shelf, int i)
{
    QStringList v;
    for (int n = clsRegalCtrl::MovieLeft; n <= clsRegalCtrl::MovieMark; ++n)
        v << shelf.GetMovieValue(i, n);
    return v.join(u' ');
}

} // namespace ShelfValues
