#pragma once

#include <QByteArray>
#include <QStringView>

#include <string>

// The texts that a PDF file is made of: numbers in the writer's fixed format
// and strings in Windows-1252 (the font's WinAnsiEncoding).
class PdfText {
public:
    // The value rounded to that many decimal places (0 to 3), halves to the even digit,
    // as plain decimal text with "." and no trailing zeros ("595.2", "842",
    // "-0.5"); a value that rounds to zero is "0". Not for infinity or NaN:
    // those are an argument error, never text in a file.
    static QByteArray FormatNum(double value, int digits = 3);
    static void appendNum(std::string& out, double value, int digits = 3);

    // The text as the body of a PDF literal string: in Windows-1252, every "\"
    // doubled, "(" and ")" preceded by "\".
    static QByteArray EscapeString(QStringView text);
    static void appendEscaped(std::string& out, QStringView text);

    // The text in Windows-1252; a character the code page lacks becomes "?".
    static QByteArray toWinAnsi(QStringView text);

    // The Windows-1252 code of one character, or -1 when it has none.
    static int winAnsiCode(char16_t c);

    // Calls f(code) with the Windows-1252 code of each character of the text
    // in turn; a character the code page lacks (a surrogate pair counts as one
    // character) gives the code of "?".
    template <class F>
    static void forEachCode(QStringView text, F&& f)
    {
        const qsizetype n = text.size();
        const QChar* d = text.data();
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = d[i].unicode();
            if (c < 0x80) {
                f(static_cast<unsigned char>(c));
                continue;
            }
            if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(d[i + 1].unicode()))
                ++i;
            const int code = winAnsiCode(c);
            f(static_cast<unsigned char>(code < 0 ? '?' : code));
        }
    }
};
