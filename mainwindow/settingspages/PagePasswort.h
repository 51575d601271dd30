#pragma once

#include <QObject>
#include <cstdint>

class PageHost;
class QPushButton;
class QWidget;
class ucEntry;

// The start-up password page (page 18): sets, changes and clears the
// password that the start of the program asks for.
class PagePasswort : public QObject {
public:
    explicit PagePasswort(PageHost& host);

    void ShowPasswort();
    void HidePasswort();
    void SetDesignPasswort();
    void SetSizes(int W, int H);

    void btPwChange_Click();
    void btPwDelete_Click();

private:
    QList<QWidget*> allControls() const;
    // Stores the password and writes the file; when the file cannot be
    // written the old password stays and false is returned.
    bool storePassword(const QString& password);

    PageHost& m_host;
    ucEntry* m_ucEntryPwOld;
    ucEntry* m_ucEntryPwNew;
    ucEntry* m_ucEntryPwNew2;
    QPushButton* m_btPwChange;
    QPushButton* m_btPwDelete;
};
