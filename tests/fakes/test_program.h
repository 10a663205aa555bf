#pragma once

#include "fakes/fake_platform.h"
#include "shell/program.h"

#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <string>

namespace almanor::testing {

// The note file record as another program (or this one, for ASCII text) writes it.
std::string record(const std::string& text, const std::string& date, const std::string& alarm = "");

// A fresh program on fake services and an empty temporary application folder. The program
// itself is made on demand, so a test can first put files into the folder.
class TestProgram {
public:
    Program& program();
    // The program as it starts: the start-up sequence has run, once.
    Program& started();
    // Puts changed settings into effect as Apply does.
    template <class Change> void applySettings(Change change) {
        Settings settings = program().settings().inEffect();
        change(settings);
        program().settings().apply(settings);
    }
    // The program as it ends: the windows are gone, the fakes stay to be looked at.
    void end() { program_.reset(); }
    FakePlatform fakes;
    // Where the sounds and help come from, when not the application folder (an installed
    // program's read-only folder).
    std::string resourceFolder;
    std::vector<ShownMessage>& told() { return fakes.messageBox.shown; }

    std::filesystem::path folder() const;
    std::filesystem::path file(const std::string& name) const { return folder() / name; }
    void writeFile(const std::string& name, const std::string& bytes) const;
    std::string readFile(const std::string& name) const;
    bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }
    std::vector<std::string> fileNames() const; // sorted

private:
    QTemporaryDir dir_;
    std::unique_ptr<Program> program_;
};

} // namespace almanor::testing
