#pragma once

#include "controls/clsFormFunctions.h"
#include "controls/ucText.h"
#include "mainwindow/host/PageHost.h"
#include "mainwindow/host/Session.h"

#include <QHash>
#include <QLabel>
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
        : m_window(std::make_unique<QWidget>()), m_client(new QWidget(m_window.get())),
          m_background(new QLabel(m_client)), m_status(new ucText(m_client))
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
    void PlaySound(std::uint8_t kind) override { log << QStringLiteral("PlaySound %1").arg(kind); }
    void ShowPage(int page) override { log << QStringLiteral("ShowPage %1").arg(page); }
    void HideAllPages() override { log << QStringLiteral("HideAllPages"); }
    void JumpToDVD(const QString& name, bool exact) override
    {
        log << QStringLiteral("JumpToDVD %1%2").arg(name, exact ? QString() : QStringLiteral(" (prefix)"));
    }
    void DVDScreenAufrufen(std::int16_t pos) override
    {
        m_session.setAktuelleDVDNr(pos);
        log << QStringLiteral("DVDScreenAufrufen %1").arg(pos);
    }
    void HidePopUps() override {}
    void setMenuEnabled(const QString& name, bool enabled) override { menuEnabled[name] = enabled; }
    QWidget* clientArea() override { return m_client; }
    clsFormFunctions& FormFunctions() override { return m_formFunctions; }
    ucText* statusLine() override { return m_status; }
    QWidget* backgroundImage() override { return m_background; }
    void ShowTrailer() override { log << QStringLiteral("ShowTrailer"); }
    void ShowRegal() override { log << QStringLiteral("ShowRegal"); }
    void ShowCoverVollbild() override { log << QStringLiteral("ShowCoverVollbild"); }
    void BreakSchoner() override { log << QStringLiteral("BreakSchoner"); }

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
    QLabel* m_background;
    ucText* m_status;
};
