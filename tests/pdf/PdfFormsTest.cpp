#include "pdf/clsPDFCreator.h"
#include "platform/RuntimeError.h"
#include "tests/pdf/PdfJudges.h"
#include "tests/support/ErrorKindOf.h"
#include "tests/support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace PdfJudges;

class PdfForms : public ::testing::Test {
protected:
    // Writes a document of the given pages; before(p) runs before page p
    // begins (p = pages + 1: after the last page), on(p) inside page p.
    QByteArray write(int pages, const std::function<void(clsPDFCreator&, int)>& before,
                     const std::function<void(clsPDFCreator&, int)>& on = {})
    {
        m_path = m_folder.file(QStringLiteral("forms.pdf"));
        clsPDFCreator pdf;
        pdf.InitPDFFile(m_path);
        pdf.LoadFont(QStringLiteral("Fnt1"), QStringLiteral("Times New Roman"), 0);
        for (int p = 1; p <= pages; ++p) {
            before(pdf, p);
            m_pageObjects.push_back(0);
            EXPECT_EQ(pdf.BeginPage(), p);
            if (on)
                on(pdf, p);
            pdf.DrawText(100, 400, QStringLiteral("page %1").arg(p), u"Fnt1", 12, 0, 0);
            pdf.EndPage();
        }
        before(pdf, pages + 1);
        pdf.ClosePDFFile();
        const Verdict v = qpdfCheck(m_path);
        EXPECT_TRUE(v.passed) << v.output.toStdString();
        return readBytes(m_path);
    }

    // Content of each page in order, found through the page tree.
    static QList<QByteArray> pageContents(const QByteArray& pdf)
    {
        QList<QByteArray> contents;
        const QByteArray pages = objectBytes(pdf, 3);
        const qsizetype kids = pages.indexOf("/Kids [") + 7;
        const QList<QByteArray> refs = pages.mid(kids, pages.indexOf(']', kids) - kids).simplified().split(' ');
        for (qsizetype i = 0; i + 2 < refs.size(); i += 3) {
            const QByteArray page = objectBytes(pdf, refs[i].toInt());
            const qsizetype c = page.indexOf("/Contents ") + 10;
            contents << streamData(pdf, page.mid(c).split(' ').value(0).toInt());
        }
        return contents;
    }

    TempProgramFolder m_folder;
    QString m_path;
    std::vector<int> m_pageObjects;
};

TEST_F(PdfForms, PageFlagsChooseThePagesThatDrawTheFormThemselves)
{
    const struct {
        std::vector<std::int32_t> flags;
        std::vector<int> pages;
    } cases[] = {
        {{7, 15, 6}, {1, 2, 3, 4, 5, 6}},
        {{14}, {2, 3, 4, 5, 6}},
        {{2, 3, 10, 11}, {2, 4, 6}},
        {{4, 5}, {1, 3, 5}},
        {{12, 13}, {3, 5}},
        {{0, 1, 8, 9}, {}},
    };
    for (const auto& c : cases) {
        for (const std::int32_t flags : c.flags) {
            SCOPED_TRACE(flags);
            const QByteArray pdf = write(6, [flags](clsPDFCreator& p, int page) {
                if (page == 1) {
                    p.StartObject(QStringLiteral("Frame"), flags);
                    p.Rectangle(20, 20, 555.2f, 802, 1, 0);
                    p.EndObject();
                }
            });
            const QList<QByteArray> contents = pageContents(pdf);
            ASSERT_EQ(contents.size(), 6);
            for (int page = 1; page <= 6; ++page) {
                const bool draws = std::find(c.pages.begin(), c.pages.end(), page) != c.pages.end();
                // The form comes first, beneath what the page draws.
                EXPECT_EQ(contents[page - 1].startsWith("/Frame Do\r\nBT\r\n"), draws) << page;
                EXPECT_EQ(contents[page - 1].count("Do"), draws ? 1 : 0) << page;
            }
        }
    }
}

TEST_F(PdfForms, FormsDrawFromThePageAfterTheirRegistrationInTheirOrder)
{
    const QByteArray pdf = write(5, [](clsPDFCreator& p, int page) {
        if (page == 3) {
            p.StartObject(QStringLiteral("Second"), 7);
            p.EndObject();
            p.StartObject(QStringLiteral("Third"), 4);
            p.EndObject();
        }
        if (page == 1) {
            p.StartObject(QStringLiteral("First"), 7);
            p.EndObject();
        }
    });
    const QList<QByteArray> contents = pageContents(pdf);
    ASSERT_EQ(contents.size(), 5);
    EXPECT_TRUE(contents[0].startsWith("/First Do\r\nBT"));
    EXPECT_TRUE(contents[1].startsWith("/First Do\r\nBT"));
    EXPECT_TRUE(contents[2].startsWith("/First Do\r\n/Second Do\r\n/Third Do\r\nBT"));
    EXPECT_TRUE(contents[3].startsWith("/First Do\r\n/Second Do\r\nBT"));
    EXPECT_TRUE(contents[4].startsWith("/First Do\r\n/Second Do\r\n/Third Do\r\nBT"));
}

