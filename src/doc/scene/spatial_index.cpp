#include "doc/scene/spatial_index.h"

#include <algorithm>
#include <cmath>

namespace {
// Pixels converted to whole logical units, rounded up, with one unit to spare
// for the rounding of the mapping.
std::int64_t UnitsFor(int nPixels, double dUnitsPerPixel) {
    const double u = std::ceil(double(nPixels) * dUnitsPerPixel) + 1.0;
    return u >= 4e9 ? std::int64_t(4e9) : std::int64_t(u);
}

} // namespace

double UnitsPerPixel(const CMapping& map) {
    const double sx = std::fabs(map.ScaleX()), sy = std::fabs(map.ScaleY());
    const double s = std::min(sx, sy);
    return s > 0 ? 1.0 / s : 1e9;
}

void CSpatialIndex::Rebuild(const CPrimitiveList& list) {
    Rebuild(Pointers(list));
}

void CSpatialIndex::Rebuild(const std::vector<CPrimitive*>& list) {
    m_entries.clear();
    m_free.clear();
    m_slotOf.clear();
    for (auto& cell : m_cells)
        cell.clear();
    m_overflow.clear();
    m_nNextOrder = m_nGap;
    m_nMaxSlack = 0;
    m_entries.reserve(list.size());
    m_slotOf.reserve(list.size());
    for (CPrimitive* p : list)
        Insert(p, NextOrder());
}

void CSpatialIndex::OnDocumentChanged(const CDocChange& change) {
    switch (change.nKind) {
    case DOCCHANGE_ADDED:
        if (!change.between.empty()) {
            InsertBetween(change);
            break;
        }
        for (CPrimitive* p : change.prims)
            Insert(p, NextOrder());
        break;
    case DOCCHANGE_REMOVING:
        for (CPrimitive* p : change.prims)
            Erase(p);
        break;
    case DOCCHANGE_GEOMETRY:
        // A turn of everything places every entry again, faster than one by one.
        if (change.prims.size() > Size() / 4) {
            PlaceAllAgain();
            break;
        }
        for (CPrimitive* p : change.prims)
            Refresh(p);
        break;
    case DOCCHANGE_REORDERED:
        Reorder(change.prims);
        break;
    case DOCCHANGE_RESET: {
        Rebuild(std::vector<CPrimitive*>());
        for (CPrimitive* p : change.prims)
            Insert(p, NextOrder());
        break;
    }
    case DOCCHANGE_SELECTION:
    case DOCCHANGE_MODIFIED:
    case DOCCHANGE_APPEARANCE:
        break;
    }
}

void CSpatialIndex::Insert(CPrimitive* p, std::uint64_t nOrder) {
    if (SlotOf(p) != NO_SLOT) return;
    std::uint32_t slot;
    if (!m_free.empty()) {
        slot = m_free.back();
        m_free.pop_back();
    } else {
        slot = std::uint32_t(m_entries.size());
        m_entries.emplace_back();
    }
    m_entries[slot].p = p;
    m_entries[slot].nOrder = nOrder;
    m_slotOf.emplace(p, slot);
    Place(slot);
}

void CSpatialIndex::Erase(CPrimitive* p) {
    const std::uint32_t slot = SlotOf(p);
    if (slot == NO_SLOT) return;
    Unplace(slot);
    m_entries[slot].p = nullptr;
    m_free.push_back(slot);
    m_slotOf.erase(p);
}

void CSpatialIndex::Refresh(CPrimitive* p) {
    const std::uint32_t slot = SlotOf(p);
    if (slot == NO_SLOT) return;
    Unplace(slot);
    Place(slot);
}

void CSpatialIndex::PlaceAllAgain() {
    for (auto& cell : m_cells)
        cell.clear();
    m_overflow.clear();
    for (std::uint32_t slot = 0; slot < m_entries.size(); ++slot)
        if (m_entries[slot].p) Place(slot);
}

