#include "mainwindow/titlepages/PageLoeschen.h"

#include "mainwindow/frame/MainWindow.h"

PageLoeschen::PageLoeschen(MainWindow& main) : QObject(&main), m_main(main) {}

void PageLoeschen::ShowLoeschen() {}

void PageLoeschen::HideLoeschen() {}

void PageLoeschen::SetDesignLoeschen() {}

void PageLoeschen::SetSizes(int, int) {}
