#pragma once

#include "controls/ColorHelper.h"
#include "data/Design.h"

#include <QLabel>
#include <QMouseEvent>

// A label that shows a colour as its background and reports a left click.
class ColorLabel : public QLabel {
    Q_OBJECT
public:
    explicit ColorLabel(QWidget* parent = nullptr) : QLabel(parent)
    {
        setAutoFillBackground(true);
        setFrameShape(QFrame::Box);
        setCursor(Qt::PointingHandCursor);
        setColor(m_color);
    }

    // The colour as the design keeps it (a system colour stays one).
    Color color() const { return m_color; }
    void setColor(Color color)
    {
        m_color = color;
        ColorHelper::setColorRole(this, QPalette::Window, color);
    }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            emit clicked();
        QLabel::mousePressEvent(event);
    }

private:
    Color m_color = 0;
};
