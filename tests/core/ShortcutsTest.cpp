// The menu's texts name the keys the key table acts on: each item that names a key is read from
// res/editor.rc, as the program's menu is made from it, and held to the table.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "core/RecentFiles.h"
#include "core/Shortcuts.h"
#include "map/core/tools/ToolTable.h"

namespace {

std::string RepositoryFile(const char* path) {
    std::ifstream file(std::string(PICORAN_SOURCE_DIR) + "/" + path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// `#define NAME number` of resource.h.
std::map<std::string, uint32_t> ResourceIds() {
    std::map<std::string, uint32_t> ids;
    const std::string header = RepositoryFile("res/resource.h");
    const std::regex define(R"(#define\s+(\w+)\s+(\d+))");
    for (std::sregex_iterator i(header.begin(), header.end(), define), end; i != end; ++i)
        ids[(*i)[1]] = static_cast<uint32_t>(std::stoul((*i)[2]));
    return ids;
}

// The menu items' texts by command number: `MENUITEM "text", NAME` of editor.rc.
std::map<uint32_t, std::string> MenuTexts() {
    const std::map<std::string, uint32_t> ids = ResourceIds();
    std::map<uint32_t, std::string> texts;
    const std::string rc = RepositoryFile("res/editor.rc");
    const std::regex item(R"re(MENUITEM\s+"([^"]*)",\s*(\w+))re");
    for (std::sregex_iterator i(rc.begin(), rc.end(), item), end; i != end; ++i)
        texts[ids.at((*i)[2])] = (*i)[1];
    return texts;
}

// What follows the blanks after an item's name: the key it names, or "" for an item with none.
std::string KeyPart(const std::string& text) {
    const size_t blanks = text.find("   ");
    if (blanks == std::string::npos) return "";
    return text.substr(text.find_first_not_of(' ', blanks));
}

}  // namespace

TEST(Shortcuts, EveryKeyTheMenuNamesIsTheKeyThatCarriesOutItsCommand) {
    const std::map<uint32_t, std::string> menu = MenuTexts();
    ASSERT_GE(menu.size(), 20u);
    std::map<uint32_t, const Shortcut*> named;
    for (const Shortcut& s : Shortcuts()) {
        if (s.menuItem == 0) continue;
        ASSERT_EQ(menu.count(s.menuItem), 1u) << s.menuKey;
        EXPECT_EQ(KeyPart(menu.at(s.menuItem)), s.menuKey) << menu.at(s.menuItem);
        // The key, pressed as the text says, reaches this entry and not another one first.
        EXPECT_EQ(FindShortcut(s.key, s.control == Held::kYes, s.shift == Held::kYes), &s) << s.menuKey;
        named[s.menuItem] = &s;
    }
    for (const auto& [id, text] : menu)
        EXPECT_TRUE(KeyPart(text).empty() || named.count(id) == 1) << text << " names a key the table lacks";
    // Each tool's letter chooses it, without Ctrl only (Ctrl+B is ステージ一覧).
    for (const ToolRow& row : ToolRows()) {
        const Shortcut* letter = FindShortcut(static_cast<uint32_t>(row.key), false, false);
        ASSERT_NE(letter, nullptr) << row.key;
        EXPECT_EQ(letter->command, row.command) << row.key;
        const Shortcut* withControl = FindShortcut(static_cast<uint32_t>(row.key), true, false);
        EXPECT_TRUE(withControl == nullptr || withControl->command != row.command) << row.key;
    }
}

// Every command has a number of its own, and none falls among the recent maps' entries, which
// the menu numbers from ID_FILE_RECENT_FIRST on.
TEST(Shortcuts, CommandNumbersAreDistinct) {
    std::map<uint32_t, std::string> byNumber;
    const std::map<std::string, uint32_t> ids = ResourceIds();
    const uint32_t recent = ids.at("ID_FILE_RECENT_FIRST");
    for (const auto& [name, number] : ids) {
        if (name.compare(0, 3, "ID_") != 0) continue;
        EXPECT_TRUE(byNumber.emplace(number, name).second) << name << " and " << byNumber[number];
        if (name != "ID_FILE_RECENT_FIRST")
            EXPECT_FALSE(number >= recent && number < recent + kRecentFilesLimit) << name;
    }
}
