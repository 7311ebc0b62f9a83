#pragma once
// Addresses that liborcus asks the application to read outside formulas.

#include <cctype>
#include <string_view>

#include <orcus/exception.hpp>
#include <orcus/spreadsheet/import_interface.hpp>

namespace grid {

namespace ss = orcus::spreadsheet;

// The largest sheet the files of either program can have.
constexpr ss::row_t kOrcusFileRows = 1048576;
constexpr ss::col_t kOrcusFileCols = 16384;

// Addresses of ranges the files name outside formulas (shared formula ranges, merged
// cells): "B3", "$A$1:$C$4", "Sheet1.A1:.B2"; the sheet part is passed over.
class ReferenceResolver final : public ss::iface::import_reference_resolver {
public:
    ss::src_address_t resolve_address(std::string_view s) override {
        ss::src_range_t r = resolve_range(s);
        if (r.first.row != r.last.row || r.first.column != r.last.column)
            throw orcus::invalid_arg_error("not a single cell");
        return r.first;
    }
    ss::src_range_t resolve_range(std::string_view s) override {
        size_t colon = s.find(':');
        ss::src_range_t r{};
        r.first = address(s.substr(0, colon));
        r.last = colon == std::string_view::npos ? r.first : address(s.substr(colon + 1));
        return r;
    }

private:
    static ss::src_address_t address(std::string_view s) {
        size_t cut = s.find_last_of(".!");
        if (cut != std::string_view::npos)
            s.remove_prefix(cut + 1);
        int64_t col = 0, row = 0;
        size_t i = 0, letters = 0, digits = 0;
        if (i < s.size() && s[i] == '$')
            ++i;
        for (; i < s.size() && std::isalpha(static_cast<unsigned char>(s[i])) && letters < 4;
             ++i, ++letters)
            col = col * 26 + (std::toupper(static_cast<unsigned char>(s[i])) - 'A' + 1);
        if (i < s.size() && s[i] == '$')
            ++i;
        for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])) && digits < 8;
             ++i, ++digits)
            row = row * 10 + (s[i] - '0');
        if (i != s.size() || letters == 0 || digits == 0 || col > kOrcusFileCols || row < 1 ||
            row > kOrcusFileRows)
            throw orcus::invalid_arg_error("not a cell address");
        return ss::src_address_t{0, static_cast<ss::row_t>(row - 1),
                                 static_cast<ss::col_t>(col - 1)};
    }
};

} // namespace grid
