#include "overview/overview_window.h"

#include "shell/program.h"

namespace almanor {

OverviewWindow::OverviewWindow(Program& program) : QWidget(nullptr), program_(program) {
    setWindowTitle(QStringLiteral("View All Notes"));
}

void OverviewWindow::noteListReset() {}

} // namespace almanor
