#pragma once
// CDlgEditDstvPoints: edits the point definitions of one DSTV point group. Works on its
// own copy m_points; the caller writes it after OK.

#include "core/Tvl_Array.h"
#include "core/fabrication/Tvl_DstvPointInfo.h"
#include "platform/ui/Dialog.h"

class CDlgEditDstvPoints : public ui::Dialog {
public:
    static constexpr int kTemplateId = 233;
    static constexpr int kPointsId = 1325;
    static constexpr int kNewId = 1327;
    static constexpr int kDeleteId = 1328;
    static constexpr int kNameId = 1000;
    static constexpr int kExtentId = 1355;
    static constexpr int kSide1Id = 1330;
    static constexpr int kSide2Id = 1338;
    static constexpr int kIntersId = 1356;
    static constexpr int kStartDirId = 1332;
    static constexpr int kMiddleId = 1333;
    static constexpr int kPlateId = 1334;
    static constexpr int kMinDistId = 1001;
    static constexpr int kFullHoleId = 1336;
    static constexpr int kThicknessId = 1337;
    static constexpr int kHoleSizeLabelId = 1125;
    static constexpr int kHoleSizeId = 1002;

    explicit CDlgEditDstvPoints(ui::Window* parent = nullptr);

    Tvl_Array<Tvl_DstvPointInfo> m_points;

    int shownIndex() const { return m_shown; }

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code, ui::Window* from) override;

private:
    void fillPoints();
    void showPoint(int index);
    void storeShown();
    void applyEnabling();
    void pairSides(bool firstChanged);
    void onNewPoint();
    void onDeletePoint();

    int m_shown = -1;
};
