#pragma once

#include "platform/ProgressService.h"

#include <memory>

class QProgressDialog;

// The progress display as Qt's progress dialog, modal to the application:
// while it is up, only its cancel button takes the user's input.
class QtProgressService : public ProgressService {
public:
    QtProgressService();
    ~QtProgressService() override;

    void begin(const QString& title, const QString& cancelText, int total) override;
    bool step(int done, const QString& label) override;
    void end() override;

    // The dialog while it is up, for a look in tests; null otherwise.
    QProgressDialog* dialog() const { return m_dialog.get(); }

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};
