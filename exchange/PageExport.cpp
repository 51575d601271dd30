#include "exchange/PageExport.h"

#include "data/BoxTexts.h"
#include "data/MessageTexts.h"
#include "data/ProgramFiles.h"
#include "data/StyleTexts.h"
#include "pdf/clsSammlungToPDF.h"

#include "controls/FontHelper.h"
#include "controls/ucEntry.h"
#include "controls/ucOption.h"
#include "data/clsTranslation.h"
#include "host/WaitCursor.h"
#include "exchange/core/clsHtmlPageCreator.h"
#include "exchange/OnlineService.h"
#include "exchange/core/clsInternetExport.h"
#include "host/PageAction.h"
#include "host/PageControls.h"
#include "host/PageHost.h"
#include "host/PageLayout.h"
#include "session/Session.h"
#include "platform/HttpClient.h"
#include "platform/Numbers.h"
#include "platform/ProgressService.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <optional>

using PageControls::make;

namespace {

constexpr int kLabelHeight = 20;
constexpr int kEntryHeight = 25;

struct PdfOption {
    int caption;
    PageExport::PdfColumns columns;
};

// Option k of the PDF's list: its caption and the columns it adds to the film name.
constexpr std::array<PdfOption, PageExport::kPdfOptions> kPdfOptionTable{{
    {StyleText::AllColumns, {true, true, true, true, true}},
    {StyleText::WithoutRating, {false, true, true, true, true}},
    {StyleText::WithoutGenre, {true, false, true, true, true}},
    {StyleText::WithoutCountryYear, {true, true, false, true, true}},
    {StyleText::WithoutAgeRating, {true, true, true, false, true}},
    {StyleText::WithoutRunningTime, {true, true, true, true, false}},
    {StyleText::RatingOnly, {true, false, false, false, false}},
    {StyleText::GenreOnly, {false, true, false, false, false}},
    {StyleText::CountryYearOnly, {false, false, true, false, false}},
    {StyleText::AgeRatingOnly, {false, false, false, true, false}},
    {StyleText::RunningTimeOnly, {false, false, false, false, true}},
    {StyleText::FilmTitlesOnly, {false, false, false, false, false}},
}};

// Closes the progress display on every way out of the upload.
class ProgressEnd {
public:
    explicit ProgressEnd(ProgressService& progress) : m_progress(progress) {}
    ~ProgressEnd() { m_progress.end(); }
    ProgressEnd(const ProgressEnd&) = delete;
    ProgressEnd& operator=(const ProgressEnd&) = delete;

private:
    ProgressService& m_progress;
};

constexpr int kExported = MessageText::ExportFinished;

// Behind "Export finished.": the program folder is hidden, so the file is named in full.
QString whereTo(const QString& path) { return QStringLiteral(" (") + path + u')'; }

QLabel* makeRowLabel(QWidget* area, const char* name, const char* caption)
{
    auto* label = make<QLabel>(area, name);
    label->setFont(FontHelper::labelFont());
    label->setText(QString::fromLatin1(caption));
    label->resize(label->width(), kLabelHeight);
    return label;
}

} // namespace

PageExport::PdfColumns PageExport::pdfColumns(int option)
{
    return kPdfOptionTable[static_cast<size_t>(std::clamp(option, 1, kPdfOptions) - 1)].columns;
}

PageExport::PageExport(PageHost& host) : QObject(host.clientArea()), m_host(host)
{
    using namespace PageControls;
    QWidget* area = host.clientArea();
    // The four row labels keep these captions in every language.
    m_lbExcelExport = makeRowLabel(area, "lbExcelExport", "Excel Export");
    m_btExcelExport = makeButton(area, "btExcelExport");
    m_lbPDFExport = makeRowLabel(area, "lbPDFExport", "PDF Export");
    m_ucOptionExport = make<ucOption>(area, "ucOptionExport");
    m_btPDFerstellen = makeButton(area, "btPDFerstellen");
    m_lbHTMLexport = makeRowLabel(area, "LbHTMLexport", "HTML Export");
    m_ucEntryExpHtmlCaption = make<ucEntry>(area, "ucEntryExpHtmlCaption");
    m_ucEntryExpHtmlFont = make<ucEntry>(area, "ucEntryExpHtmlFont");
    m_ucEntryExpHtmlBg = make<ucEntry>(area, "ucEntryExpHtmlBg");
    m_ucEntryExpHtmlSite = make<ucEntry>(area, "ucEntryExpHtmlSite");
    for (ucEntry* e : {m_ucEntryExpHtmlCaption, m_ucEntryExpHtmlFont, m_ucEntryExpHtmlBg, m_ucEntryExpHtmlSite})
        e->resize(e->width(), kEntryHeight);
    m_btHTMLexport = makeButton(area, "btHTMLexport");
    m_lbQuorExport = makeRowLabel(area, "lbQuorExport", "Quor Internet Export");
    m_btQuorExport = makeButton(area, "btQuorExport");

    connect(m_btExcelExport, &QPushButton::clicked, this, &PageExport::btExcelExport_Click);
    connect(m_btPDFerstellen, &QPushButton::clicked, this, &PageExport::btPDFerstellen_Click);
    connect(m_btHTMLexport, &QPushButton::clicked, this, &PageExport::btHTMLexport_Click);
    connect(m_btQuorExport, &QPushButton::clicked, this, &PageExport::btQuorExport_Click);
}

