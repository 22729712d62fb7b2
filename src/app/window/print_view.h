#pragma once
// "Stampa..." and "Anteprima di stampa" of a drawing: one page, black, the
// printed layers only, with no grid, marks or origin; fitted to the page, or
// in PCB mode at real scale and mirrored when "bPrintMirror" is set. The
// document is not changed, its selection included.
#include <QString>

class CSchemoDoc;
class QPrinter;
class QWidget;

// The print dialog on `printer`, then the page. With no printer installed
// the dialog offers a PDF file, named after the document.
void PrintDrawing(QWidget* parent, QPrinter& printer, const CSchemoDoc& doc, bool bPCBMode,
                  const QString& path, const QString& name);

void PreviewDrawing(QWidget* parent, QPrinter& printer, const CSchemoDoc& doc, bool bPCBMode);
