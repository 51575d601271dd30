#pragma once

#include "exchange/core/clsInternetImport.h"
#include "host/OnlineTitleEntries.h"

#include <QObject>

class PageHost;
class QListWidget;
class QPushButton;

// The online search page (page 7): asks for a search text, lists the
// service's answers in fixed-width rows and takes one into the new-title page.
class PageWexul : public QObject {
    Q_OBJECT
public:
    explicit PageWexul(PageHost& host);

    // Shows the page and starts a search at once.
    void ShowWexul();
    void HideWexul();
    void SetDesignWexul();
    void SetSizes(int W, int H);

    // One search: asks for the text, sends it and lists the answer.
    void btWexulAgain_Click();
    // Takes the selected answer into the new-title page (page 12).
    void btWexul_Click();

    // The list row of record recordNr of the answer.
    static QString rowText(const clsInternetImport& answer, int recordNr);

signals:
    // A search result to fill the new-title page with; the page was shown
    // and cleared just before.
    void titleTaken(const OnlineTitleEntries& entries);

private:
    void search(const QString& text);

    PageHost& m_host;
    QListWidget* m_list;
    QPushButton* m_btWexul;
    QPushButton* m_btWexulAgain;
    // The last answer: a take reads its record again.
    clsInternetImport m_answer;
};
