#pragma once
// The program's own state, owned here and handed to the core: its layer
// table and settings, its library folders and caches, and the saving rules.
#include "doc/document/document.h"
#include "doc/document/settings.h"
#include "format/resolve_context.h"
#include "model/layers.h"
#include "view/editor/edit_context.h"

// Until loaded the settings and layers hold their defaults, the library
// state no folders.
extern CSettings g_settings;
extern CLayerTable g_layers;
extern CLibraryState g_library;

// What every view's editing logic is given.
CEditContext ProgramEditContext();

// Saves with the program's split settings; the unsplit-macro warning is shown
// at most once per run, and an answer to split from now on is kept in the
// settings.
// The bytes written go to pWritten.
bool SaveWithSettings(CSchemoDoc& doc, const std::string& path, std::string* pWritten = nullptr);
