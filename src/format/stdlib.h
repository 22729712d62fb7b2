#pragma once
// The standard library: a library text carried inside the program.
#include "format/library_files.h"

#include <memory>
#include <string_view>

std::string_view StandardLibraryText();
const CLibraryIndex& StandardLibrary();

// True when some component of the standard library has exactly this key.
bool IsStandardLibraryName(const std::string& name);
