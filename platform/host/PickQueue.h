#pragma once
// PickQueue: answers to interactive picks in the drawing, queued ahead of the code that
// asks (tests, the automation script). Points and entity selections have separate
// queues, each first in, first out. A queued cancel makes the pick return RTCAN.

#include "platform/host/AcDbObjectId.h"

#include <array>
#include <deque>
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

private:
    std::deque<std::optional<PickPoint>> m_points;
    std::deque<std::optional<std::vector<AcDbObjectId>>> m_entities;
    int m_asked = 0;
};

PickQueue& picks();

} // namespace host
