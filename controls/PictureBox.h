#pragma once

#include <QImage>
#include <QWidget>

// A box that keeps its drawing: everything painted into it stays in a
// buffer of its own until the next picture replaces it, so nothing is
// cleared between two drawings. Its picture is shown as the background.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The background picture; the kept drawing starts again from it.
    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);

    // Draws image stretched to (x, y, width, height) over what is there.
    void paintPicture(const QImage& image, int x, int y, int width, int height);

    // The kept drawing, the size of the box.
    const QImage& image() const { return m_buffer; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage freshBuffer(const QSize& size) const;

    QImage m_picture;
    QImage m_buffer;
};
