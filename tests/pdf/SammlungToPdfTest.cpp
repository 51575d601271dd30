#include "data/clsDatentraegerList.h"
#include "data/clsTranslation.h"
#include "pdf/clsSammlungToPDF.h"
#include "platform/RuntimeError.h"
#include "tests/pdf/BmpFiles.h"
#include "tests/pdf/PdfJudges.h"
#include "tests/support/ErrorKindOf.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/RecordingServices.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace PdfJudges;

// One text drawn on a page: size in points, position in centimetres.
struct Drawn {
    double size;
    double x;
    double y;
    QString text;
};

constexpr double kPointsPerCm = 72 / 2.54;

class CollectionPdf : public ::testing::Test {
protected:
    CollectionPdf()
    {
        QStringList lines;
        for (int k = 1; k <= 8; ++k)
            lines << QStringLiteral("%1#Text%1#Word%1").arg(k);
        m_folder.writeLines(QStringLiteral("languages/english-pdf.ass"), lines);
        m_texts.Load(m_folder.file(QStringLiteral("languages/english-pdf.ass")));
    }

    void fill(int titles)
    {
        m_list.ClearList();
        for (int i = 1; i <= titles; ++i) {
            clsDatentraeger d;
            d.SetFilmname(QStringLiteral("Film %1").arg(i, 3, 10, QLatin1Char('0')));
            d.SetBewertung(static_cast<std::uint8_t>(i % 6));
            d.SetGenre(QStringLiteral("Genre%1").arg(i));
            d.SetLandJahr(QStringLiteral("Land%1").arg(i));
            d.SetFsk(static_cast<std::uint8_t>(i % 19));
            d.SetLaenge(static_cast<std::int16_t>(60 + i));
            m_list.AddDVD(d);
        }
    }

    // Writes the collection PDF and checks it with qpdf; the texts of each page.
    QList<QList<Drawn>> create(const bool show[5] = nullptr)
    {
        static const bool none[5] = {};
        const bool* f = show ? show : none;
        EXPECT_TRUE(m_toPdf.CreatePDF(m_texts, m_list, m_path, f[0], f[1], f[2], f[3], f[4]));
        const Verdict v = qpdfCheck(m_folder.file(m_path));
        EXPECT_TRUE(v.passed) << v.output.toStdString();
        m_pdf = readBytes(m_folder.file(m_path));
        return pages();
    }

    QList<QByteArray> pageContents() const
    {
        QList<QByteArray> contents;
        const QByteArray pages = objectBytes(m_pdf, 3);
        const qsizetype kids = pages.indexOf("/Kids [") + 7;
        const QList<QByteArray> refs = pages.mid(kids, pages.indexOf(']', kids) - kids).simplified().split(' ');
        for (qsizetype i = 0; i + 2 < refs.size(); i += 3) {
            const QByteArray page = objectBytes(m_pdf, refs[i].toInt());
            const qsizetype c = page.indexOf("/Contents ") + 10;
            contents << streamData(m_pdf, page.mid(c).split(' ').value(0).toInt());
        }
        return contents;
    }

    static QList<Drawn> texts(const QByteArray& content)
    {
        static const QRegularExpression re(
            QStringLiteral("BT\r\n/Fnt1 (\\S+) Tf\r\n(\\S+) (\\S+) Td\r\n\\((.*)\\) Tj\r\nET\r\n"),
            QRegularExpression::InvertedGreedinessOption);
        QList<Drawn> out;
        const QString s = QString::fromLatin1(content);
        for (auto it = re.globalMatch(s); it.hasNext();) {
            const auto m = it.next();
            out.append({m.captured(1).toDouble(), m.captured(2).toDouble() / kPointsPerCm,
                        m.captured(3).toDouble() / kPointsPerCm, m.captured(4)});
        }
        return out;
    }

    QList<QList<Drawn>> pages() const
    {
        QList<QList<Drawn>> out;
        for (const QByteArray& c : pageContents())
            out.append(texts(c));
        return out;
    }

    static const Drawn* find(const QList<Drawn>& page, const QString& text)
    {
        for (const Drawn& d : page)
            if (d.text == text)
                return &d;
        return nullptr;
    }

    TempProgramFolder m_folder;
    RecordingOpener m_opener;
    clsTranslation m_texts;
    clsDatentraegerList m_list;
    clsSammlungToPDF m_toPdf;
    QString m_path = QStringLiteral("QuorDVDSammlung.pdf");
    QByteArray m_pdf;
};

