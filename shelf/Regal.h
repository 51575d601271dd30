#pragma once

#include "data/Design.h"
#include "data/clsTranslation.h"
#include "platform/MessageService.h"
#include "shelf/core/ShelfEditor.h"

#include <QHash>
#include <QMainWindow>
#include <QString>

#include <cstdint>
#include <vector>

class PageHost;
class QAction;
class QListWidget;
class QMenu;
class QPushButton;
class QTimer;
class ShelfCanvas;
class ucEntry;

// The shelf window: the titles of the collection as coloured spines on shelf
// boards over a background picture. In view mode the main window's current
// title blinks and a click on a spine shows that title in the main window; in
// edit mode the user builds the shelf with the menu bar and the entry panel,
// marks and moves spines and boards, and saves the shelf file.
//
// The window object lives for the whole run; closing it unloads it, and the
// next opening loads everything again from the files.
class Regal : public QMainWindow {
    Q_OBJECT
public:
    // Numbers of the texts in the shelf language file.
    enum Text {
        TextRemoveFilm = 1,
        TextAddFilm = 2,
        TextAddBackground = 3,
        TextEntry = 4,
        TextInsertAllMissing = 5,
        TextRemoveAllSurplus = 6,
        TextDisplaySize = 7,
        TextBackgroundRemove = 8,
        TextBackgroundAdd = 9,
        TextMoveAsBlock = 10,
        TextBoardsOnly = 11,
        TextFilmsOnly = 12,
        TextAllObjects = 13,
        TextRemove = 14,
        TextInsert = 15,
        TextAllOntoBoards = 16,
        TextFilm = 17,
        TextRemoveSingleTitle = 18,
        TextAddSingleTitle = 19,
        TextBackgroundPicture = 20,
        TextInARow = 21,
        TextBoards = 22,
        TextSave = 23,
        TextEnlargeAll = 24,
        TextShrinkAll = 25,
        TextMoveMode = 26,
        TextEntryTitle = 27,
        TextEntryPicture = 28,
        TextMarkedObjects = 29,
        TextWiden = 30,
        TextNarrow = 31,
        TextLayFilmsDown = 32,
        TextClearSelection = 33,
        TextMarkAll = 34,
        TextShelfUnreadable = 35,
        TextShelfNotSaved = 36,
        TextShelfFull = 37,
        TextAskSave = 38,
        TextAskSaveTitle = 39,
    };
    // Panels of ShowEntryPanel.
    enum Panel { PanelAdd = 2, PanelBackground = 3, PanelRemove = 4 };

    explicit Regal(PageHost& host, QWidget* parent = nullptr);
    ~Regal() override;

    // The two openings of the main window: view mode (view menu, cover popup)
    // and edit mode (collection menu), each for the current list. An open
    // window is brought to the front in the asked mode instead.
    void OpenView();
    void OpenEditor();

    bool BearbeitungsModus() const { return m_editor.editing(); }
    void setBearbeitungsModus(bool edit);
    // Loads the texts, the title list and the shelf file and lays the window
    // out for width x height pixels. False on any failure; ShelfFileFailed()
    // then tells whether it was the shelf file that could not be read.
    bool SetInitValues(std::uint8_t language, const QString& listPath, const QString& shelfPath, std::int16_t height,
                       std::int16_t width, const Design& colours);
    bool ShelfFileFailed() const { return m_shelfFileFailed; }
    // Frames the first spine of that title (ignoring case) and starts blinking.
    void Blinker_start(const QString& title);

    // ---- state, as the commands and the tests see it
    ShelfCanvas* canvas() const { return m_canvas; }
    // The shelf and its selection and move state.
    ShelfEditor& editor() { return m_editor; }
    const ShelfEditor& editor() const { return m_editor; }
    // The titles of the list, as the window read them at its opening.
    const QList<clsRegalCtrl::ListTitle>& titleList() const { return m_titles; }
    const clsTranslation& texts() const { return m_texts; }
    Color SpineColour(int i) const;
    QString ListPath() const { return m_listPath; }
    QString ShelfPath() const { return m_shelfPath; }
    // The width of the window's inner area in pixels.
    int InnerWidth() const;
    QTimer* Timer() const { return m_timer; }
    // A menu entry by its name.
    QAction* menuItem(const QString& name) const { return m_items.value(name); }
    // Changes to the shelf since it was loaded or saved.
    bool HasUnsavedChanges() const;
    // Closing the program: unsaved changes, of a shown or a hidden window, are
    // offered to be saved, with Cancel. False keeps the program open (Cancel,
    // or a save that failed).
    bool queryClose();

