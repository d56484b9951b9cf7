#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "engine/engine.h"

namespace {

struct Accepted {
  const char* text;
  std::int32_t value;
};

class ParseIntegerAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(ParseIntegerAccepts, GivesValue) {
  EXPECT_EQ(engine::ParseInteger(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseIntegerAccepts,
    testing::Values(Accepted{"0", 0}, Accepted{"+0", 0}, Accepted{"-0", 0}, Accepted{"0000", 0},
                    Accepted{"007", 7}, Accepted{"  42", 42}, Accepted{"2147483647", INT32_MAX},
                    Accepted{"-2147483648", INT32_MIN}, Accepted{"$1f", 31}, Accepted{"x1F", 31},
                    Accepted{"X1f", 31}, Accepted{"0x1F", 31}, Accepted{"0X1f", 31},
                    Accepted{"$7FFFFFFF", INT32_MAX}, Accepted{"$80000000", INT32_MIN},
                    Accepted{"$FFFFFFFF", -1}, Accepted{"$000000001", 1},
                    Accepted{"0000000000000000000000000000012", 12},
                    Accepted{"$00000000FFFFFFFF", -1}, Accepted{" -5", -5}, Accepted{"+17", 17},
                    Accepted{"0x0", 0}));

class ParseIntegerRejects : public testing::TestWithParam<std::string> {};

TEST_P(ParseIntegerRejects, NamesTheWholeText) {
  const std::string& text = GetParam();
  try {
    engine::ParseInteger(text);
    FAIL() << "accepted '" << text << "'";
  } catch (const engine::EConvertError& error) {
    EXPECT_EQ(error.Message(), "'" + text + "' is not a valid integer value");
  }
}

INSTANTIATE_TEST_SUITE_P(Table, ParseIntegerRejects,
                         testing::Values("", "   ", "42 ", "\t42", "2147483648", "-2147483649",
                                         "4294967296", "99999999999", "$100000000", "$", "x", "0x",
                                         "-$1", "+0x1", "- 5", "1.0", "1e3", "1,000", "-", "+",
                                         "１２", "0 ", "00x1", "$G", "12a", "　1"));

}  // namespace
