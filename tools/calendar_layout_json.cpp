// Writes the calendar window's rectangles as JSON, name: [left, top, width, height] in twips,
// so that the end-to-end checks click where the program itself places things.
#include "calendar/calendar_layout.h"

#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    std::ofstream out(argv[1]);
    const char* separator = "{";
    for (const auto& [name, box] : almanor::calendar_layout::kNamedBoxes) {
        out << separator << "\n  \"" << name << "\": [" << box.left << ", " << box.top << ", "
            << box.width << ", " << box.height << "]";
        separator = ",";
    }
    out << "\n}\n";
    return out ? 0 : 1;
}