// The footer pattern: drawn by name on every page, made after the last one
// when the number of pages is known.
TEST_F(PdfForms, AFormMadeAfterTheLastPageIsDrawnByNameOnEveryPage)
{
    const QByteArray pdf = write(
        3,
        [](clsPDFCreator& p, int page) {
            if (page == 4) {
                p.setScaleMode(3);
                p.StartObject(QStringLiteral("Footers"), 7);
                p.DrawText(20, 1.5f, QStringLiteral("/%1").arg(p.Pages()), u"Fnt1", 12, 1, 0);
                p.EndObject();
            }
        },
        [](clsPDFCreator& p, int) { p.DrawObject(u"Footers"); });

    // Objects: 5 and 6 the font, three pages of three objects (7 to 15), then the form and its length.
    const QByteArray form = objectBytes(pdf, 16);
    EXPECT_TRUE(form.startsWith("16 0 obj\r\n<<\r/Type /XObject\r/Subtype /Form\r/FormType 1\r/Name /Footers\r"
                                "/BBox [0 0 595.2 842]\r/Matrix [1 0 0 1 0 0]\r/Length 17 0 R >>\rstream\r\n"))
        << form.data();
    EXPECT_EQ(objectBytes(pdf, 17), "17 0 obj\r\n" + QByteArray::number(streamData(pdf, 16).size()) + "\r\nendobj");
    EXPECT_TRUE(objectBytes(pdf, 4).contains("/XObject <<\r\r/Footers 16 0 R \r>>\r"));
    for (const QByteArray& content : pageContents(pdf))
        EXPECT_TRUE(content.startsWith("/Footers Do\r\nBT")) << content.data();
    EXPECT_EQ(pdftotext(m_path).count(QStringLiteral("/3")), 3);
}

// The writer with its placement opened up (images are placed the same way).
class PlacingWriter : public clsPDFCreator {
public:
    using clsPDFCreator::PlaceXObject;
};

TEST_F(PdfForms, PlacementWritesTheHeightAsOneNumber)
{
    m_path = m_folder.file(QStringLiteral("placed.pdf"));
    PlacingWriter pdf;
    pdf.setScaleMode(3);
    pdf.InitPDFFile(m_path);
    pdf.StartObject(QStringLiteral("Box"), 0);
    pdf.Rectangle(0, 0, 1, 1, 4, 0);
    pdf.EndObject();
    pdf.BeginPage();
    pdf.PlaceXObject(u"Box", 2, 2, 5, 5);
    pdf.PlaceXObject(u"Box", 2, 2, 5, -5);
    pdf.PlaceXObject(u"Box", 2, 2, 5, 0);
    pdf.EndPage();
    pdf.ClosePDFFile();
    EXPECT_EQ(streamData(readBytes(m_path), 8), "q\r141.732  0 0 -141.732 56.693 56.693 cm\r/Box Do\rQ\r\n"
                                                 "q\r141.732  0 0 141.732 56.693 56.693 cm\r/Box Do\rQ\r\n"
                                                 "q\r141.732  0 0 0 56.693 56.693 cm\r/Box Do\rQ\r\n");
    const Verdict v = qpdfCheck(m_path);
    EXPECT_TRUE(v.passed) << v.output.toStdString();
}

TEST_F(PdfForms, TheBoxIsThePageInsetByTheMargin)
{
    m_path = m_folder.file(QStringLiteral("box.pdf"));
    clsPDFCreator pdf;
    pdf.setScaleMode(3);
    pdf.setMargin(1);
    pdf.InitPDFFile(m_path);
    pdf.StartObject(QStringLiteral("Box"), 0);
    EXPECT_EQ(errorKindOf([&] { pdf.EndPage(); }), ErrorKind::Argument);
    EXPECT_EQ(errorKindOf([&] { pdf.StartObject(QStringLiteral("Nested"), 0); }), ErrorKind::Argument);
    pdf.EndObject();
    pdf.BeginPage();
    pdf.DrawObject(u"Box");
    pdf.EndPage();
    pdf.ClosePDFFile();
    const QByteArray bytes = readBytes(m_path);
    EXPECT_TRUE(objectBytes(bytes, 5).contains("/BBox [28.346 28.346 566.854 813.654]\r"));
    EXPECT_FALSE(bytes.contains("Nested"));
    const Verdict v = qpdfCheck(m_path);
    EXPECT_TRUE(v.passed) << v.output.toStdString();
}

} // namespace
