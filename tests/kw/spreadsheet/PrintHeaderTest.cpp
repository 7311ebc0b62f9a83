// Header files and their labels as printed: placeholders, format codes, reading and
// writing .kwh files (damaged ones too), bands drawn and sized, margins and column fit.

#include "../frame/FrameTestSupport.h"

#include <fstream>

#include "kw/spreadsheet/Tvl_SimplePropsList.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "kw/spreadsheet/print/ColumnFit.h"
#include "kw/spreadsheet/print/HeaderLabelText.h"
#include "kw/spreadsheet/print/KwHeaderFile.h"
#include "kw/spreadsheet/print/PrintState.h"
#include "platform/base/Paths.h"
#include "platform/ui/draw/Bmp.h"
#include "platform/ui/draw/RecordingCanvas.h"

namespace {

using kw::LabelFormat;

class PrintHeader : public FrameTest {
protected:
    Tvl_String product(const std::string& name) const { return base::toProduct(m_tmp / name); }
    void writeBytes(const std::string& name, const std::string& bytes) const {
        std::ofstream(m_tmp / name, std::ios::binary) << bytes;
    }
    // A header file with a 200 x 20 picture beside it and the given labels.
    Tvl_String header(const std::vector<kw::HeaderLabel>& labels, const wchar_t* standard = L"") {
        const auto bmp = ui::encodeBmp24(ui::Bitmap(200, 20, 0xFFFFFFFFu));
        writeBytes("pic.bmp", std::string(bmp.begin(), bmp.end()));
        kw::KwHeaderFile h;
        h.standardFont = standard;
        h.bmpSource = product("pic.bmp");
        h.origBmpWidth = 200;
        h.origBmpHeight = 20;
        h.labels = labels;
        EXPECT_TRUE(h.write(product("h.kwh")));
        return product("h.kwh");
    }
};

Tvl_StringArray list(std::initializer_list<const wchar_t*> items) {
    Tvl_StringArray a;
    for (const wchar_t* i : items)
        a.append(i);
    return a;
}

TEST_F(PrintHeader, PlaceholdersBecomePageNumbersAndVariablesAndUnknownOnesStay) {
    const auto names = list({L"project", L"client"});
    const auto values = list({L"Hall 3", L"ACME %currentPage%"});
    EXPECT_EQ(kw::replacePlaceholders(L"Page %currentPage% of %totalPages%", 2, 5, names, values),
              L"Page 2 of 5");
    EXPECT_EQ(kw::replacePlaceholders(L"%CURRENTPAGE%/%TotalPages%", 2, 5, names, values), L"2/5");
    // Inserted text is not searched again.
    EXPECT_EQ(kw::replacePlaceholders(L"%Project%: %client%", 1, 1, names, values),
              L"Hall 3: ACME %currentPage%");
    // An unknown name stays; its closing sign opens the next placeholder.
    EXPECT_EQ(kw::replacePlaceholders(L"5% off %currentPage%", 3, 4, names, values), L"5% off 3");
    EXPECT_EQ(kw::replacePlaceholders(L"%nobody% 100%", 1, 1, names, values), L"%nobody% 100%");
    // Variables whose lists are missing or unequal: only the pairs there are count.
    EXPECT_EQ(kw::replacePlaceholders(L"%client%", 1, 1, names, list({L"x"})), L"%client%");
    EXPECT_EQ(kw::replacePlaceholders(L"%project%", 1, 1, {}, {}), L"%project%");
}

TEST_F(PrintHeader, FormatCodesChangeTheRunningStateAndLeaveTheText) {
    LabelFormat f; // Tahoma 10, left, bold
    std::wstring text = L"/C/NB/TH\"14\"Word";
    kw::applyFormatCodes(text, f);
    EXPECT_EQ(text, L"Word");
    EXPECT_EQ(f.align, LabelFormat::Center);
    EXPECT_FALSE(f.bold);
    EXPECT_DOUBLE_EQ(f.height, 14);
    // The next label keeps them unless its own codes change them.
    std::wstring next = L"plain";
    kw::applyFormatCodes(next, f);
    EXPECT_EQ(f, (LabelFormat{LabelFormat::Center, L"Tahoma", 14, false, false, false}));
    // The last alignment found wins; a quote not right after its code is no argument.
    std::wstring more = L"/R text /L /F \"Arial\" /F\"Courier New\"/I/UL";
    kw::applyFormatCodes(more, f);
    EXPECT_EQ(f.align, LabelFormat::Right);
    EXPECT_EQ(f.face, L"Tahoma"); // the first /F has no argument
    EXPECT_TRUE(f.italic);
    EXPECT_TRUE(f.underline);
    EXPECT_EQ(more, L" text   \"Arial\" /F\"Courier New\"");
    // A height that cannot be drawn keeps the one before.
    std::wstring bad = L"/TH\"100000\"x";
    kw::applyFormatCodes(bad, f);
    EXPECT_DOUBLE_EQ(f.height, 14);
}

TEST_F(PrintHeader, HeaderFilesReadBackAsWrittenAndLabelsStopAtTheFirstIncompleteOne) {
    const Tvl_String path = header({{0.1, 0.2, 0.5, 0.9, L"one"}, {0.5, 0, 1, 1, L"two"}}, L"/B");
    kw::KwHeaderFile h;
    ASSERT_EQ(h.read(path), kw::KwHeaderFile::ReadStatus::Ok);
    EXPECT_EQ(h.standardFont, Tvl_String(L"/B"));
    ASSERT_EQ(h.labels.size(), 2u);
    EXPECT_EQ(h.labels[1].text, Tvl_String(L"two"));
    EXPECT_DOUBLE_EQ(h.labels[0].y1, 0.2);

    // Label 1 without its text, label 2 complete: only label 0 counts.
    Tvl_SimplePropsList list;
    ASSERT_TRUE(list.readFromFile(path));
    list.remove(L"LabelArr1text");
    list.setReal(L"LabelArr2x1", 0);
    list.setReal(L"LabelArr2y1", 0);
    list.setReal(L"LabelArr2x2", 1);
    list.setReal(L"LabelArr2y2", 1);
    list.setText(L"LabelArr2text", L"three");
    ASSERT_TRUE(list.writeToFile(path));
    ASSERT_EQ(h.read(path), kw::KwHeaderFile::ReadStatus::Ok);
    EXPECT_EQ(h.labels.size(), 1u);
    // A coordinate of another kind ends the labels too.
    list.setText(L"LabelArr0x1", L"0.1");
    ASSERT_TRUE(list.writeToFile(path));
    ASSERT_EQ(h.read(path), kw::KwHeaderFile::ReadStatus::Ok);
    EXPECT_TRUE(h.labels.empty());
}

TEST_F(PrintHeader, MissingDamagedOrPicturelessHeadersGiveNoBandAndSayWhy) {
    kw::PrintBandFile band;
    band.load(Tvl_String());
    EXPECT_EQ(band.status, kw::PrintBandFile::Status::None);
    band.load(product("nothing.kwh"));
    EXPECT_EQ(band.status, kw::PrintBandFile::Status::FileMissing);
    writeBytes("binary.kwh", std::string("\x00\x01\x02\xA4\xA4\xFF", 6));
    band.load(product("binary.kwh"));
    EXPECT_EQ(band.status, kw::PrintBandFile::Status::FileDamaged);
    writeBytes("truncated.kwh", "standardFont\xA4"
                                "4\xA4/B\xA4LabelArr0x1\xA4");
    band.load(product("truncated.kwh"));
    EXPECT_EQ(band.status, kw::PrintBandFile::Status::PictureMissing);

    // A header naming a picture that is not there: no band, no drawing.
    kw::KwHeaderFile h;
    h.bmpSource = product("gone.bmp");
    h.labels = {{0, 0, 1, 1, L"text"}};
    ASSERT_TRUE(h.write(product("nopic.kwh")));
    band.load(product("nopic.kwh"));
    EXPECT_EQ(band.status, kw::PrintBandFile::Status::PictureMissing);
    // A picture that is no picture.
    writeBytes("fake.bmp", "BM not really");
    h.bmpSource = product("fake.bmp");
    ASSERT_TRUE(h.write(product("fake.kwh")));
    band.load(product("fake.kwh"));
    EXPECT_EQ(band.status, kw::PrintBandFile::Status::PictureMissing);

    // A picture too large to draw (40,000 x 40,000 pixels claimed).
    std::string huge = "BM";
    auto le32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            huge.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    le32(54 + 3u * 40000u * 40000u);
    le32(0);
    le32(54);
    le32(40);
    le32(40000);
    le32(40000);
    huge += std::string("\x01\x00\x18\x00", 4);
    huge += std::string(24, '\0');
    writeBytes("huge.bmp", huge);
    h.bmpSource = product("huge.bmp");
    ASSERT_TRUE(h.write(product("huge.kwh")));
    band.load(product("huge.kwh"));
    EXPECT_EQ(band.status, kw::PrintBandFile::Status::PictureMissing);
    EXPECT_TRUE(band.picture.empty());

    kw::PrintState& s = kw::printState();
    s.header = band;
    grid::PageEvent e;
    e.event = grid::kPageHeaderHeight;
    e.printableLeft = 0;
    e.printableRight = 1000;
    EXPECT_EQ(kw::printPageCallback(e), 0);
}

TEST_F(PrintHeader, TheBandIsAsHighAsThePictureDrawnAcrossThePrintableWidth) {
    EXPECT_EQ(kw::bandHeight(1000, {200, 20}), 100);
    EXPECT_EQ(kw::bandHeight(1000, {0, 20}), 0);
    EXPECT_EQ(kw::bandHeight(1000, {200, 0}), 0);
    EXPECT_EQ(kw::bandHeight(0, {200, 20}), 0);

    kw::PrintState& s = kw::printState();
    s.header.load(header({{0.5, 0.0, 1.0, 1.0, L"/R/TH\"12\"Page %currentPage% of %totalPages%"},
                          {0.0, 0.0, 0.5, 1.0, L"%project%"}}));
    ASSERT_TRUE(s.header.usable());
    s.footer = kw::PrintBandFile();
    s.props.varNames = list({L"project"});
    s.props.varValues = list({L"Hall 3"});
    grid::PageEvent e;
    e.event = grid::kPageHeaderHeight;
    e.printableLeft = 100;
    e.printableRight = 1100;
    EXPECT_EQ(kw::printPageCallback(e), 100);
    e.event = grid::kPageFooterHeight;
    EXPECT_EQ(kw::printPageCallback(e), 0);
    EXPECT_EQ(kw::printPageCallback({.event = 7}), 0);

    ui::RecordingCanvas canvas({2000, 2000}, {300, 300});
    e.event = grid::kPageDrawHeader;
    e.page = 2;
    e.pageCount = 5;
    e.pixelsPerInch = 300;
    e.canvas = &canvas;
    e.band = ui::Rect{100, 50, 1100, 150};
    kw::printPageCallback(e);
    const auto texts = canvas.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], L"Page 2 of 5");
    EXPECT_EQ(texts[1], L"Hall 3");
    // The picture fills the band's width; the second label keeps the first one's 12 points.
    const auto pictures = canvas.itemsOfKind(ui::DrawKind::Bitmap);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0]->rect, (ui::Rect{100, 50, 1100, 150}));
    const auto runs = canvas.itemsOfKind(ui::DrawKind::Text);
    ASSERT_FALSE(runs.empty());
    EXPECT_EQ(runs.back()->font.height, -50); // 12 pt at 300 pixels per inch
    EXPECT_EQ(runs.back()->font.weight, 700);
}

