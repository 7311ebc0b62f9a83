#include "platform/host/ElfNeeded.h"

#include "platform/base/Files.h"

#include <elf.h>

#include <cstring>

namespace host {
namespace {

template <class T> bool readAt(const std::string& bytes, std::uint64_t offset, T& out) {
    if (offset > bytes.size() || bytes.size() - offset < sizeof(T))
        return false;
    std::memcpy(&out, bytes.data() + offset, sizeof(T));
    return true;
}

} // namespace

std::vector<std::string> neededLibraries(const std::filesystem::path& file) {
    std::vector<std::string> out;
    const auto bytes = base::readFile(file);
    Elf64_Ehdr eh{};
    if (!bytes || !readAt(*bytes, 0, eh) || std::memcmp(eh.e_ident, ELFMAG, SELFMAG) != 0 ||
        eh.e_ident[EI_CLASS] != ELFCLASS64 || eh.e_ident[EI_DATA] != ELFDATA2LSB ||
        eh.e_shentsize != sizeof(Elf64_Shdr))
        return out;
    for (unsigned i = 0; i < eh.e_shnum; ++i) {
        Elf64_Shdr dyn{};
        if (!readAt(*bytes, eh.e_shoff + std::uint64_t(i) * sizeof(Elf64_Shdr), dyn) ||
            dyn.sh_type != SHT_DYNAMIC)
            continue;
        Elf64_Shdr strtab{};
        if (dyn.sh_link >= eh.e_shnum ||
            !readAt(*bytes, eh.e_shoff + std::uint64_t(dyn.sh_link) * sizeof(Elf64_Shdr), strtab))
            return out;
        for (std::uint64_t off = 0; off + sizeof(Elf64_Dyn) <= dyn.sh_size;
             off += sizeof(Elf64_Dyn)) {
            Elf64_Dyn entry{};
            if (!readAt(*bytes, dyn.sh_offset + off, entry) || entry.d_tag == DT_NULL)
                break;
            if (entry.d_tag != DT_NEEDED || entry.d_un.d_val >= strtab.sh_size)
                continue;
            const std::uint64_t at = strtab.sh_offset + entry.d_un.d_val;
            if (at >= bytes->size())
                continue;
            const char* name = bytes->data() + at;
            out.emplace_back(name, strnlen(name, bytes->size() - at));
        }
        break;
    }
    return out;
}

} // namespace host
