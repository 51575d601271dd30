#include "shelf/Regal.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "controls/WindowPlacement.h"
#include "controls/clsFormFunctions.h"
#include "controls/ucEntry.h"
#include "data/BoxTexts.h"
#include "data/MessageTexts.h"
#include "data/ProgramFiles.h"
#include "data/clsDatentraegerList.h"
#include "data/clsPathFunctions.h"
#include "host/PageAction.h"
#include "host/PageHost.h"
#include "session/Session.h"
#include "platform/MessageService.h"
#include "platform/Numbers.h"
#include "platform/ProgramFolder.h"
#include "platform/RandomSource.h"
#include "platform/RuntimeError.h"
#include "shelf/ShelfCanvas.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace {

constexpr int kColourCount = 9999;
constexpr int kEntryHeight = 25;
constexpr int kButtonHeight = 25;
constexpr int kPanelTop = 200;

const QString kMenuSammlung = QStringLiteral("menue_sammlungRegal");
const QString kMenuAnsicht = QStringLiteral("menue_ansichtRegal");

// Menu entries and panel buttons with their text in the shelf language file.
struct Caption {
    const char* name;
    int text;
};
constexpr Caption kMenuCaptions[] = {
    {"Menue_allehinzu", Regal::TextInsertAllMissing},
    {"Menue_alleweg", Regal::TextRemoveAllSurplus},
    {"Menue_anzeigegroesse", Regal::TextDisplaySize},
    {"Menue_bg_entfernen", Regal::TextBackgroundRemove},
    {"Menue_bg_hinzufuegen", Regal::TextBackgroundAdd},
    {"Menue_blockweiseverschieben", Regal::TextMoveAsBlock},
    {"Menue_brettentfernen", Regal::TextBoardsOnly},
    {"Menue_brettlaenger", Regal::TextBoardsOnly},
    {"Menue_brettverkuerzen", Regal::TextBoardsOnly},
    {"Menue_entfernenMarkiert", Regal::TextFilmsOnly},
    {"menue_filmeverbreitern", Regal::TextFilmsOnly},
    {"menue_filmeverschmaelern", Regal::TextFilmsOnly},
    {"menue_alleentfernen", Regal::TextAllObjects},
    {"menue_alleverbreitern", Regal::TextAllObjects},
    {"menue_alleverschmaelern", Regal::TextAllObjects},
    {"menue_entfernen", Regal::TextRemove},
    {"Menue_bretteinfuegen", Regal::TextInsert},
    {"Menue_dvdsaufbretter", Regal::TextAllOntoBoards},
    {"Menue_dvdverwaltung", Regal::TextFilm},
    {"menue_einzeltitelentfernen", Regal::TextRemoveSingleTitle},
    {"Menue_einzeltitelhinzufuegen", Regal::TextAddSingleTitle},
    {"Menue_hintergrundbild", Regal::TextBackgroundPicture},
    {"Menue_inreihe", Regal::TextInARow},
    {"Menue_regalbretter", Regal::TextBoards},
    {"Menue_speichern", Regal::TextSave},
    {"Menue_vergroessern", Regal::TextEnlargeAll},
    {"Menue_verkleinern", Regal::TextShrinkAll},
    {"Menue_verschiebmodus", Regal::TextMoveMode},
    {"menue_markiert", Regal::TextMarkedObjects},
    {"menue_verbreitern", Regal::TextWiden},
    {"menue_verschmaelern", Regal::TextNarrow},
    {"menue_filmelegen", Regal::TextLayFilmsDown},
    {"menue_auswahlweg", Regal::TextClearSelection},
    {"menue_markiereAlle", Regal::TextMarkAll},
};

// The colour of r, g and b in [0, 1), each taken to 0..255.
Color randomColour(double r, double g, double b)
{
    const auto part = [](double v) { return static_cast<int>(Numbers::roundHalfEven(v * 255.0)); };
    return part(r) | (part(g) << 8) | (part(b) << 16);
}

} // namespace

