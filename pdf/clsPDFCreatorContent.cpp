// Text and graphics operators of the open page or form stream.
#include "pdf/clsPDFCreator.h"

#include "pdf/PdfText.h"
#include "platform/RuntimeError.h"

#include <cmath>

namespace {

constexpr float kPi = 3.141592f;
// Bezier handle of a quarter circle, as a share of the radius.
constexpr float kHandle = 0.55f;
// A long arc hands its points to the file in pieces of about this size.
constexpr std::size_t kArcChunk = 4 * 1024 * 1024;

[[noreturn]] void overflow()
{
    throw RuntimeError(ErrorKind::Overflow, QStringLiteral("a position beyond single precision"));
}

// Single-precision arithmetic that reports overflow instead of going infinite.
float add(float a, float b)
{
    const float r = a + b;
    if (std::isinf(r) && std::isfinite(a) && std::isfinite(b))
        overflow();
    return r;
}

float sub(float a, float b)
{
    const float r = a - b;
    if (std::isinf(r) && std::isfinite(a) && std::isfinite(b))
        overflow();
    return r;
}

float mul(float a, float b)
{
    const float r = a * b;
    if (std::isinf(r) && std::isfinite(a) && std::isfinite(b))
        overflow();
    return r;
}

} // namespace

void clsPDFCreator::point(float x, float y)
{
    num(ToPoints(x));
    m_out += ' ';
    num(ToPoints(y));
}

void clsPDFCreator::SetWordSpacing(float value)
{
    Operation op(*this);
    num(value);
    m_out += " Tw";
    endLine();
    WordSpacing = value;
}

void clsPDFCreator::SetCharSpacing(float value)
{
    Operation op(*this);
    num(value);
    m_out += " Tc";
    endLine();
    CharSpacing = value;
}

void clsPDFCreator::SetTextHorizontalScaling(float percent)
{
    Operation op(*this);
    num(percent);
    m_out += " Tz";
    endLine();
    HorizontalScaling = percent;
}

void clsPDFCreator::SetTextRenderingMode(float mode)
{
    Operation op(*this);
    if (!(mode >= 0 && mode <= 2))
        return;
    num(mode);
    m_out += " Tr";
    endLine();
}

