// Fixed-field text layout of the engine's report and plot data file.
//
// Every numeric field is right-aligned in w columns and written as w asterisks
// when the value does not fit (or is not a finite number). Rounding is the C
// library's, from the exact binary value.
#pragma once

#include <string>
#include <string_view>

namespace quvex::io {

// Iw: integer in w columns.
std::string fieldI(long long value, int width);
// Iw.m: integer in w columns with at least m digits, zero-filled.
std::string fieldI(long long value, int width, int minDigits);
// Fw.d: real in w columns with d decimals.
std::string fieldF(double value, int width, int decimals);
// Ew.d: real as 0.d...dE+ee in w columns; the leading 0 is dropped when the
// field is one column short.
std::string fieldE(double value, int width, int decimals);
// Aw: text left-aligned in w columns, cut or blank-padded.
std::string fieldA(std::string_view text, int width);

// The same fields appended to a line under construction.
void appendI(std::string& out, long long value, int width, int minDigits);
void appendF(std::string& out, double value, int width, int decimals);
void appendE(std::string& out, double value, int width, int decimals);

// Builds one report line field by field; `str()` gives the text without the
// line end.
class Line {
public:
    Line() { text_.reserve(128); }

    Line& x(int blanks) {
        text_.append(static_cast<std::size_t>(blanks), ' ');
        return *this;
    }
    Line& t(std::string_view s) {
        text_.append(s);
        return *this;
    }
    Line& rep(char c, int count) {
        text_.append(static_cast<std::size_t>(count), c);
        return *this;
    }
    Line& a(std::string_view s, int width) { return t(fieldA(s, width)); }
    Line& i(long long v, int width) {
        appendI(text_, v, width, 0);
        return *this;
    }
    Line& i(long long v, int width, int minDigits) {
        appendI(text_, v, width, minDigits);
        return *this;
    }
    Line& f(double v, int width, int decimals) {
        appendF(text_, v, width, decimals);
        return *this;
    }
    Line& e(double v, int width, int decimals) {
        appendE(text_, v, width, decimals);
        return *this;
    }

    const std::string& str() const { return text_; }

private:
    std::string text_;
};

// Text sink for the report, the plot data file and the console: appends whole
// lines with '\n'.
class TextOut {
public:
    TextOut& line(const Line& l) { return line(l.str()); }
    TextOut& line(std::string_view s) {
        text_.append(s);
        text_.push_back('\n');
        return *this;
    }
    TextOut& empty(int count = 1) {
        text_.append(static_cast<std::size_t>(count), '\n');
        return *this;
    }
    // Raw text with no line end (console prompts).
    TextOut& raw(std::string_view s) {
        text_.append(s);
        return *this;
    }
    const std::string& text() const { return text_; }
    std::string& text() { return text_; }
    void clear() { text_.clear(); }

private:
    std::string text_;
};

} // namespace quvex::io
