#pragma once

#include <QObject>
#include <array>
#include <memory>

class PageHost;
class QAction;
class clsWeb;

// The Internet menu's commands: the five favourite items (a favourite opens
// in the browser; the first free item adds one), deleting a favourite by
// its number, and the online service's update page.
class WebMenu : public QObject {
public:
    using Items = std::array<QAction*, 5>;

    // items: the five favourite entries of the menu, which this object captions.
    WebMenu(PageHost& host, const Items& items);
    ~WebMenu() override;

    // Captions and visibility of the five items from the favourites.
    void RefreshFavoritenMenue();
    // Item nr: opens its favourite, or adds one when it is the free item.
    void FavoritClick(int nr);
    void menue_internetFavoritenLoeschen_Click();
    void menue_internetUpdate_Click();

    // Read from "favorites.txt" on first use; an unreadable file is reported here.
    clsWeb& Web();

private:
    void addFavourite();
    void navigate(const QString& url);

    PageHost& m_host;
    Items m_items;
    std::unique_ptr<clsWeb> m_web;
};
