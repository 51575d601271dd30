#include "mainwindow/titlepages/PageDVDEntry.h"

#include "controls/FontHelper.h"
#include "controls/ucEntry.h"
#include "data/MessageTexts.h"
#include "data/ProgramFiles.h"
#include "data/StyleTexts.h"
#include "data/clsDatentraeger.h"
#include "data/clsPathFunctions.h"
#include "data/clsStringFunctions.h"
#include "host/WaitCursor.h"
#include "exchange/core/clsInternetExport.h"
#include "host/PageHost.h"
#include "session/Session.h"
#include "host/PageAction.h"
#include "host/PageControls.h"
#include "host/PageLayout.h"
#include "platform/HttpClient.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/RuntimeError.h"

#include <QPushButton>

using PageControls::make;

namespace {

constexpr int kRowHeight = 25;
const QString kCoverStart = QStringLiteral("cover/");
const QString kTrailerStart = QStringLiteral("trailer/");
const QString kFormats[] = {QStringLiteral("DVD"), QStringLiteral("BluRay"), QStringLiteral("HD-DVD"),
                            QStringLiteral("VHS"), QStringLiteral("VCD")};

// A stored value is shown whole: the length limit is for typing only.
void fill(ucEntry* e, const QString& text)
{
    const std::int16_t max = e->MaxCharacters();
    e->setMaxCharacters(0);
    e->setValue(text);
    e->setMaxCharacters(max);
}

void fillCombo(ucEntry* e, const clsDefaultListFileHandler& names)
{
    QStringList entries;
    entries.reserve(names.getListSize());
    for (int i = 1; i <= names.getListSize(); ++i)
        entries << names.getElement(i);
    e->AddComboEntries(entries);
}

void takeCombo(clsDefaultListFileHandler& names, const ucEntry* e)
{
    names.Clear();
    for (int i = 0; i < e->ComboCount(); ++i)
        names.Add(e->GetComboEntry(static_cast<std::int16_t>(i)));
}

// Like the entry's own range check, with a decimal comma read as a point
// so that a price of 12,50 is caught as a fraction, not as garbage.
bool priceBetween(const QString& text, int min, int max)
{
    QString t = text;
    const std::optional<double> number = Numbers::tryParse(t.replace(u',', u'.'));
    if (!number)
        return false;
    const double whole = Numbers::intFloor(*number);
    return whole >= min && whole <= max;
}

double wholePart(const QString& text) { return Numbers::intFloor(Numbers::parse(text)); }

} // namespace

PageDVDEntry::PageDVDEntry(PageHost& host) : QObject(host.clientArea()), m_host(host)
{
    QWidget* area = host.clientArea();
    m_titel = make<ucEntry>(area, QStringLiteral("ucEntryTitel"));
    m_format = make<ucEntry>(area, QStringLiteral("ucEntryFormat"));
    m_bewertung = make<ucEntry>(area, QStringLiteral("ucEntryBewertung"));
    for (int i = 0; i < 3; ++i)
        m_genre[i] = make<ucEntry>(area, QStringLiteral("ucEntryGenre%1").arg(i + 1));
    m_landJahr = make<ucEntry>(area, QStringLiteral("ucEntryLandJahr"));
    m_fsk = make<ucEntry>(area, QStringLiteral("ucEntryFSK"));
    m_dauer = make<ucEntry>(area, QStringLiteral("ucEntryDauer"));
    m_preis = make<ucEntry>(area, QStringLiteral("ucEntryPreis"));
    m_sonstiges = make<ucEntry>(area, QStringLiteral("ucEntrySonstiges"));
    m_regie = make<ucEntry>(area, QStringLiteral("ucEntryRegie"));
    for (int i = 0; i < 5; ++i)
        m_schauspieler[i] = make<ucEntry>(area, QStringLiteral("ucEntrySchauspieler%1").arg(i + 1));
    m_bild = make<ucEntry>(area, QStringLiteral("ucEntryBild"));
    m_trailer = make<ucEntry>(area, QStringLiteral("ucEntryTrailer"));
    connect(m_bild, &ucEntry::previewRequested, this, &PageDVDEntry::previewWanted);

    m_btInternetImport = make<QPushButton>(area, QStringLiteral("btInternetImport"));
    m_btInternetImport->setText(QStringLiteral("Internet"));
    m_btReset = make<QPushButton>(area, QStringLiteral("btReset"));
    m_btReset->setText(QStringLiteral("Reset"));
    m_btHinzufuegen = make<QPushButton>(area, QStringLiteral("btdvdjetzthinzufuegen"));
    m_btBearbeiten = make<QPushButton>(area, QStringLiteral("btDVDjetztBearbeiten"));
    for (QPushButton* b : {m_btInternetImport, m_btReset, m_btHinzufuegen, m_btBearbeiten}) {
        b->setFont(FontHelper::buttonFont());
        b->resize(100, kRowHeight);
    }
    m_btInternetImport->resize(150, kRowHeight);
    for (ucEntry* e : {m_titel, m_format, m_bewertung, m_landJahr, m_fsk, m_dauer, m_preis, m_sonstiges, m_regie,
                       m_bild, m_trailer})
        e->resize(e->width(), kRowHeight);
    for (ucEntry* e : m_genre)
        e->resize(e->width(), kRowHeight);
    for (ucEntry* e : m_schauspieler)
        e->resize(e->width(), kRowHeight);

    connect(m_btHinzufuegen, &QPushButton::clicked, this, [this] { btdvdjetzthinzufuegen_Click(); });
    connect(m_btBearbeiten, &QPushButton::clicked, this, [this] { btDVDjetztBearbeiten_Click(); });
    connect(m_btReset, &QPushButton::clicked, this, [this] { btReset_Click(); });
    connect(m_btInternetImport, &QPushButton::clicked, this, [this] { btInternetImport_Click(); });
}

