#pragma once

#include <QString>
#include <cstdint>

// What a disc format's case measures: the cover's aspect (width to height)
// and the default spine on the shelf. Any unknown text measures like a DVD.
struct DiscFormat {
    int coverWidth;
    int coverHeight;
    int spineWidth;
    int spineHeight;

    static DiscFormat of(const QString& format)
    {
        if (format == u"BluRay")
            return {2, 1, 100 / 15, 80};
        if (format == u"HD-DVD")
            return {18, 10, 100 / 15, 80};
        if (format == u"VCD")
            return {2, 1, 100 / 15, 50};
        if (format == u"VHS")
            return {3, 2, 100 / 10, 100};
        return {3, 2, 100 / 13, 100};
    }

    // Cover sizes are cut towards minus infinity.
    int coverWidthFor(int height) const { return floorDiv(std::int64_t(height) * coverWidth, coverHeight); }
    int coverHeightFor(int width) const { return floorDiv(std::int64_t(width) * coverHeight, coverWidth); }

private:
    static int floorDiv(std::int64_t num, std::int64_t den)
    {
        return static_cast<int>(num >= 0 ? num / den : -((-num + den - 1) / den));
    }
};
