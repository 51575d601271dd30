#include "session/Session.h"

#include "data/ProgramFiles.h"
#include "data/clsDefaultTextfileHandler.h"
#include "data/clsPathFunctions.h"
#include "platform/RuntimeError.h"

#include <vector>

namespace {

// What an empty list shows in place of a title.
clsDatentraeger placeholder()
{
    clsDatentraeger dvd;
    dvd.SetFilmname(QStringLiteral("Leere Film-Liste"));
    dvd.SetBewertung(5);
    return dvd;
}

} // namespace

Session::Session() : m_dvdListe(std::make_unique<clsDatentraegerList>()) {}

Session::~Session() = default;

void Session::setStatusCallback(StatusCallback callback)
{
    m_statusCallback = std::move(callback);
    m_dvdListe->setStatusCallback(m_statusCallback);
}

void Session::changeCollection(const std::function<void(clsDatentraegerList&)>& apply, AfterChange after)
{
    clsDatentraegerList& list = *m_dvdListe;
    std::vector<clsDatentraeger> before;
    before.reserve(static_cast<std::size_t>(list.getListSize()));
    for (int i = 1; i <= list.getListSize(); ++i)
        before.push_back(list.getDVD(i));
    const std::int16_t current = m_aktuelleDVDNr;
    try {
        apply(list);
        SaveDVDList();
        if (after == AfterChange::FirstTitle || m_aktuelleDVDNr > list.getListSize())
            selectFirstTitle();
    } catch (const RuntimeError&) {
        // The collection stays what its file holds, so that trying again
        // neither loses a title nor adds one twice.
        list.ClearList();
        for (const clsDatentraeger& dvd : before)
            list.AddDVD(dvd);
        m_aktuelleDVDNr = current;
        throw;
    }
}

void Session::SaveDVDList()
{
    const QString path = m_options.DvdListpath();
    if (!m_unreadList.isEmpty() && path == m_unreadList)
        throw RuntimeError(ErrorKind::InputOutput,
                           QStringLiteral("the list file could not be read and is not overwritten: ") + path);
    m_dvdListe->Save(path);
}

void Session::LoadDVDList()
{
    const QString path = m_options.DvdListpath();
    try {
        m_dvdListe->Load(path);
    } catch (const RuntimeError&) {
        // Half a collection would be saved over the file; keep none.
        m_dvdListe->ClearList();
        m_aktuelleDVDNr = 0;
        m_unreadList = path;
        throw;
    }
    m_unreadList.clear();
    selectFirstTitle();
}

Session::StatusReports Session::takeList(const QString& path)
{
    StatusReports reports;
    auto list = std::make_unique<clsDatentraegerList>();
    list->setStatusCallback([&reports](int n, const QString& suffix) { reports.append({n, suffix}); });
    list->Load(path);
    list->setStatusCallback(m_statusCallback);
    m_dvdListe = std::move(list);
    m_options.setDvdListpath(path);
    m_unreadList.clear();
    selectFirstTitle();
    return reports;
}

bool Session::selectTitle(int n)
{
    if (n != 0 && !isTitle(n))
        return false;
    m_aktuelleDVDNr = static_cast<std::int16_t>(n);
    return true;
}

bool Session::next() { return isTitle(m_aktuelleDVDNr + 1) && selectTitle(m_aktuelleDVDNr + 1); }

bool Session::previous() { return m_aktuelleDVDNr > 1 && selectTitle(m_aktuelleDVDNr - 1); }

void Session::selectFirstTitle() { m_aktuelleDVDNr = m_dvdListe->getListSize() >= 1 ? 1 : 0; }

clsDatentraeger Session::recordAt(int n) const
{
    if (n < 1 || n > m_dvdListe->getListSize())
        return placeholder();
    return m_dvdListe->getDVD(n);
}

void Session::LoadEinstellungen() { m_options.Load(ProgramFiles::settings()); }

void Session::SaveEinstellungen() { m_options.Save(ProgramFiles::settings()); }

void Session::changeSettings(const std::function<void(clsOptions&)>& apply)
{
    const clsOptions before = m_options;
    try {
        apply(m_options);
        SaveEinstellungen();
    } catch (const RuntimeError&) {
        // What the program runs with stays what the file holds.
        m_options = before;
        throw;
    }
}

void Session::LoadLanguages()
{
    const std::uint8_t language = m_options.Language();
    m_styleTexts.setLanguage(language);
    m_styleTexts.Load(ProgramFiles::styleTexts());
    m_messageTexts.setLanguage(language);
    m_messageTexts.Load(ProgramFiles::messageTexts());
    m_boxTexts.setLanguage(language);
    m_boxTexts.Load(ProgramFiles::boxTexts());
}

QStringList Session::LoadNameLists()
{
    const std::pair<clsDefaultListFileHandler*, QString> lists[] = {
        {&m_actorList, ProgramFiles::actors()},
        {&m_directorList, ProgramFiles::directors()},
        {&m_genreList, ProgramFiles::genres(m_options.Language())},
    };
    QStringList failed;
    for (const auto& [list, path] : lists) {
        try {
            list->Load(path, true, true);
        } catch (const RuntimeError& e) {
            list->Clear();
            failed << e.detail();
        }
    }
    return failed;
}

void Session::LoadServerUrl()
{
    // Every line comes back ended by CR LF; the last one is dropped.
    QString text = clsDefaultTextfileHandler::ReadTxtFile(ProgramFiles::serverAddress(), false);
    if (text.size() < 2)
        text.clear();
    else
        text.chop(2);
    m_serverUrl = text;
}

void Session::LoadPassword() { m_passwordFunctions.LoadFromFile(ProgramFiles::password()); }

void Session::SavePassword() { m_passwordFunctions.SaveIntoFile(ProgramFiles::password()); }

QString Session::shelfFileOfList() const
{
    return ProgramFiles::shelfOf(m_options.DvdListpath());
}
