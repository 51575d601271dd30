#include "controls/ucOption.h"
#include "exchange/PageExport.h"
#include "exchange/core/clsInternetExport.h"
#include "platform/HttpClient.h"
#include "tests/exchange/core/ExchangeFixture.h"
#include "tests/exchange/PageFixture.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/RecordingServices.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/ScriptedProgress.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTcpServer>

#include <functional>

using namespace exchange_test;

namespace {

using L = clsDatentraegerList;

const char* const kControls[] = {
    "lbExcelExport",      "btExcelExport",      "lbPDFExport",          "ucOptionExport", "btPDFerstellen",
    "LbHTMLexport",       "ucEntryExpHtmlCaption", "ucEntryExpHtmlFont", "ucEntryExpHtmlBg",
    "ucEntryExpHtmlSite", "btHTMLexport",       "lbQuorExport",         "btQuorExport",
};

class ExportPageTest : public ExchangePageTest {
protected:
    ExportPageTest()
    {
        page = std::make_unique<PageExport>(host);
        page->SetDesignExport();
        page->SetSizes(800, 600);
        page->ShowExport();
        options = find<ucOption>("ucOptionExport");
        caption = find<ucEntry>("ucEntryExpHtmlCaption");
        fontColour = find<ucEntry>("ucEntryExpHtmlFont");
        background = find<ucEntry>("ucEntryExpHtmlBg");
        perPage = find<ucEntry>("ucEntryExpHtmlSite");
    }

    void collectionOf(int count)
    {
        L titles;
        fillList(titles, count);
        setCollection(titles);
    }

    int press(const char* button)
    {
        host.statusMessages.clear();
        click(find<QPushButton>(button));
        EXPECT_EQ(host.statusMessages.size(), 1u) << button;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << button;
        return host.lastStatus();
    }

    std::unique_ptr<PageExport> page;
    ucOption* options;
    ucEntry* caption;
    ucEntry* fontColour;
    ucEntry* background;
    ucEntry* perPage;
};

TEST_F(ExportPageTest, EveryShowingStartsFromTheDefaults)
{
    for (const char* c : kControls)
        EXPECT_TRUE(find<QWidget>(c)->isVisible()) << c;
    const int optionCaptions[] = {143, 144, 145, 146, 147, 148, 165, 166, 167, 149, 150, 151};
    ASSERT_EQ(options->ListSize(), 12);
    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(options->GetCaption(static_cast<std::int16_t>(k)), QStringLiteral("Stil %1").arg(optionCaptions[k - 1]));
    EXPECT_EQ(QStringList({caption->Caption(), fontColour->Caption(), background->Caption(), perPage->Caption()}),
              QStringList({"Stil 164", "Stil 163", "Stil 162", "Stil 161"}));
    const std::pair<const char*, const char*> texts[] = {
        {"btExcelExport", "Stil 158"}, {"btPDFerstellen", "Stil 159"}, {"btHTMLexport", "Stil 160"},
        {"btQuorExport", "Stil 170"},
    };
    for (const auto& [button, text] : texts)
        EXPECT_EQ(find<QPushButton>(button)->text(), text) << button;

    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        EXPECT_EQ(options->Selected(), 1);
        EXPECT_TRUE(options->option(0)->isChecked());
        EXPECT_EQ(caption->value(), "Stil 81");
        EXPECT_EQ(fontColour->value(), "0000CC");
        EXPECT_EQ(background->value(), "000000");
        EXPECT_EQ(perPage->value(), "10");
        // What the user chose is gone once the page has been left.
        QTest::keyClick(options->option(6), Qt::Key_Space);
        EXPECT_EQ(options->Selected(), 7);
        type(caption, "Anderer Titel");
        type(fontColour, "FFFFFF");
        type(background, "123456");
        type(perPage, "3");
        page->HideExport();
        for (const char* c : kControls)
            EXPECT_FALSE(find<QWidget>(c)->isVisible()) << c;
        page->ShowExport();
    }

