#pragma once
// Tvl_DstvPointInfo: one marking-point definition of a DSTV point group: how the point is
// found on a plate, which plate views qualify, and whether a hole is drilled.

#include "core/Tvl_String.h"
#include "core/fabrication/BmDstvPointSideSelection.h"

class Tvl_DstvPointInfo {
public:
    Tvl_DstvPointInfo() = default; // the defaults of a new point
    explicit Tvl_DstvPointInfo(const Tvl_String& name) : m_name(name) {}
    virtual ~Tvl_DstvPointInfo() = default;
    Tvl_DstvPointInfo(const Tvl_DstvPointInfo&) = default;
    Tvl_DstvPointInfo& operator=(const Tvl_DstvPointInfo&) = default;
    bool operator==(const Tvl_DstvPointInfo&) const = default;

    const Tvl_String& name() const { return m_name; }
    void setName(const Tvl_String& name) { m_name = name; }

    bool selectGeomExtent() const { return m_geomExtent; }
    BmDstvPointSideSelection sideSelection1() const { return m_side1; }
    BmDstvPointSideSelection sideSelection2() const { return m_side2; }
    void setSelectGeomExtent(bool on, BmDstvPointSideSelection side1,
                             BmDstvPointSideSelection side2) {
        m_geomExtent = on;
        m_side1 = side1;
        m_side2 = side2;
    }

    bool selectIntersGeom() const { return m_intersGeom; }
    bool selectIntersMid() const { return m_intersMid; }
    BmDstvPointSideSelection intersStartDir() const { return m_intersStart; }
    void setSelectIntersGeom(bool on, bool middle, BmDstvPointSideSelection startDir) {
        m_intersGeom = on;
        m_intersMid = middle;
        m_intersStart = startDir;
    }

    short plateSelection() const { return m_plateSelection; }
    double minPlateSideDist() const { return m_minPlateSideDist; }
    void setPlateSelection(short selection, double minDistance) {
        m_plateSelection = selection;
        m_minPlateSideDist = minDistance;
    }

    bool drillFullHole() const { return m_fullHole; }
    bool radiusThicknessBased() const { return m_thicknessBased; }
    double drillRadius() const { return m_drillRadius; }
    void setDrillFullHole(bool fullHole, bool thicknessBased, double size) {
        m_fullHole = fullHole;
        m_thicknessBased = thicknessBased;
        m_drillRadius = size;
    }

private:
    Tvl_String m_name;
    bool m_geomExtent = true;
    BmDstvPointSideSelection m_side1 = kDstvSide0;
    BmDstvPointSideSelection m_side2 = kDstvSide2;
    bool m_intersGeom = false;
    bool m_intersMid = true;
    BmDstvPointSideSelection m_intersStart = kDstvSide0;
    short m_plateSelection = 0;
    double m_minPlateSideDist = 50.0;
    bool m_fullHole = false;
    bool m_thicknessBased = false;
    double m_drillRadius = 16.0;
};
