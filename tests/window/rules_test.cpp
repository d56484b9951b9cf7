// The rules both front ends follow: the error box's full stop and shortened
// text, the number fields' characters, completion in the drop-down lists,
// the application title and the arithmetic the engine needs.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "window/application_title.h"
#include "window/combo_completion_rule.h"
#include "window/error_box_text.h"
#include "window/numeric_key_rule.h"
#include "window/utf16.h"
#include "window/x87_environment.h"

namespace {

// --- error box -------------------------------------------------------------

struct FullStopCase {
  std::u16string message;
  std::u16string shown;
};

// Shown by index: the texts are UTF-16.
void PrintTo(const FullStopCase&, std::ostream* os) { *os << "message"; }

class ErrorBoxFullStop : public testing::TestWithParam<FullStopCase> {};

TEST_P(ErrorBoxFullStop, AppendsAfterCharactersAboveFullStop) {
  EXPECT_EQ(ErrorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBoxFullStop,
    testing::Values(
        FullStopCase{u"", u""}, FullStopCase{u".", u"."}, FullStopCase{u"Done.", u"Done."},
        FullStopCase{u"Stop!", u"Stop!"}, FullStopCase{u"trailing ", u"trailing "},
        FullStopCase{u"tab\t", u"tab\t"}, FullStopCase{u"'x'", u"'x'"}, FullStopCase{u"a,", u"a,"},
        FullStopCase{u"a-", u"a-"},                                        // 0x2C, 0x2D
        FullStopCase{u"a/", u"a/."}, FullStopCase{u"code 7", u"code 7."},  // 0x2F, digit
        FullStopCase{u"ABC", u"ABC."}, FullStopCase{u"a~", u"a~."},
        FullStopCase{u"a\x7f", u"a\x7f."}, FullStopCase{u"caf\u00e9", u"caf\u00e9."},
        FullStopCase{u"エラー", u"エラー."}, FullStopCase{u"終了。", u"終了。."},
        FullStopCase{u"𠀋", u"𠀋."},
        FullStopCase{u"RichEdit での行の挿入エラー", u"RichEdit での行の挿入エラー."},
        // Markup and line breaks are text like any other.
        FullStopCase{u"'<b>x</b>&amp;' is not a valid integer value",
                     u"'<b>x</b>&amp;' is not a valid integer value."},
        FullStopCase{u"a<", u"a<."}, FullStopCase{u"a&", u"a&"},  // '&' is 0x26
        FullStopCase{u"line\nbreak", u"line\nbreak."}, FullStopCase{u"ends\n", u"ends\n"}));

TEST(ErrorBoxShownText, KeepsBothEndsOfALongText) {
  const std::u16string fits(kShownCharacters, u'a');
  EXPECT_EQ(ShownText(fits), fits);

  const std::u16string message =
      u"'" + std::u16string(1 << 20, u'x') + u"' is not a valid integer value.";
  const std::u16string shown = ShownText(message);
  EXPECT_EQ(shown.size(), kShownCharacters);
  EXPECT_TRUE(shown.starts_with(u"'xxx"));
  EXPECT_TRUE(shown.ends_with(u"xxx' is not a valid integer value."));
  EXPECT_NE(shown.find(u'\u2026'), std::u16string::npos);
}

TEST(ErrorBoxShownText, NeverSplitsASurrogatePair) {
  std::u16string pairs;
  for (std::size_t i = 0; i < kShownCharacters; ++i) pairs += u"𠀋";
  const std::u16string cut = ShownText(pairs);
  const auto high = IsHighSurrogate;
  const auto low = IsLowSurrogate;
  EXPECT_LE(cut.size(), kShownCharacters);
  EXPECT_FALSE(low(cut.front()));
  EXPECT_FALSE(high(cut.back()));
  const std::size_t ellipsis = cut.find(u'\u2026');
  ASSERT_NE(ellipsis, std::u16string::npos);
  EXPECT_FALSE(high(cut[ellipsis - 1]));
  EXPECT_FALSE(low(cut[ellipsis + 1]));
}

// --- number fields ---------------------------------------------------------

TEST(NumericFieldAccepts, DigitsFullStopAndBackspaceOnly) {
  for (char32_t c = U'0'; c <= U'9'; ++c) EXPECT_TRUE(NumericFieldAccepts(c, '.'));
  EXPECT_TRUE(NumericFieldAccepts(U'.', '.'));
  EXPECT_TRUE(NumericFieldAccepts(8, '.'));
  // NUL, Ctrl+A, Ctrl+C, tab, Enter, Ctrl+V, Escape, DEL and the discarded printables.
  for (const char32_t c : {0, 1, 3, 9, 13, 22, 24, 26, 27, 127})
    EXPECT_FALSE(NumericFieldAccepts(c, '.')) << static_cast<int>(c);
  for (const char32_t c : std::u32string_view(U"-+, aeE/:"))
    EXPECT_FALSE(NumericFieldAccepts(c, '.')) << static_cast<int>(c);
  // Full-width digits and other non-ASCII characters are not digits.
  for (const char32_t c : {U'０', U'９', U'．', U'あ', U'\u00b7'})
    EXPECT_FALSE(NumericFieldAccepts(c, '.'));
}

TEST(NumericFieldAccepts, TheDecimalMarkToo) {
  EXPECT_TRUE(NumericFieldAccepts(U',', ','));
  EXPECT_TRUE(NumericFieldAccepts(U'.', ','));  // the full stop always passes
  EXPECT_FALSE(NumericFieldAccepts(U',', '.'));
  // A mark outside ASCII is a byte of some code page, never a typed character.
  EXPECT_FALSE(NumericFieldAccepts(0xB7, static_cast<char>(0xB7)));
  EXPECT_FALSE(NumericFieldAccepts(0, '\0'));
}

// --- completion ------------------------------------------------------------

std::vector<std::u16string> Items(std::initializer_list<const char16_t*> items) {
  return {items.begin(), items.end()};
}

const std::vector<std::u16string> kListA =
    Items({u"1",  u"2",  u"3",  u"4",  u"5",  u"6",  u"8",  u"10", u"12", u"15",  u"20",
           u"24", u"30", u"40", u"45", u"50", u"60", u"75", u"80", u"90", u"100", u"120"});

// The examples at the top of the rule's header.
TEST(ComboCompletion, HeaderExamples) {
  const auto seventy_five = Items({u"1", u"75"});
  EXPECT_EQ(CompleteTyped({u"", 0, 0}, u"7", seventy_five), (TCompletion{{u"75", 1, 1}, 1}));
  EXPECT_EQ(CompleteTyped({u"75", 1, 1}, u"0", seventy_five), std::nullopt);
  EXPECT_EQ(AfterBackspace({u"75", 2, 0}), (TComboText{u"7", 1, 0}));
}

struct CompletionCase {
  const char* name;
  TComboText field;
  std::u16string typed;
  std::vector<std::u16string> items;
  std::optional<TCompletion> expected;
};

void PrintTo(const CompletionCase& c, std::ostream* os) { *os << c.name; }

class ComboCompletion : public testing::TestWithParam<CompletionCase> {};

TEST_P(ComboCompletion, Typed) {
  const CompletionCase& c = GetParam();
  EXPECT_EQ(CompleteTyped(c.field, c.typed, c.items), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComboCompletion,
    testing::Values(
        // "1" selected whole: the candidate is just "2", a hit on "2".
        CompletionCase{
            "selection_replaced", {u"1", 0, 1}, u"2", kListA, TCompletion{{u"2", 1, 0}, 1}},
        CompletionCase{"whole_text_hit", {u"1", 1, 0}, u"2", kListA, TCompletion{{u"12", 2, 0}, 8}},
        CompletionCase{"rest_selected", {u"", 0, 0}, u"7", kListA, TCompletion{{u"75", 1, 1}, 17}},
        CompletionCase{"letter_misses", {u"", 0, 0}, u"a", kListA, std::nullopt},
        CompletionCase{"miss_without_selection", {u"5", 1, 0}, u"3", kListA, std::nullopt},
        // The candidate is the whole text wherever the caret stands.
        CompletionCase{
            "caret_ignored", {u"10", 0, 0}, u"0", kListA, TCompletion{{u"100", 3, 0}, 20}},
        CompletionCase{"case_ignored_typed_case_kept",
                       {u"a", 1, 0},
                       u"P",
                       Items({u"Apple", u"apricot"}),
                       TCompletion{{u"aPple", 2, 3}, 0}},
        CompletionCase{"first_match_wins",
                       {u"", 0, 0},
                       u"A",
                       Items({u"Apple", u"apricot"}),
                       TCompletion{{u"Apple", 1, 4}, 0}},
        CompletionCase{"later_item",
                       {u"ap", 2, 0},
                       u"r",
                       Items({u"Apple", u"apricot"}),
                       TCompletion{{u"apricot", 3, 4}, 1}},
        CompletionCase{"full_width_case",
                       {u"", 0, 0},
                       u"ａ",
                       Items({u"ＡＢ"}),
                       TCompletion{{u"ａＢ", 1, 1}, 0}},
        CompletionCase{"double_byte_whole",
                       {u"", 0, 0},
                       u"鉄",
                       Items({u"鉄鉱石", u"鉄板"}),
                       TCompletion{{u"鉄鉱石", 1, 2}, 0}},
        CompletionCase{"double_byte_second",
                       {u"鉄", 1, 0},
                       u"板",
                       Items({u"鉄鉱石", u"鉄板"}),
                       TCompletion{{u"鉄板", 2, 0}, 1}},
        CompletionCase{"surrogate_pair_whole",
                       {u"", 0, 0},
                       u"𠀋",
                       Items({u"𠀋x"}),
                       TCompletion{{u"𠀋x", 2, 1}, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComboCompletion, Backspace) {
  EXPECT_EQ(AfterBackspace({u"75", 1, 1}), (TComboText{u"7", 1, 0}));   // the selection
  EXPECT_EQ(AfterBackspace({u"12", 2, 0}), (TComboText{u"1", 1, 0}));   // before the caret
  EXPECT_EQ(AfterBackspace({u"40", 1, 0}), (TComboText{u"0", 0, 0}));   // in the middle
  EXPECT_EQ(AfterBackspace({u"40", 0, 0}), (TComboText{u"40", 0, 0}));  // at the start
  EXPECT_EQ(AfterBackspace({u"a𠀋", 3, 0}), (TComboText{u"a", 1, 0}));  // a pair whole
}

// --- application title -----------------------------------------------------

// Stands for the platform's lower-casing: ASCII is enough to see the rule.
std::u16string AsciiLower(std::u16string_view text) {
  std::u16string lower(text);
  for (char16_t& c : lower)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 0x20);
  return lower;
}

struct TitleCase {
  std::u16string path;
  char16_t separator;
  std::u16string title;
};

void PrintTo(const TitleCase&, std::ostream* os) { *os << "path"; }

class ApplicationTitleRule : public testing::TestWithParam<TitleCase> {};

TEST_P(ApplicationTitleRule, FromPath) {
  const TitleCase& c = GetParam();
  EXPECT_EQ(ApplicationTitle(c.path, c.separator, AsciiLower), c.title);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ApplicationTitleRule,
    testing::Values(TitleCase{u"CALC.EXE", u'\\', u"Calc"}, TitleCase{u"MY.TOOL.EXE", u'\\', u"My"},
                    TitleCase{u"C:\\Games\\Orvanne\\CALC.EXE", u'\\', u"Calc"},
                    TitleCase{u"/usr/bin/CALC.EXE", u'/', u"Calc"},
                    TitleCase{u"/a/b/orvanne-calc", u'/', u"orvanne-calc"},
                    TitleCase{u"/opt/oRVANNE", u'/', u"orvanne"},
                    TitleCase{u"/x.y/app", u'/', u"app"}, TitleCase{u"/home/u/.hidden", u'/', u""},
                    TitleCase{u"/bin/Tool.", u'/', u"Tool"}, TitleCase{u"", u'/', u""},
                    TitleCase{u"/usr/bin/", u'/', u""}, TitleCase{u"/d/A\\B.EXE", u'/', u"A\\b"},
                    TitleCase{u"C:\\d/A\\B.EXE", u'\\', u"B"},
                    // ソ is 0x83 0x5C in code page 932: in UTF-16 it is no backslash.
                    TitleCase{u"C:\\ソフト\\ORVANNE.EXE", u'\\', u"Orvanne"},
                    TitleCase{u"C:\\ソ.EXE", u'\\', u"ソ"},
                    TitleCase{u"C:\\計算機.EXE", u'\\', u"計算機"},
                    TitleCase{u"/opt/𝐀BC", u'/', u"𝐀bc"}));

// --- arithmetic ------------------------------------------------------------

TEST(X87Environment, ControlWordRule) {
  EXPECT_TRUE(IsEngineArithmetic(0x037F));   // the x87's own default
  EXPECT_FALSE(IsEngineArithmetic(0x027F));  // 53-bit significand
  EXPECT_FALSE(IsEngineArithmetic(0x007F));  // 24-bit significand
  EXPECT_FALSE(IsEngineArithmetic(0x0F7F));  // rounding towards zero
}

// Nothing in a process start-up of this platform changes the x87 settings.
TEST(X87Environment, ProcessStartsWithTheEngineArithmetic) {
  EXPECT_TRUE(IsEngineArithmetic(X87ControlWord())) << std::hex << X87ControlWord();
  EXPECT_FALSE(EstablishEngineArithmetic());
}

TEST(X87Environment, EstablishingPutsPrecisionAndRoundingBack) {
  const std::uint16_t before = X87ControlWord();
  const std::uint16_t changed = static_cast<std::uint16_t>((before & ~0x0F00) | 0x0600);
  asm volatile("fldcw %0" : : "m"(changed));
  EXPECT_TRUE(EstablishEngineArithmetic());
  EXPECT_EQ(X87ControlWord(), before);
}

}  // namespace