Regal::Regal(PageHost& host, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      m_host(host),
      m_canvas(new ShelfCanvas(this)),
      m_timer(new QTimer(this)),
      m_colourTable(kColourCount + 1, 0)
{
    setObjectName(QStringLiteral("Regal"));
    setWindowTitle(QStringLiteral("Regal-Ansicht"));
    setCentralWidget(m_canvas);
    m_canvas->setShelf(&m_editor.shelf());
    m_canvas->setColourTable(&m_colourTable);

    m_timer->setObjectName(QStringLiteral("Timer"));
    m_timer->setInterval(500);
    connect(m_timer, &QTimer::timeout, this, &Regal::Timer_Timer);

    connect(m_canvas, &ShelfCanvas::movieClicked, this, &Regal::RegalFilm_Click);
    connect(m_canvas, &ShelfCanvas::brettClicked, this, &Regal::Brett_Click);
    connect(m_canvas, &ShelfCanvas::backgroundPressed, this, &Regal::Form_MouseDown);
    connect(m_canvas, &ShelfCanvas::backgroundMoved, this, [this](QPointF p) {
        m_editor.move(p, m_canvas->size());
        m_canvas->setMarkierung(m_editor.band());
    });
    connect(m_canvas, &ShelfCanvas::backgroundReleased, this, &Regal::Form_MouseUp);

    createMenus();
    createEntryPanel();
}

Regal::~Regal() = default;

// ---------------------------------------------------------------- controls

QMenu* Regal::addMenu(QMenu* parent, const char* name, const QString& caption)
{
    QMenu* m = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    m_items.insert(QString::fromLatin1(name), m->menuAction());
    if (!parent)
        m_topMenus << m->menuAction();
    return m;
}

QAction* Regal::addItem(QMenu* menu, const char* name, const QString& caption, void (Regal::*handler)(),
                        const QKeySequence& shortcut)
{
    QAction* a = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(shortcut);
    a->setShortcutContext(Qt::WindowShortcut);
    // The window has no other place for its shortcuts while a menu is closed.
    addAction(a);
    connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    m_items.insert(QString::fromLatin1(name), a);
    if (!menu)
        m_topMenus << a;
    return a;
}

void Regal::createMenus()
{
    addItem(nullptr, "Menue_speichern", QStringLiteral("Speichern"), &Regal::Menue_speichern_Click);

    QMenu* markiert = addMenu(nullptr, "menue_markiert", QStringLiteral("Markierte Objekte"));
    QMenu* entfernen = addMenu(markiert, "menue_entfernen", QStringLiteral("Entfernen"));
    addItem(entfernen, "menue_alleentfernen", QStringLiteral("Alle Objekte"), &Regal::menue_alleentfernen_Click,
            QKeySequence(Qt::Key_Delete));
    addItem(entfernen, "Menue_entfernenMarkiert", QStringLiteral("Nur Filme"), &Regal::Menue_entfernenMarkiert_Click);
    addItem(entfernen, "Menue_brettentfernen", QStringLiteral("Nur Regalbretter"), &Regal::Menue_brettentfernen_Click);
    QMenu* verbreitern = addMenu(markiert, "menue_verbreitern", QStringLiteral("Verbreitern"));
    addItem(verbreitern, "menue_alleverbreitern", QStringLiteral("Alle Objekte"), &Regal::menue_alleverbreitern_Click,
            QKeySequence(Qt::CTRL | Qt::Key_F1));
    addItem(verbreitern, "menue_filmeverbreitern", QStringLiteral("Nur Filme"), &Regal::menue_filmeverbreitern_Click);
    addItem(verbreitern, "Menue_brettlaenger", QStringLiteral("Nur Regalbretter"), &Regal::Menue_brettlaenger_Click);
    QMenu* verschmaelern = addMenu(markiert, "menue_verschmaelern", QString::fromUtf8("Verschmälern"));
    addItem(verschmaelern, "menue_alleverschmaelern", QStringLiteral("Alle Objekte"),
            &Regal::menue_alleverschmaelern_Click, QKeySequence(Qt::CTRL | Qt::Key_F2));
    addItem(verschmaelern, "menue_filmeverschmaelern", QStringLiteral("Nur Filme"),
            &Regal::menue_filmeverschmaelern_Click);
    addItem(verschmaelern, "Menue_brettverkuerzen", QStringLiteral("Nur Regalbretter"),
            &Regal::Menue_brettverkuerzen_Click);
    addItem(markiert, "menue_markiereAlle", QStringLiteral("Alle markieren"), &Regal::menue_markiereAlle_Click,
            QKeySequence(Qt::CTRL | Qt::Key_A));
    addItem(markiert, "menue_auswahlweg", QStringLiteral("Auswahl aufheben"), &Regal::menue_auswahlweg_Click,
            QKeySequence(Qt::CTRL | Qt::Key_R));
    // Laying spines down is not offered: the entry stays greyed.
    addItem(markiert, "menue_filmelegen", QStringLiteral("Filme hinlegen"), &Regal::menue_filmelegen_Click)
        ->setEnabled(false);

    QMenu* film = addMenu(nullptr, "Menue_dvdverwaltung", QStringLiteral("Film"));
    addItem(film, "Menue_einzeltitelhinzufuegen", QString::fromUtf8("Einzeltitel hinzufügen"),
            &Regal::Menue_einzeltitelhinzufuegen_Click);
    addItem(film, "menue_einzeltitelentfernen", QStringLiteral("Einzeltitel entfernen"),
            &Regal::menue_einzeltitelentfernen_Click);
    addItem(film, "Menue_allehinzu", QString::fromUtf8("Alle fehlenden einfügen"), &Regal::Menue_allehinzu_Click);
    addItem(film, "Menue_alleweg", QString::fromUtf8("Alle überschüssigen entfernen"), &Regal::Menue_alleweg_Click);

    QMenu* groesse = addMenu(nullptr, "Menue_anzeigegroesse", QString::fromUtf8("Anzeigegröße"));
    addItem(groesse, "Menue_vergroessern", QString::fromUtf8("Alle Filme vergrößern"), &Regal::Menue_vergroessern_Click);
    addItem(groesse, "Menue_verkleinern", QStringLiteral("Alle Filme verkleinern"), &Regal::Menue_verkleinern_Click);

    QMenu* bretter = addMenu(nullptr, "Menue_regalbretter", QStringLiteral("Regalbretter"));
    addItem(bretter, "Menue_bretteinfuegen", QString::fromUtf8("Einfügen"), &Regal::Menue_bretteinfuegen_Click);
    addItem(bretter, "Menue_dvdsaufbretter", QStringLiteral("Alle Regal-DVD's alphabetisch auf Bretter"),
            &Regal::Menue_dvdsaufbretter_Click, QKeySequence(Qt::CTRL | Qt::Key_M));

    QMenu* modus = addMenu(nullptr, "Menue_verschiebmodus", QStringLiteral("Verschiebmodus"));
    addItem(modus, "Menue_blockweiseverschieben", QStringLiteral("Blockweise verschieben"),
            &Regal::Menue_blockweiseverschieben_Click, QKeySequence(Qt::Key_F1))
        ->setCheckable(true);
    addItem(modus, "Menue_inreihe", QStringLiteral("In Reihe (Alphabetisch)"), &Regal::Menue_inreihe_Click,
            QKeySequence(Qt::Key_F2))
        ->setCheckable(true);

    QMenu* hintergrund = addMenu(nullptr, "Menue_hintergrundbild", QStringLiteral("Hintergrundbild"));
    addItem(hintergrund, "Menue_bg_hinzufuegen", QString::fromUtf8("Hinzufügen"), &Regal::Menue_bg_hinzufuegen_Click);
    addItem(hintergrund, "Menue_bg_entfernen", QStringLiteral("Entfernen"), &Regal::Menue_bg_entfernen_Click);
}

void Regal::createEntryPanel()
{
    const auto button = [this](const char* name, const QString& caption, void (Regal::*handler)()) {
        auto* b = new QPushButton(caption, m_canvas);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(FontHelper::buttonFont());
        b->resize(b->width(), kButtonHeight);
        b->hide();
        connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        return b;
    };
    m_ucEntry1 = new ucEntry(m_canvas);
    m_ucEntry1->setObjectName(QStringLiteral("ucEntry1"));
    m_ucEntry1->resize(m_ucEntry1->width(), kEntryHeight);
    m_ucEntry1->hide();
    m_listMovies = new QListWidget(m_canvas);
    m_listMovies->setObjectName(QStringLiteral("ListMovies"));
    m_listMovies->setFont(FontHelper::labelFont());
    m_listMovies->setUniformItemSizes(true);
    m_listMovies->hide();
    m_bthinzufuegen = button("bthinzufuegen", QString::fromUtf8("Film hinzufügen"), &Regal::bthinzufuegen_Click);
    m_btHintergundhinzufuegen = button("btHintergundhinzufuegen", QString::fromUtf8("Hintergrundbild hinzufügen"),
                                       &Regal::btHintergundhinzufuegen_Click);
    m_btentfernen = button("btentfernen", QStringLiteral("Film entfernen"), &Regal::btentfernen_Click);
    m_btClose = button("btClose", QStringLiteral("X"), &Regal::btClose_Click);
    m_btClose->resize(kButtonHeight, kButtonHeight);
}

// ---------------------------------------------------------------- opening

void Regal::loadTexts(std::uint8_t language)
{
    m_texts.Load(ProgramFiles::shelfTexts());
    m_texts.setLanguage(language);
}

void Regal::loadTitles(const QString& listPath)
{
    m_titles.clear();
    // The collection is written after every change: while the file is the one
    // it last read or wrote, its titles are the file's, and need no reading.
    const clsDatentraegerList& current = m_host.session().DVDListe();
    std::optional<clsDatentraegerList> read;
    if (!current.isFileUnchanged(listPath))
        read.emplace().Load(listPath);
    const clsDatentraegerList& list = read ? *read : current;
    m_titles.reserve(list.getListSize());
    for (int i = 1; i <= list.getListSize(); ++i) {
        const clsDatentraeger& t = list.titleAt(i);
        m_titles.append({t.GetFilmname(), t.GetFormat()});
    }
}

bool Regal::initFromSettings(const QString& shelfPath)
{
    const clsOptions& o = m_host.session().Options();
    return SetInitValues(o.Language(), o.DvdListpath(), shelfPath, o.RegalHeight(), o.RegalWidth(), o.GetDesign());
}

bool Regal::writeNewShelfFile(const QString& path)
{
    return runAction([&] { clsRegalCtrl::WriteNewShelfFile(path); }, [&](const RuntimeError& e) {
        statusWithText(MessageText::Failed, TextShelfNotSaved, causeSuffix(e));
    });
}

void Regal::OpenView()
{
    m_host.HidePopUps();
    // Loading again would throw away the edits of an open shelf.
    if (m_loaded && (isVisible() || HasUnsavedChanges())) {
        if (!m_editor.editing() || !HasUnsavedChanges()) {
            bringToFront(false);
            return;
        }
        // The view shows what the file holds: the edits are saved first or dropped.
        switch (askSave(MsgButtons::YesNoCancel)) {
        case MsgAnswer::Yes:
            if (saveShelf())
                bringToFront(false);
            return;
        case MsgAnswer::No:
            Form_Unload();
            hide();
            break; // and open the view afresh from the file
        default: return;
        }
    }
    const clsOptions& o = m_host.session().Options();
    const QString shelfPath = clsRegalCtrl::ShelfPathOfList(o.DvdListpath());
    if (!clsPathFunctions::checkIfFileExists(shelfPath, 0)) {
        m_host.StatusMsg(MessageText::ShelfFileMissing);
        return;
    }
    if (!clsPathFunctions::checkIfFileExists(o.DvdListpath(), 0)) {
        m_host.StatusMsg(MessageText::ListFileMissing);
        return;
    }
    setBearbeitungsModus(false);
    if (!initFromSettings(shelfPath)) {
        // Nothing of another shelf is shown in place of this one.
        if (m_shelfFileFailed)
            statusWithText(MessageText::Failed, TextShelfUnreadable, causeSuffix(m_failure));
        else
            m_host.StatusMsg(MessageText::Failed, causeSuffix(m_failure));
        return;
    }
    showSized();
    Blinker_start(m_host.session().AktuelleDVD().GetFilmname());
    m_host.setMenuEnabled(kMenuSammlung, false);
    m_host.setMenuEnabled(kMenuAnsicht, false);
}

void Regal::OpenEditor()
{
    m_host.HidePopUps();
    if (m_loaded && (isVisible() || HasUnsavedChanges())) {
        bringToFront(true);
        return;
    }
    Session& s = m_host.session();
    loadTexts(s.Options().Language());
    for (;;) {
        const QString listPath = s.Options().DvdListpath();
        const QString shelfPath = clsRegalCtrl::ShelfPathOfList(listPath);
        if (!clsPathFunctions::checkIfFileExists(shelfPath, 0)) {
            m_host.StatusMsg(MessageText::ShelfFileMissing);
            if (Messages::get().messageBox(s.BoxTexts().MultiWord(BoxText::AskCreateShelfFile), MsgButtons::YesNo, s.BoxTexts().MultiWord(BoxText::NewFileTitle)) !=
                MsgAnswer::Yes)
                return;
            if (!writeNewShelfFile(shelfPath))
                return;
            continue;
        }
        if (!clsPathFunctions::checkIfFileExists(listPath, 0)) {
            m_host.StatusMsg(MessageText::ListFileMissing);
            return;
        }
        setBearbeitungsModus(true);
        if (initFromSettings(shelfPath)) {
            showSized();
            m_host.setMenuEnabled(kMenuSammlung, false);
            m_host.setMenuEnabled(kMenuAnsicht, false);
            return;
        }
        // Only a shelf file that could not be read is offered to be written anew.
        if (!m_shelfFileFailed) {
            m_host.StatusMsg(MessageText::Failed, causeSuffix(m_failure));
            return;
        }
        if (Messages::get().messageBox(s.BoxTexts().MultiWord(BoxText::AskRewriteShelfFile), MsgButtons::YesNo, s.BoxTexts().MultiWord(BoxText::DamagedShelfFileTitle)) !=
            MsgAnswer::Yes)
            return;
        if (!writeNewShelfFile(shelfPath))
            return;
        m_host.StatusMsg(MessageText::ShelfFileWritten);
    }
}

void Regal::bringToFront(bool edit)
{
    if (edit != m_editor.editing()) {
        setBearbeitungsModus(edit);
        if (edit) {
            m_timer->stop();
            m_canvas->setBlinkshapeVisible(false);
        } else {
            m_editor.dropMove();
            m_editor.hideBand();
            UnmarkAll();
            HideEntryPanel();
        }
    }
    if (!m_canvas->isDrawn())
        DrawShelf();
    m_canvas->setShowBoards(m_editor.editing());
    if (!isVisible())
        showSized();
    raise();
    activateWindow();
    if (!edit) {
        m_timer->stop();
        m_canvas->setBlinkshapeVisible(false);
        Blinker_start(m_host.session().AktuelleDVD().GetFilmname());
    }
    m_host.setMenuEnabled(kMenuSammlung, false);
    m_host.setMenuEnabled(kMenuAnsicht, false);
}

void Regal::applyOuterSize()
{
    // The settings give the outer size, cut to the free area of the main window's screen.
    WindowPlacement::setOuterSize(this, QSize(m_width, m_height), parentWidget());
}

void Regal::showSized() { WindowPlacement::show(this, parentWidget(), QSize(m_width, m_height)); }

void Regal::Form_Load()
{
    m_loaded = true;
    HideEntryPanel();
    m_editor.reset();
    EnableMenus();
    Menue_blockweiseverschieben_Click();
}

void Regal::setBearbeitungsModus(bool edit)
{
    if (!m_loaded)
        Form_Load();
    m_editor.setEditing(edit);
    setMenusEnabled(edit);
    m_canvas->setShowBoards(edit);
}

bool Regal::SetInitValues(std::uint8_t language, const QString& listPath, const QString& shelfPath,
                          std::int16_t height, std::int16_t width, const Design& colours)
{
    m_initialised = false;
    m_shelfFileFailed = false;
    m_failure.clear();
    m_editor.dropMove();
    UnloadShelfLabels();
    bool loaded = false;
    runAction([&] {
        RandomSource& random = Random::get();
        for (int i = 1; i <= kColourCount; ++i) {
            const double r = random.next();
            const double g = random.next();
            const double b = random.next();
            m_colourTable[static_cast<size_t>(i)] = randomColour(r, g, b);
        }

        m_listPath = listPath;
        m_shelfPath = shelfPath;
        m_width = width;
        m_height = height;
        m_colours = colours;

        loadTexts(language);
        loadTitles(listPath);

        applyOuterSize();
        layoutEntryPanel();
        m_ucEntry1->SetDesign(QStringLiteral("Eintrag"), 1, 190, 10, colours, false);
        m_ucEntry1->setDialogFolder(ProgramFolder::path());
        applyCaptions();
        ColorHelper::setBoxColors(m_listMovies, colours.entryFont, colours.entryBackground);

        try {
            m_editor.shelf().load(shelfPath);
        } catch (const RuntimeError&) {
            m_shelfFileFailed = true;
            throw;
        }
        DrawShelf();
        showBackground();
        // The list box is filled when the panel that shows it is first asked for.
        m_listMovies->clear();
        m_listMoviesFilled = false;
        loaded = true;
    }, [this](const RuntimeError& e) { m_failure = e.detail(); });
    if (!loaded)
        return false;
    markSaved();
    m_initialised = true;
    return true;
}

void Regal::applyCaptions()
{
    m_btentfernen->setText(m_texts.MultiWord(TextRemoveFilm));
    m_bthinzufuegen->setText(m_texts.MultiWord(TextAddFilm));
    m_btHintergundhinzufuegen->setText(m_texts.MultiWord(TextAddBackground));
    m_ucEntry1->setCaption(m_texts.MultiWord(TextEntry));
    for (const Caption& c : kMenuCaptions) {
        if (QAction* a = menuItem(QString::fromLatin1(c.name)))
            a->setText(m_texts.MultiWord(c.text));
    }
}

void Regal::layoutEntryPanel()
{
    const int W = InnerWidth();
    const int w = std::max(0, W - 100);
    m_ucEntry1->resize(w, m_ucEntry1->height());
    m_listMovies->resize(w, m_ucEntry1->height());
    for (QPushButton* b : {m_bthinzufuegen, m_btHintergundhinzufuegen, m_btentfernen})
        b->resize(m_ucEntry1->width(), b->height());
    clsFormFunctions ff;
    const auto centred = [&ff, W](int width) {
        std::int16_t cw = static_cast<std::int16_t>(std::clamp(width, 0, 32767));
        return static_cast<int>(ff.GetLeft(static_cast<std::int16_t>(std::clamp(W, 0, 32767)), cw, 1, 1, true, 0));
    };
    m_ucEntry1->move(centred(m_ucEntry1->width()), kPanelTop);
    m_listMovies->move(centred(m_listMovies->width()), kPanelTop);
    const int buttonsTop = m_ucEntry1->y() + m_ucEntry1->height();
    for (QPushButton* b : {m_bthinzufuegen, m_btHintergundhinzufuegen, m_btentfernen})
        b->move(m_ucEntry1->x(), buttonsTop);
    m_btClose->move(m_ucEntry1->x() + m_ucEntry1->width() - m_btClose->width(), m_btClose->y());
}

void Regal::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    layoutEntryPanel();
}

