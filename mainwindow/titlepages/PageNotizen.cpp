#include "mainwindow/titlepages/PageNotizen.h"

#include "mainwindow/frame/MainWindow.h"

PageNotizen::PageNotizen(MainWindow& main) : QObject(&main), m_main(main) {}

void PageNotizen::ShowNotizen() {}

void PageNotizen::HideNotizen() {}

void PageNotizen::SetDesignNotizen() {}

void PageNotizen::SetSizes(int, int) {}
