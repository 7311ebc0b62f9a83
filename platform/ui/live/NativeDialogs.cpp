// GTK's own dialogs and menus for the common dialogs and popup menus of the model.
#include "platform/base/Paths.h"
#include "platform/ui/Input.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Snapshot.h"
#include "platform/ui/live/LiveInternals.h"

#include <algorithm>
#include <cmath>
#include <cwctype>

namespace ui::live {

namespace {

GtkWindow* ownerOf(Window* owner) {
    return owner ? screen().gtkWindowFor(owner) : nullptr;
}

// "*.kws;*.txt" -> one pattern each.
void addPatterns(GtkFileFilter* filter, const std::wstring& patterns) {
    size_t pos = 0;
    while (pos <= patterns.size()) {
        size_t semi = patterns.find(L';', pos);
        if (semi == std::wstring::npos)
            semi = patterns.size();
        std::wstring p = patterns.substr(pos, semi - pos);
        if (!p.empty())
            gtk_file_filter_add_pattern(filter, utf8(p).c_str());
        pos = semi + 1;
    }
}

// Runs a GTK dialog modal over its owner, with the model's owner disabled meanwhile
// (the caller did that already) and the model's windows kept painted.
gint runModal(GtkWidget* dialog) {
    gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
    return gtk_dialog_run(GTK_DIALOG(dialog));
}

std::string toMenuLabel(const std::wstring& text) {
    // '&' marks the mnemonic in the model, '_' in GTK; a tab starts the accelerator text.
    std::wstring t = text.substr(0, text.find(L'\t'));
    std::wstring out;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == L'&' && i + 1 < t.size() && t[i + 1] == L'&') {
            out += L'&';
            ++i;
        } else if (t[i] == L'&') {
            out += L'_';
        } else if (t[i] == L'_') {
            out += L"__";
        } else {
            out += t[i];
        }
    }
    return utf8(out);
}

struct MenuRun {
    GMainLoop* loop = nullptr;
    int chosen = -1;
};

void onItemActivate(GtkMenuItem* item, gpointer data) {
    auto* run = static_cast<MenuRun*>(data);
    run->chosen = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(item), "tvl-choice"));
}

void onMenuDone(GtkMenuShell*, gpointer data) {
    g_main_loop_quit(static_cast<MenuRun*>(data)->loop);
}

GtkWidget* buildMenu(const Menu& menu, MenuRun& run) {
    GtkWidget* m = gtk_menu_new();
    for (int i = 0; i < menu.itemCount(); ++i) {
        const MenuItem* it = menu.item(i);
        GtkWidget* w;
        if (it->isSeparator()) {
            w = gtk_separator_menu_item_new();
        } else {
            w = it->isChecked()
                    ? gtk_check_menu_item_new_with_mnemonic(toMenuLabel(it->text).c_str())
                    : gtk_menu_item_new_with_mnemonic(toMenuLabel(it->text).c_str());
            if (it->isChecked())
                gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(w), TRUE);
            gtk_widget_set_sensitive(w, it->isEnabled());
            if (it->submenu) {
                gtk_menu_item_set_submenu(GTK_MENU_ITEM(w), buildMenu(*it->submenu, run));
            } else {
                g_object_set_data(G_OBJECT(w), "tvl-choice", GINT_TO_POINTER(it->id));
                g_signal_connect(w, "activate", G_CALLBACK(onItemActivate), &run);
            }
        }
        gtk_menu_shell_append(GTK_MENU_SHELL(m), w);
    }
    return m;
}

