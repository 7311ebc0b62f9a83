#pragma once
// CAdUiDialog: host dialog base with the editor-command support of CAdUiBaseDialog.

#include "platform/host/CAdUiBaseDialog.h"

class CAdUiDialog : public CAdUiBaseDialog {
public:
    using CAdUiBaseDialog::CAdUiBaseDialog;
};
