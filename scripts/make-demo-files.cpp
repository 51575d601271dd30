// Makes the shipped program folder's demo files (resources/): the splash
// picture, the shelf background, the design's background, the demo list with
// its covers, long texts, name lists and shelf, the portraits and the three
// design sounds. All of them are made here from scratch.
//
//   g++ -std=c++20 -fPIC scripts/make-demo-files.cpp -o /tmp/make-demo-files
//       $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/make-demo-files resources
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <QStringList>

#include <algorithm>
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
    int shape; // 0 sun, 1 mountains, 2 waves, 3 stars, 4 city, 5 road, 6 stripes, 7 moon, 8 forest, 9 rings
    double aspect; // width / height, as the format shows it
};

// Small covers: the title page scales them to its height.
constexpr int kCoverHeight = 240;
constexpr int kCoverQuality = 70;

void cover(const Cover& c)
{
    const int h = kCoverHeight;
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
            p.setPen(QPen(QColor(220, 240, 255, 160), h / 105.0));
            QPainterPath wave;
            const double y0 = h * (0.45 + k * 0.08);
            wave.moveTo(0, y0);
            for (int x = 0; x <= w; x += 5)
                wave.lineTo(x, y0 + h * 0.03 * std::sin(x / (h * 0.07) + k));
            p.drawPath(wave);
        }
        break;
    case 3:
        p.setBrush(Qt::white);
        for (int k = 0; k < 60; ++k)
            p.drawEllipse(QPointF((k * 73) % w, (k * 131) % int(h * 0.7)), 1.0 + k % 3 * 0.6, 1.0 + k % 3 * 0.6);
        break;
    case 4:
        p.setBrush(QColor(15, 15, 25));
        for (int k = 0; k < 9; ++k)
            p.drawRect(QRectF(k * w / 9.0, h * (0.45 + 0.05 * ((k * 5) % 4)), w / 9.0 - 2, h));
        p.setBrush(QColor(255, 230, 120));
        for (int k = 0; k < 30; ++k)
            p.drawRect(QRectF((k * 37) % w, h * 0.6 + (k * 29) % int(h * 0.3), 3, 4));
        break;
    case 5: {
        p.setBrush(QColor(40, 40, 40));
        QPolygonF road({QPointF(w * 0.45, h * 0.5), QPointF(w * 0.55, h * 0.5), QPointF(w, h), QPointF(0, h)});
        p.drawPolygon(road);
        p.setBrush(QColor(240, 220, 80));
        for (int k = 0; k < 5; ++k) {
            const double y = h * (0.55 + k * 0.09);
            p.drawRect(QRectF(w * 0.5 - 1 - k * 0.6, y, 2 + 1.2 * k, h * (0.03 + 0.01 * k)));
        }
        break;
    }
    case 6:
        p.setBrush(QColor(255, 255, 255, 60));
        for (int k = -2; k < 8; ++k) {
            const double x = k * w / 5.0;
            p.drawPolygon(QPolygonF({QPointF(x, h), QPointF(x + w * 0.1, h), QPointF(x + w * 0.5, h * 0.35),
                                     QPointF(x + w * 0.4, h * 0.35)}));
        }
        break;
    case 7:
        p.setBrush(QColor(245, 240, 215));
        p.drawEllipse(QPointF(w * 0.62, h * 0.5), h * 0.16, h * 0.16);
        p.setBrush(c.top.darker(130));
        p.drawEllipse(QPointF(w * 0.67, h * 0.46), h * 0.15, h * 0.15);
        p.setBrush(QColor(10, 10, 20));
        p.drawRect(QRectF(0, h * 0.78, w, h * 0.22));
        break;
    case 8:
        p.setBrush(QColor(20, 60, 35));
        for (int k = 0; k < 14; ++k) {
            const double x = k * w / 13.0;
            const double top = h * (0.5 + 0.08 * ((k * 7) % 3));
            p.drawPolygon(QPolygonF({QPointF(x - w / 14.0, h), QPointF(x, top), QPointF(x + w / 14.0, h)}));
        }
        break;
    default:
        p.setBrush(Qt::NoBrush);
        for (int k = 1; k <= 6; ++k) {
            p.setPen(QPen(QColor(255, 255, 255, 40 + 25 * k), h / 80.0));
            p.drawEllipse(QPointF(w * 0.5, h * 0.62), h * 0.05 * k, h * 0.05 * k);
        }
        break;
    }
    p.setPen(Qt::white);
    QFont f(QStringLiteral("DejaVu Sans"), 1, QFont::Bold);
    f.setPixelSize(h / 12);
    p.setFont(f);
    p.drawText(QRect(h / 40, h / 20, w - h / 20, h / 3), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               QString::fromUtf8(c.title));
    p.end();
    img.save(out(QStringLiteral("cover/") + QLatin1String(c.file)), "JPG", kCoverQuality);
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

