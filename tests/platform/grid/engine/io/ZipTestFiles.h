#pragma once
// Small ZIP archives made in the tests: stored (uncompressed) parts, and the least
// .xlsx workbook around one worksheet's XML.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace grid::test {

struct ZipPart {
    ZipPart(std::string n, std::string d, std::optional<uint32_t> claimed = std::nullopt)
        : name(std::move(n)), data(std::move(d)), claimedSize(claimed) {}
    std::string name;
    std::string data;
    std::optional<uint32_t> claimedSize; // what the directory says it unpacks to
};

inline uint32_t crc32Of(const std::string& data) {
    uint32_t crc = 0xFFFFFFFF;
    for (unsigned char c : data) {
        crc ^= c;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

inline std::string storedZip(const std::vector<ZipPart>& parts) {
    auto le16 = [](std::string& s, uint32_t v) {
        s += static_cast<char>(v & 0xFF);
        s += static_cast<char>(v >> 8 & 0xFF);
    };
    auto le32 = [&](std::string& s, uint32_t v) {
        le16(s, v & 0xFFFF);
        le16(s, v >> 16);
    };
    std::string zip, dir;
    for (const ZipPart& p : parts) {
        const uint32_t offset = static_cast<uint32_t>(zip.size());
        const uint32_t size = static_cast<uint32_t>(p.data.size());
        const uint32_t claimed = p.claimedSize.value_or(size);
        const uint32_t crc = crc32Of(p.data);
        le32(zip, 0x04034b50);
        le16(zip, 20);
        for (int i = 0; i < 4; ++i)
            le16(zip, 0); // flags, method (stored), time, date
        le32(zip, crc);
        le32(zip, size);
        le32(zip, claimed);
        le16(zip, static_cast<uint32_t>(p.name.size()));
        le16(zip, 0);
        zip += p.name + p.data;
        le32(dir, 0x02014b50);
        le16(dir, 20);
        le16(dir, 20);
        for (int i = 0; i < 4; ++i)
            le16(dir, 0);
        le32(dir, crc);
        le32(dir, size);
        le32(dir, claimed);
        le16(dir, static_cast<uint32_t>(p.name.size()));
        for (int i = 0; i < 4; ++i)
            le16(dir, 0); // extra, comment, disk, internal attributes
        le32(dir, 0);
        le32(dir, offset);
        dir += p.name;
    }
    const uint32_t dirOffset = static_cast<uint32_t>(zip.size());
    zip += dir;
    le32(zip, 0x06054b50);
    le16(zip, 0);
    le16(zip, 0);
    le16(zip, static_cast<uint32_t>(parts.size()));
    le16(zip, static_cast<uint32_t>(parts.size()));
    le32(zip, static_cast<uint32_t>(dir.size()));
    le32(zip, dirOffset);
    le16(zip, 0);
    return zip;
}

// A workbook of the worksheet "Data" whose <sheetData> holds `rows`, and a second one
// "Other" holding `otherRows` when they are given.
inline std::string minimalXlsx(const std::string& rows, const std::string* otherRows = nullptr) {
    const std::string ns = "http://schemas.openxmlformats.org/";
    return storedZip({
        {"[Content_Types].xml",
         "<?xml version=\"1.0\"?><Types xmlns=\"" + ns +
             "package/2006/content-types\">"
             "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package."
             "relationships+xml\"/><Default Extension=\"xml\" ContentType=\"application/xml\"/>"
             "<Override PartName=\"/xl/workbook.xml\" ContentType=\"application/vnd."
             "openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
             "<Override PartName=\"/xl/worksheets/sheet1.xml\" ContentType=\"application/vnd."
             "openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/></Types>"},
        {"_rels/.rels", "<?xml version=\"1.0\"?><Relationships xmlns=\"" + ns +
                            "package/2006/relationships\">"
                            "<Relationship Id=\"rId1\" Type=\"" +
                            ns +
                            "officeDocument/2006/relationships/"
                            "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {"xl/workbook.xml",
         "<?xml version=\"1.0\"?><workbook xmlns=\"" + ns +
             "spreadsheetml/2006/main\" "
             "xmlns:r=\"" +
             ns +
             "officeDocument/2006/relationships\"><sheets>"
             "<sheet name=\"Data\" sheetId=\"1\" r:id=\"rId1\"/>" +
             std::string(otherRows ? "<sheet name=\"Other\" sheetId=\"2\" r:id=\"rId2\"/>" : "") +
             "</sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<?xml version=\"1.0\"?><Relationships xmlns=\"" + ns +
             "package/2006/relationships\">"
             "<Relationship Id=\"rId1\" Type=\"" +
             ns +
             "officeDocument/2006/relationships/"
             "worksheet\" Target=\"worksheets/sheet1.xml\"/>" +
             std::string(otherRows ? "<Relationship Id=\"rId2\" Type=\"" + ns +
                                         "officeDocument/2006/relationships/worksheet\" "
                                         "Target=\"worksheets/sheet2.xml\"/>"
                                   : "") +
             "</Relationships>"},
        {"xl/worksheets/sheet1.xml", "<?xml version=\"1.0\"?><worksheet xmlns=\"" + ns +
                                         "spreadsheetml/2006/main\">"
                                         "<sheetData>" +
                                         rows + "</sheetData></worksheet>"},
    });
}

// A spreadsheet whose content.xml holds `tables` (table:table elements).
inline std::string minimalOds(const std::string& tables) {
    return storedZip({
        {"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
        {"content.xml",
         "<?xml version=\"1.0\"?><office:document-content "
         "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
         "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
         "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" office:version=\"1.2\">"
         "<office:body><office:spreadsheet>" +
             tables + "</office:spreadsheet></office:body></office:document-content>"},
    });
}

} // namespace grid::test
