#include "FrameTestSupport.h"

#include "kw/frame/dynMenu.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ScriptedDriver.h"

namespace {

class DynMenuTest : public FrameTest {
protected:
    void add(int level, int kind, const wchar_t* text) {
        m_levels.append(level);
        m_items.append(DynMenuItem{Tvl_String(text), level, kind});
    }
    Tvl_Array<int> m_levels;
    Tvl_Array<DynMenuItem> m_items;
};

TEST_F(DynMenuTest, CommandIdsRunOutAfterTheTenthCommandItem) {
    for (int i = 0; i < 10; ++i)
        add(1, i == 4 ? kMenuPlaceholder : kMenuCommand, L"item");
    add(1, kMenuCommand, L"eleventh");
    add(1, kMenuSeparator, L"");
    add(1, kMenuSubmenu, L"sub");
    dynMenu menu;
    menu.build(m_levels, m_items);
    ui::Menu* root = menu.rootMenu();
    ASSERT_NE(root, nullptr);
    // Nine entries: the placeholder used an id without an entry; nothing after the tenth.
    ASSERT_EQ(root->itemCount(), 9);
    EXPECT_EQ(root->getMenuItemID(0), 32811);
    EXPECT_EQ(root->getMenuItemID(3), 32817);
    EXPECT_EQ(root->getMenuItemID(4), 32800); // 32818 went to the placeholder
    EXPECT_EQ(root->getMenuItemID(8), 32804);
    EXPECT_EQ(dynMenu::itemIndexForCommand(m_items, 32818), 4);
    EXPECT_EQ(dynMenu::itemIndexForCommand(m_items, 32804), 9);
    EXPECT_EQ(dynMenu::itemIndexForCommand(m_items, 12345), -1);
}

TEST_F(DynMenuTest, KindsAndLevelsBuildNestedMenus) {
    add(1, kMenuChecked, L"checked");
    add(1, kMenuSubmenu, L"more");
    add(2, kMenuRadio, L"radio");
    add(2, kMenuSubmenu, L"deeper");
    add(3, kMenuDisabled, L"grey");
    add(2, kMenuCommand, L"back at two");
    add(4, kMenuCommand, L"too deep");   // skipped: deeper than the current depth
    add(0, kMenuCommand, L"level zero"); // skipped
    add(1, kMenuSeparator, L"");
    add(1, kMenuCommand, L"top again");
    dynMenu menu;
    menu.build(m_levels, m_items);
    ui::Menu* root = menu.rootMenu();
    ASSERT_EQ(root->itemCount(), 4);
    EXPECT_TRUE(root->item(0)->isChecked());
    ui::Menu* more = root->getSubMenu(1);
    ASSERT_NE(more, nullptr);
    ASSERT_EQ(more->itemCount(), 3);
    EXPECT_EQ(more->getMenuItemID(0), 32812);
    EXPECT_TRUE(more->item(0)->flags & ui::MFT_RADIOCHECK);
    ui::Menu* deeper = more->getSubMenu(1);
    ASSERT_NE(deeper, nullptr);
    ASSERT_EQ(deeper->itemCount(), 1);
    EXPECT_FALSE(deeper->item(0)->isEnabled());
    EXPECT_EQ(more->getMenuString(2, ui::MF_BYPOSITION), L"back at two");
    EXPECT_TRUE(root->item(2)->isSeparator());
    EXPECT_EQ(root->getMenuItemID(3), 32818);
}

TEST_F(DynMenuTest, ShowSendsTheChosenCommandToTheOwner) {
    struct Owner : ui::Window {
        int chosen = 0;
        bool onCommand(int id, int, ui::Window*) override {
            chosen = id;
            return true;
        }
    } owner;
    ASSERT_TRUE(
        owner.create(L"TestOwner", L"owner", ui::WS_POPUP, ui::Rect{0, 0, 100, 100}, nullptr, 0));
    add(1, kMenuCommand, L"first");
    add(1, kMenuCommand, L"second");
    ui::ScriptedDriver driver;
    driver.choosePopupItem(32812);
    dynMenu menu;
    menu.show(0, 10, 10, &owner, m_levels, m_items);
    ui::app().pumpMessages();
    EXPECT_EQ(owner.chosen, 32812);
    EXPECT_EQ(dynMenu::itemIndexForCommand(m_items, owner.chosen), 1);
    EXPECT_TRUE(driver.done());
    owner.destroyWindow();
}

} // namespace
