// Writes the calendar window's and the notes overview's rectangles as JSON, each window's
// name: [left, top, width, height] in twips, so that the end-to-end checks click where the
// program itself places things.
#include "calendar/calendar_layout.h"
#include "overview/overview_layout.h"

#include <fstream>
#include <span>
#include <string_view>

namespace {

void writeBoxes(std::ostream& out, std::string_view window,
                std::span<const almanor::NamedBox> boxes) {
    out << "  \"" << window << "\": {";
    const char* separator = "\n";
    for (const auto& [name, box] : boxes) {
        out << separator << "    \"" << name << "\": [" << box.left << ", " << box.top << ", "
            << box.width << ", " << box.height << "]";
        separator = ",\n";
    }
    out << "\n  }";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    std::ofstream out(argv[1]);
    out << "{\n";
    writeBoxes(out, "calendar_window", almanor::calendar_layout::kNamedBoxes);
    out << ",\n";
    writeBoxes(out, "overview", almanor::overview_layout::kNamedBoxes);
    out << "\n}\n";
    return out ? 0 : 1;
}
