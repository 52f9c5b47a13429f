#include "FormDefinition.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>

namespace {

std::string nameOf(const form::ElementId& id) {
    return std::string(id.name) + "(" + std::to_string(id.index) + ")";
}

TEST(FormDefinition, everyElementOfTheGameIsThereOnceAndInsideTheClientArea) {
    // Each element the game addresses exists once, and none reaches past the client area.
    const std::set<std::pair<std::string_view, int>> expected{
        {"bukwa", 0},   {"bukwa", 1},   {"bukwa", 2}, {"bukwa", 3}, {"bukwa", 4},
        {"stolica", 0}, {"stolica", 1}, {"Buton", 0}, {"Buton", 1}, {"Label1", 0},
        {"Label1", 1},  {"Label1", 2},  {"Label1", 3}};
    std::set<std::pair<std::string_view, int>> seen;
    for (const form::Element& element : form::elements) {
        const std::string name = nameOf(element.id);
        EXPECT_TRUE(seen.emplace(element.id.name, element.id.index).second) << name << " twice";
        const form::TwipsRect& r = element.twips;
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.width > 0 && r.height > 0 &&
                    r.left + r.width <= form::clientWidthTwips &&
                    r.top + r.height <= form::clientHeightTwips)
            << name;
        EXPECT_EQ(form::find(element.id), &element) << name;
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(form::find({"bukwa", 5}), nullptr);
}

TEST(FormDefinition, tabOrderNamesEachFocusableElementOnceStartingAtTheMaskedWord) {
    // Every element in the keyboard order exists and is no label; none comes twice.
    std::set<std::string> seen;
    for (const form::ElementId& id : form::tabOrder) {
        const form::Element* element = form::find(id);
        ASSERT_NE(element, nullptr) << nameOf(id);
        EXPECT_NE(element->kind, form::Kind::Label) << nameOf(id);
        EXPECT_TRUE(seen.insert(nameOf(id)).second) << nameOf(id) << " twice";
    }
    EXPECT_EQ(form::tabOrder.front(), (form::ElementId{"stolica", 0}));
}

TEST(FormDefinition, rulesAreEightParagraphsEachEndedByCrLf) {
    // A line break other than CR LF would show as a paragraph of its own or none. The
    // paragraphs hold 1391 characters; with their line ends, 1407.
    const form::TextView rules = form::rulesText;
    EXPECT_EQ(rules.size(), 1407u);
    EXPECT_TRUE(rules.ends_with(U"\r\n"));
    int paragraphs = 0;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        if (rules[i] == U'\r') {
            ASSERT_TRUE(i + 1 < rules.size() && rules[i + 1] == U'\n') << "lone CR at " << i;
            ++paragraphs;
            ++i;
        } else {
            ASSERT_NE(rules[i], U'\n') << "lone LF at " << i;
        }
    }
    EXPECT_EQ(paragraphs, 8);
    EXPECT_EQ(form::find({"bukwa", 4})->text, rules);
}

TEST(FormDefinition, letterKeysAreTheThirtyLettersABlankAndAHyphenEachWithItsOwnName) {
    // A letter missing or doubled in the table would leave the player without a key.
    std::set<char32_t> characters(form::letterKeys::characters.begin(),
                                  form::letterKeys::characters.end());
    EXPECT_EQ(form::letterKeys::count, 32);
    EXPECT_EQ(characters.size(), 32u);
    EXPECT_EQ(std::count_if(characters.begin(), characters.end(),
                            [](char32_t c) { return c >= U'А' && c <= U'Я'; }),
              30);
    EXPECT_TRUE(characters.contains(U' ') && characters.contains(U'-'));

    std::set<form::Text> names;
    for (int i = 0; i < form::letterKeys::count; ++i) {
        EXPECT_FALSE(form::letterKeys::caption(i).empty()) << i;
        EXPECT_TRUE(names.insert(form::letterKeys::accessibleName(i)).second) << i;
    }
    EXPECT_EQ(form::letterKeys::caption(30), U"интервал");
    EXPECT_EQ(form::letterKeys::caption(32), U"");
    EXPECT_EQ(form::letterKeys::accessibleName(-1), U"");
}

TEST(FormDefinition, runTimeErrorTextFillsInTheNumberAndTheDescription) {
    // The message box reads as the platform's own.
    EXPECT_EQ(form::runTimeErrorText(11, U"Division by zero"),
              U"Run-time error '11':\n\nDivision by zero");
    EXPECT_EQ(form::runTimeErrorText(51, U"Internal error: 100% wrong %2"),
              U"Run-time error '51':\n\nInternal error: 100% wrong %2");
}

} // namespace
