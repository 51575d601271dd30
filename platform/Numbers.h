#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// Text-to-number and number-to-text conversions shared by every file reader
// and entry check: "." as the decimal point whatever the locale, no
// thousands separators, halves rounded to the even neighbour.
class Numbers {
public:
    // Blanks around, a sign, digits, a "." fraction and an exponent; nullopt otherwise.
    static std::optional<double> tryParse(const QString& text);
    // As tryParse, but a text that is no number throws a conversion error.
    static double parse(const QString& text);

    static double roundHalfEven(double value);
    // Int(x): the largest whole number not above x.
    static double intFloor(double value);

    // Round half to even, then check the range: overflow error outside it.
    static std::uint8_t toByte(double value);
    static std::int16_t toInt16(double value);
    static std::int32_t toInt32(double value);

    // The same from text: conversion error for a text that is no number.
    static std::uint8_t toByte(const QString& text);
    static std::int16_t toInt16(const QString& text);
    static std::int32_t toInt32(const QString& text);

    // Shortest decimal form with "." and never an exponent ("4", "-2.5", "0.0005").
    static QString toText(double value);
};