    // Another language changes the captions but not the four row labels.
    host.session().Options().setLanguage(1);
    host.session().LoadLanguages();
    page->SetDesignExport();
    EXPECT_EQ(find<QPushButton>("btExcelExport")->text(), "Style 158");
    EXPECT_EQ(options->GetCaption(12), "Style 151");
    EXPECT_EQ(perPage->Caption(), "Style 161");
    const std::pair<const char*, const char*> labels[] = {
        {"lbExcelExport", "Excel Export"}, {"lbPDFExport", "PDF Export"}, {"LbHTMLexport", "HTML Export"},
        {"lbQuorExport", "Quor Internet Export"},
    };
    for (const auto& [label, text] : labels)
        EXPECT_EQ(find<QLabel>(label)->text(), text) << label;
}

TEST_F(ExportPageTest, ControlsAreStackedInTheMiddleWithAGapBelowEachButton)
{
    EXPECT_EQ(options->height(), 12 * options->OptionFieldHeight());
    const QSet<QString> buttons = {"btExcelExport", "btPDFerstellen", "btHTMLexport", "btQuorExport"};
    int top = 20;
    for (const char* c : kControls) {
        const QRect g = find<QWidget>(c)->geometry();
        EXPECT_EQ(g.topLeft(), QPoint(100, top)) << c;
        EXPECT_EQ(g.width(), 600) << c;
        EXPECT_GT(g.height(), 0) << c;
        top += g.height() + (buttons.contains(QLatin1String(c)) ? 10 : 0);
    }
    // At 800 x 600 the rows start here.
    const std::pair<const char*, int> tops[] = {
        {"lbExcelExport", 20}, {"lbPDFExport", 75}, {"LbHTMLexport", 358}, {"lbQuorExport", 513},
    };
    for (const auto& [label, y] : tops)
        EXPECT_EQ(find<QWidget>(label)->y(), y) << label;
}

TEST(ExportPage, PdfOptionsChooseTheColumns)
{
    using C = PageExport::PdfColumns;
    const std::pair<int, C> cases[] = {
        {1, {true, true, true, true, true}},     {2, {false, true, true, true, true}},
        {6, {true, true, true, true, false}},    {7, {true, false, false, false, false}},
        {9, {false, false, true, false, false}}, {10, {false, false, false, true, false}},
        {12, {false, false, false, false, false}},
    };
    for (const auto& [option, columns] : cases)
        EXPECT_TRUE(PageExport::pdfColumns(option) == columns) << option;
}

TEST_F(ExportPageTest, PdfButtonWritesTheCollectionAndOpensItOrReportsTheFailure)
{
    RecordingOpener opener;
    collectionOf(2);
    EXPECT_EQ(press("btPDFerstellen"), 16);
    const QString pdf = folder.file("QuorDVDSammlung.pdf");
    EXPECT_EQ(host.log.last(), "StatusMsg 16 (" + pdf + ")"); // the program folder is hidden
    EXPECT_TRUE(folder.read("QuorDVDSammlung.pdf").startsWith("%PDF-1.3"));
    EXPECT_EQ(opener.documents, QStringList{pdf});

    // A file that cannot be written is reported with its cause, and nothing is opened.
    const QByteArray written = folder.read("QuorDVDSammlung.pdf");
    collectionOf(200);
    {
        FileSizeLimit limit(static_cast<rlim_t>(written.size()));
        EXPECT_EQ(press("btPDFerstellen"), 19);
    }
    EXPECT_EQ(host.log.last(), "StatusMsg 19 (cannot write " + pdf + ": disk full or file too large)");
    EXPECT_EQ(folder.read("QuorDVDSammlung.pdf"), written);
    QFile::remove(pdf);
    folder.write("QuorDVDSammlung.pdf/in-the-way", "x");
    EXPECT_EQ(press("btPDFerstellen"), 19);
    EXPECT_EQ(host.log.last(), "StatusMsg 19 (cannot write " + pdf + ": Filename refers to a directory)");
    EXPECT_EQ(opener.documents.size(), 1);
}

