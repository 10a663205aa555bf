#include "settings/autostart.h"

#include "common/app_folder.h"
#include "common/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace almanor {

namespace {

// A desktop entry's Exec value: the program quoted as the entry rules want, for a path with
// spaces or any of their reserved characters, then its backslashes escaped once more as every
// string value's are.
QString execValue(const QString& program) {
    QString quoted;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') {
            quoted += u'\\';
        }
        quoted += c;
    }
    QString value = u'"' + quoted + u'"';
    return value.replace(u'\\', QStringLiteral("\\\\")).replace(u'%', QStringLiteral("%%"));
}

} // namespace

Autostart::Autostart(QString folder, QString program)
    : folder_(std::move(folder)), program_(std::move(program)) {}

QString Autostart::userFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("autostart"));
}

QString Autostart::path() const {
    return QDir(folder_).filePath(QStringLiteral("almanor.desktop"));
}

bool Autostart::isOn() const {
    return QFileInfo(path()).isFile();
}

std::optional<QString> Autostart::set(bool on) const {
    if (!on) {
        QFile entry(path());
        if (entry.exists() && !entry.remove()) {
            return entry.errorString();
        }
        return std::nullopt;
    }
    if (!QDir().mkpath(folder_)) {
        return QDir::toNativeSeparators(folder_);
    }
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Almanor\n"
                                         "Exec=") +
                          execValue(program_) +
                          QStringLiteral("\nIcon=almanor\nTerminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n");
    const FileResult written =
        writeFileAtomically(pathFromUtf8(path().toStdString()), entry.toStdString());
    if (!written) {
        return QString::fromStdString(written.reason);
    }
    return std::nullopt;
}

} // namespace almanor
