#include "app/platform/file_filters.h"

#include "qtlayer/qt_translate.h"
#include "view/forms/document_kinds.h"

#include <QCoreApplication>
#include <QStringList>

QString DocumentTypeName(const CDocumentKind& k) {
    return TrCore("Documenti", k.typeName);
}

QString FileFilter(const CDocumentKind& k) {
    return DocumentTypeName(k) + " (*" + k.ext + ")";
}

QString OpenFileFilters() {
    QStringList filters;
    for (const CDocumentKind& k : DOCUMENT_KINDS)
        filters << FileFilter(k);
    return (filters << QCoreApplication::translate("CFeatureFiles", "Tutti i file (*)")).join(";;");
}
