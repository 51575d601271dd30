#pragma once

#include "exchange/core/clsExcelHandler.h"

#include <QList>
#include <QObject>
#include <QString>
#include <cstdint>

class PageHost;
class QLabel;
class QPushButton;
class QWidget;
class clsTranslation;
class ucEntry;
class ucOption;

// The export page (page 10): the whole collection out as a workbook, a PDF
// table, a set of web pages, or an upload of every title.
class PageExport : public QObject {
public:
    // The optional columns of the collection PDF; the film name is always shown.
    struct PdfColumns {
        bool rating;
        bool genre;
        bool landJahr;
        bool fsk;
        bool laenge;
        bool operator==(const PdfColumns&) const = default;
    };
    static constexpr int kPdfOptions = 12;
    // The columns of option 1 to 12 of the PDF's option list.
    static PdfColumns pdfColumns(int option);

    explicit PageExport(PageHost& host);

    // Showing selects option 1 and sets the web page entries back to their defaults.
    void ShowExport();
    void HideExport();
    void SetDesignExport();
    void SetSizes(int W, int H);

    void btExcelExport_Click();
    void btPDFerstellen_Click();
    void btHTMLexport_Click();
    void btQuorExport_Click();

private:
    QList<QWidget*> controls() const;
    // Writes the collection PDF at path and opens it; a run-time error when
    // it could not be written.
    void createCollectionPdf(const clsTranslation& pdfTexts, const PdfColumns& columns, const QString& path);

    PageHost& m_host;
    QLabel* m_lbExcelExport;
    QPushButton* m_btExcelExport;
    QLabel* m_lbPDFExport;
    ucOption* m_ucOptionExport;
    QPushButton* m_btPDFerstellen;
    QLabel* m_lbHTMLexport;
    ucEntry* m_ucEntryExpHtmlCaption;
    ucEntry* m_ucEntryExpHtmlFont;
    ucEntry* m_ucEntryExpHtmlBg;
    ucEntry* m_ucEntryExpHtmlSite;
    QPushButton* m_btHTMLexport;
    QLabel* m_lbQuorExport;
    QPushButton* m_btQuorExport;
    clsExcelHandler m_excel;
};
