#include "mainwindow/settingspages/PageEinstellungen.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "controls/ucEntry.h"
#include "controls/ucText.h"
#include "data/BoxTexts.h"
#include "data/DesignFile.h"
#include "data/MessageTexts.h"
#include "data/ProgramFiles.h"
#include "data/StyleTexts.h"
#include "data/clsPathFunctions.h"
#include "host/PageAction.h"
#include "host/PageControls.h"
#include "host/PageHost.h"
#include "host/PageLayout.h"
#include "session/Session.h"
#include "mainwindow/settingspages/ColorLabel.h"
#include "platform/ColorDialogService.h"
#include "platform/MessageService.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/RuntimeError.h"
#include "platform/ScreenService.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>

#include <array>
#include <optional>
#include <utility>

using PageControls::make;

namespace {

constexpr int kEntryHeight = 25;
constexpr int kDesignListHeight = 120;
constexpr int kSwatchWidth = 45;

const QString kSoundFilter = QStringLiteral("Sound-Files (*.wav,*.mid) | *.wav;*.mid");

QString inBrackets(const QString& text) { return QStringLiteral(" (") + text + u')'; }

} // namespace

PageEinstellungen::PageEinstellungen(PageHost& host, std::function<void()> applyLanguageAndDesign)
    : QObject(host.clientArea()), m_host(host), m_applyLanguageAndDesign(std::move(applyLanguageAndDesign))
{
    using namespace PageControls;
    QWidget* area = host.clientArea();
    const auto entry = [area](const char* name) {
        auto* e = make<ucEntry>(area, name);
        e->resize(e->width(), kEntryHeight);
        return e;
    };
    m_ucEntryEinstBreite = entry("ucEntryEinstBreite");
    m_ucEntryEinstHoehe = entry("ucEntryEinstHoehe");
    m_ucEntryEinstTrailerBreite = entry("ucEntryEinstTrailerBreite");
    m_ucEntryEinstTrailerHoehe = entry("ucEntryEinstTrailerHoehe");
    m_ucEntryEinstRegalBreite = entry("ucEntryEinstRegalBreite");
    m_ucEntryEinstRegalHoehe = entry("ucEntryEinstRegalHoehe");
    m_ucEntryEinstFeld = entry("ucEntryEinstFeld");
    m_ucEntryEinstSWButtons = entry("ucEntryEinstSWButtons");
    m_ucEntryEinstSprache = entry("ucEntryEinstSprache");
    m_ucEntryEinstWaehrung = entry("ucEntryEinstWaehrung");
    m_ucEntryEinstBG = entry("ucEntryEinstBG");
    m_ucEntryEinstSoundKlick = entry("ucEntryEinstSoundKlick");
    m_ucEntryEinstSoundStart = entry("ucEntryEinstSoundStart");
    m_ucEntryEinstSoundHinweis = entry("ucEntryEinstSoundHinweis");
    m_ucEntryEinstStumm = entry("ucEntryEinstStumm");
    m_ucEntryEinstDesignName = entry("ucEntryEinstDesignName");

    const auto text = [area](const char* name) {
        auto* t = make<ucText>(area, name);
        t->resize(t->width(), kEntryHeight);
        return t;
    };
    m_ucTextEinstColorFont = text("ucTextEinstColorFont");
    m_ucTextEinstColorBG = text("ucTextEinstColorBG");
    m_ucTextEinstColorEntryFont = text("ucTextEinstColorEntryFont");
    m_ucTextEinstColorEntryBG = text("ucTextEinstColorEntryBG");
    m_ucTextEinstColorRating = text("ucTextEinstColorRating");

    const auto swatch = [this, area](const char* name, void (PageEinstellungen::*click)()) {
        auto* s = make<ColorLabel>(area, name);
        s->resize(kSwatchWidth, kEntryHeight);
        connect(s, &ColorLabel::clicked, this, click);
        return s;
    };
    m_btEinstColorFont = swatch("btEinstColorFont", &PageEinstellungen::btEinstColorFont_Click);
    m_btEinstColorBG = swatch("btEinstColorBG", &PageEinstellungen::btEinstColorBG_Click);
    m_btEinstColorEntryFont = swatch("btEinstColorEntryFont", &PageEinstellungen::btEinstColorEntryFont_Click);
    m_btEinstColorEntryBG = swatch("btEinstColorEntryBG", &PageEinstellungen::btEinstColorEntryBG_Click);
    m_btEinstColorRating = swatch("btEinstColorRating", &PageEinstellungen::btEinstColorRating_Click);

    m_fileDesign = make<QListWidget>(area, "FileDesign");
    m_fileDesign->setFont(FontHelper::labelFont());
    m_fileDesign->setSelectionMode(QAbstractItemView::SingleSelection);
    m_fileDesign->resize(m_fileDesign->width(), kDesignListHeight);
    // A mouse press makes the line current before it selects it, so the
    // click itself loads (also the design already chosen, again); a choice by
    // keyboard or by the page selects and makes current at once.
    connect(m_fileDesign, &QListWidget::itemClicked, this, [this] { FileDesign_Click(); });
    connect(m_fileDesign, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && !selectedDesign().isEmpty())
            FileDesign_Click();
    });

    m_btDesignLoeschen = makeButton(area, "btDesignLoeschen");
    m_btDesignSpeichern = makeButton(area, "btDesignSpeichern");
    m_btEinstSpeichern = makeButton(area, "btEinstSpeichern");
    connect(m_btDesignLoeschen, &QPushButton::clicked, this, &PageEinstellungen::btDesignLoeschen_Click);
    connect(m_btDesignSpeichern, &QPushButton::clicked, this, &PageEinstellungen::btDesignSpeichern_Click);
    connect(m_btEinstSpeichern, &QPushButton::clicked, this, &PageEinstellungen::btEinstSpeichern_Click);
}