QList<QWidget*> PageExport::controls() const
{
    // Top to bottom, as the page stacks them.
    return {m_lbExcelExport,      m_btExcelExport,    m_lbPDFExport,        m_ucOptionExport, m_btPDFerstellen,
            m_lbHTMLexport,       m_ucEntryExpHtmlCaption, m_ucEntryExpHtmlFont, m_ucEntryExpHtmlBg,
            m_ucEntryExpHtmlSite, m_btHTMLexport,     m_lbQuorExport,       m_btQuorExport};
}

void PageExport::ShowExport()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_lbExcelExport, m_btExcelExport, m_lbQuorExport, m_btQuorExport,
                                                      m_lbPDFExport, m_ucOptionExport, m_btPDFerstellen})
        w->show();
    m_ucOptionExport->setSelected(1);
    for (QWidget* w : std::initializer_list<QWidget*>{m_lbHTMLexport, m_ucEntryExpHtmlCaption, m_ucEntryExpHtmlFont,
                                                      m_ucEntryExpHtmlBg, m_ucEntryExpHtmlSite, m_btHTMLexport})
        w->show();
    m_ucEntryExpHtmlCaption->setValue(m_host.session().StyleTexts().MultiWord(StyleText::MyCollection));
    m_ucEntryExpHtmlFont->setValue(QStringLiteral("0000CC"));
    m_ucEntryExpHtmlBg->setValue(QStringLiteral("000000"));
    m_ucEntryExpHtmlSite->setValue(QStringLiteral("10"));
}

void PageExport::HideExport()
{
    for (QWidget* w : controls())
        w->hide();
}

void PageExport::SetDesignExport()
{
    const clsOptions& o = m_host.session().Options();
    const Design design = o.GetDesign();
    const clsTranslation& style = m_host.session().StyleTexts();
    m_ucOptionExport->SetDesign(kPdfOptions, 1, 20, style.MultiWord(StyleText::PleaseChoose), o.ColorFont(), o.ColorBG());
    for (int k = 1; k <= kPdfOptions; ++k)
        m_ucOptionExport->SetCaption(static_cast<std::int16_t>(k),
                                     style.MultiWord(kPdfOptionTable[static_cast<size_t>(k - 1)].caption));
    for (QLabel* label : {m_lbPDFExport, m_lbExcelExport, m_lbHTMLexport, m_lbQuorExport})
        PageControls::setColors(label, o.ColorFont(), o.ColorBG());
    m_ucEntryExpHtmlCaption->SetDesign(style.MultiWord(StyleText::PageCaption), 1, 150, 5, design, false);
    m_ucEntryExpHtmlFont->SetDesign(style.MultiWord(StyleText::HtmlTextColour), 1, 150, 5, design, false);
    m_ucEntryExpHtmlBg->SetDesign(style.MultiWord(StyleText::HtmlBackgroundColour), 1, 150, 5, design, false);
    m_ucEntryExpHtmlSite->SetDesign(style.MultiWord(StyleText::TitlesPerPage), 1, 150, 5, design, false);
    m_btHTMLexport->setText(style.MultiWord(StyleText::CreateHtmlPages));
    m_btPDFerstellen->setText(style.MultiWord(StyleText::CreatePdf));
    m_btExcelExport->setText(style.MultiWord(StyleText::StartExcelExport));
    m_btQuorExport->setText(style.MultiWord(StyleText::UploadAllTitles));
}

void PageExport::SetSizes(int W, int)
{
    PageLayout l(m_host.FormFunctions(), W);
    PageLayout::setHeight(m_ucOptionExport, m_ucOptionExport->ListSize() * m_ucOptionExport->OptionFieldHeight());
    l.start(20);
    for (QWidget* w : controls()) {
        PageLayout::setWidth(w, W - 200);
        l.centre(w);
        // Each row's button keeps a gap to the next row's label.
        const bool button = w == m_btExcelExport || w == m_btPDFerstellen || w == m_btHTMLexport || w == m_btQuorExport;
        l.row(w, w->height() + (button ? 10 : 0));
    }
}

