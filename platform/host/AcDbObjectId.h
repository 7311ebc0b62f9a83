#pragma once
// AcDbObjectId: identifier of an object of the drawing database. Here it wraps a number
// given out by whoever stands in for the database (the core module's model, the
// automation script's "answer entities"). 0 is the null id.

#include "platform/host/ArxTypes.h"

#include <cstddef>
#include <functional>

class AcDbObjectId {
public:
    constexpr AcDbObjectId() = default;
    static AcDbObjectId fromOldId(Adesk::IntDbId id) {
        AcDbObjectId o;
        o.m_id = id;
        return o;
    }

    bool isNull() const { return m_id == 0; }
    bool isValid() const { return m_id != 0; }
    void setNull() { m_id = 0; }
    Adesk::IntDbId asOldId() const { return m_id; }
    AcDbObjectId& setFromOldId(Adesk::IntDbId id) {
        m_id = id;
        return *this;
    }

    friend bool operator==(const AcDbObjectId&, const AcDbObjectId&) = default;
    friend auto operator<=>(const AcDbObjectId&, const AcDbObjectId&) = default;

    static const AcDbObjectId kNull;

private:
    Adesk::IntDbId m_id = 0;
};

inline const AcDbObjectId AcDbObjectId::kNull{};

template <> struct std::hash<AcDbObjectId> {
    size_t operator()(const AcDbObjectId& id) const noexcept {
        return std::hash<Adesk::IntDbId>()(id.asOldId());
    }
};
