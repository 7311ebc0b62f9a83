#pragma once
// CDlgKWPrintSetup: the print settings of a document (header and footer files, margins
// in millimetres, what is printed) and, through "Pagina-instellingen ...", the printer's
// page setup. The property text goes in and, on OK, comes back rewritten in full; the
// variable lists pass through unchanged.

#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Dialog.h"

class CDlgKWPrintSetup : public ui::Dialog {
public:
    static constexpr int kTemplateId = 184;
    static constexpr int kHeaderGroupId = 1061, kHeaderId = 1060, kHeaderBrowseId = 1059,
                         kHeaderEditId = 1072;
    static constexpr int kFooterGroupId = 1062, kFooterId = 1063, kFooterBrowseId = 1064,
                         kFooterEditId = 1073;
    static constexpr int kMarginsGroupId = 1065, kLeftLabelId = 1074, kLeftId = 1066,
                         kRightLabelId = 1075, kRightId = 1069, kTopLabelId = 1076, kTopId = 1068,
                         kBottomLabelId = 1077, kBottomId = 1070;
    static constexpr int kSmartPrintId = 1067, kColorsId = 1071, kColHeaderId = 1020,
                         kRowHeaderId = 1021, kCellSeperatorsId = 1022, kBorderId = 1023;
    static constexpr int kPageSetupId = 1058;

    explicit CDlgKWPrintSetup(ui::Window* parent = nullptr);

    Tvl_String m_properties;     // in/out
    ui::DeviceMode m_deviceMode; // in/out
    Tvl_StringArray m_varNames;  // read from the properties, written back unchanged
    Tvl_StringArray m_varValues;

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    void onOK() override;

private:
    void browse(int editId);
};
