// Fonts: standard Type 1 names, TrueType fonts with built-in metrics, text width.
#include "pdf/clsPDFCreator.h"

#include "pdf/PdfFontWidths.h"
#include "pdf/PdfText.h"
#include "platform/RuntimeError.h"

#include <limits>

namespace {

struct Descriptor {
    int flags;
    int bbox[4];
    int missingWidth;
    int stem; // StemV and StemH
    int italicAngle;
    int capHeight;
    int xHeight;
    int ascent;
    int descent;
    int leading;
    int maxWidth;
    int avgWidth;
};

// Styles regular, bold, italic, bold italic.
constexpr Descriptor kCourierNew[4] = {
    {34, {-250, -300, 720, 1000}, 600, 109, 0, 833, 417, 833, -300, 133, 600, 600},
    {16418, {-250, -300, 720, 1000}, 600, 191, 0, 833, 417, 833, -300, 133, 600, 600},
    {98, {-250, -300, 720, 1000}, 600, 109, -11, 833, 417, 833, -300, 133, 600, 600},
    {16482, {-250, -300, 720, 1000}, 600, 191, -11, 833, 417, 833, -300, 133, 600, 600},
};
constexpr Descriptor kTimesNewRoman[4] = {
    {34, {-250, -216, 1200, 1000}, 333, 73, 0, 891, 446, 891, -216, 149, 1000, 401},
    {16418, {-250, -216, 1201, 1000}, 333, 136, 0, 891, 446, 891, -216, 149, 1001, 401},
    {98, {-250, -216, 1200, 1000}, 333, 73, -11, 891, 446, 891, -216, 149, 1000, 402},
    {16482, {-250, -216, 1200, 1000}, 333, 131, -11, 891, 446, 891, -216, 149, 1000, 412},
};
constexpr Descriptor kSymbol[4] = {
    {6, {-250, -220, 1246, 1005}, 332, 109, 0, 1005, 503, 1005, -220, 225, 1038, 601},
    {16390, {-250, -220, 1246, 1005}, 332, 191, 0, 1005, 503, 1005, -220, 225, 1038, 600},
    {70, {-250, -220, 1246, 1005}, 332, 109, -11, 1005, 503, 1005, -220, 225, 1038, 600},
    {16454, {-250, -220, 1246, 1005}, 332, 191, -11, 1005, 503, 1005, -220, 225, 1038, 600},
};
constexpr Descriptor kArial[4] = {
    {32, {-250, -221, 1190, 1000}, 272, 80, 0, 905, 453, 905, -212, 150, 992, 441},
    {16416, {-250, -212, 1120, 1000}, 311, 153, 0, 905, 453, 905, -212, 150, 933, 479},
    {96, {-250, -212, 1134, 1000}, 259, 80, -11, 905, 453, 905, -212, 150, 945, 441},
    {16480, {-250, -212, 1120, 1000}, 311, 153, -11, 905, 453, 905, -212, 150, 933, 479},
};

QString styleSuffix(std::int32_t style)
{
    switch (style) {
    case 1: return QStringLiteral(",Bold");
    case 2: return QStringLiteral(",Italic");
    case 3: return QStringLiteral(",BoldItalic");
    default: return QString();
    }
}

// A style outside 0 to 3 is taken as regular, as its name carries no suffix.
int styleIndex(std::int32_t style) { return style >= 0 && style <= 3 ? style : 0; }

QString descriptorText(const Descriptor& d)
{
    return QStringLiteral("/Flags %1 /FontBBox [%2 %3 %4 %5] /MissingWidth %6 /StemV %7 /StemH %7 "
                          "/ItalicAngle %8 /CapHeight %9 /XHeight %10 /Ascent %11 /Descent %12 "
                          "/Leading %13 /MaxWidth %14 /AvgWidth %15")
        .arg(d.flags)
        .arg(d.bbox[0])
        .arg(d.bbox[1])
        .arg(d.bbox[2])
        .arg(d.bbox[3])
        .arg(d.missingWidth)
        .arg(d.stem)
        .arg(d.italicAngle)
        .arg(d.capHeight)
        .arg(d.xHeight)
        .arg(d.ascent)
        .arg(d.descent)
        .arg(d.leading)
        .arg(d.maxWidth)
        .arg(d.avgWidth);
}

template <std::size_t N>
void fill(FontMetrics& m, const QString& family, std::int32_t style, int firstChar, const std::int16_t (&widths)[N],
          const Descriptor& descriptor)
{
    m.BaseFont = family + styleSuffix(style);
    m.FirstChar = static_cast<std::uint8_t>(firstChar);
    m.LastChar = 255;
    for (std::size_t i = 0; i < N; ++i)
        m.Widths[firstChar + i] = widths[i];
    m.MissingWidth = descriptor.missingWidth;
    m.DescriptorText = descriptorText(descriptor);
}

QString withoutBlanks(const QString& text)
{
    QString t = text;
    t.remove(u' ');
    return t;
}

} // namespace

void clsPDFCreator::FontCourierNew(std::int32_t style, FontMetrics& metrics) const
{
    const int s = styleIndex(style);
    fill(metrics, QStringLiteral("CourierNew"), style, 32, PdfFontWidths::kCourierNew[0], kCourierNew[s]);
}

