#include "pdf/clsPDFCreator.h"
#include "platform/RuntimeError.h"
#include "tests/pdf/PdfJudges.h"
#include "tests/support/ErrorKindOf.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

using namespace PdfJudges;

// The writer with its object writer opened up, to write numbers out of turn.
class OpenWriter : public clsPDFCreator {
public:
    using clsPDFCreator::CloseObj;
    using clsPDFCreator::OpenObj;
    using clsPDFCreator::WriteLine;
};

#define EXPECT_QPDF_PASSES(path)                                                                                   \
    do {                                                                                                           \
        const Verdict v_ = qpdfCheck(path);                                                                        \
        EXPECT_TRUE(v_.passed) << v_.output.toStdString();                                                         \
    } while (0)

QByteArray pagesObject(const QByteArray& pdf) { return objectBytes(pdf, 3); }

TEST(PdfDocument, EmptyDocumentIsWrittenByteForByte)
{
    TempProgramFolder folder;
    QString path = folder.file(QStringLiteral("empty.pdf"));
    clsPDFCreator pdf;
    pdf.InitPDFFile(path);
    pdf.ClosePDFFile();

    const QByteArray header = "%PDF-1.3\r\n";
    const QByteArray info = "1 0 obj\r\n<<\r/Title (\\(senza titolo\\))\r/Author (Brenvik)\r"
                            "/Creator  (clsPDFCreator FREE Version)\r/Producer (QuorDVD PDF 1.3 writer)\r>>\r\n"
                            "endobj\r\n";
    const QByteArray catalog = "2 0 obj\r\n<<\r/Type /Catalog\r/Pages 3 0 R\r/PageLayout /OneColumn\r"
                               "/PageMode /UseNone\r/Lang (it) \r/ViewerPreferences << /HideToolbar false "
                               "/DisplayDocTitle true /HideWindowUI false >>\r>>\r\nendobj\r\n";
    const QByteArray resources = "4 0 obj\r\n<<\r/ProcSet [/PDF /Text ]\r>>\r\nendobj\r\n";
    const QByteArray pages = "3 0 obj\r\n<<\r/Type /Pages\r/Count 0\r/MediaBox [0 0 595.2 842]\r"
                             "/CropBox [0 0 595.2 842]\r\r/Kids [ ]\r/Resources 4 0 R\r>>\r\nendobj\r\n";
    const qsizetype at1 = header.size();
    const qsizetype at2 = at1 + info.size();
    const qsizetype at4 = at2 + catalog.size();
    const qsizetype at3 = at4 + resources.size();
    const qsizetype xref = at3 + pages.size();
    const auto entry = [](qsizetype offset) {
        return QByteArray::number(offset).rightJustified(10, '0') + " 00000 n\r\n";
    };
    const QByteArray expected = header + info + catalog + resources + pages + "xref\r\n0 5\r\n" +
                                "0000000000 65535 f\r\n" + entry(at1) + entry(at2) + entry(at3) + entry(at4) +
                                "trailer\r<<\r/Size 5\r/Info 1 0 R\r/Root 2 0 R\r>>\r\nstartxref\r" +
                                QByteArray::number(xref) + "\r\n%%EOF\r\r\n";
    EXPECT_EQ(readBytes(path), expected);
    EXPECT_EQ(at1, 10); // the header takes 10 bytes
    EXPECT_QPDF_PASSES(path);
}

