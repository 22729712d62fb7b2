#pragma once
// The program's own state handed to the core: its layer table and settings,
// macros resolved through the program's caches, and the saving rules.
#include "doc/document/document.h"
#include "view/editor/edit_context.h"

// What every view's editing logic is given.
CEditContext ProgramEditContext();

// Saves with the program's split settings; the unsplit-macro warning is shown
// at most once per run, and an answer to split from now on is kept in the
// settings.
bool SaveWithSettings(CSchemoDoc& doc, const std::string& path);
