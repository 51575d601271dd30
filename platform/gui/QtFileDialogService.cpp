#include "platform/gui/QtFileDialogService.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

QStringList QtFileDialogService::toQtFilters(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QStringList patterns;
        if (i + 1 < parts.size()) {
            for (const QString& p : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
                const QString pattern = p.trimmed();
                if (pattern.isEmpty() || patterns.contains(pattern))
                    continue;
                patterns << pattern;
                const QString upper = pattern.toUpper();
                if (upper != pattern && !patterns.contains(upper))
                    patterns << upper;
            }
        }
        if (patterns.isEmpty()) {
            if (description.isEmpty())
                continue;
            patterns << QStringLiteral("*");
        }
        const QString name = description.isEmpty() ? patterns.join(u' ') : description;
        result << QStringLiteral("%1 (%2)").arg(name, patterns.join(u' '));
    }
    return result;
}

std::unique_ptr<QFileDialog> QtFileDialogService::createDialog(const QString& title, const QString& filter,
                                                               const QString& folder)
{
    auto dialog = std::make_unique<QFileDialog>(QApplication::activeWindow(), title);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = toQtFilters(filter);
    if (!filters.isEmpty())
        dialog->setNameFilters(filters);
    if (!folder.isEmpty() && QDir(folder).exists())
        dialog->setDirectory(folder);
    return dialog;
}

std::optional<QString> QtFileDialogService::openFile(const QString& title, const QString& filter,
                                                     const QString& folder)
{
    const auto dialog = createDialog(title, filter, folder);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog->selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return files.first();
}
