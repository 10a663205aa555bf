#include "about/about_window.h"

#include "shell/program.h"

namespace almanor {

AboutWindow::AboutWindow(Program& program) : QWidget(nullptr), program_(program) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About"));
}

} // namespace almanor