void PageDVDEntry::ShowDVDEntry()
{
    m_btReset->show();
    m_btInternetImport->show();
    for (ucEntry* e : {m_titel, m_format, m_bewertung, m_landJahr, m_fsk, m_dauer, m_preis, m_sonstiges, m_regie,
                       m_bild, m_trailer})
        e->show();
    for (ucEntry* e : m_genre)
        e->show();
    for (ucEntry* e : m_schauspieler)
        e->show();
    m_btHinzufuegen->show();
    ClearDVDEntry();
}

void PageDVDEntry::HideDVDEntry()
{
    m_btReset->hide();
    m_btInternetImport->hide();
    for (ucEntry* e : {m_titel, m_format, m_bewertung, m_landJahr, m_fsk, m_dauer, m_preis, m_sonstiges, m_regie,
                       m_bild, m_trailer})
        e->hide();
    for (ucEntry* e : m_genre)
        e->hide();
    for (ucEntry* e : m_schauspieler)
        e->hide();
    m_btHinzufuegen->hide();
}

void PageDVDEntry::ShowDVDEdit()
{
    ShowDVDEntry();
    m_btHinzufuegen->hide();
    m_btReset->hide();
    m_btInternetImport->hide();
    m_btBearbeiten->show();
    ClearDVDEntry();

    // The copy of the current title may be stale after a delete or a mass
    // change: the page always shows what stands at the position now.
    if (!m_host.session().hasCurrentTitle()) {
        m_host.StatusMsg(MessageText::NothingSelected);
        return;
    }
    const clsDatentraeger d = m_host.session().AktuelleDVD();
    fill(m_titel, d.GetFilmname());
    fill(m_format, d.GetFormat());
    fill(m_bewertung, QString::number(d.GetBewertung()));
    fill(m_landJahr, d.GetLandJahr());
    fill(m_fsk, QString::number(d.GetFsk()));
    fill(m_dauer, QString::number(d.GetLaenge()));
    fill(m_preis, QString::number(d.GetKaufpreis()));
    fill(m_sonstiges, d.GetSonstiges());
    fill(m_regie, d.GetRegie());
    const QString actors[5] = {d.GetSchauspieler1(), d.GetSchauspieler2(), d.GetSchauspieler3(),
                               d.GetSchauspieler4(), d.GetSchauspieler5()};
    for (int i = 0; i < 5; ++i)
        fill(m_schauspieler[i], actors[i]);
    fill(m_bild, d.GetBildpfad());
    fill(m_trailer, d.GetTrailerpfad());
    for (int i = 0; i < 3; ++i)
        fill(m_genre[i], clsStringFunctions::GetStringPartBySeparator(d.GetGenre(), i + 1, QStringLiteral("/")));
}

