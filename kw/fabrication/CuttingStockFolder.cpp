#include "kw/fabrication/CuttingStockFolder.h"

#include "core/FileHelpers.h"
#include "core/Tvl_Settings.h"

#include <climits>

namespace kw::fabrication {

Tvl_String cuttingStockFolder() {
    return gSettings.libDir() + L"Cutting Stock\\";
}

bool newestFile(const Tvl_String& folder, const Tvl_String& pattern, Tvl_String& name,
                std::time_t& time) {
    Tvl_StringArray files;
    if (!ObjectExportFindFiles(folder, pattern, files))
        return false;
    bool found = false;
    for (int i = 0; i < files.length(); ++i) {
        std::time_t t = 0;
        if (!ObjectExportGetFileTime(folder + files[i], t))
            continue;
        if (!found || t >= time) {
            name = files[i];
            time = t;
            found = true;
        }
    }
    return found;
}

Tvl_String nextStockName(const Tvl_String& folder, const Tvl_String& extension) {
    Tvl_StringArray files;
    int highest = 0;
    if (ObjectExportFindFiles(folder, L"Stock*." + extension, files)) {
        for (int i = 0; i < files.length(); ++i) {
            const Tvl_String base = removeExtension(files[i]);
            if (!getExtension(files[i]).equal(L"." + extension, true) ||
                !base.left(5).equal(L"Stock", true) || base.length() == 5)
                continue;
            long long n = 0;
            bool digits = true;
            const Tvl_String number = base.mid(5);
            for (wchar_t c : number.str()) {
                if (c < L'0' || c > L'9' || n > INT_MAX) {
                    digits = false;
                    break;
                }
                n = n * 10 + (c - L'0');
            }
            if (digits && n <= INT_MAX - 1 && n > highest)
                highest = static_cast<int>(n);
        }
    }
    return L"Stock" + Tvl_String(highest + 1) + L"." + extension;
}

Tvl_String fileTimeText(std::time_t time) {
    static const wchar_t* const kMonths[] = {L"January",   L"February", L"March",    L"April",
                                             L"May",       L"June",     L"July",     L"August",
                                             L"September", L"October",  L"November", L"December"};
    std::tm local{};
    if (localtime_r(&time, &local) == nullptr || local.tm_mon < 0 || local.tm_mon > 11)
        return Tvl_String();
    return Tvl_String::format(L"%02d %s, %d (%02d:%02d)", local.tm_mday, kMonths[local.tm_mon],
                              local.tm_year + 1900, local.tm_hour, local.tm_min)
        .left(128);
}

Tvl_String withExtension(const Tvl_String& path, const Tvl_String& extension) {
    const Tvl_String dotted = L"." + extension;
    return path.endsWith(dotted, true) ? path : path + dotted;
}

} // namespace kw::fabrication
