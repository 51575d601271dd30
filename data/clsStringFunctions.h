#pragma once

#include <QString>

// Parts of separated lines, padding, insertion, searching (ignoring case)
// and the year in a text. Positions count from 1.
class clsStringFunctions {
public:
    // The k-th part of text split at sep (k below 1: the whole text); "" for a missing part.
    static QString GetStringPartBySeparator(const QString& text, int k, const QString& sep);
    // Pads with fill in front or behind up to length; the caller's text changes too.
    static QString SetStringToLength(QString& text, int length, bool atFront, const QString& fill);
    // ch inserted before position pos, for 1 <= pos < Len(text).
    static QString SetCharIntoString(const QString& text, const QString& ch, int pos);
    // A price kept in hundredths as the title view shows it: "19.99", ".05", "0".
    static QString PriceText(int hundredths);
    static bool IsInString(const QString& text, const QString& find);
    // From startMark up to (not including) endMark, then skipFront/skipEnd
    // trimmed. "" when startMark is absent; argument error when endMark is.
    static QString GetElementFromText(const QString& text, const QString& startMark, const QString& endMark,
                                      int skipFront, int skipEnd, int start);
    static int GetElementPosInString(const QString& text, const QString& find, int start);
    // A text longer than maxLen becomes "[...]" and its last maxLen - 4 characters.
    static QString TrimFirstChars(const QString& text, int maxLen);
    // The first run of digits as a year 1901..2099 ("05" counts as 2005); else 0.
    static int GetYearInString(const QString& text);
};
