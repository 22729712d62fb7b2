// tavolin-cli diff: what changed between two drawings (or two libraries), as
// text lines or as a picture. Exit 0 when the same, 1 when they differ, 2 on
// an error, as diff does.
#include "cli.h"
#include "cli_args.h"

#include "doc/diff/drawing_diff.h"
#include "doc/diff/library_diff.h"
#include "doc/document/document.h"
#include "doc/document/system_error.h"
#include "format/reader.h"
#include "format/resolve_context.h"
#include "model/translate_noop.h"
#include "qtlayer/qt_diff_picture.h"
#include "qtlayer/qt_translate.h"

#include <QGuiApplication>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {
const char* const N_CANNOT_OPEN =
    QT_TRANSLATE_NOOP("tavolin-cli", "Impossibile aprire il file %1.");

// A message of this command in the language shown, %1 filled with `arg`.
std::string Said(const char* pszTemplate, const std::string& arg = std::string()) {
    std::string s = TrCoreBytes("tavolin-cli", pszTemplate);
    const std::size_t at = s.find("%1");
    if (at != std::string::npos) s.replace(at, 2, arg);
    return s;
}

void Say(const char* pszTemplate, const std::string& arg = std::string()) {
    std::fprintf(stderr, "%s\n", Said(pszTemplate, arg).c_str());
}

struct DiffOptions {
    std::string oldPath, newPath, out, programDir;
    bool bText = false, bOpen = false;
    CDiffPictureOptions picture;
};

bool TakeSize(const std::string& s, CDiffPictureOptions& o) {
    char rest = 0;
    return std::sscanf(s.c_str(), "%dx%d%c", &o.nWidth, &o.nHeight, &rest) == 2 &&
           o.nWidth >= 100 && o.nHeight >= 100 && o.nWidth <= 20000 && o.nHeight <= 20000;
}

bool TakeContext(const std::string& s, CDiffPictureOptions& o) {
    if (s == "all") {
        o.nContext = DIFF_CONTEXT_ALL;
        return true;
    }
    char rest = 0;
    return std::sscanf(s.c_str(), "%d%c", &o.nContext, &rest) == 1 && o.nContext >= 0 &&
           o.nContext <= 100000;
}

bool ParseOptions(const std::vector<std::string>& args, DiffOptions& o) {
    CArgWalker w(args);
    std::string size, context;
    while (w.Next())
        if (!w.Value("-o", o.out) && !w.Value("--program-dir", o.programDir) &&
            !w.Value("--size", size) && !w.Value("--context", context) && !w.Flag("--text") &&
            !w.Flag("--open") && !w.Plain(o.oldPath) && !w.Plain(o.newPath))
            w.Stray();
    o.bText = w.Given("--text");
    o.bOpen = w.Given("--open");
    if (!w.Ok() || o.newPath.empty()) return false;
    if (!size.empty() && !TakeSize(size, o.picture)) {
        Say(QT_TRANSLATE_NOOP("tavolin-cli",
                              "Il valore di --size deve essere LxA, tra 100 e 20000 per lato."));
        return false;
    }
    if (!o.out.empty() && !IsDiffPictureFormat(PictureFormatOf(o.out))) {
        Say(QT_TRANSLATE_NOOP("tavolin-cli",
                              "Formato di uscita sconosciuto: usare .png, .svg o .pdf."));
        return false;
    }
    if (!context.empty() && !TakeContext(context, o.picture)) {
        Say(QT_TRANSLATE_NOOP("tavolin-cli",
                              "Il valore di --context deve essere un numero non negativo o all."));
        return false;
    }
    return true;
}

// A file's text and what it holds; an empty file (/dev/null) holds nothing.
struct Side {
    std::string text;
    int nKind = TEXT_NONE;
};

bool ReadSide(const std::string& path, Side& s) {
    errno = 0;
    if (!ReadWholeFile(path == "-" ? "/dev/stdin" : path, s.text)) {
        const std::string message = Said(N_CANNOT_OPEN, path);
        std::fprintf(stderr, "%s\n",
                     TrMessageBytes(WithSystemCause(message, errno ? errno : EIO)).c_str());
        return false;
    }
    s.nKind = DetectTextKind(s.text);
    if (s.nKind != TEXT_NONE || s.text.find_first_not_of(" \t\r\n") == std::string::npos)
        return true;
    Say(QT_TRANSLATE_NOOP("tavolin-cli", "Il file %1 non e' un disegno, una macro o una libreria."),
        path);
    return false;
}

