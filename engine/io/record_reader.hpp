// Free-format record reader for the engine's input files.
//
// Values are separated by blanks, tabs or a comma; a record starts on a new
// line, may run on over further lines until all its values are read, and the
// rest of its last line is ignored. Integers must be written as integers.
// Every failure is an InputError naming the file, the line and the value.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quvex::io {

class InputError : public std::runtime_error {
public:
    InputError(std::string file, int line, std::string what)
        : std::runtime_error(what), file_(std::move(file)), line_(line) {}
    const std::string& file() const { return file_; }
    // 1-based line of the file; 0 when the failure is not tied to a line.
    int line() const { return line_; }

private:
    std::string file_;
    int line_;
};

class RecordReader {
public:
    // `text` is the whole file (the reader keeps its own copy); `fileName` is
    // used in messages.
    RecordReader(std::string_view text, std::string fileName);

    // Starts the next record on a fresh line. `what` names it in messages
    // ("record 5", "soil point 3, record A").
    void beginRecord(std::string what);
    // A whole-line record: the next line, cut to `maxChars`.
    std::string readLine(std::string what, std::size_t maxChars);

    long long readInteger(std::string_view name);
    double readReal(std::string_view name);

    // Line of the value read last (for checks made after reading).
    int lastValueLine() const { return lastValueLine_; }
    const std::string& fileName() const { return fileName_; }
    const std::string& recordName() const { return record_; }

    // Throws an InputError at the line of the value read last.
    [[noreturn]] void fail(const std::string& message) const;

private:
    std::string_view nextToken(std::string_view name);
    bool nextLine();

    std::string text_; // the reader's own copy; lines_ look into it
    std::vector<std::string_view> lines_;
    std::string fileName_;
    std::size_t nextLineIndex_ = 0; // index of the line not yet started
    std::string_view rest_;         // unread part of the current record line
    bool inRecord_ = false;
    int currentLine_ = 0;
    int lastValueLine_ = 0;
    std::string record_;
};

} // namespace quvex::io
