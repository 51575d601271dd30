#include "mainwindow/frame/Trailer.h"

#include "data/clsPathFunctions.h"
#include "platform/MediaPlayerService.h"
#include "platform/Paths.h"

#include <QPainter>
#include <QPushButton>

namespace {

constexpr int kButtonSize = 24;

// Restart: a bar and a triangle pointing back; pause: two bars.
QIcon buttonPicture(bool restart)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    if (restart) {
        p.drawRect(QRectF(2, 2, 3, 12));
        p.drawPolygon(QPolygonF({QPointF(14, 2), QPointF(5, 8), QPointF(14, 14)}));
    } else {
        p.drawRect(QRectF(3, 2, 4, 12));
        p.drawRect(QRectF(9, 2, 4, 12));
    }
    return QIcon(pm);
}

QPushButton* makeButton(QWidget* parent, const char* name, bool restart)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(buttonPicture(restart));
    b->setIconSize(QSize(16, 16));
    b->setFocusPolicy(Qt::NoFocus);
    b->resize(kButtonSize, kButtonSize);
    return b;
}

} // namespace

Trailer::Trailer(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Trailer"));
    setWindowTitle(QStringLiteral("Trailer"));
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    m_neustart = makeButton(this, "Neustart", true);
    m_pausePlay = makeButton(this, "PausePlay", false);
    connect(m_neustart, &QPushButton::clicked, this, &Trailer::Neustart_Click);
    connect(m_pausePlay, &QPushButton::clicked, this, &Trailer::PausePlay_Click);
}

Trailer::~Trailer() = default;

void Trailer::ensurePlayer()
{
    if (m_player)
        return;
    m_player = MediaPlayers::get().createPlayer(this);
    m_player->view()->setGeometry(0, 0, width(), height());
    m_player->view()->show();
    m_player->view()->lower(); // the buttons stand over the picture
    m_player->setErrorHandler([this](const QString&) {
        if (m_starting)
            m_startFailed = true;
        else
            emit playbackFailed();
    });
}

bool Trailer::StartPlayer(const QString& path)
{
    if (!clsPathFunctions::checkIfFileExists(path, 0))
        return false;
    // Flash movies have no player on this platform.
    if (clsPathFunctions::getFileEnding(path).toLower() == QLatin1String("swf"))
        return false;
    ensurePlayer();
    m_starting = true;
    m_startFailed = false;
    m_player->setStretchToFit(true);
    m_player->setSource(Paths::resolve(path));
    m_player->play();
    m_starting = false;
    if (m_startFailed)
        m_player->stop();
    return !m_startFailed;
}

void Trailer::PausePlay_Click()
{
    if (m_player) {
        if (m_paused)
            m_player->play();
        else
            m_player->pause();
    }
    m_paused = !m_paused;
}

void Trailer::Neustart_Click()
{
    if (!m_player)
        return;
    m_player->stop();
    m_player->play();
}

void Trailer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    if (m_player)
        m_player->view()->setGeometry(0, 0, w, h);
    m_neustart->move(w - m_pausePlay->width() - m_neustart->width() - 10, h - m_neustart->height() - 5);
    m_pausePlay->move(m_neustart->x() + m_neustart->width() + 5, m_neustart->y());
}
