#include "mainwindow/titlepages/PageSuche.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "controls/ucEntry.h"
#include "controls/ucOption.h"
#include "controls/ucText.h"
#include "data/MessageTexts.h"
#include "data/StyleTexts.h"
#include "data/clsStringFunctions.h"
#include "host/PageAction.h"
#include "host/PageHost.h"
#include "session/Session.h"
#include "host/PageControls.h"
#include "host/PageLayout.h"
#include "mainwindow/titlepages/mSearch.h"
#include "platform/RandomSource.h"
#include "platform/RuntimeError.h"

#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <cmath>

using PageControls::make;

namespace {

constexpr int kRowHeight = 25;
constexpr int kTrailLength = 69;

} // namespace

PageSuche::PageSuche(PageHost& host) : QObject(host.clientArea()), m_host(host)
{
    QWidget* area = host.clientArea();
    m_ergebnisse = make<ucText>(area, "ucTextSuchergebnisse");
    m_filter = make<ucText>(area, "ucFilter");
    m_option = make<ucOption>(area, "ucOptionSuche");
    m_entry = make<ucEntry>(area, "ucEntrySuche");
    m_list = make<QListWidget>(area, "ListSuchen");
    m_btSuchen = make<QPushButton>(area, "btDVDjetztsuchen");
    m_btNewSearch = make<QPushButton>(area, "btNewSearch");
    for (QWidget* w : std::initializer_list<QWidget*>{m_ergebnisse, m_filter, m_entry, m_btSuchen, m_btNewSearch})
        w->resize(w->width(), kRowHeight);
    for (QPushButton* b : {m_btSuchen, m_btNewSearch})
        b->setFont(FontHelper::buttonFont());
    m_list->setFont(FontHelper::labelFont());
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // One line of one font each: the view need not lay out up to 9999 names
    // to learn their heights.
    m_list->setUniformItemSizes(true);

    connect(m_btSuchen, &QPushButton::clicked, this, [this] { btDVDjetztsuchen_Click(); });
    connect(m_btNewSearch, &QPushButton::clicked, this, [this] { btNewSearch_Click(); });
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { ListSuchen_Click(item->text()); });
}

void PageSuche::ShowSuche()
{
    m_ergebnisse->setText(QString::number(m_list->count()));
    for (QWidget* w : std::initializer_list<QWidget*>{m_ergebnisse, m_filter, m_option, m_entry, m_list, m_btSuchen,
                                                      m_btNewSearch})
        w->show();
    if (m_list->count() == 0)
        btNewSearch_Click();
}

void PageSuche::HideSuche()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_ergebnisse, m_filter, m_option, m_entry, m_list, m_btSuchen,
                                                      m_btNewSearch})
        w->hide();
}

void PageSuche::SetDesignSuche()
{
    const clsOptions& o = m_host.session().Options();
    const Design design = o.GetDesign();
    clsTranslation& style = m_host.session().StyleTexts();

    m_ergebnisse->SetDesign(style.MultiWord(StyleText::NumberOfHits), 1, 10, design, 180, false);
    m_filter->SetDesign(style.MultiWord(StyleText::Filter), 1, 0, design,
                        70, true, false);
    m_option->SetDesign(mSearch::kCriteria, 1, 10, style.MultiWord(StyleText::PleaseChoose), o.ColorFont(), o.ColorBG());
    m_entry->SetDesign(style.MultiWord(StyleText::SearchText), 1, 100, 10, design);

    ColorHelper::setBoxColors(m_list, o.ColorEntryFont(), o.ColorEntryBG());

    m_btSuchen->setText(style.MultiWord(StyleText::Search));
    m_btNewSearch->setText(style.MultiWord(StyleText::NewSearch));

    const QString eq = QStringLiteral("(=)");
    const QString atMost = QStringLiteral("(=-)");
    const QString atLeast = QStringLiteral("(=+)");
    const QString captions[mSearch::kCriteria] = {
        style.MultiWord(StyleText::FilmTitle),
        style.MultiWord(StyleText::Rating) + eq,
        style.MultiWord(StyleText::Rating) + atMost,
        style.MultiWord(StyleText::Rating) + atLeast,
        style.MultiWord(StyleText::Genre),
        style.MultiWord(StyleText::Country),
        style.MultiWord(StyleText::Year) + eq,
        style.MultiWord(StyleText::Year) + atMost,
        style.MultiWord(StyleText::Year) + atLeast,
        style.MultiWord(StyleText::AgeRating) + eq,
        style.MultiWord(StyleText::AgeRating) + atMost,
        style.MultiWord(StyleText::AgeRating) + atLeast,
        style.MultiWord(StyleText::RunningTime) + eq,
        style.MultiWord(StyleText::RunningTime) + atMost,
        style.MultiWord(StyleText::RunningTime) + atLeast,
        style.MultiWord(StyleText::Price) + eq,
        style.MultiWord(StyleText::Price) + atMost,
        style.MultiWord(StyleText::Price) + atLeast,
        style.MultiWord(StyleText::Director),
        o.OwnLabelCaption(),
        style.MultiWord(StyleText::Actor),
        style.MultiWord(StyleText::Format),
        style.MultiWord(StyleText::WithTrailer),
        style.MultiWord(StyleText::WithoutTrailer),
        style.MultiWord(StyleText::WithLongText),
        style.MultiWord(StyleText::WithoutLongText),
        style.MultiWord(StyleText::RandomPick),
    };
    for (int k = 1; k <= mSearch::kCriteria; ++k)
        m_option->SetCaption(static_cast<std::int16_t>(k), captions[k - 1]);
}

