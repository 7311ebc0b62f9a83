// The stored list of a control and the dialog-design file pair.

#include "tests/kw/designer/DesignerTestSupport.h"

#include "kw/frame/KWExports.h"
#include "platform/base/Files.h"

#include <fstream>
#include <limits>
#include <variant>

TEST(DesignerControl, StoredListSplitsByType) {
    Tvl_DesignerControl flexDim;
    flexDim.type = tvlCtrlFlexDim;
    EXPECT_TRUE(flexDim.setSplitExtComboList(L"a;b;c;d;e;f"));
    EXPECT_EQ(flexDim.extField1, L"a");
    EXPECT_EQ(flexDim.extField4, L"d");
    EXPECT_EQ(flexDim.comboList, L"e;f");
    EXPECT_EQ(flexDim.getMergedExtComboList(), L"a;b;c;d;e;f");

    // Fewer than four separators: false, the later fields stay empty (also old values).
    EXPECT_FALSE(flexDim.setSplitExtComboList(L"x;y"));
    EXPECT_EQ(flexDim.extField1, L"x");
    EXPECT_EQ(flexDim.extField2, L"y");
    EXPECT_TRUE(flexDim.extField3.isEmpty());
    EXPECT_TRUE(flexDim.extField4.isEmpty());
    EXPECT_TRUE(flexDim.comboList.isEmpty());
    // The joined form holds every separator, so empty fields come back whole.
    EXPECT_EQ(flexDim.getMergedExtComboList(), L"x;y;;;");
    EXPECT_TRUE(flexDim.setSplitExtComboList(flexDim.getMergedExtComboList()));

    Tvl_DesignerControl flex;
    flex.type = tvlCtrlFlexButton;
    EXPECT_TRUE(flex.setSplitExtComboList(L"grp;2;3;rest"));
    EXPECT_EQ(flex.flexGroup, L"grp");
    EXPECT_EQ(flex.flexField2, L"2");
    EXPECT_EQ(flex.flexField3, L"3;rest");
    EXPECT_FALSE(flex.setSplitExtComboList(L"only"));
    EXPECT_EQ(flex.flexGroup, L"only");
    EXPECT_TRUE(flex.flexField2.isEmpty());

    Tvl_DesignerControl combo;
    combo.type = tvlCtrlCombo;
    EXPECT_TRUE(combo.setSplitExtComboList(L"c:\\lists\\a;b.txt"));
    EXPECT_EQ(combo.comboList, L"c:\\lists\\a;b.txt");
    EXPECT_EQ(combo.getMergedExtComboList(), combo.comboList);
}

TEST_F(DesignerTest, DesignRoundTripKeepsOrderTypesFactorsContentsAndLists) {
    writePicture(L"sub\\plate");
    Tvl_DlgDesignerData design;
    Tvl_DesignerControl controls[] = {
        control(tvlCtrlEdit, 0.1, 0.1, 0.3, 0.2, L"width"),
        control(tvlCtrlFlexDim, 1.0 / 3.0, 0.25, 0.5, 0.35, L"flex \"a\"", L"1;2;;4;list;more"),
        control(tvlCtrlFlexButton, 0.6, 0.1, 0.7, 0.2, L"A", L"group;x;"),
        control(tvlCtrlCheck, 0.6, 0.5, 0.7, 0.6, L"caf\u00e9", L"*Varies*"),
        control(tvlCtrlStatic, 0.0, 0.9, 0.2, 1.0, L""),
    };
    for (auto& c : controls)
        design.append(c);
    const Tvl_String path = m_root + L"sub\\copy.txt";
    ASSERT_TRUE(design.writeToFile(path));
    EXPECT_EQ(design.getName(), L"sub\\copy");

    Tvl_DlgDesignerData back;
    ASSERT_TRUE(back.readFromFile(path, false));
    EXPECT_EQ(back.getName(), L"sub\\copy");
    ASSERT_EQ(back.getNrControls(), 5);
    for (int i = 0; i < 5; ++i) {
        const Tvl_DesignerControl& a = *design.getControl(i);
        const Tvl_DesignerControl& b = *back.getControl(i);
        EXPECT_EQ(b.type, a.type) << i;
        EXPECT_EQ(b.topLeftX, a.topLeftX) << i; // exactly, not approximately
        EXPECT_EQ(b.topLeftY, a.topLeftY) << i;
        EXPECT_EQ(b.bottomRightX, a.bottomRightX) << i;
        EXPECT_EQ(b.bottomRightY, a.bottomRightY) << i;
        EXPECT_EQ(b.contents, a.contents) << i;
        EXPECT_EQ(b.getMergedExtComboList(), a.getMergedExtComboList()) << i;
        EXPECT_EQ(b.tabOrder, 0) << i; // rebuilt at run time, never read
    }
    EXPECT_EQ(back.getControl(1)->comboList, L"list;more");
    // Ids are given again, from an id range only after initialize.
    EXPECT_EQ(back.getControl(0)->resourceId, 0);

    // The picture of the old name went along under the new name.
    Tvl_DlgDesignerData named;
    ASSERT_TRUE(named.readFromFile(path, true));
    named.writeToFile(m_root + L"renamed.txt");
    EXPECT_TRUE(std::filesystem::exists(native(m_root + L"renamed.bmp")) == false);
}

