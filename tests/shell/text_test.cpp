#include "shell/text.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Conversion {
    const char16_t* input;
    const char16_t* expected;
};

void PrintTo(const Conversion& c, std::ostream* os)
{
    *os << QString::fromUtf16(c.input).toStdString();
}

class AmountToCentsTest : public ::testing::TestWithParam<Conversion> {};
TEST_P(AmountToCentsTest, Converts)
{
    EXPECT_EQ(AmountToCents(QString::fromUtf16(GetParam().input)),
              QString::fromUtf16(GetParam().expected));
}
INSTANTIATE_TEST_SUITE_P(Typed, AmountToCentsTest,
                         ::testing::Values(Conversion{u"1500", u"150000"},
                                           Conversion{u"1500.5", u"150050"},
                                           Conversion{u"1 500.256", u"150025"},
                                           Conversion{u"1500.", u"150000"},
                                           Conversion{u"-12.3", u"-1230"},
                                           Conversion{u"", u"00"},
                                           Conversion{u"  45 000.50 ", u"4500050"},
                                           // a comma separates decimals like a point
                                           Conversion{u"1500,5", u"150050"},
                                           Conversion{u"1 500,25", u"150025"},
                                           Conversion{u"0,5", u"050"}));

class CentsToAmountTest : public ::testing::TestWithParam<Conversion> {};
TEST_P(CentsToAmountTest, Converts)
{
    EXPECT_EQ(CentsToAmount(QString::fromUtf16(GetParam().input)),
              QString::fromUtf16(GetParam().expected));
}
INSTANTIATE_TEST_SUITE_P(Stored, CentsToAmountTest,
                         ::testing::Values(Conversion{u"150050", u"1500.50"},
                                           Conversion{u"5", u"0.05"},
                                           Conversion{u"50", u"0.50"},
                                           Conversion{u"", u"0.00"},
                                           Conversion{u"0", u"0.00"},
                                           Conversion{u"00", u"0.00"},
                                           Conversion{u"1", u"0.01"},
                                           Conversion{u"100", u"1.00"},
                                           Conversion{u"-150050", u"-1500.50"},
                                           Conversion{u"4500000", u"45000.00"}));

class GroupThousandsTest : public ::testing::TestWithParam<Conversion> {};
TEST_P(GroupThousandsTest, Groups)
{
    EXPECT_EQ(GroupThousands(QString::fromUtf16(GetParam().input)),
              QString::fromUtf16(GetParam().expected));
}
INSTANTIATE_TEST_SUITE_P(
    Decimal, GroupThousandsTest,
    ::testing::Values(Conversion{u"1500.50", u"1 500.50"},
                      Conversion{u"1234567.89", u"1 234 567.89"},
                      Conversion{u"999.00", u"999.00"},
                      Conversion{u"-1500.50", u"-1 500.50"},
                      Conversion{u"-150.00", u"- 150.00"},
                      Conversion{u"0", u"0.00"},
                      Conversion{u"45000.00", u"45 000.00"},
                      Conversion{u"123456789012345678.25", u"123 456 789 012 345 678.25"},
                      // a nineteenth digit drops the integer part
                      Conversion{u"1234567890123456789.25", u".25"}));

TEST(FormatRate, RightAlignsInEighteenCharacters)
{
    EXPECT_EQ(FormatRate(9.5f), QString(14, u' ') + u"9.50"_s);
    EXPECT_EQ(FormatRate(26.0f).size(), 18);
    EXPECT_EQ(FormatRate(-7.25f).trimmed(), u"-7.25"_s);
    // 2^57 has 21 characters with its decimals: the first 18 are kept
    EXPECT_EQ(FormatRate(float(1ull << 57)), u"144115188075855872"_s);
    EXPECT_EQ(FormatRate(float(1ull << 50)), u"1125899906842624.0"_s);
}

TEST(IsNumericText, AcceptsDigitsWithOneSeparator)
{
    const std::pair<const char16_t*, bool> cases[] = {
        {u" 1 500,50", true}, {u"-3", true},   {u"1.2.3", false}, {u"12a", false},
        {u"", false},         {u"-", false},   {u"1,5", true},    {u"1.5", true},
        {u"1,5.0", false},    {u"--3", false}, {u"+3", false},    {u" - 12", true},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(IsNumericText(QString::fromUtf16(text)), expected)
            << QString::fromUtf16(text).toStdString();
}

TEST(IntegerValue, ParsesTheLeadingInteger)
{
    const std::pair<const char16_t*, qint64> cases[] = {
        {u"21.5", 21},      {u"", 0},           {u"  \t-42x", -42}, {u"+7", 7},
        {u"abc", 0},        {u"1 500", 1},      {u"0050", 50},      {u"- 3", 0},
        {u"99999999999999999999", std::numeric_limits<qint64>::max()},
        {u"-99999999999999999999", std::numeric_limits<qint64>::min()},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(integerValue(QString::fromUtf16(text)), expected)
            << QString::fromUtf16(text).toStdString();
}

TEST(Conversions, RoundTripTypedToShown)
{
    EXPECT_EQ(CentsToAmount(AmountToCents(u"1500.5"_s)), u"1500.50"_s);
    EXPECT_EQ(CentsToAmount(AmountToCents(QString())), u"0.00"_s);
    EXPECT_EQ(displayAmount(AmountToCents(u"45000"_s)), u"45 000.00"_s);
}

TEST(NumberFieldError, NamesTheFieldItRefuses)
{
    EXPECT_TRUE(numberFieldError(u"Montant:"_s, u"1 500,50"_s, false).isEmpty());
    EXPECT_TRUE(numberFieldError(u"Montant:"_s, QString(), true).isEmpty());
    EXPECT_TRUE(numberFieldError(u"Montant:"_s, u"123456789012345"_s, false).isEmpty());
    EXPECT_TRUE(numberFieldError(u"Montant:"_s, u"12a"_s, true).contains(u"« Montant »"_s));
    EXPECT_TRUE(numberFieldError(u"Taux:"_s, u"1234567890123456"_s, true).contains(u"15 chiffres"_s));
    EXPECT_FALSE(numberFieldError(u"Taux:"_s, QString(), false).isEmpty());
}

} // namespace
