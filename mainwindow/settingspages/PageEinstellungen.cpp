#include "mainwindow/settingspages/PageEinstellungen.h"

#include "mainwindow/host/PageHost.h"
#include "mainwindow/host/Session.h"

#include <QWidget>

PageEinstellungen::PageEinstellungen(PageHost& host) : QObject(host.clientArea()), m_host(host) {}

void PageEinstellungen::ShowEinstellungen() {}

void PageEinstellungen::HideEinstellungen() {}

void PageEinstellungen::SetDesignEinstellungen() {}

void PageEinstellungen::SetSizes(int, int) {}
