#include "controls/clsFormFunctions.h"

#include "platform/Numbers.h"

#include <algorithm>

std::int16_t clsFormFunctions::GetLeft(std::int16_t total, std::int16_t& width, std::uint8_t column,
                                       std::uint8_t columns, bool centred, std::int16_t margin) const
{
    const int cols = columns == 0 ? 1 : columns;
    const int col = column == 0 ? 1 : column;
    // A total too small for its margins leaves no room rather than a negative width.
    const double columnWidth =
        std::max(0.0, Numbers::intFloor(static_cast<double>(total) / cols) - 2.0 * margin);
    const std::int16_t c = Numbers::toInt16(columnWidth);
    if (width < 0)
        width = 0;
    if (width >= c)
        width = c;
    double left = static_cast<double>(col - 1) * c + margin;
    if (centred)
        left += Numbers::intFloor((c - width) / 2.0);
    return Numbers::toInt16(left);
}

std::int16_t clsFormFunctions::CenterScreenWidth(std::int16_t total, std::int16_t width) const
{
    return Numbers::toInt16(Numbers::intFloor(total / 2.0 - width / 2.0));
}

std::int16_t clsFormFunctions::GetActualTop(std::int16_t step)
{
    const std::int16_t before = m_top;
    SetActualTop(step);
    return before;
}

void clsFormFunctions::SetActualTop(std::int16_t step)
{
    m_top = Numbers::toInt16(static_cast<double>(m_top) + step);
}

void clsFormFunctions::ClearTop() { m_top = 0; }

std::int32_t clsFormFunctions::TwipsToPixelsX(std::int32_t twips) const
{
    return Numbers::toInt32(static_cast<double>(twips) / kTwipsPerPixel);
}

std::int32_t clsFormFunctions::PixelsToTwipsX(std::int32_t pixels) const
{
    return Numbers::toInt32(static_cast<double>(pixels) * kTwipsPerPixel);
}

std::int32_t clsFormFunctions::TwipsToPixelsY(std::int32_t twips) const { return TwipsToPixelsX(twips); }

std::int32_t clsFormFunctions::PixelsToTwipsY(std::int32_t pixels) const { return PixelsToTwipsX(pixels); }
