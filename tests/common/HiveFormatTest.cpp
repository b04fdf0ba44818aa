// Tests of the hive file syntax: lossless round trips, readable output, hand-written input, faults.
#include "common/HiveFormat.h"

#include "tests/common/support/SameTree.h"
#include "tests/common/support/Utf16File.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace varnex {
namespace {

using namespace std::string_literals;
using test::ExpectSameTree;
using test::Utf16File;

HiveKey& UserKey(HiveKey& root, const std::vector<std::string>& path) {
    std::vector<std::string> full = {"HKEY_CURRENT_USER"};
    full.insert(full.end(), path.begin(), path.end());
    return root.CreatePath(full);
}

// Parses `text`, expecting success, and returns the tree.
HiveKey Parsed(const std::string& text) {
    HiveParseResult result = ParseHive(text);
    EXPECT_TRUE(result.ok) << "fault at line " << result.errorLine << " in\n" << text;
    return std::move(result.root);
}

TEST(HiveFormat, AwkwardNamesAndValuesRoundTrip) {
    HiveKey root;
    HiveKey& key = UserKey(root, {"Soft [x]", "50%Off", "new\nline", "\xC4rger", "-dash"});
    key.SetValue("", ValueType::String, "default\0"s);
    key.SetValue("quote\"back\\slash", ValueType::String, "say \"hi\" C:\\dir\\\0"s);
    key.SetValue("new\nline\x01\xFF", ValueType::String, "two\nlines\0"s);
    key.SetValue("unterminated", ValueType::String, "abc"s);
    key.SetValue("inner nul", ValueType::String, "a\0b\0"s);
    key.SetValue("empty", ValueType::String, ""s);
    key.SetValue("latin", ValueType::String, "\xC4ndern\0"s);
    key.SetValue("binary", ValueType::Binary, "\0\1\2]\n\"\xFF"s);
    key.SetValue("long", ValueType::Binary, std::string(1000, '\x5A'));
    key.SetValue("multi", ValueType::MultiString, "one\0two\0\0"s);
    key.SetValue("number", ValueType::Number, "\x2A\0\0\x80"s);
    key.SetValue("short number", ValueType::Number, "\1\2"s);
    key.SetValue("odd type", static_cast<ValueType>(0x1234), "x"s);
    key.SetValue(std::string(5000, 'n'), ValueType::String, std::string(5000, 'v') + '\0');
    UserKey(root, {"Empty", "Leaf"});
    root.CreatePath({"HKEY_LOCAL_MACHINE", "Other hive kept"});
    UserKey(root, {"a\\b", "-c"});
    root.CreatePath({"-X"}); // not to be taken for a deletion

    ExpectSameTree(root, Parsed(FormatHive(root)));
}

TEST(HiveFormat, PlainValuesAreWrittenReadably) {
    HiveKey root;
    HiveKey& key = UserKey(root, {"Software", "Tamsel", "Varnex"});
    key.SetValue("ViewMode", ValueType::Number, "\x2A\0\0\0"s);
    key.SetValue("Title", ValueType::String, "C:\\a \"b\"\0"s);
    key.SetValue("", ValueType::String, "dflt\0"s);
    key.SetValue("Font", ValueType::Binary, "\x01\xAB"s);
    key.SetValue("Find", ValueType::MultiString, "a\0\0"s);
    UserKey(root, {"Software", "Tamsel", "Varnex", "Messages"});

    EXPECT_EQ(FormatHive(root), "Windows Registry Editor Version 5.00\n"
                                "\n"
                                "[HKEY_CURRENT_USER\\Software\\Tamsel\\Varnex]\n"
                                "@=\"dflt\"\n"
                                "\"Find\"=hex(7):61,00,00\n"
                                "\"Font\"=hex:01,ab\n"
                                "\"Title\"=\"C:\\\\a \\\"b\\\"\"\n"
                                "\"ViewMode\"=dword:0000002a\n"
                                "\n"
                                "[HKEY_CURRENT_USER\\Software\\Tamsel\\Varnex\\Messages]\n"
                                "\n");
}

TEST(HiveFormat, LongHexDataIsWrappedAtEightyColumns) {
    HiveKey root;
    UserKey(root, {"K"}).SetValue("Blob", ValueType::Binary, std::string(100, '\x11'));
    const std::string text = FormatHive(root);
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        EXPECT_LE(end - start, 80u) << text.substr(start, end - start);
    }
    EXPECT_NE(text.find(",\\\n  11,"), std::string::npos);
}

