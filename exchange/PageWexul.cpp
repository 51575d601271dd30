#include "exchange/PageWexul.h"

#include "mainwindow/frame/MainWindow.h"

PageWexul::PageWexul(MainWindow& main) : QObject(&main), m_main(main) {}

void PageWexul::ShowWexul() {}

void PageWexul::HideWexul() {}

void PageWexul::SetDesignWexul() {}

void PageWexul::SetSizes(int, int) {}