// The primitives keep the list positions they had among themselves, in the new order.
void CSpatialIndex::Reorder(const std::vector<CPrimitive*>& prims) {
    std::vector<std::uint64_t> orders;
    std::vector<std::uint32_t> slots;
    for (CPrimitive* p : prims) {
        const std::uint32_t slot = SlotOf(p);
        if (slot == NO_SLOT) continue;
        slots.push_back(slot);
        orders.push_back(m_entries[slot].nOrder);
    }
    std::sort(orders.begin(), orders.end());
    for (std::size_t i = 0; i < slots.size(); ++i)
        m_entries[slots[i]].nOrder = orders[i];
}

std::uint32_t CSpatialIndex::SlotOf(CPrimitive* p) const {
    const auto it = p ? m_slotOf.find(p) : m_slotOf.end();
    return it == m_slotOf.end() ? NO_SLOT : it->second;
}

// Each run of primitives between the same two neighbours shares out the
// numbers between theirs; where too few are left, all are spaced out again.
void CSpatialIndex::InsertBetween(const CDocChange& change) {
    const std::size_t n = std::min(change.prims.size(), change.between.size());
    for (std::size_t i = 0; i < n;) {
        std::size_t j = i;
        while (j < n && change.between[j] == change.between[i])
            ++j;
        const std::uint64_t k = j - i;
        const std::uint32_t before = SlotOf(change.between[i].first),
                            after = SlotOf(change.between[i].second);
        if (after == NO_SLOT) { // at the end of the list
            for (; i < j; ++i)
                Insert(change.prims[i], NextOrder());
            continue;
        }
        auto order = [this](std::uint32_t slot) {
            return slot == NO_SLOT ? 0 : m_entries[slot].nOrder;
        };
        if (order(after) <= order(before) || order(after) - order(before) <= k)
            Renumber(before, (k + 1) * m_nGap);
        const std::uint64_t lo = order(before), hi = order(after);
        const std::uint64_t step = (hi - lo) / (k + 1);
        for (std::uint64_t t = 1; i < j; ++i, ++t)
            Insert(change.prims[i], lo + step * t);
    }
}

// The entries numbered again in their order, the gap apart, with nRoom more
// after slotBefore (NO_SLOT: before the first).
void CSpatialIndex::Renumber(std::uint32_t slotBefore, std::uint64_t nRoom) {
    std::vector<std::uint32_t> slots;
    slots.reserve(m_slotOf.size());
    for (std::uint32_t slot = 0; slot < m_entries.size(); ++slot)
        if (m_entries[slot].p) slots.push_back(slot);
    std::sort(slots.begin(), slots.end(), [this](std::uint32_t a, std::uint32_t b) {
        return m_entries[a].nOrder < m_entries[b].nOrder;
    });
    std::uint64_t next = m_nGap + (slotBefore == NO_SLOT ? nRoom : 0);
    for (std::uint32_t slot : slots) {
        m_entries[slot].nOrder = next;
        next += m_nGap + (slot == slotBefore ? nRoom : 0);
    }
    m_nNextOrder = next;
}

bool CSpatialIndex::CellRange(const CRect& box, int& l, int& t, int& r, int& b) const {
    const std::int64_t limit = std::int64_t(GRID_CELLS) * CELL_SIZE;
    if (!HasBounds(box) || box.right < 0 || box.bottom < 0 || box.left >= limit || box.top >= limit)
        return false;
    l = int(std::max<std::int64_t>(box.left, 0) / CELL_SIZE);
    t = int(std::max<std::int64_t>(box.top, 0) / CELL_SIZE);
    r = int(std::min<std::int64_t>(box.right, limit - 1) / CELL_SIZE);
    b = int(std::min<std::int64_t>(box.bottom, limit - 1) / CELL_SIZE);
    return true;
}

