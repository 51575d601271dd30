#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

class PageHost;
class QListWidget;
class QPushButton;
class ucText;

// The list-files page (page 4): the list files of the lists folder, taken as
// the collection, created, copied and deleted together with their shelf files.
class PageListen : public QObject {
    Q_OBJECT
public:
    explicit PageListen(PageHost& host);

    void ShowListen();
    void HideListen();
    void SetDesignListen();
    void SetSizes(int W, int H);

    void btDVDtake_Click();
    void btDVDcreate_Click();
    void btDVDcopy_Click();
    void btDVDdelete_Click();

    // The message that refuses a list name the user typed: 11 for none,
    // 10 for a name that is no plain file name; 0 for a usable one.
    static int listNameRefusal(const QString& name);

signals:
    // A list was taken as the collection: the search starts afresh.
    void newSearchWanted();

private:
    // Re-reads the lists folder; the entry of that name stays selected.
    void refreshFileList(const QString& keepSelected);
    QString selectedEntry() const;
    QString askListName();
    // folder + name + ending, or "" (with the message) when that file exists already.
    QString newFilePath(const QString& folder, const QString& name, const QString& ending, int takenMessage);
    // A new list file written by writeList, then its shelf, written by
    // writeShelf, unless the list failed.
    void makeNewList(const std::function<void()>& writeList, const QString& keepSelected, const QString& name,
                     const std::function<void(const QString&)>& writeShelf);
    static QString listsFolder();
    static QString shelvesFolder();

    PageHost& m_host;
    ucText* m_ucTextDVDListe;
    QListWidget* m_fileDVDlist;
    QPushButton* m_btDVDtake;
    QPushButton* m_btDVDcreate;
    QPushButton* m_btDVDcopy;
    QPushButton* m_btDVDdelete;
};
