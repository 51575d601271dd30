#include "mainwindow/titlepages/PageTop30.h"

#include "mainwindow/frame/MainWindow.h"

PageTop30::PageTop30(MainWindow& main) : QObject(&main), m_main(main) {}

void PageTop30::ShowTop30(std::uint8_t /*mode*/) {}

void PageTop30::HideTop30() {}

void PageTop30::SetDesignTop30() {}

void PageTop30::SetSizes(int, int) {}
