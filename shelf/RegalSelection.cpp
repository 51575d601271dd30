// Marking spines and boards, and moving the marked ones as a block or in rows.
#include "shelf/Regal.h"

#include "mainwindow/host/PageHost.h"
#include "shelf/ShelfCanvas.h"

#include <QAction>
#include <QTimer>

void Regal::setMenusEnabled(bool enabled)
{
    // Every entry follows its menu, so that no shortcut acts while the menus are off.
    for (auto it = m_items.cbegin(); it != m_items.cend(); ++it)
        it.value()->setEnabled(enabled && it.key() != QLatin1String("menue_filmelegen"));
}

int Regal::MarkObjectsInSelection()
{
    const QRect r = m_canvas->markierung();
    const int count = m_shelf.MarkObjectsInSelection(r.left(), r.top(), r.width(), r.height(), ShelfCanvas::kBrettHeight);
    m_canvas->update();
    return count;
}

void Regal::Form_MouseUp()
{
    if (!m_bearbeitungsModus)
        return;
    if (!m_movePending) {
        m_canvas->setMarkierungVisible(false);
        EnableMenus();
        // With Ctrl held more objects can be added before the move.
        if (MarkObjectsInSelection() >= 1 && !m_ctrlHeld)
            m_movePending = true;
        return;
    }
    if (m_moveMode == 1)
        MoveMarkedBlock(m_lastMouseX, m_lastMouseY);
    else if (m_moveMode == 2)
        MoveMarkedInRow(m_lastMouseX, m_lastMouseY);
    m_movePending = false;
    UnmarkAll();
}

void Regal::RegalFilm_Click(int index)
{
    using R = clsRegalCtrl;
    if (index < 1 || index > m_shelf.MovieCount())
        return;
    if (!m_bearbeitungsModus) {
        const QString name = m_shelf.GetMovieValue(index, R::MovieName).toLower();
        for (int i = 1; i <= m_list->getListSize(); ++i) {
            if (m_list->getDataString(i, clsDatentraegerList::FieldFilmname).toLower() == name) {
                hide();
                StopBlinkerAndClear();
                emit titleChosen(static_cast<std::int16_t>(i));
                return;
            }
        }
        return;
    }
    if (m_shelf.GetMovieNumber(index, R::MovieMark) == 1) {
        m_shelf.SetMovieValue(index, R::MovieMark, QStringLiteral("0"));
        m_canvas->update(m_canvas->movieRect(index));
        return;
    }
    m_shelf.SetMovieValue(index, R::MovieMark, QStringLiteral("1"));
    m_canvas->update(m_canvas->movieRect(index));
    const QRect label = m_canvas->movieRect(index);
    m_canvas->setMarkierung(QRect(label.topLeft(), m_canvas->markierung().size()));
    EnableMenus();
    if (!m_ctrlHeld)
        m_movePending = true;
}

void Regal::Brett_Click(int index)
{
    using R = clsRegalCtrl;
    if (index < 1 || index > m_shelf.Brettcount())
        return;
    if (m_shelf.GetBrettNumber(index, R::BrettMark) == 1) {
        m_shelf.SetBrettValue(index, R::BrettMark, QStringLiteral("0"));
        m_canvas->update(m_canvas->brettRect(index));
        return;
    }
    m_shelf.SetBrettValue(index, R::BrettMark, QStringLiteral("1"));
    m_canvas->update(m_canvas->brettRect(index));
    const QRect label = m_canvas->brettRect(index);
    m_canvas->setMarkierung(QRect(label.topLeft(), m_canvas->markierung().size()));
    EnableMenus();
    if (!m_ctrlHeld)
        m_movePending = true;
}

void Regal::MoveMarkedBlock(int x, int y)
{
    const QRect origin = m_canvas->markierung();
    m_shelf.MoveMarkedBlock(x, y, origin.left(), origin.top());
    m_canvas->update();
}

void Regal::MoveMarkedInRow(int x, int y)
{
    m_shelf.MoveMarkedInRow(x, y, InnerWidth(), ShelfCanvas::kBrettHeight);
    m_canvas->update();
}

void Regal::UnmarkAll()
{
    m_shelf.UnmarkAll();
    m_canvas->update();
}

void Regal::MarkAll()
{
    m_shelf.MarkAll();
    m_canvas->update();
}

void Regal::menue_markiereAlle_Click() { MarkAll(); }

void Regal::menue_auswahlweg_Click()
{
    UnmarkAll();
    m_movePending = false;
}

void Regal::SetMoveMode(std::int32_t mode) { m_moveMode = static_cast<std::uint8_t>(mode); }

void Regal::Menue_blockweiseverschieben_Click()
{
    SetMoveMode(1);
    menuItem(QStringLiteral("Menue_blockweiseverschieben"))->setChecked(true);
    menuItem(QStringLiteral("Menue_inreihe"))->setChecked(false);
}

void Regal::Menue_inreihe_Click()
{
    SetMoveMode(2);
    menuItem(QStringLiteral("Menue_inreihe"))->setChecked(true);
    menuItem(QStringLiteral("Menue_blockweiseverschieben"))->setChecked(false);
}
