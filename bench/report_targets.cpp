#include "report.h"

#include <fstream>
#include <functional>
#include <thread>

namespace {
// The worst growth of a figure over one doubling of N that still counts as linear.
constexpr double kDoublingLimit = 2.2;

struct CTarget {
    std::string what;
    std::function<std::optional<double>(Clock)> value;
    double limit;
    const char* unit;
};

std::string Verdict(std::optional<double> v, double limit) {
    if (!v) return "not measured";
    char buf[64];
    if (*v <= limit)
        std::snprintf(buf, sizeof buf, "met (%.0f %% of the limit)", 100 * *v / limit);
    else
        std::snprintf(buf, sizeof buf, "**NOT met** (%.2f× the limit)", *v / limit);
    return buf;
}

void PrintTarget(std::FILE* out, const CTarget& t) {
    const auto wall = t.value(CLOCK_WALL), cpu = t.value(CLOCK_CPU);
    const std::string fmt = std::string("%.3g") + t.unit;
    std::fprintf(out, "| %s | %s | %s | %g%s | %s | %s |\n", t.what.c_str(),
                 Num(wall, fmt.c_str()).c_str(), Num(cpu, fmt.c_str()).c_str(), t.limit, t.unit,
                 Verdict(wall, t.limit).c_str(), Verdict(cpu, t.limit).c_str());
}

// The worst growth over one doubling of N among all figures and steps.
std::optional<double> WorstDoubling(const CFigures& f, const std::vector<std::size_t>& sizes,
                                    const std::vector<COpLabel>& ops, Clock clock,
                                    std::string* which) {
    std::optional<double> worst;
    for (const COpLabel& op : ops)
        for (std::size_t i = 1; i < sizes.size(); ++i) {
            const auto a = Ms(f, op.key, sizes[i - 1], clock), b = Ms(f, op.key, sizes[i], clock);
            if (!a || !b || *a <= 0) continue;
            const double d = DoublingFactor(*a, *b, sizes[i - 1], sizes[i]);
            if (worst && d <= *worst) continue;
            worst = d;
            if (which)
                *which = std::string(op.label) + ", " + Thousands(sizes[i - 1]) + "→" +
                         Thousands(sizes[i]);
        }
    return worst;
}

std::string FirstLineWith(const char* path, const char* prefix) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(prefix, 0) == 0) return line.substr(line.find(':') + 1);
    return " ?";
}
} // namespace

