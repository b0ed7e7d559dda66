// The tree part on its own: the name index through renames and removals, and delayed deletion.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/controls/ContainerUI.h"
#include "ui/window/HostTree.h"

namespace {

using Orvik::CContainerUI;
using Orvik::CControlUI;
using Orvik::CHostTree;

// Logs its name when it goes; may queue more work from its destructor.
class CLoggedUI : public CControlUI {
public:
    CLoggedUI(std::vector<std::string>& log, const char* pstrName) : m_log(log) {
        SetName(pstrName);
    }
    ~CLoggedUI() override {
        if (m_onDelete)
            m_onDelete();
        m_log.push_back(GetName());
    }
    std::function<void()> m_onDelete;

private:
    std::vector<std::string>& m_log;
};

// A root "root" with children "a", "b" and "A" (the index is case-sensitive).
class HostTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_pRoot = new CContainerUI;
        m_pRoot->SetName("root");
        for (const char* pstrName : {"a", "b", "A"}) {
            auto* pChild = new CLoggedUI(m_log, pstrName);
            m_pRoot->Add(pChild);
            m_children.push_back(pChild);
        }
        m_tree.SwapRoot(m_pRoot);
        m_tree.IndexSubtree(m_pRoot);
    }
    void TearDown() override { m_tree.DeleteRoot(); }

    CHostTree m_tree;
    CContainerUI* m_pRoot = nullptr;
    std::vector<CLoggedUI*> m_children;
    std::vector<std::string> m_log;
};

TEST_F(HostTreeTest, RenamesMoveTheEntryAndRefuseTakenNames) {
    CLoggedUI* a = m_children[0];
    struct Case {
        const char* pstrName;
        bool bResult;
        const char* pstrNameAfter;
    };
    const Case cases[] = {
        {"b", false, "a"}, {"a", true, "a"}, {"a2", true, "a2"}, {"A", false, "a2"}};
    for (const Case& c : cases) {
        EXPECT_EQ(m_tree.Rename(a, c.pstrName), c.bResult) << c.pstrName;
        EXPECT_STREQ(a->GetName(), c.pstrNameAfter) << c.pstrName;
    }
    EXPECT_EQ(m_tree.FindByName("a"), nullptr);
    EXPECT_EQ(m_tree.FindByName("a2"), a);
    EXPECT_EQ(m_tree.FindByName("b"), m_children[1]);
}

TEST_F(HostTreeTest, ASecondControlOfATakenNameIsNotIndexed) {
    auto* pTwin = new CLoggedUI(m_log, "b");
    m_pRoot->Add(pTwin);
    m_tree.IndexSubtree(pTwin);
    EXPECT_EQ(m_tree.FindByName("b"), m_children[1]);
    // The first one's removal does not hand the name to the twin.
    m_tree.Forget(m_children[1]);
    EXPECT_EQ(m_tree.FindByName("b"), nullptr);
}

TEST_F(HostTreeTest, ForgettingAControlRemovesOnlyItsOwnEntry) {
    // A detached control named like an indexed one does not take the entry with it.
    CLoggedUI stranger(m_log, "b");
    m_tree.Forget(&stranger);
    EXPECT_EQ(m_tree.FindByName("b"), m_children[1]);
    m_tree.Forget(m_children[1]);
    EXPECT_EQ(m_tree.FindByName("b"), nullptr);
    EXPECT_EQ(m_tree.FindByName("a"), m_children[0]);
    // Forgetting the root clears it, so the host never hands out a deleted root.
    m_tree.Forget(m_pRoot);
    EXPECT_EQ(m_tree.Root(), nullptr);
    m_tree.SwapRoot(m_pRoot);
}

TEST_F(HostTreeTest, LookupsByNameAndControl) {
    EXPECT_EQ(m_tree.FindByName("A"), m_children[2]);
    EXPECT_EQ(m_tree.FindByName(nullptr), nullptr);
    // The child search ignores case and walks in document order.
    EXPECT_EQ(m_tree.FindChildByName(nullptr, "A"), m_children[0]);
    EXPECT_EQ(m_tree.FindChildByName(nullptr, "B"), m_children[1]);
    EXPECT_EQ(m_tree.FindChildByName(nullptr, nullptr), nullptr);
    EXPECT_EQ(m_tree.NodeOf(m_children[1]), m_children[1]);
    CLoggedUI stranger(m_log, "x");
    EXPECT_EQ(m_tree.NodeOf(&stranger), nullptr);
}

TEST(HostTreeCleanupTest, RunsInQueueOrderThenWhatTheDeletionsQueued) {
    std::vector<std::string> log;
    CHostTree tree;
    auto* first = new CLoggedUI(log, "first");
    auto* second = new CLoggedUI(log, "second");
    auto* late = new CLoggedUI(log, "late");
    first->m_onDelete = [&] { tree.QueueCleanup(late); };
    tree.QueueCleanup(first);
    tree.QueueCleanup(second);
    EXPECT_EQ(tree.CleanupCount(), 2);
    EXPECT_TRUE(log.empty());
    tree.RunCleanup();
    EXPECT_EQ(log, (std::vector<std::string>{"first", "second", "late"}));
    EXPECT_EQ(tree.CleanupCount(), 0);
}

TEST(HostTreeCleanupTest, WhatIsStillQueuedGoesWithTheTree) {
    std::vector<std::string> log;
    {
        CHostTree tree;
        tree.QueueCleanup(new CLoggedUI(log, "pending"));
    }
    EXPECT_EQ(log, (std::vector<std::string>{"pending"}));
}

}  // namespace
