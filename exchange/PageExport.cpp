#include "exchange/PageExport.h"

#include "mainwindow/frame/MainWindow.h"

PageExport::PageExport(MainWindow& main) : QObject(&main), m_main(main) {}

void PageExport::ShowExport() {}

void PageExport::HideExport() {}

void PageExport::SetDesignExport() {}

void PageExport::SetSizes(int, int) {}
