#pragma once
// Pictures of a drawing made with Qt: colour PNG, vector SVG and PDF, and the
// enhanced metafile (recorded by the core, measured with Qt's fonts). Each
// draws through the layer walk, the selection like the rest and left as it
// was, and answers an empty string on success or the message to show. When
// `progress` says stop, nothing is written and the answer is empty too.
#include "doc/document/document.h"
#include "doc/export/export_bitmap.h"
#include "doc/export/picture_format.h"

#include <string>

class QByteArray;

// Same pixel size as the bitmap export for the options (zoom or DPI and
// microns), in layer colours on white, aliased unless bAntialias.
std::string ExportPng(CSchemoDoc& doc, const CExportOptions& o, const std::string& path,
                      bool bAntialias, IDrawProgress* progress = nullptr);
// The same picture's PNG bytes in memory, into `png` (left empty when refused
// or stopped).
std::string MakePng(CSchemoDoc& doc, const CExportOptions& o, bool bAntialias, std::string& png,
                    IDrawProgress* progress = nullptr);
// "Impossibile preparare il file da esportare.": a painter that would not start or end.
extern const char* const MSG_CANNOT_DRAW;
// The bytes of a finished picture into `path`, whole or not at all; the message
// of a failure, or an empty string.
std::string StorePicture(const std::string& path, const QByteArray& bytes,
                         unsigned nNewMode = 0644);
// Vector pictures at real scale: one unit measures o.nMicronsPerUnit micrometres.
std::string ExportSvg(CSchemoDoc& doc, const CExportOptions& o, const std::string& path,
                      IDrawProgress* progress = nullptr);
std::string ExportPdf(CSchemoDoc& doc, const CExportOptions& o, const std::string& path,
                      IDrawProgress* progress = nullptr);
// The enhanced metafile in layer colours at zoom argument 2000; `title` goes
// into its description.
std::string ExportQtMetafile(CSchemoDoc& doc, const CExportOptions& o, const std::string& path,
                             const std::string& title, IDrawProgress* progress = nullptr);

// What only some formats read.
struct CPictureExtras {
    std::string title;       // the metafile's description
    bool bAntialias = false; // the PNG's
    IDrawProgress* progress = nullptr;
};
// The picture in `format`, whichever it is.
std::string ExportPicture(CSchemoDoc& doc, PictureFormat format, const CExportOptions& o,
                          const std::string& path, const CPictureExtras& extras = CPictureExtras());
