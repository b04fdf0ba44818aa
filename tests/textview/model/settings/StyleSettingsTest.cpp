// A style group saved by several processes at once, and a save that cannot reach the hive.
#include "textview/model/settings/StyleSettings.h"
#include "textview/model/settings/PaneResources.h"

#include "tests/common/support/HiveScratch.h"
#include "tests/support/ScopedVariable.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace varnex {
namespace {

using StyleSettingsTest = test::HiveScratch;

constexpr const char* kPath = "Software\\Tamsel\\Test\\Styles";
constexpr int kStyles = 20;
constexpr int kSaves = 4;

// A group whose every style has `colour` as text and background.
std::shared_ptr<PaneResources> GroupColoured(std::uint32_t colour) {
    std::shared_ptr<PaneResources> group = PaneResources::Join("Saved");
    TextStyle& standard = *group->Styles().Get(0);
    standard.textColour = standard.background = colour;
    for (int id = 10; id < 10 + kStyles; ++id)
        group->Styles().Add(colour, colour, "Stil", static_cast<std::uint32_t>(id), 0);
    return group;
}

// Save n gives every style colour n.
pid_t SaveInChild() {
    const pid_t child = fork();
    if (child != 0) return child;
    bool saved = true;
    for (std::uint32_t save = 1; save <= kSaves; ++save)
        saved = StyleSettings::Save(*GroupColoured(save), kPath) && saved;
    _exit(saved ? 0 : 1);
}

// The colours a whole hive file's text holds.
std::set<std::string> StoredColours(const std::string& text) {
    std::set<std::string> colours;
    for (const std::string name : {"\"BG\"=dword:", "\"TX\"=dword:"}) {
        for (std::size_t at = text.find(name); at != std::string::npos;
             at = text.find(name, at + 1))
            colours.insert(text.substr(at + name.size(), 8));
    }
    return colours;
}

// Another process reading the hive while a group is saved sees the group whole, never half of
// one save and half of the one before.
TEST_F(StyleSettingsTest, ASavedGroupIsSeenWholeWhileItIsSaved) {
    ASSERT_TRUE(StyleSettings::Save(*GroupColoured(0), kPath));
    const pid_t child = SaveInChild();
    int status = 0;
    std::set<std::set<std::string>> seen;
    while (waitpid(child, &status, WNOHANG) == 0)
        seen.insert(StoredColours(ReadText(UserHive())));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    for (const std::set<std::string>& colours : seen)
        EXPECT_EQ(colours.size(), 1u) << "a half-saved group was seen";
    EXPECT_EQ(StoredColours(ReadText(UserHive())), std::set<std::string>{"00000004"});
}

// The hive's folder is a file, which stops root too.
TEST_F(StyleSettingsTest, AFailedSaveTellsWhyAndStaysInEffectForLaterLoads) {
    const std::string unsavedPath = "Software\\Tamsel\\Test\\Unsaved";
    WriteText((Folder() / "plain").string(), "a file, not a folder");
    const std::string hive = (Folder() / "plain" / "user.reg").string();
    {
        const test::ScopedVariable unwritable("TAMSEL_USER_HIVE", hive.c_str());
        const StoreResult saved = StyleSettings::Save(*GroupColoured(7), unsavedPath);
        ASSERT_FALSE(saved);
        EXPECT_EQ(saved.failure->path, hive);
        EXPECT_EQ(saved.failure->error, ENOTDIR);
    }
    const auto loaded = PaneResources::Join("Reloaded");
    EXPECT_FALSE(StyleSettings::Load(*loaded, unsavedPath, Hive::LocalMachine).colorsRead);
    ASSERT_TRUE(StyleSettings::Load(*loaded, unsavedPath, Hive::CurrentUser).colorsRead);
    ASSERT_EQ(loaded->Styles().Count(), kStyles + 1);
    for (int index = 0; index < loaded->Styles().Count(); ++index)
        EXPECT_EQ(loaded->Styles().Get(index)->textColour, 7u) << index;

    // Saved at last, the hive's values count again.
    ASSERT_TRUE(StyleSettings::Save(*GroupColoured(8), unsavedPath));
    const auto later = PaneResources::Join("SavedLater");
    ASSERT_TRUE(StyleSettings::Load(*later, unsavedPath, Hive::CurrentUser).colorsRead);
    EXPECT_EQ(later->Styles().Get(1)->textColour, 8u);
}

} // namespace
} // namespace varnex
