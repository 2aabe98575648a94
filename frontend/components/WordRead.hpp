// Reads a text data file into memory and hands it out word by word (as text,
// reals or integers) or line by line, with messages naming the bad word.
// Numbers always use "." as the decimal separator; no locale is consulted, so
// several readers may work at once beside threads that format numbers.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace quvex {

// A file that cannot be opened or read, or a word that is missing or of the
// wrong kind.  Line and item are 1-based (0 when the error is not about a word).
class EInOutError : public std::runtime_error {
public:
    EInOutError(const std::string& message, std::string fileName, int line = 0, int item = 0)
        : std::runtime_error(message), fileName_(std::move(fileName)), line_(line), item_(item) {}
    const std::string& FileName() const { return fileName_; }
    int Line() const { return line_; }
    int Item() const { return item_; }

private:
    std::string fileName_;
    int line_;
    int item_;
};

// One line of the file: its full text as read and its words.
struct TWordContainer {
    std::string Text;
    std::vector<std::string> Words;
};

class TWordReader {
public:
    explicit TWordReader(const std::string& fileName);

    bool AtEnd() const { return line_ == lines_.size(); }
    int WordCount() const;
    std::string NextWord();
    double ReadReal();
    std::int32_t ReadInteger();
    std::string ReadLine();

    const std::string& FileName() const { return fileName_; }
    // 1-based number of the current line.
    int LineNumber() const { return static_cast<int>(line_) + 1; }

    // Splits one line into its words (blanks and tabs separate them).
    static std::vector<std::string> SplitWords(const std::string& line);

private:
    std::string fileName_;
    std::vector<TWordContainer> lines_;
    std::size_t line_ = 0;
    std::size_t word_ = 0;
};

} // namespace quvex