void PageDVDEntry::HideDVDEdit()
{
    HideDVDEntry();
    m_btBearbeiten->hide();
}

void PageDVDEntry::SetDesignDVDEntry()
{
    const clsOptions& o = m_host.session().Options();
    const Design design = o.GetDesign();
    clsTranslation& style = m_host.session().StyleTexts();
    auto designEntry = [&](ucEntry* e, const QString& caption, std::uint8_t entryStyle, std::int16_t max, bool buttons) {
        e->SetDesign(caption, entryStyle, 120, 5, design, buttons, max);
    };
    designEntry(m_titel, style.MultiWord(StyleText::FilmTitle), 1, 60, true);
    designEntry(m_format, style.MultiWord(StyleText::Format), 2, 45, false);
    designEntry(m_bewertung, style.MultiWord(StyleText::Rating), 2, 1, false);
    designEntry(m_landJahr, style.MultiWord(StyleText::CountryYear), 1, 25, true);
    designEntry(m_fsk, style.MultiWord(StyleText::AgeRating), 1, 2, false);
    designEntry(m_dauer, style.MultiWord(StyleText::RunningTime), 1, 4, true);
    designEntry(m_preis, style.MultiWord(StyleText::Price), 1, 5, true);
    designEntry(m_sonstiges, o.OwnLabelCaption(), 1, 70, true);
    designEntry(m_regie, style.MultiWord(StyleText::Director), 2, 25, true);
    for (int i = 0; i < 5; ++i)
        designEntry(m_schauspieler[i], style.MultiWord(StyleText::Actor) + QStringLiteral("#%1").arg(i + 1), 2, 25, true);
    m_bild->SetDesign(style.MultiWord(StyleText::CoverPicture), 4, 120, 5, design);
    m_trailer->SetDesign(style.MultiWord(StyleText::Trailer), 3, 120, 5, design);
    for (int i = 0; i < 3; ++i)
        designEntry(m_genre[i], style.MultiWord(StyleText::Genre) + QStringLiteral("#%1").arg(i + 1), 2, 20, true);

    m_bild->setDialogFolder(ProgramFiles::covers());
    m_bild->setDialogFilter(ucEntry::kPictureFilter);
    m_trailer->setDialogFolder(ProgramFiles::trailers());
    m_trailer->setDialogFilter(ucEntry::kVideoFilter);
    m_btHinzufuegen->setText(style.MultiWord(StyleText::AddDvdNow));
    m_btBearbeiten->setText(style.MultiWord(StyleText::SaveChanges));

    for (ucEntry* e : {m_bewertung, m_format, m_regie})
        e->ClearCombo();
    for (ucEntry* e : m_schauspieler)
        e->ClearCombo();
    for (ucEntry* e : m_genre)
        e->ClearCombo();
    for (int r = 1; r <= 5; ++r)
        m_bewertung->AddComboEntry(QString::number(r));
    for (const QString& f : kFormats)
        m_format->AddComboEntry(f);
    for (ucEntry* e : m_schauspieler)
        fillCombo(e, m_host.session().ActorList());
    fillCombo(m_regie, m_host.session().DirectorList());
    for (ucEntry* e : m_genre)
        fillCombo(e, m_host.session().GenreList());
}

void PageDVDEntry::SetSizes(int W, int)
{
    PageLayout l(m_host.FormFunctions(), W);
    ucEntry* const rows[] = {m_titel,           m_format,          m_bewertung,       m_genre[0],
                             m_genre[1],        m_genre[2],        m_landJahr,        m_fsk,
                             m_dauer,           m_preis,           m_sonstiges,       m_regie,
                             m_schauspieler[0], m_schauspieler[1], m_schauspieler[2], m_schauspieler[3],
                             m_schauspieler[4], m_bild,            m_trailer};

    // This page sets its tops first.
    l.start(30);
    l.sameRow(m_btInternetImport);
    l.row(m_btReset, m_btReset->height());
    for (ucEntry* e : rows)
        l.row(e, e->height());
    l.row(m_btHinzufuegen, m_btHinzufuegen->height());

    for (ucEntry* e : rows)
        l.setWidth(e, W - 100);
    l.setWidth(m_btHinzufuegen, W - 100);
    for (ucEntry* e : rows)
        l.centre(e);
    l.centre(m_btHinzufuegen);
    l.setLeft(m_btReset, m_titel->x() + m_titel->width() - m_btReset->width());
    l.setLeft(m_btInternetImport, m_titel->x());
}

