#include "exchange/core/clsHtmlPageCreator.h"

#include "data/MessageTexts.h"
#include "data/ProgramFiles.h"
#include "data/StyleTexts.h"
#include "data/clsOptions.h"
#include "data/clsPathFunctions.h"
#include "data/clsStringFunctions.h"
#include "data/clsTranslation.h"
#include "platform/Numbers.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"
#include "platform/SequentialFile.h"
#include "platform/WholeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
#include <optional>

namespace {

enum Placeholder {
    Filmname,
    Bild,
    Breite,
    Hoehe,
    Span,
    Zusatz,
    ZusLink,
    Ueberschrift,
    Daten,
    Zeile,
    Caption,
    BGcolor,
    Fontcolor,
    Menue,
    Seite,
    kPlaceholders
};

constexpr const char16_t* kNames[kPlaceholders] = {
    u"###Filmname", u"###Bild",    u"###Breite",       u"###Hoehe",   u"###Span",
    u"###Zusatz",   u"###ZusLink", u"###Ueberschrift", u"###Daten",   u"###Zeile",
    u"###Caption",  u"###BGcolor", u"###Fontcolor",    u"###Menue",   u"###Seite",
};

using Scope = std::initializer_list<Placeholder>;
// What each template fills: its own placeholders and those of the page around it.
constexpr Scope kPageScope = {Zeile, Caption, BGcolor, Fontcolor, Menue};
constexpr Scope kBlockScope = {Filmname, Bild,  Breite,  Hoehe,   Span,      Zusatz,
                               ZusLink,  Zeile, Caption, BGcolor, Fontcolor, Menue};
constexpr Scope kLineScope = {Ueberschrift, Daten, Span, Zusatz, ZusLink, Zeile, Caption, BGcolor, Fontcolor, Menue};
constexpr Scope kMenuScope = {Seite};

// A template cut once into literal text and the placeholders it fills.
class Template {
public:
    Template(const QString& text, Scope scope)
    {
        qsizetype literalFrom = 0;
        qsizetype at = text.indexOf(u"###");
        while (at >= 0) {
            const std::optional<Placeholder> found = match(text, at, scope);
            if (!found) {
                at = text.indexOf(u"###", at + 1);
                continue;
            }
            m_parts.push_back({text.mid(literalFrom, at - literalFrom), *found});
            literalFrom = at + QStringView(kNames[*found]).size();
            at = text.indexOf(u"###", literalFrom);
        }
        m_tail = text.mid(literalFrom);
    }

    void appendTo(QString& out, const std::array<QString, kPlaceholders>& values) const
    {
        for (const Part& p : m_parts) {
            out += p.literal;
            out += values[p.placeholder];
        }
        out += m_tail;
    }

private:
    static std::optional<Placeholder> match(const QString& text, qsizetype at, Scope scope)
    {
        // The longest name wins, should one name ever begin another.
        std::optional<Placeholder> best;
        for (Placeholder p : scope) {
            const QStringView name(kNames[p]);
            if (QStringView(text).mid(at).startsWith(name) &&
                (!best || name.size() > QStringView(kNames[*best]).size()))
                best = p;
        }
        return best;
    }

    struct Part {
        QString literal;
        Placeholder placeholder;
    };
    std::vector<Part> m_parts;
    QString m_tail;
};

QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&': out += u"&amp;"; break;
        case u'<': out += u"&lt;"; break;
        case u'>': out += u"&gt;"; break;
        case u'"': out += u"&quot;"; break;
        case u'\'': out += u"&#39;"; break;
        // Control characters are not allowed in a page.
        default: out += c.category() == QChar::Other_Control ? QChar(u' ') : c;
        }
    }
    return out;
}

// The cover as an address relative to the pages, which lie in the program folder.
QString coverAddress(const QString& path)
{
    QString relative = path;
    clsPathFunctions::ChangeIntoRelativePathIfFull(relative);
    return escaped(QString::fromLatin1(QUrl::toPercentEncoding(relative, "/")));
}

