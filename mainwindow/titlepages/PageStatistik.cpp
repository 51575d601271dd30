#include "mainwindow/titlepages/PageStatistik.h"

#include "mainwindow/frame/MainWindow.h"

PageStatistik::PageStatistik(MainWindow& main) : QObject(&main), m_main(main) {}

void PageStatistik::ShowStatistik() {}

void PageStatistik::HideStatistik() {}

void PageStatistik::SetDesignStatistik() {}

void PageStatistik::SetSizes(int, int) {}