    // ---- commands of the menu bar and the entry panel
    void Menue_speichern_Click();
    void menue_alleentfernen_Click();
    void Menue_entfernenMarkiert_Click();
    void Menue_brettentfernen_Click();
    void menue_alleverbreitern_Click();
    void menue_filmeverbreitern_Click();
    void Menue_brettlaenger_Click();
    void menue_alleverschmaelern_Click();
    void menue_filmeverschmaelern_Click();
    void Menue_brettverkuerzen_Click();
    void menue_filmelegen_Click();
    void menue_markiereAlle_Click();
    void menue_auswahlweg_Click();
    void Menue_einzeltitelhinzufuegen_Click();
    void menue_einzeltitelentfernen_Click();
    void Menue_allehinzu_Click();
    void Menue_alleweg_Click();
    void Menue_vergroessern_Click();
    void Menue_verkleinern_Click();
    void Menue_bretteinfuegen_Click();
    void Menue_dvdsaufbretter_Click();
    void Menue_blockweiseverschieben_Click();
    void Menue_inreihe_Click();
    void Menue_bg_hinzufuegen_Click();
    void Menue_bg_entfernen_Click();
    void btentfernen_Click();
    void bthinzufuegen_Click();
    void btHintergundhinzufuegen_Click();
    void btClose_Click();

    void Timer_Timer();

signals:
    // A spine of the view was clicked: the title view shows the title at pos
    // of the collection.
    void titleChosen(std::int16_t pos);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createMenus();
    void createEntryPanel();
    QMenu* addMenu(QMenu* parent, const char* name, const QString& caption);
    QAction* addItem(QMenu* menu, const char* name, const QString& caption, void (Regal::*handler)(),
                     const QKeySequence& shortcut = {});

    // Opening.
    void loadTexts(std::uint8_t language);
    // The names and formats of the list's titles.
    void loadTitles(const QString& listPath);
    // SetInitValues with the settings of the session.
    bool initFromSettings(const QString& shelfPath);
    // Writes a new, empty shelf file; false (and a message) when it cannot be written.
    bool writeNewShelfFile(const QString& path);
    // Brings the open window to the front in the asked mode.
    void bringToFront(bool edit);
    void showSized();
    void applyOuterSize();
    void Form_Load();
    void Form_Unload();

    // Drawing.
    void DrawShelf();
    void UnloadShelfLabels();
    void StopBlinkerAndClear();
    void showBackground();
    void layoutEntryPanel();
    void ShowEntryPanel(std::uint8_t mode);
    void HideEntryPanel();
    // The list box of the titles, in list order.
    void fillListMovies();
    void applyCaptions();

    // Selection and moves: the canvas's mouse events go to the editor.
    void DisableMenus() { setMenusEnabled(false); }
    void EnableMenus() { setMenusEnabled(true); }
    void setMenusEnabled(bool enabled);
    void RegalFilm_Click(int index, Qt::KeyboardModifiers keys);
    void Brett_Click(int index, Qt::KeyboardModifiers keys);
    void Form_MouseDown(Qt::KeyboardModifiers keys);
    void Form_MouseUp(Qt::KeyboardModifiers keys);
    // Shows the editor's rubber band and marks on the canvas.
    void showSelection();
    void UnmarkAll();

    // The save command's work; false (and a failure message) when the file could not be written.
    bool saveShelf();
    // The shelf's own question whether to save its changes.
    MsgAnswer askSave(MsgButtons buttons) const;
    // Status message n followed by shelf text k and the cause, if any.
    void statusWithText(int msgNo, int textNo, const QString& cause = QString());
    void markSaved();

    PageHost& m_host;
    ShelfCanvas* m_canvas;
    QTimer* m_timer;
    ucEntry* m_ucEntry1 = nullptr;
    QListWidget* m_listMovies = nullptr;
    QPushButton* m_bthinzufuegen = nullptr;
    QPushButton* m_btHintergundhinzufuegen = nullptr;
    QPushButton* m_btentfernen = nullptr;
    QPushButton* m_btClose = nullptr;
    QHash<QString, QAction*> m_items;
    QList<QAction*> m_topMenus;

    bool m_loaded = false;
    bool m_initialised = false;
    bool m_shelfFileFailed = false;
    QString m_failure; // the cause of the last failed opening
    QString m_listPath;
    QString m_shelfPath;
    std::int16_t m_width = 0;
    std::int16_t m_height = 0;
    Design m_colours;
    clsTranslation m_texts;
    QList<clsRegalCtrl::ListTitle> m_titles;
    bool m_listMoviesFilled = false;
    ShelfEditor m_editor;
    std::vector<Color> m_colourTable;
    quint64 m_savedFingerprint = 0;
};
