#pragma once
// CDlgGrid: asks for the layout of a construction grid in two directions. The caller
// sets m_data, runs doModal() and reads m_data back after OK.

#include "kw/fabrication/BmGridDlgData.h"
#include "platform/ui/Dialog.h"

class CDlgGrid : public ui::Dialog {
public:
    static constexpr int kTemplateId = 242;
    static constexpr int kFirstCountId = 1367;
    static constexpr int kFirstDistanceId = 1369;
    static constexpr int kFirstLabelId = 1371;
    static constexpr int kSecondCountId = 1374;
    static constexpr int kSecondDistanceId = 1377;
    static constexpr int kSecondLabelId = 1379;
    static constexpr int kOptionId = 1380;

    explicit CDlgGrid(ui::Window* parent = nullptr);

    BmGridDlgData m_data;

protected:
    bool onInitDialog() override;
    void onOK() override;
};
