#include "shell/command_line.h"

#include <array>
#include <utility>

namespace almanor {

namespace {

constexpr std::array<std::pair<Command, const char*>, 6> kOptions{{
    {Command::Show, "show"},
    {Command::Hide, "hide"},
    {Command::Toggle, "toggle"},
    {Command::Today, "today"},
    {Command::Help, "help"},
    {Command::Version, "version"},
}};

std::optional<Command> commandNamed(const std::string& name) {
    for (const auto& [command, optionName] : kOptions) {
        if (name == optionName) {
            return command;
        }
    }
    return std::nullopt;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (const std::string& argument : arguments) {
        if (!argument.starts_with("--")) {
            continue;
        }
        const std::optional<Command> command = commandNamed(argument.substr(2));
        if (!command || line.command != Command::Start) {
            return {Command::Start, argument};
        }
        line.command = *command;
    }
    return line;
}

std::string requestLine(Command command) {
    for (const auto& [known, name] : kOptions) {
        if (known == command) {
            return std::string(name) + '\n';
        }
    }
    return "show\n"; // a plain start brings the window forward
}

std::optional<Command> commandOfRequest(const std::string& line) {
    if (!line.ends_with('\n')) {
        return std::nullopt;
    }
    const std::optional<Command> command = commandNamed(line.substr(0, line.size() - 1));
    if (command == Command::Help || command == Command::Version) {
        return std::nullopt;
    }
    return command;
}

} // namespace almanor
