#include "run_fixture.hpp"

#include <filesystem>

namespace quvex::test {

RunOutput runText(const std::string& folderName, const std::string& dataText,
                  const std::string* cptText) {
    const std::string dir = freshFolder(folderName);
    RunRequest request;
    request.files = {dir + "/pile.qx6d", dir + "/pile.qx6o", dir + "/pile.qx6p",
                     cptText ? dir + "/pile.cpt" : std::string()};
    request.when = fixedTime();
    writeFile(request.files.data, dataText);
    if (cptText) writeFile(request.files.cpt, *cptText);
    std::ostringstream console;
    RunOutput out;
    out.result = runAnalysis(request, console);
    out.console = console.str();
    out.report = readFile(request.files.report);
    out.plotExists = std::filesystem::exists(request.files.plot);
    out.plot = readFile(request.files.plot);
    return out;
}

} // namespace quvex::test