void clsPDFCreator::DrawText(float x, float y, QStringView text, QStringView fontName, float size,
                             std::int32_t align, float angle)
{
    Operation op(*this);
    if (align == 1)
        x = sub(x, Length(text, fontName, size));
    else if (align == 2)
        x = sub(x, Length(text, fontName, size) / 2);

    std::string& o = m_out;
    o += "BT\r\n/";
    if (fontName != m_lastFontName) {
        m_lastFontName = fontName.toString();
        const QByteArray bytes = PdfText::toWinAnsi(fontName);
        m_lastFontBytes.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    o += m_lastFontBytes;
    o += ' ';
    num(size);
    o += " Tf\r\n";
    if (angle == 0) {
        point(x, y);
        o += " Td\r\n";
    } else {
        const float a = mul(angle, kPi / 180);
        const float c = std::cos(a);
        const float s = std::sin(a);
        num(c);
        o += ' ';
        num(s);
        o += ' ';
        num(-s);
        o += ' ';
        num(c);
        o += ' ';
        point(x, y);
        o += " Tm\r\n";
    }
    o += '(';
    PdfText::appendEscaped(o, text);
    o += ") Tj\r\nET\r\n";
}

void clsPDFCreator::writeColour(std::int32_t colour, const char* grayOp, const char* rgbOp)
{
    Operation op(*this);
    if (colour >= -255 && colour <= 0) {
        num(-colour / 255.0);
        m_out += grayOp;
    } else {
        // 0x00BBGGRR; the high byte is ignored.
        const auto bits = static_cast<std::uint32_t>(colour);
        num((bits & 0xFF) / 255.0);
        m_out += ' ';
        num(((bits >> 8) & 0xFF) / 255.0);
        m_out += ' ';
        num(((bits >> 16) & 0xFF) / 255.0);
        m_out += rgbOp;
    }
    endLine();
}

void clsPDFCreator::SetColorStroke(std::int32_t colour) { writeColour(colour, " G", " RG"); }

void clsPDFCreator::SetColorFill(std::int32_t colour) { writeColour(colour, " g", " rg"); }

void clsPDFCreator::SetDash(float on, float off)
{
    Operation op(*this);
    if (on == 0 && off == 0) {
        m_out += "[ ] 0 d";
    } else {
        m_out += '[';
        num(ToPoints(on));
        m_out += ' ';
        num(ToPoints(off));
        m_out += "] 0 d";
    }
    endLine();
}

void clsPDFCreator::SetLineWidth(float width)
{
    Operation op(*this);
    num(ToPoints(width));
    m_out += " w";
    endLine();
}

void clsPDFCreator::SetLineCap(std::int16_t style)
{
    Operation op(*this);
    if (style < 0 || style > 2)
        return;
    num(style);
    m_out += " J";
    endLine();
}

void clsPDFCreator::SetLineJoin(std::int16_t style)
{
    Operation op(*this);
    if (style < 0 || style > 2)
        return;
    num(style);
    m_out += " j";
    endLine();
}

void clsPDFCreator::SetMiterLimit(float limit)
{
    Operation op(*this);
    if (!(limit >= 1))
        return;
    num(limit);
    m_out += " M";
    endLine();
}

void clsPDFCreator::MoveTo(float x, float y)
{
    Operation op(*this);
    point(x, y);
    m_out += " m";
    endLine();
}

void clsPDFCreator::LineTo(float x, float y, std::int32_t flags)
{
    Operation op(*this);
    point(x, y);
    m_out += " l";
    endLine();
    PaintPath(flags);
}

void clsPDFCreator::Curve(float x1, float y1, float x2, float y2, float x3, float y3, std::int32_t flags)
{
    Operation op(*this);
    point(x1, y1);
    m_out += ' ';
    point(x2, y2);
    m_out += ' ';
    point(x3, y3);
    m_out += " c";
    endLine();
    PaintPath(flags);
}

void clsPDFCreator::PlaceXObject(QStringView name, float x, float y, float w, float h)
{
    Operation op(*this);
    const float pw = ToPoints(w);
    const float ph = ToPoints(h);
    const float px = ToPoints(x);
    const float py = ToPoints(y);
    std::string& o = m_out;
    o += "q\r";
    num(pw);
    // The height's sign is folded into the number, so a negative height is
    // written as one plain number, never as "--".
    o += "  0 0 ";
    num(-double(ph));
    o += ' ';
    num(px);
    o += ' ';
    num(py);
    o += " cm\r/";
    PdfText::forEachCode(name, [&o](unsigned char c) { o += static_cast<char>(c); });
    o += " Do\rQ";
    endLine();
}

void clsPDFCreator::PaintPath(std::int32_t flags)
{
    switch (flags & 7) {
    case 0: break;
    case 1: WriteLine("S"); break;
    case 2: WriteLine("h"); break;
    case 3: WriteLine("h"); WriteLine("S"); break;
    case 4: WriteLine("f"); break;
    case 5: WriteLine("B"); break;
    case 6: WriteLine("f"); break;
    case 7: WriteLine("b"); break;
    }
}

void clsPDFCreator::Rectangle(float x, float y, float width, float height, std::int32_t flags, float radius)
{
    Operation op(*this);
    WriteLine("n");
    if (radius <= 0) {
        point(x, y);
        m_out += ' ';
        point(width, height);
        m_out += " re";
        endLine();
        PaintPath(flags);
        return;
    }
    float r = radius;
    if (r > width / 2)
        r = width / 2;
    if (r > height / 2)
        r = height / 2;
    const float k = mul(r, kHandle);
    const float right = add(x, width);
    const float top = add(y, height);
    MoveTo(add(x, r), y);
    LineTo(sub(right, r), y, 0);
    Curve(add(sub(right, r), k), y, right, sub(add(y, r), k), right, add(y, r), 0);
    LineTo(right, sub(top, r), 0);
    Curve(right, add(sub(top, r), k), add(sub(right, r), k), top, sub(right, r), top, 0);
    LineTo(add(x, r), top, 0);
    Curve(sub(add(x, r), k), top, x, add(sub(top, r), k), x, sub(top, r), 0);
    LineTo(x, add(y, r), 0);
    Curve(x, sub(add(y, r), k), sub(add(x, r), k), y, add(x, r), y, 0);
    PaintPath(flags);
}

void clsPDFCreator::DrawCircle(float x, float y, float radius, std::int32_t flags)
{
    Operation op(*this);
    const float k = mul(radius, kHandle);
    MoveTo(x, sub(y, radius));
    Curve(add(x, k), sub(y, radius), add(x, radius), sub(y, k), add(x, radius), y, 0);
    Curve(add(x, radius), add(y, k), add(x, k), add(y, radius), x, add(y, radius), 0);
    Curve(sub(x, k), add(y, radius), sub(x, radius), add(y, k), sub(x, radius), y, 0);
    Curve(sub(x, radius), sub(y, k), sub(x, k), sub(y, radius), x, sub(y, radius), 0);
    PaintPath(flags);
}

void clsPDFCreator::Arc(float x, float y, float radius, float startAngle, float endAngle, float ratio, bool pie,
                        float rotation, std::int16_t step, std::int32_t flags)
{
    Operation op(*this);
    const bool up = step > 0;
    const auto inRange = [&](float a) { return up ? a <= endAngle : a >= endAngle; };
    // A step that does not move the angle would never reach the end: such an
    // arc draws nothing.
    if (step == 0)
        return;
    for (float a = startAngle; inRange(a);) {
        const float next = a + step;
        if (next == a)
            return;
        a = next;
    }

    WriteLine("n");
    MoveTo(x, y);
    const bool asPie = pie || (flags & 4);
    const float d = kPi / 180;
    const float turn = mul(-d, rotation);
    const float cr = std::cos(turn);
    const float sr = std::sin(turn);
    bool first = true;
    for (float a = startAngle; inRange(a); a += step) {
        const float t = mul(d, a);
        const float px = mul(radius, std::cos(t));
        const float py = mul(mul(ratio, radius), std::sin(t));
        const float rx = add(mul(cr, px), mul(sr, py));
        const float ry = add(mul(-px, sr), mul(cr, py));
        const float ax = add(x, rx);
        const float ay = add(y, ry);
        if (!asPie && first)
            MoveTo(ax, ay);
        first = false;
        LineTo(ax, ay, 0);
        if (m_out.size() >= kArcChunk)
            flush();
    }
    if (asPie)
        LineTo(x, y, 0);
    PaintPath(flags);
}
