#pragma once

#include "platform/platform.h"

#include <memory>

namespace almanor {

// The real services, for the program itself.
class QtPlatform {
public:
    QtPlatform();
    ~QtPlatform();
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    Platform& platform() { return *platform_; }

private:
    struct Services;
    std::unique_ptr<Services> services_;
    std::unique_ptr<Platform> platform_;
};

} // namespace almanor
