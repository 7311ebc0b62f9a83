#include "kw/designer/PictureCache.h"

#include "platform/ui/draw/Bmp.h"
#include "platform/ui/draw/Mask.h"

#include <list>
#include <system_error>

namespace {

struct Entry {
    std::filesystem::path path;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time;
    DesignPicture picture;
};

// A handful of designs is open at a time; the oldest entry goes first.
constexpr size_t kMaxEntries = 16;

std::list<Entry>& entries() {
    static std::list<Entry> cache;
    return cache;
}

} // namespace

bool loadDesignPicture(const std::filesystem::path& path, DesignPicture& out) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec)
        return false;
    const auto time = std::filesystem::last_write_time(path, ec);
    if (ec)
        return false;
    std::list<Entry>& cache = entries();
    for (auto it = cache.begin(); it != cache.end(); ++it) {
        if (it->path != path)
            continue;
        if (it->size == size && it->time == time) {
            cache.splice(cache.begin(), cache, it);
            out = it->picture;
            return true;
        }
        cache.erase(it);
        break;
    }
    Entry entry{path, size, time, {}};
    if (ui::readBmpFile(path.string(), entry.picture.picture) != ui::BmpStatus::Ok)
        return false;
    entry.picture.mask = ui::makeMask(entry.picture.picture, ui::Color::fromRgb(255, 255, 255));
    entry.picture.ored = ui::blackenMasked(entry.picture.picture, entry.picture.mask);
    out = entry.picture;
    cache.push_front(std::move(entry));
    if (cache.size() > kMaxEntries)
        cache.pop_back();
    return true;
}
