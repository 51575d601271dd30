#include "mainwindow/frame/PageHilfe.h"

#include "data/ProgramFiles.h"
#include "host/PageHost.h"
#include "session/Session.h"
#include "host/PageLayout.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

PageHilfe::PageHilfe(PageHost& host) : QObject(host.clientArea()), m_host(host)
{
    m_browser = new QTextBrowser(host.clientArea());
    m_browser->setObjectName(QStringLiteral("WebBrowser"));
    // Links to other sites go to the user's browser, not into the help page.
    m_browser->setOpenExternalLinks(true);
    m_browser->hide();
}

void PageHilfe::ShowHilfe()
{
    LoadHilfe();
    m_browser->show();
}

void PageHilfe::LoadHilfe()
{
    const QString path =
        ProgramFiles::help(m_host.session().Options().Language());
    if (!QFileInfo(path).isFile()) {
        // The browser's own word for a page it cannot find.
        m_browser->setSource(QUrl());
        m_browser->setHtml(QStringLiteral("<h3>404</h3><p>%1</p>").arg(path.toHtmlEscaped()));
        return;
    }
    m_browser->setSource(QUrl());
    m_browser->setSource(QUrl::fromLocalFile(path));
}

void PageHilfe::HideHilfe() { m_browser->hide(); }

void PageHilfe::SetDesignHilfe() {}

void PageHilfe::SetSizes(int W, int H)
{
    PageLayout l(m_host.FormFunctions(), W);
    l.setWidth(m_browser, W - 60);
    l.centre(m_browser);
    l.setHeight(m_browser, H - 120);
    l.start(30);
    l.row(m_browser, m_browser->height() + 5);
}
