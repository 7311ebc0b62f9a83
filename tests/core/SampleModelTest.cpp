#include "core/model/SampleModel.h"
#include "CaptureOutput.h"
#include "TestSupport.h"
#include "core/MacroCallBacks.h"

#include <gtest/gtest.h>

namespace {

const AcDbObjectId kEP1 = AcDbObjectId::fromOldId(201);
const AcDbObjectId kEP2 = AcDbObjectId::fromOldId(202);
const AcDbObjectId kBP1 = AcDbObjectId::fromOldId(203);

class SampleModelTest : public ::testing::Test {
protected:
    void SetUp() override { model::sampleModel().reset(); }
    void TearDown() override { model::sampleModel().reset(); }

    static MacroData recordOf(std::initializer_list<AcDbObjectId> ids) {
        AcArray<AcDbObjectId> list;
        for (const AcDbObjectId& id : ids)
            list.append(id);
        MacroData record;
        EXPECT_TRUE(model::sampleModel().fillRecord(list, record));
        return record;
    }
    static Tvl_String value(const MacroData& record, const wchar_t* module, const wchar_t* cell) {
        const MacroTabData* tab = record.tabOfModule(module);
        const MacroCell* c = tab ? tab->cellWithName(cell) : nullptr;
        return c ? c->m_value : Tvl_String(L"<missing>");
    }
    // What the frame does when a page applies: differences against the before-copy, then
    // UpdateModule with them.
    static bool edit(MacroData& record, const wchar_t* module, const wchar_t* cell,
                     const wchar_t* text) {
        MacroTabData* tab = record.tabOfModule(module);
        const MacroTabData before = *tab;
        tab->cellWithName(cell)->m_value = text;
        Tvl_StringArray names;
        Tvl_Array<int> codes, indices;
        tab->differences(before, names, codes, indices);
        return UpdateModule(module, record, codes, indices);
    }
    CaptureOutput m_out;
};

} // namespace

TEST_F(SampleModelTest, RecordOfOneMacro) {
    const MacroData record = recordOf({kEP1});
    EXPECT_EQ(record.m_title, L"End plate EP1");
    EXPECT_EQ(record.m_names, (Tvl_StringArray{L"EP1"}));
    EXPECT_EQ(record.m_groupKeys, (Tvl_StringArray{L"Connections", L"BasePlates"}));
    EXPECT_EQ(record.m_firstSelection, 0);
    EXPECT_EQ(record.m_secondList, (Tvl_StringArray{L"EP1", L"EP2"}));
    EXPECT_EQ(record.m_secondSelection, 0);
    ASSERT_EQ(record.tabCount(), 3);
    EXPECT_EQ(record.tab(0)->m_kind, MacroTabData::kGeneral);
    EXPECT_TRUE(record.tab(0)->m_designFile.endsWith(
        L"Dialog Templates\\Dialog Design\\Connections\\EndPlate.txt"));
    EXPECT_EQ(record.tab(1)->m_kind, MacroTabData::kBolts);
    EXPECT_EQ(record.tab(2)->m_kind, 4);
    EXPECT_TRUE(record.propListAllowed());
    EXPECT_EQ(value(record, L"EndPlate", L"PlateHeight"), L"340");
    EXPECT_EQ(value(record, L"EndPlate", L"PlateWeight"), L"6.4");
    EXPECT_EQ(m_out.text(), L""); // the starting model breaks no rule

    const MacroData two = recordOf({kEP1, AcDbObjectId::fromOldId(999), kEP2});
    EXPECT_EQ(two.m_title, L"2 macros: End plate");
    EXPECT_EQ(two.m_objects.length(), 2);
    EXPECT_EQ(two.m_secondSelection, -1);
    EXPECT_TRUE(two.propListAllowed());
    const MacroData mixed = recordOf({kEP1, kBP1});
    EXPECT_FALSE(mixed.propListAllowed());
    MacroData none;
    EXPECT_FALSE(model::sampleModel().fillRecord(AcArray<AcDbObjectId>(), none));
}

