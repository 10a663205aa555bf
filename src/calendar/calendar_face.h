#pragma once

class QPainter;
class QRect;

namespace almanor {

// Draws the calendar window's face: its decoration and a word or symbol for each command.
void paintCalendarFace(QPainter& painter, const QRect& rect);

} // namespace almanor
