// Draws the pictures and sounds of the shipped program folder (resources/):
// the splash picture, the shelf background, the design's background, the
// demo covers and portraits, and the three design sounds. All of them are
// made here from scratch.
//
//   g++ -std=c++20 -fPIC scripts/make-demo-files.cpp -o /tmp/make-demo-files \
//       $(pkg-config --cflags --libs Qt6Gui) && \
//   QT_QPA_PLATFORM=offscreen /tmp/make-demo-files resources
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

QString root;

QString out(const QString& relative)
{
    const QString path = root + u'/' + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

// A GIF without compression gain: 9-bit codes with a clear code every 254
// pixels, so that the code width never grows. Qt reads GIF but cannot write it.
void saveGif(const QImage& source, const QString& path)
{
    const QImage img = source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QByteArray b("GIF89a");
    auto u16 = [&](int v) { b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    u16(img.width());
    u16(img.height());
    b.append(char(0xF7)).append('\0').append('\0'); // global table of 256 colours
    QList<QRgb> table = img.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < table.size() ? table[i] : 0;
        b.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    b.append(',');
    u16(0);
    u16(0);
    u16(img.width());
    u16(img.height());
    b.append('\0').append(char(8));

    QByteArray data;
    std::uint32_t acc = 0;
    int bits = 0;
    auto put = [&](int code) {
        acc |= std::uint32_t(code) << bits;
        bits += 9;
        while (bits >= 8) {
            data.append(char(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    };
    int sinceClear = 0;
    put(256);
    for (int y = 0; y < img.height(); ++y) {
        const uchar* line = img.constScanLine(y);
        for (int x = 0; x < img.width(); ++x) {
            if (sinceClear == 254) {
                put(256);
                sinceClear = 0;
            }
            put(line[x]);
            ++sinceClear;
        }
    }
    put(257);
    if (bits > 0)
        data.append(char(acc & 0xFF));
    for (int i = 0; i < data.size(); i += 255) {
        const QByteArray block = data.mid(i, 255);
        b.append(char(block.size())).append(block);
    }
    b.append('\0').append(';');
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(b);
}

void saveWav(const QString& path, const std::vector<std::pair<double, double>>& notes, double volume)
{
    const int rate = 22050;
    std::vector<std::int16_t> samples;
    for (const auto& [freq, seconds] : notes) {
        const int n = int(rate * seconds);
        for (int i = 0; i < n; ++i) {
            const double env = std::min(1.0, (n - i) / (rate * 0.02)) * std::min(1.0, i / (rate * 0.005));
            samples.push_back(std::int16_t(volume * env * 32767 * std::sin(2 * M_PI * freq * i / rate)));
        }
    }
    QByteArray b;
    auto u32 = [&](std::uint32_t v) { for (int k = 0; k < 4; ++k) b.append(char((v >> (8 * k)) & 0xFF)); };
    auto u16 = [&](std::uint16_t v) { b.append(char(v & 0xFF)).append(char(v >> 8)); };
    const std::uint32_t bytes = std::uint32_t(samples.size() * 2);
    b.append("RIFF");
    u32(36 + bytes);
    b.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    b.append("data");
    u32(bytes);
    for (std::int16_t s : samples)
        u16(std::uint16_t(s));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(b);
}

void splash()
{
    // Black bands above and below wipe the trail of the bounce.
    QImage img(86, 120, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(225, 225, 235));
    p.setPen(QPen(QColor(120, 120, 140), 2));
    p.drawEllipse(QRectF(6, 22, 74, 74));
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(36, 52, 14, 14));
    p.setPen(QPen(QColor(200, 40, 40), 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(16, 32, 54, 54), 30 * 16, 120 * 16);
    p.end();
    img.save(out(QStringLiteral("Wexul.bmp")), "BMP");
}

void shelf()
{
    QImage img(200, 120, QImage::Format_RGB32);
    QPainter p(&img);
    for (int y = 0; y < img.height(); ++y) {
        const int grain = int(20 * std::sin(y * 0.7) + 10 * std::sin(y * 2.3));
        p.setPen(QColor(140 + grain, 90 + grain / 2, 50));
        p.drawLine(0, y, img.width(), y);
    }
    p.end();
    saveGif(img, out(QStringLiteral("shelf.gif")));
}

void background()
{
    QImage img(1000, 760, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, img.height());
    g.setColorAt(0, QColor(28, 34, 48));
    g.setColorAt(1, QColor(8, 10, 16));
    p.fillRect(img.rect(), g);
    p.end();
    img.save(out(QStringLiteral("designs/background.jpg")), "JPG", 85);
}

struct Cover {
    const char* file;
    const char* title;
    QColor top;
    QColor bottom;
    int shape; // 0 sun, 1 mountains, 2 waves, 3 stars, 4 city, 5 road
    double aspect; // width / height, as the format shows it
};

void cover(const Cover& c)
{
    const int h = 420;
    const int w = int(h * c.aspect);
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, c.top);
    g.setColorAt(1, c.bottom);
    p.fillRect(img.rect(), g);
    p.setPen(Qt::NoPen);
    switch (c.shape) {
    case 0:
        p.setBrush(QColor(255, 210, 90));
        p.drawEllipse(QPointF(w * 0.5, h * 0.55), h * 0.18, h * 0.18);
        p.setBrush(QColor(20, 20, 30));
        p.drawRect(QRectF(0, h * 0.62, w, h * 0.38));
        break;
    case 1: {
        QPainterPath m;
        m.moveTo(0, h * 0.8);
        m.lineTo(w * 0.3, h * 0.45);
        m.lineTo(w * 0.5, h * 0.65);
        m.lineTo(w * 0.75, h * 0.35);
        m.lineTo(w, h * 0.7);
        m.lineTo(w, h);
        m.lineTo(0, h);
        p.setBrush(QColor(30, 40, 60));
        p.drawPath(m);
        break;
    }
    case 2:
        p.setBrush(Qt::NoBrush);
        for (int k = 0; k < 6; ++k) {
            p.setPen(QPen(QColor(220, 240, 255, 160), 4));
            QPainterPath wave;
            const double y0 = h * (0.45 + k * 0.08);
            wave.moveTo(0, y0);
            for (int x = 0; x <= w; x += 10)
                wave.lineTo(x, y0 + 12 * std::sin(x / 30.0 + k));
            p.drawPath(wave);
        }
        break;
    case 3:
        p.setBrush(Qt::white);
        for (int k = 0; k < 60; ++k)
            p.drawEllipse(QPointF((k * 73) % w, (k * 131) % int(h * 0.7)), 1.5 + k % 3, 1.5 + k % 3);
        break;
    case 4:
        p.setBrush(QColor(15, 15, 25));
        for (int k = 0; k < 9; ++k)
            p.drawRect(QRectF(k * w / 9.0, h * (0.45 + 0.05 * ((k * 5) % 4)), w / 9.0 - 4, h));
        p.setBrush(QColor(255, 230, 120));
        for (int k = 0; k < 30; ++k)
            p.drawRect(QRectF((k * 37) % w, h * 0.6 + (k * 29) % int(h * 0.3), 5, 7));
        break;
    default: {
        p.setBrush(QColor(40, 40, 40));
        QPolygonF road({QPointF(w * 0.45, h * 0.5), QPointF(w * 0.55, h * 0.5), QPointF(w, h), QPointF(0, h)});
        p.drawPolygon(road);
        p.setBrush(QColor(240, 220, 80));
        for (int k = 0; k < 5; ++k) {
            const double y = h * (0.55 + k * 0.09);
            p.drawRect(QRectF(w * 0.5 - 2 - k, y, 4 + 2 * k, 12 + 4 * k));
        }
        break;
    }
    }
    p.setPen(Qt::white);
    QFont f(QStringLiteral("DejaVu Sans"), 26, QFont::Bold);
    p.setFont(f);
    p.drawText(QRect(10, 20, w - 20, h / 3), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               QString::fromUtf8(c.title));
    p.end();
    img.save(out(QStringLiteral("cover/") + QLatin1String(c.file)), "JPG", 85);
}

void portrait(const char* name, QColor skin, QColor hair)
{
    QImage img(120, 160, QImage::Format_RGB32);
    img.fill(QColor(70, 80, 95));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 45, 60));
    p.drawEllipse(QRectF(15, 110, 90, 90));
    p.setBrush(skin);
    p.drawEllipse(QRectF(32, 30, 56, 70));
    p.setBrush(hair);
    p.drawChord(QRectF(30, 22, 60, 50), 0, 180 * 16);
    p.end();
    img.save(out(QStringLiteral("portraits/") + QString::fromUtf8(name) + QStringLiteral(".jpg")), "JPG", 85);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources");
    splash();
    shelf();
    background();
    const Cover covers[] = {
        {"harbour_lights.jpg", "Harbour Lights", QColor(250, 130, 60), QColor(60, 20, 60), 0, 1.5},
        {"the_long_ridge.jpg", "The Long Ridge", QColor(120, 170, 220), QColor(230, 230, 240), 1, 2.0},
        {"salt_and_tide.jpg", "Salt and Tide", QColor(20, 80, 140), QColor(10, 30, 60), 2, 1.8},
        {"quiet_orbit.jpg", "Quiet Orbit", QColor(5, 5, 25), QColor(40, 20, 80), 3, 1.5},
        {"night_shift.jpg", "Night Shift", QColor(40, 30, 90), QColor(200, 80, 120), 4, 2.0},
        {"paper_roads.jpg", "Paper Roads", QColor(250, 200, 150), QColor(200, 120, 90), 5, 1.5},
    };
    for (const Cover& c : covers)
        cover(c);
    portrait("Mara Lindqvist", QColor(240, 200, 170), QColor(150, 90, 40));
    portrait("Tomas Okafor", QColor(130, 85, 60), QColor(20, 20, 20));
    saveWav(out(QStringLiteral("sounds/click.wav")), {{1200, 0.03}}, 0.25);
    saveWav(out(QStringLiteral("sounds/start.wav")), {{523, 0.12}, {659, 0.12}, {784, 0.2}}, 0.3);
    saveWav(out(QStringLiteral("sounds/alert.wav")), {{880, 0.08}, {660, 0.1}}, 0.3);
    return 0;
}