TEST(HiveFormat, HandWrittenFileIsRead) {
    const std::string text = "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
                             "\r\n"
                             "; written by hand\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Tamsel\\Scribent\\Text\\Colors\\7]\r\n"
                             "\"Name\" = \"Kommentar\"\r\n"
                             "\"TX\"=DWORD:ff\r\n"
                             "\"Blob\"=hex:01, 02,\\\r\n"
                             "    03\r\n"
                             "\"Gone\"=-\r\n"
                             "[-HKEY_CURRENT_USER\\Software\\Old]\r\n"
                             "\"Ignored\"=\"x\"\r\n";
    const HiveKey root = Parsed(text);
    const HiveKey* key = root.FindPath(
        {"hkey_current_user", "software", "tamsel", "scribent", "text", "colors", "7"});
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(key->Values().size(), 3u);
    EXPECT_EQ(key->FindValue("name")->data, "Kommentar\0"s);
    EXPECT_EQ(key->FindValue("TX")->data, "\xFF\0\0\0"s);
    EXPECT_EQ(key->FindValue("Blob")->data, "\1\2\3"s);
    EXPECT_EQ(root.FindPath({"HKEY_CURRENT_USER", "Software", "Old"}), nullptr);
}

TEST(HiveFormat, Utf16ExportIsReadAsEightBitText) {
    const std::string file = Utf16File(u"Windows Registry Editor Version 5.00\r\n"
                                       u"\r\n"
                                       u"[HKEY_CURRENT_USER\\Software\\Gr\u00F6\u00DFe]\r\n"
                                       u"\"Title\"=\"\u00C4rger \u20AC \u201Cq\u201D\"\r\n"
                                       u"\"Wide\"=\"a\u4E2D\U0001F600b\"\r\n"
                                       u"\"Count\"=dword:0000002a\r\n"
                                       u"\"Path\"=hex(2):25,00,41,00,e4,00,ac,20,00,00\r\n"
                                       u"\"List\"=hex(7):61,00,00,00,2d,4e,00,00,00,00\r\n"
                                       u"\"Blob\"=hex:01,00,02\r\n");
    const HiveKey root = Parsed(file);
    const HiveKey* key = root.FindPath({"HKEY_CURRENT_USER", "Software",
                                        "Gr\xF6\xDF"
                                        "e"});
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->FindValue("Title")->data, "\xC4rger \x80 \x93q\x94\0"s);
    EXPECT_EQ(key->FindValue("Wide")->data, "a??b\0"s); // beyond Windows-1252
    EXPECT_EQ(key->FindValue("Count")->data, "\x2A\0\0\0"s);
    EXPECT_EQ(key->FindValue("Path")->type, ValueType::ExpandString);
    EXPECT_EQ(key->FindValue("Path")->data, "%A\xE4\x80\0"s);
    EXPECT_EQ(key->FindValue("List")->data, "a\0?\0\0"s);
    EXPECT_EQ(key->FindValue("Blob")->data, "\1\0\2"s); // not text: bytes as they are
}

TEST(HiveFormat, CutUtf16ExportIsAFault) {
    std::string file = Utf16File(u"Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\A]");
    file.pop_back();
    const HiveParseResult result = ParseHive(file);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.errorLine, 2u);
    const HiveParseResult oddText = ParseHive(Utf16File(u"Windows Registry Editor Version 5.00\r\n"
                                                        u"[HKEY_CURRENT_USER\\A]\r\n"
                                                        u"\"Odd\"=hex(1):41,00,42\r\n"));
    EXPECT_FALSE(oddText.ok);
    EXPECT_EQ(oddText.errorLine, 3u);
}

