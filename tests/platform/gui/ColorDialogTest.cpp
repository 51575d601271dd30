#include "platform/gui/QtColorDialogService.h"

#include <QApplication>
#include <QColorDialog>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `answer` on the colour dialog once it is open.
void answerDialog(std::function<void(QColorDialog&)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

TEST(ColorDialog, OpensAtTheStartColourAndAnswersTheChoiceOrNothingOnCancel)
{
    // 0x00BBGGRR: red 0x99, green 0x66, blue 0x33
    EXPECT_EQ(QtColorDialogService::createDialog(0x00336699)->currentColor(), QColor(0x99, 0x66, 0x33));
    for (const std::int32_t c : {0x00000000, 0x00FFFFFF, 0x00010203, 0x00ABCDEF})
        EXPECT_EQ(QtColorDialogService::fromQColor(QtColorDialogService::toQColor(c)), c);

    QtColorDialogService service;
    answerDialog([](QColorDialog& d) {
        d.setCurrentColor(QColor(0x12, 0x34, 0x56));
        d.accept();
    });
    EXPECT_EQ(service.chooseColor(0x00336699), std::optional<std::int32_t>(0x00563412));

    answerDialog([](QColorDialog& d) {
        d.setCurrentColor(QColor(0x12, 0x34, 0x56));
        d.reject();
    });
    EXPECT_EQ(service.chooseColor(0x00336699), std::nullopt);
}

} // namespace
