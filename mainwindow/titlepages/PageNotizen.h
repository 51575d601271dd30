#pragma once

#include "mainwindow/titlepages/UnsavedTexts.h"

#include <QObject>
#include <cstdint>

class PageHost;
class QPushButton;
class ucEntry;
class ucText;

// The notes page (page 6): one free text of the program in "notes.txt".
class PageNotizen : public QObject {
public:
    explicit PageNotizen(PageHost& host);

    void ShowNotizen();
    void HideNotizen();
    // Closing the program: unsaved notes, shown or kept from a failed save,
    // are offered to be saved, with Cancel.
    // False keeps the program open (Cancel, or a save that failed).
    bool queryClose();
    void SetDesignNotizen();
    void SetSizes(int W, int H);

    void LoadNotizen();
    // A RuntimeError naming the cause when the file could not be written.
    void SaveNotizen();
    void btNotizenSpeichern_Click();
    void btNotizenSuche_Click();

private:
    PageHost& m_host;
    ucText* m_ucTextNotizen;
    ucEntry* m_ucEntryNotizsuche;
    QPushButton* m_btNotizenSpeichern;
    QPushButton* m_btNotizenSuche;
    // Notes whose save failed as the page was left: shown again instead of
    // the file, and asked about on closing.
    UnsavedTexts m_unsaved;
};