void PrintTargets(std::FILE* out, const CFigures& f, const std::vector<std::size_t>& sizes,
                  const std::vector<COpLabel>& ops) {
    std::string which;
    WorstDoubling(f, sizes, ops, CLOCK_WALL, &which);
    const auto ms = [&f](const char* op, std::size_t n) {
        return [&f, op, n](Clock c) { return Ms(f, op, n, c); };
    };
    const auto ratio = [&f](const char* a, const char* b, std::size_t n) {
        return [&f, a, b, n](Clock c) { return Ratio(f, a, b, n, c); };
    };
    const CTarget targets[] = {
        {"read 100,000 / floor parse", ratio("read", "floor_parse", 100000), 2, "×"},
        {"read 1,000,000: time", ms("read", 1000000), 1500, " ms"},
        {"read 1,000,000: peak heap",
         [&f](Clock) { return Counter(f, "read", 1000000, "peak_heap_MB"); }, 330, " MB"},
        {"render 100,000 / floor paint", ratio("render", "floor_paint", 100000), 2, "×"},
        {"render 100,000: time", ms("render", 100000), 50, " ms"},
        {"hit test 100,000, whole list", ms("hit_test", 100000), 2, " ms"},
        {"pick 100,000 through the index", ms("pick", 100000), 0.3, " ms"},
        {"paint 200×200 at 400 %, 100,000", ms("small_walk", 100000), 2, " ms"},
        {"zoom step and paint, 100,000", ms("zoom_step", 100000), 150, " ms"},
        {"undo snapshot 100,000", ms("undo_snapshot", 100000), 30, " ms"},
        {"autosave 100,000, user interface's share", ms("autosave", 100000), 50, " ms"},
        {"window: zoom step to the repainted scene, 100,000", ms("view_zoom", 100000), 150, " ms"},
        {"window: scroll a tenth at 400 %, 100,000", ms("view_scroll", 100000), 8, " ms"},
        {"window: change in 200×200 at 400 %, 100,000", ms("view_change", 100000), 3, " ms"},
        {"window: drag step, 1 selected, 100,000", ms("drag_1", 100000), 2, " ms"},
        {"window: drag step, 1,000 selected, 100,000", ms("drag_1000", 100000), 16, " ms"},
        {"window: click that picks + repaint, 100,000", ms("click_pick", 100000), 2, " ms"},
        {"window: zoom step, first frame, 100,000", ms("frame_zoom", 100000), 16, " ms"},
        {"window: zoom step, first frame, 1,000,000", ms("frame_zoom", 1000000), 50, " ms"},
        {"window: zoom step, exact picture, 100,000", ms("settled_zoom", 100000), 100, " ms"},
        {"window: zoom step, exact picture, 1,000,000", ms("settled_zoom", 1000000), 500, " ms"},
        {"window: scroll at 400 %, first frame, 100,000", ms("frame_scroll", 100000), 16, " ms"},
        {"window: scroll at 400 %, first frame, 1,000,000", ms("frame_scroll", 1000000), 50, " ms"},
        {"window: scroll at 400 %, exact picture, 100,000", ms("settled_scroll", 100000), 100,
         " ms"},
        {"window: scroll at 400 %, exact picture, 1,000,000", ms("settled_scroll", 1000000), 500,
         " ms"},
        {"window: click, first frame, 100,000", ms("frame_click", 100000), 16, " ms"},
        {"window: click, first frame, 1,000,000", ms("frame_click", 1000000), 50, " ms"},
        {"window: click, exact picture, 100,000", ms("settled_click", 100000), 100, " ms"},
        {"window: click, exact picture, 1,000,000", ms("settled_click", 1000000), 500, " ms"},
        {"window: undo, first frame, 100,000", ms("frame_undo", 100000), 16, " ms"},
        {"window: undo, first frame, 1,000,000", ms("frame_undo", 1000000), 50, " ms"},
        {"window: undo, exact picture, 100,000", ms("settled_undo", 100000), 100, " ms"},
        {"window: undo, exact picture, 1,000,000", ms("settled_undo", 1000000), 500, " ms"},
        {"window: redo, first frame, 100,000", ms("frame_redo", 100000), 16, " ms"},
        {"window: redo, first frame, 1,000,000", ms("frame_redo", 1000000), 50, " ms"},
        {"window: redo, exact picture, 100,000", ms("settled_redo", 100000), 100, " ms"},
        {"window: redo, exact picture, 1,000,000", ms("settled_redo", 1000000), 500, " ms"},
        {"select all + rotate + snapshot, 100,000", ms("select_rotate", 100000), 100, " ms"},
        {"nets of 100,000 elements", ms("nets", 100000), 300, " ms"},
        {"design-rule check, 10,000 tracks + 5,000 pads", ms("drc", 100000), 500, " ms"},
        {"edit of one element + undo step, 100,000", ms("undo_step", 100000), 5, " ms"},
        {"undo history after 100 such steps, 100,000",
         [&f](Clock) { return Counter(f, "undo_100", 100000, "history_MB"); }, 64, " MB"},
        {"worst growth per doubling of N (wall: " + which + ")",
         [&](Clock c) { return WorstDoubling(f, sizes, ops, c, nullptr); }, kDoublingLimit, "×"},
    };
    std::fprintf(out,
                 "\n### Targets\n\n| target | wall | CPU | limit | verdict, wall | verdict, CPU |\n"
                 "|---|---:|---:|---:|---|---|\n");
    for (const CTarget& t : targets)
        PrintTarget(out, t);
}

void PrintMachine(std::FILE* out) {
    std::fprintf(out, "\nMachine: %u cores (nproc),%s, memory%s; load average now: %s\n",
                 std::thread::hardware_concurrency(),
                 FirstLineWith("/proc/cpuinfo", "model name").c_str(),
                 FirstLineWith("/proc/meminfo", "MemTotal").c_str(), LoadAverage().c_str());
}

std::string LoadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string a, b, c;
    in >> a >> b >> c;
    return a + " " + b + " " + c;
}
