#include "CaptureOutput.h"
#include "TestSupport.h"
#include "core/MacroCallBacks.h"
#include "core/Tvl_Settings.h"
#include "core/model/SampleModel.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

class PropertySetTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = scratchDir("property-sets");
        setenv("TVL_LIB_DIR", (m_dir.string() + "/").c_str(), 1);
        gSettings.reload();
        model::sampleModel().reset();
    }
    void TearDown() override {
        unsetenv("TVL_LIB_DIR");
        gSettings.reload();
        model::sampleModel().reset();
    }
    static MacroData recordOf(int id) {
        AcArray<AcDbObjectId> ids;
        ids.append(AcDbObjectId::fromOldId(id));
        MacroData record;
        model::sampleModel().fillRecord(ids, record);
        return record;
    }
    Tvl_String setPath(const char* name) const {
        return productForm(m_dir / "Macro Properties" / name);
    }
    static void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }

    std::filesystem::path m_dir;
    CaptureOutput m_out;
};

} // namespace

TEST_F(PropertySetTest, SavedSetLoadsIntoAnotherMacroOfItsKind) {
    MacroData ep1 = recordOf(201);
    ep1.tabOfModule(L"EndPlate")->cellWithName(L"PlateThickness")->m_value = L"25";
    ep1.tabOfModule(L"EndPlate")->cellWithName(L"Remark")->m_value = L"a; \"b\"\nc";
    ep1.tabOfModule(L"Bolts")->patternWithName(L"Rows")->m_count1 = L"3";
    ep1.tabOfModule(L"Bolts")->m_bolt.m_diameter = L"M24";
    ep1.tabOfModule(L"EndPlate")->cutWithName(L"Corner")->m_value = 4;
    ASSERT_TRUE(ep1.writeToFile(setPath("Heavy.mpr")));

    MacroData ep2 = recordOf(202);
    const MacroData before = ep2;
    int count = -1;
    ASSERT_TRUE(ep2.readFromFile(setPath("Heavy.mpr"), count));
    EXPECT_EQ(count, 0);
    EXPECT_EQ(ep2.m_propertySet, L"Heavy");
    const MacroTabData& plate = *ep2.tabOfModule(L"EndPlate");
    EXPECT_EQ(plate.cellWithName(L"PlateThickness")->m_value, L"25");
    EXPECT_EQ(plate.cellWithName(L"Remark")->m_value, L"a; \"b\"\nc");
    EXPECT_EQ(ep2.tabOfModule(L"Bolts")->m_bolt.m_diameter, L"M24");

    // What the dialog then does: the differences, without the record-only entry, go to
    // the model, which computes the dependents.
    Tvl_StringArray names;
    Tvl_Array<int> codes, tabs;
    ASSERT_TRUE(ep2.differences(before, names, codes, tabs));
    EXPECT_EQ(codes.last(), kMacroItemRecordOnly);
    codes.removeAll(kMacroItemRecordOnly);
    EXPECT_TRUE(ep2.setAllToMacro(names, codes, tabs));
    EXPECT_EQ(ep2.tabOfModule(L"EndPlate")->cellWithName(L"WeldSize")->m_value, L"12.5");
    EXPECT_EQ(ep2.tabOfModule(L"Bolts")->cellWithName(L"HoleDiameter")->m_value, L"26");
    EXPECT_EQ(ep2.tabOfModule(L"Bolts")->cellWithName(L"BoltCount")->m_value, L"6");
    EXPECT_EQ(ep2.tabOfModule(L"EndPlate")->cutWithName(L"Corner")->m_value, 4);

    Tvl_StringArray sets, all;
    Tvl_String folder, ext;
    ASSERT_TRUE(ep2.getPropFiles(sets, all, folder, ext));
    EXPECT_EQ(sets, (Tvl_StringArray{L"Heavy"}));
    EXPECT_TRUE(folder.endsWith(L"Macro Properties\\"));
    EXPECT_EQ(ext, L".mpr");
    EXPECT_EQ(folder + sets[0] + ext, setPath("Heavy.mpr"));
    MacroData base = recordOf(203);
    ASSERT_TRUE(base.getPropFiles(sets, all, folder, ext));
    EXPECT_EQ(sets.length(), 0);
    EXPECT_EQ(all, (Tvl_StringArray{L"Heavy"}));
    MacroData empty;
    EXPECT_FALSE(empty.getPropFiles(sets, all, folder, ext));
}

