#include "exchange/WebMenu.h"

#include "data/BoxTexts.h"
#include "data/MessageTexts.h"
#include "data/ProgramFiles.h"
#include "data/StyleTexts.h"
#include "exchange/OnlineService.h"
#include "exchange/core/clsInternetExport.h"
#include "exchange/core/clsWeb.h"
#include "host/PageAction.h"
#include "host/PageHost.h"
#include "session/Session.h"
#include "platform/MessageService.h"

#include <QAction>
#include <QWidget>

namespace {

constexpr int kMaxTitleLength = 15;

// Status messages.
constexpr int kRemoved = MessageText::Removed;
constexpr int kAdded = MessageText::Added;
constexpr int kNoAddress = MessageText::EntriesMissing;
constexpr int kFailed = MessageText::Failed;
constexpr int kBadTitle = MessageText::InvalidValue;
constexpr int kFileUnusable = MessageText::FileUnusable;
constexpr int kNoFavourite = MessageText::NotAvailable;
constexpr int kAddressRefused = MessageText::AddressRefused;

// Box texts.
constexpr int kDeleteTitle = BoxText::DeleteFavouriteTitle;
constexpr int kAddTitle = BoxText::AddFavouriteTitle;
constexpr int kAskNumber = BoxText::FavouriteNumberPrompt;
constexpr int kAskAddress = BoxText::FavouriteAddressPrompt;
constexpr int kAskTitle = BoxText::FavouriteTitlePrompt;

// Caption of the free item.
constexpr int kAddCaption = StyleText::AddFavourite;

} // namespace

WebMenu::WebMenu(PageHost& host, const Items& items) : QObject(host.clientArea()), m_host(host), m_items(items) {}

WebMenu::~WebMenu() = default;

clsWeb& WebMenu::Web()
{
    if (!m_web) {
        m_web = std::make_unique<clsWeb>(ProgramFiles::favourites());
        if (!m_web->readable())
            m_host.StatusMsg(kFileUnusable, causeSuffix(m_web->readFailure()));
    }
    return *m_web;
}

void WebMenu::RefreshFavoritenMenue()
{
    const int n = Web().GetFavoriteCount();
    for (int k = 1; k <= static_cast<int>(m_items.size()); ++k) {
        QAction* item = m_items[static_cast<size_t>(k - 1)];
        if (k <= n)
            // A menu reads "&" as the mark of a shortcut key; the user's title shows as typed.
            item->setText(QStringLiteral("%1: ").arg(k) + Web().GetFavoriteTitleByNr(k).replace(u'&', QStringLiteral("&&")));
        else if (k == n + 1)
            item->setText(u'(' + m_host.session().StyleTexts().MultiWord(kAddCaption) + u')');
        item->setVisible(k <= n + 1);
    }
}

void WebMenu::FavoritClick(int nr)
{
    m_host.HidePopUps();
    if (nr > Web().GetFavoriteCount())
        addFavourite();
    else
        navigate(Web().GetFavoriteUrlByNr(nr));
}

void WebMenu::addFavourite()
{
    if (!Web().readable()) {
        m_host.StatusMsg(kFileUnusable, causeSuffix(Web().readFailure()));
        return;
    }
    clsTranslation& box = m_host.session().BoxTexts();
    const QString title = Messages::get().inputBox(box.MultiWord(kAskTitle), box.MultiWord(kAddTitle), QString());
    // "#" ends the title in the file.
    if (title.isEmpty() || title.size() > kMaxTitleLength || title.contains(u'#')) {
        m_host.StatusMsg(kBadTitle);
        return;
    }
    const QString url = Messages::get().inputBox(box.MultiWord(kAskAddress), box.MultiWord(kAddTitle), QString());
    if (url.isEmpty()) {
        m_host.StatusMsg(kNoAddress);
        return;
    }
    bool added = false;
    if (!runAction(m_host, kFailed, [&] { added = Web().AddFavoriteLink(title, url); }))
        return;
    if (!added) {
        m_host.StatusMsg(kBadTitle);
        return;
    }
    RefreshFavoritenMenue();
    m_host.StatusMsg(kAdded);
}

void WebMenu::menue_internetFavoritenLoeschen_Click()
{
    m_host.HidePopUps();
    const int count = Web().GetFavoriteCount();
    if (count == 0) {
        m_host.StatusMsg(kNoFavourite);
        return;
    }
    clsTranslation& box = m_host.session().BoxTexts();
    const QString answer = Messages::get().inputBox(box.MultiWord(kAskNumber), box.MultiWord(kDeleteTitle), QString());
    // One digit only, so favourites beyond the ninth cannot be chosen.
    if (answer.size() != 1 || answer[0] < u'1' || answer[0] > u'9')
        return;
    const int nr = answer[0].unicode() - u'0';
    if (nr > count)
        return;
    if (!runAction(m_host, kFailed, [&] { Web().RemoveFavoriteLink(nr); }))
        return;
    RefreshFavoritenMenue();
    m_host.StatusMsg(kRemoved);
}

void WebMenu::menue_internetUpdate_Click()
{
    m_host.HidePopUps();
    if (!OnlineService::hasAddress(m_host))
        return;
    const Session& session = m_host.session();
    navigate(clsInternetExport::GetUpdateUrl(session.ServerUrl(), session.Options().Language()));
}

void WebMenu::navigate(const QString& url)
{
    if (!Web().Navigate(url))
        m_host.StatusMsg(kAddressRefused);
}
