#pragma once
// What resolving macro names reads and writes: a macro cache, a cache of
// library files and the components being resolved. The user-interface thread
// uses the program's (g_macroCache, g_libraryFiles). A thread that reads a
// drawing meanwhile resolves in a private copy, so that a reload of the
// libraries on the user-interface thread can change nothing under it; what it
// found joins the program's caches once it has ended.
#include "format/library_files.h"
#include "format/macro_cache.h"

#include <string>
#include <vector>

struct CResolveContext {
    CMacroCache& cache;
    CLibraryFileCache& files;
    std::vector<std::string> resolving; // the components being parsed, outermost first
    std::size_t nCopied = 0;            // primitives copied from the cache into them so far
};

// The context of the calling thread.
CResolveContext& CurrentResolveContext();

class CPrivateResolve {
  public:
    // On the user-interface thread: copies the program's caches (the copies
    // share their entries, which never change).
    CPrivateResolve();
    CPrivateResolve(const CPrivateResolve&) = delete;
    CPrivateResolve& operator=(const CPrivateResolve&) = delete;
    // On the worker thread: resolves in the copies while `work` runs.
    template <class F> void Run(F&& work) {
        CSelect select(m_context);
        work();
    }
    // On the user-interface thread, once the worker has ended: adds the names
    // found to the program's caches, unless these were reloaded meanwhile,
    // when what was found may be out of date.
    void Merge();

  private:
    class CSelect {
      public:
        explicit CSelect(CResolveContext& context);
        ~CSelect();
    };
    CMacroCache m_cache;
    CLibraryFileCache m_files;
    CResolveContext m_context{m_cache, m_files, {}, 0};
    unsigned m_nCacheGeneration, m_nFilesGeneration;
};