void PageDVDEntry::SetSizesEditButton(int W, int)
{
    PageLayout l(m_host.FormFunctions(), W);
    l.setWidth(m_btBearbeiten, W - 100);
    l.centre(m_btBearbeiten);
    l.setTop(m_btBearbeiten, m_btHinzufuegen->y());
}

void PageDVDEntry::ClearDVDEntry()
{
    for (ucEntry* e : {m_titel, m_format, m_landJahr, m_sonstiges, m_regie})
        e->setValue(QString());
    for (ucEntry* e : m_genre)
        e->setValue(QString());
    for (ucEntry* e : m_schauspieler)
        e->setValue(QString());
    for (ucEntry* e : {m_bewertung, m_fsk, m_dauer, m_preis})
        e->setValue(QStringLiteral("0"));
    m_bild->setValue(kCoverStart);
    m_trailer->setValue(kTrailerStart);
    m_host.session().setWexulUebernommen(false);
}

void PageDVDEntry::takeOnlineTitle(const OnlineTitleEntries& entries)
{
    fill(m_titel, entries.filmname);
    for (int i = 0; i < 3; ++i)
        fill(m_genre[i], entries.genres[i]);
    fill(m_landJahr, entries.landJahr);
    fill(m_fsk, entries.fsk);
    fill(m_dauer, entries.dauer);
    fill(m_regie, entries.regie);
    for (int i = 0; i < 5; ++i)
        fill(m_schauspieler[i], entries.actors[i]);
}

bool PageDVDEntry::SaveDVDEntry(bool replace)
{
    const std::optional<clsDatentraeger> title = checkedTitle(replace);
    if (!title)
        return false;

    Session& session = m_host.session();
    const int current = session.AktuelleDVDNr();
    const bool stored = runAction(m_host, replace ? MessageText::ChangeNotSaved : MessageText::AddFailed, [&] {
        session.changeCollection([&](clsDatentraegerList& dvds) {
            if (replace)
                dvds.RemoveDVD(current);
            dvds.AddSortedDVD(*title);
        });
    });
    if (!stored)
        return false;
    m_host.StatusMsg(replace ? MessageText::ChangesSaved : MessageText::Added);

    // The title is stored now: a later step that fails says so on its own.
    runAction(m_host, MessageText::NameListsNotSaved, [&] { writeNameFiles(); });
    m_host.JumpToDVD(title->GetFilmname(), true);
    if (!replace && !session.WexulUebernommen())
        runAction(m_host, MessageText::TitleNotSent, [&] { uploadTitle(*title); });
    return true;
}

