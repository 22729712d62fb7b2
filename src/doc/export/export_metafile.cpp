#include "doc/export/export_metafile.h"

#include "doc/document/system_error.h"
#include "doc/export/emf_surface.h"
#include "doc/export/export_bitmap.h"
#include "doc/export/export_common.h"
#include "doc/files/safe_file.h"
#include "doc/scene/layer_walk.h"
#include "model/translate_noop.h"

std::string MetafileDescription(const std::string& title) {
    std::string d = "Tavolin Metafile Writer";
    d += '\0';
    d += title;
    d += '\0';
    d += '\0';
    return d;
}

std::string ExportMetafile(CSchemoDoc& doc, const std::string& path, const std::string& title,
                           CSurface& measure, const CLayerTable& layers, IDrawProgress* progress) {
    const CPicturePrep prep(doc, measure, layers);
    if (!prep.HasExtent()) return ExportMessage(EXPORT_NO_EXTENT);
    CEmfSurface emf(measure);
    CLayerWalk walk(layers);
    walk.nZoomPercent = 2000;
    walk.pProgress = progress;
    if (!DrawLayers(emf, doc.Primitives(), walk)) return std::string();
    int nErrno = 0;
    if (!WriteFileSafely(path, emf.Finish(MetafileDescription(title)), &nErrno))
        return WithSystemCause(QT_TRANSLATE_NOOP("Messaggi", "Impossibile creare il metafile!"),
                               nErrno);
    return std::string();
}
