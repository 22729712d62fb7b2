#pragma once
// Reading the command language: headers, lines, keyword dispatch.
#include "format/library.h"
#include "model/primitive.h"

#include <string>
#include <string_view>
#include <vector>

class CResolveContext;

enum TextKind { TEXT_NONE = 0, TEXT_DRAWING = 1, TEXT_MACRO = 2, TEXT_LIBRARY = 3 };

// The object a command line describes, or none; macro names resolve in `ctx`.
std::unique_ptr<CPrimitive> ParsePrimitiveLine(std::string_view line, CResolveContext& ctx);

// The bits of a reading's error flag.
enum ReadError {
    READ_REFUSED = 1,  // a non-empty line was not a complete command
    READ_NO_LAYER = 2, // a primitive was kept on a layer beyond the sixteen: none shows it
};

// Replaces the list's content with one primitive per accepted line. Sets *pError
// to the ReadError bits met, 0 when none. Always answers true.
bool ParseDrawingLines(std::string_view text, CPrimitiveList& list, int* pError,
                       CResolveContext& ctx);

// The kind of the first header found in the text; nothing is parsed.
int DetectTextKind(std::string_view text);

// Where a drawing, macro or library text's header puts its kind and name, and
// where the lines after it begin. False when there is no header or it is
// malformed.
struct CHeaderSpan {
    int kind = TEXT_NONE;
    std::string_view name, body;
};
bool SplitHeader(std::string_view text, CHeaderSpan& out);

// Finds the header, stores its name and kind, and parses the rest: a library
// into component texts and categories, a drawing or macro into the list.
// False when there is no header or it is malformed. `ctx` is needed only with
// a list, where macro names resolve in it.
bool ParseHeaderedText(std::string_view text, CPrimitiveList* list,
                       std::vector<std::string>* library, std::string* nameOut, int* pError,
                       int* pKind, std::vector<LibraryCategory>* categories, CResolveContext* ctx);

// Reads a whole file. With rawOut the text is stored there unparsed; otherwise it
// goes through ParseHeaderedText. False when the file cannot be read.
bool ReadTextFile(const std::string& path, CPrimitiveList* list, std::vector<std::string>* library,
                  std::string* nameOut, int* pError, int* pKind, std::string* rawOut,
                  CResolveContext* ctx);

// The whole content of a file; false when it cannot be opened or read, or is
// a folder. A FIFO without a writer reads as empty.
bool ReadWholeFile(const std::string& path, std::string& out);