std::optional<clsDatentraeger> PageDVDEntry::checkedTitle(bool replace)
{
    if (replace && !m_host.session().hasCurrentTitle()) {
        m_host.StatusMsg(MessageText::NothingSelected);
        return std::nullopt;
    }

    QString cover = Paths::normalize(m_bild->value());
    if (cover == kCoverStart || cover.isEmpty()) {
        m_host.StatusMsg(MessageText::EntriesMissing);
        return std::nullopt;
    }
    clsPathFunctions::ChangeIntoFullPathIfRelative(cover);
    m_bild->setValue(cover);
    if (!clsPathFunctions::checkIfFileExists(cover, 1) || m_titel->value().isEmpty()) {
        m_host.StatusMsg(MessageText::EntriesMissing);
        return std::nullopt;
    }

    auto refuse = [&](int msg, const ucEntry* e) -> std::optional<clsDatentraeger> {
        m_host.StatusMsg(msg, QStringLiteral(" (") + e->Caption() + u')');
        return std::nullopt;
    };

    clsDatentraeger title;
    title.SetFilmname(m_titel->value());
    title.SetFormat(m_format->value());

    if (!m_bewertung->IsValueNumericBetween(0, 5))
        return refuse(MessageText::InvalidValue, m_bewertung);
    title.SetBewertung(Numbers::toByte(wholePart(m_bewertung->value())));

    QString genre = m_genre[0]->value();
    for (int i = 1; i < 3; ++i)
        if (!m_genre[i]->value().isEmpty())
            genre += u'/' + m_genre[i]->value();
    title.SetGenre(genre);
    title.SetLandJahr(m_landJahr->value());

    if (!m_fsk->IsValueNumericBetween(0, 21))
        return refuse(MessageText::InvalidValue, m_fsk);
    title.SetFsk(Numbers::toByte(wholePart(m_fsk->value())));

    if (!m_dauer->IsValueNumericBetween(0, 3000))
        return refuse(MessageText::InvalidValue, m_dauer);
    title.SetLaenge(Numbers::toInt16(wholePart(m_dauer->value())));

    const QString price = m_preis->value();
    if (!priceBetween(price, 0, 30000))
        return refuse(MessageText::InvalidValue, m_preis);
    if (price.contains(u'.') || price.contains(u','))
        return refuse(MessageText::InvalidNumberOrNotSaved, m_preis);
    title.SetKaufpreis(Numbers::toInt16(wholePart(price)));

    // The list file keeps the five actors on one line separated by "#".
    for (ucEntry* e : m_schauspieler)
        if (e->value().contains(u'#'))
            return refuse(MessageText::InvalidValue, e);
    title.SetSonstiges(m_sonstiges->value());
    title.SetRegie(m_regie->value());
    title.SetSchauspieler1(m_schauspieler[0]->value());
    title.SetSchauspieler2(m_schauspieler[1]->value());
    title.SetSchauspieler3(m_schauspieler[2]->value());
    title.SetSchauspieler4(m_schauspieler[3]->value());
    title.SetSchauspieler5(m_schauspieler[4]->value());

    QString trailer = Paths::normalize(m_trailer->value());
    if (trailer != kTrailerStart && !trailer.isEmpty()) {
        clsPathFunctions::ChangeIntoFullPathIfRelative(trailer);
        m_trailer->setValue(trailer);
        if (!clsPathFunctions::checkIfFileExists(trailer, 0)) {
            m_host.StatusMsg(MessageText::FileUnusable);
            return std::nullopt;
        }
        title.SetTrailerpfad(trailer);
    } else {
        m_trailer->setValue(QString());
    }
    title.SetBildpfad(cover);

    return title;
}

void PageDVDEntry::writeNameFiles()
{
    takeCombo(m_host.session().ActorList(), m_schauspieler[0]);
    takeCombo(m_host.session().GenreList(), m_genre[0]);
    takeCombo(m_host.session().DirectorList(), m_regie);
    m_host.session().DirectorList().Save(ProgramFiles::directors());
    m_host.session().GenreList().Save(ProgramFiles::genres(m_host.session().Options().Language()));
    m_host.session().ActorList().Save(ProgramFiles::actors());
}

void PageDVDEntry::uploadTitle(const clsDatentraeger& title)
{
    if (m_host.session().ServerUrl().isEmpty())
        return;
    const QString url = clsInternetExport::GetExportMovie(m_host.session().ServerUrl(), title, m_host.session().Options().Language());
    // The answer is of no use; only a request that failed counts.
    WaitCursor wait;
    HttpClient& http = Http::get();
    if (!http.get(url)) {
        // The address is long and says nothing the user can act on; the reason does.
        const QString why = http.lastFailureText();
        throw RuntimeError(ErrorKind::InputOutput,
                           why.isEmpty() ? QStringLiteral("the title service did not take the title") : why);
    }
}

void PageDVDEntry::btdvdjetzthinzufuegen_Click() { SaveDVDEntry(false); }

void PageDVDEntry::btDVDjetztBearbeiten_Click()
{
    if (SaveDVDEntry(true)) {
        HideDVDEdit();
        m_host.ShowPage(1);
        ClearDVDEntry();
    }
}

void PageDVDEntry::btReset_Click() { ClearDVDEntry(); }

void PageDVDEntry::btInternetImport_Click() { m_host.ShowPage(7); }
