// Checkpoints.h: states a forward walk keeps every so many steps, so that
// going back costs at most that many steps, whatever the walk's length.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

template <typename State>
class Checkpoints {
public:
    struct Kept {
        uint64_t step;
        State state;
    };

    // The walk's state at step 0 is always kept.
    Checkpoints(uint64_t spacing, const State& first) : m_spacing(spacing), m_states{first} {}

    // The walk reached the step in the state: kept at every spacing-th step, once.
    void Reached(uint64_t step, const State& state) {
        if (step % m_spacing == 0 && step / m_spacing == m_states.size()) m_states.push_back(state);
    }
    // The next step that would be kept.
    uint64_t NextStep() const { return m_states.size() * m_spacing; }
    uint64_t Spacing() const { return m_spacing; }

    // The last state kept at or before the step.
    Kept AtOrBefore(uint64_t step) const {
        size_t index = static_cast<size_t>(std::min<uint64_t>(step / m_spacing, m_states.size() - 1));
        return {index * m_spacing, m_states[index]};
    }
    // The last state kept that has not gone past the target, passed(state)
    // telling it, false then true along the walk.
    template <typename Passed>
    Kept LastNotPast(Passed passed) const {
        auto later = std::partition_point(m_states.begin(), m_states.end(),
                                          [&](const State& state) { return !passed(state); });
        size_t index = later == m_states.begin() ? 0 : static_cast<size_t>(later - m_states.begin()) - 1;
        return {index * m_spacing, m_states[index]};
    }

private:
    uint64_t m_spacing;
    std::vector<State> m_states;
};
