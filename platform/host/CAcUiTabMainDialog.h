#pragma once
// CAcUiTabMainDialog: the host's base for a dialog that carries a tab control with child
// pages (editor commands as CAdUiBaseDialog). The pages are ordinary child dialogs.

#include "platform/host/CAcUiDialog.h"

class CAcUiTabMainDialog : public CAcUiDialog {
public:
    using CAcUiDialog::CAcUiDialog;
};