TEST_F(ExportPageTest, ExcelButtonFillsTheWorkbookInTheProgramFolder)
{
    collectionOf(3);
    // Without the workbook nothing is created, and the message says why.
    const QString workbook = folder.file("ExportExcel.xlsx");
    EXPECT_EQ(press("btExcelExport"), 17);
    EXPECT_EQ(host.log.last(), "StatusMsg 17 (" + workbook + " does not exist)");
    EXPECT_FALSE(QFileInfo::exists(workbook));

    copyTo(shippedResource("ExportExcel.xlsx"), folder.path(), "ExportExcel.xlsx");
    EXPECT_EQ(press("btExcelExport"), 16);
    EXPECT_EQ(host.log.last(), "StatusMsg 16 (" + folder.file("ExportExcel.xlsx") + ")");
    // Read back by an independent reader.
    const QString script = QStringLiteral(
        "import json, sys, openpyxl\n"
        "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
        "print(json.dumps([[ws.cell(row=r, column=c).value or '' for c in range(1, 18)] for r in range(1, 6)]))\n");
    const QJsonArray rows =
        QJsonDocument::fromJson(runPython(script, {folder.file("ExportExcel.xlsx")}).toUtf8()).array();
    ASSERT_EQ(rows.size(), 5);
    auto texts = [&](int r) {
        QStringList out;
        for (const QJsonValue& v : rows[r].toArray())
            out << v.toString();
        return out;
    };
    EXPECT_EQ(texts(0), QStringList({"Stil 3:", "Stil 4:", "Stil 5:", "Stil 14:", "Stil 6:", "Stil 7:", "Stil 8:",
                                     "Stil 9:", "Stil 10:", "Stil 111:", "Stil 112:", "Stil 113:", "Stil 114:",
                                     "Stil 115:", "Stil 61:", "Stil 12:", "Stil 13:"}));
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(texts(i), titleTexts(host.session().DVDListe(), i)) << i;
    EXPECT_EQ(texts(4), QStringList(17, QString()));

    // A disk that fills up keeps the workbook as it was and says so.
    const QByteArray filled = folder.read("ExportExcel.xlsx");
    collectionOf(60);
    {
        FileSizeLimit limit(static_cast<rlim_t>(filled.size()));
        EXPECT_EQ(press("btExcelExport"), 17);
    }
    EXPECT_EQ(host.log.last(), "StatusMsg 17 (cannot write " + workbook + ": disk full or file too large)");
    EXPECT_EQ(folder.read("ExportExcel.xlsx"), filled);
}

class HtmlButtonTest : public ExportPageTest {
protected:
    HtmlButtonTest()
    {
        restoreTemplates();
        folder.writeLines("settings.aef", {" 0 ", "lists\\collection.adl", "notes.txt", "designs\\none.asd",
                                           " 1000 ", " 760 ", " 640 ", " 480 ", " 900 ", " 600 ", "DVD", "Extras",
                                           "€", " 1 ", " 0 "});
        collectionOf(5);
    }

    // The shipped templates, whatever a case did to them.
    void restoreTemplates()
    {
        QDir().mkpath(folder.file("html"));
        for (const char* t : {"htmlvorn.ahp", "htmldvdeintrag.ahp", "htmlzeile.ahp", "htmlmenue.ahp"}) {
            QDir(folder.file(QStringLiteral("html/") + t)).removeRecursively();
            copyTo(shippedResource(QStringLiteral("html/") + t), folder.file("html"), t);
        }
    }

    QStringList pages() const
    {
        return QDir(folder.path()).entryList({"website*.htm"}, QDir::Files, QDir::Name);
    }
    QString site(int p) const { return QString::fromUtf8(folder.read(QStringLiteral("website%1.htm").arg(p))); }
};

TEST_F(HtmlButtonTest, WritesASiteFromWhatThePageHolds)
{
    type(caption, "Filme <& Serien>");
    type(fontColour, "ffcc00");
    type(perPage, "2.7"); // the whole part counts
    EXPECT_EQ(press("btHTMLexport"), 16);
    EXPECT_EQ(host.log.last(), "StatusMsg 16 (" + folder.file("website1.htm") + ")");
    EXPECT_EQ(pages(), QStringList({"website1.htm", "website2.htm", "website3.htm"}));
    const QString first = site(1);
    EXPECT_TRUE(first.contains("<title>Filme &lt;&amp; Serien&gt;</title>"));
    EXPECT_TRUE(first.contains("color: #ffcc00;"));
    EXPECT_TRUE(first.contains("background: #000000;"));
    EXPECT_TRUE(first.contains("Film 01"));
    EXPECT_TRUE(first.contains("Film 02"));
    EXPECT_FALSE(first.contains("Film 03"));
    EXPECT_TRUE(site(3).contains("Film 05"));
    EXPECT_TRUE(site(3).contains("<a href=\"website2.htm\">2</a>"));
    // The collection and its current title are untouched.
    EXPECT_EQ(host.session().DVDListe().getListSize(), 5);
}