QString PageEinstellungen::designsFolder() { return ProgramFiles::designs(); }

bool PageEinstellungen::isUsableDesignName(const QString& name)
{
    // A hidden file would not show in the list of designs.
    return !name.startsWith(u'.') && clsPathFunctions::isPlainFileName(name);
}

QList<QWidget*> PageEinstellungen::allControls() const
{
    return {m_ucEntryEinstBreite,       m_ucEntryEinstHoehe,        m_ucEntryEinstTrailerBreite,
            m_ucEntryEinstTrailerHoehe, m_ucEntryEinstRegalBreite,  m_ucEntryEinstRegalHoehe,
            m_ucEntryEinstFeld,         m_ucEntryEinstSWButtons,    m_ucEntryEinstSprache,
            m_ucEntryEinstWaehrung,     m_ucEntryEinstBG,           m_ucEntryEinstSoundKlick,
            m_ucEntryEinstSoundStart,   m_ucEntryEinstSoundHinweis, m_ucEntryEinstStumm,
            m_ucEntryEinstDesignName,   m_ucTextEinstColorFont,     m_ucTextEinstColorBG,
            m_ucTextEinstColorEntryFont, m_ucTextEinstColorEntryBG, m_ucTextEinstColorRating,
            m_btEinstColorFont,         m_btEinstColorBG,           m_btEinstColorEntryFont,
            m_btEinstColorEntryBG,      m_btEinstColorRating,       m_fileDesign,
            m_btDesignLoeschen,         m_btDesignSpeichern,        m_btEinstSpeichern};
}

void PageEinstellungen::showWhole(ucEntry* entry, const QString& text)
{
    const std::int16_t limit = entry->MaxCharacters();
    entry->setMaxCharacters(0);
    entry->setValue(text);
    entry->setMaxCharacters(limit);
}

// ---------------------------------------------------------------- design, show, hide

