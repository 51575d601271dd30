#pragma once

#include "data/Design.h"
#include <QList>
#include <QWidget>
#include <cstdint>

// A title's rating as a row of up to five filled circles standing edge to edge.
class ucRating : public QWidget {
    Q_OBJECT
public:
    static constexpr int kStarSize = 17;

    explicit ucRating(QWidget* parent = nullptr);

    Color StarColor() const { return m_starColor; }
    void setStarColor(Color color);
    std::int16_t MarginX() const { return m_marginX; }
    void setMarginX(std::int16_t margin);
    std::int16_t MarginY() const { return m_marginY; }
    void setMarginY(std::int16_t margin);
    // 1 to 5 shows that many circles from the left; any other value none.
    std::uint8_t Stars() const { return m_stars; }
    void setStars(std::uint8_t stars);

    // Stern1 to Stern5 for k = 1 to 5.
    QWidget* star(int k) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeStars();

    QList<QWidget*> m_stars5;
    Color m_starColor = 65535;
    std::int16_t m_marginX = 0;
    std::int16_t m_marginY = 0;
    std::uint8_t m_stars = 5;
};