TEST_F(DesignerTest, PictureFollowsTheDesignToItsNewName) {
    writePicture(L"sub\\plate");
    Tvl_DlgDesignerData design;
    Tvl_DesignerControl c = control(tvlCtrlEdit, 0.1, 0.1, 0.2, 0.2, L"a");
    design.append(c);
    ASSERT_TRUE(design.writeToFile(m_root + L"sub\\plate.txt"));
    ASSERT_TRUE(design.writeToFile(m_root + L"other.txt"));
    EXPECT_TRUE(std::filesystem::exists(native(m_root + L"other.bmp")));
    int w = 0, h = 0;
    Tvl_DlgDesignerData back;
    ASSERT_TRUE(back.readFromFile(m_root + L"other.txt", true));
    ui::Bitmap bmp;
    EXPECT_EQ(ui::readBmpFile(native(m_root + L"other.bmp").string(), bmp), ui::BmpStatus::Ok);
    EXPECT_EQ(bmp.width, 400);
    back.getImageSize(w, h);
    EXPECT_EQ(w, 0); // not initialized yet
}

TEST_F(DesignerTest, FilesOutsideTheRootAreNeitherWrittenNorRead) {
    Tvl_DlgDesignerData design;
    Tvl_DesignerControl c = control(tvlCtrlEdit, 0.1, 0.1, 0.2, 0.2, L"a");
    design.append(c);
    const Tvl_String outside = Tvl_String(base::toProduct(m_tmp / "outside.txt"));
    EXPECT_FALSE(design.writeToFile(outside));
    EXPECT_FALSE(std::filesystem::exists(m_tmp / "outside.txt"));
    EXPECT_FALSE(design.writeToFile(m_root + L"..\\escape.txt"));
    EXPECT_FALSE(std::filesystem::exists(native(m_root) / ".." / "escape.txt"));
    EXPECT_TRUE(design.getName().isEmpty());

    std::ofstream(m_tmp / "outside.txt") << "nrOfControls=1\n";
    EXPECT_FALSE(design.readFromFile(outside, false));
    EXPECT_EQ(design.getNrControls(), 1); // unchanged
    EXPECT_FALSE(design.readFromFile(m_root + L"missing.txt", false));
    EXPECT_EQ(design.getNrControls(), 1);
}

