#pragma once
// Collects the medians of the repetitions and prints the tables: times, ratios
// to the floor, memory, and the targets met or missed.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct CFigure {
    double ms = 0; // wall time
    std::map<std::string, double> counters;
};
using CFigures = std::map<std::string, CFigure>; // by "op/N"

class CTableReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override;
    const CFigures& Figures() const { return m_figures; }

  private:
    CFigures m_figures;
};

struct COpLabel {
    const char* key;
    const char* label;
};

void PrintTables(std::FILE* out, const CFigures& figures, const std::vector<std::size_t>& sizes,
                 const std::vector<COpLabel>& ops);

// Wall time, or the CPU time, which other processes on the machine disturb
// much less.
enum Clock { CLOCK_WALL, CLOCK_CPU };

std::optional<double> Ms(const CFigures& f, const std::string& op, std::size_t n, Clock clock);
std::optional<double> Counter(const CFigures& f, const std::string& op, std::size_t n,
                              const char* name);
std::optional<double> Ratio(const CFigures& f, const char* a, const char* b, std::size_t n,
                            Clock clock);
std::string Num(std::optional<double> v, const char* fmt = "%.3g");
std::string Thousands(std::size_t n);
// The growth of a figure over one doubling of N, from its growth from na to nb.
double DoublingFactor(double a, double b, std::size_t na, std::size_t nb);

void PrintMachine(std::FILE* out);
// The load averages over 1, 5 and 15 minutes.
std::string LoadAverage();
void PrintTargets(std::FILE* out, const CFigures& f, const std::vector<std::size_t>& sizes,
                  const std::vector<COpLabel>& ops);
