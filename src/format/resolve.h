#pragma once
// Finding the component behind a macro name, and the "MC" command.
#include "model/macro.h"

class CResolveContext;

#include <string>
#include <string_view>

// Fills the macro's components from its name: from the cache; for a name with
// "." from that library file in `libs`; else from the standard library, then
// from the single macro file in `macros`. A component that uses itself, a
// nesting deeper than MAX_MACRO_DEPTH or one larger than MAX_MACRO_PRIMITIVES
// does not resolve. The folders and caches are those of `ctx`.
bool ResolveMacro(const std::string& name, CMacro& macro, int* pError, int* pKeep,
                  CResolveContext& ctx);

// Parses a component's body into a macro while guarding against the component
// using itself; `identity` names the component for that guard.
bool ParseComponentGuarded(const std::string& identity, const std::string& text, CMacro& macro,
                           std::string* keyOut, std::string* titleOut, int* pError,
                           CResolveContext& ctx);

std::unique_ptr<CPrimitive> ParseMacroCommand(std::string_view line, CResolveContext& ctx); // MC

// The placement and the name an "MC" line gives, into a macro left without
// components; false when the line is not a complete "MC" command.
bool ParseMacroPlacement(std::string_view line, CMacro& macro);

constexpr int MAX_MACRO_DEPTH = 64;
// A symbol holding more primitives than this, nested ones included, does not
// resolve: components that place each other several times grow exponentially.
constexpr std::size_t MAX_MACRO_PRIMITIVES = 10000;
