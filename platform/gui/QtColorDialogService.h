#pragma once

#include "platform/ColorDialogService.h"

#include <QColor>
#include <memory>

class QColorDialog;

// The colour chooser as Qt's colour dialog, modal to the active window.
class QtColorDialogService : public ColorDialogService {
public:
    std::optional<std::int32_t> chooseColor(std::int32_t start) override;

    // The dialog as it is shown, for a look before it runs.
    static std::unique_ptr<QColorDialog> createDialog(std::int32_t start);
    // 0x00BBGGRR and back; the top byte is ignored.
    static QColor toQColor(std::int32_t bgr);
    static std::int32_t fromQColor(const QColor& color);
};
