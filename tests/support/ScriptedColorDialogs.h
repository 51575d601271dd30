#pragma once

#include "platform/ColorDialogService.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

// Answers the colour chooser in the order a test scripted it and fails the
// test on a chooser it did not expect.
class ScriptedColorDialogs : public ColorDialogService {
public:
    ScriptedColorDialogs();
    ~ScriptedColorDialogs() override; // fails when scripted answers were left unused

    ScriptedColorDialogs& expectChoose(std::int32_t color);
    ScriptedColorDialogs& expectCancel();

    std::optional<std::int32_t> chooseColor(std::int32_t start) override;

    // The start colour of each chooser, in order.
    std::vector<std::int32_t> starts;

private:
    std::deque<std::optional<std::int32_t>> m_answers;
    ColorDialogs::Scoped m_scope;
};
