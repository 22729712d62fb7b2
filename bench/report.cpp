#include "report.h"

#include <cmath>
#include <optional>

namespace {
std::optional<double> Find(const CFigures& f, const std::string& op, std::size_t n,
                           const char* counter) {
    const auto it = f.find(op + "/" + std::to_string(n));
    if (it == f.end()) return std::nullopt;
    if (!counter) return it->second.ms;
    const auto c = it->second.counters.find(counter);
    if (c == it->second.counters.end()) return std::nullopt;
    return c->second;
}

void PrintHeader(std::FILE* out, const char* title, const std::vector<std::size_t>& sizes,
                 bool bDoubling) {
    std::fprintf(out, "\n### %s\n\n| figure |", title);
    for (std::size_t n : sizes)
        std::fprintf(out, " N = %s |", Thousands(n).c_str());
    const std::size_t steps = bDoubling ? sizes.size() - 1 : 0;
    for (std::size_t i = 1; i <= steps; ++i)
        std::fprintf(out, " per doubling, %s→%s |", Thousands(sizes[i - 1]).c_str(),
                     Thousands(sizes[i]).c_str());
    std::fprintf(out, "\n|---|");
    for (std::size_t i = 0; i < sizes.size() + steps; ++i)
        std::fprintf(out, "---:|");
    std::fprintf(out, "\n");
}

void PrintTimes(std::FILE* out, const CFigures& f, const std::vector<std::size_t>& sizes,
                const std::vector<COpLabel>& ops, Clock clock) {
    PrintHeader(out, clock == CLOCK_WALL ? "Median wall time (ms)" : "Median CPU time (ms)", sizes,
                true);
    for (const COpLabel& op : ops) {
        std::fprintf(out, "| %s |", op.label);
        for (std::size_t n : sizes)
            std::fprintf(out, " %s |", Num(Ms(f, op.key, n, clock)).c_str());
        for (std::size_t i = 1; i < sizes.size(); ++i) {
            const auto a = Ms(f, op.key, sizes[i - 1], clock), b = Ms(f, op.key, sizes[i], clock);
            std::optional<double> d;
            if (a && b && *a > 0) d = DoublingFactor(*a, *b, sizes[i - 1], sizes[i]);
            std::fprintf(out, " %s |", Num(d, "%.2f").c_str());
        }
        std::fprintf(out, "\n");
    }
}

void PrintRatios(std::FILE* out, const CFigures& f, const std::vector<std::size_t>& sizes) {
    PrintHeader(out, "Ratio to the floor (ours / floor)", sizes, false);
    const char* const rows[2][3] = {{"read / floor parse", "read", "floor_parse"},
                                    {"render / floor paint", "render", "floor_paint"}};
    for (const auto& row : rows)
        for (const Clock clock : {CLOCK_WALL, CLOCK_CPU}) {
            std::fprintf(out, "| %s, %s |", row[0], clock == CLOCK_WALL ? "wall" : "CPU");
            for (std::size_t n : sizes)
                std::fprintf(out, " %s |",
                             Num(Ratio(f, row[1], row[2], n, clock), "%.2f×").c_str());
            std::fprintf(out, "\n");
        }
}

void PrintMemory(std::FILE* out, const CFigures& f, const std::vector<std::size_t>& sizes,
                 const std::vector<COpLabel>& ops) {
    PrintHeader(out, "Peak C++ heap added during the operation (MB)", sizes, false);
    for (const COpLabel& op : ops) {
        std::fprintf(out, "| %s |", op.label);
        for (std::size_t n : sizes)
            std::fprintf(out, " %s |", Num(Find(f, op.key, n, "peak_heap_MB"), "%.1f").c_str());
        std::fprintf(out, "\n");
    }
    std::fprintf(out, "| process resident-set peak after read (MB) |");
    for (std::size_t n : sizes)
        std::fprintf(out, " %s |", Num(Find(f, "read", n, "max_rss_MB"), "%.0f").c_str());
    std::fprintf(out, "\n| loaded document, bytes per element |");
    for (std::size_t n : sizes)
        std::fprintf(out, " %s |", Num(Find(f, "read", n, "bytes_per_element"), "%.0f").c_str());
    std::fprintf(out, "\n");
}
} // namespace

std::optional<double> Ms(const CFigures& f, const std::string& op, std::size_t n, Clock clock) {
    return Find(f, op, n, clock == CLOCK_WALL ? nullptr : "cpu_ms");
}

std::optional<double> Counter(const CFigures& f, const std::string& op, std::size_t n,
                              const char* name) {
    return Find(f, op, n, name);
}

std::optional<double> Ratio(const CFigures& f, const char* a, const char* b, std::size_t n,
                            Clock clock) {
    const auto x = Ms(f, a, n, clock), y = Ms(f, b, n, clock);
    if (!x || !y || *y <= 0) return std::nullopt;
    return *x / *y;
}

std::string Num(std::optional<double> v, const char* fmt) {
    if (!v) return "-";
    char buf[64];
    std::snprintf(buf, sizeof buf, fmt, *v);
    return buf;
}

std::string Thousands(std::size_t n) {
    std::string s = std::to_string(n);
    for (int i = int(s.size()) - 3; i > 0; i -= 3)
        s.insert(std::size_t(i), ",");
    return s;
}

double DoublingFactor(double a, double b, std::size_t na, std::size_t nb) {
    return std::pow(b / a, std::log(2.0) / std::log(double(nb) / double(na)));
}

void CTableReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
        const bool bMedian = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
        const bool bSingle = r.run_type == Run::RT_Iteration && r.repetitions <= 1;
        if (r.error_occurred || (!bMedian && !bSingle)) continue;
        CFigure& fig = m_figures[r.run_name.function_name];
        fig.ms = r.GetAdjustedRealTime(); // the benchmarks report in milliseconds
        for (const auto& [name, c] : r.counters)
            fig.counters[name] = c.value;
    }
}

void PrintTables(std::FILE* out, const CFigures& figures, const std::vector<std::size_t>& sizes,
                 const std::vector<COpLabel>& ops) {
    PrintMachine(out);
    PrintTimes(out, figures, sizes, ops, CLOCK_WALL);
    PrintTimes(out, figures, sizes, ops, CLOCK_CPU);
    PrintRatios(out, figures, sizes);
    PrintMemory(out, figures, sizes, ops);
    PrintTargets(out, figures, sizes, ops);
    std::fflush(out);
}
