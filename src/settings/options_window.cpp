#include "settings/options_window.h"

#include "shell/program.h"

namespace almanor {

OptionsWindow::OptionsWindow(Program& program) : QWidget(nullptr), program_(program) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Almanor"));
}

} // namespace almanor
