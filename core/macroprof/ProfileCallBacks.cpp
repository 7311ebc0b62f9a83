#include "core/macroprof/ProfileCallBacks.h"

#include <cmath>
#include <map>
#include <set>

#include "core/CorePrint.h"
#include "core/LanguageTexts.h"
#include "core/model/SampleModel.h"

#if TVL_HOST_AVAILABLE
#include "platform/host/AcEd.h"
#endif

namespace {

struct ProfileDrawing {
    std::map<AcDbObjectId, Tvl_String> coordSystems;
    std::map<AcDbObjectId, Tvl_String> previews;
    std::set<AcDbObjectId> erased;
    int nextId = 700;
};

ProfileDrawing& drawing() {
    static ProfileDrawing d;
    return d;
}

Tvl_String objectName(AcDbObjectId id) {
    const model::SampleModel& m = model::sampleModel();
    for (const model::PlainObject& p : m.plainObjects())
        if (p.id == id)
            return p.name;
    if (const model::MacroInstance* instance = m.instance(id))
        return instance->m_name;
    auto cs = drawing().coordSystems.find(id);
    if (cs != drawing().coordSystems.end())
        return cs->second;
    auto preview = drawing().previews.find(id);
    if (preview != drawing().previews.end())
        return preview->second;
    return Tvl_String();
}

Tvl_String idText(AcDbObjectId id) {
    return Tvl_String(static_cast<int>(id.asOldId()));
}

#if TVL_HOST_AVAILABLE
bool pickEntity(const wchar_t* prompt, AcDbObjectId& id) {
    ads_point at = {0, 0, 0};
    return acedEntSel(prompt, id, at) == RTNORM;
}
bool pickPoint(const wchar_t* prompt, ads_point at) {
    return acedGetPoint(nullptr, prompt, at) == RTNORM;
}
#endif

} // namespace

Tvl_StringArray getBasePlaneStrings(bool withVaries) {
    Tvl_StringArray texts;
    if (withVaries)
        texts.append(dialString(695));
    for (int text : {1018, 460, 1019, 462})
        texts.append(text == 460 ? Tvl_String(L"WCS") : dialString(text));
    return texts;
}

int getDlgBasePlane(const MacroProfData& prof, bool withVaries) {
    int index = -1;
    switch (prof.m_planeMode) {
    case MacroProfData::kPlanePicked:
        index = 0;
        break;
    case MacroProfData::kPlaneWcs:
        index = 1;
        break;
    case MacroProfData::kPlaneExistingCs:
        index = 2;
        break;
    case MacroProfData::kPlaneNewCs:
        index = 3;
        break;
    default:
        return withVaries ? 0 : -1;
    }
    return index + (withVaries ? 1 : 0);
}

int planeModeOfDlgBasePlane(int index) {
    static const int kModes[] = {MacroProfData::kPlanePicked, MacroProfData::kPlaneWcs,
                                 MacroProfData::kPlaneExistingCs, MacroProfData::kPlaneNewCs};
    return index >= 0 && index < 4 ? kModes[index] : MacroProfData::kPlaneVaries;
}

bool UserSelectPlane(AcDbObjectId& id, Tvl_String& name) {
#if TVL_HOST_AVAILABLE
    AcDbObjectId picked;
    if (!pickEntity(L"\nSelect the object of the plane: ", picked))
        return false;
    const Tvl_String object = objectName(picked);
    if (object.isEmpty() || isErased(picked)) {
        corePrint(L"That is no object of the drawing.\n");
        return false;
    }
    id = picked;
    name = L"face of " + object;
    corePrint(L"Plane: " + name + L".\n");
    return true;
#else
    (void)id;
    (void)name;
    return false;
#endif
}

bool selectCoordSys(AcDbObjectId& id) {
#if TVL_HOST_AVAILABLE
    AcDbObjectId picked;
    if (!pickEntity(L"\nSelect a coordinate system: ", picked))
        return false;
    if (!isCoordSys(picked)) {
        corePrint(L"That is no coordinate system.\n");
        return false;
    }
    id = picked;
    corePrint(L"Coordinate system " + objectName(picked) + L".\n");
    return true;
#else
    (void)id;
    return false;
#endif
}

bool createCoordSys(AcDbObjectId& id) {
#if TVL_HOST_AVAILABLE
    ads_point origin = {0, 0, 0};
    if (!pickPoint(L"\nOrigin of the new coordinate system: ", origin))
        return false;
    ProfileDrawing& d = drawing();
    id = AcDbObjectId::fromOldId(d.nextId++);
    const Tvl_String name = L"UCS" + Tvl_String(static_cast<int>(d.coordSystems.size()) + 1);
    d.coordSystems[id] = name;
    corePrint(L"Created coordinate system " + name + L" (" + idText(id) + L") at " +
              model::formatModelNumber(origin[0]) + L"," + model::formatModelNumber(origin[1]) +
              L"," + model::formatModelNumber(origin[2]) + L".\n");
    return true;
#else
    (void)id;
    return false;
#endif
}

bool UserChooseSectionPoint(const Tvl_String& section, double angle, int& point) {
#if TVL_HOST_AVAILABLE
    ads_point at = {0, 0, 0};
    if (!pickPoint(L"\nPick a point of the section: ", at))
        return false;
    // The section is drawn 200 x 200 around its centre, turned by `angle`: the pick is
    // turned back and falls into one of nine fields.
    const double rad = -angle * 3.14159265358979323846 / 180.0;
    const double x = at[0] * std::cos(rad) - at[1] * std::sin(rad);
    const double y = at[0] * std::sin(rad) + at[1] * std::cos(rad);
    const auto band = [](double v) { return v < -100.0 / 3 ? 0 : (v > 100.0 / 3 ? 2 : 1); };
    const int column = band(x);
    const int row = 2 - band(y);
    point = row * 3 + column + 1;
    corePrint(L"Point " + Tvl_String(point) + L" of " + section + L".\n");
    return true;
#else
    (void)section;
    (void)angle;
    (void)point;
    return false;
#endif
}

// ZoomCommand is the macro editor's (core/macroedit): one zoom for every dialog.

bool EraseObject(AcDbObjectId id) {
    if (id.isNull() || objectName(id).isEmpty()) {
        corePrint(L"*Error* EraseObject: there is no object " + idText(id) + L".\n");
        return false;
    }
    if (!drawing().erased.insert(id).second) {
        corePrint(L"*Error* EraseObject: object " + idText(id) + L" is erased already.\n");
        return false;
    }
    corePrint(L"Erased " + objectName(id) + L" (" + idText(id) + L").\n");
    return true;
}

AcDbObjectId createPreviewProfile(const Tvl_String& section) {
    ProfileDrawing& d = drawing();
    const AcDbObjectId id = AcDbObjectId::fromOldId(d.nextId++);
    d.previews[id] = L"preview " + section;
    return id;
}

bool isCoordSys(AcDbObjectId id) {
    return drawing().coordSystems.count(id) > 0 && !isErased(id);
}

bool isErased(AcDbObjectId id) {
    return drawing().erased.count(id) > 0;
}

int erasedCount() {
    return static_cast<int>(drawing().erased.size());
}

void resetProfileDrawing() {
    drawing() = ProfileDrawing();
}