void PageExport::btExcelExport_Click()
{
    const QString path = ProgramFiles::excelExport();
    bool exported = false;
    {
        const WaitCursor busy;
        exported = runAction(m_host, MessageText::ExcelExportFailed, [&] {
            m_excel.exportTo(m_host.session().StyleTexts(), m_host.session().DVDListe(), path);
        });
    }
    if (exported)
        m_host.StatusMsg(kExported, whereTo(path));
}

void PageExport::btPDFerstellen_Click()
{
    // A fresh table on every press, so that an edited language file counts at once.
    clsTranslation pdfTexts;
    if (!runAction(m_host, MessageText::Failed, [&] {
            pdfTexts.setLanguage(m_host.session().Options().Language());
            pdfTexts.Load(ProgramFiles::pdfTexts());
        }))
        return;
    const PdfColumns columns = pdfColumns(m_ucOptionExport->Selected());
    const QString path = ProgramFiles::collectionPdf();
    bool written = false;
    {
        const WaitCursor busy;
        written = runAction(m_host, MessageText::Failed, [&] { createCollectionPdf(pdfTexts, columns, path); });
    }
    if (written)
        m_host.StatusMsg(kExported, whereTo(path));
}

void PageExport::createCollectionPdf(const clsTranslation& texts, const PdfColumns& c, const QString& path)
{
    clsSammlungToPDF toPdf;
    toPdf.writeCollection(texts, m_host.session().DVDListe(), path, c.rating, c.genre, c.landJahr, c.fsk, c.laenge);
    clsSammlungToPDF::OpenInViewer(path);
}

void PageExport::btHTMLexport_Click()
{
    Session& session = m_host.session();
    const clsDatentraegerList& list = session.DVDListe();
    const std::optional<double> number = Numbers::tryParse(m_ucEntryExpHtmlSite->value());
    if (!number || Numbers::intFloor(*number) < 1) {
        m_host.StatusMsg(MessageText::InvalidNumberOrNotSaved);
        return;
    }
    // More titles per page than the collection holds make one page of them all.
    const int perPage =
        static_cast<int>(std::min(Numbers::intFloor(*number), static_cast<double>(std::max(1, list.getListSize()))));
    clsHtmlPageCreator creator;
    creator.SetCaption(m_ucEntryExpHtmlCaption->value());
    creator.setBGcolor(m_ucEntryExpHtmlBg->value());
    creator.setFontcolor(m_ucEntryExpHtmlFont->value());
    clsHtmlPageCreator::Result result;
    {
        const WaitCursor busy;
        if (!runAction(m_host, MessageText::Failed, [&] {
                for (int i = 1; i <= list.getListSize(); ++i)
                    creator.AddDVD(list.getDVD(i));
            }))
            return;
        result = creator.createHTMLFiles(session.StyleTexts(), perPage);
    }
    // The entry, template or page that failed is named behind the message,
    // and a finished export by its first page.
    QString named;
    if (result.outcome == clsHtmlPageCreator::Outcome::BadBackgroundColour)
        named = m_ucEntryExpHtmlBg->Caption();
    else if (result.outcome == clsHtmlPageCreator::Outcome::BadFontColour)
        named = m_ucEntryExpHtmlFont->Caption();
    else if (!result.error.isEmpty())
        named = result.error; // the page and the cause
    else if (!result.file.isEmpty())
        named = QFileInfo(result.file).fileName();
    QString suffix;
    if (result.ok())
        suffix = whereTo(clsHtmlPageCreator::pagePath(1));
    else if (!named.isEmpty())
        suffix = QStringLiteral(" (") + named + u')';
    m_host.StatusMsg(result.statusMessage(), suffix);
}

void PageExport::btQuorExport_Click()
{
    using Result = clsInternetExport::UploadResult;
    if (!OnlineService::hasAddress(m_host))
        return;
    Session& session = m_host.session();
    Result result;
    const bool ran = runAction(m_host, Result::kStatusFailed, [&] {
        const int total = session.DVDListe().getListSize();
        const clsTranslation& box = session.BoxTexts();
        ProgressService& progress = Progress::get();
        const WaitCursor busy;
        progress.begin(box.MultiWord(BoxText::UploadingTitle), box.MultiWord(BoxText::CancelButton), total);
        const ProgressEnd closes(progress);
        result = clsInternetExport::UploadAllMovies(
            session.ServerUrl(), session.DVDListe(), session.Options().Language(), Http::get(),
            [&](int sent) { return progress.step(sent, QStringLiteral("%1 / %2").arg(sent).arg(total)); });
    });
    if (!ran)
        return;
    if (result.ok())
        m_host.StatusMsg(Result::kStatusDone);
    else if (result.cancelled)
        m_host.StatusMsg(Result::kStatusCancelled, u' ' + QString::number(result.sent));
    else
        OnlineService::reportFailure(m_host, result.failure);
}
