#pragma once

#include <QString>

// The entries of the new-title page that an online search result fills,
// as texts: the page checks them when the title is saved.
struct OnlineTitleEntries {
    QString filmname;
    QString genres[3];
    QString landJahr;
    QString fsk;
    QString dauer;
    QString regie;
    QString actors[5];
};
