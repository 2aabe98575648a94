// A small typed value stream for component definitions stored with a form:
// integers, floats, Booleans, strings and lists, printed as text the way form
// definitions show them, e.g.
//   1 ('Blow Counts ' '(optional)') True False 0 0 100
// Floats always carry a "." or an exponent; integers never do.  Strings are
// quoted with '' for a quote; other characters outside printable ASCII are
// written as #nnn.  Text is read and written without any locale.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace quvex {

class EReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TValueType { Integer, Float, Boolean, String, ListBegin, ListEnd, End };

class TTypedWriter {
public:
    void WriteInteger(std::int32_t v);
    void WriteFloat(long double v);
    void WriteBoolean(bool v);
    void WriteString(const std::string& s);
    void WriteListBegin();
    void WriteListEnd();
    void WriteStringList(const std::vector<std::string>& items);
    void WriteIntegerList(const std::vector<std::int32_t>& items);
    void NewLine(); // layout only
    const std::string& Text() const { return text_; }

private:
    void Separate();
    std::string text_;
};

class TTypedReader {
public:
    // `source` names the text in messages (a file name or a property name).
    explicit TTypedReader(std::string text, std::string source = "");

    TValueType NextValue(); // type of the next value without taking it
    std::int32_t ReadInteger();
    long double ReadFloat();
    bool ReadBoolean();
    std::string ReadString();
    void ReadListBegin();
    bool EndOfList(); // true when the next token closes the list
    void ReadListEnd();
    std::vector<std::string> ReadStringList();
    std::vector<std::int32_t> ReadIntegerList();

private:
    struct TToken {
        TValueType type = TValueType::End;
        std::string text; // a string's value, or a number/identifier as written
        int line = 0;
    };
    const TToken& Peek();
    TToken Take(TValueType expected, const char* what);
    [[noreturn]] void Error(const std::string& what, int line) const;
    TToken Scan();

    std::string text_;
    std::string source_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool peeked_ = false;
    TToken next_;
};

} // namespace quvex
