#pragma once

#include <QLabel>
#include <QString>
#include <QTextDocument>

// What a user reads of a text that Qt shows in a label or a tool tip: the
// text itself when it is taken as plain text, else what its markup renders.
// A tool tip is always left to Qt's guess (Qt::AutoText).
inline QString shownText(const QString& text, Qt::TextFormat format = Qt::AutoText)
{
    const bool markup = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
    if (!markup)
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

inline QString shownText(const QLabel* label) { return shownText(label->text(), label->textFormat()); }

// A name that is markup when it is not shown as plain text.
inline const QString kMarkupName = QStringLiteral("Love <b>me</b>  tender & <i>true</i>");
