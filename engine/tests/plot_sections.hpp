// The plot data file of a run cut into its sections, for tests.
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace quvex::test {

struct PlotSections {
    int methodBlocks = 0;
    int rowsPerBlock = 0;
    std::vector<std::string> tzCurves;         // count line, then 11 lines per curve
    std::vector<std::string> loadDistribution; // 9 groups of m lines
    std::vector<std::string> loadSettlement;   // 9 lines
    std::vector<std::string> verification;     // count line, then 11 lines per curve; may be empty
    bool complete = false;                     // every counted line was there
};

inline std::vector<std::string> plotLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

inline int countOn(const std::string& line) {
    return std::stoi(line);
}

// Cuts the file knowing m, the number of pile segments.
inline PlotSections plotSections(const std::string& text, int segments) {
    PlotSections s;
    const std::vector<std::string> lines = plotLines(text);
    if (lines.empty()) return s;
    std::istringstream header(lines[0]);
    header >> s.methodBlocks >> s.rowsPerBlock;
    std::size_t at = 1 + static_cast<std::size_t>(s.methodBlocks * s.rowsPerBlock);
    auto take = [&](std::vector<std::string>& into, std::size_t count) {
        for (std::size_t i = 0; i < count && at < lines.size(); ++i)
            into.push_back(lines[at++]);
        return into.size() == count;
    };
    if (at >= lines.size()) return s;
    const std::size_t curves = static_cast<std::size_t>(countOn(lines[at]));
    if (!take(s.tzCurves, 1 + 11 * curves)) return s;
    if (!take(s.loadDistribution, 9 * static_cast<std::size_t>(segments))) return s;
    if (!take(s.loadSettlement, 9)) return s;
    if (at < lines.size()) {
        const std::size_t extra = static_cast<std::size_t>(countOn(lines[at]));
        if (!take(s.verification, 1 + 11 * extra)) return s;
    }
    s.complete = at == lines.size();
    return s;
}

// The numbers of one line.
inline std::vector<double> numbersOn(const std::string& line) {
    std::vector<double> out;
    std::istringstream in(line);
    for (double v; in >> v;)
        out.push_back(v);
    return out;
}

} // namespace quvex::test
