#include "mainwindow/titlepages/PageNotizen.h"

#include "controls/ucEntry.h"
#include "controls/ucText.h"
#include "data/BoxTexts.h"
#include "data/MessageTexts.h"
#include "data/ProgramFiles.h"
#include "data/StyleTexts.h"
#include "data/clsDefaultTextfileHandler.h"
#include "host/PageAction.h"
#include "host/PageHost.h"
#include "session/Session.h"
#include "host/PageLayout.h"
#include "host/PageControls.h"

#include <QPushButton>

#include <optional>

using PageControls::make;

namespace {

constexpr int kEntryHeight = 25;

QString notesPath() { return ProgramFiles::notes(); }

} // namespace

PageNotizen::PageNotizen(PageHost& host) : QObject(host.clientArea()), m_host(host)
{
    using namespace PageControls;
    QWidget* area = host.clientArea();
    m_ucTextNotizen = make<ucText>(area, "ucTextNotizen");
    m_ucEntryNotizsuche = make<ucEntry>(area, "ucEntryNotizsuche");
    m_ucEntryNotizsuche->resize(m_ucEntryNotizsuche->width(), kEntryHeight);
    m_btNotizenSpeichern = makeButton(area, "btNotizenSpeichern");
    m_btNotizenSuche = makeButton(area, "btNotizenSuche");
    connect(m_btNotizenSpeichern, &QPushButton::clicked, this, &PageNotizen::btNotizenSpeichern_Click);
    connect(m_btNotizenSuche, &QPushButton::clicked, this, &PageNotizen::btNotizenSuche_Click);
}

void PageNotizen::LoadNotizen()
{
    if (!runAction(m_host, MessageText::FileUnusable,
                   [&] { m_ucTextNotizen->setText(clsDefaultTextfileHandler::ReadTxtFile(notesPath(), true)); }))
        m_ucTextNotizen->setText(QString());
}

void PageNotizen::SaveNotizen() { clsDefaultTextfileHandler::writeTextFile(notesPath(), m_ucTextNotizen->text()); }

void PageNotizen::ShowNotizen()
{
    const std::optional<QString> kept = m_unsaved.take(notesPath());
    if (kept)
        m_ucTextNotizen->setText(*kept);
    else
        LoadNotizen();
    m_ucTextNotizen->show();
    m_btNotizenSpeichern->show();
    m_btNotizenSuche->show();
    m_ucEntryNotizsuche->show();
    m_ucTextNotizen->setChanged(kept.has_value());
}

void PageNotizen::HideNotizen()
{
    if (m_ucTextNotizen->isVisible() && m_ucTextNotizen->Changed())
        m_unsaved.offerOnLeaving(m_host, notesPath(), m_ucTextNotizen->text(),
                                 clsDefaultTextfileHandler::writeTextFile);
    m_ucTextNotizen->hide();
    m_btNotizenSpeichern->hide();
    m_btNotizenSuche->hide();
    m_ucEntryNotizsuche->hide();
}

bool PageNotizen::queryClose()
{
    // A hidden page was asked when it was left; it holds notes only when their save failed then.
    const auto saveShown = [this] {
        SaveNotizen();
        m_ucTextNotizen->setChanged(false);
    };
    if (!m_ucTextNotizen->isHidden() && m_ucTextNotizen->Changed() && !UnsavedTexts::askOnClosing(m_host, saveShown))
        return false;
    return m_unsaved.queryClose(m_host, clsDefaultTextfileHandler::writeTextFile);
}

void PageNotizen::btNotizenSpeichern_Click()
{
    if (!runAction(m_host, MessageText::Failed, [this] { SaveNotizen(); }))
        return; // the text stays marked as changed
    m_ucTextNotizen->setChanged(false);
    m_host.StatusMsg(MessageText::Saved);
}

void PageNotizen::btNotizenSuche_Click()
{
    if (m_ucEntryNotizsuche->ChangedEntry()) {
        m_ucTextNotizen->setMarkStartpos(1);
        m_ucEntryNotizsuche->setChangedEntry(false);
    }
    m_ucTextNotizen->MarkSearchText(m_ucEntryNotizsuche->value());
}

void PageNotizen::SetDesignNotizen()
{
    const clsOptions& o = m_host.session().Options();
    const Design design = o.GetDesign();
    const clsTranslation& style = m_host.session().StyleTexts();
    m_ucTextNotizen->SetDesign(style.MultiWord(StyleText::Notes), 2, 10, design, m_ucTextNotizen->Labelwidth(), m_ucTextNotizen->Locked(),
                               m_ucTextNotizen->BorderStyle());
    m_ucEntryNotizsuche->SetDesign(style.MultiWord(StyleText::SearchText), 1, 120, 10, design, false);
    m_btNotizenSpeichern->setText(style.MultiWord(StyleText::Save));
    m_btNotizenSuche->setText(style.MultiWord(StyleText::Search));
}

void PageNotizen::SetSizes(int W, int H)
{
    PageLayout l(m_host.FormFunctions(), W);
    PageLayout::setWidth(m_ucTextNotizen, W - 60);
    l.centre(m_ucTextNotizen);
    PageLayout::setHeight(m_ucTextNotizen, H - 150);
    PageLayout::setWidth(m_ucEntryNotizsuche, 250);
    PageLayout::setLeft(m_btNotizenSpeichern, m_ucTextNotizen->x());
    PageLayout::setLeft(m_btNotizenSuche, m_ucTextNotizen->x() + m_ucTextNotizen->width() - m_btNotizenSuche->width());
    PageLayout::setLeft(m_ucEntryNotizsuche, m_btNotizenSuche->x() - m_ucEntryNotizsuche->width());
    l.start(30);
    l.row(m_ucTextNotizen, m_ucTextNotizen->height() + 5);
    l.sameRow(m_btNotizenSpeichern);
    l.sameRow(m_btNotizenSuche);
    l.sameRow(m_ucEntryNotizsuche);
}
