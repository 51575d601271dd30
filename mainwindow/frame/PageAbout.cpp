#include "mainwindow/frame/PageAbout.h"

#include "mainwindow/frame/MainWindow.h"
#include "mainwindow/frame/PageLayout.h"

#include <QLabel>

PageAbout::PageAbout(MainWindow& main) : QObject(&main), m_main(main)
{
    m_about1 = new QLabel(main.clientArea());
    m_about1->setObjectName(QStringLiteral("lbAbout1"));
    m_about2 = new QLabel(main.clientArea());
    m_about2->setObjectName(QStringLiteral("lbAbout2"));
    for (QLabel* l : {m_about1, m_about2}) {
        l->setAlignment(Qt::AlignCenter);
        l->hide();
    }
}

void PageAbout::ShowAbout()
{
    m_about1->show();
    m_about2->show();
}

void PageAbout::HideAbout()
{
    m_about1->hide();
    m_about2->hide();
}

void PageAbout::SetDesignAbout() {}

void PageAbout::SetSizes(int W, int)
{
    PageLayout l(m_main.FormFunctions(), W);
    for (QLabel* label : {m_about1, m_about2}) {
        l.setWidth(label, W - 60);
        l.centre(label);
    }
    l.start(200);
    l.row(m_about1, m_about1->height() + 20);
    l.row(m_about2, m_about2->height());
}
