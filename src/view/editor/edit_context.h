#pragma once
// What the editing logic of a view reads of the program: the layer table, the
// settings and where the macro tool finds a symbol. The application gives its
// own, which follow every change; a test gives what it needs.
#include "doc/document/settings.h"
#include "model/layers.h"

#include <functional>
#include <string>

class CMacro;

struct CEditContext {
    const CLayerTable& layers;
    const CSettings& settings;
    // Fills the macro's components from its name; false when it has none.
    std::function<bool(const std::string& name, CMacro& macro)> resolveMacro;
};
