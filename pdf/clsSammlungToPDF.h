#pragma once

#include <QString>

#include <memory>

class clsDatentraegerList;
class clsPDFCreator;
class clsTranslation;

// The collection as a table on A4 pages, and a cover picture on one page,
// written with one writer kept for the object's life.
class clsSammlungToPDF {
public:
    clsSammlungToPDF();
    ~clsSammlungToPDF();
    clsSammlungToPDF(const clsSammlungToPDF&) = delete;
    clsSammlungToPDF& operator=(const clsSammlungToPDF&) = delete;

    // Writes the collection to path (a relative path lies in the program
    // folder): title column and the chosen columns, 49 rows a page, texts 1 to
    // 8 of the PDF language table. True when the file was written; on any
    // failure false, and a file that was there stays as it was.
    bool CreatePDF(const clsTranslation& translation, const clsDatentraegerList& list, const QString& path,
                   bool showRating, bool showGenre, bool showCountryYear, bool showAge, bool showLength);
    // The same, with a failure thrown as the RuntimeError that names its cause.
    void writeCollection(const clsTranslation& translation, const clsDatentraegerList& list, const QString& path,
                         bool showRating, bool showGenre, bool showCountryYear, bool showAge, bool showLength);

    // One portrait page that viewers show turned a quarter clockwise, with the
    // bitmap stretched to 5 cm square, 2 cm from the left edge and its top
    // edge 2 cm above the bottom edge: only the picture's top 2 cm are on the
    // page, which the viewer shows as a strip along its left edge, 2 to 7 cm
    // from the top. A picture that cannot be read leaves the page empty. The
    // finished file is opened in the viewer; a failure to write is a
    // RuntimeError and opens nothing. True when the picture was drawn.
    bool CreateCoverPrintPDF(const QString& bmpPath, const QString& pdfPath);

    // Opens a finished document in the desktop's viewer; false when no
    // program could be started for it.
    static bool OpenInViewer(const QString& path);

private:
    clsPDFCreator& writer();

    std::unique_ptr<clsPDFCreator> m_pdf;
};