// Shows `menu` at `anchor` (coordinates of the real window `over`, or of the screen
// when there is none) and waits until it closes; the chosen value or -1.
int runMenu(GtkWidget* menu, MenuRun& run, GtkWindow* over, const Rect& anchor) {
    gtk_widget_show_all(menu);
    run.loop = g_main_loop_new(nullptr, FALSE);
    g_signal_connect(menu, "deactivate", G_CALLBACK(onMenuDone), &run);
    // A menu needs a window to open from: without one of ours (the drawing's menus), a
    // tiny popup window at the screen point stands in.
    GtkWidget* stand = nullptr;
    GdkRectangle r{anchor.left, anchor.top, std::max(1, anchor.width()),
                   std::max(1, anchor.height())};
    GdkWindow* gw = over ? gtk_widget_get_window(GTK_WIDGET(over)) : nullptr;
    if (!gw) {
        stand = gtk_window_new(GTK_WINDOW_POPUP);
        gtk_window_move(GTK_WINDOW(stand), anchor.left, anchor.top);
        gtk_window_resize(GTK_WINDOW(stand), 1, 1);
        gtk_widget_show(stand);
        gw = gtk_widget_get_window(stand);
        r = GdkRectangle{0, 0, 1, 1};
    }
    gtk_menu_popup_at_rect(GTK_MENU(menu), gw, &r, GDK_GRAVITY_SOUTH_WEST, GDK_GRAVITY_NORTH_WEST,
                           nullptr);
    if (gtk_widget_get_visible(menu)) {
        ++openMenus();
        screen().sync(); // the layout file tells tests the menu is up
        g_main_loop_run(run.loop);
        --openMenus();
    }
    // The "activate" of the chosen item comes after the menu closed.
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    g_main_loop_unref(run.loop);
    gtk_widget_destroy(menu);
    if (stand)
        gtk_widget_destroy(stand);
    return run.chosen;
}

} // namespace

void runMenuBarMenu(RealWindow& rw, Window& window, int index) {
    Menu* bar = window.getMenu();
    const std::vector<Rect> items = menuBarItemRects(window);
    if (!bar || index < 0 || index >= bar->itemCount() || index >= static_cast<int>(items.size()))
        return;
    const MenuItem* item = bar->item(index);
    if (!item->isEnabled() || item->isSeparator())
        return;
    WindowRef<Window> ref(&window);
    int command = item->id;
    if (item->submenu) {
        MenuRun run;
        GtkWidget* m = buildMenu(*item->submenu, run);
        command = runMenu(m, run, GTK_WINDOW(rw.widget), items[static_cast<size_t>(index)]);
    }
    if (command > 0 && ref)
        chooseMenuCommand(*ref, command);
}

int menuBarIndexOf(const Window& window, wchar_t letter) {
    const Menu* bar = window.getMenu();
    if (!bar || letter == 0)
        return -1;
    const wchar_t wanted = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(letter)));
    for (int i = 0; i < bar->itemCount(); ++i) {
        const std::wstring& text = bar->item(i)->text;
        for (size_t k = 0; k + 1 < text.size(); ++k) {
            if (text[k] != L'&')
                continue;
            if (text[k + 1] == L'&') { // "&&" is a literal ampersand
                ++k;
                continue;
            }
            if (std::towlower(static_cast<wint_t>(text[k + 1])) == static_cast<wint_t>(wanted))
                return i;
            break;
        }
    }
    return -1;
}

int& openMenus() {
    static int n = 0;
    return n;
}

