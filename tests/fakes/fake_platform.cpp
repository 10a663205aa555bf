#include "fakes/fake_platform.h"

#include <QFileInfo>

namespace almanor::testing {

void PrintTo(const ShownMessage& message, std::ostream* out) {
    *out << '"' << message.text.toStdString() << "\" (" << message.style << ") titled \""
         << message.title.toStdString() << '"';
}

bool FakeHelpViewer::showContents(const QString& path) {
    shownPaths.push_back(path);
    return QFileInfo(path).isReadable();
}

} // namespace almanor::testing
