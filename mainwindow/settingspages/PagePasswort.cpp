#include "mainwindow/settingspages/PagePasswort.h"

#include "mainwindow/frame/MainWindow.h"

PagePasswort::PagePasswort(MainWindow& main) : QObject(&main), m_main(main) {}

void PagePasswort::ShowPasswort() {}

void PagePasswort::HidePasswort() {}

void PagePasswort::SetDesignPasswort() {}

void PagePasswort::SetSizes(int, int) {}
