#include "mainwindow/frame/frmFullScreen.h"

#include "data/DiscFormat.h"
#include "data/MessageTexts.h"
#include "data/clsPathFunctions.h"
#include "host/PageHost.h"
#include "session/Session.h"
#include "platform/Paths.h"
#include "platform/ScreenService.h"

#include <QCloseEvent>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>

#include <cstdint>

frmFullScreen::frmFullScreen(PageHost& host)
    : QWidget(host.clientArea()->window(), Qt::Window | Qt::FramelessWindowHint), m_host(host)
{
    setObjectName(QStringLiteral("frmFullScreen"));
    setWindowTitle(QStringLiteral("FullScreen"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    m_imPic = new QLabel(this);
    m_imPic->setObjectName(QStringLiteral("imPic"));
    m_imPic->setScaledContents(true);
    m_imPic->installEventFilter(this);
    move(0, 0);
    m_imPic->move(0, 0);
}

int frmFullScreen::GetCoverHeight(const QString& format, int width)
{
    return DiscFormat::of(format).coverHeightFor(width);
}

bool frmFullScreen::OpenFullscreen(const QString& path, const QString& format)
{
    QImage picture;
    if (clsPathFunctions::checkIfFileExists(path, 1)) {
        QImageReader reader(Paths::resolve(path));
        reader.setAutoTransform(true);
        picture = reader.read();
    }
    // A picture file that cannot be decoded counts as missing.
    if (picture.isNull()) {
        m_host.StatusMsg(MessageText::FileUnusable);
        return false;
    }
    m_imPic->setPixmap(QPixmap::fromImage(std::move(picture)));

    // Computed in pixels with a full-width integer, so wide screens need no clamp.
    const QSize screen = Screens::get().size();
    setGeometry(0, 0, screen.width(), screen.height());
    const int h = GetCoverHeight(format, screen.width());
    if (h <= screen.height())
        m_imPic->setGeometry(0, screen.height() / 2 - h / 2, width(), h);
    else
        m_imPic->setGeometry(0, 0, width(), screen.height()); // stretched, the proportions give way
    return true;
}

void frmFullScreen::imPic_Click()
{
    emit dismissed();
    hide();
}

void frmFullScreen::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_imPic->resize(width(), m_imPic->height());
}

void frmFullScreen::closeEvent(QCloseEvent* event)
{
    // Closed by the desktop: the saver ends as with a click, and the window only hides.
    emit dismissed();
    QWidget::closeEvent(event);
}

bool frmFullScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_imPic && event->type() == QEvent::MouseButtonPress) {
        imPic_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
