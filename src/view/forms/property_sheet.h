#pragma once
// The rows of the property editor for a selection: the properties every
// selected primitive offers, the value shown where they all agree, and the
// rows the user changed written back as one undoable step.
#include "view/forms/layer_choice.h"

#include <cstddef>
#include <string>
#include <vector>

class CPrimitive;
class CSchemoDoc;

// Stands for differing values; never passed to a primitive.
extern const char* const PROPERTY_INDETERMINATE;
// The label of the last row.
extern const char* const PROPERTY_LAYER_ROW;

enum PropertyRowKind {
    PROPROW_TEXT,   // "#STRING": a text box
    PROPROW_INT,    // "#INT min max": a text box with arrows bounded by min and max
    PROPROW_CHOICE, // "(w0 w1 ...)": a list of words
    PROPROW_LAYER,  // the layer, always the last row
};

struct CPropertySheetRow {
    std::string strName; // bytes: the property's name, or "Layer"
    PropertyRowKind nKind = PROPROW_TEXT;
    int nMin = 0, nMax = 0; // PROPROW_INT: the arrows' bounds
    int nStart = 0;         // PROPROW_INT: where the arrows start, the first primitive's value
    // PROPROW_CHOICE: "(indeterminato)", then the words (real blanks) in sorted order.
    std::vector<std::string> choices;
    // PROPROW_LAYER: "(indeterminato)" with data 0, then the 16 layers.
    std::vector<CLayerItem> layers;
    bool bSame = true; // every selected primitive has the same value
    // PROPROW_TEXT, PROPROW_INT: the common value, or empty when they differ.
    std::string strShown;
    // PROPROW_CHOICE, PROPROW_LAYER: the item of the common value (found exactly;
    // the layer by its number), 0 when they differ, -1 when the value is no item.
    int nShown = 0;

    // What the user left in the row; starts as shown.
    std::string strText;
    int nChoice = 0;
};

struct CPropertyApplyResult {
    bool bChanged = false;            // the document changed, with one undo step
    std::vector<std::size_t> refused; // rows some primitive refused
};

class CPropertySheet {
  public:
    // The selection is not owned and must outlive the sheet, as must the layers.
    CPropertySheet(const std::vector<CPrimitive*>& selection, const CLayerTable& layers);

    // Empty when nothing is selected.
    const std::vector<CPropertySheetRow>& Rows() const { return m_rows; }
    // The text of a box, bytes as a primitive keeps them.
    void SetText(std::size_t nRow, const std::string& text) { m_rows.at(nRow).strText = text; }
    // The item chosen in a list, -1 for none.
    void SetChoice(std::size_t nRow, int nItem) { m_rows.at(nRow).nChoice = nItem; }
    // The user left a value other than the one shown, and one that can be applied.
    bool IsChanged(std::size_t nRow) const;

    // Writes the changed rows to every selected primitive in selection order;
    // a value a primitive refuses is not applied to it. Nothing changed: the
    // document is not touched. Otherwise one edit, selected primitives moved to
    // a hidden layer leave the selection, and the change is committed.
    CPropertyApplyResult Apply(CSchemoDoc& doc);

  private:
    void AddPropertyRows();
    void AddLayerRow();
    std::vector<std::size_t> Write(const std::vector<std::size_t>& rows,
                                   const std::vector<CPrimitive*>& targets) const;
    void FeedPrototypes() const;

    std::vector<CPrimitive*> m_selection;
    const CLayerTable& m_layers;
    std::vector<CPropertySheetRow> m_rows;
};
