// Control and container edge cases: floating bounds, hit tests, removal, visibility, names.
#include <gtest/gtest.h>

#include "support/TreeFixture.h"
#include "ui/controls/VerticalLayoutUI.h"

using testsupport::CTreeFixture;
using testsupport::RectText;

namespace {

Orvik::CControlUI* CollectAll(Orvik::IControlNodeUI* pNode, LPVOID pData) {
    static_cast<std::vector<Orvik::CControlUI*>*>(pData)->push_back(pNode->GetControl());
    return nullptr;
}

TEST(ControlFloatTest, AnchorsReproduceTheRelativeRectangle) {
    CTreeFixture tree(R"(<Window><Container name="p" inset="0,0,0,0">
        <Control name="f" float="0.5,0,0.5,0" pos="-20,10,20,30"/></Container></Window>)");
    tree.Root()->SetBounds(RECT{30, 40, 230, 140}, false);
    Orvik::CControlUI* f = tree.Find("f");
    EXPECT_EQ(RectText(f->GetBounds()), "110,50,150,70");
    f->SetBounds(f->GetBoundsInParent(), false);
    EXPECT_EQ(f->GetFloatOffset().cx, -20);
    EXPECT_EQ(f->GetFloatOffset().cy, 10);
    EXPECT_EQ(f->GetFixedWidth(), 40);
    EXPECT_EQ(f->GetFixedHeight(), 20);
}

TEST(ControlHitTestTest, MouseDisabledControlIsSkippedButContainerChildrenAreFound) {
    CTreeFixture tree(R"(<Window><VerticalLayout name="root" mouse="false">
        <Control name="off" height="20" mouse="false"/><Control name="on" height="20"/>
        </VerticalLayout></Window>)");
    tree.Layout(100, 100);
    EXPECT_EQ(tree.Host().FindControlAt(POINT{5, 5}), nullptr);
    EXPECT_EQ(tree.Host().FindControlAt(POINT{5, 25}), tree.Find("on"));
    EXPECT_EQ(tree.Host().FindControlAt(POINT{5, 80}), nullptr);
}

TEST(ControlHitTestTest, ScrolledChildUnderTheInsetIsNotHit) {
    CTreeFixture tree(R"(<Window><VerticalLayout name="list" inset="0,10,0,0"
        vscrollbar="true"><Control name="a" height="50"/><Control name="b" height="100"/>
        </VerticalLayout></Window>)");
    tree.Layout(100, 100);
    auto* pList = static_cast<Orvik::CContainerUI*>(tree.Find("list"));
    pList->SetScrollPos(SIZE{0, 45});
    // "a" now spans -35..15, partly under the 10-pixel inset.
    EXPECT_EQ(tree.Host().FindControlAt(POINT{5, 5}), pList);
    EXPECT_EQ(tree.Host().FindControlAt(POINT{5, 12}), tree.Find("a"));
}

TEST(ControlFindTest, FlagsFilterAndOrder) {
    CTreeFixture tree(R"(<Window><VerticalLayout name="root"><Control name="a" height="10"/>
        <Control name="hidden" visible="false"/><Control name="off" enabled="false"/>
        </VerticalLayout></Window>)");
    tree.Layout(100, 100);
    std::vector<Orvik::CControlUI*> all, visible, enabled, topFirst, meFirst;
    tree.Root()->FindControl(CollectAll, &all, Orvik::UIFIND_ALL);
    tree.Root()->FindControl(CollectAll, &visible, Orvik::UIFIND_VISIBLE);
    tree.Root()->FindControl(CollectAll, &enabled, Orvik::UIFIND_ENABLED);
    tree.Root()->FindControl(CollectAll, &topFirst, Orvik::UIFIND_TOP_FIRST);
    tree.Root()->FindControl(CollectAll, &meFirst, Orvik::UIFIND_ME_FIRST);
    EXPECT_EQ(all.size(), 4u);
    EXPECT_EQ(all.back(), tree.Root());
    EXPECT_EQ(visible.size(), 3u);
    EXPECT_EQ(enabled.size(), 3u);
    EXPECT_EQ(topFirst.front(), tree.Find("off"));
    EXPECT_EQ(meFirst.front(), tree.Root());
}

TEST(ControlFindTest, UpdateTestPrunesPendingSubtrees) {
    CTreeFixture tree(R"(<Window><VerticalLayout name="root"><VerticalLayout name="sub">
        <Control name="a"/></VerticalLayout></VerticalLayout></Window>)");
    tree.Layout(100, 100);
    tree.Find("sub")->RequestLayout();
    tree.Find("a")->RequestLayout();
    std::vector<Orvik::CControlUI*> pending;
    auto collectPending = [](Orvik::IControlNodeUI* p, LPVOID data) -> Orvik::CControlUI* {
        if (!p->IsLayoutPending())
            return nullptr;
        static_cast<std::vector<Orvik::CControlUI*>*>(data)->push_back(p->GetControl());
        return p->GetControl();
    };
    tree.Root()->FindControl(
        collectPending, &pending,
        Orvik::UIFIND_VISIBLE | Orvik::UIFIND_UPDATETEST | Orvik::UIFIND_ME_FIRST);
    ASSERT_EQ(pending.size(), 1u);  // "a" lies below a pending control
    EXPECT_EQ(pending[0], tree.Find("sub"));
}

TEST(ContainerRemoveTest, AttachedRemovalDetachesNowAndDeletesOnCleanup) {
    CTreeFixture tree(R"(<Window><VerticalLayout name="root"><Control name="a"/>
        </VerticalLayout></Window>)");
    auto* pRoot = static_cast<Orvik::CContainerUI*>(tree.Root());
    Orvik::CControlUI* a = tree.Find("a");
    bool bDestroyed = false;
    a->OnDestroy.Add(Orvik::CDelegateStatic(&bDestroyed, [](void* p, void*) {
        *static_cast<bool*>(p) = true;
        return true;
    }));
    EXPECT_TRUE(pRoot->Remove(a));
    EXPECT_EQ(pRoot->GetCount(), 0);
    EXPECT_EQ(a->GetParent(), nullptr);
    EXPECT_FALSE(bDestroyed);
    EXPECT_EQ(tree.Host().GetDelayedCleanupCount(), 1);
    tree.Host().RunDelayedCleanup();
    EXPECT_TRUE(bDestroyed);
    EXPECT_EQ(tree.Find("a"), nullptr);
}

TEST(ContainerRemoveTest, ListOperationsRejectBadInput) {
    Orvik::CContainerUI box;
    Orvik::CControlUI* a = new Orvik::CControlUI;
    Orvik::CControlUI* b = new Orvik::CControlUI;
    Orvik::CControlUI stranger;
    EXPECT_FALSE(box.Add(nullptr));
    EXPECT_FALSE(box.AddAt(a, 1));
    EXPECT_TRUE(box.Add(a));
    EXPECT_FALSE(box.Remove(&stranger));
    EXPECT_FALSE(box.RemoveAt(3));
    EXPECT_TRUE(box.Add(b));
    EXPECT_FALSE(box.MoveItems(a, -1, 0));
    EXPECT_FALSE(box.MoveItems(a, 2, 1));
    EXPECT_TRUE(box.MoveItems(b, 1, 0));
    EXPECT_EQ(box.GetItemAt(0), b);
    EXPECT_EQ(box.GetItemIndex(a), 1);
}

TEST(ContainerPaintTest, RemovingASiblingWhilePaintingIsSafe) {
    CTreeFixture tree(R"(<Window><VerticalLayout name="root"><Control name="a" height="10"
        bkcolor="#FFFF0000"/><Control name="b" height="10" bkcolor="#FF00FF00"/>
        </VerticalLayout></Window>)");
    tree.Layout(20, 20);
    auto* pRoot = static_cast<Orvik::CContainerUI*>(tree.Root());
    // Painting "a" removes "b": the deletion waits for the host's cleanup.
    struct Ctx {
        Orvik::CContainerUI* root;
        Orvik::CControlUI* b;
    } ctx{pRoot, tree.Find("b")};
    tree.Find("a")->OnPaint.Add(Orvik::CDelegateStatic(&ctx, [](void* p, void*) {
        auto* c = static_cast<Ctx*>(p);
        c->root->Remove(c->b);
        return true;
    }));
    HDC hdc = CreateCompatibleDC(nullptr);
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 20, -20, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP hbm = CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(hdc, hbm);
    EXPECT_TRUE(pRoot->Paint(hdc, RECT{0, 0, 20, 20}, nullptr));
    EXPECT_EQ(pRoot->GetCount(), 1);
    tree.Host().RunDelayedCleanup();
    SelectObject(hdc, old);
    DeleteObject(hbm);
    DeleteDC(hdc);
}

TEST(ControlVisibilityTest, HidingPropagatesAndDropsTheFocus) {
    CTreeFixture tree(R"(<Window><VerticalLayout name="root"><VerticalLayout name="sub">
        <Control name="a"/></VerticalLayout></VerticalLayout></Window>)");
    Orvik::CControlUI* a = tree.Find("a");
    tree.Host().SetFocus(a);
    tree.Find("sub")->SetVisible(false);
    EXPECT_FALSE(a->IsVisible());
    EXPECT_TRUE(a->IsOwnVisible());
    EXPECT_EQ(tree.Host().GetFocus(), nullptr);
    tree.Find("sub")->SetVisible(true);
    EXPECT_TRUE(a->IsVisible());
}

TEST(ControlNameTest, RenameKeepsTheIndexUnique) {
    CTreeFixture tree(R"(<Window><VerticalLayout name="root"><Control name="a"/>
        <Control name="b"/></VerticalLayout></Window>)");
    Orvik::CControlUI* a = tree.Find("a");
    a->SetName("b");
    EXPECT_STREQ(a->GetName(), "a");
    a->SetName("c");
    EXPECT_EQ(tree.Find("c"), a);
    EXPECT_EQ(tree.Find("a"), nullptr);
    EXPECT_EQ(tree.Host().FindChildByName(nullptr, "C"), a);
    EXPECT_EQ(tree.Host().FindControlByName("C"), nullptr);
}

}  // namespace