TEST_F(SampleModelTest, AnEditChangesItsDependentsInOrder) {
    MacroData record = recordOf({kEP1});
    record.tab(0)->cellWithName(L"PlateThickness")->m_reference = 33002;
    ASSERT_TRUE(edit(record, L"EndPlate", L"PlateThickness", L"20.00"));
    EXPECT_EQ(value(record, L"EndPlate", L"PlateThickness"), L"20");
    EXPECT_EQ(value(record, L"EndPlate", L"WeldSize"), L"10");
    EXPECT_EQ(value(record, L"EndPlate", L"PlateWeight"), L"8.5");
    // The dialog's references survive the refresh.
    EXPECT_EQ(record.tab(0)->cellWithName(L"PlateThickness")->m_reference, 33002);
    EXPECT_NE(m_out.text().find(L"EP1 EndPlate.WeldSize: 7.5 -> 10\n"), std::wstring::npos);

    // A longer extension makes the plate taller (flexible member of group "Fix") and so
    // heavier: two levels of dependents.
    ASSERT_TRUE(edit(record, L"EndPlate", L"TopExtension", L"40"));
    EXPECT_EQ(value(record, L"EndPlate", L"PlateHeight"), L"360");
    EXPECT_EQ(value(record, L"EndPlate", L"PlateWeight"), L"9");

    // Another macro of the same kind is not touched.
    EXPECT_EQ(value(recordOf({kEP2}), L"EndPlate", L"PlateHeight"), L"340");
}

TEST_F(SampleModelTest, RefusedValuesLeaveTheModelsValuesInTheRecord) {
    MacroData record = recordOf({kEP1});
    const MacroData before = record;
    EXPECT_FALSE(edit(record, L"EndPlate", L"PlateThickness", L"-5"));
    EXPECT_EQ(record, before);
    EXPECT_NE(
        m_out.take().find(
            L"Refused: End plate EP1, End plate: the plate thickness must be greater than 0.\n"),
        std::wstring::npos);
    EXPECT_FALSE(edit(record, L"EndPlate", L"PlateThickness", L"abc"));
    EXPECT_EQ(record, before);
    EXPECT_NE(m_out.take().find(L"\"abc\" is not a number"), std::wstring::npos);
    EXPECT_FALSE(edit(record, L"EndPlate", L"Grade", L"S999"));
    EXPECT_FALSE(edit(record, L"EndPlate", L"Stiffeners", L"2"));
    EXPECT_EQ(record, before);

    // A rule across modules: more bolt rows than fit on the plate.
    MacroTabData* bolts = record.tabOfModule(L"Bolts");
    const MacroTabData copy = *bolts;
    bolts->patternWithName(L"Rows")->m_count1 = L"6";
    Tvl_StringArray names;
    Tvl_Array<int> codes, indices;
    bolts->differences(copy, names, codes, indices);
    EXPECT_FALSE(UpdateModule(L"Bolts", record, codes, indices));
    EXPECT_EQ(record.tabOfModule(L"Bolts")->patternWithName(L"Rows")->m_count1, L"4");
    EXPECT_NE(m_out.take().find(L"the bolt rows do not fit on the plate"), std::wstring::npos);

    // A diameter the assembly does not offer.
    bolts = record.tabOfModule(L"Bolts");
    bolts->m_bolt.m_diameter = L"M30";
    EXPECT_FALSE(UpdateModule(L"Bolts", record, {kMacroItemBolt}, {0}));
    EXPECT_EQ(record.tabOfModule(L"Bolts")->m_bolt.m_diameter, L"M20");
    // Unknown modules and records without macros are refused, not crashes.
    EXPECT_FALSE(UpdateModule(L"Nope", record, {kMacroItemCell}, {0}));
    MacroData empty;
    EXPECT_FALSE(UpdateModule(L"EndPlate", empty, {kMacroItemCell}, {0}));
    // Indices that do not match the tab are skipped.
    EXPECT_TRUE(UpdateModule(L"EndPlate", record, {kMacroItemCell, 99}, {500}));
}

