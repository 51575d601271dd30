#include "exchange/PageWexul.h"

#include "mainwindow/host/PageHost.h"
#include "mainwindow/host/Session.h"

#include <QWidget>

PageWexul::PageWexul(PageHost& host) : QObject(host.clientArea()), m_host(host) {}

void PageWexul::ShowWexul() {}

void PageWexul::HideWexul() {}

void PageWexul::SetDesignWexul() {}

void PageWexul::SetSizes(int, int) {}
