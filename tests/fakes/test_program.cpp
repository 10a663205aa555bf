#include "fakes/test_program.h"

#include "common/app_folder.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace almanor::testing {

std::string record(const std::string& text, const std::string& date, const std::string& alarm) {
    return "\"dailynotes\",\"" + text + "\",\"" + date + "\",\"" + alarm + "\"\r\n";
}

Program& TestProgram::program() {
    if (!program_) {
        const std::string folder = withTrailingSeparator(dir_.path().toStdString());
        program_ = std::make_unique<Program>(
            fakes.platform, Folders{folder, resourceFolder.empty() ? folder : resourceFolder});
    }
    return *program_;
}

Program& TestProgram::started() {
    if (program().calendarWindow() == nullptr) {
        program_->start();
    }
    return *program_;
}

std::filesystem::path TestProgram::folder() const {
    return std::filesystem::path(dir_.path().toStdString());
}

void TestProgram::writeFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(file(name), std::ios::binary) << bytes;
}

std::string TestProgram::readFile(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> TestProgram::fileNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace almanor::testing