TEST_F(HtmlButtonTest, RefusesBeforeWritingAnything)
{
    struct Case {
        const char* name;
        std::function<void()> setUp;
        int status;
        QString suffix;
    };
    const Case cases[] = {
        {"no number", [&] { type(perPage, "zehn"); }, 24, ""},
        {"below one", [&] { type(perPage, "0.9"); }, 24, ""},
        {"negative", [&] { type(perPage, "-3"); }, 24, ""},
        {"font colour not six digits", [&] { type(fontColour, "#0000CC"); }, 25, " (" + fontColour->Caption() + ")"},
        {"background with a quote", [&] { type(background, "00\"000"); }, 25, " (" + background->Caption() + ")"},
        {"template missing", [&] { QFile::remove(folder.file("html/htmlzeile.ahp")); }, 27, " (htmlzeile.ahp)"},
        {"template unreadable",
         [&] {
             QFile::remove(folder.file("html/htmlmenue.ahp"));
             QDir().mkpath(folder.file("html/htmlmenue.ahp"));
         },
         27, " (htmlmenue.ahp)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        restoreTemplates();
        page->ShowExport();
        type(perPage, "2");
        c.setUp();
        EXPECT_EQ(press("btHTMLexport"), c.status);
        EXPECT_EQ(host.log.last(), QStringLiteral("StatusMsg %1%2").arg(c.status).arg(c.suffix));
        EXPECT_TRUE(pages().isEmpty());
    }

}

TEST_F(HtmlButtonTest, MoreTitlesPerPageThanTheCollectionHoldsMakeOnePage)
{
    for (const char* number : {"10", "6", "99999999999"}) {
        SCOPED_TRACE(number);
        page->ShowExport();
        type(perPage, number);
        EXPECT_EQ(press("btHTMLexport"), 16);
        EXPECT_EQ(pages(), QStringList{"website1.htm"});
        EXPECT_TRUE(site(1).contains("Film 01"));
        EXPECT_TRUE(site(1).contains("Film 05"));
    }
    // No number of titles per page fits an empty collection: nothing is written.
    setCollection(L());
    for (const char* number : {"10", "1"}) {
        SCOPED_TRACE(number);
        page->ShowExport();
        type(perPage, number);
        EXPECT_EQ(press("btHTMLexport"), 24);
        EXPECT_EQ(host.log.last(), "StatusMsg 24");
        EXPECT_EQ(pages(), QStringList{"website1.htm"});
        EXPECT_TRUE(site(1).contains("Film 05"));
    }
}

TEST_F(HtmlButtonTest, StopsAtAPageThatCannotBeWritten)
{
    QDir().mkpath(folder.file("website2.htm")); // a folder where page 2 goes
    type(perPage, "2");
    EXPECT_EQ(press("btHTMLexport"), 19);
    EXPECT_TRUE(host.log.last().startsWith("StatusMsg 19 (cannot write " + folder.file("website2.htm") + ": "))
        << host.log.last().toStdString();
    EXPECT_TRUE(QFileInfo(folder.file("website1.htm")).isFile());
    EXPECT_FALSE(QFileInfo::exists(folder.file("website3.htm")));
}

TEST_F(HtmlButtonTest, AFullDiskIsReportedAndKeepsTheOldPage)
{
    folder.write("website1.htm", "the earlier site");
    type(perPage, "10");
    {
        FileSizeLimit limit(64);
        EXPECT_EQ(press("btHTMLexport"), 19);
    }
    EXPECT_EQ(host.log.last(),
              "StatusMsg 19 (cannot write " + folder.file("website1.htm") + ": disk full or file too large)");
    EXPECT_EQ(folder.read("website1.htm"), "the earlier site");
}

// The upload button against a service on 127.0.0.1, with the progress
// display scripted.
class UploadTest : public ExportPageTest {
protected:
    UploadTest() { host.session().setServerUrl(server.baseUrl()); }

    // Presses the button and returns the status line as the host logged it.
    QString upload()
    {
        host.log.clear();
        press("btQuorExport");
        return host.log.isEmpty() ? QString() : host.log.last();
    }

    LocalHttpServer server;
    QtHttpClient client{5000};
    Http::Scoped http{client};
};

TEST_F(UploadTest, SendsEveryTitleWithProgressAndStopsAtAFailureOrACancel)
{
    bool waitCursor = true;
    int failAt = 0; // 0: none
    server.setHandler([&](const QByteArray&) {
        const QCursor* cursor = QApplication::overrideCursor();
        waitCursor = waitCursor && cursor && cursor->shape() == Qt::WaitCursor;
        LocalHttpServer::Response r;
        r.status = server.requests.size() == failAt ? 500 : 200;
        return r;
    });

    const struct {
        const char* what;
        int titles;
        int failAt;
        int cancelAfter; // -1: never
        const char* status;
        int requests;
        std::vector<int> steps; // what the progress display was told
    } cases[] = {
        {"all go", 4, 0, -1, "StatusMsg 16", 4, {0, 1, 2, 3}},
        {"the second fails", 4, 2, -1, "StatusMsg 19 (HTTP status 500)", 2, {0, 1}},
        {"the first fails", 4, 1, -1, "StatusMsg 19 (HTTP status 500)", 1, {0}},
        {"cancelled after two", 4, 0, 2, "StatusMsg 49 2", 2, {0, 1, 2}},
        {"cancelled at once", 4, 0, 0, "StatusMsg 49 0", 0, {0}},
        {"cancelled after the last", 4, 0, 4, "StatusMsg 16", 4, {0, 1, 2, 3}},
        {"an empty collection", 0, 0, -1, "StatusMsg 16", 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        collectionOf(c.titles);
        const QByteArray listBefore = folder.read("lists/collection.adl");
        server.requests.clear();
        failAt = c.failAt;
        ScriptedProgress progress;
        progress.cancelAfter(c.cancelAfter);

        EXPECT_EQ(upload(), c.status);
        ASSERT_EQ(server.requests.size(), c.requests);
        for (int i = 0; i < c.requests; ++i)
            EXPECT_EQ(server.baseUrl() + server.requests[i],
                      clsInternetExport::GetExportMovie(server.baseUrl(), host.session().DVDListe().getDVD(i + 1), 0));
        EXPECT_EQ(progress.titles, QStringList{"Box 31"});
        EXPECT_EQ(progress.cancelTexts, QStringList{"Box 32"});
        EXPECT_EQ(progress.totals, std::vector<int>{c.titles});
        EXPECT_EQ(progress.steps, c.steps);
        if (!c.steps.empty()) {
            EXPECT_EQ(progress.labels.last(), QStringLiteral("%1 / %2").arg(c.steps.back()).arg(c.titles));
        }
        EXPECT_FALSE(progress.open);
        EXPECT_EQ(host.session().DVDListe().getListSize(), c.titles);
        EXPECT_EQ(folder.read("lists/collection.adl"), listBefore);
    }
    EXPECT_TRUE(waitCursor);
}

TEST_F(UploadTest, AFailedRequestIsNamedAndNoAddressSendsNothing)
{
    collectionOf(2);
    ScriptedProgress progress;

    LocalHttpServer::Response hanging;
    hanging.silent = true;
    server.answer(hanging);
    client.setTimeoutMs(300);
    EXPECT_EQ(upload(), "StatusMsg 19 (timed out after 0.3 s)");
    EXPECT_EQ(server.requests.size(), 1); // the second title is not tried

    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    host.session().setServerUrl(QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort()));
    closed.close();
    EXPECT_EQ(upload(), "StatusMsg 19 (Connection refused)");

    // The shipped address file is empty: the message names where the address goes.
    const int displays = static_cast<int>(progress.totals.size());
    for (const QString& none : {QString(), QStringLiteral("  ")}) {
        host.session().setServerUrl(none);
        EXPECT_EQ(upload(), "StatusMsg 50 " + folder.file("serverurl.txt"));
    }
    EXPECT_EQ(static_cast<int>(progress.totals.size()), displays);
}

} // namespace
