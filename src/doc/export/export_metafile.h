#pragma once
// Export of a drawing as an enhanced metafile in layer colours, drawn at zoom
// argument 2000 in the metafile's own units.
#include "doc/document/document.h"
#include "doc/scene/layer_walk.h"

#include <string>

// "Tavolin Metafile Writer", NUL, the document's title, NUL, NUL.
std::string MetafileDescription(const std::string& title);

// `measure` answers text measurements (identity mapping); `layers` are the
// layers drawn. Answers an empty string on success or when the progress
// stopped it (nothing is written then), else the message to show. The
// selection stays as it was.
std::string ExportMetafile(CSchemoDoc& doc, const std::string& path, const std::string& title,
                           CSurface& measure, const CLayerTable& layers,
                           IDrawProgress* progress = nullptr);
