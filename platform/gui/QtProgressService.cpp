#include "platform/gui/QtProgressService.h"

#include "platform/gui/DialogTitle.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressDialog>

QtProgressService::QtProgressService() = default;

QtProgressService::~QtProgressService() = default;

void QtProgressService::begin(const QString& title, const QString& cancelText, int total)
{
    m_dialog = std::make_unique<QProgressDialog>(QString(), cancelText, 0, total, QApplication::activeWindow());
    // Labels may name a file of the user's: shown as it is, never as markup.
    auto* label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    m_dialog->setLabel(label);
    m_dialog->setWindowTitle(title);
    // The dialog sizes itself to its label; the window manager would cut the title.
    m_dialog->setMinimumWidth(DialogTitle::width(title));
    // Every window waits: a second action started meanwhile would run inside this one.
    m_dialog->setWindowModality(Qt::ApplicationModal);
    // Cancel only asks; the dialog stays up until the caller has stopped.
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    m_dialog->setMinimumDuration(0);
    m_dialog->setValue(0);
    // Shown at once: a long run must never look like a hung window.
    m_dialog->show();
    QCoreApplication::processEvents();
}

bool QtProgressService::step(int done, const QString& label)
{
    if (!m_dialog)
        return true;
    m_dialog->setLabelText(label);
    m_dialog->setValue(done);
    // The window's own input (the cancel button) waited while the request ran.
    QCoreApplication::processEvents();
    return !m_dialog->wasCanceled();
}

void QtProgressService::end() { m_dialog.reset(); }
