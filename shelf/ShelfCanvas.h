#pragma once

#include "data/Design.h"
#include "shelf/core/ShelfEditor.h"

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <vector>

class clsRegalCtrl;

// The inner area of the shelf window: the background picture, one spine per
// title and one board per shelf board, the blinking frame and the rubber
// band, all painted from the shelf model in one widget. Spines and boards
// still behave like separate objects: a press and release on the same one is
// its click, and mouse events over them do not reach the background.
class ShelfCanvas : public QWidget {
    Q_OBJECT
public:
    // The thickness of every board.
    static constexpr int kBrettHeight = ShelfEditor::kBrettHeight;

    explicit ShelfCanvas(QWidget* parent = nullptr);

    void setShelf(const clsRegalCtrl* shelf) { m_shelf = shelf; }
    // Spine i takes colour i of the table (1-based).
    void setColourTable(const std::vector<Color>* colours) { m_colours = colours; }
    void setBackground(const QImage& picture);
    const QImage& background() const { return m_background; }

    // Whether the spines and boards are shown at all, and whether boards are.
    bool isDrawn() const { return m_drawn; }
    void setDrawn(bool drawn);
    bool showsBoards() const { return m_showBoards; }
    void setShowBoards(bool show);

    // Where spine i and board j stand on the canvas.
    QRect movieRect(int i) const;
    QRect brettRect(int j) const;
    // The topmost spine or board under a point (boards lie above spines, later
    // ones above earlier ones); 0 when there is none or nothing is drawn.
    int movieAt(const QPoint& p) const;
    int brettAt(const QPoint& p) const;
    // The caption of board j (" 3").
    static QString brettCaption(int j);
    // The tooltip of a spine: its film name, shown as typed.
    QString movieToolTip(int i) const;

    // The rubber band and the blinking frame.
    QRect markierung() const { return m_markierung; }
    void setMarkierung(const QRect& r);
    bool markierungVisible() const { return m_markierungVisible; }
    void setMarkierungVisible(bool visible);
    QRect blinkshape() const { return m_blinkshape; }
    void setBlinkshape(const QRect& r);
    bool blinkshapeVisible() const { return m_blinkVisible; }
    void setBlinkshapeVisible(bool visible);

signals:
    // A press and release on the same spine or board, with the keys held at the release.
    void movieClicked(int index, Qt::KeyboardModifiers modifiers);
    void brettClicked(int index, Qt::KeyboardModifiers modifiers);
    // Mouse events over the background only (or anywhere while a press on the background lasts).
    void backgroundPressed(Qt::KeyboardModifiers modifiers);
    void backgroundMoved(QPointF position);
    void backgroundReleased(Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    enum class Pressed { None, Background, Movie, Brett };
    bool overObject(const QPoint& p) const { return brettAt(p) > 0 || movieAt(p) > 0; }

    const clsRegalCtrl* m_shelf = nullptr;
    const std::vector<Color>* m_colours = nullptr;
    QImage m_background;
    QPixmap m_scaledBackground; // the picture at the canvas's size, made once per size
    bool m_drawn = false;
    bool m_showBoards = false;
    QRect m_markierung{0, 0, 1, 1};
    bool m_markierungVisible = false;
    QRect m_blinkshape;
    bool m_blinkVisible = false;
    Pressed m_pressed = Pressed::None;
    int m_pressedIndex = 0;
};
