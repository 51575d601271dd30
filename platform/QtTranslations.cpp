#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

QPointer<QTranslator>& installed()
{
    static QPointer<QTranslator> translator;
    return translator;
}

} // namespace

QString QtTranslations::defaultFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool QtTranslations::apply(std::uint8_t language, const QString& folder)
{
    if (QTranslator* old = installed()) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    if (language != 0)
        return false;
    // Owned by the application, so that it never outlives it.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_de"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed() = translator;
    return true;
}