// ---------------------------------------------------------------- the demo collection

// One title of the demo list with its cover and long text. Every title,
// person and plot is invented.
struct Title {
    const char* name;
    const char* format;
    int rating;
    const char* genre;
    const char* landJahr;
    int fsk;
    int minutes;
    int price; // in hundredths
    const char* extras;
    std::vector<const char*> actors; // up to five
    const char* director;
    int shape;
    const char* plot; // the long text
    QColor top = QColor();    // the cover's colours; made from the title's place when not given
    QColor bottom = QColor();
};

const std::vector<Title>& titles()
{
    static const std::vector<Title> t = {
        // The first six, as the demo always had them.
        {"Harbour Lights", "DVD", 4, "Drama/Romance", "Norway 2009", 12, 112, 1499, "Director's cut",
         {"Mara Lindqvist", "Jon Aasen", "Lise Brekke"}, "Tomas Okafor", 0,
         "A lighthouse keeper's daughter comes home to a harbour town that has forgotten her.\r\n\r\n"
         "Demo text: edit it with \"Edit long text\" in the DVD menu.",
         QColor(250, 130, 60), QColor(60, 20, 60)},
        {"Night Shift", "BluRay", 3, "Thriller/Crime", "USA 2016", 16, 97, 1999, "",
         {"Dana Whitlow", "Ray Castellano", "Mara Lindqvist", "Theo Park"}, "Evelyn Shore", 4,
         "A hospital porter on the night shift notices that the same patient is admitted every night and never "
         "discharged.",
         QColor(40, 30, 90), QColor(200, 80, 120)},
        {"Paper Roads", "VHS", 5, "Comedy/Road movie", "Canada 1994", 6, 88, 5, "Bought at a flea market",
         {"Pete Lamarre", "Ginette Roy"}, "Mara Lindqvist", 5,
         "Two cousins drive an old delivery van across the country using only maps they drew as children.",
         QColor(250, 200, 150), QColor(200, 120, 90)},
        {"Quiet Orbit", "DVD", 4, "Science fiction", "UK 2003", 12, 124, 899, "",
         {"Ada Morrow", "Felix Grant", "Noor Haddad"}, "Tomas Okafor", 3,
         "Two engineers keep a research station running long after its mission has ended.", QColor(5, 5, 25),
         QColor(40, 20, 80)},
        {"Salt and Tide", "HD-DVD", 2, "Documentary", "Ireland 2007", 0, 76, 50, "", {}, "Siobhan Keane", 2,
         "A year with the last salt makers of a western bay, from the spring tides to the winter storms.",
         QColor(20, 80, 140), QColor(10, 30, 60)},
        {"The Long Ridge", "VCD", 3, "Western/Adventure", "Australia 1998", 12, 131, 1250, "Two discs",
         {"Bill Tanner", "Ruth Callow", "Mick O'Dea"}, "Evelyn Shore", 1,
         "A drover and his daughter take a herd across a mountain ridge before the snow closes the pass.",
         QColor(120, 170, 220), QColor(230, 230, 240)},

        {"A Winter for Foxes", "DVD", 4, "Drama/Family", "UK 2011", 6, 101, 999, "",
         {"Lorna Maitland", "Hamish Tolland", "Nell Pennington"}, "Agnes Vellacott", 8,
         "A widowed farmer and her son take in an injured fox during the coldest winter the valley has known."},
        {"Ashes of Port Verran", "BluRay", 3, "Thriller/Mystery", "UK 2014", 16, 109, 1499, "",
         {"Cormac Feeney", "Talia Ormsby", "Gideon Marsh"}, "Hugo Tallant", 0,
         "A harbour inspector finds a burned ledger that points to a fire nobody in the fishing town will talk "
         "about."},
        {"Ballad of the Tin Mule", "VHS", 3, "Western/Comedy", "USA 1996", 12, 94, 300, "",
         {"Wendell Oakes", "Rosalind Fenwick", "Pete Lamarre"}, "Jasper Quilliam", 5,
         "Two prospectors build a clockwork mule to carry their gold and spend the rest of the summer chasing it."},
        {"Below the Salt Flats", "BluRay", 4, "Science fiction/Mystery", "USA 2019", 12, 118, 1899, "Steelbook",
         {"Priya Ramasundar", "Stellan Brack", "Ada Morrow"}, "Celeste Moravec", 9,
         "Surveyors drilling under a dry lake bed hear a rhythm coming back up the borehole."},
        {"Borrowed Summer", "DVD", 3, "Romance/Comedy", "France 2008", 0, 96, 799, "",
         {"Delphine Arnaud", "Florian Maes", "Ginette Roy"}, "Leontine Faure", 0,
         "A house-sitter pretends to own a seaside villa for one summer, until the owner's family arrives."},
        {"Brass Lanterns", "DVD", 4, "Drama/Musical", "Ireland 2005", 6, 112, 699, "",
         {"Cormac Feeney", "Carys Lewellen", "Mick O'Dea"}, "Siobhan Keane", 7,
         "A village brass band sells its instruments one by one to keep the local pub open."},
        {"Cartographers", "BluRay", 5, "Adventure/Drama", "New Zealand 2013", 12, 127, 2199, "Two discs",
         {"Hana Kubota", "Anselm Grieve", "Theo Park"}, "Kiri Waitaha", 1,
         "Two mapmakers survey a coastline that has changed again every time they come back."},
        {"Cold Signal", "BluRay", 3, "Thriller/Science fiction", "Norway 2017", 16, 104, 1299, "",
         {"Magnus Thorsby", "Freya Solberg", "Jon Aasen"}, "Esme Halvorsen", 3,
         "A radio operator on an Arctic island receives distress calls from a ship that sank forty years ago."},
        {"Copper Wedding", "DVD", 3, "Comedy/Drama", "Germany 2010", 6, 93, 499, "",
         {"Benedikt Rothe", "Johanna Wessel", "Ulrich Demme"}, "Greta Oosterhuis", 6,
         "A couple stages the anniversary party their families expect while secretly separating."},
        {"Dust on the Meridian", "DVD", 4, "Western/Drama", "Australia 2001", 12, 124, 899, "",
         {"Bill Tanner", "Ruth Callow", "Wendell Oakes"}, "Evelyn Shore", 5,
         "A telegraph linesman follows a broken wire across the desert to an outpost that has stopped answering."},
        {"Eleven Bridges", "BluRay", 4, "Crime/Thriller", "Netherlands 2015", 16, 115, 1599, "",
         {"Desmond Achterberg", "Linnea Strand", "Konrad Pell"}, "Greta Oosterhuis", 4,
         "A canal-boat courier must cross eleven bridges before dawn with a parcel she was told never to open."},
        {"Embers in the Snow", "VHS", 4, "Drama/War", "Finland 1999", 12, 132, 250, "",
         {"Oskar Ilves", "Freya Solberg", "Magnus Thorsby"}, "Dmitri Salo", 8,
         "A field nurse and a deserter shelter in a forest cabin through the last winter of a long war."},
        {"Feathers and Fuses", "DVD", 2, "Comedy/Action", "UK 2007", 12, 90, 399, "",
         {"Hamish Tolland", "Gwendolyn Pryce", "Dana Whitlow"}, "Hugo Tallant", 6,
         "A retired bomb-disposal expert opens a pigeon-racing club and finds that one bird carries secrets."},
        {"Forty Lamps", "DVD", 4, "Drama/Mystery", "Turkey 2012", 12, 107, 899, "",
         {"Elif Yurtsever", "Yusuf Demirel", "Xenia Petrakis"}, "Farid Benhallam", 9,
         "A lamp-maker in an old bazaar receives an order for forty lamps from a customer who died years ago."},
        {"Gardens of Halloway", "VHS", 3, "Drama/Romance", "UK 1993", 0, 118, 150, "",
         {"Rosalind Fenwick", "Idris Mallory", "Lorna Maitland"}, "Agnes Vellacott", 8,
         "A young gardener restores an abandoned estate and uncovers the letters of its last owner."},
        {"Glasshouse Winter", "DVD", 4, "Drama", "Sweden 2009", 12, 106, 699, "",
         {"Linnea Strand", "Oskar Ilves", "Johanna Wessel"}, "Dmitri Salo", 3,
         "A botanist keeps the last greenhouse of a frozen city alive through a winter without power."},
        {"Heron Crossing", "DVD", 4, "Family/Adventure", "Canada 2004", 0, 86, 599, "",
         {"Ginette Roy", "Quinn Alderidge", "Pete Lamarre"}, "Jasper Quilliam", 2,
         "Three children build a raft to follow a heron downriver to the sea."},
        {"Iron Pastures", "BluRay", 4, "Drama", "Argentina 2016", 12, 121, 1399, "",
         {"Ines Varga", "Jules Marchetti", "Amara Castell"}, "Nadia Ferreira-Lund", 1,
         "A ranching family fights to keep its land when a railway is planned straight through it."},
        {"Juniper Street Rules", "VCD", 3, "Comedy/Family", "USA 2009", 6, 92, 599, "",
         {"Quinn Alderidge", "Zora Kettering", "Ray Castellano"}, "Bruno Amsel", 4,
         "The children of one street write their own constitution when the grown-ups ban football."},
        {"Kestrel Point", "BluRay", 3, "Thriller", "Ireland 2018", 16, 99, 1199, "",
         {"Carys Lewellen", "Cormac Feeney", "Noor Haddad"}, "Siobhan Keane", 1,
         "A birdwatcher on a cliff path photographs something she was not meant to see."},
        {"Last Tram to Velden", "DVD", 3, "Drama/Romance", "Austria 2006", 6, 104, 799, "",
         {"Benedikt Rothe", "Bettina Krall", "Ulrich Demme"}, "Marek Voskuijl", 4,
         "Two strangers miss the last tram of the night and walk across the city until morning."},
        {"Lighthouse Radio", "DVD", 4, "Comedy/Musical", "Denmark 2011", 0, 97, 699, "",
         {"Linnea Strand", "Magnus Thorsby", "Lise Brekke"}, "Esme Halvorsen", 2,
         "A lighthouse keeper starts a pirate radio station and becomes the best-loved voice on the coast."},
        {"Lines of Chalk", "DVD", 5, "Drama", "France 2014", 12, 111, 999, "",
         {"Delphine Arnaud", "Florian Maes", "Jules Marchetti"}, "Leontine Faure", 6,
         "A pavement artist and a retired teacher draw the history of their street, one night at a time."},
        {"Marble Hours", "DVD", 3, "Drama/Mystery", "Italy 2003", 12, 116, 599, "",
         {"Jules Marchetti", "Xenia Petrakis", "Amara Castell"}, "Celeste Moravec", 1,
         "A stone restorer in a quarry town finds a name carved inside a statue she is repairing."},
        {"Moth Season", "BluRay", 2, "Horror/Mystery", "USA 2020", 16, 95, 1499, "",
         {"Zora Kettering", "Gideon Marsh", "Idris Mallory"}, "Dorian Kettleby", 7,
         "Every evening more moths gather at the windows of a lake house, and the guests leave one by one."},
        {"Neon Tidewater", "VHS", 3, "Crime/Thriller", "USA 1998", 18, 103, 200, "",
         {"Ray Castellano", "Dana Whitlow", "Wendell Oakes"}, "Dorian Kettleby", 4,
         "A night ferry pilot is paid to look the other way, once too often."},
        {"Northbound Orchestra", "DVD", 4, "Comedy/Road movie", "Sweden 2013", 0, 101, 899, "",
         {"Linnea Strand", "Oskar Ilves", "Felix Grant"}, "Esme Halvorsen", 5,
         "A touring orchestra's bus breaks down, and the musicians play their way home through the villages."},
        {"Ochre Mountain", "HD-DVD", 3, "Documentary", "Australia 2009", 0, 78, 450, "", {"Ruth Callow"},
         "Kiri Waitaha", 1, "A year on a red sandstone massif, from the first rains to the dry season."},
        {"Parcel for Mr. Quill", "DVD", 3, "Comedy/Crime", "UK 2016", 6, 89, 699, "",
         {"Gwendolyn Pryce", "Hamish Tolland", "Anselm Grieve"}, "Hugo Tallant", 6,
         "A village postmistress refuses to deliver a mysterious parcel until she knows what is inside."},
        {"Pepper and Porcelain", "BluRay", 3, "Romance/Comedy", "UK 2012", 0, 98, 999, "",
         {"Nell Pennington", "Idris Mallory", "Carys Lewellen"}, "Agnes Vellacott", 9,
         "A spice merchant and a china dealer share a market stall and a long-running feud."},
        {"Quarry Road", "VHS", 3, "Crime/Drama", "Canada 1997", 16, 108, 100, "",
         {"Quinn Alderidge", "Pete Lamarre", "Maximilian Orr"}, "Bruno Amsel", 5,
         "Two brothers inherit a gravel pit and a debt their father never told them about."},
        {"Red Kite Summer", "DVD", 4, "Family/Drama", "UK 2015", 0, 94, 799, "",
         {"Carys Lewellen", "Emrys Hale", "Nell Pennington"}, "Agnes Vellacott", 0,
         "A boy spends the summer on his aunt's hill farm guarding a nest of red kites from egg thieves."},
        {"Rivers of Slate", "DVD", 4, "Drama", "UK 2000", 12, 119, 499, "",
         {"Emrys Hale", "Lorna Maitland", "Bill Tanner"}, "Siobhan Keane", 2,
         "Three generations of a quarrying family face the closing of the mine."},
        {"Rust and Rosemary", "BluRay", 4, "Romance/Drama", "Spain 2017", 12, 106, 1299, "",
         {"Amara Castell", "Ines Varga", "Jules Marchetti"}, "Nadia Ferreira-Lund", 5,
         "A mechanic and a cook restore an old food truck and drive it along the coast."},
        {"Saltmarsh Choir", "DVD", 3, "Musical/Comedy", "UK 2008", 0, 99, 599, "",
         {"Gwendolyn Pryce", "Anselm Grieve", "Mara Lindqvist"}, "Hugo Tallant", 2,
         "A failing church choir enters a national contest with a song about the marsh."},
        {"Second Violin", "DVD", 4, "Drama/Musical", "Austria 2001", 6, 113, 699, "",
         {"Bettina Krall", "Kasimir Blum", "Benedikt Rothe"}, "Marek Voskuijl", 9,
         "A violinist who has always played second gets one night as the soloist."},
        {"Shadows over Kelmscar", "VHS", 2, "Horror", "UK 1995", 18, 91, 150, "",
         {"Gideon Marsh", "Talia Ormsby", "Stellan Brack"}, "Dorian Kettleby", 7,
         "Students on a field trip to a ruined abbey find that their photographs show one person too many."},
        {"Silver Thimble", "BluRay", 3, "Mystery/Comedy", "UK 2019", 6, 97, 1099, "",
         {"Nell Pennington", "Rosalind Fenwick", "Hamish Tolland"}, "Agnes Vellacott", 6,
         "A seamstress and her knitting circle solve the theft of a prize-winning wedding dress."},
        {"Sleeping Volcano", "BluRay", 3, "Adventure/Science fiction", "Iceland 2012", 12, 109, 1199, "",
         {"Freya Solberg", "Magnus Thorsby", "Stellan Brack"}, "Esme Halvorsen", 1,
         "Geologists camping on a quiet volcano find that it hums a different note every night."},
        {"Snowglobe Republic", "DVD", 4, "Comedy/Fantasy", "Czech Republic 2014", 0, 88, 699, "",
         {"Kasimir Blum", "Ottilie Barr", "Konrad Pell"}, "Celeste Moravec", 3,
         "A toymaker is elected president of the tiny country inside his own snow globe."},
        {"Starling Weather", "DVD", 4, "Drama", "Portugal 2016", 12, 103, 899, "",
         {"Ines Varga", "Florian Maes", "Delphine Arnaud"}, "Nadia Ferreira-Lund", 6,
         "A television weather forecaster loses her voice and starts reading the sky through the birds."},
        {"Stone Soup Diner", "DVD", 3, "Comedy/Family", "USA 2005", 0, 91, 499, "",
         {"Zora Kettering", "Ray Castellano", "Quinn Alderidge"}, "Bruno Amsel", 5,
         "A roadside diner without money for food asks every guest to bring one ingredient."},
        {"Sunken Bells", "DVD", 3, "Fantasy/Mystery", "Netherlands 2010", 12, 100, 599, "",
         {"Linnea Strand", "Desmond Achterberg", "Johanna Wessel"}, "Greta Oosterhuis", 2,
         "On calm nights the fishermen above a drowned village hear its church bells under the water."},
        {"Tangerine Line", "VCD", 3, "Romance/Road movie", "Italy 1994", 6, 95, 200, "",
         {"Jules Marchetti", "Xenia Petrakis", "Florian Maes"}, "Marek Voskuijl", 0,
         "A bus driver on a coastal route falls for a passenger who rides to the last stop and never gets off."},
        {"The Accordion Thief", "VHS", 4, "Comedy/Crime", "France 1992", 6, 87, 100, "",
         {"Florian Maes", "Delphine Arnaud", "Ginette Roy"}, "Leontine Faure", 4,
         "A street musician steals back the accordion his grandfather pawned long ago."},
        {"The Brass Compass", "VHS", 3, "Adventure/Family", "UK 1998", 0, 102, 150, "",
         {"Hamish Tolland", "Ottilie Barr", "Emrys Hale"}, "Jasper Quilliam", 1,
         "A compass that points to lost things leads two cousins across the moors."},
        {"The Cartwright Ledger", "BluRay", 4, "Drama/Crime", "USA 2011", 16, 126, 1699, "",
         {"Maximilian Orr", "Talia Ormsby", "Dana Whitlow"}, "Dorian Kettleby", 4,
         "An accountant finds a second set of books that could ruin the family firm she works for."},
        {"The Fifth Lantern", "BluRay", 4, "Fantasy/Adventure", "UK 2015", 12, 114, 1499, "",
         {"Talia Ormsby", "Idris Mallory", "Anselm Grieve"}, "Hugo Tallant", 7,
         "A lamplighter's apprentice learns that one lantern in the old town lights a street on no map."},
        {"The Hundred Chairs", "DVD", 4, "Comedy/Drama", "Denmark 2018", 6, 96, 799, "",
         {"Magnus Thorsby", "Linnea Strand", "Lise Brekke"}, "Esme Halvorsen", 6,
         "A furniture restorer promises a hundred chairs for a wedding in one week."},
        {"The Marrowbone Pact", "DVD", 2, "Horror/Thriller", "UK 2003", 18, 98, 499, "",
         {"Gideon Marsh", "Stellan Brack", "Gwendolyn Pryce"}, "Dorian Kettleby", 8,
         "Four school friends meet again to undo a childish promise that turned out to be binding."},
        {"The Ninth Passenger", "BluRay", 4, "Mystery/Thriller", "Germany 2012", 12, 105, 1299, "",
         {"Ulrich Demme", "Johanna Wessel", "Konrad Pell"}, "Marek Voskuijl", 5,
         "Eight passengers board a night train, but the conductor keeps counting nine."},
        {"The Quiet Foundry", "DVD", 4, "Drama", "Belgium 2007", 12, 117, 699, "",
         {"Desmond Achterberg", "Bettina Krall", "Benedikt Rothe"}, "Greta Oosterhuis", 4,
         "The last workers of a bell foundry cast one final bell before the doors close for good."},
        {"The Weathervane Club", "DVD", 3, "Comedy", "UK 2013", 0, 90, 599, "",
         {"Rosalind Fenwick", "Lorna Maitland", "Bill Tanner"}, "Agnes Vellacott", 2,
         "Pensioners in a seaside town bet on the wind and predict a storm by accident."},
        {"Thistledown", "VHS", 3, "Drama/Romance", "UK 1996", 12, 110, 150, "",
         {"Idris Mallory", "Nell Pennington", "Mick O'Dea"}, "Siobhan Keane", 8,
         "A travelling shearer returns every spring to the same farm and the same unspoken promise."},
        {"Turnstone Island", "DVD", 4, "Adventure/Family", "Norway 2007", 0, 93, 599, "",
         {"Freya Solberg", "Oskar Ilves", "Jon Aasen"}, "Dmitri Salo", 2,
         "Twins stranded on a bird island at low tide work out how the old keeper survived there."},
        {"Under the Copper Dome", "BluRay", 4, "Science fiction/Drama", "Poland 2019", 12, 122, 1899, "",
         {"Kasimir Blum", "Hana Kubota", "Priya Ramasundar"}, "Celeste Moravec", 9,
         "The people of a sealed city argue whether the sky painted on their dome is the real one."},
        {"Velvet Switchboard", "HD-DVD", 3, "Crime/Drama", "USA 2006", 16, 111, 999, "",
         {"Dana Whitlow", "Maximilian Orr", "Zora Kettering"}, "Bruno Amsel", 4,
         "A hotel switchboard operator overhears a call that ties a senator to a missing bookkeeper."},
        {"Waiting for the Ferryman", "DVD", 4, "Drama", "Greece 2010", 12, 108, 699, "",
         {"Xenia Petrakis", "Yusuf Demirel", "Elif Yurtsever"}, "Farid Benhallam", 2,
         "Islanders wait on the quay for a ferry that was cancelled without anyone telling them."},
        {"Whistling Dunes", "BluRay", 4, "Adventure/Drama", "Morocco 2015", 12, 116, 1399, "",
         {"Yusuf Demirel", "Elif Yurtsever", "Noor Haddad"}, "Farid Benhallam", 0,
         "A caravan guide and a sound engineer cross the desert to record the singing sand."},
        {"Winter Kitchen", "DVD", 4, "Drama/Family", "Finland 2014", 0, 99, 799, "",
         {"Oskar Ilves", "Hana Kubota", "Freya Solberg"}, "Dmitri Salo", 7,
         "A cook who has lost her sense of taste runs a soup kitchen through the polar night."},
    };
    return t;
}

