// Marking spines and boards, and moving the marked ones as a block or in rows:
// the canvas's mouse events go to the editor, which holds the selection.
#include "shelf/Regal.h"

#include "data/MessageTexts.h"
#include "host/PageHost.h"
#include "session/Session.h"
#include "shelf/ShelfCanvas.h"

#include <QAction>
#include <QTimer>

void Regal::setMenusEnabled(bool enabled)
{
    // Every entry follows its menu, so that no shortcut acts while the menus are off.
    for (auto it = m_items.cbegin(); it != m_items.cend(); ++it)
        it.value()->setEnabled(enabled && it.key() != QLatin1String("menue_filmelegen"));
}

void Regal::showSelection()
{
    m_canvas->setMarkierung(m_editor.band());
    if (m_canvas->markierungVisible() != m_editor.bandVisible())
        m_canvas->setMarkierungVisible(m_editor.bandVisible());
    m_canvas->update();
}

void Regal::Form_MouseDown(Qt::KeyboardModifiers keys)
{
    if (!m_editor.press(keys))
        return;
    showSelection();
    DisableMenus();
}

void Regal::Form_MouseUp(Qt::KeyboardModifiers keys)
{
    const bool bandEnded = m_editor.release(keys, InnerWidth());
    showSelection();
    if (bandEnded)
        EnableMenus();
}

void Regal::RegalFilm_Click(int index, Qt::KeyboardModifiers keys)
{
    using R = clsRegalCtrl;
    if (m_editor.clickMovie(index, keys))
        EnableMenus();
    if (m_editor.editing()) {
        showSelection();
        return;
    }
    const clsRegalCtrl& shelf = m_editor.shelf();
    if (index < 1 || index > shelf.MovieCount())
        return;
    // In view mode a spine shows its title in the main window. The title is
    // looked up in the collection as it is now: titles may have been added or
    // deleted since the window opened.
    const QString name = shelf.GetMovieValue(index, R::MovieName).toLower();
    const clsDatentraegerList& titles = m_host.session().DVDListe();
    for (int i = 1; i <= titles.getListSize(); ++i) {
        if (titles.titleAt(i).GetFilmname().toLower() == name) {
            hide();
            StopBlinkerAndClear();
            emit titleChosen(static_cast<std::int16_t>(i));
            return;
        }
    }
    m_host.StatusMsg(MessageText::NotAvailable);
}

void Regal::Brett_Click(int index, Qt::KeyboardModifiers keys)
{
    if (m_editor.clickBrett(index, keys))
        EnableMenus();
    showSelection();
}

void Regal::UnmarkAll()
{
    m_editor.unmarkAll();
    showSelection();
}

void Regal::menue_markiereAlle_Click()
{
    m_editor.markAll();
    m_canvas->update();
}

void Regal::menue_auswahlweg_Click()
{
    m_editor.clearSelection();
    m_canvas->update();
}

void Regal::Menue_blockweiseverschieben_Click()
{
    m_editor.setMoveMode(ShelfEditor::MoveBlock);
    menuItem(QStringLiteral("Menue_blockweiseverschieben"))->setChecked(true);
    menuItem(QStringLiteral("Menue_inreihe"))->setChecked(false);
}

void Regal::Menue_inreihe_Click()
{
    m_editor.setMoveMode(ShelfEditor::MoveInRow);
    menuItem(QStringLiteral("Menue_inreihe"))->setChecked(true);
    menuItem(QStringLiteral("Menue_blockweiseverschieben"))->setChecked(false);
}
