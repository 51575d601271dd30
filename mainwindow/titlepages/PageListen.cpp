#include "mainwindow/titlepages/PageListen.h"

#include "mainwindow/frame/MainWindow.h"

PageListen::PageListen(MainWindow& main) : QObject(&main), m_main(main) {}

void PageListen::ShowListen() {}

void PageListen::HideListen() {}

void PageListen::SetDesignListen() {}

void PageListen::SetSizes(int, int) {}