// "Parcel for Mr. Quill" -> "parcel_for_mr_quill"
QString fileStem(const QString& name)
{
    QString stem;
    for (const QChar c : name.toLower()) {
        if (c.isLetterOrNumber())
            stem += c;
        else if (!stem.isEmpty() && !stem.endsWith(u'_'))
            stem += u'_';
    }
    while (stem.endsWith(u'_'))
        stem.chop(1);
    return stem;
}

double aspectOf(const QString& format)
{
    if (format == QLatin1String("BluRay") || format == QLatin1String("VCD"))
        return 2.0;
    if (format == QLatin1String("HD-DVD"))
        return 1.8;
    return 1.5;
}

void writeLines(const QString& relative, const QStringList& lines)
{
    QFile f(out(relative));
    f.open(QIODevice::WriteOnly);
    for (const QString& line : lines)
        f.write(line.toUtf8() + "\r\n");
}

// A number line as the list file writes it: " 12 ".
QString number(int n) { return (n < 0 ? QString() : QStringLiteral(" ")) + QString::number(n) + u' '; }

// The titles in list order: by film name, compared in lower case.
std::vector<const Title*> sortedTitles()
{
    std::vector<const Title*> sorted;
    for (const Title& t : titles())
        sorted.push_back(&t);
    std::stable_sort(sorted.begin(), sorted.end(), [](const Title* a, const Title* b) {
        return QString::fromUtf8(a->name).toLower() < QString::fromUtf8(b->name).toLower();
    });
    return sorted;
}

