#pragma once

#include <cstdint>

// Geometry of a picture shown enlarged or reduced inside a fixed view box:
// the zoom factor, the painted size and the offset inside the view. Draws
// nothing; the owner paints at the four getters after every step.
class clsZoomControl {
public:
    void Initialize(double step, std::int32_t viewWidth, std::int32_t viewHeight, std::int32_t pictureWidth,
                    std::int32_t pictureHeight);

    void makeBigger();
    void makeSmaller();
    double getZoomSize() const { return m_factor; }
    void setStep(std::int16_t step) { m_step = step; }

    void goRight();
    void goLeft();
    void goUp();
    void goDown();

    std::int32_t getPictureLeft() const { return m_left; }
    std::int32_t getPictureTop() const { return m_top; }
    std::int32_t getPictureWidth() const { return m_width; }
    std::int32_t getPictureHeight() const { return m_height; }

private:
    std::int32_t m_top = 0;
    std::int32_t m_left = 0;
    std::int32_t m_baseHeight = 0;
    std::int32_t m_baseWidth = 0;
    std::int32_t m_height = 0;
    std::int32_t m_width = 0;
    std::int32_t m_viewHeight = 0;
    std::int32_t m_viewWidth = 0;
    double m_factor = 0.0;
    double m_step = 0.0;
};
