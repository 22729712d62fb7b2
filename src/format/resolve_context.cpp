#include "format/resolve_context.h"

namespace {
CResolveContext g_programContext{g_macroCache, g_libraryFiles, {}, 0};
thread_local CResolveContext* t_pContext = nullptr;
} // namespace

CResolveContext& CurrentResolveContext() {
    return t_pContext ? *t_pContext : g_programContext;
}

CPrivateResolve::CPrivateResolve()
    : m_cache(g_macroCache), m_files(g_libraryFiles), m_nCacheGeneration(g_macroCache.Generation()),
      m_nFilesGeneration(g_libraryFiles.Generation()) {}

void CPrivateResolve::Merge() {
    if (g_macroCache.Generation() == m_nCacheGeneration) g_macroCache.MergeFrom(m_cache);
    if (g_libraryFiles.Generation() == m_nFilesGeneration) g_libraryFiles.MergeFrom(m_files);
}

CPrivateResolve::CSelect::CSelect(CResolveContext& context) {
    t_pContext = &context;
}

CPrivateResolve::CSelect::~CSelect() {
    t_pContext = nullptr;
}
