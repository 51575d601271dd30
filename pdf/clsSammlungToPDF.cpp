#include "pdf/clsSammlungToPDF.h"

#include "data/clsDatentraegerList.h"
#include "data/clsTranslation.h"
#include "pdf/CollectionPdfTexts.h"
#include "pdf/clsPDFCreator.h"
#include "platform/Paths.h"
#include "platform/RuntimeError.h"
#include "platform/UrlOpener.h"

#include <exception>

namespace {

const QString kFont = QStringLiteral("Fnt1");

struct Column {
    int headerText;
    int field;
    float advance; // cm to the next column
};

// Title, then the optional columns in the order of their flags.
constexpr Column kTitleColumn = {CollectionPdfText::FilmTitle, clsDatentraegerList::FieldFilmname, 6.5f};
constexpr Column kOptionalColumns[5] = {
    {CollectionPdfText::Stars, clsDatentraegerList::FieldBewertung, 1.0f},
    {CollectionPdfText::Genre, clsDatentraegerList::FieldGenre, 5.5f},
    {CollectionPdfText::CountryYear, clsDatentraegerList::FieldLandJahr, 2.5f},
    {CollectionPdfText::Age, clsDatentraegerList::FieldFsk, 1.0f},
    {CollectionPdfText::Length, clsDatentraegerList::FieldLaenge, 1.5f},
};

constexpr float kLeft = 2.0f;
constexpr float kHeaderY = 27.0f;
constexpr float kFirstRowY = 26.5f;
constexpr float kRowHeight = 0.5f;
constexpr float kLastRowLimit = 2.0f;

// A document that fails half-way is dropped with its writer, so no
// unfinished file stays open until the next document.
class DropOnFailure {
public:
    explicit DropOnFailure(std::unique_ptr<clsPDFCreator>& writer)
        : m_writer(writer), m_exceptions(std::uncaught_exceptions())
    {
    }
    ~DropOnFailure()
    {
        if (std::uncaught_exceptions() > m_exceptions)
            m_writer.reset();
    }
    DropOnFailure(const DropOnFailure&) = delete;
    DropOnFailure& operator=(const DropOnFailure&) = delete;

private:
    std::unique_ptr<clsPDFCreator>& m_writer;
    int m_exceptions;
};

} // namespace

clsSammlungToPDF::clsSammlungToPDF() = default;
clsSammlungToPDF::~clsSammlungToPDF() = default;

clsPDFCreator& clsSammlungToPDF::writer()
{
    if (!m_pdf)
        m_pdf = std::make_unique<clsPDFCreator>();
    return *m_pdf;
}

bool clsSammlungToPDF::CreatePDF(const clsTranslation& translation, const clsDatentraegerList& list,
                                 const QString& path, bool showRating, bool showGenre, bool showCountryYear,
                                 bool showAge, bool showLength)
{
    try {
        writeCollection(translation, list, path, showRating, showGenre, showCountryYear, showAge, showLength);
    } catch (const RuntimeError&) {
        return false;
    }
    return true;
}

void clsSammlungToPDF::writeCollection(const clsTranslation& translation, const clsDatentraegerList& list,
                                       const QString& path, bool showRating, bool showGenre, bool showCountryYear,
                                       bool showAge, bool showLength)
{
    const bool show[5] = {showRating, showGenre, showCountryYear, showAge, showLength};
    clsPDFCreator& pdf = writer();
    DropOnFailure guard(m_pdf);
    pdf.SetPages(0);
    pdf.setTitle(QStringLiteral("QuorDVD"));
    pdf.setScaleMode(3);
    pdf.setPaperSize(0);
    pdf.setMargin(0);
    pdf.setOrientation(0);
    QString target = path;
    pdf.InitPDFFile(target);
    pdf.LoadFont(kFont, QStringLiteral("Times New Roman"), 0);

    // Where each shown column stands; the title column always.
    Column columns[6];
    float columnX[6];
    int shown = 0;
    float x = kLeft;
    const auto addColumn = [&](const Column& c) {
        columns[shown] = c;
        columnX[shown++] = x;
        x += c.advance;
    };
    addColumn(kTitleColumn);
    for (int c = 0; c < 5; ++c)
        if (show[c])
            addColumn(kOptionalColumns[c]);

    QString headers[6];
    for (int c = 0; c < shown; ++c)
        headers[c] = translation.MultiWord(columns[c].headerText) + u':';
    const auto drawHeaders = [&] {
        for (int c = 0; c < shown; ++c)
            pdf.DrawText(columnX[c], kHeaderY, headers[c], kFont, 8, 0, 0);
    };
    const QString pageWord = QStringLiteral("  ") + translation.MultiWord(CollectionPdfText::Page) + u' ';

    const int count = list.getListSize();
    pdf.BeginPage();
    pdf.DrawText(19.5f, 1.5f, QStringLiteral("  Seite %1").arg(pdf.Pages()), kFont, 12, 1, 0);
    pdf.DrawObject(u"Footers");
    pdf.DrawText(kLeft, 28, u"QuorDVD", kFont, 16, 0, 0);
    pdf.DrawText(kLeft, 27.5f, QString::number(count) + u' ' + translation.MultiWord(CollectionPdfText::TitlesInCollection), kFont, 12, 0, 0);
    drawHeaders();

    int r = 0;
    for (int i = 1; i <= count; ++i) {
        const float y = kFirstRowY - static_cast<float>(r) * kRowHeight;
        for (int c = 0; c < shown; ++c)
            pdf.DrawText(columnX[c], y, list.getDataString(i, columns[c].field), kFont, 8, 0, 0);
        ++r;
        if (kFirstRowY - static_cast<float>(r) * kRowHeight <= kLastRowLimit && i < count) {
            pdf.EndPage();
            pdf.BeginPage();
            pdf.DrawText(19.5f, 1.5f, pageWord + QString::number(pdf.Pages()), kFont, 12, 1, 0);
            r = 0;
            drawHeaders();
            pdf.DrawObject(u"Footers");
        }
    }
    pdf.EndPage();

    // Made last, when the number of pages is known; every page draws it by name.
    pdf.StartObject(QStringLiteral("Footers"), 7);
    pdf.DrawText(20, 1.5f, QStringLiteral("/%1").arg(pdf.Pages()), kFont, 12, 1, 0);
    pdf.EndObject();
    pdf.ClosePDFFile();
}

bool clsSammlungToPDF::CreateCoverPrintPDF(const QString& bmpPath, const QString& pdfPath)
{
    clsPDFCreator& pdf = writer();
    DropOnFailure guard(m_pdf);
    pdf.SetPages(0);
    pdf.setTitle(QStringLiteral("PrintCover"));
    pdf.setScaleMode(3);
    pdf.setPaperSize(0);
    pdf.setMargin(0);
    pdf.setOrientation(1);
    QString path = pdfPath;
    pdf.InitPDFFile(path);
    const bool loaded = pdf.LoadImgFromBMPFile(QStringLiteral("Img1"), bmpPath, false);
    pdf.BeginPage();
    if (loaded)
        pdf.DrawImg(u"Img1", 2, 2, 5, 5);
    pdf.EndPage();
    pdf.ClosePDFFile();
    OpenInViewer(pdfPath);
    return loaded;
}

bool clsSammlungToPDF::OpenInViewer(const QString& path) { return Opener::get().openDocument(Paths::resolve(path)); }
