#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

class ColorLabel;
class PageHost;
class QListWidget;
class QPushButton;
class QWidget;
class ucEntry;
class ucText;

// The settings page (page 16): language, window sizes, free-field caption,
// currency, side switches and sound, and the design editor with the list of
// design files, their colours and sounds.
class PageEinstellungen : public QObject {
public:
    // applyLanguageAndDesign runs after the settings were saved: the language
    // tables, every page's design and the layout follow them again. It is a
    // call, not a signal, because its run-time errors belong to this page's
    // save action.
    PageEinstellungen(PageHost& host, std::function<void()> applyLanguageAndDesign);

    void ShowEinstellungen();
    void HideEinstellungen();
    void SetDesignEinstellungen();
    void SetSizes(int W, int H);

    // Checks the entries, stores them in the settings, writes the settings
    // file and makes language, design and sizes the active ones.
    void btEinstSpeichern_Click();

    // Loads the design chosen in the list into the page's design fields.
    void FileDesign_Click();
    void btDesignSpeichern_Click();
    void btDesignLoeschen_Click();
    void btEinstColorFont_Click();
    void btEinstColorBG_Click();
    void btEinstColorEntryFont_Click();
    void btEinstColorEntryBG_Click();
    void btEinstColorRating_Click();

    // A name a design file may take: not empty, no folder parts, no control
    // characters, and not starting with "." (such a file would be hidden).
    static bool isUsableDesignName(const QString& name);
    // The folder of the design files, without a closing "/".
    static QString designsFolder();

private:
    QList<QWidget*> allControls() const;
    // Re-reads the designs folder; nothing is selected afterwards.
    void refreshDesignList();
    // The file name selected in the list, or "".
    QString selectedDesign() const;
    // Selects the entry of that name, or nothing, without loading it.
    void selectQuietly(const QString& name);
    void chooseColor(ColorLabel* label);
    // The text whole, even when it is longer than what the user may type.
    static void showWhole(ucEntry* entry, const QString& text);

    PageHost& m_host;
    std::function<void()> m_applyLanguageAndDesign;

    ucEntry* m_ucEntryEinstBreite;
    ucEntry* m_ucEntryEinstHoehe;
    ucEntry* m_ucEntryEinstTrailerBreite;
    ucEntry* m_ucEntryEinstTrailerHoehe;
    ucEntry* m_ucEntryEinstRegalBreite;
    ucEntry* m_ucEntryEinstRegalHoehe;
    ucEntry* m_ucEntryEinstFeld;
    ucEntry* m_ucEntryEinstSWButtons;
    ucEntry* m_ucEntryEinstSprache;
    ucEntry* m_ucEntryEinstWaehrung;
    ucEntry* m_ucEntryEinstBG;
    ucEntry* m_ucEntryEinstSoundKlick;
    ucEntry* m_ucEntryEinstSoundStart;
    ucEntry* m_ucEntryEinstSoundHinweis;
    ucEntry* m_ucEntryEinstStumm;
    ucEntry* m_ucEntryEinstDesignName;

    ucText* m_ucTextEinstColorFont;
    ucText* m_ucTextEinstColorBG;
    ucText* m_ucTextEinstColorEntryFont;
    ucText* m_ucTextEinstColorEntryBG;
    ucText* m_ucTextEinstColorRating;

    ColorLabel* m_btEinstColorFont;
    ColorLabel* m_btEinstColorBG;
    ColorLabel* m_btEinstColorEntryFont;
    ColorLabel* m_btEinstColorEntryBG;
    ColorLabel* m_btEinstColorRating;

    QListWidget* m_fileDesign;
    QPushButton* m_btDesignLoeschen;
    QPushButton* m_btDesignSpeichern;
    QPushButton* m_btEinstSpeichern;

    // The design whose lines the page shows, so that a refused choice can
    // fall back to it.
    QString m_chosenDesign;
};
