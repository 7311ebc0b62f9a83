#pragma once
// CAcUiDialog: the host's application-level dialog base (editor commands as
// CAdUiBaseDialog).

#include "platform/host/CAdUiDialog.h"

class CAcUiDialog : public CAdUiDialog {
public:
    using CAdUiDialog::CAdUiDialog;
};