TEST_F(PrintHeader, MarginsAreMeasuredBeyondThePrintersEdgeAndColumnsFitTheRest) {
    EXPECT_DOUBLE_EQ(kw::printMarginInches(25, 5), 20 / 25.4);
    EXPECT_DOUBLE_EQ(kw::printMarginInches(5, 5), 0);
    EXPECT_DOUBLE_EQ(kw::printMarginInches(3, 5), 0); // smaller than the edge: none

    // 8.08 inches of clip, margins of one inch each: 6 inches of columns.
    kw::PageFit fit{8.08, 25.4, 25.4, 0};
    EXPECT_DOUBLE_EQ(kw::printableTwips(fit), 6 * 1440);

    Tvl_Spread g;
    g.setMaxCols(3);
    g.sheet().setColumnWidthPx(0, 48); // 720 twips
    for (int c = 1; c <= 3; ++c)
        g.sheet().setColumnWidthPx(c, c * 32);
    ASSERT_TRUE(kw::fitColumnsToPage(g, fit, true));
    // (8640 - 720) twips in the proportion 1 : 2 : 3, at 15 twips per pixel.
    EXPECT_EQ(g.sheet().columnWidthsPx().at(1), 88);
    EXPECT_EQ(g.sheet().columnWidthsPx().at(3), 264);
    EXPECT_EQ(g.sheet().unitType(), grid::UnitType::Pixels);
    // Narrower without growing: nothing changes; nothing to share: nothing changes.
    g.sheet().setColumnWidthPx(1, 10);
    EXPECT_FALSE(kw::fitColumnsToPage(g, {20, 0, 0, 0}, false));
    for (int c = 1; c <= 3; ++c)
        g.sheet().setColumnWidthPx(c, 0);
    EXPECT_FALSE(kw::fitColumnsToPage(g, fit, true));
    // Margins wider than the paper: no negative widths.
    g.sheet().setColumnWidthPx(1, 50);
    EXPECT_FALSE(kw::fitColumnsToPage(g, {8, 500, 500, 0}, true));
    EXPECT_EQ(g.sheet().columnWidthsPx().at(1), 50);

    // The widths come back after a print, and the document stays unchanged.
    g.sheet().setChanged(false);
    {
        kw::ColumnWidthsKeeper keep(g);
        kw::fitColumnsToPage(g, fit, true);
    }
    EXPECT_EQ(g.sheet().columnWidthsPx().at(1), 50);
    EXPECT_FALSE(g.sheet().changed());
}

} // namespace