TEST(PdfDocument, ObjectsAreNumberedAndIndexedAsWritten)
{
    TempProgramFolder folder;
    QString path = folder.file(QStringLiteral("one.pdf"));
    clsPDFCreator pdf;
    pdf.InitPDFFile(path);
    pdf.LoadFont(QStringLiteral("Fnt1"), QStringLiteral("Times New Roman"), 0);
    EXPECT_EQ(pdf.BeginPage(), 1);
    pdf.DrawText(72, 700, u"Hello", u"Fnt1", 12, 0, 0);
    pdf.EndPage();
    pdf.ClosePDFFile();

    const QByteArray bytes = readBytes(path);
    const auto offsets = xrefOffsets(bytes);
    // 1 Info, 2 Catalog, 5 and 6 the font, 7 the page, 8 its content, 9 its length, 4 and 3 at the end.
    ASSERT_EQ(offsets.size(), 9u);
    for (const auto& [n, offset] : offsets)
        EXPECT_TRUE(bytes.mid(offset).startsWith(QByteArray::number(n) + " 0 obj\r\n")) << n;
    EXPECT_EQ(offsets.at(1), 10);
    std::vector<int> order;
    for (const auto& [n, offset] : offsets)
        order.push_back(n);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return offsets.at(a) < offsets.at(b); });
    EXPECT_EQ(order, (std::vector<int>{1, 2, 5, 6, 7, 8, 9, 4, 3}));

    // One 20-byte entry per number, announced as such, and /Size the same.
    const qsizetype xref = bytes.indexOf("xref\r\n");
    EXPECT_TRUE(bytes.mid(xref).startsWith("xref\r\n0 10\r\n0000000000 65535 f\r\n0000000010 00000 n\r\n"));
    const qsizetype trailer = bytes.indexOf("trailer");
    EXPECT_EQ(trailer - (xref + 12), 10 * 20);
    EXPECT_TRUE(bytes.mid(trailer).startsWith("trailer\r<<\r/Size 10\r/Info 1 0 R\r/Root 2 0 R\r>>\r\nstartxref\r" +
                                              QByteArray::number(xref) + "\r\n%%EOF\r\r\n"));
    EXPECT_TRUE(bytes.endsWith("%%EOF\r\r\n"));

    EXPECT_TRUE(objectBytes(bytes, 7).contains("<<\r/Type /Page\r/Parent 3 0 R\r/Contents 8 0 R\r>>\r\n"));
    EXPECT_TRUE(objectBytes(bytes, 8).startsWith("8 0 obj\r\n<< /Length 9 0 R >>\rstream\r\n"));
    // The length object holds every byte after the "stream" line, the last CR LF included.
    const QByteArray content = streamData(bytes, 8);
    EXPECT_TRUE(content.endsWith("ET\r\n"));
    EXPECT_EQ(objectBytes(bytes, 9), "9 0 obj\r\n" + QByteArray::number(content.size()) + "\r\nendobj");
    EXPECT_TRUE(pagesObject(bytes).contains("/Count 1\r"));
    EXPECT_TRUE(pagesObject(bytes).contains("\r/Kids [7 0 R  ]\r"));
    EXPECT_TRUE(objectBytes(bytes, 4).contains("<<\r/Font <<\r/Fnt1 5 0 R \r>>\r/ProcSet [/PDF /Text ]\r>>\r\n"));

    EXPECT_QPDF_PASSES(path);
    EXPECT_EQ(pdftotext(path).trimmed(), QStringLiteral("Hello"));
}