int Regal::InnerWidth() const { return width(); }

Color Regal::SpineColour(int i) const
{
    return (i >= 1 && i <= kColourCount) ? m_colourTable[static_cast<size_t>(i)] : 0;
}

bool Regal::HasUnsavedChanges() const { return m_initialised && m_editor.shelf().Fingerprint() != m_savedFingerprint; }

void Regal::markSaved() { m_savedFingerprint = m_editor.shelf().Fingerprint(); }

// ---------------------------------------------------------------- drawing

void Regal::DrawShelf()
{
    m_canvas->setShowBoards(m_editor.editing());
    m_canvas->setDrawn(true);
}

void Regal::UnloadShelfLabels() { m_canvas->setDrawn(false); }

void Regal::StopBlinkerAndClear()
{
    UnloadShelfLabels();
    m_timer->stop();
    m_canvas->setBlinkshapeVisible(false);
}

void Regal::showBackground()
{
    QImage picture;
    if (clsPathFunctions::checkIfFileExists(m_editor.shelf().BGpath(), 1))
        picture.load(m_editor.shelf().BGpath());
    if (picture.isNull()) {
        // The shelf keeps its own path, so saving does not lose it.
        picture.load(clsRegalCtrl::DefaultBGpath());
        m_host.StatusMsg(MessageText::BackgroundMissing);
    }
    m_canvas->setBackground(picture);
}

