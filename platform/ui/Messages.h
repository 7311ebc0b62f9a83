#pragma once
// Message numbers, notification codes, styles, keys and results of the windowing layer.
// The numbers are the ones the product's platform uses, so that code written against
// that platform (and scripts that name messages by number) keep their meaning.

#include <cstdint>

namespace ui {

class Window;

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

constexpr unsigned loWord(std::uintptr_t v) {
    return static_cast<unsigned>(v & 0xffff);
}
constexpr unsigned hiWord(std::uintptr_t v) {
    return static_cast<unsigned>((v >> 16) & 0xffff);
}
constexpr WPARAM makeWParam(unsigned lo, unsigned hi) {
    return (lo & 0xffff) | ((hi & 0xffff) << 16);
}
constexpr LPARAM makeLParam(int lo, int hi) {
    return static_cast<LPARAM>((static_cast<unsigned>(lo) & 0xffff) |
                               ((static_cast<unsigned>(hi) & 0xffff) << 16));
}
// Signed coordinates packed into an LPARAM (mouse messages).
constexpr int xFromLParam(LPARAM l) {
    return static_cast<std::int16_t>(l & 0xffff);
}
constexpr int yFromLParam(LPARAM l) {
    return static_cast<std::int16_t>((l >> 16) & 0xffff);
}

// A queued input message as the message filters see it.
struct Message {
    Window* target = nullptr; // window the message is addressed to
    unsigned message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// ---- Window messages -------------------------------------------------------
constexpr unsigned WM_NULL = 0x0000;
constexpr unsigned WM_CREATE = 0x0001;
constexpr unsigned WM_DESTROY = 0x0002;
constexpr unsigned WM_MOVE = 0x0003;
constexpr unsigned WM_SIZE = 0x0005;
constexpr unsigned WM_ACTIVATE = 0x0006;
constexpr unsigned WM_SETFOCUS = 0x0007;
constexpr unsigned WM_KILLFOCUS = 0x0008;
constexpr unsigned WM_ENABLE = 0x000A;
constexpr unsigned WM_SETREDRAW = 0x000B;
constexpr unsigned WM_SETTEXT = 0x000C;
constexpr unsigned WM_GETTEXT = 0x000D;
constexpr unsigned WM_GETTEXTLENGTH = 0x000E;
constexpr unsigned WM_PAINT = 0x000F;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_ERASEBKGND = 0x0014;
constexpr unsigned WM_SHOWWINDOW = 0x0018;
constexpr unsigned WM_SETCURSOR = 0x0020;
constexpr unsigned WM_GETMINMAXINFO = 0x0024;
constexpr unsigned WM_DRAWITEM = 0x002B;
constexpr unsigned WM_MEASUREITEM = 0x002C;
constexpr unsigned WM_SETFONT = 0x0030;
constexpr unsigned WM_GETFONT = 0x0031;
constexpr unsigned WM_WINDOWPOSCHANGED = 0x0047;
constexpr unsigned WM_NOTIFY = 0x004E;
constexpr unsigned WM_SETICON = 0x0080;
constexpr unsigned WM_NCDESTROY = 0x0082;
constexpr unsigned WM_GETDLGCODE = 0x0087;
constexpr unsigned WM_KEYDOWN = 0x0100;
constexpr unsigned WM_KEYUP = 0x0101;
constexpr unsigned WM_CHAR = 0x0102;
constexpr unsigned WM_SYSKEYDOWN = 0x0104;
constexpr unsigned WM_SYSKEYUP = 0x0105;
constexpr unsigned WM_INITDIALOG = 0x0110;
constexpr unsigned WM_COMMAND = 0x0111;
constexpr unsigned WM_SYSCOMMAND = 0x0112;
constexpr unsigned WM_TIMER = 0x0113;
constexpr unsigned WM_CTLCOLOREDIT = 0x0133;
constexpr unsigned WM_CTLCOLORLISTBOX = 0x0134;
constexpr unsigned WM_CTLCOLORBTN = 0x0135;
constexpr unsigned WM_CTLCOLORDLG = 0x0136;
constexpr unsigned WM_CTLCOLORSTATIC = 0x0138;
constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
constexpr unsigned WM_RBUTTONDOWN = 0x0204;
constexpr unsigned WM_RBUTTONUP = 0x0205;
constexpr unsigned WM_RBUTTONDBLCLK = 0x0206;
// wParam: the distance turned (high word, signed; WHEEL_DELTA per notch, positive away
// from the person) and the MK_ flags (low word); lParam: the screen point.
constexpr unsigned WM_MOUSEWHEEL = 0x020A;
constexpr int WHEEL_DELTA = 120;
constexpr unsigned WM_USER = 0x0400;
constexpr unsigned WM_APP = 0x8000;

// WM_SIZE types
constexpr unsigned SIZE_RESTORED = 0;
constexpr unsigned SIZE_MINIMIZED = 1;
constexpr unsigned SIZE_MAXIMIZED = 2;

// WM_SYSCOMMAND codes
constexpr unsigned SC_CLOSE = 0xF060;
constexpr unsigned SC_MAXIMIZE = 0xF030;

// WM_SETCURSOR hit-test codes (subset)
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;
constexpr int HTCAPTION = 2;

// WM_GETDLGCODE results
constexpr unsigned DLGC_WANTARROWS = 0x0001;
constexpr unsigned DLGC_WANTTAB = 0x0002;
constexpr unsigned DLGC_WANTALLKEYS = 0x0004;
constexpr unsigned DLGC_HASSETSEL = 0x0008;
constexpr unsigned DLGC_DEFPUSHBUTTON = 0x0010;
constexpr unsigned DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr unsigned DLGC_RADIOBUTTON = 0x0040;
constexpr unsigned DLGC_WANTCHARS = 0x0080;
constexpr unsigned DLGC_STATIC = 0x0100;
constexpr unsigned DLGC_BUTTON = 0x2000;

// ---- Mouse-key flags (wParam of mouse messages) ----------------------------
constexpr unsigned MK_LBUTTON = 0x0001;
constexpr unsigned MK_RBUTTON = 0x0002;
constexpr unsigned MK_SHIFT = 0x0004;
constexpr unsigned MK_CONTROL = 0x0008;

// Modifiers for the input functions (ui/Input.h).
constexpr unsigned kModShift = 0x1;
constexpr unsigned kModCtrl = 0x2;
constexpr unsigned kModAlt = 0x4;

// ---- Virtual keys --------------------------------------------------------
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
// '0'..'9' and 'A'..'Z' are their ASCII codes.
constexpr int VK_F1 = 0x70;
constexpr int VK_F2 = 0x71;
constexpr int VK_F3 = 0x72;
constexpr int VK_F4 = 0x73;
constexpr int VK_F5 = 0x74;
constexpr int VK_F6 = 0x75;
constexpr int VK_F7 = 0x76;
constexpr int VK_F8 = 0x77;
constexpr int VK_F9 = 0x78;
constexpr int VK_F10 = 0x79;
constexpr int VK_F11 = 0x7A;
constexpr int VK_F12 = 0x7B;

// ---- Window styles ---------------------------------------------------------
constexpr unsigned WS_OVERLAPPED = 0x00000000;
constexpr unsigned WS_POPUP = 0x80000000;
constexpr unsigned WS_CHILD = 0x40000000;
constexpr unsigned WS_MINIMIZE = 0x20000000;
constexpr unsigned WS_VISIBLE = 0x10000000;
constexpr unsigned WS_DISABLED = 0x08000000;
constexpr unsigned WS_CLIPSIBLINGS = 0x04000000;
constexpr unsigned WS_CLIPCHILDREN = 0x02000000;
constexpr unsigned WS_MAXIMIZE = 0x01000000;
constexpr unsigned WS_CAPTION = 0x00C00000;
constexpr unsigned WS_BORDER = 0x00800000;
constexpr unsigned WS_DLGFRAME = 0x00400000;
constexpr unsigned WS_VSCROLL = 0x00200000;
constexpr unsigned WS_HSCROLL = 0x00100000;
constexpr unsigned WS_SYSMENU = 0x00080000;
constexpr unsigned WS_THICKFRAME = 0x00040000;
constexpr unsigned WS_GROUP = 0x00020000;
constexpr unsigned WS_TABSTOP = 0x00010000;
constexpr unsigned WS_MINIMIZEBOX = 0x00020000;
constexpr unsigned WS_MAXIMIZEBOX = 0x00010000;
constexpr unsigned WS_OVERLAPPEDWINDOW =
    WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

constexpr unsigned WS_EX_DLGMODALFRAME = 0x00000001;
constexpr unsigned WS_EX_TOPMOST = 0x00000008;
constexpr unsigned WS_EX_TRANSPARENT = 0x00000020;
constexpr unsigned WS_EX_TOOLWINDOW = 0x00000080;
constexpr unsigned WS_EX_WINDOWEDGE = 0x00000100;
constexpr unsigned WS_EX_CLIENTEDGE = 0x00000200;
constexpr unsigned WS_EX_STATICEDGE = 0x00020000;
constexpr unsigned WS_EX_CONTROLPARENT = 0x00010000;

// Dialog styles
constexpr unsigned DS_SETFONT = 0x40;
constexpr unsigned DS_MODALFRAME = 0x80;
constexpr unsigned DS_CONTROL = 0x0400;
constexpr unsigned DS_CENTER = 0x0800;

// Button styles (the low nibble is the kind)
constexpr unsigned BS_PUSHBUTTON = 0x0;
constexpr unsigned BS_DEFPUSHBUTTON = 0x1;
constexpr unsigned BS_CHECKBOX = 0x2;
constexpr unsigned BS_AUTOCHECKBOX = 0x3;
constexpr unsigned BS_RADIOBUTTON = 0x4;
constexpr unsigned BS_3STATE = 0x5;
constexpr unsigned BS_AUTO3STATE = 0x6;
constexpr unsigned BS_GROUPBOX = 0x7;
constexpr unsigned BS_AUTORADIOBUTTON = 0x9;
constexpr unsigned BS_OWNERDRAW = 0xB;
constexpr unsigned BS_TYPEMASK = 0xF;
constexpr unsigned BS_LEFTTEXT = 0x20;
constexpr unsigned BS_ICON = 0x40;
constexpr unsigned BS_BITMAP = 0x80;
constexpr unsigned BS_LEFT = 0x100;
constexpr unsigned BS_RIGHT = 0x200;
constexpr unsigned BS_CENTER = 0x300;
constexpr unsigned BS_TOP = 0x400;
constexpr unsigned BS_BOTTOM = 0x800;
constexpr unsigned BS_VCENTER = 0xC00;
constexpr unsigned BS_PUSHLIKE = 0x1000;
constexpr unsigned BS_MULTILINE = 0x2000;
constexpr unsigned BS_NOTIFY = 0x4000;
constexpr unsigned BS_FLAT = 0x8000;

// Button check states
constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;
constexpr int BST_INDETERMINATE = 2;

// Edit styles
constexpr unsigned ES_LEFT = 0x0;
constexpr unsigned ES_CENTER = 0x1;
constexpr unsigned ES_RIGHT = 0x2;
constexpr unsigned ES_MULTILINE = 0x4;
constexpr unsigned ES_UPPERCASE = 0x8;
constexpr unsigned ES_LOWERCASE = 0x10;
constexpr unsigned ES_PASSWORD = 0x20;
constexpr unsigned ES_AUTOVSCROLL = 0x40;
constexpr unsigned ES_AUTOHSCROLL = 0x80;
constexpr unsigned ES_NOHIDESEL = 0x100;
constexpr unsigned ES_READONLY = 0x800;
constexpr unsigned ES_WANTRETURN = 0x1000;
constexpr unsigned ES_NUMBER = 0x2000;

// Static styles
constexpr unsigned SS_LEFT = 0x0;
constexpr unsigned SS_CENTER = 0x1;
constexpr unsigned SS_RIGHT = 0x2;
constexpr unsigned SS_ICON = 0x3;
constexpr unsigned SS_BLACKRECT = 0x4;
constexpr unsigned SS_BLACKFRAME = 0x7;
constexpr unsigned SS_ETCHEDFRAME = 0x12;
constexpr unsigned SS_LEFTNOWORDWRAP = 0xC;
constexpr unsigned SS_BITMAP = 0xE;
constexpr unsigned SS_TYPEMASK = 0x1F;
constexpr unsigned SS_NOPREFIX = 0x80;
constexpr unsigned SS_NOTIFY = 0x100;
constexpr unsigned SS_CENTERIMAGE = 0x200;
constexpr unsigned SS_SUNKEN = 0x1000;

// Combo box styles
constexpr unsigned CBS_SIMPLE = 0x1;
constexpr unsigned CBS_DROPDOWN = 0x2;
constexpr unsigned CBS_DROPDOWNLIST = 0x3;
constexpr unsigned CBS_TYPEMASK = 0x3;
constexpr unsigned CBS_OWNERDRAWFIXED = 0x10;
constexpr unsigned CBS_OWNERDRAWVARIABLE = 0x20;
constexpr unsigned CBS_AUTOHSCROLL = 0x40;
constexpr unsigned CBS_SORT = 0x100;
constexpr unsigned CBS_HASSTRINGS = 0x200;

// List box styles
constexpr unsigned LBS_NOTIFY = 0x1;
constexpr unsigned LBS_SORT = 0x2;
constexpr unsigned LBS_MULTIPLESEL = 0x8;
constexpr unsigned LBS_OWNERDRAWFIXED = 0x10;
constexpr unsigned LBS_HASSTRINGS = 0x40;
constexpr unsigned LBS_EXTENDEDSEL = 0x800;
constexpr unsigned LBS_NOINTEGRALHEIGHT = 0x100;
constexpr unsigned LBS_STANDARD = LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER;

// List view styles
constexpr unsigned LVS_ICON = 0x0;
constexpr unsigned LVS_REPORT = 0x1;
constexpr unsigned LVS_SMALLICON = 0x2;
constexpr unsigned LVS_LIST = 0x3;
constexpr unsigned LVS_TYPEMASK = 0x3;
constexpr unsigned LVS_SINGLESEL = 0x4;
constexpr unsigned LVS_SHOWSELALWAYS = 0x8;
constexpr unsigned LVS_EX_GRIDLINES = 0x1;
constexpr unsigned LVS_EX_CHECKBOXES = 0x4;
constexpr unsigned LVS_EX_FULLROWSELECT = 0x20;

// Tab control styles
constexpr unsigned TCS_TABS = 0x0;
constexpr unsigned TCS_MULTILINE = 0x200;

// ---- Notification codes ------------------------------------------------------
// WM_COMMAND codes (high word of wParam)
constexpr int BN_CLICKED = 0;
constexpr int BN_DOUBLECLICKED = 5;
constexpr int BN_SETFOCUS = 6;
constexpr int BN_KILLFOCUS = 7;
constexpr int EN_SETFOCUS = 0x0100;
constexpr int EN_KILLFOCUS = 0x0200;
constexpr int EN_CHANGE = 0x0300;
constexpr int EN_UPDATE = 0x0400;
constexpr int EN_MAXTEXT = 0x0501;
constexpr int CBN_SELCHANGE = 1;
constexpr int CBN_DBLCLK = 2;
constexpr int CBN_SETFOCUS = 3;
constexpr int CBN_KILLFOCUS = 4;
constexpr int CBN_EDITCHANGE = 5;
constexpr int CBN_EDITUPDATE = 6;
constexpr int CBN_DROPDOWN = 7;
constexpr int CBN_CLOSEUP = 8;
constexpr int CBN_SELENDOK = 9;
constexpr int CBN_SELENDCANCEL = 10;
constexpr int LBN_SELCHANGE = 1;
constexpr int LBN_DBLCLK = 2;
constexpr int LBN_SELCANCEL = 3;
constexpr int LBN_SETFOCUS = 4;
constexpr int LBN_KILLFOCUS = 5;
constexpr int STN_CLICKED = 0;
constexpr int STN_DBLCLK = 1;

// WM_NOTIFY codes (NotifyHeader::code)
constexpr int NM_CLICK = -2;
constexpr int NM_DBLCLK = -3;
constexpr int NM_RCLICK = -5;
constexpr int NM_SETFOCUS = -7;
constexpr int NM_KILLFOCUS = -8;
constexpr int LVN_ITEMCHANGING = -100;
constexpr int LVN_ITEMCHANGED = -101;
constexpr int LVN_COLUMNCLICK = -108;
constexpr int TCN_SELCHANGE = -551;
constexpr int TCN_SELCHANGING = -552;
constexpr int TTN_GETDISPINFO = -530;

// ---- Control messages ------------------------------------------------------
constexpr unsigned BM_GETCHECK = 0x00F0;
constexpr unsigned BM_SETCHECK = 0x00F1;
constexpr unsigned BM_GETSTATE = 0x00F2;
constexpr unsigned BM_SETSTATE = 0x00F3;
constexpr unsigned BM_SETSTYLE = 0x00F4;
constexpr unsigned BM_CLICK = 0x00F5;
constexpr unsigned BM_SETIMAGE = 0x00F7;

constexpr unsigned EM_GETSEL = 0x00B0;
constexpr unsigned EM_SETSEL = 0x00B1;
constexpr unsigned EM_GETLINECOUNT = 0x00BA;
constexpr unsigned EM_LINEINDEX = 0x00BB;
constexpr unsigned EM_LINELENGTH = 0x00C1;
constexpr unsigned EM_REPLACESEL = 0x00C2;
constexpr unsigned EM_GETLINE = 0x00C4; // wParam line; lParam std::wstring* receiving the line
constexpr unsigned EM_LIMITTEXT = 0x00C5;
constexpr unsigned EM_SETREADONLY = 0x00CF;
constexpr unsigned EM_GETLIMITTEXT = 0x00D5;

// String-carrying messages take or fill a std::wstring through lParam (documented per message).
constexpr unsigned CB_GETEDITSEL = 0x0140;
constexpr unsigned CB_LIMITTEXT = 0x0141;
constexpr unsigned CB_SETEDITSEL = 0x0142;
constexpr unsigned CB_ADDSTRING = 0x0143; // lParam const wchar_t*
constexpr unsigned CB_DELETESTRING = 0x0144;
constexpr unsigned CB_GETCOUNT = 0x0146;
constexpr unsigned CB_GETCURSEL = 0x0147;
constexpr unsigned CB_GETLBTEXT = 0x0148; // lParam std::wstring*
constexpr unsigned CB_GETLBTEXTLEN = 0x0149;
constexpr unsigned CB_INSERTSTRING = 0x014A; // lParam const wchar_t*
constexpr unsigned CB_RESETCONTENT = 0x014B;
constexpr unsigned CB_FINDSTRING = 0x014C;   // lParam const wchar_t*
constexpr unsigned CB_SELECTSTRING = 0x014D; // lParam const wchar_t*
constexpr unsigned CB_SETCURSEL = 0x014E;
constexpr unsigned CB_SHOWDROPDOWN = 0x014F;
constexpr unsigned CB_GETITEMDATA = 0x0150;
constexpr unsigned CB_SETITEMDATA = 0x0151;
constexpr unsigned CB_GETDROPPEDCONTROLRECT = 0x0152;
constexpr unsigned CB_FINDSTRINGEXACT = 0x0158; // lParam const wchar_t*
constexpr unsigned CB_GETDROPPEDSTATE = 0x0157;
constexpr unsigned CB_SETDROPPEDWIDTH = 0x0160;

constexpr unsigned LB_ADDSTRING = 0x0180;    // lParam const wchar_t*
constexpr unsigned LB_INSERTSTRING = 0x0181; // lParam const wchar_t*
constexpr unsigned LB_DELETESTRING = 0x0182;
constexpr unsigned LB_RESETCONTENT = 0x0184;
constexpr unsigned LB_SETSEL = 0x0185;
constexpr unsigned LB_SETCURSEL = 0x0186;
constexpr unsigned LB_GETSEL = 0x0187;
constexpr unsigned LB_GETCURSEL = 0x0188;
constexpr unsigned LB_GETTEXT = 0x0189; // lParam std::wstring*
constexpr unsigned LB_GETTEXTLEN = 0x018A;
constexpr unsigned LB_GETCOUNT = 0x018B;
constexpr unsigned LB_SELECTSTRING = 0x018C; // lParam const wchar_t*
constexpr unsigned LB_GETSELCOUNT = 0x0190;
constexpr unsigned LB_FINDSTRING = 0x018F; // lParam const wchar_t*
constexpr unsigned LB_GETITEMDATA = 0x0199;
constexpr unsigned LB_SETITEMDATA = 0x019A;
constexpr unsigned LB_FINDSTRINGEXACT = 0x01A2; // lParam const wchar_t*

constexpr int LB_ERR = -1;
constexpr int CB_ERR = -1;

constexpr unsigned TCM_GETITEMCOUNT = 0x1304;
constexpr unsigned TCM_DELETEALLITEMS = 0x1309;
constexpr unsigned TCM_GETITEMRECT = 0x130A; // lParam Rect*
constexpr unsigned TCM_GETCURSEL = 0x130B;
constexpr unsigned TCM_SETCURSEL = 0x130C;
constexpr unsigned TCM_ADJUSTRECT = 0x1328; // wParam larger?; lParam Rect*

constexpr unsigned LVM_GETITEMCOUNT = 0x1004;
constexpr unsigned LVM_DELETEALLITEMS = 0x1009;
constexpr unsigned LVM_GETNEXTITEM = 0x100C;
constexpr unsigned LVNI_SELECTED = 0x0002;

// List view item states
constexpr unsigned LVIS_FOCUSED = 0x1;
constexpr unsigned LVIS_SELECTED = 0x2;

// ---- Control-colour kinds (CtlColor::kind) -----------------------------------
constexpr int CTLCOLOR_EDIT = 1;
constexpr int CTLCOLOR_LISTBOX = 2;
constexpr int CTLCOLOR_BTN = 3;
constexpr int CTLCOLOR_DLG = 4;
constexpr int CTLCOLOR_STATIC = 6;

// ---- Show and placement ------------------------------------------------------
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;

constexpr unsigned SWP_NOSIZE = 0x0001;
constexpr unsigned SWP_NOMOVE = 0x0002;
constexpr unsigned SWP_NOZORDER = 0x0004;
constexpr unsigned SWP_NOREDRAW = 0x0008;
constexpr unsigned SWP_NOACTIVATE = 0x0010;
constexpr unsigned SWP_FRAMECHANGED = 0x0020;
constexpr unsigned SWP_SHOWWINDOW = 0x0040;
constexpr unsigned SWP_HIDEWINDOW = 0x0080;

// ---- Dialog results and message boxes ----------------------------------------
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr int IDCLOSE = 8;
constexpr int IDHELP = 9;

constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_RETRYCANCEL = 0x5;
constexpr unsigned MB_TYPEMASK = 0xF;
constexpr unsigned MB_ICONHAND = 0x10;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONASTERISK = 0x40;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_ICONMASK = 0xF0;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_DEFBUTTON3 = 0x200;
constexpr unsigned MB_APPLMODAL = 0x0;
constexpr unsigned MB_TASKMODAL = 0x2000;

// ---- Menus ---------------------------------------------------------------
constexpr unsigned MF_STRING = 0x0;
constexpr unsigned MF_BYCOMMAND = 0x0;
constexpr unsigned MF_ENABLED = 0x0;
constexpr unsigned MF_UNCHECKED = 0x0;
constexpr unsigned MF_GRAYED = 0x1;
constexpr unsigned MF_DISABLED = 0x2;
constexpr unsigned MF_CHECKED = 0x8;
constexpr unsigned MF_POPUP = 0x10;
constexpr unsigned MF_SEPARATOR = 0x800;
constexpr unsigned MF_BYPOSITION = 0x400;
constexpr unsigned MFT_RADIOCHECK = 0x200;

constexpr unsigned TPM_LEFTALIGN = 0x0;
constexpr unsigned TPM_LEFTBUTTON = 0x0;
constexpr unsigned TPM_RIGHTBUTTON = 0x2;
constexpr unsigned TPM_CENTERALIGN = 0x4;
constexpr unsigned TPM_RIGHTALIGN = 0x8;
constexpr unsigned TPM_TOPALIGN = 0x0;
constexpr unsigned TPM_NONOTIFY = 0x80;
constexpr unsigned TPM_RETURNCMD = 0x100;

// Key state as reported by getKeyState: negative when the key is down.
constexpr short kKeyDown = static_cast<short>(0x8000);

} // namespace ui
