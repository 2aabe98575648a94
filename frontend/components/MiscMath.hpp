// Arithmetic expressions typed into numeric entries: "12*3.5", "sqrt(2)/2",
// "pi*0.5^2", "$1F".  The evaluator rewrites text: every intermediate result
// is written back as text (18 significant digits) and read again.
#pragma once

#include <stdexcept>
#include <string>

namespace quvex {

// An entry that cannot be evaluated.  The message is
// "Entry could not be evaluated:\r" followed by the reason.
class EAssignError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An arithmetic fault while evaluating (division by zero, a logarithm or root
// of a negative number, overflow).  Raised instead of producing NaN or Inf.
class EMathError : public EAssignError {
public:
    using EAssignError::EAssignError;
};

long double Evaluate(const std::string& text);
long double EvaluateOperand(const std::string& text);
bool IsFunctionName(const std::string& text);

// General number format: the shortest text holding `digits` significant
// digits, exponent form "1E-5" / "1E20" for very small or large values.
std::string FormatGeneral(long double value, int digits);

} // namespace quvex
