#include "mainwindow/settingspages/PagePasswort.h"

#include "mainwindow/host/PageHost.h"
#include "mainwindow/host/Session.h"

#include <QWidget>

PagePasswort::PagePasswort(PageHost& host) : QObject(host.clientArea()), m_host(host) {}

void PagePasswort::ShowPasswort() {}

void PagePasswort::HidePasswort() {}

void PagePasswort::SetDesignPasswort() {}

void PagePasswort::SetSizes(int, int) {}
