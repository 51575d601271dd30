#pragma once

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
    // Closing the program: an unsaved text is offered to be saved, with Cancel.
    // False keeps the program open (Cancel, or a save that failed).
    bool queryClose();
    void SetDesignZusatztext();
    void SetSizes(int W, int H);

    void btZusatztextSpeichern_Click();
    void btZusatztextLoeschen_Click();

    static QString templatePath();

private:
    PageHost& m_host;
    ucText* m_ucTextZusatztextBearbeitung;
    QPushButton* m_btZusatztextSpeichern;
    QPushButton* m_btZusatztextLoeschen;
};
