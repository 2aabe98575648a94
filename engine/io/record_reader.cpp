#include "record_reader.hpp"

#include <cctype>
#include <charconv>
#include <cmath>

namespace quvex::io {
namespace {

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\f' || c == '\v';
}

std::string quoted(std::string_view token) {
    std::string q = "\"";
    q.append(token.substr(0, 40));
    if (token.size() > 40) q += "...";
    q += '"';
    return q;
}

} // namespace

RecordReader::RecordReader(std::string_view text, std::string fileName)
    : text_(text), fileName_(std::move(fileName)) {
    text = text_;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.push_back(line);
        start = end + 1;
    }
}

void RecordReader::fail(const std::string& message) const {
    throw InputError(fileName_, lastValueLine_, record_ + ": " + message);
}

bool RecordReader::nextLine() {
    if (nextLineIndex_ >= lines_.size()) return false;
    rest_ = lines_[nextLineIndex_++];
    currentLine_ = static_cast<int>(nextLineIndex_);
    return true;
}

void RecordReader::beginRecord(std::string what) {
    record_ = std::move(what);
    inRecord_ = false;
}

std::string RecordReader::readLine(std::string what, std::size_t maxChars) {
    record_ = std::move(what);
    inRecord_ = false;
    if (!nextLine())
        throw InputError(fileName_, currentLine_, record_ + ": the file ends before this line");
    lastValueLine_ = currentLine_;
    return std::string(rest_.substr(0, maxChars));
}

std::string_view RecordReader::nextToken(std::string_view name) {
    for (;;) {
        if (!inRecord_) {
            if (!nextLine())
                throw InputError(fileName_, currentLine_,
                                 record_ + ": the file ends before " + std::string(name) +
                                     " is read");
            inRecord_ = true;
        }
        std::size_t i = 0;
        while (i < rest_.size() && isSeparator(rest_[i]))
            ++i;
        // One comma may stand between two values, with blanks around it.
        if (i < rest_.size() && rest_[i] == ',') {
            ++i;
            while (i < rest_.size() && isSeparator(rest_[i]))
                ++i;
        }
        if (i >= rest_.size()) {
            // The record runs on over the next line.
            if (!nextLine())
                throw InputError(fileName_, currentLine_,
                                 record_ + ": the file ends before " + std::string(name) +
                                     " is read");
            continue;
        }
        std::size_t end = i;
        while (end < rest_.size() && !isSeparator(rest_[end]) && rest_[end] != ',')
            ++end;
        std::string_view token = rest_.substr(i, end - i);
        rest_ = rest_.substr(end);
        lastValueLine_ = currentLine_;
        if (token.empty()) fail("two commas in a row where " + std::string(name) + " is expected");
        return token;
    }
}

long long RecordReader::readInteger(std::string_view name) {
    std::string_view token = nextToken(name);
    std::string_view digits = token;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    long long value = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || ec != std::errc() || ptr != digits.data() + digits.size()) {
        if (ec == std::errc::result_out_of_range)
            fail(std::string(name) + " " + quoted(token) + " is too large");
        fail(std::string(name) + " must be a whole number, found " + quoted(token));
    }
    return value;
}

double RecordReader::readReal(std::string_view name) {
    std::string_view token = nextToken(name);
    // Accept a leading '+' and a Fortran-style D exponent.
    std::string text(token);
    if (!text.empty() && text.front() == '+') text.erase(0, 1);
    for (char& c : text)
        if (c == 'd' || c == 'D') c = 'E';
    double value = 0.0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    bool ok = !text.empty() && (std::isdigit(static_cast<unsigned char>(text[0])) ||
                                text[0] == '-' || text[0] == '.');
    if (ok) {
        auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
        ok = ec == std::errc() && ptr == last && std::isfinite(value);
        if (ec == std::errc::result_out_of_range)
            fail(std::string(name) + " " + quoted(token) + " is out of range");
    }
    if (!ok) fail(std::string(name) + " must be a number, found " + quoted(token));
    return value;
}

} // namespace quvex::io
