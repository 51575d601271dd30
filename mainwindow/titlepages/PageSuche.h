#pragma once

#include <QObject>
#include <cstdint>

class PageHost;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class ucEntry;
class ucOption;
class ucText;

// The search page (page 11): narrows the collection one criterion at a time
// over the program-wide search table (mSearch).
class PageSuche : public QObject {
public:
    explicit PageSuche(PageHost& host);

    void ShowSuche();
    void HideSuche();
    void SetDesignSuche();
    void SetSizes(int W, int H);
    // The search reset: every title of the collection is a hit again.
    void btNewSearch_Click();
    // The result list from the table: the names that still match.
    void ShowSuchergebnisse();
    // One narrowing step with the chosen criterion.
    void btDVDjetztsuchen_Click();
    void ListSuchen_Click(const QString& name);

private:
    void randomPick();

    PageHost& m_host;
    ucText* m_ergebnisse;
    ucText* m_filter;
    ucOption* m_option;
    ucEntry* m_entry;
    QListWidget* m_list;
    QPushButton* m_btSuchen;
    QPushButton* m_btNewSearch;
};