void Regal::Timer_Timer() { m_canvas->setBlinkshapeVisible(!m_canvas->blinkshapeVisible()); }

void Regal::Blinker_start(const QString& title)
{
    const int i = m_editor.shelf().IndexOfMovie(title);
    if (i < 1)
        return;
    m_canvas->setBlinkshape(m_canvas->movieRect(i).adjusted(-1, -1, 1, 1));
    m_timer->start();
}

// ---------------------------------------------------------------- entry panel

void Regal::fillListMovies()
{
    if (m_listMoviesFilled)
        return;
    QStringList names;
    names.reserve(m_titles.size());
    for (const clsRegalCtrl::ListTitle& t : m_titles)
        names << t.name;
    m_listMovies->addItems(names);
    m_listMoviesFilled = true;
}

void Regal::HideEntryPanel()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_ucEntry1, m_btClose, m_bthinzufuegen,
                                                      m_btHintergundhinzufuegen, m_btentfernen, m_listMovies})
        w->hide();
}

void Regal::ShowEntryPanel(std::uint8_t mode)
{
    HideEntryPanel();
    switch (mode) {
    case PanelAdd:
        fillListMovies();
        m_listMovies->show();
        m_bthinzufuegen->show();
        m_ucEntry1->setStyle(2);
        m_ucEntry1->setCaption(m_texts.MultiWord(TextEntryTitle));
        m_btClose->move(m_btClose->x(), m_listMovies->y() - m_btClose->height());
        break;
    case PanelBackground:
        m_ucEntry1->show();
        m_btHintergundhinzufuegen->show();
        m_ucEntry1->setStyle(3);
        m_ucEntry1->setCaption(m_texts.MultiWord(TextEntryPicture));
        m_btClose->move(m_btClose->x(), m_ucEntry1->y() - m_btClose->height());
        break;
    case PanelRemove:
        m_ucEntry1->show();
        m_btentfernen->show();
        m_ucEntry1->setStyle(2);
        m_ucEntry1->setCaption(m_texts.MultiWord(TextEntryTitle));
        m_btClose->move(m_btClose->x(), m_ucEntry1->y() - m_btClose->height());
        break;
    default: return;
    }
    // The text box and the combo box of the entry show the one value that a button takes.
    m_ucEntry1->setValue(m_ucEntry1->value());
    m_btClose->show();
    m_btClose->raise();
}

