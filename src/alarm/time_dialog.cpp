#include "alarm/time_dialog.h"

#include "shell/program.h"

namespace almanor {

TimeDialog::TimeDialog(Program& program) : QWidget(nullptr), program_(program) {
    setWindowTitle(QStringLiteral("Alarm Time"));
}

void TimeDialog::open(const QString& /*alarmText*/) {
    show();
}

} // namespace almanor