TEST_F(SampleModelTest, AnEditOfSeveralMacrosChangesEach) {
    MacroData record = recordOf({kEP1, kEP2});
    ASSERT_TRUE(edit(record, L"Bolts", L"Pitch", L"80"));
    EXPECT_EQ(value(recordOf({kEP2}), L"Bolts", L"Pitch"), L"80");
    EXPECT_EQ(value(recordOf({kEP1}), L"Bolts", L"Pitch"), L"80");
}

TEST_F(SampleModelTest, FlexibleMemberSwitches) {
    MacroData record = recordOf({kEP1});
    MacroTabData* tab = record.tab(0);
    const MacroTabData before = *tab;
    ASSERT_TRUE(tab->flexFixBtnClicked(L"Fix", L"TopExtension", false));
    Tvl_StringArray names;
    Tvl_Array<int> codes, indices;
    tab->differences(before, names, codes, indices);
    ASSERT_TRUE(UpdateModule(L"EndPlate", record, codes, indices));
    EXPECT_TRUE(record.tab(0)->cellWithName(L"TopExtension")->m_readOnly);
    EXPECT_FALSE(record.tab(0)->cellWithName(L"PlateHeight")->m_readOnly);
    ASSERT_TRUE(edit(record, L"EndPlate", L"PlateHeight", L"360"));
    EXPECT_EQ(value(record, L"EndPlate", L"TopExtension"), L"40");
    // A computed cell cannot be set from the dialog.
    ASSERT_TRUE(edit(record, L"EndPlate", L"TopExtension", L"99"));
    EXPECT_EQ(value(record, L"EndPlate", L"TopExtension"), L"40");
}

TEST_F(SampleModelTest, ClashCheckReportsTheSampleGeometry) {
    MacroData record = recordOf({kEP1});
    EXPECT_TRUE(clashGetStatus());
    EXPECT_EQ(clashcheck(-1, record.m_objects), 2);
    EXPECT_EQ(m_out.take(),
              L"Clash: bolt head 1.1 of EP1 with top flange of B1, overlap 14 x 8.7 x 36 mm.\n"
              L"Clash: bolt head 1.2 of EP1 with top flange of B1, overlap 14 x 8.7 x 36 mm.\n"
              L"Clash check: 2 clashes.\n");
    // Moving the bolts away from the flange removes the clash.
    ASSERT_TRUE(edit(record, L"Bolts", L"EdgeDist", L"50"));
    m_out.take();
    EXPECT_EQ(clashcheck(-1, record.m_objects), 0);
    EXPECT_EQ(m_out.take(), L"Clash check: no clashes.\n");
    // A gauge so small that the nuts hit the column's web.
    ASSERT_TRUE(edit(record, L"Bolts", L"Gauge", L"40"));
    // (the heads then reach the beam's web as well: eight nuts and eight heads)
    EXPECT_EQ(clashcheck(-1, record.m_objects), 16);

    MacroData base = recordOf({kBP1});
    m_out.take();
    EXPECT_EQ(clashcheck(0, base.m_objects), 1);
    EXPECT_EQ(m_out.take(), L"Clash: plate of BP1 with pipe of P1, overlap 20 x 20 x 80 mm.\n"
                            L"Clash check: 1 clash.\n");
    ASSERT_TRUE(edit(base, L"BasePlate", L"PlateLength", L"360"));
    EXPECT_EQ(clashcheck(0, base.m_objects), 0);

    clashSetStatus(false);
    m_out.take();
    EXPECT_EQ(clashcheck(0, recordOf({kEP2}).m_objects), 0);
    EXPECT_EQ(m_out.take(), L"");
    clashInitDlgStarted(3);
    clashResetInfo(base.m_objects);
    EXPECT_EQ(model::sampleModel().m_clashObjects, base.m_objects);
    clashDlgClosed(3);
    EXPECT_TRUE(model::sampleModel().m_clashDialogs.empty());
}