TEST_F(DesignerTest, DamagedDesignFilesGiveFalseAndAnEmptyDesign) {
    Tvl_DlgDesignerData design;
    const std::filesystem::path file = native(m_root + L"bad.txt");
    const std::string damaged[] = {
        std::string("\x00\x01\x02\xff\xfe binary", 12),
        "this is not a property list\n",
    };
    for (const std::string& bytes : damaged) {
        std::ofstream(file, std::ios::binary) << bytes;
        Tvl_DesignerControl c = control(tvlCtrlEdit, 0, 0, 1, 1, L"x");
        design.append(c);
        EXPECT_FALSE(design.readFromFile(m_root + L"bad.txt", true));
        EXPECT_EQ(design.getNrControls(), 0);
    }
    // A count the file cannot hold.
    Tvl_PropertiesList list;
    list.setProperty(L"nrOfControls", 2000000000);
    ASSERT_EQ(list.writeToFile(m_root + L"bad.txt"), Acad::eOk);
    EXPECT_FALSE(design.readFromFile(m_root + L"bad.txt", true));
    EXPECT_EQ(design.getNrControls(), 0);
    // A truncated design: missing keys keep the defaults.
    list.setProperty(L"nrOfControls", 2);
    list.setProperty(L"type0", 2);
    list.setProperty(L"contents0", L"len");
    list.setProperty(L"type1", 29);
    ASSERT_EQ(list.writeToFile(m_root + L"bad.txt"), Acad::eOk);
    ASSERT_TRUE(design.readFromFile(m_root + L"bad.txt", true));
    ASSERT_EQ(design.getNrControls(), 2);
    EXPECT_EQ(design.getControl(1)->type, tvlCtrlCheck);
    EXPECT_EQ(design.getControl(1)->bottomRightX, 0.0);
    EXPECT_TRUE(design.getControl(1)->contents.isEmpty());
}

TEST_F(DesignerTest, DesignNamesAndTheExportedNameList) {
    Tvl_DlgDesignerData design;
    Tvl_DesignerControl edit1 = control(tvlCtrlEdit, 0, 0, 0.1, 0.1, L"L1");
    Tvl_DesignerControl text = control(tvlCtrlStatic, 0, 0, 0.1, 0.1, L"label");
    Tvl_DesignerControl edit2 = control(tvlCtrlEdit, 0, 0, 0.1, 0.1, L"L2");
    design.append(edit1);
    design.append(text);
    design.append(edit2);
    ASSERT_TRUE(design.writeToFile(m_root + L"sub\\b.txt"));
    ASSERT_TRUE(design.writeToFile(m_root + L"a.txt"));
    std::ofstream(native(m_root + L"notes.dat")) << "x";

    Tvl_StringArray names;
    getModuleImages(names);
    ASSERT_EQ(names.length(), 2);
    EXPECT_EQ(names[0], L"a");
    EXPECT_EQ(names[1], L"sub\\b");

    GetImageDlgCtrlNames(m_root + L"sub\\b.txt", names);
    ASSERT_EQ(names.length(), 2);
    EXPECT_EQ(names[0], L"L1");
    EXPECT_EQ(names[1], L"L2");
    GetImageDlgCtrlNames(m_root + L"missing.txt", names);
    EXPECT_EQ(names.length(), 0);
}

TEST_F(DesignerTest, OutOfRangeTypesWrongKindsAndNonFiniteEdgesAreDamage) {
    const Tvl_String path = m_root + L"bad.txt";
    Tvl_PropertiesList good;
    good.setProperty(L"nrOfControls", 1);
    control(tvlCtrlEdit, 0.1, 0.1, 0.2, 0.2, L"a").setToPropList(good, 0);
    ASSERT_EQ(good.writeToFile(path), Acad::eOk);
    Tvl_DlgDesignerData design;
    ASSERT_TRUE(design.readFromFile(path, false));

    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Damage {
        const wchar_t* key;
        std::variant<int, double, const wchar_t*> value;
    };
    const Damage damages[] = {
        {L"type0", 31},           {L"type0", -1},          {L"type0", 2.0},
        {L"nrOfControls", 1.0},   {L"nrOfControls", L"1"}, {L"topLeftX0", inf},
        {L"bottomRightY0", -inf}, {L"topLeftY0", nan},     {L"bottomRightX0", 1},
        {L"contents0", 7},
    };
    for (const Damage& d : damages) {
        Tvl_PropertiesList list = good;
        std::visit([&](auto v) { list.setProperty(d.key, v); }, d.value);
        ASSERT_EQ(list.writeToFile(path), Acad::eOk);
        Tvl_DesignerControl keep = control(tvlCtrlEdit, 0, 0, 1, 1, L"x");
        design.append(keep);
        EXPECT_FALSE(design.readFromFile(path, false)) << Tvl_String(d.key).toUtf8();
        EXPECT_EQ(design.getNrControls(), 0) << Tvl_String(d.key).toUtf8();
    }
    // The last known type is still a design.
    Tvl_PropertiesList list = good;
    list.setProperty(L"type0", 30);
    ASSERT_EQ(list.writeToFile(path), Acad::eOk);
    EXPECT_TRUE(design.readFromFile(path, false));
    EXPECT_EQ(design.getNrControls(), 1);
}