void PageSuche::SetSizes(int W, int H)
{
    PageLayout l(m_host.FormFunctions(), W);
    const int column = W / 2 - 60;

    l.setWidth(m_filter, W - 60);
    l.setWidth(m_list, column);
    for (QWidget* w : std::initializer_list<QWidget*>{m_entry, m_option, m_ergebnisse})
        l.setWidth(w, column);
    l.setWidth(m_btSuchen, column - 105);
    l.setWidth(m_btNewSearch, 100);

    l.setLeft(m_filter, m_host.FormFunctions().CenterScreenWidth(PageLayout::clamp16(W),
                                                                 PageLayout::clamp16(m_filter->width())));
    l.setLeft(m_list, l.left(m_list->width(), 2, 2));
    for (QWidget* w : std::initializer_list<QWidget*>{m_entry, m_option, m_ergebnisse})
        l.setLeft(w, l.left(w->width(), 1, 2));
    l.setLeft(m_btSuchen, m_ergebnisse->x());
    l.setLeft(m_btNewSearch, m_btSuchen->x() + m_btSuchen->width() + 5);

    // The left column ends level with the list.
    l.setHeight(m_list, H - 100);
    l.setHeight(m_option,
                m_list->height() - m_ergebnisse->height() - m_btSuchen->height() - m_entry->height() - 20);

    l.start(10);
    l.row(m_filter, m_filter->height() + 5);
    l.sameRow(m_list);
    for (QWidget* w : std::initializer_list<QWidget*>{m_entry, m_option, m_ergebnisse})
        l.row(w, w->height() + 5);
    l.row(m_btSuchen, m_btSuchen->height());
    l.setTop(m_btNewSearch, m_btSuchen->y());
}

void PageSuche::btNewSearch_Click()
{
    mSearch::Reset(m_host.session().DVDListe());
    ShowSuchergebnisse();
    m_filter->setText(QString());
}

void PageSuche::ShowSuchergebnisse()
{
    const auto& hits = mSearch::Hits();
    QStringList names;
    for (int i = 1; i <= mSearch::HitCount(); ++i)
        if (hits[i].Treffer)
            names << hits[i].Titel;
    m_list->clear();
    m_list->addItems(names);
    m_ergebnisse->setText(QString::number(m_list->count()));
}

void PageSuche::btDVDjetztsuchen_Click()
{
    const QString s = m_entry->value();
    const int k = m_option->Selected();
    const clsDatentraegerList& list = m_host.session().DVDListe();
    auto& hits = mSearch::Hits();
    const int count = mSearch::HitCount();
    if (!runAction(m_host, MessageText::SearchStepFailed, [&] {
            // Titles deleted since the reset fail every step.
            bool dropped = false;
            for (int i = 1; i <= count; ++i) {
                if (hits[i].Treffer && (hits[i].DVDNr < 1 || hits[i].DVDNr > list.getListSize())) {
                    hits[i].Treffer = false;
                    dropped = true;
                }
            }
            if (k >= 1 && k <= mSearch::kCriteria) {
                const mSearch::Criterion criterion(k, s);
                for (int i = 1; i <= count; ++i) {
                    if (!hits[i].Treffer)
                        continue;
                    if (k == mSearch::kRandomPick) {
                        if (dropped)
                            ShowSuchergebnisse();
                        randomPick();
                        break;
                    }
                    if (!criterion.keeps(list, hits[i].DVDNr))
                        hits[i].Treffer = false;
                }
            }
        }))
        return;
    ShowSuchergebnisse();
    m_filter->setText(clsStringFunctions::TrimFirstChars(m_filter->text() + QStringLiteral(" \u00BB ") +
                                                             m_option->GetCaption(static_cast<std::int16_t>(k)) +
                                                             u'[' + s + u']',
                                                         kTrailLength));
}

void PageSuche::randomPick()
{
    const int n = m_list->count();
    if (n == 0)
        throw RuntimeError(ErrorKind::Index, QStringLiteral("no result to pick from"));
    const int pos = std::clamp(static_cast<int>(std::floor(Random::get().next() * n)), 0, n - 1);
    m_list->setCurrentRow(pos);
    ListSuchen_Click(m_list->item(pos)->text());
}

void PageSuche::ListSuchen_Click(const QString& name) { m_host.JumpToDVD(name, true); }
