#include "fakes/fake_platform.h"

#include <QFileInfo>

namespace almanor::testing {

bool FakeHelpViewer::showContents(const QString& path) {
    shownPaths.push_back(path);
    return QFileInfo(path).isReadable();
}

} // namespace almanor::testing
