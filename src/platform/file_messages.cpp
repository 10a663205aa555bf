#include "platform/file_messages.h"

#include <QCoreApplication>

namespace almanor {

namespace {

// The translation context of these texts.
class FileMessages {
    Q_DECLARE_TR_FUNCTIONS(FileMessages)
};

QString stepDescription(WriteStep step) {
    switch (step) {
    case WriteStep::CreateTemp:
        return FileMessages::tr("creating a temporary file");
    case WriteStep::Write:
        return FileMessages::tr("writing");
    case WriteStep::Flush:
        return FileMessages::tr("flushing to the disk");
    case WriteStep::Close:
        return FileMessages::tr("closing the temporary file");
    case WriteStep::Rename:
        return FileMessages::tr("replacing the old file");
    }
    return FileMessages::tr("saving");
}

} // namespace

QString unreadableBecause(ReadResult::Status status, const std::string& systemError) {
    switch (status) {
    case ReadResult::Status::Read:
        break;
    case ReadResult::Status::Missing:
        return FileMessages::tr("it does not exist");
    case ReadResult::Status::NotRegular:
        return FileMessages::tr("it is not a regular file");
    case ReadResult::Status::TooLarge:
        return FileMessages::tr("it is too large");
    case ReadResult::Status::Failed:
        return FileMessages::tr("it cannot be read: %1").arg(QString::fromStdString(systemError));
    }
    return {};
}

QString fileFailureText(const FileResult& result) {
    const QString file = QString::fromStdString(result.file);
    const QString reason = QString::fromStdString(result.reason);
    switch (result.failure) {
    case FileResult::Failure::None:
    case FileResult::Failure::NoFreeName:
        break;
    case FileResult::Failure::Replace:
        return FileMessages::tr("%1 (%2 failed for %3)")
            .arg(reason, stepDescription(result.step), file);
    case FileResult::Failure::Remove:
        return FileMessages::tr("%1: %2").arg(file, reason);
    case FileResult::Failure::Missing:
        return FileMessages::tr("%1: the file does not exist").arg(file);
    }
    return {};
}

} // namespace almanor
