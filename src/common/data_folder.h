#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace almanor {

// A file of this name beside the program keeps the notes beside it, whatever else holds.
inline constexpr std::string_view kPortableMarker = "portable";

// What the program finds about where it was started.
struct ProgramPlace {
    std::string programFolder;
    bool portableMarker = false;
    bool programFolderWritable = false;
    // Built for a system-wide install (the package): the sounds and help lie in the shared
    // data folder beside the program's bin folder, never beside the program.
    bool systemInstall = false;
    std::string userDataFolder; // empty when the system names none
};

// Where the notes and settings live and where the sounds and help are read, each with one
// trailing separator.
struct Folders {
    std::string data;
    std::string resources;
    bool portable = true;
};

// A portable folder keeps everything beside the program, as a copied or unpacked folder always
// did; an installed program, or one whose folder the user cannot write, keeps the notes in the
// user's data folder. Decided once, at the start: nothing is ever moved between the two.
Folders chooseFolders(const ProgramPlace& place);

enum class System { Posix, Windows };
#ifdef _WIN32
inline constexpr System kThisSystem = System::Windows;
#else
inline constexpr System kThisSystem = System::Posix;
#endif

// The environment variable's value, empty when it is not set.
using Environment = std::function<std::string(const char* name)>;

// $XDG_DATA_HOME/almanor (a relative XDG_DATA_HOME counts as unset, as the XDG rules say), else
// $HOME/.local/share/almanor; %APPDATA%\Almanor on Windows. Empty when the variables it needs
// are not set.
std::string userDataFolder(const Environment& environment, System system = kThisSystem);

} // namespace almanor
