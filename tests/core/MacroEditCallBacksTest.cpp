// The macro editor's call-backs on the sample model: modules, variables and equations,
// constraints and geometries, as the editor calls them.

#include "core/macroedit/MacroEditCallBacks.h"
#include "CaptureOutput.h"
#include "core/MacroData.h"
#include "core/model/SampleModel.h"

#include <gtest/gtest.h>

namespace {

const AcDbObjectId kEP1 = AcDbObjectId::fromOldId(201);

class MacroEditCallBacks : public ::testing::Test {
protected:
    void SetUp() override {
        model::sampleModel().reset();
        ASSERT_TRUE(fillEditRecord(kEP1, L"EndPlate", m_data));
    }
    void TearDown() override { model::sampleModel().reset(); }

    // What the macro dialog shows: the model's value of a cell.
    static Tvl_String shown(const wchar_t* macro, const wchar_t* module, const wchar_t* cell) {
        MacroData record;
        AcArray<AcDbObjectId> ids;
        ids.append(model::sampleModel().instanceByName(macro)->m_id);
        model::sampleModel().fillRecord(ids, record);
        const MacroTabData* tab = record.tabOfModule(module);
        const MacroCell* c = tab ? tab->cellWithName(cell) : nullptr;
        return c ? c->m_value : Tvl_String(L"<missing>");
    }
    int variable(const wchar_t* name) const {
        int at = -1;
        m_data.m_varNames.find(name, at);
        return at;
    }
    int equation(const wchar_t* prefix) const {
        for (int i = 0; i < m_data.m_equations.length(); ++i)
            if (m_data.m_equations[i].startsWith(prefix))
                return i;
        return -1;
    }
    Tvl_StringArray firstColumn() const {
        Tvl_StringArray names;
        for (const Tvl_StringArray& row : m_data.m_constrDescriptions)
            names.append(row[0]);
        return names;
    }