void PageEinstellungen::SetDesignEinstellungen()
{
    const clsOptions& o = m_host.session().Options();
    const Design design = o.GetDesign();
    const clsTranslation& style = m_host.session().StyleTexts();

    struct EntryDesign {
        ucEntry* entry;
        int caption;
        std::uint8_t style;
        std::int16_t labelwidth;
        std::int16_t maxCharacters;
    };
    const EntryDesign entries[] = {
        {m_ucEntryEinstBreite, StyleText::WindowWidth, 1, 160, 4},
        {m_ucEntryEinstHoehe, StyleText::WindowHeight, 1, 160, 4},
        {m_ucEntryEinstTrailerBreite, StyleText::TrailerWidth, 1, 160, 4},
        {m_ucEntryEinstTrailerHoehe, StyleText::TrailerHeight, 1, 160, 4},
        {m_ucEntryEinstRegalBreite, StyleText::ShelfWidth, 1, 160, 4},
        {m_ucEntryEinstRegalHoehe, StyleText::ShelfHeight, 1, 160, 4},
        {m_ucEntryEinstFeld, StyleText::FreeField, 1, 160, 15},
        {m_ucEntryEinstSWButtons, StyleText::SideSwitches, 2, 160, 3},
        {m_ucEntryEinstSprache, StyleText::Language, 2, 160, 3},
        {m_ucEntryEinstWaehrung, StyleText::Currency, 2, 160, 3},
        {m_ucEntryEinstBG, StyleText::BackgroundPicture, 3, 160, 0},
        {m_ucEntryEinstSoundKlick, StyleText::ClickSound, 3, 160, 0},
        {m_ucEntryEinstSoundStart, StyleText::StartSound, 3, 160, 0},
        {m_ucEntryEinstSoundHinweis, StyleText::AlertSound, 3, 160, 0},
        {m_ucEntryEinstStumm, StyleText::Sound, 2, 160, 0},
        {m_ucEntryEinstDesignName, StyleText::DesignName, 1, 100, 30},
    };
    for (const EntryDesign& d : entries) {
        d.entry->SetDesign(style.MultiWord(d.caption), d.style, d.labelwidth, 10, design, false);
        d.entry->setMaxCharacters(d.maxCharacters);
    }
    for (ucEntry* e : {m_ucEntryEinstBG, m_ucEntryEinstSoundKlick, m_ucEntryEinstSoundStart,
                       m_ucEntryEinstSoundHinweis})
        e->setDialogFolder(designsFolder());
    for (ucEntry* e : {m_ucEntryEinstSoundKlick, m_ucEntryEinstSoundStart, m_ucEntryEinstSoundHinweis})
        e->setDialogFilter(kSoundFilter);

    const std::pair<ucEntry*, std::array<QString, 2>> combos[] = {
        {m_ucEntryEinstSWButtons, {style.MultiWord(StyleText::On), style.MultiWord(StyleText::Off)}},
        {m_ucEntryEinstStumm, {style.MultiWord(StyleText::On), style.MultiWord(StyleText::Off)}},
        {m_ucEntryEinstSprache, {style.MultiWord(StyleText::LanguageGerman), style.MultiWord(StyleText::LanguageEnglish)}},
        {m_ucEntryEinstWaehrung, {QStringLiteral("\u20AC"), QStringLiteral("$")}},
    };
    for (const auto& [combo, items] : combos) {
        combo->ClearCombo();
        for (const QString& item : items)
            combo->AddComboEntry(item);
    }

    const std::pair<ucText*, int> texts[] = {
        {m_ucTextEinstColorFont, StyleText::DesignLabels},
        {m_ucTextEinstColorBG, StyleText::DesignLabels},
        {m_ucTextEinstColorEntryFont, StyleText::DesignEntries},
        {m_ucTextEinstColorEntryBG, StyleText::DesignEntries},
        {m_ucTextEinstColorRating, StyleText::DesignRating},
    };
    for (const auto& [text, caption] : texts)
        text->SetDesign(style.MultiWord(caption), 1, 10, design, 160, false);

    ColorHelper::setBoxColors(m_fileDesign, o.ColorEntryFont(), o.ColorEntryBG());
    const QString chosen = m_chosenDesign;
    refreshDesignList();
    selectQuietly(chosen);

    m_btDesignLoeschen->setText(style.MultiWord(StyleText::DeleteDesign));
    m_btDesignSpeichern->setText(style.MultiWord(StyleText::SaveDesign));
    m_btEinstSpeichern->setText(style.MultiWord(StyleText::SaveSettings));
}

