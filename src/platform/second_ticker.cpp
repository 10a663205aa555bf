#include "platform/second_ticker.h"

namespace almanor {

SecondTicker::SecondTicker(const Clock& clock) : clock_(clock), timer_(this) {
    timer_.setObjectName(QStringLiteral("clock"));
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, [this] { emit ticked(clock_.now()); });
    timer_.start();
}

} // namespace almanor