TEST_F(CollectionPdf, FortyNineRowsAPageWithHeadingsAndFooters)
{
    m_texts.setLanguage(1);
    const struct {
        int titles;
        int pages;
    } cases[] = {{0, 1}, {1, 1}, {49, 1}, {50, 2}, {98, 2}, {99, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.titles);
        fill(c.titles);
        const QList<QList<Drawn>> pages = create();
        ASSERT_EQ(pages.size(), c.pages);
        EXPECT_TRUE(objectBytes(m_pdf, 3).contains(QStringLiteral("/Count %1\r").arg(c.pages).toLatin1()));
        const QList<QByteArray> contents = pageContents();

        for (int p = 1; p <= c.pages; ++p) {
            SCOPED_TRACE(p);
            const QList<Drawn>& page = pages[p - 1];
            // Rows: this page's titles from y 26.5 down by half a centimetre.
            int rows = 0;
            for (const Drawn& d : page) {
                if (!d.text.startsWith(u"Film "))
                    continue;
                const int title = d.text.mid(5).toInt();
                EXPECT_EQ((title - 1) / 49 + 1, p) << d.text.toStdString();
                EXPECT_NEAR(d.y, 26.5 - ((title - 1) % 49) / 2.0, 1e-3) << d.text.toStdString();
                EXPECT_NEAR(d.x, 2, 1e-3);
                EXPECT_EQ(d.size, 8);
                ++rows;
            }
            EXPECT_EQ(rows, std::min(49, c.titles - (p - 1) * 49));

            const Drawn* header = find(page, QStringLiteral("Word2:"));
            ASSERT_TRUE(header);
            EXPECT_NEAR(header->y, 27, 1e-3);
            // Page 1 has its own footer word in either language.
            const Drawn* footer =
                find(page, p == 1 ? QStringLiteral("  Seite 1") : QStringLiteral("  Word8 %1").arg(p));
            ASSERT_TRUE(footer);
            EXPECT_NEAR(footer->y, 1.5, 1e-3);
            EXPECT_EQ(footer->size, 12);
            EXPECT_EQ(contents[p - 1].count("/Footers Do\r\n"), 1);
            EXPECT_EQ(find(page, QStringLiteral("QuorDVD")) != nullptr, p == 1);
        }

        const Drawn* heading = find(pages[0], QStringLiteral("QuorDVD"));
        ASSERT_TRUE(heading);
        EXPECT_EQ(heading->size, 16);
        EXPECT_NEAR(heading->x, 2, 1e-3);
        EXPECT_NEAR(heading->y, 28, 1e-3);
        const Drawn* count = find(pages[0], QStringLiteral("%1 Word1").arg(c.titles));
        ASSERT_TRUE(count);
        EXPECT_EQ(count->size, 12);
        EXPECT_NEAR(count->y, 27.5, 1e-3);

        // The page total, drawn by every page through the form, right-aligned at 20 cm.
        const QString text = pdftotext(m_folder.file(m_path));
        EXPECT_EQ(text.count(QStringLiteral("/%1").arg(c.pages)), c.pages);
        EXPECT_EQ(text.count(QChar(u'\f')), c.pages);
    }
}

TEST_F(CollectionPdf, FooterTextsEndAtTheRightEdgeAndTheFormCarriesThePageTotal)
{
    fill(50);
    const QList<QList<Drawn>> pages = create();
    // Right-aligned: each ends where a text of its width must start to end at 19.5 cm.
    const Drawn* first = find(pages[0], QStringLiteral("  Seite 1"));
    const Drawn* second = find(pages[1], QStringLiteral("  Text8 2"));
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);
    EXPECT_LT(first->x, 19.5 - 1);
    EXPECT_GT(first->x, 19.5 - 3);

    // The form "Footers": "/" and the number of pages, ending at 20 cm.
    const QByteArray pagesObject = objectBytes(m_pdf, 3);
    const QByteArray resources = objectBytes(m_pdf, 4);
    const qsizetype at = resources.indexOf("/Footers ");
    ASSERT_GE(at, 0);
    const int form = resources.mid(at + 9).split(' ').value(0).toInt();
    const QByteArray formObject = objectBytes(m_pdf, form);
    EXPECT_TRUE(formObject.contains("/Subtype /Form"));
    const QList<Drawn> total = texts(streamData(m_pdf, form));
    ASSERT_EQ(total.size(), 1);
    EXPECT_EQ(total[0].text, QStringLiteral("/2"));
    EXPECT_EQ(total[0].size, 12);
    EXPECT_NEAR(total[0].y, 1.5, 1e-3);
    EXPECT_LT(total[0].x, 20 - 0.2);
    EXPECT_GT(total[0].x, 20 - 1);

    // The document's title and font.
    EXPECT_TRUE(objectBytes(m_pdf, 1).contains("/Title (QuorDVD)"));
    EXPECT_TRUE(m_pdf.contains("/BaseFont /TimesNewRoman"));
    EXPECT_TRUE(m_pdf.contains("/FirstChar 32"));
    EXPECT_FALSE(pagesObject.contains("/Rotate"));
}

