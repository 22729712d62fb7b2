#include "memory_breakdown.h"

#include "fixtures.h"

#include "doc/document/document.h"
#include "format/reader.h"
#include "model/macro.h"
#include "qtlayer/qt_surface.h"

#include <map>

namespace {
struct CGroupMemory {
    std::size_t count = 0, figures = 0, document = 0, snapshot = 0, regions = 0;
};

// The lines of the drawing by their keyword, each group under its own header.
std::map<std::string, std::string> GroupLines(const std::string& text) {
    std::map<std::string, std::string> groups;
    std::size_t pos = text.find('\n') + 1;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string& g = groups[text.substr(pos, 2)];
        if (g.empty()) g = "[TAVOLIN gruppo]\r\n";
        g.append(text, pos, end + 1 - pos);
        pos = end + 1;
    }
    return groups;
}

// The primitives in the list, those inside symbols included, symbols not.
std::size_t CountFigures(const CPrimitiveList& list) {
    std::size_t n = 0;
    for (const auto& p : list)
        n += (p->GetCapabilities() & CAP_MACRO)
                 ? CountFigures(static_cast<const CMacro&>(*p).m_components)
                 : 1;
    return n;
}

// Empties every region, components' included, and answers the bytes freed.
std::size_t DropRegions(const CPrimitiveList& list) {
    std::size_t freed = 0;
    for (auto& p : list) {
        if (p->GetCapabilities() & CAP_MACRO)
            freed += DropRegions(static_cast<CMacro&>(*p).m_components);
        const std::size_t before = AllocNow();
        *p->GetRegion() = CRegion();
        freed += before - AllocNow();
    }
    return freed;
}

CGroupMemory Measure(const std::string& text) {
    CGroupMemory m;
    const std::size_t before = AllocNow();
    auto doc = std::make_unique<CSchemoDoc>(DOC_DRAWING, nullptr, BenchProgram().library.context);
    doc->Load(text);
    m.count = doc->Primitives().size();
    m.figures = CountFigures(doc->Primitives());
    // The history's lines and runs, as it counts them, are all it adds.
    m.snapshot = doc->History().Bytes();
    m.document = AllocNow() - before - m.snapshot;
    {
        CQtSurface dc(ViewImage());
        SetViewMapping(dc);
        doc->UpdateRegions(dc);
    }
    m.regions = DropRegions(doc->Primitives());
    return m;
}
} // namespace

void PrintMemoryBreakdown(std::FILE* out, const std::string& path) {
    std::string text;
    if (!ReadWholeFile(path, text)) return;
    std::fprintf(out,
                 "\n### Bytes per element by command (loaded alone from %s)\n\n"
                 "| command | elements | figures per element | document without undo | "
                 "undo history at load | regions at zoom 100 %% | total |\n"
                 "|---|---:|---:|---:|---:|---:|---:|\n",
                 path.substr(path.rfind('/') + 1).c_str());
    for (const auto& [keyword, lines] : GroupLines(text)) {
        const CGroupMemory m = Measure(lines);
        if (m.count == 0) continue;
        const double n = double(m.count);
        std::fprintf(out, "| %s | %zu | %.1f | %.0f | %.0f | %.0f | %.0f |\n", keyword.c_str(),
                     m.count, double(m.figures) / n, double(m.document) / n, double(m.snapshot) / n,
                     double(m.regions) / n, double(m.document + m.snapshot + m.regions) / n);
    }
    std::fprintf(out, "\nsizeof: CPrimitive %zu, CRegion %zu, std::string %zu bytes\n",
                 sizeof(CPrimitive), sizeof(CRegion), sizeof(std::string));
}
