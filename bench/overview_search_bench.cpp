// Measures the overview's search as a user meets it: a key typed into the search field of the
// real overview window, over a folder of realistic notes, until the list in sight is drawn
// again; and the program's resident memory with the overview open, before and after a search.
//
//   QT_QPA_PLATFORM=offscreen overview_search_bench [notes]
//
// This is a measurement, not a test: it prints figures and never fails on them.

#include "common/app_folder.h"
#include "note_folder.h"
#include "notes/note_book.h"
#include "overview/overview_window.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <unistd.h>

using namespace almanor;
using namespace almanor::bench;

namespace {

double residentMegabytes() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

// The time from a key sent to the field to the list's rows in sight drawn anew.
double typeMs(QLineEdit& field, QListView& list, QChar letter) {
    const auto start = bench::Clock::now();
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
    QApplication::sendEvent(&field, &press);
    list.viewport()->repaint();
    return millisecondsSince(start);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
    QTemporaryDir base;
    const Folder folder = buildFolder(base.path().toStdString(), count, Date{2026, 12, 6});
    QtPlatform services;
    NoteBook notes(pathToUtf8(folder.path), services.platform());
    OverviewWindow overview(notes, services.platform());
    notes.prepareToShowList();
    overview.show();
    overview.focusSearch();
    auto& field = *overview.findChild<QLineEdit*>();
    auto& list = *overview.findChild<QListView*>();
    app.processEvents();
    const double before = residentMegabytes();

    std::printf("%zu notes, ms from the key to the list drawn (median of 5 rounds)\n", count);
    for (const char* query : {"dentist", "buy milk eggs", "caf"}) {
        std::vector<std::vector<double>> letters(std::strlen(query));
        for (int round = 0; round < 5; ++round) {
            field.clear();
            app.processEvents();
            for (std::size_t i = 0; query[i] != '\0'; ++i) {
                letters[i].push_back(typeMs(field, list, QLatin1Char(query[i])));
            }
        }
        std::vector<double> medians;
        for (const auto& samples : letters) {
            medians.push_back(median(samples));
        }
        std::printf("%-14s first letter %6.1f  slowest %6.1f  median of letters %6.1f\n", query,
                    medians.front(), *std::max_element(medians.begin(), medians.end()),
                    median(medians));
    }
    field.setText(QStringLiteral("a"));
    app.processEvents();
    std::printf("resident memory, overview open: %.1f MB, with \"a\" typed: %.1f MB\n", before,
                residentMegabytes());
    return 0;
}
