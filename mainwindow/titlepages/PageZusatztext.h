#pragma once

#include "mainwindow/titlepages/UnsavedTexts.h"

#include <QObject>
#include <QString>
#include <cstdint>

class PageHost;
class QPushButton;
class ucText;

// The long-text editor (page 14 for the current title, page 17 for the
// standard text). The delete button is visible exactly in per-title mode.
class PageZusatztext : public QObject {
public:
    explicit PageZusatztext(PageHost& host);

    void ShowZusatztext(bool standard);
    void HideZusatztext();
    // Closing the program: the unsaved text shown and every text kept from a
    // failed save are offered to be saved, with Cancel.
    // False keeps the program open (Cancel, or a save that failed).
    bool queryClose();
    void SetDesignZusatztext();
    void SetSizes(int W, int H);

    void btZusatztextSpeichern_Click();
    void btZusatztextLoeschen_Click();

    static QString templatePath();

private:
    UnsavedTexts::Writer writer();
    // Writes the shown text to its file; a RuntimeError naming the cause
    // when it could not be written.
    void saveShown();

    PageHost& m_host;
    ucText* m_ucTextZusatztextBearbeitung;
    QPushButton* m_btZusatztextSpeichern;
    QPushButton* m_btZusatztextLoeschen;
    // The file the shown text was opened from and is saved to: the current
    // title may change before the page is left.
    QString m_target;
    // Texts whose save failed as the page was left, each with its title's file.
    UnsavedTexts m_unsaved;
};
