#pragma once

#include "platform/RandomSource.h"

#include <deque>
#include <initializer_list>

// Returns the scripted values in order, then repeats the last one.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom(std::initializer_list<double> values) : m_values(values), m_scope(*this) {}
    void seed(std::uint32_t) override {}
    double next() override
    {
        if (m_values.size() > 1) {
            const double v = m_values.front();
            m_values.pop_front();
            return v;
        }
        return m_values.empty() ? 0.0 : m_values.front();
    }

private:
    std::deque<double> m_values;
    Random::Scoped m_scope;
};
