#include "mainwindow/titlepages/PageZusatztext.h"

#include "mainwindow/frame/MainWindow.h"

PageZusatztext::PageZusatztext(MainWindow& main) : QObject(&main), m_main(main) {}

void PageZusatztext::ShowZusatztext(bool /*standard*/) {}

void PageZusatztext::HideZusatztext() {}

void PageZusatztext::SetDesignZusatztext() {}

void PageZusatztext::SetSizes(int, int) {}
