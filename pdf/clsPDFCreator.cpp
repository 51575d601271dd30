#include "pdf/clsPDFCreator.h"

#include "data/ProgramFiles.h"
#include "pdf/PdfText.h"
#include "platform/Paths.h"
#include "platform/RandomSource.h"
#include "platform/RuntimeError.h"
#include "platform/WholeFileWriter.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>

namespace {

// Pending bytes go to the file in chunks of about this size.
constexpr std::size_t kChunk = 256 * 1024;
constexpr std::int32_t kMaxObject = 32767;

const char* const kAuthor = "Brenvik";
const char* const kCreator = "clsPDFCreator FREE Version";
const char* const kProducer = "QuorDVD PDF 1.3 writer";

void appendInt(std::string& out, std::int64_t value)
{
    char buf[24];
    char* const end = buf + sizeof buf;
    char* p = end;
    const bool negative = value < 0;
    std::uint64_t u = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
        *--p = static_cast<char>('0' + u % 10);
        u /= 10;
    } while (u != 0);
    if (negative)
        *--p = '-';
    out.append(p, static_cast<std::size_t>(end - p));
}

// Ten digits with leading zeros, as a cross-reference entry holds an offset.
void appendOffset(std::string& out, std::int64_t offset)
{
    char buf[10];
    for (int i = 9; i >= 0; --i) {
        buf[i] = static_cast<char>('0' + offset % 10);
        offset /= 10;
    }
    out.append(buf, 10);
}

} // namespace

clsPDFCreator::Operation::Operation(clsPDFCreator& writer)
    : m_writer(writer), m_exceptions(std::uncaught_exceptions())
{
    std::string& out = writer.out();
    if (writer.m_operationDepth == 0 && out.size() >= kChunk)
        writer.flush();
    ++writer.m_operationDepth;
    m_start = out.size();
    m_flushedAtStart = writer.m_flushed;
}

clsPDFCreator::Operation::~Operation()
{
    --m_writer.m_operationDepth;
    if (std::uncaught_exceptions() > m_exceptions && m_writer.m_flushed == m_flushedAtStart &&
        m_writer.m_out.size() >= m_start)
        m_writer.m_out.resize(m_start);
}

clsPDFCreator::clsPDFCreator()
{
    setTitle(QStringLiteral("(senza titolo)"));
    setScaleMode(0);
    setPaperSize(0);
    setOrientation(0);
}

clsPDFCreator::~clsPDFCreator() = default;

void clsPDFCreator::setPaperWidth(float value)
{
    m_paperWidth = ToPoints(value);
    m_paperSize = 255;
}

void clsPDFCreator::setPaperHeight(float value)
{
    m_paperHeight = ToPoints(value);
    m_paperSize = 255;
}

void clsPDFCreator::setPaperSize(std::int32_t code)
{
    m_paperSize = code;
    switch (code) {
    case 0: m_paperWidth = 595.2f; m_paperHeight = 842.0f; break;
    case 1: m_paperWidth = 842.0f; m_paperHeight = 1190.5f; break;
    case 2: m_paperWidth = 612.0f; m_paperHeight = 792.0f; break;
    case 3: m_paperWidth = 612.0f; m_paperHeight = 864.0f; break;
    default: break;
    }
}

float clsPDFCreator::ToPoints(float value) const
{
    double points = 0;
    switch (m_scaleMode) {
    case 0: return value;
    case 1: points = double(value) * 72; break;
    case 2: points = double(value) * 72 / 25.4; break;
    case 3: points = double(value) * 72 / 2.54; break;
    default: return 0;
    }
    if (std::isfinite(points) && std::fabs(points) > std::numeric_limits<float>::max())
        throw RuntimeError(ErrorKind::Overflow, QStringLiteral("a length beyond single precision"));
    return static_cast<float>(points);
}

float clsPDFCreator::FromPoints(float value) const
{
    switch (m_scaleMode) {
    case 0: return value;
    case 1: return static_cast<float>(double(value) / 72);
    case 2: return static_cast<float>(double(value) / 72 * 25.4);
    case 3: return static_cast<float>(double(value) / 72 * 2.54);
    default: return 0;
    }
}

std::string& clsPDFCreator::out()
{
    if (!m_file)
        throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("no PDF document is open"));
    return m_out;
}

void clsPDFCreator::num(double value) { PdfText::appendNum(m_out, value, 3); }

void clsPDFCreator::flush()
{
    if (m_out.empty())
        return;
    const auto size = static_cast<qint64>(m_out.size());
    m_file->write(m_out.data(), size);
    m_flushed += size;
    m_out.clear();
}

void clsPDFCreator::requireNoStream(const char* what) const
{
    if (m_stream != Stream::None)
        throw RuntimeError(ErrorKind::Argument,
                           QStringLiteral("%1 while a %2 is open")
                               .arg(QLatin1String(what), m_stream == Stream::Page ? QStringLiteral("page")
                                                                                  : QStringLiteral("form")));
}

