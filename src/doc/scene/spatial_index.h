#pragma once
// A uniform grid over the sheet that finds the primitives near a rectangle
// without walking the whole list. It is keyed by each primitive's logical
// bounds, so a zoom change does not rebuild it; queries widen by the pick band
// and the primitives' pixel margins converted to units at the caller's zoom.
// Fed by the document's change notifications; answers in list order.
// Queries from several threads at once are safe while nothing changes it.
#include "doc/document/document_observer.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

// The larger of the two axes' logical units per device pixel.
double UnitsPerPixel(const CMapping& map);

class CSpatialIndex final : public IDocumentObserver {
  public:
    static constexpr int CELL_SIZE = 25;            // logical units
    static constexpr int GRID_CELLS = 100;          // per axis: the sheet of 2500 units
    static constexpr int MAX_CELLS_PER_ENTRY = 256; // larger boxes go to the overflow

    // Entries keep their list order as numbers this far apart, so one arriving
    // inside the list takes a number between its neighbours'.
    static constexpr std::uint64_t ORDER_GAP = std::uint64_t(1) << 20;

    CSpatialIndex() = default;
    explicit CSpatialIndex(const CPrimitiveList& list, std::uint64_t nOrderGap = ORDER_GAP)
        : m_nGap(nOrderGap < 2 ? 2 : nOrderGap) {
        Rebuild(list);
    }

    void Rebuild(const CPrimitiveList& list);
    void Rebuild(const std::vector<CPrimitive*>& prims); // the same, in that order
    void OnDocumentChanged(const CDocChange& change) override;

    // The primitives whose bounds, widened by their own margin and nBandPixels
    // at dUnitsPerPixel logical units per device pixel, touch `rect` (logical,
    // edges included), in list order.
    void Query(const CRect& rect, double dUnitsPerPixel, int nBandPixels,
               std::vector<CPrimitive*>& out) const;
    // The box of every primitive's bounds, without margins; false when empty.
    bool GetBounds(CRect& rect) const;
    std::size_t Size() const { return m_slotOf.size(); }

  private:
    struct Entry {
        CPrimitive* p = nullptr; // null for a free slot
        std::uint64_t nOrder = 0;
        CRect box;
        int nSlack = 0;
        bool bGrid = false; // in the cells, else in the overflow
    };

    void Insert(CPrimitive* p, std::uint64_t nOrder);
    void Erase(CPrimitive* p);
    void Refresh(CPrimitive* p);
    void PlaceAllAgain();
    void Reorder(const std::vector<CPrimitive*>& prims);
    void InsertBetween(const CDocChange& change);
    static constexpr std::uint32_t NO_SLOT = UINT32_MAX;
    std::uint32_t SlotOf(CPrimitive* p) const; // NO_SLOT when not held
    void Renumber(std::uint32_t slotBefore, std::uint64_t nRoom);
    std::uint64_t NextOrder() {
        const std::uint64_t n = m_nNextOrder;
        m_nNextOrder += m_nGap;
        return n;
    }
    void Place(std::uint32_t slot);
    void Unplace(std::uint32_t slot);
    bool CellRange(const CRect& box, int& l, int& t, int& r, int& b) const;
    bool Reaches(const Entry& e, const CRect& rect, double dUnitsPerPixel, int nBand) const;
    std::vector<std::uint32_t>& Cell(int cx, int cy) {
        return m_cells[std::size_t(cy) * GRID_CELLS + cx];
    }
    const std::vector<std::uint32_t>& Cell(int cx, int cy) const {
        return m_cells[std::size_t(cy) * GRID_CELLS + cx];
    }

    std::vector<Entry> m_entries;
    std::vector<std::uint32_t> m_free;
    std::unordered_map<CPrimitive*, std::uint32_t> m_slotOf;
    std::vector<std::vector<std::uint32_t>> m_cells =
        std::vector<std::vector<std::uint32_t>>(std::size_t(GRID_CELLS) * GRID_CELLS);
    std::vector<std::uint32_t> m_overflow;
    std::uint64_t m_nGap = ORDER_GAP;
    std::uint64_t m_nNextOrder = 0;
    int m_nMaxSlack = 0;
};
