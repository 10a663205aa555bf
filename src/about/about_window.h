#pragma once

#include <QWidget>

namespace almanor {

class Program;

class AboutWindow final : public QWidget {
    Q_OBJECT

public:
    explicit AboutWindow(Program& program);

private:
    Program& program_;
};

} // namespace almanor
