#pragma once

#include "controls/clsFormFunctions.h"
#include "host/PageHost.h"
#include "session/Session.h"

#include <QHash>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

// A page host without the main window: a client area of 800 x 600 pixels, a
// real Session, and a record of what the page asked of its host. Commands
// are logged as text ("ShowPage 1", "StatusMsg 27 suffix", "JumpToDVD Heat").
// A test that builds several pages lets page switches reach them through
// onShowPage and onHideAllPages.
class FakePageHost : public PageHost {
public:
    FakePageHost()
        : m_window(std::make_unique<QWidget>()), m_client(new QWidget(m_window.get()))
    {
        m_window->resize(800, 600);
        m_client->resize(800, 600);
    }

    Session& session() override { return m_session; }

    void StatusMsg(int msgNo, const QString& suffix = QString()) override
    {
        statusMessages.push_back(msgNo);
        log << QStringLiteral("StatusMsg %1%2").arg(msgNo).arg(suffix);
        m_statusLine = m_session.MessageTexts().MultiWord(msgNo) + suffix;
    }
    void ShowPage(int page) override
    {
        log << QStringLiteral("ShowPage %1").arg(page);
        currentPage = page;
        if (onShowPage)
            onShowPage(page);
    }
    void HideAllPages() override
    {
        log << QStringLiteral("HideAllPages");
        if (onHideAllPages)
            onHideAllPages();
    }
    // As the window does it: the first title of that name becomes the current
    // one and page 1 shows it; no such title is message 33.
    void JumpToDVD(const QString& name, bool exact) override
    {
        log << QStringLiteral("JumpToDVD %1%2").arg(name, exact ? QString() : QStringLiteral(" (prefix)"));
        const int found = m_session.DVDListe().indexOfFilmname(name, exact);
        if (found == 0) {
            StatusMsg(33);
            return;
        }
        m_session.selectTitle(found);
        ShowPage(1);
    }
    void HidePopUps() override {}
    void setMenuEnabled(const QString& name, bool enabled) override { menuEnabled[name] = enabled; }
    QWidget* clientArea() override { return m_client; }
    clsFormFunctions& FormFunctions() override { return m_formFunctions; }

    // The last status message, or 0 when none was shown.
    int lastStatus() const { return statusMessages.empty() ? 0 : statusMessages.back(); }
    // What the window's status line would read: the last message's text and
    // suffix, until clearStatusLine() (the window's status timer) empties it.
    const QString& statusLine() const { return m_statusLine; }
    void clearStatusLine() { m_statusLine.clear(); }

    QStringList log;
    std::vector<int> statusMessages;
    QHash<QString, bool> menuEnabled;
    // The page last asked for with ShowPage.
    int currentPage = 1;
    std::function<void(int)> onShowPage;
    std::function<void()> onHideAllPages;

private:
    Session m_session;
    clsFormFunctions m_formFunctions;
    QString m_statusLine;
    std::unique_ptr<QWidget> m_window;
    QWidget* m_client;
};
