#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <cstdint>
#include <optional>

class PageHost;
class QPushButton;
class ucEntry;
class ucOption;

// The mass-change page (page 8): one text field of every title, or every
// long text, set, replaced or set where the find text occurs.
class PageMB : public QObject {
public:
    explicit PageMB(PageHost& host);

    void ShowMB();
    void HideMB();
    void SetDesignMB();
    void SetSizes(int W, int H);

    void btMB_Click();
    // Changes one field of every title and writes the list file; false when
    // that failed (the collection is then what its file holds). The
    // positions of the titles whose value changed are added to `changed`.
    bool MassChangeField(std::int16_t field, const QString& replace, const QString& find, std::int16_t mode,
                         QSet<int>* changed = nullptr);

private:
    // The question before a change: what changes, to what, in how many titles.
    QString question(std::int16_t place, std::int16_t mode, const QString& find, const QString& replace) const;
    // Returns the number of titles whose long text changed; nullopt when a
    // file could not be read or written.
    std::optional<int> massChangeLongTexts(const QString& replace, const QString& find, std::int16_t mode);

    PageHost& m_host;
    ucEntry* m_ucEntryMBFind;
    ucEntry* m_ucEntryMBReplace;
    ucOption* m_ucOptionMBModus;
    ucOption* m_ucOptionMBOrt;
    QPushButton* m_btMB;
};