TEST_F(PropertySetTest, EntriesThatCannotBeAppliedAreCounted) {
    writeBytes(m_dir / "Macro Properties" / "Odd.mpr",
               "TVLPROPERTIES 1\n"
               "s macro=EndPlate\n"
               "s EndPlate.PlateWidth=180\n"
               "s EndPlate.NoSuchCell=1\n"         // unknown cell
               "s NoModule.PlateWidth=1\n"         // unknown module
               "s EndPlate.PlateHeight=999\n"      // computed
               "s EndPlate.PlateThickness=thick\n" // not a number
               "s EndPlate.Grade=S999\n"           // not a choice
               "s Bolts.pattern.Extra.2=3\n"       // one direction only
               "s Bolts.bolt.assembly=Rivet\n"     // unknown assembly
               "i EndPlate.cut.Corner=9\n"         // no such cut kind
               "s EndPlate.flex.Fix=Nobody\n"      // no such member
               "s EndPlate.flex.Fix=TopExtension\n"
               "END 12\n");
    MacroData record = recordOf(201);
    int count = 0;
    // A name given twice makes the file damaged.
    EXPECT_FALSE(record.readFromFile(setPath("Odd.mpr"), count));
    m_out.take();
    std::string text = "TVLPROPERTIES 1\n"
                       "s macro=EndPlate\n"
                       "s EndPlate.PlateWidth=180\n"
                       "s EndPlate.NoSuchCell=1\n"
                       "s NoModule.PlateWidth=1\n"
                       "s EndPlate.PlateHeight=999\n"
                       "s EndPlate.PlateThickness=thick\n"
                       "s EndPlate.Grade=S999\n"
                       "s Bolts.pattern.Extra.2=3\n"
                       "s Bolts.bolt.assembly=Rivet\n"
                       "i EndPlate.cut.Corner=9\n"
                       "s EndPlate.flex.Fix=TopExtension\n"
                       "END 11\n";
    Tvl_String error;
    ASSERT_TRUE(record.readFromText(text, count, error));
    EXPECT_EQ(count, 8);
    const MacroTabData& plate = *record.tabOfModule(L"EndPlate");
    EXPECT_EQ(plate.cellWithName(L"PlateWidth")->m_value, L"180");
    EXPECT_EQ(plate.cellWithName(L"PlateThickness")->m_value, L"15");
    EXPECT_EQ(plate.getFlexFixStatus(L"Fix", L"TopExtension"), 1);
    EXPECT_EQ(record.tabOfModule(L"Bolts")->m_bolt.m_assembly, L"Hex 8.8");
}

