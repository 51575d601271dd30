#pragma once

#include <cstdint>

// Places controls in equal columns and on a running top that walks down a
// window, and converts between twips and pixels. Sizes are in the caller's
// unit (pixels); the layout arithmetic is 16-bit and a result outside that
// range throws an overflow error.
class clsFormFunctions {
public:
    static constexpr int kTwipsPerPixel = 15;

    // Left edge of a control in column `column` of `columns` across `total`.
    // `width` is capped to the column width; a column or count of 0 counts as 1.
    std::int16_t GetLeft(std::int16_t total, std::int16_t& width, std::uint8_t column, std::uint8_t columns,
                         bool centred, std::int16_t margin) const;
    // Left edge that centres `width` in `total`.
    std::int16_t CenterScreenWidth(std::int16_t total, std::int16_t width) const;

    // The running top before the step; the step is then added.
    std::int16_t GetActualTop(std::int16_t step);
    void SetActualTop(std::int16_t step);
    void ClearTop();
    std::int16_t ActualTop() const { return m_top; }

    std::int32_t TwipsToPixelsX(std::int32_t twips) const;
    std::int32_t PixelsToTwipsX(std::int32_t pixels) const;
    std::int32_t TwipsToPixelsY(std::int32_t twips) const;
    std::int32_t PixelsToTwipsY(std::int32_t pixels) const;

private:
    std::int16_t m_top = 0;
};
