#pragma once
// The file dialogs' names for the document kinds, in the language shown.
#include <QString>

struct CDocumentKind;

QString DocumentTypeName(const CDocumentKind& k);
// "Documento Tavolin (*.tvd)".
QString FileFilter(const CDocumentKind& k);
// Every kind's filter, then every file.
QString OpenFileFilters();
