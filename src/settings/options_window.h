#pragma once

#include <QWidget>

namespace almanor {

class Program;

class OptionsWindow final : public QWidget {
    Q_OBJECT

public:
    explicit OptionsWindow(Program& program);

private:
    Program& program_;
};

} // namespace almanor
