// The control table as a whole: what both front ends derive from it.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "window/control_table.h"
#include "window/layout_scaling.h"

namespace {

TEST(ControlTable, ClientAreaIsTheControlsBoundingBox) {
  std::vector<Rect> rects;
  for (const ControlRow& row : Form1Controls()) rects.push_back(row.geometry);
  // BitBtn1's right edge and Label1's bottom; the controls touch the left and top.
  EXPECT_EQ(BoundingBox(rects), (Rect{0, 0, 631, 332}));
}

TEST(ControlTable, KeyboardOrderRunsFromComboBox1ToButton2) {
  std::vector<std::string_view> names;
  for (const ControlRow* row : KeyboardOrder()) names.emplace_back(row->name);
  const std::vector<std::string_view> expected{
      "ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5", "Edit1",  "Edit2", "Edit3",
      "Edit4",     "Edit5",     "ComboBox6", "Edit6",     "Edit7",     "Edit8",  "Edit9", "Edit10",
      "RichEdit1", "Edit11",    "BitBtn1",   "Button1",   "CheckBox1", "Button2"};
  EXPECT_EQ(names, expected);
  for (const ControlRow* row : KeyboardOrder()) EXPECT_TRUE(TakesFocus(row->kind)) << row->name;
}

TEST(ControlTable, NamesAreUnique) {
  std::set<std::string_view> names;
  for (const ControlRow& row : Form1Controls()) {
    EXPECT_TRUE(names.insert(row.name).second) << row.name;
  }
}

// Every field a listener must tell apart has a name of its own.
TEST(ControlTable, EveryFieldHasAnAccessibleName) {
  std::set<std::string_view> spoken;
  for (const ControlRow& row : Form1Controls()) {
    if (row.kind != ControlKind::Edit && row.kind != ControlKind::ComboBox) continue;
    ASSERT_NE(row.accessible_name, nullptr) << row.name;
    EXPECT_TRUE(spoken.insert(row.accessible_name).second) << row.accessible_name;
  }
}

TEST(ControlTable, Lists) {
  const auto a = ListItems(ItemList::A);
  const auto b = ListItems(ItemList::B);
  const auto c = ListItems(ItemList::C);
  ASSERT_EQ(a.size(), 22u);
  ASSERT_EQ(b.size(), 23u);
  ASSERT_EQ(c.size(), 11u);
  EXPECT_STREQ(a.front(), "1");
  EXPECT_STREQ(a.back(), "120");
  EXPECT_STREQ(b.front(), "0");
  for (std::size_t i = 0; i < a.size(); ++i) EXPECT_STREQ(b[i + 1], a[i]);
  EXPECT_STREQ(c[2], "7");
  EXPECT_TRUE(ListItems(ItemList::None).empty());
}

TEST(ControlTable, InstructionLines) {
  const auto lines = LogInstructionLines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_STREQ(lines[0], "材料１～５\u3000\u3000：レシピを見て、選択してください");
  EXPECT_EQ(std::string(lines[3]), std::string(49, '-'));
}

}  // namespace