// The text on standard output, the picture in its file; false after the message.
bool Show(const DiffOptions& o, const std::string& text, const std::vector<CDiffRow>& rows,
          const std::string& legend) {
    const bool bPicture = !o.out.empty() || (o.bOpen && HasDisplay());
    if ((o.bText || !bPicture) && !WriteStdout(text)) return false;
    if (!bPicture) return true;
    const auto app = StartGui();
    const std::string path = o.out.empty() ? PrivatePicturePath() : o.out;
    if (path.empty()) return false;
    const std::string failure =
        ExportDiffPicture(rows, legend, o.picture, path, o.out.empty() ? 0600 : 0644);
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        return false;
    }
    return !o.bOpen || OpenWithDesktop(path);
}

int DiffDrawings(const DiffOptions& o, const Side& a, const Side& b, CResolveContext& ctx) {
    CLoadedText oldText = ParseDocumentText(a.text, ctx), newText = ParseDocumentText(b.text, ctx);
    // An empty file stands for a drawing that does not exist yet or any more.
    if (a.nKind == TEXT_NONE) oldText.title = newText.title;
    if (b.nKind == TEXT_NONE) newText.title = oldText.title;
    const bool bMacro = a.nKind == TEXT_MACRO || b.nKind == TEXT_MACRO;
    const CDrawingDiff d = CompareLists(oldText.title, oldText.list, newText.title, newText.list,
                                        bMacro ? "MACROCAD" : "TAVOLIN");
    const std::vector<CDiffRow> rows{{"", &oldText.list, &newText.list, &d}};
    if (!Show(o, d.Text(), rows, d.Legend(TrCoreBytes))) return 2;
    return d.Same() ? 0 : 1;
}

int DiffLibraries(const DiffOptions& o, const Side& a, const Side& b, CResolveContext& ctx) {
    std::vector<std::string> oldTexts, newTexts;
    std::string oldName, newName;
    int nError = 0, nKind = 0;
    if (a.nKind == TEXT_LIBRARY)
        ParseHeaderedText(a.text, nullptr, &oldTexts, &oldName, &nError, &nKind, nullptr, nullptr);
    if (b.nKind == TEXT_LIBRARY)
        ParseHeaderedText(b.text, nullptr, &newTexts, &newName, &nError, &nKind, nullptr, nullptr);
    if (a.nKind == TEXT_NONE) oldName = newName;
    if (b.nKind == TEXT_NONE) newName = oldName;
    const CLibraryDiff d = CompareLibraries(oldName, oldTexts, newName, newTexts, ctx);
    std::vector<CPrimitiveList> lists;
    lists.reserve(2 * d.changes.size());
    std::vector<CDiffRow> rows;
    for (const CLibraryChange& c : d.changes) {
        lists.push_back(c.nOld < 0 ? CPrimitiveList()
                                   : ComponentPrimitives(oldTexts[std::size_t(c.nOld)], ctx));
        lists.push_back(c.nNew < 0 ? CPrimitiveList()
                                   : ComponentPrimitives(newTexts[std::size_t(c.nNew)], ctx));
        const std::string text = c.Text();
        rows.push_back(
            {text.substr(0, text.find('\n')), &lists[lists.size() - 2], &lists.back(), &c.drawing});
    }
    if (!Show(o, d.Text(), rows, d.Legend(TrCoreBytes))) return 2;
    return d.Same() ? 0 : 1;
}
} // namespace

int RunDiff(const std::vector<std::string>& args) {
    DiffOptions o;
    if (!ParseOptions(args, o)) {
        PrintUsage("diff", stderr);
        return 2;
    }
    Side a, b;
    if (!ReadSide(o.oldPath, a) || !ReadSide(o.newPath, b)) return 2;
    const bool bLibrary = a.nKind == TEXT_LIBRARY || b.nKind == TEXT_LIBRARY;
    if (bLibrary && (a.nKind == TEXT_DRAWING || a.nKind == TEXT_MACRO || b.nKind == TEXT_DRAWING ||
                     b.nKind == TEXT_MACRO)) {
        Say(QT_TRANSLATE_NOOP("tavolin-cli",
                              "Una libreria si confronta solo con un'altra libreria."));
        return 2;
    }
    CLibraryState library;
    UseProgramDir(library, o.programDir);
    return bLibrary ? DiffLibraries(o, a, b, library.context)
                    : DiffDrawings(o, a, b, library.context);
}
