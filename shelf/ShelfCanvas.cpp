#include "shelf/ShelfCanvas.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "controls/PlainText.h"
#include "shelf/core/clsRegalCtrl.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <utility>

namespace {

// A dark board with a lit front edge, so that it stands out on a wooden background.
const QColor kBrettColour(62, 38, 20);
const QColor kBrettEdge(176, 128, 78);
const QColor kBrettText(245, 230, 205);
const QColor kBorder(Qt::black);
const QColor kBorderInside(Qt::white);
const QColor kBlink(255, 220, 0);

} // namespace

ShelfCanvas::ShelfCanvas(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ShelfCanvas"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setFont(FontHelper::labelFont(7.5));
}

void ShelfCanvas::setBackground(const QImage& picture)
{
    m_background = picture;
    m_scaledBackground = QPixmap();
    update();
}

void ShelfCanvas::setDrawn(bool drawn)
{
    m_drawn = drawn;
    update();
}

void ShelfCanvas::setShowBoards(bool show)
{
    m_showBoards = show;
    update();
}

void ShelfCanvas::setMarkierung(const QRect& r)
{
    m_markierung = r;
    if (m_markierungVisible)
        update();
}

void ShelfCanvas::setMarkierungVisible(bool visible)
{
    m_markierungVisible = visible;
    update();
}

void ShelfCanvas::setBlinkshape(const QRect& r)
{
    m_blinkshape = r;
    update();
}

void ShelfCanvas::setBlinkshapeVisible(bool visible)
{
    m_blinkVisible = visible;
    update(m_blinkshape.adjusted(-2, -2, 2, 2));
}

QRect ShelfCanvas::movieRect(int i) const
{
    if (!m_shelf || i < 1 || i > m_shelf->MovieCount())
        return QRect();
    return m_shelf->MovieRect(i);
}

QRect ShelfCanvas::brettRect(int j) const
{
    using R = clsRegalCtrl;
    if (!m_shelf || j < 1 || j > m_shelf->Brettcount())
        return QRect();
    return QRect(m_shelf->GetBrettNumber(j, R::BrettLeft), m_shelf->GetBrettNumber(j, R::BrettTop),
                 m_shelf->GetBrettNumber(j, R::BrettWidth), kBrettHeight);
}

int ShelfCanvas::movieAt(const QPoint& p) const
{
    if (!m_drawn || !m_shelf)
        return 0;
    for (int i = m_shelf->MovieCount(); i >= 1; --i) {
        if (m_shelf->MovieRect(i).contains(p))
            return i;
    }
    return 0;
}

int ShelfCanvas::brettAt(const QPoint& p) const
{
    if (!m_drawn || !m_showBoards || !m_shelf)
        return 0;
    for (int j = m_shelf->Brettcount(); j >= 1; --j) {
        if (brettRect(j).contains(p))
            return j;
    }
    return 0;
}

QString ShelfCanvas::brettCaption(int j) { return QStringLiteral(" %1").arg(j); }

QString ShelfCanvas::movieToolTip(int i) const
{
    if (!m_shelf || i < 1 || i > m_shelf->MovieCount())
        return QString();
    return m_shelf->GetMovieValue(i, clsRegalCtrl::MovieName);
}

void ShelfCanvas::resizeEvent(QResizeEvent* event)
{
    m_scaledBackground = QPixmap();
    QWidget::resizeEvent(event);
}

void ShelfCanvas::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QRect dirty = event->rect();
    if (m_background.isNull()) {
        p.fillRect(dirty, palette().color(QPalette::Window));
    } else {
        if (m_scaledBackground.size() != size())
            m_scaledBackground = QPixmap::fromImage(
                m_background.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        p.drawPixmap(dirty, m_scaledBackground, dirty);
    }

    if (m_drawn && m_shelf) {
        using R = clsRegalCtrl;
        // A marked object shows a border: black, lit inside so that it shows on dark objects too.
        const auto border = [&p](const QRect& r) {
            p.setBrush(Qt::NoBrush);
            p.setPen(kBorder);
            p.drawRect(r.adjusted(0, 0, -1, -1));
            if (r.width() > 4 && r.height() > 4) {
                p.setPen(kBorderInside);
                p.drawRect(r.adjusted(1, 1, -2, -2));
            }
        };
        for (int i = 1; i <= m_shelf->MovieCount(); ++i) {
            const QRect r = m_shelf->MovieRect(i);
            if (!r.intersects(dirty))
                continue;
            const Color c = (m_colours && i < static_cast<int>(m_colours->size())) ? (*m_colours)[static_cast<size_t>(i)]
                                                                                    : Color(0x808080);
            p.fillRect(r, ColorHelper::toQColor(c));
            if (m_shelf->GetMovieNumber(i, R::MovieMark) == 1)
                border(r);
        }
        if (m_showBoards) {
            for (int j = 1; j <= m_shelf->Brettcount(); ++j) {
                const QRect r = brettRect(j);
                if (!r.intersects(dirty))
                    continue;
                p.fillRect(r, kBrettColour);
                p.setPen(kBrettEdge);
                p.drawLine(r.topLeft(), r.topRight());
                p.setPen(kBrettText);
                p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, brettCaption(j));
                if (m_shelf->GetBrettNumber(j, R::BrettMark) == 1)
                    border(r);
            }
        }
    }

    if (m_blinkVisible && !m_blinkshape.isEmpty()) {
        p.setPen(QPen(kBlink, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(m_blinkshape);
    }
    if (m_markierungVisible) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(m_markierung.adjusted(0, 0, -1, -1));
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawRect(m_markierung.adjusted(0, 0, -1, -1));
    }
}

void ShelfCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_pressed != Pressed::None)
        return;
    const QPoint pos = event->position().toPoint();
    if (const int j = brettAt(pos)) {
        m_pressed = Pressed::Brett;
        m_pressedIndex = j;
    } else if (const int i = movieAt(pos)) {
        m_pressed = Pressed::Movie;
        m_pressedIndex = i;
    } else {
        m_pressed = Pressed::Background;
        emit backgroundPressed(event->modifiers());
    }
}

void ShelfCanvas::mouseMoveEvent(QMouseEvent* event)
{
    // Over a spine or board the move belongs to it, unless the press was on the background.
    if (m_pressed == Pressed::Background || (m_pressed == Pressed::None && !overObject(event->position().toPoint())))
        emit backgroundMoved(event->position());
}

void ShelfCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const Pressed pressed = std::exchange(m_pressed, Pressed::None);
    const QPoint pos = event->position().toPoint();
    switch (pressed) {
    case Pressed::Background: emit backgroundReleased(event->modifiers()); break;
    case Pressed::Movie:
        if (movieAt(pos) == m_pressedIndex && brettAt(pos) == 0)
            emit movieClicked(m_pressedIndex, event->modifiers());
        break;
    case Pressed::Brett:
        if (brettAt(pos) == m_pressedIndex)
            emit brettClicked(m_pressedIndex, event->modifiers());
        break;
    case Pressed::None: break;
    }
}

bool ShelfCanvas::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QPoint pos = help->pos();
        const int i = brettAt(pos) ? 0 : movieAt(pos);
        if (i > 0)
            QToolTip::showText(help->globalPos(), PlainText::toolTip(movieToolTip(i)), this, movieRect(i));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}
