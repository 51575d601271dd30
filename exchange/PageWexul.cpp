#include "exchange/PageWexul.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "data/BoxTexts.h"
#include "data/MessageTexts.h"
#include "data/StyleTexts.h"
#include "host/WaitCursor.h"
#include "exchange/OnlineService.h"
#include "exchange/core/clsInternetExport.h"
#include "host/PageAction.h"
#include "host/PageControls.h"
#include "host/PageHost.h"
#include "host/PageLayout.h"
#include "session/Session.h"
#include "platform/HttpClient.h"
#include "platform/MessageService.h"

#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace {

// Status messages.
constexpr int kFailed = MessageText::Failed;
constexpr int kTextTooShort = MessageText::SearchTextTooShort;
constexpr int kNothingFound = MessageText::NoTitlesFound;
constexpr int kNoCount = MessageText::AnswerWithoutCount;

constexpr int kMinSearchLength = 2;
constexpr int kRecordRole = Qt::UserRole;

// Record fields of the answer.
enum Field { Name = 1, Genre1, Genre2, Genre3, LandJahr, Fsk, Dauer, Regie, Actor1 };

// Padding only lengthens: a longer value pushes the rest of the row on.
QString right(const QString& text, int width) { return text.leftJustified(width, u' '); }
QString left(const QString& text, int width) { return text.rightJustified(width, u' '); }

// The service writes its count tag in front of the first record, where the
// parser leaves it; it is no part of the film name.
QString value(const clsInternetImport& answer, int recordNr, int fieldNr)
{
    static const QRegularExpression countTag(QStringLiteral("<COUNT=[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    return answer.GetMovie(recordNr, fieldNr).remove(countTag);
}

// What goes into an entry of the new-title page: one line, and no "#",
// which separates the actors in the list file.
QString entryText(QString text)
{
    for (QChar& c : text)
        if (c == u'\r' || c == u'\n' || c == u'#')
            c = u' ';
    return text;
}

} // namespace

PageWexul::PageWexul(PageHost& host) : QObject(host.clientArea()), m_host(host)
{
    QWidget* area = host.clientArea();
    m_list = PageControls::make<QListWidget>(area, "ListWexul");
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setFont(FontHelper::labelFont());
    m_list->setUniformItemSizes(true);
    m_btWexul = PageControls::makeButton(area, "btWexul");
    m_btWexulAgain = PageControls::makeButton(area, "btWexulAgain");
    connect(m_btWexul, &QPushButton::clicked, this, [this] { btWexul_Click(); });
    connect(m_btWexulAgain, &QPushButton::clicked, this, [this] { btWexulAgain_Click(); });
}

void PageWexul::ShowWexul()
{
    m_list->show();
    m_btWexul->show();
    m_btWexulAgain->show();
    btWexulAgain_Click();
}

void PageWexul::HideWexul()
{
    m_list->hide();
    m_btWexul->hide();
    m_btWexulAgain->hide();
}

void PageWexul::SetDesignWexul()
{
    Session& session = m_host.session();
    m_btWexul->setText(session.StyleTexts().MultiWord(StyleText::UseResult));
    m_btWexulAgain->setText(session.StyleTexts().MultiWord(StyleText::NewOnlineSearch));
    ColorHelper::setBoxColors(m_list, session.Options().ColorEntryFont(), session.Options().ColorEntryBG());
}

void PageWexul::SetSizes(int W, int H)
{
    PageLayout l(m_host.FormFunctions(), W);
    l.setWidth(m_list, W - 50);
    l.setHeight(m_list, H - 150);
    l.centre(m_list);
    // Half the list less 5 each, 10 apart: an odd list width leaves its
    // last pixel free rather than moving the second button.
    const int half = m_list->width() / 2 - 5;
    l.setWidth(m_btWexul, half);
    l.setWidth(m_btWexulAgain, half);
    l.setLeft(m_btWexul, m_list->x());
    l.setLeft(m_btWexulAgain, m_btWexul->x() + m_btWexul->width() + 10);
    l.start(30);
    l.row(m_list, m_list->height() + 5);
    l.sameRow(m_btWexul);
    l.row(m_btWexulAgain, m_btWexulAgain->height());
}

QString PageWexul::rowText(const clsInternetImport& answer, int recordNr)
{
    const auto field = [&](int f) { return value(answer, recordNr, f); };
    return right(QString::number(recordNr) + u')', 10) + right(field(Name), 45) + QStringLiteral(" - ") +
           right(field(LandJahr), 25) + QStringLiteral(" - ") + left(field(Dauer), 4) + QStringLiteral("min - ") +
           left(field(Fsk), 4) + QStringLiteral(" - ") +
           right(field(Genre1) + u'/' + field(Genre2) + u'/' + field(Genre3), 60);
}

void PageWexul::btWexulAgain_Click()
{
    m_list->clear();
    // Nothing to type a search for while there is no service to ask.
    if (!OnlineService::hasAddress(m_host))
        return;
    clsTranslation& box = m_host.session().BoxTexts();
    const QString text = Messages::get().inputBox(box.MultiWord(BoxText::SearchTitlePrompt), box.MultiWord(BoxText::OnlineSearchTitle), QString());
    if (text.size() < kMinSearchLength) {
        m_host.StatusMsg(kTextTooShort);
        return;
    }
    runAction(m_host, kFailed, [&] { search(text); });
}

void PageWexul::search(const QString& text)
{
    const Session& session = m_host.session();
    HttpClient& http = Http::get();
    std::optional<QString> reply;
    {
        WaitCursor wait;
        reply = http.get(clsInternetExport::GetSearchMovie(session.ServerUrl(), session.Options().Language(), text));
    }
    if (!reply) {
        OnlineService::reportFailure(m_host, http.lastFailureText());
        return;
    }
    m_answer.SplitToLines(*reply);
    const int count = m_answer.GetCount();
    if (count == 0) {
        m_host.StatusMsg(kNothingFound);
        return;
    }
    const int shown = count == -1 ? clsInternetImport::kRecordsWithoutCount : count;
    for (int i = 1; i <= shown; ++i) {
        if (value(m_answer, i, Name).isEmpty())
            continue;
        auto* row = new QListWidgetItem(rowText(m_answer, i), m_list);
        row->setData(kRecordRole, i);
    }
    if (count == -1)
        m_host.StatusMsg(kNoCount);
}

void PageWexul::btWexul_Click()
{
    QListWidgetItem* row = m_list->currentItem();
    if (m_list->count() == 0 || !row || !row->isSelected())
        return;
    const int r = row->data(kRecordRole).toInt();
    const auto field = [&](int f) { return entryText(value(m_answer, r, f)); };
    OnlineTitleEntries entries;
    entries.filmname = field(Name);
    for (int i = 0; i < 3; ++i)
        entries.genres[i] = field(Genre1 + i);
    entries.landJahr = field(LandJahr);
    entries.fsk = field(Fsk);
    entries.dauer = field(Dauer);
    entries.regie = field(Regie);
    for (int i = 0; i < 5; ++i)
        entries.actors[i] = field(Actor1 + i);

    m_host.ShowPage(12);
    emit titleTaken(entries);
    // Set after the page was cleared: a taken title is not sent back to the service.
    m_host.session().setWexulUebernommen(true);
}