// Sorted, this is read in a fraction of a second; inserting each name into the middle of the
// sorted keys took minutes.
TEST(HiveFormat, FileOutOfOrderIsReadQuickly) {
    constexpr int kNames = 20000;
    constexpr double kSecondsAllowed = 5;
    std::string text = std::string(kHiveFileHeader) + "\n[HKEY_CURRENT_USER\\Many values]\n";
    char line[64];
    for (int n = kNames; n > 0; --n) {
        std::snprintf(line, sizeof line, "\"v%05d\"=dword:%08x\n", n, n);
        text += line;
    }
    for (int n = kNames; n > 0; --n) {
        std::snprintf(line, sizeof line, "[HKEY_CURRENT_USER\\Many keys\\k%05d]\n", n);
        text += line;
    }
    const auto start = std::chrono::steady_clock::now();
    const HiveKey root = Parsed(text);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took.count(), kSecondsAllowed);
    const HiveKey* values = root.FindPath({"HKEY_CURRENT_USER", "Many values"});
    const HiveKey* keys = root.FindPath({"HKEY_CURRENT_USER", "Many keys"});
    ASSERT_TRUE(values && keys);
    ASSERT_EQ(values->Values().size(), std::size_t{kNames});
    ASSERT_EQ(keys->SubKeys().size(), std::size_t{kNames});
    EXPECT_EQ(values->Values().front().name, "v00001");
    EXPECT_EQ(values->Values().front().data, "\1\0\0\0"s);
    EXPECT_EQ(keys->SubKeys().back().Name(), "k20000");
}

TEST(HiveFormat, SameKeyOrValueTwiceKeepsTheFirstSpellingAndTheLastData) {
    const HiveKey root = Parsed("REGEDIT4\n"
                                "[HKEY_CURRENT_USER\\Abc\\Sub]\n"
                                "\"Name\"=dword:00000001\n"
                                "[hkey_current_user\\ABC]\n"
                                "[HKEY_CURRENT_USER\\abc\\SUB]\n"
                                "\"NAME\"=dword:00000002\n");
    ASSERT_EQ(root.SubKeys().size(), 1u);
    const HiveKey& hive = root.SubKeys()[0];
    EXPECT_EQ(hive.Name(), "HKEY_CURRENT_USER");
    ASSERT_EQ(hive.SubKeys().size(), 1u);
    EXPECT_EQ(hive.SubKeys()[0].Name(), "Abc");
    ASSERT_EQ(hive.SubKeys()[0].SubKeys().size(), 1u);
    const HiveKey& sub = hive.SubKeys()[0].SubKeys()[0];
    EXPECT_EQ(sub.Name(), "Sub");
    ASSERT_EQ(sub.Values().size(), 1u);
    EXPECT_EQ(sub.Values()[0].name, "Name");
    EXPECT_EQ(sub.Values()[0].data, "\2\0\0\0"s);
}

TEST(HiveFormat, OldHeaderAndEmptyTextAreAccepted) {
    EXPECT_TRUE(ParseHive("REGEDIT4\n[HKEY_CURRENT_USER\\A]\n").ok);
    EXPECT_TRUE(ParseHive("").ok);
    EXPECT_TRUE(ParseHive("\n  \n").ok);
}

TEST(HiveFormat, FaultsAreFoundWithTheirLine) {
    const std::string header = "Windows Registry Editor Version 5.00\n";
    const struct {
        std::string text;
        std::size_t line;
    } cases[] = {
        {"Windows Registry Editor\n[HKEY_CURRENT_USER]\n", 1},
        {"\x01\x02garbage\xFF", 1},
        {header + "\"Value\"=\"before any key\"\n", 2},
        {header + "[HKEY_CURRENT_USER\\A\n", 2},
        {header + "[HKEY_CURRENT_USER\\A]\n\"Name\"=\"cut off", 3},
        {header + "[HKEY_CURRENT_USER\\A]\n\"Name\"=hex:01,0", 3},
        {header + "[HKEY_CURRENT_USER\\A]\n\"Name\"=hex:01,02,\\\n", 3},
        {header + "[HKEY_CURRENT_USER\\A]\n\"Name\"=dword:123456789\n", 3},
        {header + "[HKEY_CURRENT_USER\\A]\n\"Name\"=\"x\" trailing\n", 3},
        {header + "[HKEY_CURRENT_USER\\A]\n\"Name\"=word:1\n", 3},
        {header + "[HKEY_CURRENT_USER\\A]\nName=\"x\"\n", 3},
        {header + "[]\n", 2},
    };
    for (const auto& fault : cases) {
        const HiveParseResult result = ParseHive(fault.text);
        EXPECT_FALSE(result.ok) << fault.text;
        EXPECT_EQ(result.errorLine, fault.line) << fault.text;
    }
}

} // namespace
} // namespace varnex
