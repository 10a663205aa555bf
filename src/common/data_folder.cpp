#include "common/data_folder.h"

#include "common/app_folder.h"

namespace almanor {

namespace {

std::string sharedDataFolder(const std::string& programFolder) {
    const auto shared = pathFromUtf8(programFolder) / ".." / "share" / "almanor";
    return withTrailingSeparator(pathToUtf8(shared.lexically_normal()));
}

} // namespace

Folders chooseFolders(const ProgramPlace& place) {
    const std::string program = withTrailingSeparator(place.programFolder);
    const std::string resources = place.systemInstall ? sharedDataFolder(program) : program;
    const bool portable = place.portableMarker ||
                          (place.programFolderWritable && !place.systemInstall) ||
                          place.userDataFolder.empty();
    if (portable) {
        return {program, resources, true};
    }
    return {withTrailingSeparator(place.userDataFolder), resources, false};
}

std::string userDataFolder(const Environment& environment, System system) {
    if (system == System::Windows) {
        const std::string appData = environment("APPDATA");
        return appData.empty() ? std::string() : joinPath(appData, "Almanor", '\\');
    }
    const std::string dataHome = environment("XDG_DATA_HOME");
    if (!dataHome.empty() && dataHome.front() == '/') {
        return joinPath(dataHome, "almanor", '/');
    }
    const std::string home = environment("HOME");
    return home.empty() ? std::string() : joinPath(home, ".local/share/almanor", '/');
}

} // namespace almanor
