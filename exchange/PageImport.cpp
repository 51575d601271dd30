#include "exchange/PageImport.h"

#include "mainwindow/host/PageHost.h"
#include "mainwindow/host/Session.h"

#include <QWidget>

PageImport::PageImport(PageHost& host) : QObject(host.clientArea()), m_host(host) {}

void PageImport::ShowImport() {}

void PageImport::HideImport() {}

void PageImport::SetDesignImport() {}

void PageImport::SetSizes(int, int) {}
