#include "report_header.hpp"

#include <cmath>
#include <filesystem>

namespace quvex::io {
namespace {

constexpr std::string_view kMonths[] = {"January",   "February", "March",    "April",
                                        "May",       "June",     "July",     "August",
                                        "September", "October",  "November", "December"};

// Directory part of a path with its trailing '/'; on Linux there is no drive.
std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

void writeBanner(TextOut& out, std::string_view version) {
    out.line(Line().x(5).rep('=', 73));
    out.empty();
    out.line(Line().x(20).t("  QUVEX for Windows, Version ").a(version, 12));
    out.empty();
    out.line(Line().x(20).t("   A Program for Analyzing the Axial Capacity "));
    out.line(Line().x(20).t("   and Short-term Settlement of Driven Piles "));
    out.line(Line().x(20).t("             under Axial Loading. "));
    out.empty();
    out.line(Line().x(5).rep('=', 73));
    out.empty(2);
}

void writeFileNames(TextOut& out, const std::string& dataPath, const std::string& reportPath,
                    const std::string& plotPath) {
    out.line(Line().x(5).t("Path to file locations      : ").t(directoryOf(dataPath)));
    out.line(Line().x(5).t("Name of input data file     : ").t(fileNameOf(dataPath)));
    out.line(Line().x(5).t("Name of output file         : ").t(fileNameOf(reportPath)));
    out.line(Line().x(5).t("Name of plot output file    : ").t(fileNameOf(plotPath)));
    out.empty();
}

void writeDateTime(TextOut& out, const LocalTime& when) {
    out.line(Line().x(5).rep('-', 73));
    out.line(Line().x(26).t("Time and Date of Analysis"));
    out.line(Line().x(5).rep('-', 73));
    out.empty();
    const int month = when.month >= 1 && when.month <= 12 ? when.month : 1;
    out.line(Line()
                 .x(15)
                 .t("Date:  ")
                 .t(kMonths[month - 1])
                 .t(" ")
                 .i(when.day, 2, 2)
                 .t(", ")
                 .i(when.year, 4)
                 .x(5)
                 .t("Time:  ")
                 .i(when.hour, 2, 2)
                 .t(":")
                 .i(when.minute, 2, 2)
                 .t(":")
                 .i(when.second, 2, 2));
}

void writeResultsHeading(TextOut& out) {
    out.empty(3);
    out.line("1");
    out.line(Line().x(10).rep('*', 22));
    out.line(Line().x(10).t("* COMPUTATION RESULT *"));
    out.line(Line().x(10).rep('*', 22));
}

void writeProfileTooShort(TextOut& out, double profileBottom, double required,
                          std::string_view len) {
    out.empty(2);
    out.line(Line()
                 .x(10)
                 .t("COMPUTATION DOES NOT PROCEED BECAUSE THE ")
                 .t("DEEPEST SOIL PROFILE ")
                 .f(profileBottom, 7, 2)
                 .x(1)
                 .a(len, 3));
    out.line(Line()
                 .x(10)
                 .t("IS LESS THAN PILE ")
                 .t("EMBEDDED LENGTH PLUS TWO TIMES THE PILE DIAMETER ")
                 .f(required, 10, 2)
                 .x(1)
                 .a(len, 3));
}

void writeNoSoilInformation(TextOut& out, double required, std::string_view len) {
    out.empty(3);
    out.line(Line().x(10).t("COMPUTATION DOES NOT PROCEED BECAUSE NO SOIL").t(" INFORMATION"));
    out.line(Line().x(10).t("WAS PROVIDED AT THE DEPTH ").f(required, 10, 2).x(1).a(len, 3));
    out.line(Line().x(10).t("PLEASE NOTE THAT SOIL SHOULD EXTEND AT LEAST THE "));
    out.line(Line().x(10).t(" PILE LENGTH PLUS TWO PILE DIAMETERS"));
}

void writeIncrementTooLong(TextOut& out, double increment, double profileBottom,
                           std::string_view len) {
    out.empty(2);
    out.line(Line()
                 .x(10)
                 .t("COMPUTATION DOES NOT PROCEED BECAUSE THE INCREMENT OF PILE LENGTH ")
                 .f(increment, 10, 2)
                 .x(1)
                 .a(len, 3));
    out.line(Line()
                 .x(10)
                 .t("IS LONGER THAN THE DEEPEST SOIL PROFILE ")
                 .f(profileBottom, 10, 2)
                 .x(1)
                 .a(len, 3));
}

void writeTooManySegments(TextOut& out, double segments) {
    // Counts beyond any integer field print as asterisks.
    const long long n = segments < 1e15 ? static_cast<long long>(segments) : 999'999'999'999'999;
    out.empty(2);
    out.line(Line().x(1).t("YOUR NUMBERS OF SEGMENT ").i(n, 4).t(" IS LARGER THAN"));
    out.line(Line().x(1).t("DEFAULT VALUE 500. YOU MIGHT WANT TO CHANGE THE LENGTH OF "));
    out.line(Line().x(1).t("SEGMENT OR CONSULT ORVANE, INC. FOR CHANGING THE DEFAULT VALUE"));
}

void writeInputFailure(TextOut& out, const std::string& file, int line,
                       const std::string& problem) {
    out.empty(2);
    out.line(Line().x(10).t("COMPUTATION DOES NOT PROCEED BECAUSE OF AN ERROR IN THE FILE"));
    out.line(Line().x(10).t(file));
    if (line > 0)
        out.line(Line().x(10).t("line ").t(std::to_string(line)).t(", ").t(problem));
    else
        out.line(Line().x(10).t(problem));
}

} // namespace quvex::io
