#pragma once

#include "data/clsTranslation.h"

#include <QFile>
#include <QString>

// The PDF texts of the collection PDF, written into folder and loaded.
inline void loadPdfTexts(const QString& folder, clsTranslation& texts)
{
    const QString language = folder + QStringLiteral("/english-pdf.ass");
    QFile f(language);
    f.open(QIODevice::WriteOnly);
    f.write("1#Titel in der Sammlung#titles in the collection\r\n2#Filmtitel#Film title\r\n3#Sterne#Stars\r\n"
            "4#Genre#Genre\r\n5#Land/Jahr#Country/Year\r\n6#FSK#Age\r\n7#L\xC3\xA4nge#Length\r\n8#Seite#Page\r\n");
    f.close();
    texts.Load(language);
}
