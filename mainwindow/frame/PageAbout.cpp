#include "mainwindow/frame/PageAbout.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "data/StyleTexts.h"
#include "host/PageHost.h"
#include "session/Session.h"
#include "host/PageLayout.h"
#include "platform/Version.h"

#include <QLabel>

PageAbout::PageAbout(PageHost& host) : QObject(host.clientArea()), m_host(host)
{
    m_about1 = new QLabel(host.clientArea());
    m_about1->setObjectName(QStringLiteral("lbAbout1"));
    m_about2 = new QLabel(host.clientArea());
    m_about2->setObjectName(QStringLiteral("lbAbout2"));
    m_about2->setText(QStringLiteral("Written with C++ and Qt for Linux. Free for private collections."));
    for (QLabel* l : {m_about1, m_about2}) {
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignCenter);
        l->setFont(FontHelper::labelFont());
        l->setAutoFillBackground(true);
        l->hide();
    }
}

void PageAbout::ShowAbout()
{
    m_about1->show();
    m_about2->show();
    m_about1->setText(m_host.session().StyleTexts().MultiWord(StyleText::ProgramVersion) +
                      QStringLiteral(" %1.%2.%3").arg(Version::kMajor).arg(Version::kMinor).arg(Version::kRevision));
}

void PageAbout::HideAbout()
{
    m_about1->hide();
    m_about2->hide();
}

void PageAbout::SetDesignAbout()
{
    const clsOptions& o = m_host.session().Options();
    for (QLabel* l : {m_about1, m_about2})
        ColorHelper::setLabelColors(l, o.ColorFont(), o.ColorBG());
}

void PageAbout::SetSizes(int W, int)
{
    PageLayout l(m_host.FormFunctions(), W);
    for (QLabel* label : {m_about1, m_about2}) {
        l.setWidth(label, W - 60);
        l.centre(label);
    }
    l.start(200);
    l.row(m_about1, m_about1->height() + 20);
    l.row(m_about2, m_about2->height());
}