TEST_F(PropertySetTest, DamagedOrMissingFilesLeaveTheRecordAlone) {
    MacroData good = recordOf(201);
    ASSERT_TRUE(good.writeToFile(setPath("Good.mpr")));
    std::string bytes;
    {
        std::ifstream in(m_dir / "Macro Properties" / "Good.mpr", std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    ASSERT_GT(bytes.size(), 40u);
    const struct {
        const char* name;
        std::string bytes;
    } damaged[] = {
        {"Truncated.mpr", bytes.substr(0, bytes.size() / 2)},
        {"Flipped.mpr",
         [&] {
             std::string b = bytes;
             b[0] ^= 0x20;
             return b;
         }()},
        {"Binary.mpr", std::string("\x00\xff\x10TVL", 6)},
        {"Empty.mpr", ""},
    };
    MacroData record = recordOf(202);
    record.tab(0)->m_cells[2].m_reference = 33004;
    const MacroData before = record;
    for (const auto& d : damaged) {
        writeBytes(m_dir / "Macro Properties" / d.name, d.bytes);
        int count = 7;
        EXPECT_FALSE(record.readFromFile(setPath(d.name), count)) << d.name;
        EXPECT_EQ(count, 0);
        EXPECT_EQ(record, before) << d.name;
        EXPECT_EQ(m_out.take(), L"*Error* The property set " + setPath(d.name).str() +
                                    L" is damaged; nothing was loaded.\n");
    }
    int count = 0;
    EXPECT_FALSE(record.readFromFile(setPath("Missing.mpr"), count));
    EXPECT_EQ(record, before);
    EXPECT_NE(m_out.take().find(L"does not exist"), std::wstring::npos);
}

TEST_F(PropertySetTest, FailedSaveKeepsTheOldFile) {
    MacroData record = recordOf(201);
    ASSERT_TRUE(record.writeToFile(setPath("Keep.mpr")));
    // A folder in the way of the file: the save fails and says so.
    std::filesystem::create_directories(m_dir / "Macro Properties" / "Dir.mpr");
    EXPECT_FALSE(record.writeToFile(setPath("Dir.mpr")));
    EXPECT_EQ(m_out.take(),
              L"*Error* Could not save the property set " + setPath("Dir.mpr").str() + L".\n");
    // A folder that cannot be made (a file is in its place).
    writeBytes(m_dir / "Blocked", "x");
    EXPECT_FALSE(record.writeToFile(productForm(m_dir / "Blocked" / "Set.mpr")));
    int count = 0;
    MacroData reread = recordOf(201);
    EXPECT_TRUE(reread.readFromFile(setPath("Keep.mpr"), count));
    EXPECT_EQ(count, 0);
}

TEST_F(PropertySetTest, TheSampleLibrarysSetsLoadAndKeepTheRules) {
    setenv("TVL_LIB_DIR", TVL_SOURCE_DIR "/resources/install/tvllib/", 1);
    gSettings.reload();
    const struct {
        int macro;
        const char* set;
        int unread;
    } cases[] = {{201, "Heavy end plate", 0},
                 {202, "Light end plate", 0},
                 {201, "Old end plate", 2},
                 {203, "Base plate 360", 0},
                 {203, "Heavy end plate", 24}}; // another kind: nothing fits
    for (const auto& c : cases) {
        model::sampleModel().reset();
        MacroData record = recordOf(c.macro);
        Tvl_StringArray names, all;
        Tvl_String folder, ext;
        ASSERT_TRUE(record.getPropFiles(names, all, folder, ext));
        EXPECT_TRUE(all.contains(Tvl_String::fromUtf8(c.set)));
        const MacroData before = record;
        int count = -1;
        ASSERT_TRUE(record.readFromFile(folder + Tvl_String::fromUtf8(c.set) + ext, count))
            << c.set;
        EXPECT_EQ(count, c.unread) << c.set;
        Tvl_Array<int> codes, tabs;
        record.differences(before, names, codes, tabs);
        codes.removeAll(kMacroItemRecordOnly);
        EXPECT_TRUE(record.setAllToMacro(names, codes, tabs)) << c.set << m_out.take().size();
    }
    MacroData ep = recordOf(201);
    Tvl_StringArray names, all;
    Tvl_String folder, ext;
    ep.getPropFiles(names, all, folder, ext);
    EXPECT_EQ(names, (Tvl_StringArray{L"Heavy end plate", L"Light end plate", L"Old end plate"}));
}

TEST_F(PropertySetTest, PreviewsAreMadeOnlyWhereMissing) {
    writeBytes(m_dir / "Macros" / "A.dwg", "a");
    writeBytes(m_dir / "Macros" / "B.dwg", "b");
    writeBytes(m_dir / "Macros" / "B.bmp", "kept");
    const Tvl_StringArray drawings = {productForm(m_dir / "Macros" / "A.dwg"),
                                      productForm(m_dir / "Macros" / "B.dwg"),
                                      productForm(m_dir / "Macros" / "notes.txt")};
    EXPECT_EQ(CreatePreviewBMPs(drawings), 1);
    std::ifstream made(m_dir / "Macros" / "A.bmp", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(made)), {});
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_GT(bytes.size(), 96u * 96u * 3u);
    std::ifstream kept(m_dir / "Macros" / "B.bmp", std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(kept)), {}), "kept");
    EXPECT_EQ(CreatePreviewBMPs(drawings), 0);
}
