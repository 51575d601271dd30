#pragma once

#include "platform/FileDialogService.h"

#include <QStringList>
#include <memory>

class QFileDialog;

// The file-open dialog as a Qt file dialog, modal to the active window.
class QtFileDialogService : public FileDialogService {
public:
    std::optional<QString> openFile(const QString& title, const QString& filter, const QString& folder) override;

    // The dialog as it is shown, for a look before it runs.
    static std::unique_ptr<QFileDialog> createDialog(const QString& title, const QString& filter, const QString& folder);
    // "Pictures (*.jpg) | *.jpg;*.gif" becomes Qt's "Pictures (*.jpg) (*.jpg *.JPG *.gif *.GIF)", one
    // entry per pair. Endings are matched in either case, as on the system the lists come from.
    static QStringList toQtFilters(const QString& filter);
};