std::optional<std::wstring> runFileDialog(const FileDialogRequest& request) {
    const bool open = request.mode == FileDialogMode::Open;
    GtkWidget* d = gtk_file_chooser_dialog_new(
        utf8(request.title.empty() ? (open ? L"Open" : L"Save As") : request.title).c_str(),
        ownerOf(request.owner), open ? GTK_FILE_CHOOSER_ACTION_OPEN : GTK_FILE_CHOOSER_ACTION_SAVE,
        "_Cancel", GTK_RESPONSE_CANCEL, open ? "_Open" : "_Save", GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(d);
    gtk_file_chooser_set_do_overwrite_confirmation(
        chooser, (request.flags & OFN_OVERWRITEPROMPT) ? TRUE : FALSE);
    for (const auto& [description, patterns] : request.filters) {
        GtkFileFilter* f = gtk_file_filter_new();
        gtk_file_filter_set_name(f, utf8(description).c_str());
        addPatterns(f, patterns);
        gtk_file_chooser_add_filter(chooser, f);
    }
    if (!request.initialFolder.empty())
        gtk_file_chooser_set_current_folder(chooser, base::toNative(request.initialFolder).c_str());
    if (!request.initialFile.empty()) {
        const std::string native = base::toNative(request.initialFile).string();
        if (open || native.find('/') != std::string::npos)
            gtk_file_chooser_set_filename(chooser, native.c_str());
        if (!open)
            gtk_file_chooser_set_current_name(
                chooser, base::toNative(request.initialFile).filename().c_str());
    }
    std::optional<std::wstring> result;
    if (runModal(d) == GTK_RESPONSE_ACCEPT) {
        if (gchar* name = gtk_file_chooser_get_filename(chooser)) {
            std::string path = name;
            g_free(name);
            // A saved file gets the default extension when the person typed none.
            if (!open && !request.defaultExtension.empty()) {
                const auto slash = path.rfind('/');
                if (path.find('.', slash == std::string::npos ? 0 : slash) == std::string::npos)
                    path += "." + utf8(request.defaultExtension);
            }
            result = base::toProduct(path);
        }
    }
    gtk_widget_destroy(d);
    return result;
}

std::optional<Color> runColorDialog(const ColorDialogRequest& request) {
    GtkWidget* d = gtk_color_chooser_dialog_new("Color", ownerOf(request.owner));
    GdkRGBA rgba{request.initial.r / 255.0, request.initial.g / 255.0, request.initial.b / 255.0,
                 1.0};
    gtk_color_chooser_set_rgba(GTK_COLOR_CHOOSER(d), &rgba);
    gtk_color_chooser_set_use_alpha(GTK_COLOR_CHOOSER(d), FALSE);
    std::optional<Color> result;
    if (runModal(d) == GTK_RESPONSE_OK) {
        gtk_color_chooser_get_rgba(GTK_COLOR_CHOOSER(d), &rgba);
        result = Color::fromRgb(static_cast<int>(std::lround(rgba.red * 255)),
                                static_cast<int>(std::lround(rgba.green * 255)),
                                static_cast<int>(std::lround(rgba.blue * 255)));
    }
    gtk_widget_destroy(d);
    return result;
}

std::optional<FontDialogResult> runFontDialog(const FontDialogRequest& request) {
    GtkWidget* d = gtk_font_chooser_dialog_new("Font", ownerOf(request.owner));
    const int points = request.initial.height < 0 ? (-request.initial.height * 72 + 48) / 96 : 10;
    std::string desc = utf8(request.initial.faceName.empty() ? L"Sans" : request.initial.faceName);
    if (request.initial.weight >= 700)
        desc += " Bold";
    if (request.initial.italic)
        desc += " Italic";
    desc += " " + std::to_string(points);
    gtk_font_chooser_set_font(GTK_FONT_CHOOSER(d), desc.c_str());
    std::optional<FontDialogResult> result;
    if (runModal(d) == GTK_RESPONSE_OK) {
        if (PangoFontDescription* fd = gtk_font_chooser_get_font_desc(GTK_FONT_CHOOSER(d))) {
            FontDialogResult r;
            r.font = request.initial;
            r.font.faceName = wide(pango_font_description_get_family(fd));
            const int size = pango_font_description_get_size(fd) / PANGO_SCALE;
            r.font.height = -((size * 96 + 36) / 72);
            r.font.weight = pango_font_description_get_weight(fd);
            r.font.italic = pango_font_description_get_style(fd) != PANGO_STYLE_NORMAL;
            r.color = request.initialColor;
            pango_font_description_free(fd);
            result = r;
        }
    }
    gtk_widget_destroy(d);
    return result;
}

int runChoiceMenu(GtkWindow* over, const Rect& anchor, const std::vector<std::wstring>& labels) {
    MenuRun run;
    GtkWidget* m = gtk_menu_new();
    for (size_t i = 0; i < labels.size(); ++i) {
        GtkWidget* w = gtk_menu_item_new_with_label(utf8(labels[i]).c_str());
        g_object_set_data(G_OBJECT(w), "tvl-choice", GINT_TO_POINTER(static_cast<int>(i)));
        g_signal_connect(w, "activate", G_CALLBACK(onItemActivate), &run);
        gtk_menu_shell_append(GTK_MENU_SHELL(m), w);
    }
    gtk_widget_set_size_request(m, anchor.width(), -1);
    return runMenu(m, run, over, anchor);
}

std::optional<int> runPopupMenu(const PopupMenuRequest& request) {
    if (!request.menu)
        return 0;
    MenuRun run;
    GtkWidget* m = buildMenu(*request.menu, run);
    GtkWindow* over = request.owner ? screen().gtkWindowFor(request.owner) : nullptr;
    Rect anchor = Rect::fromSize(request.x, request.y, 1, 1);
    if (over) {
        const Rect top = request.owner->topLevel()->getWindowRect();
        anchor = Rect::fromSize(request.x - top.left, request.y - top.top, 1, 1);
    }
    const int chosen = runMenu(m, run, over, anchor);
    return chosen < 0 ? 0 : chosen;
}

} // namespace ui::live