// Boxes wholly on the sheet and not too large go into the cells they touch;
// anything else into the overflow, which every query looks at.
void CSpatialIndex::Place(std::uint32_t slot) {
    Entry& e = m_entries[slot];
    e.box = e.p->GetBounds();
    e.nSlack = e.p->GetBoundsSlack();
    m_nMaxSlack = std::max(m_nMaxSlack, e.nSlack);
    const std::int64_t limit = std::int64_t(GRID_CELLS) * CELL_SIZE;
    int l, t, r, b;
    const bool bOnSheet = HasBounds(e.box) && e.box.left >= 0 && e.box.top >= 0 &&
                          e.box.right < limit && e.box.bottom < limit;
    e.bGrid = bOnSheet && CellRange(e.box, l, t, r, b) &&
              std::int64_t(r - l + 1) * (b - t + 1) <= MAX_CELLS_PER_ENTRY;
    if (!e.bGrid) {
        m_overflow.push_back(slot);
        return;
    }
    for (int cy = t; cy <= b; ++cy)
        for (int cx = l; cx <= r; ++cx)
            Cell(cx, cy).push_back(slot);
}

void CSpatialIndex::Unplace(std::uint32_t slot) {
    auto drop = [slot](std::vector<std::uint32_t>& v) {
        const auto it = std::find(v.begin(), v.end(), slot);
        if (it == v.end()) return;
        *it = v.back();
        v.pop_back();
    };
    const Entry& e = m_entries[slot];
    int l, t, r, b;
    if (!e.bGrid || !CellRange(e.box, l, t, r, b)) {
        drop(m_overflow);
        return;
    }
    for (int cy = t; cy <= b; ++cy)
        for (int cx = l; cx <= r; ++cx)
            drop(Cell(cx, cy));
}

bool CSpatialIndex::Reaches(const Entry& e, const CRect& rect, double dUnitsPerPixel,
                            int nBand) const {
    return HasBounds(e.box) && Touches(e.box, rect, UnitsFor(e.nSlack + nBand, dUnitsPerPixel));
}

namespace {
struct Found {
    std::uint64_t nOrder;
    CPrimitive* p;
};

// A query marks each slot it has taken, so a slot in several cells counts
// once. Each thread has its own marks: views draw on several at once.
struct QueryScratch {
    std::vector<std::uint32_t> seen;
    std::uint32_t nStamp = 0;
    std::vector<Found> found;
};
thread_local QueryScratch t_scratch;
} // namespace

void CSpatialIndex::Query(const CRect& rect, double dUnitsPerPixel, int nBandPixels,
                          std::vector<CPrimitive*>& out) const {
    QueryScratch& q = t_scratch;
    out.clear();
    q.found.clear();
    if (q.seen.size() < m_entries.size()) q.seen.resize(m_entries.size(), 0);
    if (++q.nStamp == 0) {
        std::fill(q.seen.begin(), q.seen.end(), 0);
        q.nStamp = 1;
    }
    auto take = [&](std::uint32_t slot) {
        if (q.seen[slot] == q.nStamp) return;
        q.seen[slot] = q.nStamp;
        const Entry& e = m_entries[slot];
        if (Reaches(e, rect, dUnitsPerPixel, nBandPixels)) q.found.push_back({e.nOrder, e.p});
    };
    const std::int64_t grow = UnitsFor(m_nMaxSlack + nBandPixels, dUnitsPerPixel);
    const CRect wide{ClampToInt32(rect.left - grow), ClampToInt32(rect.top - grow),
                     ClampToInt32(rect.right + grow), ClampToInt32(rect.bottom + grow)};
    int l, t, r, b;
    if (CellRange(wide, l, t, r, b))
        for (int cy = t; cy <= b; ++cy)
            for (int cx = l; cx <= r; ++cx)
                for (std::uint32_t slot : Cell(cx, cy))
                    take(slot);
    for (std::uint32_t slot : m_overflow)
        take(slot);
    std::sort(q.found.begin(), q.found.end(),
              [](const Found& a, const Found& b) { return a.nOrder < b.nOrder; });
    out.reserve(q.found.size());
    for (const Found& f : q.found)
        out.push_back(f.p);
}

bool CSpatialIndex::GetBounds(CRect& rect) const {
    CRect box{0, 0, -1, -1};
    for (const Entry& e : m_entries)
        if (e.p) GrowRect(box, e.box);
    if (!HasBounds(box)) return false;
    rect = box;
    return true;
}
