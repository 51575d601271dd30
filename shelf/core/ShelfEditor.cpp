#include "shelf/core/ShelfEditor.h"

#include "platform/Numbers.h"

#include <algorithm>

namespace {

int roundedMouse(double v)
{
    return static_cast<int>(std::clamp(Numbers::roundHalfEven(v), -32768.0, 32767.0));
}

} // namespace

void ShelfEditor::reset()
{
    m_movePending = false;
    m_ctrlHeld = false;
}

bool ShelfEditor::press(Qt::KeyboardModifiers keys)
{
    // The keys held come with every mouse event, so the Ctrl flag cannot
    // stick when its release went to another window.
    m_ctrlHeld = keys.testFlag(Qt::ControlModifier);
    if (!m_editing || m_movePending)
        return false;
    m_band = QRect(m_lastMouse, QSize(1, 1));
    m_bandVisible = true;
    return true;
}

void ShelfEditor::move(QPointF position, QSize area)
{
    // While the button is held the mouse may leave the window; the point that
    // a move goes to stays inside, so nothing lands where it cannot be reached.
    m_lastMouse = QPoint(std::clamp(roundedMouse(position.x()), 0, std::max(0, area.width() - 1)),
                         std::clamp(roundedMouse(position.y()), 0, std::max(0, area.height() - 1)));
    // The band follows the mouse only to the right of and below its corner.
    if (m_lastMouse.x() - m_band.left() >= 1)
        m_band.setWidth(m_lastMouse.x() - m_band.left());
    if (m_lastMouse.y() - m_band.top() >= 1)
        m_band.setHeight(m_lastMouse.y() - m_band.top());
}

bool ShelfEditor::release(Qt::KeyboardModifiers keys, int innerWidth)
{
    m_ctrlHeld = keys.testFlag(Qt::ControlModifier);
    if (!m_editing)
        return false;
    if (!m_movePending) {
        m_bandVisible = false;
        const int inside = m_shelf.MarkObjectsInSelection(m_band.left(), m_band.top(), m_band.width(),
                                                          m_band.height(), kBrettHeight);
        // With Ctrl held more objects can be added before the move.
        if (inside >= 1 && !m_ctrlHeld)
            m_movePending = true;
        return true;
    }
    if (m_moveMode == MoveBlock)
        m_shelf.MoveMarkedBlock(m_lastMouse.x(), m_lastMouse.y(), m_band.left(), m_band.top());
    else if (m_moveMode == MoveInRow)
        m_shelf.MoveMarkedInRow(m_lastMouse.x(), m_lastMouse.y(), innerWidth, kBrettHeight);
    m_movePending = false;
    m_shelf.UnmarkAll();
    return false;
}

bool ShelfEditor::clickMovie(int index, Qt::KeyboardModifiers keys)
{
    using R = clsRegalCtrl;
    m_ctrlHeld = keys.testFlag(Qt::ControlModifier);
    if (!m_editing || index < 1 || index > m_shelf.MovieCount())
        return false;
    if (m_shelf.GetMovieNumber(index, R::MovieMark) == 1) {
        m_shelf.SetMovieNumber(index, R::MovieMark, 0);
        return false;
    }
    m_shelf.SetMovieNumber(index, R::MovieMark, 1);
    bandTo(m_shelf.MovieRect(index).topLeft());
    if (!m_ctrlHeld)
        m_movePending = true;
    return true;
}

bool ShelfEditor::clickBrett(int index, Qt::KeyboardModifiers keys)
{
    using R = clsRegalCtrl;
    m_ctrlHeld = keys.testFlag(Qt::ControlModifier);
    if (index < 1 || index > m_shelf.Brettcount())
        return false;
    if (m_shelf.GetBrettNumber(index, R::BrettMark) == 1) {
        m_shelf.SetBrettNumber(index, R::BrettMark, 0);
        return false;
    }
    m_shelf.SetBrettNumber(index, R::BrettMark, 1);
    bandTo(QPoint(m_shelf.GetBrettNumber(index, R::BrettLeft), m_shelf.GetBrettNumber(index, R::BrettTop)));
    if (!m_ctrlHeld)
        m_movePending = true;
    return true;
}

void ShelfEditor::clearSelection()
{
    m_shelf.UnmarkAll();
    m_movePending = false;
}

void ShelfEditor::removeMarked(bool movies, bool bretter)
{
    m_movePending = false;
    if (movies)
        m_shelf.RemoveMarkedMovies();
    if (bretter)
        m_shelf.RemoveMarkedBretts();
}
