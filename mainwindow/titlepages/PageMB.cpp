#include "mainwindow/titlepages/PageMB.h"

#include "mainwindow/frame/MainWindow.h"

PageMB::PageMB(MainWindow& main) : QObject(&main), m_main(main) {}

void PageMB::ShowMB() {}

void PageMB::HideMB() {}

void PageMB::SetDesignMB() {}

void PageMB::SetSizes(int, int) {}
