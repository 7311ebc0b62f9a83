#pragma once

#include <string>
#include <vector>

namespace grid {

// Writes a compound file (the structured-storage container of Excel 97-2003
// workbooks): version 3, 512-byte sectors, any number of top-level streams.
//
// Streams shorter than the mini-stream cut-off (4096 bytes) are padded with zero
// bytes up to it, so every stream lives in ordinary sectors and no mini stream is
// needed; the formats we write ignore bytes after their end marker.
// Large files get DIFAT sectors when the FAT outgrows the header's 109 slots.
class CompoundFileWriter {
public:
    // `name`: ASCII, at most 31 characters. Later streams with the same name replace it.
    void addStream(const std::string& name, std::string bytes);

    // The whole file.
    std::string build() const;

    static constexpr size_t kSectorSize = 512;
    static constexpr size_t kMiniStreamCutoff = 4096;

private:
    struct Stream {
        std::string name;
        std::string bytes;
    };
    std::vector<Stream> m_streams;
};

} // namespace grid
