#pragma once

#include "data/clsDatentraeger.h"

#include <QString>
#include <array>
#include <vector>

class clsTranslation;

// Writes the collection as numbered web pages website1.htm, website2.htm, ...
// in the program folder, from the four templates in its "html" folder: the
// page head, the block of one title, one data line of a block and one entry
// of the page menu. Their "###" placeholders are filled in one pass, so a
// value that itself holds "###..." stays as it is; every value is
// HTML-escaped, the templates are written as they are.
class clsHtmlPageCreator {
public:
    static constexpr int kMaxTitles = 9999;

    enum class Outcome {
        Written,
        BadTitlesPerPage,
        BadBackgroundColour,
        BadFontColour,
        TemplateMissing, // file: the template that could not be read
        PageNotWritten,  // file: the page that could not be written
    };
    struct Result {
        Outcome outcome = Outcome::Written;
        QString file;
        // The page that could not be written and why.
        QString error;
        int pagesWritten = 0;

        bool ok() const { return outcome == Outcome::Written; }
        // The export page's status message: 16 done, 24 titles per page,
        // 25 a colour, 27 a template (with the file name), 19 a page.
        int statusMessage() const;
    };

    // Capacity error, nothing added, when 9999 titles are held.
    void AddDVD(const clsDatentraeger& title);
    int getCount() const { return static_cast<int>(m_records.size()); }
    // Colours are six hexadecimal digits ("0000CC"); others make the export refuse.
    void setBGcolor(const QString& text) { m_bgColor = text; }
    void setFontcolor(const QString& text) { m_fontColor = text; }
    void SetCaption(const QString& text) { m_caption = text; }

    // Writes pages of perPage titles (the last one takes the rest). An
    // empty collection is refused as a bad number of titles per page, and
    // nothing is written. Every template is read before the first page is
    // written; a page that cannot be written stops the export and the pages
    // before it stay. Labels come from the caption table, the free field's caption
    // and the currency sign from the settings file. After a full export the
    // pages numbered above the last one are removed.
    Result createHTMLFiles(const clsTranslation& captions, int perPage);

    static QString templatePath(const QString& name);
    static QString pagePath(int page);
    static bool isColour(const QString& text);

private:
    // The record of one title, every value already in its page form (the
    // price without its currency sign).
    struct Record {
        QString filmname;
        QString cover;
        // The data lines' values in their order: rating, format, genres,
        // country and year, age rating, running time, price, director,
        // actors, free field.
        std::array<QString, 10> values;
    };

    QString m_bgColor = QStringLiteral("000000");
    QString m_fontColor = QStringLiteral("FFFFFF");
    QString m_caption = QStringLiteral("Meine Sammlung");
    QString m_pictureWidth = QStringLiteral("300");
    std::vector<Record> m_records;
};