// ---------------------------------------------------------------- mouse and keys

void Regal::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Control)
        m_editor.setCtrlHeld(true);
    QMainWindow::keyPressEvent(event);
}

void Regal::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Control)
        m_editor.setCtrlHeld(false);
    QMainWindow::keyReleaseEvent(event);
}

// ---------------------------------------------------------------- saving and closing

void Regal::statusWithText(int msgNo, int textNo, const QString& cause)
{
    m_host.StatusMsg(msgNo, QStringLiteral(" ") + m_texts.MultiWord(textNo) + cause);
}

bool Regal::saveShelf()
{
    if (!runAction([&] { m_editor.shelf().Save(m_shelfPath); }, [&](const RuntimeError& e) {
            statusWithText(MessageText::Failed, TextShelfNotSaved, causeSuffix(e));
        }))
        return false;
    markSaved();
    m_host.StatusMsg(MessageText::Saved);
    return true;
}

void Regal::Menue_speichern_Click() { saveShelf(); }

void Regal::closeEvent(QCloseEvent* event)
{
    if (!m_loaded) {
        event->accept();
        return;
    }
    if (HasUnsavedChanges()) {
        // A shelf that could not be written keeps the window open, so nothing is lost.
        if (askSave(MsgButtons::YesNo) == MsgAnswer::Yes && !saveShelf()) {
            event->ignore();
            return;
        }
    }
    Form_Unload();
    event->accept();
}

MsgAnswer Regal::askSave(MsgButtons buttons) const
{
    return Messages::get().messageBox(m_texts.MultiWord(TextAskSave), buttons, m_texts.MultiWord(TextAskSaveTitle));
}

bool Regal::queryClose()
{
    if (!m_loaded || !HasUnsavedChanges())
        return true;
    switch (askSave(MsgButtons::YesNoCancel)) {
    case MsgAnswer::Yes: return saveShelf();
    case MsgAnswer::No: return true;
    default: return false;
    }
}

void Regal::Form_Unload()
{
    StopBlinkerAndClear();
    HideEntryPanel();
    m_editor.hideBand();
    showSelection();
    m_loaded = false;
    m_initialised = false;
    m_host.setMenuEnabled(kMenuSammlung, true);
    m_host.setMenuEnabled(kMenuAnsicht, true);
}