void demoList()
{
    const std::vector<const Title*> sorted = sortedTitles();
    QStringList lines{QStringLiteral("LIST VERSION#0"), QStringLiteral("COUNT#%1").arg(sorted.size())};
    for (const Title* t : sorted) {
        QStringList actors;
        for (size_t k = 0; k < 5; ++k)
            actors << (k < t->actors.size() ? QString::fromUtf8(t->actors[k]) : QString());
        lines << QStringLiteral("NEWDVD#----------------------------------------------") << QString::fromUtf8(t->name)
              << QString::fromUtf8(t->format) << number(t->rating) << QString::fromUtf8(t->genre)
              << QString::fromUtf8(t->landJahr) << number(t->fsk) << number(t->minutes) << number(t->price)
              << QString::fromUtf8(t->extras) << actors.join(u'#') << QString::fromUtf8(t->director)
              << QStringLiteral("cover\\") + fileStem(QString::fromUtf8(t->name)) + QStringLiteral(".jpg")
              << QString();
    }
    writeLines(QStringLiteral("lists/demo.adl"), lines);
}

// The name lists of the entry pages: everyone the demo names, once, in alphabetical order.
void nameLists()
{
    QStringList actors;
    QStringList directors;
    for (const Title& t : titles()) {
        for (const char* a : t.actors)
            actors << QString::fromUtf8(a);
        directors << QString::fromUtf8(t.director);
    }
    for (QStringList* names : {&actors, &directors}) {
        names->removeDuplicates();
        std::sort(names->begin(), names->end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    }
    writeLines(QStringLiteral("actor.txt"), actors);
    writeLines(QStringLiteral("director.txt"), directors);
}

void coversAndLongTexts()
{
    int place = 0;
    for (const Title& t : titles()) {
        const QString stem = fileStem(QString::fromUtf8(t.name));
        const QByteArray file = (stem + QStringLiteral(".jpg")).toUtf8();
        // Colours of their own for the titles that give none, spread over the colour wheel.
        const int hue = (place++ * 47) % 360;
        const QColor top = t.top.isValid() ? t.top : QColor::fromHsv(hue, 150, 220);
        const QColor bottom = t.bottom.isValid() ? t.bottom : QColor::fromHsv((hue + 40) % 360, 200, 60);
        cover({file.constData(), t.name, top, bottom, t.shape, aspectOf(QString::fromUtf8(t.format))});
        writeLines(QStringLiteral("longtexts/") + stem + QStringLiteral(".txt"), {QString::fromUtf8(t.plot)});
    }
}

// The shelf of the demo list: two boards with the titles standing on them in list order.
void demoShelf()
{
    constexpr int kSize = 200; // display size in percent
    constexpr int kLeft = 40;
    const int boardTops[2] = {240, 500};
    const std::vector<const Title*> sorted = sortedTitles();
    const size_t perBoard = (sorted.size() + 1) / 2;
    QStringList spines;
    int widest = 0;
    int x = kLeft;
    for (size_t i = 0; i < sorted.size(); ++i) {
        const QString format = QString::fromUtf8(sorted[i]->format);
        // The base sizes of the shelf for each format.
        int w = 7;
        int h = 100;
        if (format == QLatin1String("BluRay") || format == QLatin1String("HD-DVD")) {
            w = 6;
            h = 80;
        } else if (format == QLatin1String("VHS")) {
            w = 10;
        } else if (format == QLatin1String("VCD")) {
            w = 6;
            h = 50;
        }
        if (i % perBoard == 0)
            x = kLeft;
        const int board = static_cast<int>(i / perBoard);
        const int top = boardTops[board] - h * kSize / 100;
        spines << QString::fromUtf8(sorted[i]->name) << QStringLiteral("%1#%2#%3#%4").arg(x).arg(top).arg(w).arg(h);
        x += w * kSize / 100 + 1;
        widest = std::max(widest, x - kLeft);
    }
    QStringList lines{QStringLiteral("shelf.gif"), QString::number(sorted.size()), QStringLiteral("2"),
                      QString::number(kSize)};
    lines << spines;
    for (int top : boardTops)
        lines << QStringLiteral("%1#%2#%3#0").arg(kLeft - 10).arg(top).arg(widest + 20);
    writeLines(QStringLiteral("shelves/demo.arf"), lines);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources");
    splash();
    shelf();
    background();
    demoList();
    nameLists();
    coversAndLongTexts();
    demoShelf();
    portrait("Mara Lindqvist", QColor(240, 200, 170), QColor(150, 90, 40));
    portrait("Tomas Okafor", QColor(130, 85, 60), QColor(20, 20, 20));
    saveWav(out(QStringLiteral("sounds/click.wav")), {{1200, 0.03}}, 0.25);
    saveWav(out(QStringLiteral("sounds/start.wav")), {{523, 0.12}, {659, 0.12}, {784, 0.2}}, 0.3);
    saveWav(out(QStringLiteral("sounds/alert.wav")), {{880, 0.08}, {660, 0.1}}, 0.3);
    return 0;
}
