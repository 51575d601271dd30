#pragma once

#include <QString>

// Names and other texts of the user or the title service are shown as typed:
// "Love <b>me</b> tender" must not come out with a bold "me". Labels showing
// them take Qt::PlainText; tool tips go through toolTip().
class PlainText {
public:
    // A tool tip is read as markup whenever it looks like markup, so the text
    // goes in escaped, inside markup that keeps its blanks and line breaks
    // and, like a plain tip, does not wrap it.
    // An empty text stays empty: no tip.
    static QString toolTip(const QString& text);
};
