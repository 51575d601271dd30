#pragma once

#include "controls/clsFormFunctions.h"

#include <QWidget>
#include <algorithm>
#include <cstdint>

// The placement steps every page uses in the layout pass: widths and heights
// that would turn negative are 0, lefts come from the columns of the window
// width, tops from the shared running top.
class PageLayout {
public:
    PageLayout(clsFormFunctions& ff, int W) : m_ff(ff), m_W(clamp16(W)) {}

    static std::int16_t clamp16(int v) { return static_cast<std::int16_t>(std::clamp(v, -32768, 32767)); }

    static void setWidth(QWidget* w, int width) { w->resize(std::max(0, width), w->height()); }
    static void setHeight(QWidget* w, int height) { w->resize(w->width(), std::max(0, height)); }
    static void setLeft(QWidget* w, int left) { w->move(left, w->y()); }
    static void setTop(QWidget* w, int top) { w->move(w->x(), top); }

    // The left edge of a control of `width` centred in column `column` of `columns`.
    int left(int width, int column = 1, int columns = 1, int margin = 0) const
    {
        std::int16_t w = clamp16(std::max(0, width));
        return m_ff.GetLeft(m_W, w, static_cast<std::uint8_t>(column), static_cast<std::uint8_t>(columns), true,
                            clamp16(margin));
    }
    // Centres the control, with its own width, in its column.
    void centre(QWidget* w, int column = 1, int columns = 1) const { setLeft(w, left(w->width(), column, columns)); }

    // ClearTop and SetActualTop(top): the page's first row.
    void start(int top)
    {
        m_ff.ClearTop();
        m_ff.SetActualTop(clamp16(top));
    }
    // The control takes the running top, which then moves down by step.
    void row(QWidget* w, int step) { setTop(w, m_ff.GetActualTop(clamp16(step))); }
    // The control shares the row of the control placed after it.
    void sameRow(QWidget* w) { row(w, 0); }

private:
    clsFormFunctions& m_ff;
    std::int16_t m_W;
};
