#pragma once

#include "data/StatusCallback.h"
#include "data/clsDatentraeger.h"
#include "data/clsDatentraegerList.h"
#include "data/clsDefaultListFileHandler.h"
#include "data/clsOptions.h"
#include "data/clsPasswordFunctions.h"
#include "data/clsTranslation.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

// The program's state beside its windows: the collection with its list file,
// the current title, the settings, the language tables, the name lists, the
// server address and the password. Pages reach it through their host.
class Session {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // ---- the collection
    clsDatentraegerList& DVDListe() { return *m_dvdListe; }
    const clsDatentraegerList& DVDListe() const { return *m_dvdListe; }

    // Where the current title goes after a change of the collection.
    enum class AfterChange {
        SamePosition, // the position stays while it still names a title
        FirstTitle,   // title 1, or none when the collection is empty
    };
    // The one way to change the collection: apply, write the list file and
    // move the current title as `after` says; when either fails put the
    // collection and the current title back as they were and throw the error.
    void changeCollection(const std::function<void(clsDatentraegerList&)>& apply,
                          AfterChange after = AfterChange::SamePosition);

    // Writes the list file of the settings; refuses to overwrite a list file
    // that could not be read.
    void SaveDVDList();
    // Reads the list file of the settings and makes title 1 current; on
    // failure the collection is empty, no title is current and the file is
    // guarded against being overwritten.
    void LoadDVDList();
    // Numbered status messages with their suffixes, in the order reported.
    using StatusReports = QList<std::pair<int, QString>>;
    // Reads another list file and makes it the collection and the settings'
    // list, with title 1 current; a file that cannot be read changes nothing
    // and throws. Answers
    // what reading it reported (37 for a converted older layout) instead of
    // reporting it, so the caller can show it after the page it switches to.
    StatusReports takeList(const QString& path);
    // Where the older-layout conversion reports (MessageText::OldListConverted).
    void setStatusCallback(StatusCallback callback);

    // ---- the current title: its number (0 for none), and its record read from the collection
    std::int16_t AktuelleDVDNr() const { return m_aktuelleDVDNr; }
    // Makes title n current, or none with 0; a number outside 0..count
    // changes nothing and answers false.
    bool selectTitle(int n);
    // The next or previous title; false, and nothing changes, at either end.
    bool next();
    bool previous();
    // Whether the current number names a title of the collection.
    bool hasCurrentTitle() const { return isTitle(m_aktuelleDVDNr); }
    // Title n, or the placeholder of an empty list for a number outside 1..count.
    clsDatentraeger AktuelleDVD() const { return recordAt(m_aktuelleDVDNr); }
    clsDatentraeger recordAt(int n) const;

    // ---- settings and design
    clsOptions& Options() { return m_options; }
    const clsOptions& Options() const { return m_options; }
    void LoadEinstellungen();
    void SaveEinstellungen();
    // The one way to change the settings: apply, write the settings file,
    // and when either fails put every setting back as it was and throw the
    // error.
    void changeSettings(const std::function<void(clsOptions&)>& apply);

    // ---- language tables (captions, status messages, message-box texts)
    clsTranslation& StyleTexts() { return m_styleTexts; }
    clsTranslation& MessageTexts() { return m_messageTexts; }
    clsTranslation& BoxTexts() { return m_boxTexts; }
    // Reads the three tables in the settings' language.
    void LoadLanguages();

    // ---- name lists of the entry pages
    clsDefaultListFileHandler& ActorList() { return m_actorList; }
    clsDefaultListFileHandler& DirectorList() { return m_directorList; }
    clsDefaultListFileHandler& GenreList() { return m_genreList; }
    // Reads the three name lists; a list that cannot be read or created stays
    // empty and its file with the cause is answered, so that the program
    // still starts.
    QStringList LoadNameLists();

    // ---- online service and password
    const QString& ServerUrl() const { return m_serverUrl; }
    void setServerUrl(const QString& url) { m_serverUrl = url; }
    void LoadServerUrl();
    clsPasswordFunctions& PasswordFunctions() { return m_passwordFunctions; }
    void LoadPassword();
    // Writes the password of PasswordFunctions() to "password.apw"; errors reach the caller.
    void SavePassword();

    // The entries of the new-title page came from an online search result.
    bool WexulUebernommen() const { return m_wexulUebernommen; }
    void setWexulUebernommen(bool v) { m_wexulUebernommen = v; }

    // Whether the design last chosen on the settings page is protected from
    // being deleted.
    bool DesignGeschuetzt() const { return m_designGeschuetzt; }
    void setDesignGeschuetzt(bool v) { m_designGeschuetzt = v; }

    // The shelf file that belongs to the current list.
    QString shelfFileOfList() const;

private:
    bool isTitle(int n) const { return n >= 1 && n <= m_dvdListe->getListSize(); }
    void selectFirstTitle();

    std::unique_ptr<clsDatentraegerList> m_dvdListe;
    StatusCallback m_statusCallback;
    // A list file that could not be read: no save may overwrite it until it
    // is read again or another list is taken.
    QString m_unreadList;
    std::int16_t m_aktuelleDVDNr = 0;
    clsOptions m_options;
    clsTranslation m_styleTexts;
    clsTranslation m_messageTexts;
    clsTranslation m_boxTexts;
    clsDefaultListFileHandler m_actorList;
    clsDefaultListFileHandler m_directorList;
    clsDefaultListFileHandler m_genreList;
    QString m_serverUrl;
    clsPasswordFunctions m_passwordFunctions;
    bool m_wexulUebernommen = false;
    bool m_designGeschuetzt = false;
};
