#pragma once

#include "shelf/core/clsRegalCtrl.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <Qt>

#include <cstdint>

// Editing a shelf with the mouse: the shelf itself, the rubber band that
// marks spines and boards, and the move of the marked ones that a click on
// the background then carries out. The window forwards its mouse events with
// the keys held and draws what the editor holds; nothing here needs a window.
//
// A press on the background starts a rubber band, the release marks what lies
// wholly inside it. The first marking without Ctrl makes a move pending; the
// next press and release on the background moves the marked objects there
// (as a block or in rows) and unmarks them. With Ctrl held marks add up and
// no move is pending.
class ShelfEditor {
public:
    // The thickness of every board on the window.
    static constexpr int kBrettHeight = 13;
    enum MoveMode : std::uint8_t { MoveBlock = 1, MoveInRow = 2 };

    clsRegalCtrl& shelf() { return m_shelf; }
    const clsRegalCtrl& shelf() const { return m_shelf; }

    // Only in edit mode does the background mark and move.
    bool editing() const { return m_editing; }
    void setEditing(bool edit) { m_editing = edit; }

    // The rubber band; its corner is also where a block move starts from.
    QRect band() const { return m_band; }
    bool bandVisible() const { return m_bandVisible; }
    void hideBand() { m_bandVisible = false; }
    bool movePending() const { return m_movePending; }
    void dropMove() { m_movePending = false; }
    bool ctrlHeld() const { return m_ctrlHeld; }
    void setCtrlHeld(bool held) { m_ctrlHeld = held; }
    QPoint lastMouse() const { return m_lastMouse; }
    std::uint8_t moveMode() const { return m_moveMode; }
    void setMoveMode(std::int32_t mode) { m_moveMode = static_cast<std::uint8_t>(mode); }

    // A new opening: no move pending and Ctrl up.
    void reset();

    // The mouse over the background. The point is kept inside an area of that
    // size. True from press when it starts a rubber band (the commands are off
    // until the release), and from release when it ends one (they are on again).
    bool press(Qt::KeyboardModifiers keys);
    void move(QPointF position, QSize area);
    bool release(Qt::KeyboardModifiers keys, int innerWidth);

    // A click on spine or board index toggles its mark. True when it marked
    // the object (the commands are on then). A spine is clicked in edit mode only.
    bool clickMovie(int index, Qt::KeyboardModifiers keys);
    bool clickBrett(int index, Qt::KeyboardModifiers keys);

    void markAll() { m_shelf.MarkAll(); }
    void unmarkAll() { m_shelf.UnmarkAll(); }
    // Unmarks everything and ends a pending move.
    void clearSelection();
    // Removes the marked titles, the marked boards or both; what was marked
    // for the move is gone, so the next press starts a new selection.
    void removeMarked(bool movies, bool bretter);

private:
    // Moves the band's corner onto a marked object that was clicked.
    void bandTo(QPoint corner) { m_band = QRect(corner, m_band.size()); }

    clsRegalCtrl m_shelf;
    bool m_editing = false;
    QRect m_band{0, 0, 1, 1};
    bool m_bandVisible = false;
    bool m_movePending = false;
    bool m_ctrlHeld = false;
    QPoint m_lastMouse;
    std::uint8_t m_moveMode = MoveBlock;
};