void PageEinstellungen::ShowEinstellungen()
{
    for (QWidget* w : allControls())
        w->show();

    const clsOptions& o = m_host.session().Options();
    const clsTranslation& style = m_host.session().StyleTexts();
    const std::pair<ucEntry*, QString> values[] = {
        {m_ucEntryEinstBreite, QString::number(o.FormWidth())},
        {m_ucEntryEinstHoehe, QString::number(o.FormHeight())},
        {m_ucEntryEinstTrailerBreite, QString::number(o.TrailerWidth())},
        {m_ucEntryEinstTrailerHoehe, QString::number(o.TrailerHeight())},
        {m_ucEntryEinstRegalBreite, QString::number(o.RegalWidth())},
        {m_ucEntryEinstRegalHoehe, QString::number(o.RegalHeight())},
        {m_ucEntryEinstFeld, o.OwnLabelCaption()},
        {m_ucEntryEinstSWButtons, style.MultiWord(o.Shortcuts() == 1 ? StyleText::On : StyleText::Off)},
        {m_ucEntryEinstSprache, style.MultiWord(o.Language() != 0 ? StyleText::LanguageEnglish : StyleText::LanguageGerman)},
        {m_ucEntryEinstWaehrung, o.CurrencyChar()},
        {m_ucEntryEinstBG, o.BGpath()},
        {m_ucEntryEinstSoundKlick, o.SoundClick()},
        {m_ucEntryEinstSoundStart, o.SoundStart()},
        {m_ucEntryEinstSoundHinweis, o.SoundAlert()},
        {m_ucEntryEinstStumm, style.MultiWord(o.Sound() == 1 ? StyleText::On : StyleText::Off)},
        {m_ucEntryEinstDesignName, clsPathFunctions::getFilename(o.DesignPath(), false)},
    };
    for (const auto& [entry, value] : values)
        showWhole(entry, value);

    m_ucTextEinstColorFont->setText(style.MultiWord(StyleText::TextColour));
    m_ucTextEinstColorBG->setText(style.MultiWord(StyleText::BackgroundColour));
    m_ucTextEinstColorEntryFont->setText(style.MultiWord(StyleText::TextColour));
    m_ucTextEinstColorEntryBG->setText(style.MultiWord(StyleText::BackgroundColour));
    m_ucTextEinstColorRating->setText(style.MultiWord(StyleText::StarColour));
    m_btEinstColorFont->setColor(o.ColorFont());
    m_btEinstColorBG->setColor(o.ColorBG());
    m_btEinstColorEntryFont->setColor(o.ColorEntryFont());
    m_btEinstColorEntryBG->setColor(o.ColorEntryBG());
    m_btEinstColorRating->setColor(o.ColorRating());

    // The page now shows the settings' values, not a design of the list.
    m_chosenDesign.clear();
    refreshDesignList();
    if (!clsPathFunctions::checkIfFileExists(o.DesignPath(), 0)) {
        m_host.StatusMsg(MessageText::FileUnusable);
        return;
    }
    const QString active = clsPathFunctions::getFilename(o.DesignPath(), true);
    for (int i = 0; i < m_fileDesign->count(); ++i) {
        if (m_fileDesign->item(i)->text() == active)
            m_fileDesign->setCurrentRow(i);
    }
}

void PageEinstellungen::HideEinstellungen()
{
    for (QWidget* w : allControls())
        w->hide();
}

