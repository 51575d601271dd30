#include "mainwindow/titlepages/PageLoeschen.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "data/BoxTexts.h"
#include "data/MessageTexts.h"
#include "data/StyleTexts.h"
#include "host/PageHost.h"
#include "session/Session.h"
#include "host/PageAction.h"
#include "host/PageLayout.h"
#include "platform/MessageService.h"

#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int kButtonHeight = 25;

} // namespace

PageLoeschen::PageLoeschen(PageHost& host) : QObject(host.clientArea()), m_host(host)
{
    m_list = new QListWidget(host.clientArea());
    m_list->setObjectName(QStringLiteral("ListLoeschen"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setFont(FontHelper::labelFont());
    // One line of one font each: the view need not lay out 9999 names to learn their heights.
    m_list->setUniformItemSizes(true);
    m_list->hide();
    m_btLoeschen = new QPushButton(host.clientArea());
    m_btLoeschen->setObjectName(QStringLiteral("btdvdjetztloeschen"));
    m_btLoeschen->setFont(FontHelper::buttonFont());
    m_btLoeschen->resize(m_btLoeschen->width(), kButtonHeight);
    m_btLoeschen->hide();
    connect(m_btLoeschen, &QPushButton::clicked, this, [this] { btdvdjetztloeschen_Click(); });
}

void PageLoeschen::ShowLoeschen()
{
    m_list->show();
    m_btLoeschen->show();
    const clsDatentraegerList& dvds = m_host.session().DVDListe();
    QStringList names;
    names.reserve(dvds.getListSize());
    for (int i = 1; i <= dvds.getListSize(); ++i)
        names << dvds.getDataString(i, clsDatentraegerList::FieldFilmname);
    m_list->clear();
    m_list->addItems(names);
}

void PageLoeschen::HideLoeschen()
{
    m_list->hide();
    m_btLoeschen->hide();
}

void PageLoeschen::SetDesignLoeschen()
{
    const clsOptions& o = m_host.session().Options();
    ColorHelper::setBoxColors(m_list, o.ColorEntryFont(), o.ColorEntryBG());
    m_btLoeschen->setText(m_host.session().StyleTexts().MultiWord(StyleText::DeleteDvdNow));
}

void PageLoeschen::SetSizes(int W, int H)
{
    PageLayout l(m_host.FormFunctions(), W);
    l.setWidth(m_list, W - 400);
    l.setWidth(m_btLoeschen, W - 400);
    l.centre(m_list);
    l.centre(m_btLoeschen);
    l.setHeight(m_list, H - 150);
    l.start(30);
    l.row(m_list, m_list->height() + 5);
    l.row(m_btLoeschen, m_btLoeschen->height() + 5);
}

void PageLoeschen::btdvdjetztloeschen_Click()
{
    Session& session = m_host.session();
    QListWidgetItem* item = m_list->currentItem();
    if (session.DVDListe().getListSize() == 0 || !item || !item->isSelected()) {
        m_host.StatusMsg(MessageText::NothingSelected);
        return;
    }
    if (Messages::get().messageBox(session.BoxTexts().MultiWord(BoxText::AskDelete), MsgButtons::YesNo,
                                   session.BoxTexts().MultiWord(BoxText::ConfirmTitle)) != MsgAnswer::Yes)
        return;
    const int p = m_list->row(item);
    if (!runAction(m_host, MessageText::DeleteFailed, [&] {
            session.changeCollection([&](clsDatentraegerList& dvds) { dvds.RemoveDVD(p + 1); },
                                     Session::AfterChange::FirstTitle);
        }))
        return;
    delete m_list->takeItem(p);
    m_host.StatusMsg(MessageText::Removed);
}
