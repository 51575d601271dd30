#pragma once

#include "controls/clsFormFunctions.h"
#include "host/PageHost.h"
#include "session/Session.h"

#include <QHash>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

// A page host without the main window: a client area of 800 x 600 pixels, a
// real Session, and a record of what the page asked of its host. Commands
// are logged as text ("ShowPage 1", "StatusMsg 27 suffix", "JumpToDVD Heat").
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
    }
    void ShowPage(int page) override { log << QStringLiteral("ShowPage %1").arg(page); }
    void HideAllPages() override { log << QStringLiteral("HideAllPages"); }
    void JumpToDVD(const QString& name, bool exact) override
    {
        log << QStringLiteral("JumpToDVD %1%2").arg(name, exact ? QString() : QStringLiteral(" (prefix)"));
    }
    void HidePopUps() override {}
    void setMenuEnabled(const QString& name, bool enabled) override { menuEnabled[name] = enabled; }
    QWidget* clientArea() override { return m_client; }
    clsFormFunctions& FormFunctions() override { return m_formFunctions; }

    // The last status message, or 0 when none was shown.
    int lastStatus() const { return statusMessages.empty() ? 0 : statusMessages.back(); }

    QStringList log;
    std::vector<int> statusMessages;
    QHash<QString, bool> menuEnabled;

private:
    Session m_session;
    clsFormFunctions m_formFunctions;
    std::unique_ptr<QWidget> m_window;
    QWidget* m_client;
};
