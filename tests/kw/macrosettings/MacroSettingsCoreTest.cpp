// The core's settings of the sample model's macros: deep copies both ways, a round trip
// that keeps every value, lists of different lengths made whole, what a change prints.

#include "tests/kw/frame/FrameTestSupport.h"

#include "core/macrosettings/MacroSettingsCallBacks.h"
#include "core/model/SampleModel.h"

namespace {

const AcDbObjectId kEP1 = AcDbObjectId::fromOldId(201);

class MacroSettingsCore : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        model::sampleModel().reset();
    }
    void TearDown() override {
        FrameTest::TearDown();
        model::sampleModel().reset();
    }
    static AcDbObjectId idOf(const wchar_t* name) {
        return model::sampleModel().instanceByName(name)->m_id;
    }
};

TEST_F(MacroSettingsCore, GetGivesADeepCopyAndSetKeepsEveryValue) {
    MacroSettingsData settings;
    ASSERT_TRUE(GetMacroSettings(kEP1, settings));
    ASSERT_EQ(settings.m_filters.m_axisNames.length(), 2);
    EXPECT_EQ(settings.m_filters.m_axisMin[0], 87.125);
    ASSERT_EQ(settings.m_filters.m_sectionAnglePairs.length(), 1);
    EXPECT_EQ(settings.m_filters.m_sectionAnglePairs[0].length(), 6);
    EXPECT_EQ(settings.m_filters2.m_pathNames.length(), 0);

    // Changing the copy changes nothing in the model.
    settings.m_filters.m_axisMin[0] = 1;
    settings.m_propValues[0].append(L"Extra");
    MacroSettingsData again;
    ASSERT_TRUE(GetMacroSettings(kEP1, again));
    EXPECT_EQ(again.m_filters.m_axisMin[0], 87.125);
    EXPECT_EQ(again.m_propValues[0].length(), 3);

    // Written back, every list survives exactly, finer values included.
    settings.m_filters.m_axisMax[0] = 92.0625;
    settings.m_variables.m_values[1] = 1.0 / 3.0;
    settings.m_groups.m_positions[1] = 2;
    ASSERT_TRUE(SetMacroSettings(kEP1, settings));
    settings.m_filters.m_axisMax[0] = 0; // the model holds its own copy
    ASSERT_TRUE(GetMacroSettings(kEP1, again));
    EXPECT_EQ(again.m_filters.m_axisMin[0], 1);
    EXPECT_EQ(again.m_filters.m_axisMax[0], 92.0625);
    EXPECT_EQ(again.m_variables.m_values[1], 1.0 / 3.0);
    EXPECT_EQ(again.m_groups.m_positions[1], 2);
    EXPECT_EQ(again.m_propValues[0].length(), 4);
    EXPECT_EQ(again.m_propDesigns[0], L"Connections\\EndPlate");
}

TEST_F(MacroSettingsCore, SettingsBelongToTheDefinitionAndResetWithTheModel) {
    MacroSettingsData settings;
    ASSERT_TRUE(GetMacroSettings(kEP1, settings));
    settings.m_filters.m_filtersOn = false;
    ASSERT_TRUE(SetMacroSettings(kEP1, settings));
    MacroSettingsData other;
    ASSERT_TRUE(GetMacroSettings(idOf(L"EP2"), other));
    EXPECT_FALSE(other.m_filters.m_filtersOn); // same kind, same settings
    ASSERT_TRUE(GetMacroSettings(idOf(L"BP1"), other));
    EXPECT_EQ(other.m_filters.m_axisNames.length(), 1);
    model::sampleModel().reset();
    ASSERT_TRUE(GetMacroSettings(kEP1, settings));
    EXPECT_TRUE(settings.m_filters.m_filtersOn);
}

TEST_F(MacroSettingsCore, UnknownObjectsAreRefusedAndLeaveTheRecord) {
    MacroSettingsData settings;
    settings.m_variables.m_decimals = 7;
    EXPECT_FALSE(GetMacroSettings(AcDbObjectId::fromOldId(101), settings)); // a column
    EXPECT_EQ(settings.m_variables.m_decimals, 7);
    EXPECT_FALSE(SetMacroSettings(AcDbObjectId::fromOldId(99999), settings));
    EXPECT_NE(printed().find(L"Object 99999 is no macro."), std::wstring::npos);
    EXPECT_FALSE(listMacroSettings(AcDbObjectId()));
}

TEST_F(MacroSettingsCore, ListsOfDifferentLengthsAreMadeWhole) {
    MacroSettingsData settings;
    ASSERT_TRUE(GetMacroSettings(kEP1, settings));
    settings.m_filters.m_axisNames.append(L"Third");       // no other fields
    settings.m_filters2.m_sizeEnabled.append(1);           // more flags than names
    settings.m_filters.m_sectionAnglePairs[0].append(7.0); // an odd value left over
    settings.m_groups.m_parts.append(L"Stiffener");
    settings.m_propNames.append(L"Coating");
    ASSERT_TRUE(SetMacroSettings(kEP1, settings));
    MacroSettingsData back;
    ASSERT_TRUE(GetMacroSettings(kEP1, back));
    EXPECT_EQ(back.m_filters.m_axisEnabled.length(), 3);
    EXPECT_EQ(back.m_filters.m_axisMode.length(), 3);
    EXPECT_EQ(back.m_filters.m_axisMax.length(), 3);
    EXPECT_EQ(back.m_filters2.m_sizeEnabled.length(), 2);
    EXPECT_EQ(back.m_filters.m_sectionAnglePairs[0].length(), 6);
    EXPECT_EQ(back.m_groups.m_positions.length(), 3);
    EXPECT_EQ(back.m_propValues.length(), 3);
    EXPECT_EQ(back.m_propDesigns.length(), 3);
}

TEST_F(MacroSettingsCore, SetPrintsWhatChangedAndListingShowsEveryLine) {
    MacroSettingsData settings;
    ASSERT_TRUE(GetMacroSettings(kEP1, settings));
    ASSERT_TRUE(SetMacroSettings(kEP1, settings));
    EXPECT_NE(printed().find(L"Macro settings of End plate: unchanged."), std::wstring::npos);
    host::commandLine().clear();
    settings.m_filters.m_axisMode[0] = 1;
    settings.m_variables.m_names.removeAt(0);
    settings.m_variables.m_values.removeAt(0);
    settings.m_filters2.m_pathNames.append(L"Along beam");
    ASSERT_TRUE(SetMacroSettings(kEP1, settings));
    const std::wstring out = printed();
    EXPECT_NE(out.find(L"axis-angle filter Beam to column: on, inside 87.125 to 92.875 -> on, "
                       L"outside 87.125 to 92.875."),
              std::wstring::npos)
        << out;
    EXPECT_NE(out.find(L"path-distance filter Along beam added: off, 0 to 0."), std::wstring::npos);
    EXPECT_NE(out.find(L"variable Clearance removed."), std::wstring::npos);
    EXPECT_EQ(out.find(L"unchanged"), std::wstring::npos);

    host::commandLine().clear();
    ASSERT_TRUE(listMacroSettings(kEP1));
    EXPECT_NE(printed().find(L"Macro settings of End plate (EP1):\n"), std::wstring::npos);
    EXPECT_NE(printed().find(L"  section-angle filter Web to flange: on, 0/0, 0/5, 85/95\n"),
              std::wstring::npos);
    EXPECT_NE(printed().find(L"  property Finish: values (Galvanised, Painted, Bare), design "
                             L"\"Connections\\EndPlate\"\n"),
              std::wstring::npos);
}

} // namespace
