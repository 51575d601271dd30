#include "exchange/PageImport.h"

#include "mainwindow/frame/MainWindow.h"

PageImport::PageImport(MainWindow& main) : QObject(&main), m_main(main) {}

void PageImport::ShowImport() {}

void PageImport::HideImport() {}

void PageImport::SetDesignImport() {}

void PageImport::SetSizes(int, int) {}
