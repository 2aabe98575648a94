#include "TypedStream.hpp"

#include <array>
#include <charconv>
#include <cmath>

namespace quvex {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

} // namespace

// ---- writer -------------------------------------------------------------

void TTypedWriter::Separate() {
    if (!text_.empty() && text_.back() != '\n' && text_.back() != '(') text_ += ' ';
}

void TTypedWriter::WriteInteger(std::int32_t v) {
    Separate();
    text_ += std::to_string(v);
}

void TTypedWriter::WriteFloat(long double v) {
    Separate();
    std::array<char, 64> buf{};
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), v);
    std::string s(buf.data(), ec == std::errc() ? end : buf.data());
    if (s.find_first_of(".e") == std::string::npos) s += ".0";
    text_ += s;
}

void TTypedWriter::WriteBoolean(bool v) {
    Separate();
    text_ += v ? "True" : "False";
}

void TTypedWriter::WriteString(const std::string& s) {
    Separate();
    bool quoted = false;
    for (unsigned char c : s) {
        if (c >= 32 && c < 127) {
            if (!quoted) text_ += '\'';
            quoted = true;
            text_ += static_cast<char>(c);
            if (c == '\'') text_ += '\'';
        } else {
            if (quoted) text_ += '\'';
            quoted = false;
            text_ += '#' + std::to_string(c);
        }
    }
    if (quoted) text_ += '\'';
    if (s.empty()) text_ += "''";
}

void TTypedWriter::WriteListBegin() {
    Separate();
    text_ += '(';
}

void TTypedWriter::WriteListEnd() {
    text_ += ')';
}

void TTypedWriter::WriteStringList(const std::vector<std::string>& items) {
    WriteListBegin();
    for (const auto& s : items)
        WriteString(s);
    WriteListEnd();
}

void TTypedWriter::WriteIntegerList(const std::vector<std::int32_t>& items) {
    WriteListBegin();
    for (auto v : items)
        WriteInteger(v);
    WriteListEnd();
}

void TTypedWriter::NewLine() {
    text_ += '\n';
}

// ---- reader -------------------------------------------------------------

TTypedReader::TTypedReader(std::string text, std::string source)
    : text_(std::move(text)), source_(std::move(source)) {}

void TTypedReader::Error(const std::string& what, int line) const {
    std::string where = source_.empty() ? "line " : source_ + ", line ";
    throw EReadError(where + std::to_string(line) + ": " + what);
}

TTypedReader::TToken TTypedReader::Scan() {
    while (pos_ < text_.size() && static_cast<unsigned char>(text_[pos_]) <= ' ') {
        if (text_[pos_] == '\n') ++line_;
        ++pos_;
    }
    TToken t;
    t.line = line_;
    if (pos_ >= text_.size()) return t;
    char c = text_[pos_];
    if (c == '(' || c == ')') {
        ++pos_;
        t.type = c == '(' ? TValueType::ListBegin : TValueType::ListEnd;
        return t;
    }
    if (c == '\'' || c == '#') {
        t.type = TValueType::String;
        while (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) {
            if (text_[pos_] == '#') {
                std::size_t start = ++pos_;
                while (pos_ < text_.size() && IsDigit(text_[pos_]))
                    ++pos_;
                int code = 0;
                auto [p, ec] = std::from_chars(text_.data() + start, text_.data() + pos_, code);
                if (ec != std::errc() || p != text_.data() + pos_ || code > 255)
                    Error("bad character code in string", line_);
                t.text += static_cast<char>(code);
                continue;
            }
            ++pos_; // opening quote
            for (;;) {
                if (pos_ >= text_.size() || text_[pos_] == '\n')
                    Error("unterminated string", line_);
                if (text_[pos_] == '\'') {
                    if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                        t.text += '\'';
                        pos_ += 2;
                        continue;
                    }
                    ++pos_;
                    break;
                }
                t.text += text_[pos_++];
            }
        }
        return t;
    }
    std::size_t start = pos_;
    if (IsLetter(c)) {
        while (pos_ < text_.size() && IsLetter(text_[pos_]))
            ++pos_;
        t.text = text_.substr(start, pos_ - start);
        std::string word = Lower(t.text);
        if (word != "true" && word != "false") Error("unknown word '" + t.text + "'", line_);
        t.type = TValueType::Boolean;
        return t;
    }
    if (c == '-' || c == '+' || c == '.' || IsDigit(c)) {
        while (pos_ < text_.size() && static_cast<unsigned char>(text_[pos_]) > ' ' &&
               text_[pos_] != '(' && text_[pos_] != ')' && text_[pos_] != '\'' &&
               text_[pos_] != '#')
            ++pos_;
        t.text = text_.substr(start, pos_ - start);
        t.type = t.text.find_first_of(".eE") == std::string::npos ? TValueType::Integer
                                                                  : TValueType::Float;
        return t;
    }
    Error(std::string("unexpected character '") + c + "'", line_);
}

const TTypedReader::TToken& TTypedReader::Peek() {
    if (!peeked_) {
        next_ = Scan();
        peeked_ = true;
    }
    return next_;
}

TTypedReader::TToken TTypedReader::Take(TValueType expected, const char* what) {
    TToken t = Peek();
    if (t.type != expected) {
        if (t.type == TValueType::End)
            Error(std::string(what) + " expected but the data ended", t.line);
        Error(std::string(what) + " expected", t.line);
    }
    peeked_ = false;
    return t;
}

TValueType TTypedReader::NextValue() {
    return Peek().type;
}

std::int32_t TTypedReader::ReadInteger() {
    TToken t = Take(TValueType::Integer, "integer");
    std::string_view s = t.text;
    if (s.starts_with('+')) s.remove_prefix(1);
    std::int32_t v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size())
        Error("bad integer '" + t.text + "'", t.line);
    return v;
}

long double TTypedReader::ReadFloat() {
    TValueType type = NextValue();
    TToken t =
        Take(type == TValueType::Integer ? TValueType::Integer : TValueType::Float, "number");
    std::string_view s = t.text;
    if (s.starts_with('+')) s.remove_prefix(1);
    long double v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size() || !std::isfinite(v))
        Error("bad number '" + t.text + "'", t.line);
    return v;
}

bool TTypedReader::ReadBoolean() {
    return Lower(Take(TValueType::Boolean, "Boolean").text) == "true";
}

std::string TTypedReader::ReadString() {
    return Take(TValueType::String, "string").text;
}

void TTypedReader::ReadListBegin() {
    Take(TValueType::ListBegin, "list");
}

bool TTypedReader::EndOfList() {
    TValueType type = NextValue();
    if (type == TValueType::End) Error("list not closed", Peek().line);
    return type == TValueType::ListEnd;
}

void TTypedReader::ReadListEnd() {
    Take(TValueType::ListEnd, "end of list");
}

std::vector<std::string> TTypedReader::ReadStringList() {
    std::vector<std::string> items;
    ReadListBegin();
    while (!EndOfList())
        items.push_back(ReadString());
    ReadListEnd();
    return items;
}

std::vector<std::int32_t> TTypedReader::ReadIntegerList() {
    std::vector<std::int32_t> items;
    ReadListBegin();
    while (!EndOfList())
        items.push_back(ReadInteger());
    ReadListEnd();
    return items;
}

} // namespace quvex
