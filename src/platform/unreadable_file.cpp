#include "platform/unreadable_file.h"

#include <QObject>

namespace almanor {

QString unreadableBecause(ReadResult::Status status, const std::string& systemError) {
    switch (status) {
    case ReadResult::Status::Read:
        break;
    case ReadResult::Status::Missing:
        return QObject::tr("it does not exist");
    case ReadResult::Status::NotRegular:
        return QObject::tr("it is not a regular file");
    case ReadResult::Status::TooLarge:
        return QObject::tr("it is too large");
    case ReadResult::Status::Failed:
        return QObject::tr("it cannot be read: %1").arg(QString::fromStdString(systemError));
    }
    return {};
}

} // namespace almanor