TEST_F(SampleModelTest, SelectionListsRebuildTheRecord) {
    MacroData record = recordOf({kEP1});
    record.m_firstSelection = 1;
    UpdateAllFilterModified(record, true);
    EXPECT_EQ(record.m_title, L"Base plate BP1");
    EXPECT_EQ(record.m_secondList, (Tvl_StringArray{L"BP1"}));
    EXPECT_EQ(record.tab(0)->m_module, L"BasePlate");

    record = recordOf({kEP1});
    record.m_secondSelection = 1;
    UpdateAllFilterModified(record, false);
    EXPECT_EQ(record.m_names, (Tvl_StringArray{L"EP2"}));
    EXPECT_EQ(record.m_secondSelection, 1);

    // Selections outside the lists change nothing.
    const MacroData before = record;
    record.m_secondSelection = 7;
    UpdateAllFilterModified(record, false);
    record.m_firstSelection = -1;
    UpdateAllFilterModified(record, true);
    record.m_secondSelection = 1;
    record.m_firstSelection = 0;
    EXPECT_EQ(record, before);
}

TEST_F(SampleModelTest, ViewsBlocksReApplyAndBolts) {
    MacroData record = recordOf({kEP1});
    record.changeView(L"EndPlate", 2);
    EXPECT_EQ(m_out.take(), L"View 2 (side): End plate EP1, module EndPlate\n");
    record.changeView(L"EndPlate", 7);
    EXPECT_EQ(m_out.take(), L"*Error* There is no view 7.\n");
    EXPECT_TRUE(swapBlockRefs(record, L"EndPlate", L"c:\\lib\\Blocks\\Label B.dwg"));
    EXPECT_EQ(m_out.take(), L"End plate EP1: the block of EndPlate is now Label B.\n");
    EXPECT_FALSE(swapBlockRefs(record, L"Bolts", L"c:\\x\\Label B.dwg"));
    EXPECT_FALSE(swapBlockRefs(record, L"EndPlate", L""));
    EXPECT_TRUE(record.reApply());
    EXPECT_EQ(m_out.take(), L"Re-applied End plate EP1.\n");
    MacroData empty;
    EXPECT_FALSE(empty.reApply());

    Tvl_StringArray list;
    EXPECT_TRUE(GetAssemblies(list));
    EXPECT_EQ(list.length(), 4);
    EXPECT_TRUE(GetDiameters(L"Hex 8.8", list));
    EXPECT_EQ(list, (Tvl_StringArray{L"M12", L"M16", L"M20", L"M24"}));
    EXPECT_FALSE(GetDiameters(L"hex 8.8", list));
    EXPECT_EQ(list.length(), 0);
    record.tab(1)->GetMergedDiameters(list);
    EXPECT_EQ(list.length(), 4);
}

TEST_F(SampleModelTest, SyntheticChainEvaluatesInDependencyOrder) {
    const AcDbObjectId id = model::sampleModel().addSyntheticMacro(2, 10);
    MacroData record = recordOf({id});
    // C5..C9 read earlier cells: C5 = C4 + C0 * 0.5, C6 = C5 + C1 * 0.5, ...
    EXPECT_EQ(value(record, L"M1", L"C9"), L"3.5");
    ASSERT_TRUE(edit(record, L"M1", L"C4", L"11"));
    EXPECT_EQ(value(record, L"M1", L"C5"), L"11.5");
    EXPECT_EQ(value(record, L"M1", L"C9"), L"18.5"); // C8 + C4 * 0.5
    EXPECT_EQ(value(record, L"M0", L"C9"), L"3.5");
}
