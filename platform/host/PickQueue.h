#pragma once
// PickQueue: answers to interactive picks in the drawing, queued ahead of the code that
// asks (tests, the automation script). Points and entity selections have separate
// queues, each first in, first out. A queued cancel makes the pick return RTCAN.

#include "platform/host/AcDbObjectId.h"

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace host {

struct PickPoint {
    std::array<double, 3> xyz{0, 0, 0};
};

class PickQueue {
public:
    // nullopt queues a cancel.
    void queuePoint(std::optional<PickPoint> point) { m_points.push_back(point); }
    void queueEntities(std::optional<std::vector<AcDbObjectId>> ids) {
        m_entities.push_back(std::move(ids));
    }

    // Takes the next answer. The outer optional is empty when nothing was queued (the
    // caller records an unanswered pick); the inner one when the answer is "cancel".
    std::optional<std::optional<PickPoint>> takePoint();
    std::optional<std::optional<std::vector<AcDbObjectId>>> takeEntities();

    int pendingCount() const { return static_cast<int>(m_points.size() + m_entities.size()); }
    void clear() {
        m_points.clear();
        m_entities.clear();
    }
    int picksAsked() const { return m_asked; }

    // Where a person answers a point pick that nothing queued an answer for: a line read
    // at the host's prompt ("x,y[,z]", empty or "cancel" cancels); nullopt at the end of
    // the input. Unset (scripts, tests): such a pick is a failure.
    using LineReader = std::function<std::optional<std::string>()>;
    void setPromptReader(LineReader reader) { m_reader = std::move(reader); }
    const LineReader& promptReader() const { return m_reader; }

private:
    std::deque<std::optional<PickPoint>> m_points;
    std::deque<std::optional<std::vector<AcDbObjectId>>> m_entities;
    int m_asked = 0;
    LineReader m_reader;
};

PickQueue& picks();

} // namespace host