void PageEinstellungen::SetSizes(int W, int)
{
    PageLayout l(m_host.FormFunctions(), W);
    const int width = W / 2 - 40;
    const QList<QWidget*> right = {m_ucEntryEinstSprache,     m_ucEntryEinstBreite,      m_ucEntryEinstHoehe,
                                   m_ucEntryEinstTrailerBreite, m_ucEntryEinstTrailerHoehe, m_ucEntryEinstRegalBreite,
                                   m_ucEntryEinstRegalHoehe,  m_ucEntryEinstFeld,       m_ucEntryEinstWaehrung,
                                   m_ucEntryEinstSWButtons,   m_ucEntryEinstStumm,      m_btEinstSpeichern};
    const QList<QWidget*> left = {m_ucEntryEinstBG,         m_ucEntryEinstSoundKlick, m_ucEntryEinstSoundStart,
                                  m_ucEntryEinstSoundHinweis, m_fileDesign,           m_ucEntryEinstDesignName,
                                  m_btDesignSpeichern,      m_btDesignLoeschen};
    const std::pair<ucText*, ColorLabel*> colorRows[] = {
        {m_ucTextEinstColorFont, m_btEinstColorFont},
        {m_ucTextEinstColorBG, m_btEinstColorBG},
        {m_ucTextEinstColorEntryFont, m_btEinstColorEntryFont},
        {m_ucTextEinstColorEntryBG, m_btEinstColorEntryBG},
        {m_ucTextEinstColorRating, m_btEinstColorRating},
    };

    // Widths, then lefts, then heights.
    for (QWidget* w : right)
        PageLayout::setWidth(w, width);
    for (QWidget* w : left)
        PageLayout::setWidth(w, width);
    for (const auto& [text, swatch] : colorRows) {
        PageLayout::setWidth(text, width - kSwatchWidth);
        PageLayout::setWidth(swatch, kSwatchWidth);
    }
    for (QWidget* w : right)
        l.centre(w, 2, 2);
    for (QWidget* w : left)
        l.centre(w, 1, 2);
    const int rowLeft = l.left(width, 1, 2);
    for (const auto& [text, swatch] : colorRows) {
        PageLayout::setLeft(text, rowLeft);
        PageLayout::setLeft(swatch, rowLeft + text->width());
    }
    const int step = m_ucEntryEinstBreite->height();
    for (const auto& [text, swatch] : colorRows)
        PageLayout::setHeight(swatch, step);

    // Tops: the two columns side by side, row by row.
    l.start(100);
    const std::pair<QList<QWidget*>, QWidget*> rows[] = {
        {{m_ucEntryEinstBG}, m_ucEntryEinstSprache},
        {{m_ucTextEinstColorFont, m_btEinstColorFont}, m_ucEntryEinstBreite},
        {{m_ucTextEinstColorBG, m_btEinstColorBG}, m_ucEntryEinstHoehe},
        {{m_ucTextEinstColorEntryFont, m_btEinstColorEntryFont}, m_ucEntryEinstTrailerBreite},
        {{m_ucTextEinstColorEntryBG, m_btEinstColorEntryBG}, m_ucEntryEinstTrailerHoehe},
        {{m_ucTextEinstColorRating, m_btEinstColorRating}, m_ucEntryEinstRegalBreite},
        {{m_ucEntryEinstSoundKlick}, m_ucEntryEinstRegalHoehe},
        {{m_ucEntryEinstSoundStart}, m_ucEntryEinstFeld},
        {{m_ucEntryEinstSoundHinweis}, m_ucEntryEinstWaehrung},
    };
    for (const auto& [beside, rightControl] : rows) {
        for (QWidget* w : beside)
            l.sameRow(w);
        l.row(rightControl, step);
    }
    l.sameRow(m_fileDesign);
    PageLayout::setTop(m_fileDesign, m_fileDesign->y() + 5);
    l.row(m_ucEntryEinstSWButtons, step);
    l.row(m_ucEntryEinstStumm, step);

    const int listBottom = m_fileDesign->y() + m_fileDesign->height();
    PageLayout::setTop(m_ucEntryEinstDesignName, listBottom + 10);
    PageLayout::setTop(m_btDesignSpeichern, listBottom + m_btDesignSpeichern->height() + 10);
    PageLayout::setTop(m_btDesignLoeschen, m_btDesignSpeichern->y() + m_btDesignSpeichern->height());
    PageLayout::setTop(m_btEinstSpeichern, m_btDesignLoeschen->y());
}

