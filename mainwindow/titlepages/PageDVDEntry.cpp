#include "mainwindow/titlepages/PageDVDEntry.h"

#include "mainwindow/frame/MainWindow.h"

PageDVDEntry::PageDVDEntry(MainWindow& main) : QObject(&main), m_main(main) {}

void PageDVDEntry::ShowDVDEntry() {}

void PageDVDEntry::HideDVDEntry() {}

void PageDVDEntry::ShowDVDEdit() {}

void PageDVDEntry::HideDVDEdit() {}

void PageDVDEntry::SetDesignDVDEntry() {}

void PageDVDEntry::SetSizes(int, int) {}

void PageDVDEntry::SetSizesEditButton(int, int) {}
