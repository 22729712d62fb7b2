#include "format/resolve_context.h"

CPrivateResolve::CPrivateResolve(CResolveContext& program)
    : m_program(program), m_cache(program.cache), m_files(program.files),
      m_folders(program.folders), m_nCacheGeneration(program.cache.Generation()),
      m_nFilesGeneration(program.files.Generation()) {}

void CPrivateResolve::Merge() {
    if (m_program.cache.Generation() == m_nCacheGeneration) m_program.cache.MergeFrom(m_cache);
    if (m_program.files.Generation() == m_nFilesGeneration) m_program.files.MergeFrom(m_files);
}