// ---------------------------------------------------------------- the settings

void PageEinstellungen::btEinstSpeichern_Click()
{
    Session& session = m_host.session();
    const clsTranslation& style = session.StyleTexts();
    const auto holdsOneOf = [&style](const ucEntry* e, int a, int b) {
        return e->value() == style.MultiWord(a) || e->value() == style.MultiWord(b);
    };
    const auto refuse = [this](const QString& what) { m_host.StatusMsg(MessageText::InvalidSetting, inBrackets(what)); };

    // The checks in their order; the first that fails is the one reported.
    if (!holdsOneOf(m_ucEntryEinstSprache, StyleText::LanguageGerman, StyleText::LanguageEnglish))
        return refuse(m_ucEntryEinstSprache->Caption());
    // The limits of the screen the main window stands on.
    const QSize screen = Screens::get().size(m_host.clientArea());
    const std::int16_t W = PageLayout::clamp16(screen.width());
    const std::int16_t H = PageLayout::clamp16(screen.height());
    const struct {
        ucEntry* entry;
        std::int16_t min;
        std::int16_t max;
    } sizes[] = {
        {m_ucEntryEinstBreite, clsOptions::kMinFormWidth, W},
        {m_ucEntryEinstHoehe, clsOptions::kMinFormHeight, H},
        {m_ucEntryEinstTrailerBreite, clsOptions::kMinTrailerSize, W},
        {m_ucEntryEinstTrailerHoehe, clsOptions::kMinTrailerSize, H},
        {m_ucEntryEinstRegalBreite, clsOptions::kMinRegalSize, W},
        {m_ucEntryEinstRegalHoehe, clsOptions::kMinRegalSize, H},
    };
    for (const auto& s : sizes) {
        if (!s.entry->IsValueNumericBetween(s.min, s.max))
            return refuse(s.entry->Caption());
    }
    const QString design = selectedDesign();
    if (design.isEmpty() || !clsPathFunctions::checkIfFileExists(designsFolder() + u'/' + design, 0))
        return refuse(design);
    if (!holdsOneOf(m_ucEntryEinstSWButtons, StyleText::On, StyleText::Off))
        return refuse(m_ucEntryEinstSWButtons->Caption());
    if (!holdsOneOf(m_ucEntryEinstStumm, StyleText::On, StyleText::Off))
        return refuse(m_ucEntryEinstStumm->Caption());
    if (m_ucEntryEinstFeld->value().isEmpty())
        return refuse(m_ucEntryEinstFeld->Caption());

    // The settings change only when their file was written.
    const bool saved = runAction(m_host, MessageText::InvalidNumberOrNotSaved, [&] {
        session.changeSettings([&](clsOptions& o) {
            const auto whole = [](const ucEntry* e) {
                return Numbers::toInt16(Numbers::intFloor(Numbers::parse(e->value())));
            };
            o.setFormWidth(whole(m_ucEntryEinstBreite));
            o.setFormHeight(whole(m_ucEntryEinstHoehe));
            o.setTrailerWidth(whole(m_ucEntryEinstTrailerBreite));
            o.setTrailerHeight(whole(m_ucEntryEinstTrailerHoehe));
            o.setRegalWidth(whole(m_ucEntryEinstRegalBreite));
            o.setRegalHeight(whole(m_ucEntryEinstRegalHoehe));
            o.setDesignPath(designsFolder() + u'/' + design);
            o.setShortcuts(m_ucEntryEinstSWButtons->value() == style.MultiWord(StyleText::On) ? 1 : 0);
            o.setSound(m_ucEntryEinstStumm->value() == style.MultiWord(StyleText::On) ? 1 : 0);
            o.setLanguage(m_ucEntryEinstSprache->value() == style.MultiWord(StyleText::LanguageGerman) ? 0 : 1);
            o.setOwnLabelCaption(m_ucEntryEinstFeld->value());
            o.setCurrencyChar(m_ucEntryEinstWaehrung->value());
            // What the user typed here may replace a settings file that could not be read.
            o.markSettingsChosen();
        });
    });
    if (!saved)
        return;

    runAction(m_host, MessageText::InvalidNumberOrNotSaved, [&] {
        // Background, sounds and colours now come from the chosen design.
        session.LoadEinstellungen();
        m_applyLanguageAndDesign();
        m_host.ShowPage(16);
        m_host.StatusMsg(MessageText::Saved);
    });
}

