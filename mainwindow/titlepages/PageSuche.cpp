#include "mainwindow/titlepages/PageSuche.h"

#include "mainwindow/frame/MainWindow.h"

PageSuche::PageSuche(MainWindow& main) : QObject(&main), m_main(main) {}

void PageSuche::ShowSuche() {}

void PageSuche::HideSuche() {}

void PageSuche::SetDesignSuche() {}

void PageSuche::SetSizes(int, int) {}

void PageSuche::btNewSearch_Click() {}
