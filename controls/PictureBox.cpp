#include "controls/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage PictureBox::freshBuffer(const QSize& size) const
{
    QImage buffer(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    buffer.fill(palette().color(QPalette::Window));
    if (!m_picture.isNull()) {
        QPainter p(&buffer);
        p.drawImage(0, 0, m_picture);
    }
    return buffer;
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    m_buffer = freshBuffer(size());
    update();
}

void PictureBox::paintPicture(const QImage& image, int x, int y, int width, int height)
{
    if (m_buffer.isNull())
        m_buffer = freshBuffer(size());
    if (image.isNull() || width <= 0 || height <= 0)
        return;
    QPainter p(&m_buffer);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(x, y, width, height), image);
    p.end();
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    if (m_buffer.isNull())
        m_buffer = freshBuffer(size());
    QPainter p(this);
    p.fillRect(event->rect(), palette().color(QPalette::Window));
    p.drawImage(event->rect().topLeft(), m_buffer, event->rect());
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    // A larger box keeps what was drawn and shows the background beyond it.
    QImage buffer = freshBuffer(event->size());
    if (!m_buffer.isNull()) {
        QPainter p(&buffer);
        p.drawImage(0, 0, m_buffer);
    }
    m_buffer = buffer;
    QWidget::resizeEvent(event);
}
