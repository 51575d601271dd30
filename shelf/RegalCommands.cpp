// The editing commands of the shelf window's menu bar and entry panel.
#include "data/MessageTexts.h"
#include "shelf/Regal.h"

#include "controls/ucEntry.h"
#include "data/clsPathFunctions.h"
#include "host/PageAction.h"
#include "host/PageHost.h"
#include "platform/Paths.h"
#include "platform/RuntimeError.h"
#include "shelf/ShelfCanvas.h"

#include <QImage>
#include <QListWidget>

namespace {

using R = clsRegalCtrl;

} // namespace

// ---------------------------------------------------------------- marked objects

void Regal::Menue_entfernenMarkiert_Click()
{
    UnloadShelfLabels();
    m_editor.removeMarked(true, false);
    DrawShelf();
    m_host.StatusMsg(MessageText::MarkedRemoved);
}

void Regal::Menue_brettentfernen_Click()
{
    UnloadShelfLabels();
    m_editor.removeMarked(false, true);
    DrawShelf();
    m_host.StatusMsg(MessageText::MarkedRemoved);
}

void Regal::menue_alleentfernen_Click()
{
    UnloadShelfLabels();
    m_editor.removeMarked(true, true);
    DrawShelf();
    m_host.StatusMsg(MessageText::MarkedRemoved);
}

void Regal::Menue_brettlaenger_Click()
{
    const int refused = m_editor.shelf().LengthenMarkedBretts(InnerWidth());
    m_canvas->update();
    for (int k = 0; k < refused; ++k)
        m_host.StatusMsg(MessageText::BoardCannotGrow);
}

void Regal::Menue_brettverkuerzen_Click()
{
    const int refused = m_editor.shelf().ShortenMarkedBretts();
    m_canvas->update();
    for (int k = 0; k < refused; ++k)
        m_host.StatusMsg(MessageText::BoardCannotShrink);
}

void Regal::menue_filmeverbreitern_Click()
{
    m_editor.shelf().WidenMarkedMovies();
    m_canvas->update();
}

void Regal::menue_filmeverschmaelern_Click()
{
    m_editor.shelf().NarrowMarkedMovies();
    m_canvas->update();
}

void Regal::menue_alleverbreitern_Click()
{
    Menue_brettlaenger_Click();
    menue_filmeverbreitern_Click();
}

void Regal::menue_alleverschmaelern_Click()
{
    menue_filmeverschmaelern_Click();
    Menue_brettverkuerzen_Click();
}

void Regal::menue_filmelegen_Click()
{
    m_editor.shelf().LayDownMarkedMovies();
    m_canvas->update();
}

// ---------------------------------------------------------------- titles

void Regal::Menue_einzeltitelhinzufuegen_Click() { ShowEntryPanel(PanelAdd); }

void Regal::menue_einzeltitelentfernen_Click() { ShowEntryPanel(PanelRemove); }

void Regal::Menue_allehinzu_Click()
{
    UnloadShelfLabels();
    // Either every missing title finds room or none is added.
    if (!runAction([&] { m_editor.shelf().AddMissingMovies(m_titles, InnerWidth()); },
                   [&](const RuntimeError&) {
            DrawShelf();
            statusWithText(MessageText::Failed, TextShelfFull);
        }))
        return;
    DrawShelf();
    m_host.StatusMsg(MessageText::Added);
}

void Regal::Menue_alleweg_Click()
{
    QStringList names;
    names.reserve(m_titles.size());
    for (const R::ListTitle& t : m_titles)
        names << t.name;
    UnloadShelfLabels();
    m_editor.shelf().RemoveSurplusMovies(names);
    DrawShelf();
    m_host.StatusMsg(MessageText::Removed);
}

void Regal::bthinzufuegen_Click()
{
    const int row = m_listMovies->currentRow();
    if (row < 0 || !m_listMovies->item(row)->isSelected()) {
        m_host.StatusMsg(MessageText::InvalidEntry);
        return;
    }
    if (row >= m_titles.size()) {
        m_host.StatusMsg(MessageText::InvalidEntry);
        return;
    }
    const R::ListTitle& title = m_titles.at(row);
    const QString& name = title.name;
    if (m_editor.shelf().IsFilmInRegal(name)) {
        m_host.StatusMsg(MessageText::InvalidEntry);
        return;
    }
    UnloadShelfLabels();
    if (!runAction([&] { m_editor.shelf().AddSortedMovie(name, title.format, 0, 0, 0, 0); },
                   [&](const RuntimeError&) {
            DrawShelf();
            statusWithText(MessageText::Failed, TextShelfFull);
        }))
        return;
    DrawShelf();
    m_host.StatusMsg(MessageText::Added);
    HideEntryPanel();
}

void Regal::btentfernen_Click()
{
    const QString name = m_ucEntry1->value();
    if (name.isEmpty() || !m_editor.shelf().IsFilmInRegal(name)) {
        m_host.StatusMsg(MessageText::InvalidEntry);
        return;
    }
    UnloadShelfLabels();
    m_editor.shelf().RemoveMovieByTitle(name);
    DrawShelf();
    m_host.StatusMsg(MessageText::Removed);
    HideEntryPanel();
}

// ---------------------------------------------------------------- display size and boards

void Regal::Menue_vergroessern_Click()
{
    if (m_editor.shelf().EnlargeMovies())
        m_canvas->update();
}

void Regal::Menue_verkleinern_Click()
{
    if (m_editor.shelf().ReduceMovies())
        m_canvas->update();
}

void Regal::Menue_bretteinfuegen_Click()
{
    if (m_editor.shelf().Brettcount() >= R::kMaxBretter) {
        m_host.StatusMsg(MessageText::BoardsFull);
        return;
    }
    UnloadShelfLabels();
    m_editor.shelf().AddBrett(0, 0, 200);
    DrawShelf();
    m_host.StatusMsg(MessageText::Added);
}

void Regal::Menue_dvdsaufbretter_Click()
{
    m_editor.shelf().PutMoviesOnBretter();
    m_canvas->update();
}

// ---------------------------------------------------------------- background

void Regal::Menue_bg_hinzufuegen_Click() { ShowEntryPanel(PanelBackground); }

void Regal::btHintergundhinzufuegen_Click()
{
    const QString typed = m_ucEntry1->value();
    if (typed.isEmpty()) {
        m_host.StatusMsg(MessageText::EntriesMissing);
        return;
    }
    // A path typed relative to the program folder is kept as a full path.
    const QString path = Paths::resolve(typed);
    QImage picture;
    if (!clsPathFunctions::checkIfFileExists(path, 1) || !picture.load(path)) {
        m_host.StatusMsg(MessageText::FileUnusable);
        return;
    }
    m_editor.shelf().setBGpath(path);
    m_canvas->setBackground(picture);
    m_host.StatusMsg(MessageText::Added);
    HideEntryPanel();
}

void Regal::Menue_bg_entfernen_Click()
{
    const QString path = clsRegalCtrl::DefaultBGpath();
    m_canvas->setBackground(QImage(path));
    m_editor.shelf().setBGpath(path);
}

void Regal::btClose_Click() { HideEntryPanel(); }
