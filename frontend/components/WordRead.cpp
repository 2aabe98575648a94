#include "WordRead.hpp"

#include "DecimalText.hpp"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <string_view>

namespace quvex {
namespace {

const char* const kIncomplete = "This file either invalid or incomplete.";

// A decimal number with "." as separator: optional sign, digits with an
// optional point, optional exponent.  No locale is consulted.
bool ParseNumber(std::string_view s, double& value) {
    return ReadDecimal(s, value) == TDecimalRead::Ok && std::isfinite(value);
}

bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

std::vector<std::string> TWordReader::SplitWords(const std::string& line) {
    std::vector<std::string> words;
    std::size_t begin = 0, end = line.size();
    while (begin < end && IsTrimmed(line[begin]))
        ++begin;
    while (end > begin && IsTrimmed(line[end - 1]))
        --end;
    while (begin < end) {
        std::size_t stop = begin;
        while (stop < end && line[stop] != ' ' && line[stop] != '\t')
            ++stop;
        words.push_back(line.substr(begin, stop - begin));
        begin = stop;
        while (begin < end && IsTrimmed(line[begin]))
            ++begin;
    }
    return words;
}

TWordReader::TWordReader(const std::string& fileName) : fileName_(fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        throw EInOutError("Cannot open file \"" + fileName + "\": " + std::strerror(errno),
                          fileName);
    }
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines_.push_back({line, SplitWords(line)});
    }
    if (in.bad()) throw EInOutError("Error reading file \"" + fileName + "\"", fileName);
    if (lines_.empty()) lines_.push_back({});
}

int TWordReader::WordCount() const {
    return AtEnd() ? 0 : static_cast<int>(lines_[line_].Words.size());
}

std::string TWordReader::NextWord() {
    if (!AtEnd() && word_ >= lines_[line_].Words.size()) {
        ++line_;
        word_ = 0;
    }
    if (AtEnd()) throw EInOutError(kIncomplete, fileName_, LineNumber(), 1);
    // Only one line is passed over: an empty line where a word is expected
    // makes the read fail.
    if (word_ >= lines_[line_].Words.size())
        throw EInOutError(kIncomplete, fileName_, LineNumber(), static_cast<int>(word_) + 1);
    return lines_[line_].Words[word_++];
}

double TWordReader::ReadReal() {
    std::string word = NextWord();
    double v = 0;
    if (!ParseNumber(word, v)) {
        int item = static_cast<int>(word_);
        throw EInOutError("Error on Line " + std::to_string(LineNumber()) + " Item " +
                              std::to_string(item) +
                              "\nA floating point number was expected but not found.",
                          fileName_, LineNumber(), item);
    }
    return v;
}

std::int32_t TWordReader::ReadInteger() {
    std::string word = NextWord();
    double v = 0;
    if (!ParseNumber(word, v) || std::trunc(v) != v || v < -2147483648.0 || v > 2147483647.0) {
        int item = static_cast<int>(word_);
        throw EInOutError("Error on Line " + std::to_string(LineNumber()) + " Item " +
                              std::to_string(item) + "\nAn integer was expected but not found.",
                          fileName_, LineNumber(), item);
    }
    return static_cast<std::int32_t>(v);
}

std::string TWordReader::ReadLine() {
    if (AtEnd()) throw EInOutError(kIncomplete, fileName_, LineNumber(), 0);
    std::string text = lines_[line_].Text;
    ++line_;
    word_ = 0;
    return text;
}

} // namespace quvex
