#include "platform/gui/QtColorDialogService.h"

#include <QApplication>
#include <QColorDialog>

QColor QtColorDialogService::toQColor(std::int32_t bgr)
{
    const auto v = static_cast<std::uint32_t>(bgr);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

std::int32_t QtColorDialogService::fromQColor(const QColor& color)
{
    return static_cast<std::int32_t>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

std::unique_ptr<QColorDialog> QtColorDialogService::createDialog(std::int32_t start)
{
    auto dialog = std::make_unique<QColorDialog>(toQColor(start), QApplication::activeWindow());
    return dialog;
}

std::optional<std::int32_t> QtColorDialogService::chooseColor(std::int32_t start)
{
    const auto dialog = createDialog(start);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor chosen = dialog->selectedColor();
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}