void clsPDFCreator::requireFreeObjects(std::int32_t count) const
{
    if (HighestObject + count > kMaxObject)
        throw RuntimeError(ErrorKind::Overflow, QStringLiteral("a PDF document of more than 32767 objects"));
}

void clsPDFCreator::WriteLine(std::string_view line)
{
    out().append(line);
    endLine();
}

std::int32_t clsPDFCreator::OpenObj(std::int32_t number)
{
    std::string& o = out();
    if (number == 0)
        number = HighestObject + 1;
    if (number < 0 || number > kMaxObject)
        throw RuntimeError(ErrorKind::Overflow, QStringLiteral("object number %1").arg(number));
    if (number > HighestObject) {
        HighestObject = number;
        XrefTable.resize(static_cast<std::size_t>(number) + 1, -1);
    }
    XrefTable[static_cast<std::size_t>(number)] = position();
    appendInt(o, number);
    o += " 0 obj";
    endLine();
    return number;
}

void clsPDFCreator::CloseObj() { WriteLine("endobj"); }

void clsPDFCreator::InitPDFFile(QString& path)
{
    // A document left unfinished is dropped: the file it was to replace stays.
    m_file.reset();
    if (path.isEmpty()) {
        const int digit = std::clamp(static_cast<int>(Random::get().next() * 10), 0, 9);
        path = ProgramFiles::collectionPdf(digit);
    }

    const QString target = Paths::resolve(path);
    auto file = std::make_unique<WholeFileWriter>(target);
    FileNumber = 1;
    OutputPath = target;
    m_file = std::move(file);

    m_out.clear();
    m_out.reserve(kChunk + kChunk / 4);
    m_flushed = 0;
    m_operationDepth = 0;
    m_stream = Stream::None;
    KidsList.clear();
    FontList.clear();
    FontIndex.clear();
    ImageList.clear();
    FormList.clear();
    FormObjects.clear();
    FontTable.clear();
    XrefTable.assign(1, -1);
    HighestObject = 0;
    m_lastFontName.clear();
    m_lastFontBytes.clear();

    WriteLine("%PDF-1.3");

    OpenObj(1);
    std::string& o = m_out;
    o += "<<\r/Title (";
    PdfText::appendEscaped(o, m_title);
    o += ")\r/Author (";
    PdfText::appendEscaped(o, QString::fromLatin1(kAuthor));
    o += ")\r/Creator  (";
    PdfText::appendEscaped(o, QString::fromLatin1(kCreator));
    o += ")\r/Producer (";
    PdfText::appendEscaped(o, QString::fromLatin1(kProducer));
    o += ")\r>>";
    endLine();
    CloseObj();

    OpenObj(2);
    WriteLine("<<\r/Type /Catalog\r/Pages 3 0 R\r/PageLayout /OneColumn\r/PageMode /UseNone\r/Lang (it) \r"
              "/ViewerPreferences << /HideToolbar false /DisplayDocTitle true /HideWindowUI false >>\r>>");
    CloseObj();

    // 3 (pages) and 4 (resources) are written last.
    HighestObject = 4;
    XrefTable.resize(5, -1);
}

std::int16_t clsPDFCreator::BeginPage()
{
    Operation op(*this);
    requireNoStream("a page is begun");
    if (m_pages == std::numeric_limits<std::int16_t>::max())
        throw RuntimeError(ErrorKind::Overflow, QStringLiteral("more than 32767 pages"));
    requireFreeObjects(3);

    ++m_pages;
    const std::int32_t n = OpenObj(0);
    std::string& o = m_out;
    o += "<<\r/Type /Page\r/Parent 3 0 R\r/Contents ";
    appendInt(o, n + 1);
    o += " 0 R\r>>";
    endLine();
    CloseObj();
    appendInt(KidsList, n);
    KidsList += " 0 R ";

    OpenObj(n + 1);
    o += "<< /Length ";
    appendInt(o, n + 2);
    o += " 0 R >>\rstream";
    endLine();
    StreamStart = position();
    m_stream = Stream::Page;

    DrawPageObjects();
    CharSpacing = 0;
    WordSpacing = 0;
    HorizontalScaling = 100;
    return m_pages;
}

void clsPDFCreator::endStream(Stream kind)
{
    if (m_stream != kind)
        throw RuntimeError(ErrorKind::Argument, kind == Stream::Page ? QStringLiteral("no page is open")
                                                                     : QStringLiteral("no form object is open"));
    const std::int64_t length = position() - StreamStart;
    WriteLine("endstream");
    CloseObj();
    m_stream = Stream::None;
    OpenObj(0);
    appendInt(m_out, length);
    endLine();
    CloseObj();
}

void clsPDFCreator::EndPage()
{
    Operation op(*this);
    endStream(Stream::Page);
}

