#pragma once

#include <QObject>
#include "data/clsDatentraeger.h"
#include "host/OnlineTitleEntries.h"

#include <QString>
#include <optional>

class PageHost;
class QPushButton;
class ucEntry;

// The title entry page (page 12) and the edit page (page 15), which share
// their entries.
class PageDVDEntry : public QObject {
    Q_OBJECT
public:
    explicit PageDVDEntry(PageHost& host);

    void ShowDVDEntry();
    void HideDVDEntry();
    void ShowDVDEdit();
    void HideDVDEdit();
    void SetDesignDVDEntry();
    void SetSizes(int W, int H);
    // The edit page's save button is placed later in the layout pass.
    void SetSizesEditButton(int W, int H);

    void ClearDVDEntry();
    // Puts a search result into the entries, whole and unchecked; the
    // entries it does not name keep their values.
    void takeOnlineTitle(const OnlineTitleEntries& entries);
    // Checks the entries and stores the title: replace changes the current
    // title, otherwise a title is added. True when the title was stored.
    bool SaveDVDEntry(bool replace);

    void btdvdjetzthinzufuegen_Click();
    void btDVDjetztBearbeiten_Click();
    void btReset_Click();
    void btInternetImport_Click();

signals:
    // The picture entry's preview button was pressed.
    void previewWanted(const QString& path);

private:
    // The title the entries describe, or none after a failed check (its
    // message is shown).
    std::optional<clsDatentraeger> checkedTitle(bool replace);
    void writeNameFiles();
    void uploadTitle(const clsDatentraeger& title);

    PageHost& m_host;
    ucEntry* m_titel;
    ucEntry* m_format;
    ucEntry* m_bewertung;
    ucEntry* m_genre[3];
    ucEntry* m_landJahr;
    ucEntry* m_fsk;
    ucEntry* m_dauer;
    ucEntry* m_preis;
    ucEntry* m_sonstiges;
    ucEntry* m_regie;
    ucEntry* m_schauspieler[5];
    ucEntry* m_bild;
    ucEntry* m_trailer;
    QPushButton* m_btInternetImport;
    QPushButton* m_btReset;
    QPushButton* m_btHinzufuegen;
    QPushButton* m_btBearbeiten;
};
