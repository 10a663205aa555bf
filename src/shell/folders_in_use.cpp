#include "shell/folders_in_use.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace almanor {

Folders foldersInUse(bool systemInstall) {
    const QString program = QCoreApplication::applicationDirPath();
    ProgramPlace place;
    place.programFolder = program.toStdString();
    place.portableMarker =
        QFileInfo::exists(QDir(program).filePath(QString::fromUtf8(kPortableMarker)));
    place.programFolderWritable = QFileInfo(program).isWritable();
    place.systemInstall = systemInstall;
    place.userDataFolder =
        userDataFolder([](const char* name) { return qEnvironmentVariable(name).toStdString(); });
    Folders folders = chooseFolders(place);
    if (!folders.portable) {
        QDir().mkpath(QString::fromStdString(folders.data));
    }
    return folders;
}

} // namespace almanor