TEST_F(CollectionPdf, ShownColumnsStandSideBySideInTheirOrder)
{
    fill(2);
    const struct {
        bool show[5];
        QList<double> xs;
        QStringList headers;
        QStringList row1;
    } cases[] = {
        {{false, false, false, false, false}, {2}, {"Text2:"}, {"Film 001"}},
        {{true, true, true, true, true},
         {2, 8.5, 9.5, 15, 17.5, 18.5},
         {"Text2:", "Text3:", "Text4:", "Text5:", "Text6:", "Text7:"},
         {"Film 001", "1", "Genre1", "Land1", "1", "61"}},
        {{false, true, false, false, false}, {2, 8.5}, {"Text2:", "Text4:"}, {"Film 001", "Genre1"}},
        {{true, false, false, false, true}, {2, 8.5, 9.5}, {"Text2:", "Text3:", "Text7:"}, {"Film 001", "1", "61"}},
        {{false, false, true, true, false}, {2, 8.5, 11}, {"Text2:", "Text5:", "Text6:"}, {"Film 001", "Land1", "1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.headers.join(u' ').toStdString());
        const QList<QList<Drawn>> pages = create(c.show);
        ASSERT_EQ(pages.size(), 1);
        QStringList headers;
        QStringList row1;
        QList<double> headerXs;
        for (const Drawn& d : pages[0]) {
            if (std::abs(d.y - 27) < 1e-3) {
                headers << d.text;
                headerXs << d.x;
            }
            if (std::abs(d.y - 26.5) < 1e-3) {
                row1 << d.text;
                EXPECT_NEAR(d.x, headerXs.value(row1.size() - 1, -1), 1e-3);
            }
        }
        EXPECT_EQ(headers, c.headers);
        EXPECT_EQ(row1, c.row1);
        ASSERT_EQ(headerXs.size(), c.xs.size());
        for (qsizetype i = 0; i < c.xs.size(); ++i)
            EXPECT_NEAR(headerXs[i], c.xs[i], 1e-3);
    }
}

TEST_F(CollectionPdf, AFailedWriteIsReportedAndKeepsTheFileThatWasThere)
{
    // A folder that cannot be made: a file stands where it would be.
    m_folder.write(QStringLiteral("blocked"), "a file");
    fill(3);
    EXPECT_FALSE(m_toPdf.CreatePDF(m_texts, m_list, QStringLiteral("blocked/out.pdf"), true, true, true, true, true));

    // A disk that fills up half-way: the old file stays, no temporary file is left.
    m_folder.write(m_path, "the old file");
    fill(500);
    {
        FileSizeLimit limit(20000);
        EXPECT_FALSE(m_toPdf.CreatePDF(m_texts, m_list, m_path, true, true, true, true, true));
        // The writing core names the file and the cause.
        EXPECT_EQ(errorDetailOf([&] {
                      m_toPdf.writeCollection(m_texts, m_list, m_path, true, true, true, true, true);
                  }),
                  "cannot write " + m_folder.file(m_path) + ": disk full or file too large");
    }
    EXPECT_EQ(m_folder.read(m_path), "the old file");
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files).filter(QStringLiteral("QuorDVDSammlung")),
              QStringList{m_path});

    // The same object writes the next document.
    create();
    EXPECT_TRUE(m_pdf.startsWith("%PDF-1.3"));
    EXPECT_TRUE(m_opener.documents.isEmpty()); // the caller opens the viewer
}

TEST_F(CollectionPdf, TheViewerIsAskedToOpenTheFullPath)
{
    EXPECT_TRUE(clsSammlungToPDF::OpenInViewer(m_path));
    EXPECT_EQ(m_opener.documents, QStringList{m_folder.file(m_path)});
}

TEST_F(CollectionPdf, TheCoverPageDrawsThePictureOnlyWhenItCouldBeReadAndGoesToTheViewer)
{
    const QString bmp = m_folder.write(QStringLiteral("cover.bmp"), makeBmp(fourColours24({})));
    const QString out = QStringLiteral("cover.pdf");
    const struct {
        QString picture;
        bool drawn;
    } cases[] = {{bmp, true},
                 {m_folder.file(QStringLiteral("missing.bmp")), false},
                 {m_folder.write(QStringLiteral("bad.bmp"), "BMx"), false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture.toStdString());
        EXPECT_EQ(m_toPdf.CreateCoverPrintPDF(c.picture, out), c.drawn);
        const Verdict v = qpdfCheck(m_folder.file(out));
        EXPECT_TRUE(v.passed) << v.output.toStdString();
        m_pdf = readBytes(m_folder.file(out));
        EXPECT_TRUE(objectBytes(m_pdf, 1).contains("/Title (PrintCover)"));
        EXPECT_TRUE(objectBytes(m_pdf, 3).contains("/Rotate 90\r"));
        const QList<QByteArray> contents = pageContents();
        ASSERT_EQ(contents.size(), 1);
        EXPECT_EQ(contents[0], c.drawn ? QByteArray("q\r141.732  0 0 -141.732 56.693 56.693 cm\r/Img1 Do\rQ\r\n")
                                       : QByteArray());
        EXPECT_EQ(objectBytes(m_pdf, 4).contains("/XObject"), c.drawn);
        // The finished file goes to the viewer, also without its picture.
        EXPECT_EQ(m_opener.documents.value(m_opener.documents.size() - 1), m_folder.file(out));
    }
    EXPECT_EQ(m_opener.documents.size(), 3);
    // Writing fails: a run-time error for the caller, and no viewer.
    m_folder.write(QStringLiteral("blocked"), "a file");
    EXPECT_THROW(m_toPdf.CreateCoverPrintPDF(bmp, QStringLiteral("blocked/cover.pdf")), RuntimeError);
    EXPECT_EQ(m_opener.documents.size(), 3);
}

} // namespace
