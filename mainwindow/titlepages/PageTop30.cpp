#include "mainwindow/titlepages/PageTop30.h"

#include "controls/ucBarDiagram.h"
#include "data/MessageTexts.h"
#include "data/StyleTexts.h"
#include "data/clsPathFunctions.h"
#include "data/clsSortedDiskList.h"
#include "host/PageAction.h"
#include "host/PageHost.h"
#include "session/Session.h"
#include "host/PageLayout.h"
#include "mainwindow/titlepages/PageStatistik.h"
#include "platform/RuntimeError.h"

namespace {

constexpr int kBars = 30;
constexpr int kChartWidth = 670;

} // namespace

PageTop30::PageTop30(PageHost& host, ucBarDiagram* chart) : QObject(host.clientArea()), m_host(host), m_chart(chart) {}

void PageTop30::ShowTop30(std::uint8_t mode)
{
    ucBarDiagram* chart = m_chart;
    chart->Clear();
    if (mode >= 1 && mode <= 3) {
        static const int kField[] = {0, clsDatentraegerList::FieldBewertung, clsDatentraegerList::FieldLaenge,
                                     clsDatentraegerList::FieldKaufpreis};
        static const int kCaption[] = {0, StyleText::Rating, StyleText::RunningTime, StyleText::Price};
        const QString& path = m_host.session().Options().DvdListpath();
        clsSortedDiskList ranking;
        // The collection is written to its file after every change: while
        // the file is the one last written or read, the titles in memory
        // are its titles, and only the bars shown need ranking. An
        // unreadable list shows empty bars and its message below.
        const clsDatentraegerList& titles = m_host.session().DVDListe();
        QString unread;
        const bool read = runAction(
            [&] {
                if (titles.isFileUnchanged(path))
                    ranking.rankTitles(titles, kField[mode], kBars);
                else
                    ranking.loadDiskList(path, kField[mode]);
            },
            [&](const RuntimeError& e) { unread = causeSuffix(e); });
        chart->setBetweenLineVisible(mode != 1);
        for (int i = 1; i <= kBars; ++i) {
            if (!read) {
                chart->SetBar(static_cast<std::int16_t>(i), QString(), 0.0);
                continue;
            }
            double value = ranking.getElementValue(i);
            if (mode == 3)
                value /= 100.0;
            chart->SetBar(static_cast<std::int16_t>(i), ranking.getElementTitle(i), value);
        }
        chart->setCaption(m_host.session().StyleTexts().MultiWord(StyleText::DetailedStatistics) + QStringLiteral(" - ") +
                          m_host.session().StyleTexts().MultiWord(kCaption[mode]));
        if (!read)
            m_host.StatusMsg(clsPathFunctions::checkIfFileExists(path, 0) ? MessageText::FileUnusable
                                                                           : MessageText::ListFileMissing,
                             unread);
    }
    chart->setbarCount(kBars);
    chart->SetDiagram();
    chart->show();
}

void PageTop30::HideTop30() { m_chart->hide(); }

void PageTop30::SetDesignTop30()
{
    const clsOptions& o = m_host.session().Options();
    ucBarDiagram* chart = m_chart;
    chart->setbackColor(o.ColorBG());
    chart->setbgcolor(o.ColorEntryBG());
    chart->setbarColor(o.ColorRating());
    chart->setfontcolor(o.ColorFont());
    chart->setfontcolor2(o.ColorEntryFont());
}

void PageTop30::SetSizes(int W, int H)
{
    ucBarDiagram* chart = m_chart;
    PageLayout l(m_host.FormFunctions(), W);
    PageLayout::setWidth(chart, kChartWidth);
    PageLayout::setLeft(chart, m_host.FormFunctions().CenterScreenWidth(PageLayout::clamp16(W), kChartWidth));
    PageLayout::setHeight(chart, H - 150);
    l.start(30);
    l.row(chart, chart->height() + 5);
}