// Every line of the file followed by CR LF; nothing when it cannot be read.
std::optional<QString> readTemplateFile(const QString& path)
{
    try {
        SequentialFile file(path, SequentialFile::Mode::Input);
        QString text;
        while (!file.eof())
            text += file.readLine() + QStringLiteral("\r\n");
        return text;
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

using Values = std::array<QString, kPlaceholders>;

// The price's place among a record's values: it takes the currency sign.
constexpr size_t kPriceValue = 6;

// The page menu: one entry a page.
QString createMenu(int pages, const Template& menuEntry, Values& values)
{
    QString menu;
    for (int p = 1; p <= pages; ++p) {
        values[Seite] = QString::number(p);
        menuEntry.appendTo(menu, values);
    }
    return menu;
}

// The block of one title, then a line for every value that is not empty;
// the block's row span counts those lines.
void createDVDEntry(QString& page, const QString& filmname, const QString& cover,
                    const std::array<QString, 10>& data, const std::array<QString, 10>& labels,
                    const QString& currency, const Template& block, const Template& line, Values& values)
{
    int lines = 1;
    for (const QString& v : data)
        lines += v.isEmpty() ? 0 : 1;
    values[Filmname] = filmname;
    values[Bild] = cover;
    values[Span] = QString::number(lines);
    block.appendTo(page, values);
    page += QStringLiteral("\r\n");
    for (size_t k = 0; k < data.size(); ++k) {
        if (data[k].isEmpty())
            continue;
        values[Ueberschrift] = labels[k];
        values[Daten] = k == kPriceValue ? data[k] + currency : data[k];
        page += QStringLiteral("\r\n");
        line.appendTo(page, values);
    }
}

// Pages are made again from the collection at any time: each replaces the
// old one whole, but is not waited for on the disk. The file ends with the
// page and one CR LF.
void writeHtmlFile(const QString& path, const QByteArray& page, WholeFileWriter::Series& series)
{
    WholeFileWriter writer(path, series);
    writer.write(page);
    writer.write("\r\n", 2);
    writer.commit();
}

// Pages of an earlier, longer export would stay reachable by their names.
void removePagesAbove(int pages)
{
    static const QRegularExpression kPageName(QStringLiteral("^website([1-9][0-9]*)\\.htm$"));
    const QDir folder(ProgramFolder::path());
    for (const QString& name : folder.entryList({QStringLiteral("website*.htm")}, QDir::Files)) {
        const QRegularExpressionMatch m = kPageName.match(name);
        if (!m.hasMatch())
            continue;
        bool fits = false;
        const qulonglong number = m.captured(1).toULongLong(&fits);
        // A number too long to read is above any page written.
        if (!fits || number > static_cast<qulonglong>(pages))
            QFile::remove(folder.filePath(name)); // best effort: the new site does not link it
    }
}

} // namespace

int clsHtmlPageCreator::Result::statusMessage() const
{
    switch (outcome) {
    case Outcome::Written: return MessageText::ExportFinished;
    case Outcome::BadTitlesPerPage: return MessageText::InvalidNumberOrNotSaved;
    case Outcome::BadBackgroundColour:
    case Outcome::BadFontColour: return MessageText::InvalidValue;
    case Outcome::TemplateMissing: return MessageText::FileUnusable;
    case Outcome::PageNotWritten: return MessageText::Failed;
    }
    return MessageText::Failed;
}

QString clsHtmlPageCreator::templatePath(const QString& name)
{
    return ProgramFiles::html() + u'/' + name;
}

QString clsHtmlPageCreator::pagePath(int page)
{
    return ProgramFiles::webPage(page);
}

bool clsHtmlPageCreator::isColour(const QString& text)
{
    static const QString kDigits = QStringLiteral("0123456789abcdefABCDEF");
    return text.size() == 6 && std::all_of(text.begin(), text.end(), [](QChar c) { return kDigits.contains(c); });
}

void clsHtmlPageCreator::AddDVD(const clsDatentraeger& title)
{
    if (getCount() >= kMaxTitles)
        throw RuntimeError(ErrorKind::Capacity, QStringLiteral("more than %1 titles").arg(kMaxTitles));
    Record r;
    r.filmname = escaped(title.GetFilmname());
    r.cover = coverAddress(title.GetBildpfad());
    r.values = {
        QString::number(title.GetBewertung()), escaped(title.GetFormat()),    escaped(title.GetGenre()),
        escaped(title.GetLandJahr()),          QString::number(title.GetFsk()), QString::number(title.GetLaenge()),
        escaped(clsStringFunctions::PriceText(title.GetKaufpreis())), escaped(title.GetRegie()),     escaped(title.GetSchauspielerAll()),
        escaped(title.GetSonstiges()),
    };
    m_records.push_back(std::move(r));
}

clsHtmlPageCreator::Result clsHtmlPageCreator::createHTMLFiles(const clsTranslation& captions, int perPage)
{
    Result result;
    // No number of titles per page fits an empty collection.
    if (perPage < 1 || m_records.empty()) {
        result.outcome = Outcome::BadTitlesPerPage;
        return result;
    }
    if (!isColour(m_bgColor)) {
        result.outcome = Outcome::BadBackgroundColour;
        return result;
    }
    if (!isColour(m_fontColor)) {
        result.outcome = Outcome::BadFontColour;
        return result;
    }

    // Every template first: a missing one must not leave half a site behind.
    const QString names[] = {QStringLiteral("htmlvorn.ahp"), QStringLiteral("htmldvdeintrag.ahp"),
                             QStringLiteral("htmlzeile.ahp"), QStringLiteral("htmlmenue.ahp")};
    QString texts[4];
    for (int i = 0; i < 4; ++i) {
        std::optional<QString> text = readTemplateFile(templatePath(names[i]));
        if (!text) {
            result.outcome = Outcome::TemplateMissing;
            result.file = templatePath(names[i]);
            return result;
        }
        texts[i] = std::move(*text);
    }
    const Template head(texts[0], kPageScope);
    const Template block(texts[1], kBlockScope);
    const Template line(texts[2], kLineScope);
    const Template menuEntry(texts[3], kMenuScope);

    clsOptions settings;
    settings.Load(ProgramFiles::settings());
    std::array<QString, 10> labels;
    const int labelCaptions[] = {StyleText::Rating,      StyleText::Format,    StyleText::Genre,
                                 StyleText::CountryYear, StyleText::AgeRating, StyleText::RunningTime,
                                 StyleText::Price,       StyleText::Director,  StyleText::Actor};
    for (size_t k = 0; k < 9; ++k)
        labels[k] = escaped(captions.MultiWord(labelCaptions[k]) + u':');
    labels[9] = escaped(settings.OwnLabelCaption() + u':');
    const QString currency = escaped(u' ' + settings.CurrencyChar());

    const int count = getCount();
    // Rounded up without count + perPage, which any perPage may overflow.
    const int pages = (count - 1) / perPage + 1;

    Values values;
    values[Menue] = createMenu(pages, menuEntry, values);
    values[Zeile] = QString();
    values[Caption] = escaped(m_caption);
    values[BGcolor] = m_bgColor;
    values[Fontcolor] = m_fontColor;
    values[Breite] = m_pictureWidth;
    values[Hoehe] = Numbers::toText(Numbers::intFloor(Numbers::parse(m_pictureWidth) * 2 / 3));
    values[Zusatz] = QString();
    values[ZusLink] = QString();

    // Every page begins alike (the menu is most of its bytes): made and
    // encoded once.
    QString text;
    head.appendTo(text, values);
    const QByteArray pageHead = text.toUtf8();
    const QByteArray pageTail = QByteArrayLiteral("</table>\r\n</body>\r\n</html>");
    QByteArray page;
    WholeFileWriter::Series series;
    for (int p = 1; p <= pages; ++p) {
        text.resize(0); // keeps the room for the next page
        for (int i = (p - 1) * perPage; i < std::min(count, p * perPage); ++i) {
            const Record& r = m_records[static_cast<size_t>(i)];
            createDVDEntry(text, r.filmname, r.cover, r.values, labels, currency, block, line, values);
        }
        page.resize(0);
        page.append(pageHead).append(text.toUtf8()).append(pageTail);
        try {
            writeHtmlFile(pagePath(p), page, series);
        } catch (const RuntimeError& e) {
            result.outcome = Outcome::PageNotWritten;
            result.file = pagePath(p);
            result.error = e.detail();
            return result;
        }
        result.pagesWritten = p;
    }
    removePagesAbove(pages);
    return result;
}