TEST_F(DesignerTest, ADesignReadBeforeItIsBoundGetsItsIdsWhenBound) {
    writePicture(L"ids");
    Tvl_DlgDesignerData writer;
    for (int i = 0; i < 3; ++i) {
        Tvl_DesignerControl c = control(tvlCtrlEdit, 0.1 * i, 0.1, 0.1 * i + 0.05, 0.2, L"v");
        writer.append(c);
    }
    ASSERT_TRUE(writer.writeToFile(m_root + L"ids.txt"));

    // Read, then bind.
    Tvl_DlgDesignerData early;
    ASSERT_TRUE(early.readFromFile(m_root + L"ids.txt", true));
    EXPECT_EQ(early.getControl(2)->resourceId, 0);
    DesignHost& host = makeHost(false);
    ASSERT_TRUE(early.initialize(&host, 33000, 33099, 0, 0, 0, 0, 0, false));
    // Bind, then read: the same ids.
    Tvl_DlgDesignerData late;
    ASSERT_TRUE(late.initialize(&host, 33000, 33099, 0, 0, 0, 0, 0, false));
    ASSERT_TRUE(late.readFromFile(m_root + L"ids.txt", true));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(early.getControl(i)->resourceId, 33000 + i);
        EXPECT_EQ(late.getControl(i)->resourceId, 33000 + i);
    }
    // The ids work: the controls are drawn, found and valued by id.
    early.redrawAllControls();
    EXPECT_TRUE(early.isADynControl(33002));
    EXPECT_TRUE(early.setCtrlValue(33002, L"12.50"));
    Tvl_String value;
    EXPECT_TRUE(early.getCtrlValue(33002, value));
    EXPECT_EQ(value, L"12.50");
}

TEST_F(DesignerTest, SavingWithoutAPictureKeepsTheFactorsRead) {
    Tvl_DlgDesignerData writer;
    Tvl_DesignerControl c = control(tvlCtrlEdit, 0.25, 0.5, 0.75, 0.625, L"v");
    writer.append(c);
    ASSERT_TRUE(writer.writeToFile(m_root + L"nopic.txt"));
    // A picture that is damaged is no picture.
    std::ofstream(native(m_root + L"nopic.bmp"), std::ios::binary) << "BM not really";

    Tvl_DlgDesignerData design;
    DesignHost& host = makeHost(true);
    ASSERT_TRUE(design.initialize(&host, 33000, 33099, kTypeCombo, kContentsLabel, kContentsEdit,
                                  kListLabel, kListEdit, true));
    ASSERT_TRUE(design.readFromFile(m_root + L"nopic.txt", true));
    design.redrawAllControls(); // drawn at 0,0 with no size
    ASSERT_TRUE(design.writeToFile(m_root + L"nopic2.txt"));
    Tvl_DlgDesignerData back;
    ASSERT_TRUE(back.readFromFile(m_root + L"nopic2.txt", false));
    EXPECT_EQ(back.getControl(0)->topLeftX, 0.25);
    EXPECT_EQ(back.getControl(0)->topLeftY, 0.5);
    EXPECT_EQ(back.getControl(0)->bottomRightX, 0.75);
    EXPECT_EQ(back.getControl(0)->bottomRightY, 0.625);
}
