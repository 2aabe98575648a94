// Number formats of the front end's text files ("." whatever the locale; no
// process-wide setting is consulted or changed) and a text file that is
// written completely or not at all.
#pragma once

#include <string>

namespace quvex {

// Exponent notation with `digits` significant digits and at least `expDigits`
// exponent digits: FormatExp(12.5, 3, 2) = "1.25E+01", FormatExp(12.5, 3, 1) = "1.25E+1".
std::string FormatExp(double value, int digits, int expDigits);

// Fixed notation with `decimals` decimals: FormatFixed(0.2865, 3) = "0.287".
std::string FormatFixed(double value, int decimals);

// Collects the text of a file and puts it in place in one step: the text is
// written to a temporary file in the same folder, which then replaces the
// file.  A failure leaves the earlier file untouched and raises EInOutError.
class TAtomicTextFile {
public:
    explicit TAtomicTextFile(std::string path) : path_(std::move(path)) {}
    std::string& Text() { return text_; }
    TAtomicTextFile& operator<<(const std::string& s) {
        text_ += s;
        return *this;
    }
    void Commit() const;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    std::string text_;
};

} // namespace quvex
