#include "controls/ucZoom.h"

#include "controls/FontHelper.h"
#include "controls/PictureBox.h"

#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <cmath>

namespace {

constexpr int kArrowThickness = 25;
constexpr int kZoomButtonSize = 28;
constexpr int kDesignBox = 433;
constexpr int kMinimumSize = 200;
constexpr double kMoveStep = 200.0;

// An 11 x 10 chevron pointing up or down.
QIcon chevron(bool up)
{
    QPixmap pm(11, 10);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    const double tip = up ? 2.0 : 8.0;
    const double base = up ? 8.0 : 2.0;
    p.drawPolyline(QPolygonF({QPointF(0.5, base), QPointF(5.5, tip), QPointF(10.5, base)}));
    return QIcon(pm);
}

// A 22 x 22 magnifying glass with a plus or minus sign in the lens.
QIcon magnifier(bool plus)
{
    QPixmap pm(22, 22);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(2, 2, 13, 13));
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 14), QPointF(20, 20));
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(5.5, 8.5), QPointF(11.5, 8.5));
    if (plus)
        p.drawLine(QPointF(8.5, 5.5), QPointF(8.5, 11.5));
    return QIcon(pm);
}

QPushButton* makeButton(QWidget* parent, const char* name)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setFont(FontHelper::buttonFont());
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

ucZoom::ucZoom(QWidget* parent)
    : QWidget(parent)
{
    m_pictureBox = new PictureBox(this);
    m_pictureBox->setObjectName(QStringLiteral("PictureBox"));

    m_btOben = makeButton(this, "btOben");
    m_btOben->setIcon(chevron(true));
    m_btOben->setIconSize(QSize(11, 10));
    m_btUnten = makeButton(this, "btUnten");
    m_btUnten->setIcon(chevron(false));
    m_btUnten->setIconSize(QSize(11, 10));
    m_btLinks = makeButton(this, "btLinks");
    m_btLinks->setText(QStringLiteral("<"));
    m_btRechts = makeButton(this, "btRechts");
    m_btRechts->setText(QStringLiteral(">"));
    m_btZoomIn = makeButton(this, "btZoomIn");
    m_btZoomIn->setIcon(magnifier(true));
    m_btZoomIn->setIconSize(QSize(22, 22));
    m_btZoomOut = makeButton(this, "btZoomOut");
    m_btZoomOut->setIcon(magnifier(false));
    m_btZoomOut->setIconSize(QSize(22, 22));

    // Design sizes: the strips keep their thickness, the zoom buttons their size.
    m_btOben->resize(kDesignBox, kArrowThickness);
    m_btUnten->resize(kDesignBox, kArrowThickness);
    m_btLinks->resize(kArrowThickness, kDesignBox);
    m_btRechts->resize(kArrowThickness, kDesignBox);
    m_btZoomIn->resize(kZoomButtonSize, kZoomButtonSize);
    m_btZoomOut->resize(kZoomButtonSize, kZoomButtonSize);
    m_btZoomIn->raise();
    m_btZoomOut->raise();

    connect(m_btLinks, &QPushButton::clicked, this, [this] { step(&clsZoomControl::goLeft); });
    connect(m_btOben, &QPushButton::clicked, this, [this] { step(&clsZoomControl::goUp); });
    connect(m_btRechts, &QPushButton::clicked, this, [this] { step(&clsZoomControl::goRight); });
    connect(m_btUnten, &QPushButton::clicked, this, [this] { step(&clsZoomControl::goDown); });
    connect(m_btZoomIn, &QPushButton::clicked, this, [this] { step(&clsZoomControl::makeBigger); });
    connect(m_btZoomOut, &QPushButton::clicked, this, [this] { step(&clsZoomControl::makeSmaller); });

    const int designSize = kDesignBox + 2 * kArrowThickness;
    resize(designSize, designSize);
    SetSize(designSize, designSize);
}

ucZoom::~ucZoom() = default;

void ucZoom::InitializeIt(const QString& path, std::int32_t width, std::int32_t height)
{
    m_imagePath = path;
    QImageReader reader(path);
    QImage image = reader.read();
    // An unreadable or empty picture leaves the control without one: the
    // buttons then have nothing to move.
    if (image.width() <= 0 || image.height() <= 0)
        image = QImage();
    m_image = image;
    m_pictureBox->setPicture(m_image);
    SetSize(width, height);
    if (m_image.isNull()) {
        m_zoom.reset();
        return;
    }
    if (!m_zoom)
        m_zoom = std::make_unique<clsZoomControl>();
    m_zoom->Initialize(kMoveStep, m_pictureBox->width(), m_pictureBox->height(), m_image.width(),
                       m_image.height());
    repaintPicture();
}

void ucZoom::SetSize(std::int32_t width, std::int32_t height)
{
    if (width < kMinimumSize || height < kMinimumSize) {
        SetSize(kMinimumSize, kMinimumSize);
        return;
    }
    const int boxHeight = height - m_btOben->height() - m_btUnten->height();
    const int boxWidth = width - m_btRechts->width() - m_btLinks->width();
    const int boxLeft = m_btLinks->width();
    const int boxTop = m_btOben->height();

    m_pictureBox->setGeometry(boxLeft, boxTop, boxWidth, boxHeight);
    m_btOben->setGeometry(boxLeft, 0, boxWidth, m_btOben->height());
    m_btUnten->setGeometry(boxLeft, boxTop + boxHeight, boxWidth, m_btUnten->height());
    m_btLinks->setGeometry(0, boxTop, m_btLinks->width(), boxHeight);
    m_btRechts->setGeometry(boxLeft + boxWidth, boxTop, m_btRechts->width(), boxHeight);

    const int zoomTop = boxTop + boxHeight - m_btZoomIn->height() - 5;
    m_btZoomOut->move(boxLeft + boxWidth - m_btZoomOut->width() - 5, zoomTop);
    m_btZoomIn->move(boxLeft + boxWidth - m_btZoomOut->width() - m_btZoomIn->width() - 10, zoomTop);
}

void ucZoom::step(void (clsZoomControl::*action)())
{
    if (!m_zoom)
        return; // no picture loaded
    (m_zoom.get()->*action)();
    repaintPicture();
}

void ucZoom::repaintPicture()
{
    if (!m_zoom)
        return;
    m_pictureBox->paintPicture(m_image, m_zoom->getPictureLeft(), m_zoom->getPictureTop(),
                               m_zoom->getPictureWidth(), m_zoom->getPictureHeight());
}
