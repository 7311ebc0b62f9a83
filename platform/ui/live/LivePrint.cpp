// GTK's own print and page setup dialogs for the model's print dialog requests.
#include "platform/ui/live/LiveInternals.h"

#include <gtk/gtkunixprint.h>

#include <glib/gi18n.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace ui::live {

namespace {

GtkPageSetup* pageSetupOf(const DeviceMode& mode) {
    GtkPageSetup* setup = gtk_page_setup_new();
    GtkPaperSize* paper = gtk_paper_size_new_custom("tvl-paper", "Paper", mode.paperWidthMm,
                                                    mode.paperHeightMm, GTK_UNIT_MM);
    // A standard size by its dimensions, when there is one (A4 for 210 x 297).
    GList* sizes = gtk_paper_size_get_paper_sizes(FALSE);
    for (GList* l = sizes; l; l = l->next) {
        auto* p = static_cast<GtkPaperSize*>(l->data);
        if (std::abs(gtk_paper_size_get_width(p, GTK_UNIT_MM) - mode.paperWidthMm) < 1 &&
            std::abs(gtk_paper_size_get_height(p, GTK_UNIT_MM) - mode.paperHeightMm) < 1) {
            gtk_paper_size_free(paper);
            paper = gtk_paper_size_copy(p);
            break;
        }
    }
    g_list_free_full(sizes, reinterpret_cast<GDestroyNotify>(gtk_paper_size_free));
    gtk_page_setup_set_paper_size(setup, paper);
    gtk_paper_size_free(paper);
    gtk_page_setup_set_orientation(setup, mode.landscape ? GTK_PAGE_ORIENTATION_LANDSCAPE
                                                         : GTK_PAGE_ORIENTATION_PORTRAIT);
    return setup;
}

void readPageSetup(GtkPageSetup* setup, DeviceMode& mode) {
    const GtkPageOrientation o = gtk_page_setup_get_orientation(setup);
    mode.landscape =
        o == GTK_PAGE_ORIENTATION_LANDSCAPE || o == GTK_PAGE_ORIENTATION_REVERSE_LANDSCAPE;
    GtkPaperSize* paper = gtk_page_setup_get_paper_size(setup);
    mode.paperWidthMm = static_cast<int>(gtk_paper_size_get_width(paper, GTK_UNIT_MM) + 0.5);
    mode.paperHeightMm = static_cast<int>(gtk_paper_size_get_height(paper, GTK_UNIT_MM) + 0.5);
}

// GTK's name of its "print to file" printer, in the person's language.
const char* filePrinterName() {
    return g_dgettext("gtk30", "Print to File");
}

std::optional<PrintDialogResult> runPageSetup(const PrintDialogRequest& request, GtkWindow* owner) {
    GtkWidget* d = gtk_page_setup_unix_dialog_new("Page Setup", owner);
    GtkPageSetup* setup = pageSetupOf(request.deviceMode);
    gtk_page_setup_unix_dialog_set_page_setup(GTK_PAGE_SETUP_UNIX_DIALOG(d), setup);
    g_object_unref(setup);
    gtk_window_set_modal(GTK_WINDOW(d), TRUE);
    std::optional<PrintDialogResult> result;
    if (gtk_dialog_run(GTK_DIALOG(d)) == GTK_RESPONSE_OK) {
        PrintDialogResult r;
        r.deviceMode = request.deviceMode;
        readPageSetup(gtk_page_setup_unix_dialog_get_page_setup(GTK_PAGE_SETUP_UNIX_DIALOG(d)),
                      r.deviceMode);
        result = r;
    }
    gtk_widget_destroy(d);
    return result;
}

} // namespace

