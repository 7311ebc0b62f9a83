#include "platform/grid/engine/io/BiffStream.h"

#include <algorithm>

#include "platform/grid/engine/io/Utf.h"

namespace grid::xls {

void BiffStream::record(uint16_t type, const std::string& data) {
    size_t offset = 0;
    uint16_t t = type;
    do {
        size_t n = std::min(kMaxRecordData, data.size() - offset);
        m_out.u16(t);
        m_out.u16(static_cast<uint16_t>(n));
        m_out.bytes(std::string_view(data).substr(offset, n));
        offset += n;
        t = kContinue;
    } while (offset < data.size());
}

uint32_t SstWriter::add(const std::string& utf8) {
    ++m_total;
    auto [it, inserted] = m_index.try_emplace(utf8, static_cast<uint32_t>(m_strings.size()));
    if (inserted) {
        std::u16string s = utf8ToUtf16(utf8);
        // A BIFF8 string holds at most 32767 characters, as Excel's cells do.
        if (s.size() > 32767)
            s.resize(32767);
        m_strings.push_back(std::move(s));
    }
    return it->second;
}

void SstWriter::write(BiffStream& stream) const {
    constexpr uint16_t kSst = 0x00FC;
    constexpr uint16_t kExtSst = 0x00FF;
    const size_t limit = BiffStream::kMaxRecordData;
    const size_t bucket = std::max<size_t>(8, (m_strings.size() + 127) / 128);

    struct Mark {
        uint32_t streamPos;
        uint16_t offsetInRecord;
    };
    std::vector<Mark> marks;

    ByteWriter& out = stream.raw();
    std::string cur;
    uint16_t curType = kSst;
    size_t curStart = stream.position(); // where the current record's header goes
    auto put16 = [&](uint16_t v) {
        cur.push_back(static_cast<char>(v));
        cur.push_back(static_cast<char>(v >> 8));
    };
    auto put32 = [&](uint32_t v) {
        put16(static_cast<uint16_t>(v));
        put16(static_cast<uint16_t>(v >> 16));
    };
    auto flush = [&] {
        out.u16(curType);
        out.u16(static_cast<uint16_t>(cur.size()));
        out.bytes(cur);
        cur.clear();
        curType = BiffStream::kContinue;
        curStart = stream.position();
    };

    put32(m_total);
    put32(static_cast<uint32_t>(m_strings.size()));
    for (size_t i = 0; i < m_strings.size(); ++i) {
        const std::u16string& s = m_strings[i];
        const bool wide = !fitsLatin1(s);
        const size_t unit = wide ? 2 : 1;
        // The header (count and options) and at least one character stay together.
        size_t need = 3 + (s.empty() ? 0 : unit);
        if (cur.size() + need > limit)
            flush();
        if (i % bucket == 0)
            marks.push_back({static_cast<uint32_t>(curStart + 4 + cur.size()),
                             static_cast<uint16_t>(4 + cur.size())});
        put16(static_cast<uint16_t>(s.size()));
        cur.push_back(wide ? 1 : 0);
        size_t done = 0;
        while (done < s.size()) {
            size_t room = (limit - cur.size()) / unit;
            if (room == 0) {
                flush();
                cur.push_back(wide ? 1 : 0); // a continued string repeats its option byte
                continue;
            }
            size_t n = std::min(room, s.size() - done);
            for (size_t k = 0; k < n; ++k) {
                char16_t c = s[done + k];
                cur.push_back(static_cast<char>(c & 0xFF));
                if (wide)
                    cur.push_back(static_cast<char>(c >> 8));
            }
            done += n;
        }
    }
    flush();

    ByteWriter ext;
    ext.u16(static_cast<uint16_t>(bucket));
    for (const Mark& m : marks) {
        ext.u32(m.streamPos);
        ext.u16(m.offsetInRecord);
        ext.u16(0);
    }
    stream.record(kExtSst, ext);
}

} // namespace grid::xls
