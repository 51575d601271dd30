#include "controls/clsZoomControl.h"

#include "platform/Numbers.h"
#include "platform/RuntimeError.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kZoomStep = 0.2;
constexpr double kMaxFactor = 5.0;

[[noreturn]] void overflow(double value)
{
    throw RuntimeError(ErrorKind::Overflow,
                       QStringLiteral("%1 does not fit into a 32-bit integer").arg(Numbers::toText(value)));
}

std::int32_t checked(double value)
{
    // NaN and infinities fail both comparisons' negation, so they are overflows too.
    if (!(value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max()))
        overflow(value);
    return static_cast<std::int32_t>(value);
}

std::int32_t floorInt(double value) { return checked(std::floor(value)); }
std::int32_t nearestInt(double value) { return checked(Numbers::roundHalfEven(value)); }

std::int32_t add(std::int32_t a, std::int32_t b)
{
    std::int32_t r;
    if (__builtin_add_overflow(a, b, &r))
        overflow(static_cast<double>(a) + b);
    return r;
}

std::int32_t sub(std::int32_t a, std::int32_t b)
{
    std::int32_t r;
    if (__builtin_sub_overflow(a, b, &r))
        overflow(static_cast<double>(a) - b);
    return r;
}

} // namespace

void clsZoomControl::Initialize(double step, std::int32_t viewWidth, std::int32_t viewHeight,
                                std::int32_t pictureWidth, std::int32_t pictureHeight)
{
    m_top = 0;
    m_left = 0;
    m_baseWidth = m_width = pictureWidth;
    m_baseHeight = m_height = pictureHeight;
    m_viewWidth = viewWidth;
    m_viewHeight = viewHeight;
    m_factor = 1.0;
    m_step = step;
}

void clsZoomControl::makeBigger()
{
    if (!(m_factor < kMaxFactor))
        return;
    m_top = 0;
    m_left = 0;
    m_factor += kZoomStep;
    m_width = floorInt(m_baseWidth * m_factor);
    m_height = floorInt(m_baseHeight * m_factor);
}

void clsZoomControl::makeSmaller()
{
    // An empty picture has no proportions to fit to the view.
    if (m_baseWidth == 0 || m_baseHeight == 0)
        return;
    const double reduced = m_factor - kZoomStep;
    if (floorInt(reduced * m_baseWidth) < m_viewWidth) {
        m_width = m_viewWidth;
        m_height = nearestInt(static_cast<double>(m_baseHeight) / m_baseWidth * m_viewWidth);
        return;
    }
    if (floorInt(reduced * m_baseHeight) < m_viewHeight) {
        m_height = m_viewHeight;
        m_width = nearestInt(static_cast<double>(m_baseWidth) / m_baseHeight * m_viewHeight);
        return;
    }
    m_top = 0;
    m_left = 0;
    m_factor = reduced;
    m_width = floorInt(m_baseWidth * m_factor);
    m_height = floorInt(m_baseHeight * m_factor);
}

void clsZoomControl::goLeft()
{
    if (m_left + m_step >= 0)
        m_left = 0;
    else
        m_left = nearestInt(m_left + m_step);
}

void clsZoomControl::goUp()
{
    if (m_top + m_step >= 0)
        m_top = 0;
    else
        m_top = nearestInt(m_top + m_step);
}

void clsZoomControl::goRight()
{
    if (sub(add(m_left, m_width), m_viewWidth) < m_step)
        m_left = sub(m_viewWidth, m_width);
    else
        m_left = nearestInt(m_left - m_step);
}

void clsZoomControl::goDown()
{
    if (sub(add(m_top, m_height), m_viewHeight) < m_step)
        m_top = sub(m_viewHeight, m_height);
    else
        m_top = nearestInt(m_top - m_step);
}
