#include "calendar/calendar_window.h"
#include "shell/program.h"

namespace almanor {

void Program::applySettings() {
    CalendarWindow& window = calendarWindow();
    window.setStaysOnTop(isOn(settings.utop));
    if (isOn(settings.uslide)) {
        window.startSlideAway();
    }
    if (isOn(settings.utask)) {
        platform_.tray.show();
    } else {
        platform_.tray.hide();
    }
}

} // namespace almanor