// ---------------------------------------------------------------- the design list

void PageEinstellungen::refreshDesignList()
{
    const QSignalBlocker block(m_fileDesign);
    m_fileDesign->clear();
    const QDir dir(designsFolder());
    m_fileDesign->addItems(dir.entryList({QStringLiteral("*.asd")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
    m_fileDesign->setCurrentRow(-1);
    m_fileDesign->clearSelection();
}

QString PageEinstellungen::selectedDesign() const
{
    const QListWidgetItem* item = m_fileDesign->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void PageEinstellungen::selectQuietly(const QString& name)
{
    const QSignalBlocker block(m_fileDesign);
    const QList<QListWidgetItem*> found = name.isEmpty() ? QList<QListWidgetItem*>()
                                                         : m_fileDesign->findItems(name, Qt::MatchExactly);
    if (found.isEmpty()) {
        m_fileDesign->setCurrentRow(-1);
        m_fileDesign->clearSelection();
    } else {
        m_fileDesign->setCurrentItem(found.first());
    }
}

void PageEinstellungen::FileDesign_Click()
{
    const QString name = selectedDesign();
    if (name.isEmpty())
        return;

    // The whole file is read and checked before the page takes any of it.
    const QString path = designsFolder() + u'/' + name;
    // The design is named, and what is wrong with its file where that is known.
    const auto refuse = [&](const QString& why) {
        selectQuietly(m_chosenDesign);
        m_host.StatusMsg(MessageText::FileUnusable, inBrackets(why));
    };
    if (!clsPathFunctions::checkIfFileExists(path, 0)) {
        refuse(name);
        return;
    }
    std::optional<DesignFile> design;
    if (!runAction([&] { design = DesignFile::read(path); }, [&](const RuntimeError& e) { refuse(e.detail()); }))
        return;

    showWhole(m_ucEntryEinstDesignName, name.left(name.size() - 4));
    showWhole(m_ucEntryEinstBG, design->BGpath);
    showWhole(m_ucEntryEinstSoundKlick, design->SoundClick);
    showWhole(m_ucEntryEinstSoundStart, design->SoundStart);
    showWhole(m_ucEntryEinstSoundHinweis, design->SoundAlert);
    const Design& colors = design->colors;
    m_btEinstColorFont->setColor(colors.font);
    m_btEinstColorBG->setColor(colors.background);
    m_btEinstColorEntryFont->setColor(colors.entryFont);
    m_btEinstColorEntryBG->setColor(colors.entryBackground);
    m_btEinstColorRating->setColor(colors.rating);
    m_host.session().setDesignGeschuetzt(design->refusesDelete());
    m_chosenDesign = name;
}

// ---------------------------------------------------------------- colours

void PageEinstellungen::chooseColor(ColorLabel* label)
{
    // The chooser knows plain colours only; a system colour starts as what it shows.
    Color start = label->color();
    if (ColorHelper::isSystemColor(start))
        start = ColorHelper::fromQColor(ColorHelper::toQColor(start));
    if (const std::optional<std::int32_t> chosen = ColorDialogs::get().chooseColor(start))
        label->setColor(*chosen);
}

void PageEinstellungen::btEinstColorFont_Click() { chooseColor(m_btEinstColorFont); }

void PageEinstellungen::btEinstColorBG_Click() { chooseColor(m_btEinstColorBG); }

void PageEinstellungen::btEinstColorEntryFont_Click() { chooseColor(m_btEinstColorEntryFont); }

void PageEinstellungen::btEinstColorEntryBG_Click() { chooseColor(m_btEinstColorEntryBG); }

void PageEinstellungen::btEinstColorRating_Click() { chooseColor(m_btEinstColorRating); }

// ---------------------------------------------------------------- saving and deleting designs

void PageEinstellungen::btDesignSpeichern_Click()
{
    runAction(m_host, MessageText::DesignNotSaved, [this] {
        ucEntry* const background = m_ucEntryEinstBG;
        const std::array<ucEntry*, 3> sounds = {m_ucEntryEinstSoundKlick, m_ucEntryEinstSoundStart,
                                                m_ucEntryEinstSoundHinweis};
        for (ucEntry* e : {background, sounds[0], sounds[1], sounds[2]}) {
            QString path = e->value();
            showWhole(e, clsPathFunctions::ChangeIntoFullPathIfRelative(path));
        }
        if (!clsPathFunctions::checkIfFileExists(background->value(), 0)) {
            m_host.StatusMsg(MessageText::FileUnusable);
            return;
        }
        for (ucEntry* e : sounds) {
            if (!clsPathFunctions::checkIfFileExists(e->value(), 0))
                showWhole(e, QString());
        }

        DesignFile design;
        design.BGpath = background->value();
        design.SoundClick = sounds[0]->value();
        design.SoundStart = sounds[1]->value();
        design.SoundAlert = sounds[2]->value();
        design.colors = {m_btEinstColorFont->color(), m_btEinstColorBG->color(), m_btEinstColorEntryFont->color(),
                         m_btEinstColorEntryBG->color(), m_btEinstColorRating->color()};

        // The name makes a file in the designs folder and nowhere else.
        const QString name = m_ucEntryEinstDesignName->value();
        if (!isUsableDesignName(name)) {
            m_host.StatusMsg(MessageText::DesignNotSaved);
            return;
        }
        const QString path = designsFolder() + u'/' + name + QStringLiteral(".asd");
        if (clsPathFunctions::checkIfFileExists(path, 0)) {
            if (DesignFile::refusesOverwrite(path)) {
                m_host.StatusMsg(MessageText::DesignProtectedFromOverwrite);
                return;
            }
            const clsTranslation& box = m_host.session().BoxTexts();
            if (Messages::get().messageBox(box.MultiWord(BoxText::AskOverwriteDesign), MsgButtons::YesNo, box.MultiWord(BoxText::ConfirmTitle)) != MsgAnswer::Yes)
                return;
        }
        design.write(path);
        m_host.StatusMsg(MessageText::Saved);
        m_host.ShowPage(16);
    });
}

void PageEinstellungen::btDesignLoeschen_Click()
{
    // The design the page shows, whatever line the list has highlighted.
    const QString name = m_chosenDesign;
    if (name.isEmpty()) {
        m_host.StatusMsg(MessageText::NothingSelected);
        return;
    }
    const QString path = designsFolder() + u'/' + name;
    if (Paths::sameFile(m_host.session().Options().DesignPath(), path)) {
        m_host.StatusMsg(MessageText::InUse);
        return;
    }
    if (m_host.session().DesignGeschuetzt()) {
        m_host.StatusMsg(MessageText::DesignProtectedFromDelete);
        return;
    }
    const clsTranslation& box = m_host.session().BoxTexts();
    if (Messages::get().messageBox(box.MultiWord(BoxText::AskDelete), MsgButtons::YesNo, box.MultiWord(BoxText::ConfirmTitle)) != MsgAnswer::Yes)
        return;
    if (QFile file(path); !file.remove()) {
        m_host.StatusMsg(MessageText::DeleteFailed,
                         causeSuffix(QStringLiteral("cannot remove %1: %2").arg(path, file.errorString())));
        return;
    }
    m_host.StatusMsg(MessageText::Removed);
    m_host.ShowPage(16);
}
