#include "mainwindow/titlepages/PageStatistik.h"

#include "controls/ucBarDiagram.h"
#include "controls/ucText.h"
#include "data/MessageTexts.h"
#include "data/ProgramFiles.h"
#include "data/StyleTexts.h"
#include "data/clsPathFunctions.h"
#include "data/clsStatistic.h"
#include "data/clsStringFunctions.h"
#include "host/PageAction.h"
#include "host/PageHost.h"
#include "session/Session.h"
#include "host/PageLayout.h"
#include "host/PageControls.h"
#include "platform/Numbers.h"

#include <cmath>

using PageControls::make;

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

QString pad(QString label)
{
    return clsStringFunctions::SetStringToLength(label, 30, false, QStringLiteral(" "));
}

int portraitsOf(const clsDefaultListFileHandler& names)
{
    int found = 0;
    for (int i = 1; i <= names.getListSize(); ++i) {
        if (clsPathFunctions::checkIfFileExists(ProgramFiles::portrait(names.getElement(i)), 1))
            ++found;
    }
    return found;
}

} // namespace

PageStatistik::PageStatistik(PageHost& host) : QObject(host.clientArea()), m_host(host)
{
    using namespace PageControls;
    QWidget* area = host.clientArea();
    m_ucTextStatistik = make<ucText>(area, "ucTextStatistik");
}

ucBarDiagram* PageStatistik::BarStatistik()
{
    if (!m_ucBarStatistik)
        m_ucBarStatistik = PageControls::make<ucBarDiagram>(m_host.clientArea(), "ucBarStatistik");
    return m_ucBarStatistik;
}

QString PageStatistik::StatistikText() const
{
    const clsDatentraegerList& list = m_host.session().DVDListe();
    const clsTranslation& s = m_host.session().StyleTexts();
    const QString currency = m_host.session().Options().CurrencyChar();

    const int titles = list.getListSize();
    int withTrailer = 0;
    for (int i = 1; i <= titles; ++i) {
        if (!list.titleAt(i).GetTrailerpfad().isEmpty())
            ++withTrailer;
    }
    // One pass for all sums: each pass over 9999 titles costs about as much as the page's repaint.
    const clsStatistic::Summary sum = clsStatistic::GetSummary(list);
    const long long t = static_cast<long long>(Numbers::roundHalfEven(sum.allLength));
    const auto num = [](double v) { return Numbers::toText(v); };

    QString r;
    r += s.MultiWord(StyleText::CollectionStatistics) + kLineEnd;
    r += QString(30, u'-') + kLineEnd + kLineEnd;
    r += pad(s.MultiWord(StyleText::NumberOfTitles)) + QString::number(titles) + kLineEnd;
    r += pad(s.MultiWord(StyleText::TitlesWithTrailer)) + QString::number(withTrailer) + kLineEnd + kLineEnd;
    r += pad(s.MultiWord(StyleText::Actors)) + QString::number(m_host.session().ActorList().getListSize()) + kLineEnd;
    r += pad(s.MultiWord(StyleText::ActorsWithPortrait)) + QString::number(portraitsOf(m_host.session().ActorList())) + kLineEnd + kLineEnd;
    r += pad(s.MultiWord(StyleText::Directors)) + QString::number(m_host.session().DirectorList().getListSize()) + kLineEnd;
    r += pad(s.MultiWord(StyleText::DirectorsWithPortrait)) + QString::number(portraitsOf(m_host.session().DirectorList())) + kLineEnd + kLineEnd;
    r += pad(s.MultiWord(StyleText::Genres)) + QString::number(m_host.session().GenreList().getListSize()) + kLineEnd + kLineEnd;
    r += pad(s.MultiWord(StyleText::TotalRunningTime)) + QString::number(t / 1440) + u' ' + s.MultiWord(StyleText::Days) + u' ' +
         QString::number((t % 1440) / 60) + u' ' + s.MultiWord(StyleText::Hours) + u' ' + QString::number(t % 60) + u' ' +
         s.MultiWord(StyleText::Minutes) + kLineEnd;
    r += pad(s.MultiWord(StyleText::TotalPrice)) + num(sum.allPrices) + u' ' + currency + kLineEnd + kLineEnd;
    const QString avg = s.MultiWord(StyleText::Average) + u' ';
    r += pad(avg + s.MultiWord(StyleText::Rating)) + num(sum.averageRating) + kLineEnd;
    r += pad(avg + s.MultiWord(StyleText::AgeRating)) + num(sum.averageFSK) + kLineEnd;
    r += pad(avg + s.MultiWord(StyleText::RunningTime)) + num(sum.averageLength) + s.MultiWord(StyleText::Minutes) + kLineEnd;
    r += pad(avg + s.MultiWord(StyleText::Price)) + num(sum.averagePrice) + u' ' + currency + kLineEnd +
         kLineEnd + kLineEnd;
    return r;
}

void PageStatistik::ShowStatistik()
{
    m_ucTextStatistik->show();
    if (m_host.session().DVDListe().getListSize() == 0) {
        m_ucTextStatistik->setText(m_host.session().StyleTexts().MultiWord(StyleText::CollectionEmpty));
        m_host.StatusMsg(MessageText::NotAvailable);
        return;
    }
    if (!runAction(m_host, MessageText::ErrorOccurred, [&] { m_ucTextStatistik->setText(StatistikText()); }))
        m_ucTextStatistik->setText(QString());
}

void PageStatistik::HideStatistik() { m_ucTextStatistik->hide(); }

void PageStatistik::SetDesignStatistik()
{
    const clsOptions& o = m_host.session().Options();
    const Design design = o.GetDesign();
    m_ucTextStatistik->SetDesign(m_host.session().StyleTexts().MultiWord(StyleText::Statistics), 2, 10, design, 100, true, m_ucTextStatistik->BorderStyle());
}

void PageStatistik::SetSizes(int W, int H)
{
    PageLayout l(m_host.FormFunctions(), W);
    PageLayout::setWidth(m_ucTextStatistik, W - 60);
    l.centre(m_ucTextStatistik);
    PageLayout::setHeight(m_ucTextStatistik, H - 150);
    l.start(30);
    l.row(m_ucTextStatistik, m_ucTextStatistik->height() + 5);
}
