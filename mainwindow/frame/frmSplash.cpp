#include "mainwindow/frame/frmSplash.h"

#include "controls/WindowPlacement.h"

#include "controls/FontHelper.h"
#include "controls/PictureBox.h"
#include "data/ProgramFiles.h"
#include "mainwindow/frame/MainWindow.h"
#include "platform/Version.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <future>

namespace {

constexpr int kSqueezedWidth = 86;
constexpr int kSqueezedHeight = 147;

// The product name's first letter, as a small picture beside the rest of the name.
QPixmap firstLetter()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(200, 40, 40));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, 32, 32), 6, 6);
    p.setPen(Qt::white);
    QFont f = FontHelper::labelFont(16);
    p.setFont(f);
    p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("Q"));
    return pm;
}

} // namespace

frmSplash::frmSplash(MainWindow& main)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_main(main)
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(330, 220);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    m_picture1 = new PictureBox(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setGeometry(10, 10, kSqueezedWidth, 200);

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setGeometry(115, 40, 32, 32);
    m_image1->setPixmap(firstLetter());

    m_label1 = new QLabel(QStringLiteral("uorDVD"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setFont(FontHelper::labelFont(14.25));
    m_label1->setGeometry(150, 40, 170, 32);

    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setFont(FontHelper::labelFont(9.75));
    m_label2->setGeometry(115, 90, 205, 24);

    m_label3 = new QLabel(QStringLiteral("Your film collection, one title at a time."), this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setFont(FontHelper::labelFont());
    m_label3->setWordWrap(true);
    m_label3->setGeometry(115, 140, 205, 60);

    for (QWidget* w : std::initializer_list<QWidget*>{m_picture1, m_image1, m_label1, m_label2, m_label3})
        w->installEventFilter(this);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer"));
    m_timer->setInterval(50);
    connect(m_timer, &QTimer::timeout, this, &frmSplash::Timer_Timer);
}

bool frmSplash::Form_Load()
{
    m_tick = 0;
    m_frameCount = 0;
    m_picY = 30;
    m_restY = 30;
    // Read while the main window starts, which does not need it. A missing or
    // unreadable picture leaves the box empty.
    std::future<QImage> picture =
        std::async(std::launch::async, [] { return QImageReader(ProgramFiles::splashPicture()).read(); });
    m_label2->setText(
        QStringLiteral("Version %1.%2.%3").arg(Version::kMajor).arg(Version::kMinor).arg(Version::kRevision));

    const bool started = m_main.Form_Load();
    m_picture1->setPicture(picture.get());
    if (!started)
        return false;
    m_main.show();

    WindowPlacement::place(this, &m_main);
    show();
    raise();
    m_timer->start();
    return true;
}

void frmSplash::Timer_Timer()
{
    const QImage& picture = m_picture1->picture();
    if (m_tick == 20) {
        m_picY = m_restY;
        m_picture1->paintPicture(picture, 0, m_picY + 20, kSqueezedWidth, kSqueezedHeight);
        m_tick = 0;
    } else {
        ++m_tick;
        m_picY = static_cast<std::int16_t>(m_picY - 10 + m_tick);
        m_picture1->paintPicture(picture, 0, m_picY, picture.width(), picture.height());
    }
    ++m_frameCount;
    if (m_frameCount == kTicks)
        EndSplash();
}

void frmSplash::EndSplash()
{
    m_timer->stop();
    hide();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        // A click on the letter does nothing (and must not reach the window).
        if (watched != m_image1)
            EndSplash();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmSplash::mousePressEvent(QMouseEvent*) { EndSplash(); }

void frmSplash::keyPressEvent(QKeyEvent*)
{
    // The timer runs on; its end then has nothing left to hide. Hiding
    // takes the focus away, which is no reason to stop it.
    m_wasActive = false;
    hide();
    m_main.show();
    m_main.raise();
    m_main.activateWindow();
}

bool frmSplash::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        m_wasActive = true;
    } else if (event->type() == QEvent::WindowDeactivate && m_wasActive && isVisible()) {
        m_wasActive = false;
        EndSplash();
    }
    return QWidget::event(event);
}