std::optional<PrintDialogResult> runPrintDialog(const PrintDialogRequest& request) {
    GtkWindow* owner = request.owner ? screen().gtkWindowFor(request.owner) : nullptr;
    if (request.kind == PrintDialogKind::Setup)
        return runPageSetup(request, owner);

    GtkWidget* d = gtk_print_unix_dialog_new("Print", owner);
    auto* dialog = GTK_PRINT_UNIX_DIALOG(d);
    GtkPrintSettings* settings = gtk_print_settings_new();
    // The model's default printer is its PDF writer: GTK's print to file, as PDF.
    const std::string printer = request.deviceMode.printerName == L"PDF"
                                    ? std::string(filePrinterName())
                                    : utf8(request.deviceMode.printerName);
    gtk_print_settings_set_printer(settings, printer.c_str());
    gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf");
    gtk_print_settings_set_n_copies(settings, std::max(1, request.deviceMode.copies));
    if (request.fromPage != request.minPage || request.toPage != request.fromPage) {
        GtkPageRange range{std::max(0, request.fromPage - 1), std::max(0, request.toPage - 1)};
        gtk_print_settings_set_page_ranges(settings, &range, 1);
    }
    gtk_print_unix_dialog_set_settings(dialog, settings);
    g_object_unref(settings);
    GtkPageSetup* setup = pageSetupOf(request.deviceMode);
    gtk_print_unix_dialog_set_page_setup(dialog, setup);
    g_object_unref(setup);
    gtk_print_unix_dialog_set_manual_capabilities(
        dialog, static_cast<GtkPrintCapabilities>(GTK_PRINT_CAPABILITY_COPIES |
                                                  GTK_PRINT_CAPABILITY_GENERATE_PDF));
    gtk_window_set_modal(GTK_WINDOW(d), TRUE);

    std::optional<PrintDialogResult> result;
    if (gtk_dialog_run(GTK_DIALOG(d)) == GTK_RESPONSE_OK) {
        PrintDialogResult r;
        r.deviceMode = request.deviceMode;
        GtkPrinter* chosen = gtk_print_unix_dialog_get_selected_printer(dialog);
        const std::string name = chosen ? gtk_printer_get_name(chosen) : std::string();
        GtkPrintSettings* s = gtk_print_unix_dialog_get_settings(dialog);
        readPageSetup(gtk_print_unix_dialog_get_page_setup(dialog), r.deviceMode);
        r.deviceMode.copies = std::max(1, gtk_print_settings_get_n_copies(s));
        switch (gtk_print_settings_get_print_pages(s)) {
        case GTK_PRINT_PAGES_RANGES: {
            gint n = 0;
            GtkPageRange* ranges = gtk_print_settings_get_page_ranges(s, &n);
            if (n > 0) {
                r.range = PrintRange::Pages;
                r.fromPage = ranges[0].start + 1;
                r.toPage = ranges[n - 1].end + 1;
            }
            g_free(ranges);
            break;
        }
        case GTK_PRINT_PAGES_SELECTION:
            r.range = PrintRange::Selection;
            break;
        default:
            break;
        }
        const char* uri = gtk_print_settings_get(s, GTK_PRINT_SETTINGS_OUTPUT_URI);
        if (name == filePrinterName() && uri) {
            // Print to file: the model writes its PDF where the person said.
            r.deviceMode.printerName = L"PDF";
            if (gchar* path = g_filename_from_uri(uri, nullptr, nullptr)) {
                r.outputPath = path;
                g_free(path);
            }
        } else {
            // A real printer: the PDF goes to the temporary folder, as for a script.
            r.deviceMode.printerName = wide(name.c_str());
            static int jobs = 0;
            r.outputPath = (std::filesystem::temp_directory_path() /
                            ("trevlon-print-" + std::to_string(getpid()) + "-" +
                             std::to_string(++jobs) + ".pdf"))
                               .string();
        }
        g_object_unref(s);
        if (!r.outputPath.empty())
            result = r;
    }
    gtk_widget_destroy(d);
    return result;
}

namespace {

struct PrinterSearch {
    std::string name;
    GtkPrinter* found = nullptr;
};

gboolean matchPrinter(GtkPrinter* printer, gpointer data) {
    auto* search = static_cast<PrinterSearch*>(data);
    if (search->name == gtk_printer_get_name(printer)) {
        search->found = GTK_PRINTER(g_object_ref(printer));
        return TRUE; // stop
    }
    return FALSE;
}

struct JobWait {
    GMainLoop* loop = nullptr;
    bool ok = false;
};

void jobSent(GtkPrintJob*, gpointer data, const GError* error) {
    auto* wait = static_cast<JobWait*>(data);
    wait->ok = error == nullptr;
    g_main_loop_quit(wait->loop);
}

} // namespace

bool sendPdfToPrinter(const PrintDialogResult& printed, const std::wstring& jobName) {
    PrinterSearch search{utf8(printed.deviceMode.printerName)};
    gtk_enumerate_printers(matchPrinter, &search, nullptr, TRUE);
    if (!search.found)
        return false;
    GtkPrintSettings* settings = gtk_print_settings_new();
    gtk_print_settings_set_n_copies(settings, std::max(1, printed.deviceMode.copies));
    GtkPageSetup* setup = pageSetupOf(printed.deviceMode);
    GtkPrintJob* job = gtk_print_job_new(utf8(jobName).c_str(), search.found, settings, setup);
    g_object_unref(setup);
    g_object_unref(settings);
    g_object_unref(search.found);
    bool ok = false;
    GError* error = nullptr;
    if (gtk_print_job_set_source_file(job, printed.outputPath.c_str(), &error)) {
        // The job is spooled from the file; wait until the printer has it.
        JobWait wait{g_main_loop_new(nullptr, FALSE)};
        gtk_print_job_send(job, jobSent, &wait, nullptr);
        g_main_loop_run(wait.loop);
        g_main_loop_unref(wait.loop);
        ok = wait.ok;
    } else {
        g_error_free(error);
    }
    g_object_unref(job);
    // The spooled copy in the temporary folder is no longer needed.
    std::error_code ec;
    std::filesystem::remove(printed.outputPath, ec);
    return ok;
}

} // namespace ui::live