TEST(PdfDocument, PaperMarginOrientationAndUnits)
{
    TempProgramFolder folder;
    const struct {
        const char* what;
        std::function<void(clsPDFCreator&)> setUp;
        QByteArray media;
        QByteArray crop;
    } cases[] = {
        {"defaults", [](clsPDFCreator&) {}, "0 0 595.2 842", "0 0 595.2 842"},
        {"paper 1", [](clsPDFCreator& p) { p.setPaperSize(1); }, "0 0 842 1190.5", "0 0 842 1190.5"},
        {"paper 2", [](clsPDFCreator& p) { p.setPaperSize(2); }, "0 0 612 792", "0 0 612 792"},
        {"paper 3", [](clsPDFCreator& p) { p.setPaperSize(3); }, "0 0 612 864", "0 0 612 864"},
        {"unknown code keeps the size",
         [](clsPDFCreator& p) {
             p.setPaperSize(2);
             p.setPaperSize(9);
         },
         "0 0 612 792", "0 0 612 792"},
        {"width after paper 2",
         [](clsPDFCreator& p) {
             p.setPaperSize(2);
             p.setPaperWidth(500);
         },
         "0 0 500 792", "0 0 500 792"},
        {"margin in points",
         [](clsPDFCreator& p) { p.setMargin(10); }, "0 0 595.2 842", "10 10 585.2 832"},
        {"margin kept when the unit changes later",
         [](clsPDFCreator& p) {
             p.setMargin(10);
             p.setScaleMode(3);
         },
         "0 0 595.2 842", "10 10 585.2 832"},
        {"centimetres",
         [](clsPDFCreator& p) {
             p.setScaleMode(3);
             p.setPaperWidth(21);
             p.setPaperHeight(29.7f);
             p.setMargin(1);
         },
         "0 0 595.276 841.89", "28.346 28.346 566.929 813.543"},
        {"inches",
         [](clsPDFCreator& p) {
             p.setScaleMode(1);
             p.setPaperWidth(8.5f);
             p.setPaperHeight(11);
         },
         "0 0 612 792", "0 0 612 792"},
        {"millimetres",
         [](clsPDFCreator& p) {
             p.setScaleMode(2);
             p.setPaperWidth(210);
             p.setPaperHeight(297);
         },
         "0 0 595.276 841.89", "0 0 595.276 841.89"},
        {"unknown unit makes lengths 0",
         [](clsPDFCreator& p) {
             p.setScaleMode(7);
             p.setPaperWidth(210);
         },
         "0 0 0 842", "0 0 0 842"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QString path = folder.file(QStringLiteral("paper.pdf"));
        clsPDFCreator pdf;
        c.setUp(pdf);
        pdf.InitPDFFile(path);
        pdf.ClosePDFFile();
        const QByteArray pages = pagesObject(readBytes(path));
        EXPECT_TRUE(pages.contains("/MediaBox [" + c.media + "]\r/CropBox [" + c.crop + "]\r\r/Kids")) << pages.data();
        EXPECT_QPDF_PASSES(path);
    }

    clsPDFCreator pdf;
    pdf.setPaperSize(2);
    pdf.setPaperWidth(500);
    EXPECT_EQ(pdf.PaperSize(), 255);
    EXPECT_EQ(pdf.PaperHeight(), 792);

    QString path = folder.file(QStringLiteral("turned.pdf"));
    pdf.setOrientation(1);
    pdf.InitPDFFile(path);
    pdf.BeginPage();
    pdf.EndPage();
    pdf.ClosePDFFile();
    EXPECT_TRUE(pagesObject(readBytes(path)).contains("/CropBox [0 0 500 792]\r/Rotate 90\r/Kids [5 0 R  ]"));
    EXPECT_QPDF_PASSES(path);
}

TEST(PdfDocument, TitleIsEscaped)
{
    TempProgramFolder folder;
    QString path = folder.file(QStringLiteral("title.pdf"));
    clsPDFCreator pdf;
    pdf.setTitle(QStringLiteral("C:\\Filme (alle) \u00e4"));
    pdf.InitPDFFile(path);
    pdf.ClosePDFFile();
    EXPECT_TRUE(objectBytes(readBytes(path), 1).contains("/Title (C:\\\\Filme \\(alle\\) \xe4)\r"));
    EXPECT_QPDF_PASSES(path);
}

TEST(PdfDocument, EmptyPathTakesARandomDigitInTheProgramFolder)
{
    TempProgramFolder folder;
    ScriptedRandom random{0.73};
    QString path;
    clsPDFCreator pdf;
    pdf.InitPDFFile(path);
    pdf.ClosePDFFile();
    EXPECT_EQ(path, folder.file(QStringLiteral("QuorDVDSammlung7.pdf")));
    EXPECT_QPDF_PASSES(path);
}

TEST(PdfDocument, RelativePathLiesInTheProgramFolder)
{
    TempProgramFolder folder;
    QString path = QStringLiteral("relative.pdf");
    clsPDFCreator pdf;
    pdf.InitPDFFile(path);
    pdf.ClosePDFFile();
    EXPECT_EQ(path, QStringLiteral("relative.pdf"));
    EXPECT_QPDF_PASSES(folder.file(QStringLiteral("relative.pdf")));
}

TEST(PdfDocument, ASecondDocumentStartsAfresh)
{
    TempProgramFolder folder;
    clsPDFCreator pdf;
    QString first = folder.file(QStringLiteral("first.pdf"));
    pdf.InitPDFFile(first);
    pdf.LoadFont(QStringLiteral("Fnt1"), QStringLiteral("Arial"), 1);
    pdf.StartObject(QStringLiteral("Head"), 7);
    pdf.DrawText(10, 10, u"head", u"Fnt1", 10, 0, 0);
    pdf.EndObject();
    for (int i = 0; i < 3; ++i) {
        pdf.BeginPage();
        pdf.DrawText(50, 50, QStringLiteral("first %1").arg(i + 1), u"Fnt1", 10, 0, 0);
        pdf.EndPage();
    }
    pdf.ClosePDFFile();
    EXPECT_EQ(pdf.Pages(), 3);

    QString second = folder.file(QStringLiteral("second.pdf"));
    pdf.SetPages(0);
    pdf.setTitle(QStringLiteral("Zwei"));
    pdf.InitPDFFile(second);
    pdf.LoadFontStandard(QStringLiteral("F9"), QStringLiteral("Courier"), 0);
    pdf.BeginPage();
    pdf.DrawText(50, 50, u"second", u"F9", 10, 0, 0);
    pdf.EndPage();
    pdf.ClosePDFFile();

    const QByteArray bytes = readBytes(second);
    const auto offsets = xrefOffsets(bytes);
    EXPECT_EQ(offsets.size(), 8u); // 1 to 8: only its own objects
    EXPECT_TRUE(objectBytes(bytes, 5).contains("/Name /F9 "));
    EXPECT_TRUE(pagesObject(bytes).contains("/Count 1\r"));
    EXPECT_TRUE(pagesObject(bytes).contains("/Kids [6 0 R  ]"));
    EXPECT_EQ(objectBytes(bytes, 4), "4 0 obj\r\n<<\r/Font <<\r/F9 5 0 R \r>>\r/ProcSet [/PDF /Text ]\r>>\r\nendobj");
    EXPECT_FALSE(streamData(bytes, 7).contains("Do"));
    EXPECT_TRUE(objectBytes(bytes, 1).contains("/Title (Zwei)"));

    EXPECT_QPDF_PASSES(first);
    EXPECT_QPDF_PASSES(second);
    EXPECT_EQ(pdftotext(first).count(QStringLiteral("head")), 3);
    EXPECT_EQ(pdftotext(second).trimmed(), QStringLiteral("second"));
}

TEST(PdfDocument, NumbersNeverWrittenAreFreeEntries)
{
    TempProgramFolder folder;
    QString path = folder.file(QStringLiteral("gaps.pdf"));
    OpenWriter pdf;
    pdf.InitPDFFile(path);
    EXPECT_EQ(pdf.OpenObj(9), 9);
    pdf.WriteLine("(nine)");
    pdf.CloseObj();
    EXPECT_EQ(pdf.OpenObj(0), 10);
    pdf.WriteLine("10");
    pdf.CloseObj();
    pdf.ClosePDFFile();

    const QByteArray bytes = readBytes(path);
    const qsizetype xref = bytes.indexOf("xref\r\n0 11\r\n");
    ASSERT_GE(xref, 0);
    const QByteArray table = bytes.mid(xref + 12, 11 * 20);
    for (int n = 0; n <= 10; ++n) {
        const QByteArray entry = table.mid(n * 20, 20);
        const bool free = n == 0 || (n >= 5 && n <= 8);
        if (free)
            EXPECT_EQ(entry, "0000000000 65535 f\r\n") << n;
        else
            EXPECT_TRUE(entry.endsWith(" 00000 n\r\n")) << n;
    }
    EXPECT_TRUE(bytes.mid(xref + 12 + 11 * 20).startsWith("trailer\r<<\r/Size 11\r"));
    EXPECT_QPDF_PASSES(path);
}

TEST(PdfDocument, StreamsOpenedOrClosedOutOfTurnAreArgumentErrors)
{
    TempProgramFolder folder;
    QString path = folder.file(QStringLiteral("turns.pdf"));
    clsPDFCreator pdf;
    pdf.InitPDFFile(path);
    EXPECT_EQ(errorKindOf([&] { pdf.EndPage(); }), ErrorKind::Argument);
    EXPECT_EQ(errorKindOf([&] { pdf.EndObject(); }), ErrorKind::Argument);
    pdf.BeginPage();
    EXPECT_EQ(errorKindOf([&] { pdf.BeginPage(); }), ErrorKind::Argument);
    EXPECT_EQ(errorKindOf([&] { pdf.StartObject(QStringLiteral("F"), 7); }), ErrorKind::Argument);
    EXPECT_EQ(errorKindOf([&] { pdf.LoadFont(QStringLiteral("Fnt1"), QStringLiteral("Arial"), 0); }),
              ErrorKind::Argument);
    EXPECT_EQ(errorKindOf([&] { pdf.LoadFontStandard(QStringLiteral("F2"), QStringLiteral("Arial"), 0); }),
              ErrorKind::Argument);
    EXPECT_EQ(errorKindOf([&] { pdf.EndObject(); }), ErrorKind::Argument);
    EXPECT_EQ(errorKindOf([&] { pdf.ClosePDFFile(); }), ErrorKind::Argument);
    pdf.EndPage();
    pdf.ClosePDFFile();
    EXPECT_EQ(pdf.Pages(), 1);
    EXPECT_QPDF_PASSES(path);

    // Without an open document there is no file to write to.
    EXPECT_EQ(errorKindOf([&] { pdf.BeginPage(); }), ErrorKind::InputOutput);
    EXPECT_EQ(errorKindOf([&] { pdf.MoveTo(1, 1); }), ErrorKind::InputOutput);
    EXPECT_EQ(errorKindOf([&] { pdf.ClosePDFFile(); }), ErrorKind::InputOutput);
}

TEST(PdfDocument, SixteenBitCountersOverflow)
{
    TempProgramFolder folder;
    QString path = folder.file(QStringLiteral("full.pdf"));
    OpenWriter pdf;
    pdf.SetPages(32767);
    pdf.InitPDFFile(path);
    EXPECT_EQ(errorKindOf([&] { pdf.BeginPage(); }), ErrorKind::Overflow);
    EXPECT_EQ(pdf.Pages(), 32767);
    pdf.SetPages(0);

    pdf.OpenObj(32765);
    pdf.WriteLine("null");
    pdf.CloseObj();
    // A page needs three numbers, a form two: nothing of them is written.
    EXPECT_EQ(errorKindOf([&] { pdf.BeginPage(); }), ErrorKind::Overflow);
    pdf.LoadFont(QStringLiteral("F1"), QStringLiteral("Arial"), 0); // 32766 and 32767
    EXPECT_EQ(errorKindOf([&] { pdf.LoadFontStandard(QStringLiteral("F2"), QStringLiteral("Arial"), 0); }),
              ErrorKind::Overflow);
    EXPECT_EQ(errorKindOf([&] { pdf.StartObject(QStringLiteral("F3"), 7); }), ErrorKind::Overflow);
    EXPECT_EQ(errorKindOf([&] { pdf.OpenObj(32768); }), ErrorKind::Overflow);
    pdf.ClosePDFFile();
    const QByteArray bytes = readBytes(path);
    EXPECT_TRUE(bytes.contains("xref\r\n0 32768\r\n"));
    EXPECT_FALSE(bytes.contains("/F2"));
    EXPECT_FALSE(bytes.contains("/F3"));
    EXPECT_QPDF_PASSES(path);
    EXPECT_EQ(pdf.Pages(), 0);
}

TEST(PdfDocument, AFileThatCannotBeWrittenIsAnInputOutputError)
{
    TempProgramFolder folder;
    // No folder of that name.
    QString missing = folder.file(QStringLiteral("no/such/folder/x.pdf"));
    clsPDFCreator pdf;
    EXPECT_EQ(errorKindOf([&] { pdf.InitPDFFile(missing); }), ErrorKind::InputOutput);
    // A folder where the file should be.
    QDir().mkpath(folder.file(QStringLiteral("taken.pdf")));
    QString taken = folder.file(QStringLiteral("taken.pdf"));
    EXPECT_EQ(errorKindOf([&] { pdf.InitPDFFile(taken); }), ErrorKind::InputOutput);

    // The name becomes a folder while the document is written: the commit fails.
    QString later = folder.file(QStringLiteral("later.pdf"));
    pdf.InitPDFFile(later);
    pdf.BeginPage();
    pdf.EndPage();
    folder.write(QStringLiteral("later.pdf/inside.txt"), "x");
    EXPECT_EQ(errorKindOf([&] { pdf.ClosePDFFile(); }), ErrorKind::InputOutput);
    EXPECT_TRUE(QFileInfo(later).isDir());
}

// An older file of the name stays as it was when the new document is not finished.
TEST(PdfDocument, OlderFileSurvivesAFailedOrUnfinishedDocument)
{
    TempProgramFolder folder;
    const QByteArray old = "%PDF-1.3 the older file";
    QString path = folder.write(QStringLiteral("QuorDVDSammlung.pdf"), old);

    {
        clsPDFCreator pdf;
        pdf.InitPDFFile(path);
        pdf.BeginPage();
        EXPECT_EQ(readBytes(path), old);
        QString other = folder.file(QStringLiteral("other.pdf"));
        pdf.InitPDFFile(other); // the unfinished document is dropped
        EXPECT_EQ(readBytes(path), old);
        pdf.InitPDFFile(path); // and one dropped with its writer
        pdf.BeginPage();
    }
    EXPECT_EQ(readBytes(path), old);

    // A write that fails on the way: the file size limit stops it after 256 KB.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limited = previous;
    limited.rlim_cur = 256 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    ErrorKind kind = ErrorKind::Argument;
    try {
        clsPDFCreator pdf;
        pdf.InitPDFFile(path);
        pdf.LoadFont(QStringLiteral("Fnt1"), QStringLiteral("Times New Roman"), 0);
        for (int page = 0; page < 200; ++page) {
            pdf.BeginPage();
            for (int row = 0; row < 49; ++row)
                pdf.DrawText(56.693f, 750.0f - row * 14, u"A row of text that fills the page", u"Fnt1", 8, 0, 0);
            pdf.EndPage();
        }
        pdf.ClosePDFFile();
        ADD_FAILURE() << "the document was written past the limit";
    } catch (const RuntimeError& e) {
        kind = e.kind();
        EXPECT_TRUE(e.message().contains(QStringLiteral("disk full or file too large"))) << e.what();
    }
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(kind, ErrorKind::InputOutput);
    EXPECT_EQ(readBytes(path), old);

    // A small document fails only when it is closed, and says why.
    {
        clsPDFCreator pdf;
        pdf.InitPDFFile(path);
        pdf.BeginPage();
        pdf.EndPage();
        FileSizeLimit limit(64);
        try {
            pdf.ClosePDFFile();
            ADD_FAILURE() << "the document was written past the limit";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::InputOutput);
            EXPECT_TRUE(e.message().contains(path + QStringLiteral(": disk full or file too large"))) << e.what();
        }
    }
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("QuorDVD")),
              QStringList{QStringLiteral("QuorDVDSammlung.pdf")});
}

} // namespace
