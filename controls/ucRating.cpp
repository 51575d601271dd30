#include "controls/ucRating.h"

#include "controls/ColorHelper.h"

#include <QPainter>

namespace {

// A circle filled with its palette's window colour.
class Circle : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::black);
        painter.setBrush(palette().color(QPalette::Window));
        painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
};

} // namespace

ucRating::ucRating(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ucRating"));
    for (int k = 1; k <= 5; ++k) {
        auto* c = new Circle(this);
        c->setObjectName(QStringLiteral("Stern%1").arg(k));
        c->resize(kStarSize, kStarSize);
        ColorHelper::setColorRole(c, QPalette::Window, m_starColor);
        m_stars5 << c;
    }
    placeStars();
}

QWidget* ucRating::star(int k) const { return k >= 1 && k <= 5 ? m_stars5[k - 1] : nullptr; }

void ucRating::setStarColor(Color color)
{
    m_starColor = color;
    for (QWidget* c : m_stars5)
        ColorHelper::setColorRole(c, QPalette::Window, color);
}

void ucRating::setMarginX(std::int16_t margin)
{
    m_marginX = margin;
    placeStars();
}

void ucRating::setMarginY(std::int16_t margin)
{
    m_marginY = margin;
    placeStars();
}

void ucRating::setStars(std::uint8_t stars)
{
    m_stars = stars;
    const int shown = stars >= 1 && stars <= 5 ? stars : 0;
    for (int k = 1; k <= 5; ++k)
        m_stars5[k - 1]->setVisible(k <= shown);
}

void ucRating::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeStars();
}

void ucRating::placeStars()
{
    for (int k = 1; k <= 5; ++k) {
        QWidget* c = m_stars5[k - 1];
        c->move(m_marginX + (k - 1) * c->width(), m_marginY);
    }
}
