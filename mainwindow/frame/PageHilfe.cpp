#include "mainwindow/frame/PageHilfe.h"

#include "mainwindow/frame/MainWindow.h"
#include "mainwindow/frame/PageLayout.h"

#include <QTextBrowser>

PageHilfe::PageHilfe(MainWindow& main) : QObject(&main), m_main(main)
{
    m_browser = new QTextBrowser(main.clientArea());
    m_browser->setObjectName(QStringLiteral("WebBrowser"));
    m_browser->hide();
}

void PageHilfe::ShowHilfe() { m_browser->show(); }

void PageHilfe::HideHilfe() { m_browser->hide(); }

void PageHilfe::SetDesignHilfe() {}

void PageHilfe::SetSizes(int W, int H)
{
    PageLayout l(m_main.FormFunctions(), W);
    l.setWidth(m_browser, W - 60);
    l.centre(m_browser);
    l.setHeight(m_browser, H - 120);
    l.start(30);
    l.row(m_browser, m_browser->height() + 5);
}