void clsPDFCreator::FontTimesNewRoman(std::int32_t style, FontMetrics& metrics) const
{
    const int s = styleIndex(style);
    fill(metrics, QStringLiteral("TimesNewRoman"), style, 32, PdfFontWidths::kTimesNewRoman[s], kTimesNewRoman[s]);
}

void clsPDFCreator::FontSymbol(std::int32_t style, FontMetrics& metrics) const
{
    const int s = styleIndex(style);
    fill(metrics, QStringLiteral("Symbol"), style, 30, PdfFontWidths::kSymbol[0], kSymbol[s]);
}

void clsPDFCreator::FontArial(std::int32_t style, FontMetrics& metrics) const
{
    const int s = styleIndex(style);
    // Italic shares the upright widths, bold italic the bold ones.
    fill(metrics, QStringLiteral("Arial"), style, 32, PdfFontWidths::kArial[s & 1], kArial[s]);
}

void clsPDFCreator::LoadFontStandard(const QString& name, const QString& fontName, std::int32_t style)
{
    Operation op(*this);
    requireNoStream("a font is made");
    requireFreeObjects(1);
    const std::int32_t n = OpenObj(0);
    std::string& o = m_out;
    o += "<< /Type /Font /Subtype /Type1 /Name /";
    o += PdfText::toWinAnsi(name).toStdString();
    o += " /BaseFont /";
    o += PdfText::toWinAnsi(withoutBlanks(fontName) + styleSuffix(style)).toStdString();
    o += " /Encoding /WinAnsiEncoding >>";
    endLine();
    CloseObj();

    FontList += '/';
    FontList += PdfText::toWinAnsi(name).toStdString();
    FontList += ' ';
    FontList += std::to_string(n);
    FontList += " 0 R \r";
}

void clsPDFCreator::LoadFont(const QString& name, const QString& fontName, std::int32_t style)
{
    Operation op(*this);
    requireNoStream("a font is made");
    if (FontTable.size() >= static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
        throw RuntimeError(ErrorKind::Overflow, QStringLiteral("more than 32767 fonts"));
    requireFreeObjects(2);

    FontMetrics m;
    const QString family = withoutBlanks(fontName).toUpper();
    if (family == QLatin1String("TIMESNEWROMAN"))
        FontTimesNewRoman(style, m);
    else if (family == QLatin1String("COURIERNEW"))
        FontCourierNew(style, m);
    else if (family == QLatin1String("SYMBOL"))
        FontSymbol(style, m);
    else
        FontArial(style, m);

    const std::string nameBytes = PdfText::toWinAnsi(name).toStdString();
    const std::string baseFont = PdfText::toWinAnsi(m.BaseFont).toStdString();
    const std::int32_t n = OpenObj(0);
    std::string& o = m_out;
    o += "<< /Type /Font \r/Subtype /TrueType\r/Name /";
    o += nameBytes;
    o += "\r/BaseFont /";
    o += baseFont;
    o += "\r/FirstChar ";
    o += std::to_string(m.FirstChar);
    o += "\r/LastChar ";
    o += std::to_string(m.LastChar);
    o += "\r/FontDescriptor ";
    o += std::to_string(n + 1);
    o += " 0 R\r/Encoding /WinAnsiEncoding\r/Widths [";
    endLine();
    int inLine = 0;
    for (int c = m.FirstChar; c <= m.LastChar; ++c) {
        num(m.Widths[c]);
        o += ' ';
        if (++inLine == 16 || c == m.LastChar) {
            endLine();
            inLine = 0;
        }
    }
    WriteLine("] >>");
    CloseObj();

    FontTable.push_back(m);
    FontList += '/';
    FontList += nameBytes;
    FontList += ' ';
    FontList += std::to_string(n);
    FontList += " 0 R \r";
    FontIndex += u'<' + name + u'>' + QStringLiteral("%1").arg(FontTable.size(), 4, 10, QLatin1Char('0')) + u';';

    OpenObj(0);
    o += "<<\r/Type /FontDescriptor\r/FontName /";
    o += baseFont;
    o += '\r';
    o += PdfText::toWinAnsi(m.DescriptorText).toStdString();
    o += "\r>>";
    endLine();
    CloseObj();
}

float clsPDFCreator::Length(QStringView text, QStringView fontName, float size) const
{
    const QString key = u'<' + fontName.toString() + u'>';
    const qsizetype at = FontIndex.indexOf(key, 0, Qt::CaseInsensitive);
    if (at < 0)
        return 0;
    const qsizetype digits = at + key.size();
    const qsizetype end = FontIndex.indexOf(u';', digits);
    const int entry = QStringView(FontIndex).mid(digits, end - digits).toInt();
    if (entry < 1 || entry > static_cast<int>(FontTable.size()))
        return 0;
    const FontMetrics& m = FontTable[static_cast<std::size_t>(entry - 1)];

    std::int64_t widths = 0;
    std::int64_t spaces = 0;
    std::int64_t characters = 0;
    PdfText::forEachCode(text, [&](unsigned char c) {
        widths += (c >= m.FirstChar && c <= m.LastChar) ? m.Widths[c] : m.MissingWidth;
        if (c == ' ')
            ++spaces;
        ++characters;
    });
    const double points = (double(widths) * size / 1000 + double(spaces) * WordSpacing +
                           double(characters) * CharSpacing) *
                          HorizontalScaling / 100;
    return FromPoints(static_cast<float>(points));
}
