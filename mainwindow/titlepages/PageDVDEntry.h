#pragma once

#include <QObject>

class MainWindow;

// The title entry page (page 12) and the edit page (page 15), which share
// their entries.
class PageDVDEntry : public QObject {
public:
    explicit PageDVDEntry(MainWindow& main);

    void ShowDVDEntry();
    void HideDVDEntry();
    void ShowDVDEdit();
    void HideDVDEdit();
    void SetDesignDVDEntry();
    void SetSizes(int W, int H);
    // The edit page's save button is placed later in the layout pass.
    void SetSizesEditButton(int W, int H);

private:
    MainWindow& m_main;
};