    EditConstrData m_data;
    CaptureOutput m_out;
};

TEST_F(MacroEditCallBacks, RecordHoldsTheModuleAndEveryConstraintIsConsistent) {
    EXPECT_EQ(m_data.m_name, L"EP1");
    EXPECT_EQ(m_data.m_modules, Tvl_StringArray({L"EndPlate", L"Bolts", L"Notes"}));
    ASSERT_GE(variable(L"PlateThickness"), 0);
    EXPECT_EQ(m_data.m_varValues[variable(L"PlateThickness")], 15);
    EXPECT_EQ(m_data.m_varTypes[variable(L"WeldSize")], 3); // calculated
    ASSERT_GE(equation(L"WeldSize = "), 0);
    EXPECT_EQ(m_data.m_dimNames, Tvl_StringArray({L"H", L"W"}));
    EXPECT_EQ(m_data.m_dimValues[0], L"340");
    ASSERT_EQ(m_data.constraintCount(), 5);
    for (int i = 0; i < m_data.constraintCount(); ++i)
        EXPECT_TRUE(m_data.isConsistent(i)) << i;
    EXPECT_FALSE(m_data.isConsistent(5));
    EXPECT_EQ(m_data.m_constrKinds[2], EditConstrData::kKindCut);
    EXPECT_EQ(m_data.m_currentConstrId, m_data.m_constrIds[0]);
    ASSERT_EQ(m_data.geometryCount(), 3);
    EXPECT_EQ(m_data.m_geomFixed[2], -1);
    // A record missing an entry the panel needs is not consistent for that constraint.
    EditConstrData broken = m_data;
    broken.m_constrValues.setLogicalLength(1);
    EXPECT_FALSE(broken.isConsistent(1));
    EXPECT_TRUE(broken.isConsistent(0)); // no value wanted there
}

TEST_F(MacroEditCallBacks, ChangedEquationChangesWhatTheMacroDialogShows) {
    EXPECT_EQ(shown(L"EP1", L"EndPlate", L"WeldSize"), L"7.5");
    const int at = equation(L"WeldSize = ");
    m_data.m_equations[at] = L"WeldSize = round(0.7 * PlateThickness, 1)\r";
    m_data.m_equations.append(L"   "); // an empty line
    ASSERT_TRUE(UpdateVarsEqs(&m_data));
    EXPECT_EQ(shown(L"EP1", L"EndPlate", L"WeldSize"), L"10.5");
    EXPECT_EQ(shown(L"EP2", L"EndPlate", L"WeldSize"), L"10.5"); // the macro's definition
    EXPECT_NE(m_out.text().find(L"EP1 EndPlate.WeldSize: 7.5 -> 10.5"), std::wstring::npos);
    // The record holds the model's state: no stray carriage return, no empty line.
    EXPECT_EQ(m_data.m_equations[equation(L"WeldSize = ")],
              L"WeldSize = round(0.7 * PlateThickness, 1)");
    EXPECT_EQ(m_data.m_varValues[variable(L"WeldSize")], 10.5);
}

TEST_F(MacroEditCallBacks, EquationsThatDoNotParseOrNameNothingAreRefusedWithTheirLine) {
    const EditConstrData before = m_data;
    m_data.m_equations.append(L"PlateWidth = 3 *");
    EXPECT_FALSE(UpdateVarsEqs(&m_data));
    EXPECT_NE(m_out.take().find(L"Equation line 3"), std::wstring::npos);
    m_data = before;
    m_data.m_equations.append(L"Nothing = 1");
    EXPECT_FALSE(UpdateVarsEqs(&m_data));
    EXPECT_NE(m_out.take().find(L"there is no variable \"Nothing\""), std::wstring::npos);
    m_data = before;
    m_data.m_equations.append(L"PlateWidth >= 3");
    EXPECT_FALSE(UpdateVarsEqs(&m_data));
    // Nothing reached the model.
    EXPECT_EQ(shown(L"EP1", L"EndPlate", L"PlateWidth"), L"160");
    // An equation that breaks a rule is refused as a whole.
    m_data = before;
    m_data.m_equations.append(L"PlateWidth = 500");
    EXPECT_FALSE(UpdateVarsEqs(&m_data));
    EXPECT_EQ(shown(L"EP1", L"EndPlate", L"PlateWidth"), L"160");
}

TEST_F(MacroEditCallBacks, VariablesAreAddedRemovedAndMustHaveDistinctNames) {
    m_data.m_varNames.append(L"Gap");
    m_data.m_varValues.append(0.0625);
    m_data.m_varTypes.append(5);
    ASSERT_TRUE(UpdateVarsEqs(&m_data));
    EXPECT_EQ(shown(L"EP1", L"EndPlate", L"Gap"), L"0.06"); // the model keeps 2 decimals
    EXPECT_EQ(m_data.m_varTypes[variable(L"Gap")], 5);
    const int remark = variable(L"Remark");
    m_data.m_varNames.removeAt(remark);
    m_data.m_varValues.removeAt(remark);
    m_data.m_varTypes.removeAt(remark);
    ASSERT_TRUE(UpdateVarsEqs(&m_data));
    EXPECT_EQ(shown(L"EP1", L"EndPlate", L"Remark"), L"<missing>");

    m_data.m_varNames.append(L"Gap");
    m_data.m_varValues.append(1);
    m_data.m_varTypes.append(0);
    EXPECT_FALSE(UpdateVarsEqs(&m_data));
    EXPECT_NE(m_out.text().find(L"The variable Gap is there twice"), std::wstring::npos);
}

TEST_F(MacroEditCallBacks, UnchangedStoreChangesNothingAndPrintsNothing) {
    m_out.take();
    ASSERT_TRUE(UpdateVarsEqs(&m_data));
    ASSERT_TRUE(UpdateVarsEqs(&m_data));
    EXPECT_EQ(m_out.text(), L"");
}

TEST_F(MacroEditCallBacks, ModulesAreAddedRenamedWithTheirContentAndRemoved) {
    ASSERT_TRUE(StartMacroCommand(&m_data, 11));
    EXPECT_EQ(m_data.m_modules.last(), L"Module1");
    EXPECT_EQ(model::sampleModel().instanceByName(L"EP2")->m_modules.size(), 4u);

    ASSERT_TRUE(SetCurrentModule(&m_data, L"Bolts"));
    const int constraints = m_data.constraintCount();
    ASSERT_TRUE(RenameModule(&m_data, L"Bolting"));
    EXPECT_EQ(m_data.m_currentModule, L"Bolting");
    EXPECT_EQ(m_data.constraintCount(), constraints);
    EXPECT_EQ(shown(L"EP1", L"Bolting", L"Pitch"), L"70");
    EXPECT_FALSE(RenameModule(&m_data, L"EndPlate")); // taken
    EXPECT_FALSE(RenameModule(&m_data, L"2nd"));      // not a name
    EXPECT_EQ(m_data.m_currentModule, L"Bolting");

    // References of other modules follow a rename.
    ASSERT_TRUE(SetCurrentModule(&m_data, L"EndPlate"));
    ASSERT_TRUE(RenameModule(&m_data, L"Plate"));
    ASSERT_TRUE(SetCurrentModule(&m_data, L"Bolting"));
    EXPECT_TRUE(StartMacroCommand(&m_data, 10)); // still solves: rules read Plate.*

    ASSERT_TRUE(RemoveModule(&m_data, L"Module1"));
    EXPECT_EQ(m_data.m_modules, Tvl_StringArray({L"Plate", L"Bolting", L"Notes"}));
    // The bolt rules read the plate: the plate cannot go.
    EXPECT_FALSE(RemoveModule(&m_data, L"Plate"));
    EXPECT_EQ(m_data.m_modules.length(), 3);
}

TEST_F(MacroEditCallBacks, DeletedConstraintIsGoneAndSortingReorders) {
    int index = 0;
    ASSERT_TRUE(DeleteConstraint(&m_data, index));
    EXPECT_EQ(m_data.constraintCount(), 4);
    EXPECT_FALSE(firstColumn().contains(L"Plate on flange"));
    EditConstrData again;
    ASSERT_TRUE(fillEditRecord(kEP1, L"EndPlate", again));
    EXPECT_EQ(again.constraintCount(), 4);

    ASSERT_TRUE(SortConstraints(&m_data, 1, 2));
    EXPECT_EQ(firstColumn(), Tvl_StringArray({L"Beam square", L"Corner cut", L"Plate thickness",
                                              L"Top extension"}));
    ASSERT_TRUE(SortConstraints(&m_data, 2, 1)); // by type, ties by name
    EXPECT_EQ(firstColumn(), Tvl_StringArray({L"Corner cut", L"Plate thickness", L"Top extension",
                                              L"Beam square"}));
    EXPECT_FALSE(SortConstraints(&m_data, 5, 1));
}

TEST_F(MacroEditCallBacks, ConstraintValueDrivesItsVariable) {
    int index = 3; // top extension, bound to TopExtension
    ASSERT_EQ(m_data.m_constrNames[index], L"TopExtension");
    m_data.m_constrValues[index] = L"30";
    ASSERT_TRUE(UpdateConstraint(&m_data, index));
    EXPECT_EQ(shown(L"EP1", L"EndPlate", L"TopExtension"), L"30");
    m_data.m_constrValues[index] = L"-5"; // breaks a rule: refused, nothing kept
    EXPECT_FALSE(UpdateConstraint(&m_data, index));
    EXPECT_EQ(shown(L"EP1", L"EndPlate", L"TopExtension"), L"30");
    EXPECT_EQ(m_data.m_constrValues[index], L"30");

    bool inUse = false;
    m_data.m_currentConstrId = m_data.m_constrIds[1];
    ASSERT_TRUE(VarNameInUse(&m_data, L"TopExtension", inUse));
    EXPECT_TRUE(inUse);
    ASSERT_TRUE(VarNameInUse(&m_data, L"Fresh", inUse));
    EXPECT_FALSE(inUse);
}

TEST_F(MacroEditCallBacks, ContextMenuHasSeparatorsAndActionsChangeTheList) {
    Tvl_StringArray texts;
    AcArray<int> actions, checked;
    ASSERT_TRUE(ConstrContextMenu(&m_data, 0, texts, actions, checked));
    int separators = 0;
    for (const Tvl_String& t : texts)
        separators += t == L"%BREAK%";
    EXPECT_EQ(actions.length(), texts.length() - separators);
    EXPECT_TRUE(checked.contains(3)); // "Driving", option 1 of the first constraint
    int index = 0, moveDown = actions[4];
    ASSERT_TRUE(ContextMenuAction(&m_data, index, moveDown));
    EXPECT_EQ(firstColumn()[1], L"Plate on flange");
    int last = 4;
    EXPECT_FALSE(ContextMenuAction(&m_data, last, moveDown)); // already last
}

TEST_F(MacroEditCallBacks, CutAndGeometries) {
    // The cut dialog lives in the dialogs module (the host tests open it); without that
    // module the cut is left alone, the flag untouched and the reason printed.
    bool escape = true;
    EXPECT_FALSE(StartEditMacroCutDlg(kEP1, L"EP1", m_data.m_constrIds[2], escape));
    EXPECT_TRUE(escape);
    EXPECT_NE(m_out.text().find(L"KW.arx is not loaded"), std::wstring::npos);
    m_out.take();
    EXPECT_FALSE(StartEditMacroCutDlg(kEP1, L"EP1", m_data.m_constrIds[0], escape)); // no cut
    EXPECT_EQ(m_out.text().find(L"KW.arx"), std::wstring::npos);

    AcDbObjectId id = m_data.m_geomIds[0];
    long flex = m_data.m_geomFlexValues[0];
    int value = 3;
    ASSERT_TRUE(UpdateGeomFlexibility(&m_data, id, flex, value));
    EXPECT_EQ(m_data.m_geomFlexibility[0], 2);
    value = 4;
    EXPECT_FALSE(UpdateGeomFlexibility(&m_data, id, flex, value));
    ASSERT_TRUE(UpdateConstrGeom(&m_data, id, true));
    EXPECT_EQ(m_data.m_geomFixed[0], 1);
    AcDbObjectId none = m_data.m_geomIds[2]; // no fixed state
    EXPECT_FALSE(UpdateConstrGeom(&m_data, none, true));
    EditConstrData fresh;
    ASSERT_TRUE(fillEditRecord(kEP1, L"EndPlate", fresh));
    ASSERT_TRUE(GetGeomFlexibility(&fresh));
    EXPECT_EQ(fresh.m_geomFlexibility[0], 2);
}

TEST_F(MacroEditCallBacks, UnknownMacroOrModuleChangesNothing) {
    EditConstrData none;
    EXPECT_FALSE(fillEditRecord(AcDbObjectId::fromOldId(999), L"", none));
    EXPECT_FALSE(SetCurrentModule(&m_data, L"Nowhere"));
    EXPECT_EQ(m_data.m_currentModule, L"EndPlate");
    EXPECT_FALSE(StartMacroCommand(&m_data, 14));
    EXPECT_FALSE(StartMacroCommand(&m_data, -1));
    EXPECT_FALSE(UpdateVarsEqs(nullptr));
    int index = 99;
    EXPECT_FALSE(UpdateConstraint(&m_data, index));
}

} // namespace
