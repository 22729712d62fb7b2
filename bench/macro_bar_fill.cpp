// tavolin-bench-macrobar: the time to fill the macro bar with every library
// (the standard one, `libs` and `macros` of the library folders) and to show
// it with every branch open, as the user first sees it scrolled to the top.
//   tavolin-bench-macrobar [RUNS] [PROGRAM_DIR]
// Each run starts from an empty macro cache, as the program does at start.
#include "app/bars/macro_bar.h"
#include "format/library_files.h"
#include "format/macro_cache.h"
#include "app/frame/program_context.h"
#include "format/program_dir.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
struct CTimes {
    double dFill, dShown; // milliseconds
};

CTimes OneRun() {
    g_library.cache.Clear();
    g_library.files.Clear();
    QElapsedTimer t;
    t.start();
    CMacroBar bar(nullptr);
    bar.resize(260, 900);
    bar.RefreshMacroTree();
    const double dFill = t.nsecsElapsed() / 1e6;
    bar.findChild<QTreeWidget*>()->expandAll();
    bar.show();
    bar.grab(); // paints every row in view
    return {dFill, t.nsecsElapsed() / 1e6};
}

void Report(const char* what, std::vector<double> v) {
    std::sort(v.begin(), v.end());
    std::printf("%-34s median %8.2f ms   min %8.2f   max %8.2f\n", what, v[v.size() / 2], v.front(),
                v.back());
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int nRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    g_library.folders = DefaultLibraryFolders(argc > 2 ? argv[2] : "");
    OneRun(); // warm-up: fonts, icons, files in the page cache
    std::vector<double> fill, shown;
    for (int i = 0; i < nRuns; ++i) {
        const CTimes t = OneRun();
        fill.push_back(t.dFill);
        shown.push_back(t.dShown);
    }
    Report("fill (RefreshMacroTree)", fill);
    Report("fill, open every branch, paint", shown);
    return 0;
}
