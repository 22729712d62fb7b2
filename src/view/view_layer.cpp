// The editor's logic without Qt lives in this layer; it sees the documents
// below it and nothing of the widgets above.
namespace tavolin_view {
int LayerAnchor() { return 0; }
} // namespace tavolin_view
