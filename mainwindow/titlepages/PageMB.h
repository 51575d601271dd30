#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

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
    // that failed (titles already changed stay changed in memory).
    bool MassChangeField(std::int16_t field, const QString& replace, const QString& find, std::int16_t mode);

private:
    void massChangeLongTexts(const QString& replace, const QString& find, std::int16_t mode);

    PageHost& m_host;
    ucEntry* m_ucEntryMBFind;
    ucEntry* m_ucEntryMBReplace;
    ucOption* m_ucOptionMBModus;
    ucOption* m_ucOptionMBOrt;
    QPushButton* m_btMB;
};
