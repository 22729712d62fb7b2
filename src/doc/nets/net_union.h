#pragma once
// What the copper and the wire nets share: joining members, then numbering the nets.
#include "doc/nets/nets.h"

#include <algorithm>
#include <cstring>
#include <numeric>

class CUnion {
  public:
    explicit CUnion(std::size_t n) : m_parent(n) { std::iota(m_parent.begin(), m_parent.end(), 0); }
    int Find(int i) {
        while (m_parent[i] != i)
            i = m_parent[i] = m_parent[m_parent[i]];
        return i;
    }
    void Join(int a, int b) {
        a = Find(a), b = Find(b);
        if (a != b) m_parent[std::max(a, b)] = std::min(a, b);
    }

  private:
    std::vector<int> m_parent;
};

// Nets numbered by their first member, members in order.
inline void GroupNets(CNetList& nets, CUnion& u) {
    const int n = int(nets.members.size());
    nets.netOf.assign(n, -1);
    std::vector<int> netOfRoot(n, -1);
    for (int i = 0; i < n; ++i) {
        int& net = netOfRoot[u.Find(i)];
        if (net < 0) net = int(nets.nets.size()), nets.nets.emplace_back();
        nets.netOf[i] = net;
        nets.nets[net].push_back(i);
    }
}

inline bool IsCopperLayer(int L) {
    return L == NET_LAYER_BOTTOM || L == NET_LAYER_TOP;
}

inline bool IsClassNamed(const CPrimitive& p, const char* name) {
    return std::strcmp(p.GetClassName(), name) == 0;
}
