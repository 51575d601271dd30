#include "exchange/PageExport.h"

#include "mainwindow/host/PageHost.h"
#include "mainwindow/host/Session.h"

#include <QWidget>

PageExport::PageExport(PageHost& host) : QObject(host.clientArea()), m_host(host) {}

void PageExport::ShowExport() {}

void PageExport::HideExport() {}

void PageExport::SetDesignExport() {}

void PageExport::SetSizes(int, int) {}
