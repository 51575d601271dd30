#include "mainwindow/settingspages/PageEinstellungen.h"

#include "mainwindow/frame/MainWindow.h"

PageEinstellungen::PageEinstellungen(MainWindow& main) : QObject(&main), m_main(main) {}

void PageEinstellungen::ShowEinstellungen() {}

void PageEinstellungen::HideEinstellungen() {}

void PageEinstellungen::SetDesignEinstellungen() {}

void PageEinstellungen::SetSizes(int, int) {}
