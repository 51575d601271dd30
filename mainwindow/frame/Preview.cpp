#include "mainwindow/frame/Preview.h"

#include "controls/ucZoom.h"
#include "data/clsPathFunctions.h"
#include "platform/Paths.h"

#include <QImageReader>

namespace {

constexpr int kStartSize = 483; // the zoom control's own design size

} // namespace

Preview::Preview(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Preview"));
    setWindowTitle(QStringLiteral("Preview"));
    m_zoom = new ucZoom(this);
    m_zoom->setObjectName(QStringLiteral("ucZoom1"));
    resize(kStartSize, kStartSize);
}

void Preview::SetPic(const QString& path)
{
    // A file with a picture's ending that cannot be decoded is no picture either.
    if (path.isEmpty() || !clsPathFunctions::checkIfFileExists(path, 1) || !QImageReader(Paths::resolve(path)).canRead()) {
        m_isPic = false;
        return;
    }
    m_zoom->InitializeIt(Paths::resolve(path), width(), height());
    m_isPic = true;
}

void Preview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_zoom->setGeometry(0, 0, width(), height());
    m_zoom->SetSize(width(), height());
}
