#include "window/control_table.h"

#include <algorithm>
#include <array>

namespace {

using K = ControlKind;
using L = ItemList;

// bold, character height, text colour, fill
constexpr ControlLook kPlain{};
constexpr ControlLook kBold{true, 0, {}, {}};
constexpr ControlLook kRedBold{true, 0, kRed, {}};
constexpr ControlLook kTrialButton{true, 13, kRed, {}};
constexpr ControlLook kGreenText{false, 0, kGreen, {}};
constexpr ControlLook kYellowFill{false, 0, {}, kYellow};
constexpr ControlLook kYellowFillBold{true, 0, {}, kYellow};
constexpr ControlLook kSkyBlueFill{false, 0, {}, kSkyBlue};
constexpr ControlLook kMoneyGreenFill{false, 0, {}, kMoneyGreen};

// One row per control, in creation order.
// clang-format off
const std::array kControls{
    ControlRow{"Image1",       K::Picture,    {460,   0, 160,  41}, "",             L::None, kPlain,          0,  "工房から出る（バナー）", "クリックするとプログラムを終了します", nullptr},
    ControlRow{"Label1",       K::Label,      {  0, 320, 359,  12}, "上の欄は全部埋めたか？埋めたら右のボタンを押すんだ！---＞", L::None, kRedBold, 0, nullptr, nullptr, nullptr},
    ControlRow{"StaticText3",  K::StaticText, {  0, 160, 138,  16}, "作成される数（レシピ参照）", L::None, kPlain, 0, nullptr, nullptr, "ComboBox6"},
    ControlRow{"StaticText4",  K::StaticText, {  0,  50,  39,  16}, "材料１",       L::None, kBold,           0,  nullptr, nullptr, "ComboBox1"},
    ControlRow{"StaticText5",  K::StaticText, {  0,  70,  39,  16}, "材料２",       L::None, kBold,           0,  nullptr, nullptr, "ComboBox2"},
    ControlRow{"StaticText6",  K::StaticText, {  0,  90,  39,  16}, "材料３",       L::None, kBold,           0,  nullptr, nullptr, "ComboBox3"},
    ControlRow{"StaticText7",  K::StaticText, {  0, 110,  39,  16}, "材料４",       L::None, kBold,           0,  nullptr, nullptr, "ComboBox4"},
    ControlRow{"StaticText8",  K::StaticText, {  0, 130,  39,  16}, "材料５",       L::None, kBold,           0,  nullptr, nullptr, "ComboBox5"},
    ControlRow{"StaticText9",  K::StaticText, { 50,  30,  39,  16}, "個\u3000数",   L::None, kBold,           0,  nullptr, nullptr, "ComboBox1"},
    ControlRow{"StaticText2",  K::StaticText, { 60,  10, 127,  16}, "↓レシピを見て埋めてね", L::None, kPlain,  0,  nullptr, nullptr, nullptr},
    ControlRow{"ComboBox1",    K::ComboBox,   { 40,  50,  71,  20}, "1",            L::A,    kYellowFillBold, 1,  "材料１ 個数", nullptr, nullptr},
    ControlRow{"ComboBox2",    K::ComboBox,   { 40,  70,  71,  20}, "0",            L::B,    kYellowFill,     2,  "材料２ 個数", nullptr, nullptr},
    ControlRow{"ComboBox3",    K::ComboBox,   { 40,  90,  71,  20}, "0",            L::B,    kYellowFill,     3,  "材料３ 個数", nullptr, nullptr},
    ControlRow{"ComboBox4",    K::ComboBox,   { 40, 110,  71,  20}, "0",            L::B,    kYellowFill,     4,  "材料４ 個数", nullptr, nullptr},
    ControlRow{"ComboBox5",    K::ComboBox,   { 40, 130,  71,  20}, "0",            L::B,    kYellowFill,     5,  "材料５ 個数", nullptr, nullptr},
    ControlRow{"StaticText1",  K::StaticText, {130,  30,  39,  16}, "単\u3000価",   L::None, kBold,           0,  nullptr, nullptr, "Edit1"},
    ControlRow{"Edit1",        K::Edit,       {120,  50,  61,  20}, "0",            L::None, kSkyBlueFill,    6,  "材料１ 単価", nullptr, nullptr},
    ControlRow{"Edit2",        K::Edit,       {120,  70,  61,  20}, "0",            L::None, kSkyBlueFill,    7,  "材料２ 単価", nullptr, nullptr},
    ControlRow{"Edit3",        K::Edit,       {120,  90,  61,  20}, "0",            L::None, kSkyBlueFill,    8,  "材料３ 単価", nullptr, nullptr},
    ControlRow{"Edit4",        K::Edit,       {120, 110,  61,  20}, "0",            L::None, kSkyBlueFill,    9,  "材料４ 単価", nullptr, nullptr},
    ControlRow{"Edit5",        K::Edit,       {120, 130,  61,  20}, "0",            L::None, kSkyBlueFill,    10, "材料５ 単価", nullptr, nullptr},
    ControlRow{"ComboBox6",    K::ComboBox,   {140, 160,  71,  20}, "1",            L::C,    kYellowFill,     11, "作成される数", nullptr, nullptr},
    ControlRow{"StaticText10", K::StaticText, {200,  30,  39,  16}, "在\u3000庫",   L::None, kBold,           0,  nullptr, nullptr, "Edit6"},
    ControlRow{"Edit6",        K::Edit,       {190,  50,  61,  20}, "10",           L::None, kMoneyGreenFill, 12, "材料１ 在庫", nullptr, nullptr},
    ControlRow{"Edit7",        K::Edit,       {190,  70,  61,  20}, "0",            L::None, kMoneyGreenFill, 13, "材料２ 在庫", nullptr, nullptr},
    ControlRow{"Edit8",        K::Edit,       {190,  90,  61,  20}, "0",            L::None, kMoneyGreenFill, 14, "材料３ 在庫", nullptr, nullptr},
    ControlRow{"Edit9",        K::Edit,       {190, 110,  61,  20}, "0",            L::None, kMoneyGreenFill, 15, "材料４ 在庫", nullptr, nullptr},
    ControlRow{"Edit10",       K::Edit,       {190, 130,  61,  20}, "0",            L::None, kMoneyGreenFill, 16, "材料５ 在庫", nullptr, nullptr},
    ControlRow{"RichEdit1",    K::Log,        {260,  50, 361, 241}, "",             L::None, kPlain,          17, "ログ", "試作の結果と作成ログがここに書き込まれます", nullptr},
    ControlRow{"StaticText11", K::StaticText, { 10, 190, 112,  16}, "成功率（補正値込み）", L::None, kPlain,  0,  nullptr, nullptr, "Edit11"},
    // The initial rate text depends on the decimal mark; the form writes it.
    ControlRow{"Edit11",       K::Edit,       {140, 190,  71,  20}, "",             L::None, kYellowFill,     18, "成功率", nullptr, nullptr},
    ControlRow{"BitBtn1",      K::PushButton, {540, 300,  91,  31}, "工房から出る", L::None, kPlain,          19, nullptr, nullptr, nullptr},
    ControlRow{"Button1",      K::PushButton, {370, 300,  91,  31}, "試作してみる", L::None, kTrialButton,    20, nullptr, nullptr, nullptr},
    ControlRow{"CheckBox1",    K::CheckBox,   {  0, 220, 131,  17}, "作成ログを表示する", L::None, kPlain,    21, nullptr, nullptr, nullptr},
    ControlRow{"StaticText12", K::StaticText, {  0, 300, 291,  16}, "高品質や低品質の期待値は、あまり信用しないでください", L::None, kGreenText, 0, nullptr, nullptr, nullptr},
    ControlRow{"Button2",      K::PushButton, {460, 300,  81,  31}, "ログ消去",     L::None, kPlain,          22, nullptr, nullptr, nullptr},
};
// clang-format on

constexpr std::array<const char*, 22> kListA{"1",  "2",  "3",  "4",  "5",   "6",  "8",  "10",
                                             "12", "15", "20", "24", "30",  "40", "45", "50",
                                             "60", "75", "80", "90", "100", "120"};

// "0" followed by list A.
constexpr auto kListB = [] {
  std::array<const char*, kListA.size() + 1> items{"0"};
  std::ranges::copy(kListA, items.begin() + 1);
  return items;
}();

constexpr std::array<const char*, 11> kListC{"1",  "5",  "7",  "10", "15", "25",
                                             "30", "40", "50", "70", "100"};

constexpr std::array<const char*, 4> kInstructionLines{
    "材料１～５　　：レシピを見て、選択してください",
    "作成される数：レシピを見て、埋めてください",
    "成功率：作成スキル値＋補正値等の合計を入れてください",
    "-------------------------------------------------",
};

}  // namespace

std::span<const ControlRow> Form1Controls() { return kControls; }

std::vector<const ControlRow*> KeyboardOrder() {
  std::vector<const ControlRow*> order;
  for (const ControlRow& row : kControls)
    if (row.tab_position > 0) order.push_back(&row);
  std::ranges::sort(order, {}, &ControlRow::tab_position);
  return order;
}

std::span<const char* const> ListItems(ItemList list) {
  switch (list) {
    case ItemList::A:
      return kListA;
    case ItemList::B:
      return kListB;
    case ItemList::C:
      return kListC;
    case ItemList::None:
      break;
  }
  return {};
}

std::span<const char* const> LogInstructionLines() { return kInstructionLines; }

bool HasFixedHeight(ControlKind kind) {
  return kind == ControlKind::Edit || kind == ControlKind::ComboBox;
}

bool TakesFocus(ControlKind kind) {
  return kind != ControlKind::Picture && kind != ControlKind::Label &&
         kind != ControlKind::StaticText;
}

bool IsWindowed(ControlKind kind) {
  return kind != ControlKind::Picture && kind != ControlKind::Label;
}
