#pragma once
// A document's file as other programs may change it: what the file was when
// the document last read or wrote it, whether what is there now is someone
// else's change, and what the user is asked about it (once per change, and
// only while the program is active).
#include <cstdint>
#include <string>

class CSchemoDoc;
class IDocumentUi;

// What tells one version of a file from another without reading it. A safe
// write renames a new file over the old one, so the inode changes too.
struct CFileStamp {
    bool bExists = false;
    std::uint64_t nDevice = 0, nInode = 0, nSize = 0;
    std::int64_t nMtimeNs = 0;
    bool operator==(const CFileStamp& o) const;
    bool operator!=(const CFileStamp& o) const { return !(*this == o); }
};
CFileStamp StampOf(const std::string& path);

// "Il file <name> è stato ... da un altro programma. ..."
std::string ReloadQuestion(const std::string& name);
// The question for this document: with edits not saved it adds that they will
// be lost, and whether Undo brings them back.
std::string ReloadQuestion(const std::string& name, const CSchemoDoc& doc);
std::string RemovedMessage(const std::string& name);
std::string OverwriteQuestion(const std::string& name);

class CDiskWatch {
  public:
    // The document was read from this file or written to it just now (empty:
    // untitled): the file as it stands is the document's own.
    void Remember(const std::string& path);
    // The document has just written these bytes to the file.
    void RememberSaved(const std::string& path, const std::string& bytes);
    const std::string& Path() const { return m_path; }

    // Something happened to the file. Asked at once when the program is
    // active, else at the next OnActivated.
    void OnFileEvent(bool bActive, CSchemoDoc& doc, const std::string& name);
    void OnActivated(CSchemoDoc& doc, const std::string& name);
    bool IsPending() const { return m_bPending; }

    // Before writing the document to `path`: false when the file changed on
    // disk since it was read or written and the user does not want it replaced.
    bool MayOverwrite(const std::string& path, IDocumentUi* ui, const std::string& name);

  private:
    // The file differs from the document's own in its stamp alone (touched,
    // or written again with the same bytes): it becomes the document's own.
    bool IsOwnText(const CFileStamp& now);
    void Resolve(CSchemoDoc& doc, const std::string& name);
    void Reload(CSchemoDoc& doc);

    std::string m_path;
    CFileStamp m_own;           // as read or written by the document
    CFileStamp m_seen;          // the last version the user was told of
    std::size_t m_nOwnHash = 0; // of the bytes of m_own
    bool m_bPending = false;
    bool m_bAsking = false;
};