void clsPDFCreator::StartObject(const QString& name, std::int32_t flags)
{
    Operation op(*this);
    requireNoStream("a form object is begun");
    if (FormObjects.size() >= static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
        throw RuntimeError(ErrorKind::Overflow, QStringLiteral("more than 32767 form objects"));
    requireFreeObjects(2);
    // The box's numbers first, so that a bad size writes nothing.
    std::string box;
    PdfText::appendNum(box, m_margin);
    box += ' ';
    PdfText::appendNum(box, m_margin);
    box += ' ';
    PdfText::appendNum(box, m_paperWidth - m_margin);
    box += ' ';
    PdfText::appendNum(box, m_paperHeight - m_margin);
    const QByteArray nameBytes = PdfText::toWinAnsi(name);

    const std::int32_t n = OpenObj(0);
    std::string& o = m_out;
    o += "<<\r/Type /XObject\r/Subtype /Form\r/FormType 1\r/Name /";
    o.append(nameBytes.constData(), static_cast<std::size_t>(nameBytes.size()));
    o += "\r/BBox [";
    o += box;
    o += "]\r/Matrix [1 0 0 1 0 0]\r/Length ";
    appendInt(o, n + 1);
    o += " 0 R >>\rstream";
    endLine();
    StreamStart = position();
    m_stream = Stream::Form;

    FormList += '/';
    FormList.append(nameBytes.constData(), static_cast<std::size_t>(nameBytes.size()));
    FormList += ' ';
    appendInt(FormList, n);
    FormList += " 0 R \r";
    FormObjects.push_back(FormObjectRecord{name, flags});
}

void clsPDFCreator::EndObject()
{
    Operation op(*this);
    endStream(Stream::Form);
}

void clsPDFCreator::DrawObject(QStringView name)
{
    Operation op(*this);
    m_out += '/';
    PdfText::forEachCode(name, [this](unsigned char c) { m_out += static_cast<char>(c); });
    m_out += " Do";
    endLine();
}

void clsPDFCreator::DrawPageObjects()
{
    const std::int16_t p = m_pages;
    const bool even = p % 2 == 0;
    for (const FormObjectRecord& form : FormObjects) {
        const std::int32_t f = form.flags;
        if ((f & 7) == 7 || (even && (f & 2)) || (!even && (f & 4) && !((f & 8) && p == 1)))
            DrawObject(form.name);
    }
}

void clsPDFCreator::ClosePDFFile()
{
    out();
    requireNoStream("the document is closed");

    // Every number first, so that a bad size writes nothing.
    std::string box;
    PdfText::appendNum(box, m_margin);
    box += ' ';
    PdfText::appendNum(box, m_margin);
    box += ' ';
    PdfText::appendNum(box, m_paperWidth - m_margin);
    box += ' ';
    PdfText::appendNum(box, m_paperHeight - m_margin);
    std::string media;
    PdfText::appendNum(media, m_paperWidth);
    media += ' ';
    PdfText::appendNum(media, m_paperHeight);

    std::string& o = m_out;
    ResourcesObject = static_cast<std::int16_t>(OpenObj(4));
    o += "<<\r";
    if (!FontList.empty()) {
        o += "/Font <<\r";
        o += FontList;
        o += ">>\r";
    }
    o += "/ProcSet [/PDF /Text";
    if (!ImageList.empty())
        o += " /ImageB /ImageC /ImageI";
    o += " ]\r";
    if (!ImageList.empty() || !FormList.empty()) {
        o += "/XObject <<\r";
        o += ImageList;
        o += '\r';
        o += FormList;
        o += ">>\r";
    }
    o += ">>";
    endLine();
    CloseObj();

    PagesObject = static_cast<std::int16_t>(OpenObj(3));
    o += "<<\r/Type /Pages\r/Count ";
    appendInt(o, m_pages);
    o += "\r/MediaBox [0 0 ";
    o += media;
    o += "]\r/CropBox [";
    o += box;
    o += "]\r";
    if (m_orientation == 1)
        o += "/Rotate 90";
    o += "\r/Kids [";
    o += KidsList;
    o += " ]\r/Resources ";
    appendInt(o, ResourcesObject);
    o += " 0 R\r>>";
    endLine();
    CloseObj();

    const std::int64_t xref = position();
    WriteLine("xref");
    o += "0 ";
    appendInt(o, HighestObject + 1);
    endLine();
    WriteLine("0000000000 65535 f");
    for (std::int32_t i = 1; i <= HighestObject; ++i) {
        const std::int64_t offset = XrefTable[static_cast<std::size_t>(i)];
        // A number never written is a free entry, so every number has its 20 bytes.
        if (offset < 0) {
            WriteLine("0000000000 65535 f");
        } else {
            appendOffset(o, offset);
            o += " 00000 n";
            endLine();
        }
        if (o.size() >= kChunk)
            flush();
    }
    o += "trailer\r<<\r/Size ";
    appendInt(o, HighestObject + 1);
    o += "\r/Info 1 0 R\r/Root 2 0 R\r>>";
    endLine();
    o += "startxref\r";
    appendInt(o, xref);
    endLine();
    WriteLine("%%EOF\r");

    flush();
    std::unique_ptr<WholeFileWriter> file = std::move(m_file);
    file->commit();
}
