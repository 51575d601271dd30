#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString cancel() { return QCoreApplication::translate("QPlatformTheme", "Cancel"); }

struct ResetToEnglish {
    ~ResetToEnglish() { QtTranslations::apply(1); }
};

TEST(QtTranslations, GermanComesAndGoesWithTheLanguage)
{
    ResetToEnglish reset;
    ASSERT_TRUE(QtTranslations::apply(0)) << "qtbase_de.qm in " << QtTranslations::defaultFolder().toStdString();
    EXPECT_EQ(cancel(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    // Applying German again replaces the catalogue instead of stacking it.
    ASSERT_TRUE(QtTranslations::apply(0));
    EXPECT_FALSE(QtTranslations::apply(1));
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
}

TEST(QtTranslations, AMissingCatalogueLeavesQtsEnglish)
{
    ResetToEnglish reset;
    ASSERT_TRUE(QtTranslations::apply(0));
    const QTemporaryDir empty;
    EXPECT_FALSE(QtTranslations::apply(0, empty.path()));
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
}

} // namespace
