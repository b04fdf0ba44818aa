// A target's command table: what it takes, what it runs, and the route that asks the targets.
#include "app/commands/CommandTable.h"
#include "app/commands/CommandRouter.h"

#include <gtest/gtest.h>

#include <vector>

namespace varnex {
namespace {

// A target with one command that may be switched off and one that is always on.
struct Target : CommandTarget {
    bool OnCommand(CommandId id) override { return Commands().Run(*this, id); }
    bool OnUpdateCommand(CommandId id, CommandState& state) override {
        return Commands().Query(*this, id, state);
    }

    static const CommandTable<Target>& Commands() {
        static const CommandTable<Target> commands{
            {kCmdReload, &Target::Record, &Target::ReloadState},
            {kCmdAbout, &Target::Record, &Target::AlwaysOn},
        };
        return commands;
    }
    void Record(CommandId id) { ran.push_back(id); }
    CommandState ReloadState(CommandId) const { return {reloadEnabled, false}; }
    CommandState AlwaysOn(CommandId) const { return {true, true}; }

    bool reloadEnabled = false;
    std::vector<CommandId> ran;
};

TEST(CommandTable, ADisabledCommandIsTakenButDoesNotRun) {
    Target target;
    EXPECT_TRUE(target.OnCommand(kCmdReload)) << "taken, so no later target runs it";
    EXPECT_TRUE(target.ran.empty());
    target.reloadEnabled = true;
    EXPECT_TRUE(target.OnCommand(kCmdReload));
    EXPECT_EQ(target.ran, std::vector<CommandId>{kCmdReload});
    EXPECT_FALSE(target.OnCommand(kCmdOpen)) << "not in the table";
    CommandState state;
    EXPECT_FALSE(target.OnUpdateCommand(kCmdOpen, state));
    ASSERT_TRUE(target.OnUpdateCommand(kCmdAbout, state));
    EXPECT_TRUE(state.enabled && state.checked);
}

TEST(CommandRouter, TheFirstTargetThatKnowsACommandDecidesAndRunsIt) {
    Target first, second;
    second.reloadEnabled = true;
    CommandRouter router;
    router.Append([] { return static_cast<CommandTarget*>(nullptr); }); // a stop without target
    router.Append([&] { return &first; });
    router.Append([&] { return &second; });
    EXPECT_FALSE(router.Query(kCmdReload).enabled);
    EXPECT_FALSE(router.Run(kCmdReload));
    EXPECT_TRUE(first.ran.empty());
    EXPECT_TRUE(second.ran.empty()) << "a later target never runs what an earlier one refused";
    EXPECT_TRUE(router.Run(kCmdAbout));
    EXPECT_EQ(first.ran, std::vector<CommandId>{kCmdAbout});
    EXPECT_FALSE(router.Run(kCmdOpen)) << "nobody knows it";
}

} // namespace
} // namespace varnex
