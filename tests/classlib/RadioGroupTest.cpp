#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TForm.h"
#include "TRadioGroup.h"

namespace {

class RadioGroup : public testing::Test {
protected:
    void SetUp() override {
        group = new TRadioGroup(&form);
        group->SetParent(&form);
        group->SetBounds(120, 144, 385, 137);
        group->SetCaption("Installation Options...");
        group->Items() = {"first", "second", "third", "fourth"};
        group->OnClick = [this](TObject* sender) {
            EXPECT_EQ(sender, group);
            clicks.push_back(group->ItemIndex());
        };
    }

    RECT ItemFrame(int index) const {
        RECT frame;
        GetWindowRect(group->ItemHandle(index), &frame);
        MapWindowPoints(nullptr, group->Handle(), reinterpret_cast<POINT*>(&frame), 2);
        return frame;
    }

    TForm form{nullptr, "TRadioGroupTestForm"};
    TRadioGroup* group = nullptr;
    std::vector<int> clicks;
};

TEST_F(RadioGroup, ItemsAreRadioButtonsWithTheirTextsAndIds) {
    group->SetItemIndex(0);
    for (int i = 0; i < 4; ++i) {
        HWND item = group->ItemHandle(i);
        ASSERT_NE(item, nullptr);
        char className[16] = {}, text[32] = {};
        GetClassNameA(item, className, sizeof className);
        GetWindowTextA(item, text, sizeof text);
        EXPECT_STREQ(className, "Button");
        EXPECT_EQ(text, group->Items()[i]);
        EXPECT_EQ(GetDlgCtrlID(item), 100 + i);
        EXPECT_EQ(GetWindowLongPtrA(item, GWL_STYLE) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
        EXPECT_EQ(SendMessageA(item, BM_GETCHECK, 0, 0), i == 0 ? BST_CHECKED : BST_UNCHECKED);
    }
}

TEST_F(RadioGroup, ItemsLieInOneColumnEvenlySpacedInsideTheFrame) {
    group->SetItemIndex(0);
    const RECT first = ItemFrame(0);
    const int step = ItemFrame(1).top - first.top;
    EXPECT_GT(step, 0);
    for (int i = 0; i < 4; ++i) {
        const RECT item = ItemFrame(i);
        EXPECT_EQ(item.left, first.left);
        EXPECT_EQ(item.top, first.top + i * step);
        EXPECT_EQ(item.bottom - item.top, step);
        EXPECT_LE(item.right, group->Width());
    }
    EXPECT_GT(first.top, 0);                              // below the caption
    EXPECT_LE(ItemFrame(3).bottom, group->Height() - 2);  // above the bottom line
}

TEST_F(RadioGroup, SetItemIndexChecksWithoutFiringOnClick) {
    group->SetItemIndex(2);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(SendMessageA(group->ItemHandle(2), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(group->ItemHandle(0), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(RadioGroup, PickingAnItemSetsTheIndexAndFiresOnClick) {
    group->SetItemIndex(0);
    SendMessageA(group->ItemHandle(2), BM_CLICK, 0, 0);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(clicks, std::vector<int>{2});
    EXPECT_EQ(SendMessageA(group->ItemHandle(0), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // Picking the selected item again changes nothing.
    SendMessageA(group->ItemHandle(2), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, std::vector<int>{2});
    SendMessageA(group->ItemHandle(1), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, (std::vector<int>{2, 1}));
}

TEST_F(RadioGroup, OnlyTheSelectedItemIsATabStop) {
    group->SetItemIndex(3);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ((GetWindowLongPtrA(group->ItemHandle(i), GWL_STYLE) & WS_TABSTOP) != 0, i == 3) << i;
}

TEST_F(RadioGroup, IndexSetBeforeTheItemsAppliesWhenTheyCome) {
    auto* late = new TRadioGroup(&form);
    late->SetParent(&form);
    late->SetItemIndex(1);
    late->Items() = {"a", "b"};
    EXPECT_EQ(late->ItemIndex(), 1);
    EXPECT_EQ(SendMessageA(late->ItemHandle(1), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(RadioGroup, DisablingTheGroupDisablesItsItems) {
    group->SetItemIndex(0);
    group->SetEnabled(false);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(IsWindowEnabled(group->ItemHandle(i)));
    group->SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(group->ItemHandle(3)));
}

}  // namespace
