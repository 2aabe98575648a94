#include <gtest/gtest.h>

#include "units.hpp"

namespace quvex {
namespace {

struct TTextCase {
    const char* units;
    std::string (*form)(const std::string&, int);
    const char* formName;
    int system;
    const char* expected;
};

class UnitsText : public testing::TestWithParam<TTextCase> {};

TEST_P(UnitsText, SubstitutesCodes) {
    const TTextCase& c = GetParam();
    EXPECT_EQ(c.form(c.units, c.system), c.expected)
        << c.formName << " form of \"" << c.units << "\" in system " << c.system;
}

#define ENTRY EntryUnitsText, "entry"
#define COMBO ComboUnitsText, "combo"
#define PLOT PlotUnitsText, "plot"
#define COLUMN ColumnUnitsText, "column"

INSTANTIATE_TEST_SUITE_P(
    Forms, UnitsText,
    testing::Values(
        TTextCase{"F/L2^2", ENTRY, 1, "lbs/ft^2"}, TTextCase{"F/L2^2", ENTRY, 2, "kN/m^2"},
        TTextCase{"F/L2^2", COLUMN, 3, "F/L^2"}, TTextCase{"F/L2^2", COLUMN, 1, "lbs/ft^2"},
        TTextCase{"F/L2^3", ENTRY, 1, "lbs/ft^3"}, TTextCase{"F/L2^3", ENTRY, 2, "kN/m^3"},
        TTextCase{"F1/L2^2", ENTRY, 1, "kips/ft^2"}, TTextCase{"F1/L2^2", ENTRY, 2, "kN/m^2"},
        TTextCase{"F1/L2^2", COLUMN, 1, "kips/ft^2"}, TTextCase{"L1", ENTRY, 1, "in"},
        TTextCase{"L1", ENTRY, 2, "mm"}, TTextCase{"L1", PLOT, 1, "in"},
        TTextCase{"L1", PLOT, 2, "mm"}, TTextCase{"L\u00b2", ENTRY, 1, "in\u00b2"},
        TTextCase{"L\u00b2", ENTRY, 2, "m\u00b2"}, TTextCase{"F4", ENTRY, 1, "lb-sec2/in"},
        TTextCase{"F4", ENTRY, 2, "Mg"}, TTextCase{"F4", COMBO, 1, "lbs4"},
        TTextCase{"F4", COMBO, 2, "kN4"}, TTextCase{"F1/F", ENTRY, 1, "kips/F"},
        TTextCase{"F1/F", COLUMN, 1, "kips/lbs"},
        // the plot form knows no F4..F6, so only the plain F of "F4" is replaced
        TTextCase{"F4", PLOT, 1, "lbs4"},
        // a digit that forms no code stays behind the plain code's text
        TTextCase{"L5", ENTRY, 1, "in5"}, TTextCase{"F4/F5", COLUMN, 3, "M/T"},
        TTextCase{"F6*L3", COLUMN, 3, "F*L"}, TTextCase{"F6*L3", COLUMN, 2, "Mg*rad"},
        // system 3 leaves entry boxes, combos and plots exactly as stored
        TTextCase{"F/L2^2", ENTRY, 3, "F/L2^2"}, TTextCase{"F1/L2^2", PLOT, 3, "F1/L2^2"},
        TTextCase{"F/L", COMBO, 3, "F/L"}, TTextCase{"degrees", ENTRY, 1, "degrees"},
        TTextCase{"Hz", PLOT, 2, "Hz"}, TTextCase{"SPT-N", COLUMN, 1, "SPT-N"},
        TTextCase{"SPT-N", COLUMN, 3, "SPT-N"}));

struct TFactorCase {
    const char* units;
    int from, to;
    long double expected;
};

class UnitsFactor : public testing::TestWithParam<TFactorCase> {};

TEST_P(UnitsFactor, MatchesHandComputation) {
    const TFactorCase& c = GetParam();
    long double f = ConversionFactor(c.from, c.to, c.units);
    EXPECT_NEAR(static_cast<double>(f / c.expected), 1.0, 1e-12)
        << c.units << " " << c.from << "->" << c.to;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, UnitsFactor,
    testing::Values(
        // psf to kPa: 3.280839895^2 / 224.8089237
        TFactorCase{"F/L2^2", 1, 2, 0.04788026311174235L},
        TFactorCase{"F/L2^2", 2, 1, 20.88543243102513L}, TFactorCase{"L2", 2, 1, 3.280839895L},
        TFactorCase{"L2", 1, 2, 1 / 3.280839895L},
        // pcf to kN/m^3: 3.280839895^3 / 224.8089237
        TFactorCase{"F/L2^3", 1, 2, 0.1570874774001012L},
        TFactorCase{"F1/L2^2", 1, 2, 47.88026311174235L},
        TFactorCase{"L^2", 2, 1, 1550.0030999938L}, TFactorCase{"L\u00b2", 2, 1, 1550.0030999938L},
        TFactorCase{"F1", 2, 1, 0.2248089237L}, TFactorCase{"L1", 2, 1, 0.03937007874L},
        TFactorCase{"F4", 2, 1, 5.7101483L}, TFactorCase{"F6", 1, 2, 1 / 68.364249L},
        TFactorCase{"F5", 1, 2, 1.0L}, TFactorCase{"L3", 1, 2, 1.0L}, TFactorCase{"", 1, 2, 1.0L},
        TFactorCase{"degrees", 1, 2, 1.0L}, TFactorCase{"F/L2^2", 1, 1, 1.0L},
        TFactorCase{"F/L2^2", 2, 3, 1.0L}));

TEST(UnitsFactor, PsfToKpaToSixDigits) {
    EXPECT_NEAR(static_cast<double>(ConversionFactor(1, 2, "F/L2^2")), 0.0478803, 5e-8);
}

} // namespace
} // namespace quvex
