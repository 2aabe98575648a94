#include "AppTestSupport.hpp"

#include <fstream>
#include <random>
#include <sstream>

#include "WordRead.hpp"

namespace quvex::testing_support {

TScratchFolder::TScratchFolder() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("quvex-app-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
}

TScratchFolder::~TScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream s(text);
    for (std::string line; std::getline(s, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Words(const std::string& line) {
    return TWordReader::SplitWords(line);
}

std::string Fixture(const std::string& name) {
    return std::string(QUVEX_APP_FIXTURES) + "/" + name;
}

void BuildTwoLayerProject(TProject& project) {
    TProgramData& p = project.Data();
    p.Title = "Two-layer test pile";
    p.DesignerName = "Tester";
    p.JobNumber = "T-1";
    p.OuterDiameter = 24;
    p.InnerDiameter = 23;
    p.ElasticModulus = 29000000;
    p.TotalLength = 60;
    p.StickupLength = 0;
    p.Increment = 1.0;
    p.PrintInterval = 5;
    p.ConstantArea = 36.91;
    p.Method = 4;

    TGridTable& d = project.D();
    d.SetRowCount(2);
    project.SetSoilType(0, stClay);
    project.SetSoilType(1, stSand);
    d.Cell(1, 0).SetFloat(20);
    d.Cell(1, 1).SetFloat(80);
    TGridTable& clay = project.LayerData(0);
    for (int r = 0; r < 2; ++r) {
        clay.Cell(0, r).SetFloat(50);                 // unit weight, pcf
        clay.Cell(1, r).SetFloat(r == 0 ? 500 : 900); // Su, psf
        clay.Cell(2, r).SetFloat(r == 0 ? 200 : 350); // Sr
    }
    TGridTable& sand = project.LayerData(1);
    for (int r = 0; r < 2; ++r) {
        sand.Cell(0, r).SetFloat(60);
        sand.Cell(1, r).SetFloat(r == 0 ? 30 : 34);
        sand.Cell(2, r).SetInteger(r == 0 ? 15 : 30);
        sand.Cell(3, r).SetFloat(0.8);
        sand.Cell(4, r).SetFloat(20);
    }
    d.Cell(3, 1).SetFloat(1700);
    d.Cell(4, 1).SetFloat(100000);
}

} // namespace quvex::testing_support
