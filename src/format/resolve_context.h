#pragma once
// What resolving macro names reads and writes: the library folders searched, a
// macro cache, a cache of library files and the components being resolved. A
// program (the editor, the tool, a test) owns one CLibraryState and hands its
// context to whatever reads drawings. A thread that reads a drawing meanwhile
// resolves in a CPrivateResolve, so that a reload of the libraries on the
// user-interface thread can change nothing under it; what it found joins the
// program's caches once it has ended.
#include "format/library_files.h"
#include "format/macro_cache.h"

#include <string>
#include <vector>

class CResolveContext {
  public:
    CResolveContext(CMacroCache& c, CLibraryFileCache& f, const std::vector<std::string>& dirs)
        : cache(c), files(f), folders(dirs) {}
    CResolveContext(const CResolveContext&) = delete;
    CResolveContext& operator=(const CResolveContext&) = delete;

    CMacroCache& cache;
    CLibraryFileCache& files;
    const std::vector<std::string>& folders; // searched first to last
    std::vector<std::string> resolving;      // the components being parsed, outermost first
    std::size_t nCopied = 0;                 // primitives copied from the cache into them so far
};

// The folders and caches of one program, and the context over them.
struct CLibraryState {
    CLibraryState() = default;
    CLibraryState(const CLibraryState&) = delete;
    CLibraryState& operator=(const CLibraryState&) = delete;

    std::vector<std::string> folders;
    CMacroCache cache;
    CLibraryFileCache files;
    CResolveContext context{cache, files, folders};
};

class CPrivateResolve {
  public:
    // On the user-interface thread: copies the program's caches (the copies
    // share their entries, which never change) and folders.
    explicit CPrivateResolve(CResolveContext& program);
    CPrivateResolve(const CPrivateResolve&) = delete;
    CPrivateResolve& operator=(const CPrivateResolve&) = delete;
    // What the worker thread resolves in.
    CResolveContext& Context() { return m_context; }
    // On the user-interface thread, once the worker has ended: adds the names
    // found to the program's caches, unless these were reloaded meanwhile,
    // when what was found may be out of date.
    void Merge();

  private:
    CResolveContext& m_program;
    CMacroCache m_cache;
    CLibraryFileCache m_files;
    std::vector<std::string> m_folders;
    CResolveContext m_context{m_cache, m_files, m_folders};
    unsigned m_nCacheGeneration, m_nFilesGeneration;
};
