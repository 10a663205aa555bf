#pragma once

#include <QWidget>

namespace almanor {

class Program;

// The notes overview window: the list of all notes, newest first.
class OverviewWindow final : public QWidget {
    Q_OBJECT

public:
    explicit OverviewWindow(Program& program);

    // The program's note list was rebuilt.
    void noteListReset();

private:
    Program& program_;
};

} // namespace almanor
