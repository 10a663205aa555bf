#pragma once

#include <optional>
#include <string>
#include <vector>

namespace almanor {

// What a start of the program is asked to do. The requests for the window go to the program
// already running on the notes folder; without one, all but Hide start the program.
enum class Command { Start, Show, Hide, Toggle, Today, Help, Version };

struct CommandLine {
    Command command = Command::Start;
    // The first argument that is no option of ours, or a second command; the program then does
    // nothing.
    std::optional<std::string> rejected;
};

// The arguments after the program's name. Arguments with one dash and words belong to the
// toolkit (such as "-display :1") and are left to it.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The line the single-instance channel carries for a request to the running program, and back.
std::string requestLine(Command command);
std::optional<Command> commandOfRequest(const std::string& line);

} // namespace almanor
