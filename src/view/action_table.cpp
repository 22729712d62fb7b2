#include "view/action_table.h"

#include "doc/document.h"

#include <cstring>

namespace {
// When the commands are enabled and checked.
bool Doc(const CCommandState& s, int) {
    return s.nDocKind != DOC_NONE;
}
bool DrawingDoc(const CCommandState& s, int) {
    return s.nDocKind == DOC_DRAWING || s.nDocKind == DOC_MACRO;
}
bool Library(const CCommandState& s, int) {
    return s.nDocKind == DOC_LIBRARY;
}
bool Selected(const CCommandState& s, int) {
    return s.nSelected >= 1;
}
bool SelectedIdle(const CCommandState& s, int) {
    return s.nSelected >= 1 && !s.bDragging;
}
bool SelectedTwo(const CCommandState& s, int) {
    return s.nSelected >= 2;
}
bool ClipboardText(const CCommandState& s, int) {
    return s.bClipboardText;
}
bool PasteHere(const CCommandState& s, int n) {
    return Doc(s, n) && s.bClipboardText;
}
bool CanUndo(const CCommandState& s, int) {
    return s.bCanUndo;
}
bool CanRedo(const CCommandState& s, int) {
    return s.bCanRedo;
}
bool MacroChosen(const CCommandState& s, int) {
    return s.bMacroChosen;
}
bool Never(const CCommandState&, int) {
    return false;
}
bool Stretch(const CCommandState& s, int) {
    return s.bStretch;
}
bool Snap(const CCommandState& s, int) {
    return s.bSnap;
}
bool PCBMode(const CCommandState& s, int) {
    return s.bPCBMode;
}
bool ToolBarShown(const CCommandState& s, int) {
    return s.bToolBar;
}
bool StatusBarShown(const CCommandState& s, int) {
    return s.bStatusBar;
}
bool PrimitivesBarShown(const CCommandState& s, int) {
    return s.bPrimitivesBar;
}
bool MacroBarShown(const CCommandState& s, int) {
    return s.bMacroBar;
}
bool ToolChosen(const CCommandState& s, int nId) {
    return CommandTool(nId) == s.nTool;
}

// clang-format off
const std::vector<CActionDef> kActions = {
    {ID_FILE_NEW, "&Nuovo", "Ctrl+N", "Crea un nuovo documento", "Nuovo", "doc-new", FEATURE_FILES, nullptr, nullptr},
    {ID_FILE_OPEN, "&Apri...", "Ctrl+A;Ctrl+O", "Apre un documento esistente", "Apri", "doc-open", FEATURE_FILES, nullptr, nullptr},
    {ID_FILE_SAVE, "&Salva", "Ctrl+S", "Salva il documento attivo", "Salva", "doc-save", FEATURE_FILES, Doc, nullptr},
    {ID_FILE_SAVE_AS, "Sa&lva con nome...", "", "Salva il documento attivo con un nuovo nome", "", "", FEATURE_FILES, Doc, nullptr},
    {ID_FILE_CLOSE, "&Chiudi", "Ctrl+W;Ctrl+F4", "Chiude il documento attivo", "", "", FEATURE_FILES, Doc, nullptr},
    {ID_FILE_COMPARE, "C&onfronta con...", "", "Confronta il documento attivo con un disegno salvato", "", "", FEATURE_COMPARE, DrawingDoc, nullptr},
    {ID_FILE_EXPORT, "Salva come &bitmap/EMF...", "",
     "Salva il documento attuale sotto forma di file BMP o EMF (Enhanced Metafile)", "", "export-picture", FEATURE_PRINT, Doc, nullptr},
    {ID_FILE_PRINT, "Stam&pa...", "Ctrl+P", "Stampa il documento attivo", "Stampa", "print", FEATURE_PRINT, Doc, nullptr},
    {ID_FILE_PRINT_PREVIEW, "Antepri&ma di stampa", "", "Mostra la pagina come verra' stampata", "", "", FEATURE_PRINT, Doc, nullptr},
    {ID_FILE_PRINT_SETUP, "Imposta s&tampante...", "", "Sceglie la stampante e le opzioni di stampa", "", "", FEATURE_PRINT, nullptr, nullptr},
    {ID_APP_EXIT, "&Esci", "", "Chiude il programma chiedendo di salvare i documenti modificati", "", "", FEATURE_FILES, nullptr, nullptr},
    {ID_EDIT_CUT, "Tag&lia", "Ctrl+X;Shift+Del", "Taglia la selezione e la mette negli appunti", "Taglia", "edit-cut", FEATURE_CLIPBOARD, Selected, nullptr},
    {ID_EDIT_COPY, "&Copia", "Ctrl+C;Ctrl+Ins", "Copia la selezione negli appunti", "Copia", "edit-copy", FEATURE_CLIPBOARD, Selected, nullptr},
    {ID_EDIT_PASTE, "Come nuova &selezione", "Ctrl+V;Shift+Ins",
     "Incolla il contenuto degli appunti come nuova selezione", "Incolla", "edit-paste", FEATURE_CLIPBOARD, PasteHere, nullptr},
    // The same command in the menu shown while no document is open.
    {MENU_PASTE_NEW_DOCUMENT, "Incolla come nuovo &documento", "", "Apre il contenuto degli appunti come nuovo documento", "", "", FEATURE_CLIPBOARD, ClipboardText, nullptr},
    {ID_PASTE_NEW_DOCUMENT, "Come nuovo &documento", "", "Apre il contenuto degli appunti come nuovo documento", "", "", FEATURE_CLIPBOARD, ClipboardText, nullptr},
    {ID_EDIT_CLEAR, "Ca&ncella", "Del", "Cancella la selezione", "Cancella", "edit-delete", FEATURE_EDIT, Selected, nullptr},
    {ID_EDIT_UNDO, "&Undo", "Ctrl+Z;Alt+Backspace", "Annulla l'ultima modifica", "Undo", "edit-undo", FEATURE_EDIT, CanUndo, nullptr},
    {ID_EDIT_REDO, "R&edo", "Ctrl+Y", "Ripristina l'ultima modifica annullata", "Redo", "edit-redo", FEATURE_EDIT, CanRedo, nullptr},
    // A key after a tab is no shortcut: the view takes it while it has the focus,
    // so that a text field keeps its letters (R, S and G act in the drawing alone).
    {ID_ROTATE, "&Ruota selezione\tR", "", "Ruota la selezione di un quarto di giro", "", "", FEATURE_EDIT, Selected, nullptr},
    {ID_MIRROR, "S&wappa selezione\tS", "", "Specchia la selezione da destra a sinistra", "", "", FEATURE_EDIT, Selected, nullptr},
    {ID_WIRE_DRAG, "Trascina con i colle&gamenti\tG", "", "Sposta la selezione trascinando i collegamenti attaccati", "", "", FEATURE_EDIT, SelectedIdle, nullptr},
    {ID_MAKE_MACRO, "Cre&a macro", "", "Raggruppa la selezione in una macro", "", "", FEATURE_EDIT, SelectedTwo, nullptr},
    {ID_SPLIT_MACRO, "S&plit macro", "", "Scompone le macro selezionate nelle loro primitive", "", "", FEATURE_EDIT, Selected, nullptr},
    {ID_EDIT_SELECT_ALL, "Seleziona &tutto", "", "Seleziona tutti gli oggetti dei layer visibili", "", "", FEATURE_EDIT, Doc, nullptr},
    {ID_INVERT_SELECTION, "In&verti selezione", "", "Seleziona gli oggetti non selezionati e viceversa", "", "", FEATURE_EDIT, Doc, nullptr},
    {ID_PROPERTIES, "Pr&oprieta'...", "Alt+Return;Alt+Enter", "Mostra e modifica le proprieta' della selezione", "", "", FEATURE_EDIT, Selected, nullptr},
    {ID_STRETCH, "Scala com&baciante", "", "Adatta la scala alle dimensioni della finestra",
     "Ridimensione a finestra", "", FEATURE_VIEW, Doc, Stretch},
    {ID_FIT, "A&datta alla finestra\tHome", "", "Mostra tutto il disegno nella finestra", "", "", FEATURE_VIEW, Doc, nullptr},
    {ID_GRID, "&Griglia e Snap...", "", "Imposta la griglia e lo snap della vista", "Dialog Griglia e Snap", "", FEATURE_VIEW, Doc, nullptr},
    {ID_VIEW_TOOLBAR, "Barra degli st&rumenti", "", "Mostra o nasconde la barra degli strumenti", "", "", FEATURE_BARS, nullptr, ToolBarShown},
    {ID_VIEW_STATUS_BAR, "Barra di st&ato", "", "Mostra o nasconde la barra di stato", "", "", FEATURE_BARS, nullptr, StatusBarShown},
    {ID_VIEW_PRIMITIVES_BAR, "Barra delle &primitive", "", "Mostra/nascondi barra delle primitive", "", "", FEATURE_BARS, nullptr, PrimitivesBarShown},
    {ID_VIEW_MACRO_BAR, "Barra delle &macro", "", "Mostra/nascondi barra delle macro", "", "", FEATURE_MACROS, nullptr, MacroBarShown},
    {ID_REFRESH_MACROS, "Aggiorna &lista macro", "", "Rilegge le librerie e aggiorna l'elenco delle macro", "", "", FEATURE_MACROS, nullptr, nullptr},
    {ID_REFRESH_DOCUMENT, "Aggiorna d&ocumento", "F5", "Ridisegna il documento", "", "", FEATURE_VIEW, Doc, nullptr},
    {ID_LAYERS, "&Visualizzazione e stampa layer...", "",
     "Imposta nomi, colori, visualizzazione e stampa dei layer", "", "", FEATURE_LAYERS, nullptr, nullptr},
    {ID_SNAP, "&Snap ON/OFF", "", "Attiva o disattiva lo snap alla griglia", "Snap ON/OFF", "snap", FEATURE_VIEW, Doc, Snap},
    {ID_PCB_MODE, "P&CB Mode ON/OFF", "", "Attiva o disattiva la modalita' PCB", "PCB Mode ON/OFF", "pcb-mode", FEATURE_VIEW, Doc, PCBMode},
    {ID_MACRO_ORIGIN, "Vai all'orig&ine macro", "", "Porta in vista l'origine della macro", "Vai all'origine macro", "", FEATURE_VIEW, Doc, nullptr},
    {ID_LIB_ADD, "&Aggiungi nuovo componente", "", "Aggiunge un nuovo componente in fondo alla libreria", "", "", FEATURE_LIBRARY, Library, nullptr},
    {ID_LIB_INSERT_AFTER, "Inserisci nuovo componente &dopo", "", "Inserisce un nuovo componente dopo quello attuale", "", "", FEATURE_LIBRARY, Library, nullptr},
    {ID_LIB_INSERT_BEFORE, "Inserisci nuovo componente &prima", "", "Inserisce un nuovo componente prima di quello attuale", "", "", FEATURE_LIBRARY, Library, nullptr},
    {ID_LIB_REMOVE, "&Rimuovi componente", "", "Rimuove il componente attuale dalla libreria", "", "", FEATURE_LIBRARY, Library, nullptr},
    {ID_LIB_NUMBER, "&Numera in progressione...", "", "Assegna ai componenti chiavi numerate in progressione", "", "", FEATURE_LIBRARY, Library, nullptr},
    {ID_CONFIG, "&Configurazione...", "", "Modifica le impostazioni del programma", "", "", FEATURE_BARS, nullptr, nullptr},
    {ID_USER_LIBRARIES, "Caricamento librerie &utente...", "", "Carica le librerie dell'utente", "", "", FEATURE_NONE, Never, nullptr},
    {ID_WINDOW_CASCADE, "&Sovrapposte", "", "Dispone le finestre sovrapposte", "", "", FEATURE_WINDOWS, Doc, nullptr},
    {ID_WINDOW_TILE_HORZ, "&Affianca orizzontalmente", "", "Dispone le finestre affiancate una sotto l'altra", "", "", FEATURE_WINDOWS, Doc, nullptr},
    {ID_WINDOW_TILE_VERT, "Affianca &verticalmente", "", "Dispone le finestre affiancate una accanto all'altra", "", "", FEATURE_WINDOWS, Doc, nullptr},
    {ID_WINDOW_ARRANGE, "&Disponi icone", "", "Dispone le icone delle finestre ridotte", "", "", FEATURE_WINDOWS, Doc, nullptr},
    {ID_WINDOW_NEXT, "Finestra &successiva", "Ctrl+Tab", "Attiva la finestra del documento aperto dopo", "", "", FEATURE_WINDOWS, Doc, nullptr},
    {ID_WINDOW_PREV, "Finestra &precedente", "Ctrl+Shift+Tab;Ctrl+Shift+Backtab",
     "Attiva la finestra del documento aperto prima", "", "", FEATURE_WINDOWS, Doc, nullptr},
    {ID_HELP_FINDER, "&Argomenti della Guida", "", "Mostra gli argomenti della guida", "", "", FEATURE_HELP, nullptr, nullptr},
    {ID_HELP, "&Guida", "F1", "Mostra la guida", "", "", FEATURE_HELP, nullptr, nullptr},
    {ID_DEFAULT_HELP, "Guida &predefinita", "", "Mostra la guida", "", "", FEATURE_HELP, nullptr, nullptr},
    {ID_CONTEXT_HELP, "&Guida rapida", "Shift+F1", "Mostra la guida sull'oggetto indicato col mouse", "Guida", "context-help", FEATURE_HELP, nullptr, nullptr},
    {ID_APP_ABOUT, "Infor&mazioni su Tavolin...", "", "Mostra le informazioni sul programma", "Informazioni", "about", FEATURE_HELP, nullptr, nullptr},
    {ID_TOOL_SELECT, "&Selezione", "", "Selezione di uno o piu' oggetti", "Selezione", "tool-select", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_ZOOM, "&Zoom\tZ", "", "Ingrandisce o diminuisce il fattore di scala", "Zoom", "tool-zoom", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_HAND, "Dragging &hand\tH", "", "Trascina il disegno col mouse", "Dragging hand", "tool-hand", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_LINE, "&Linea\tL", "", "Disegna una linea", "Linea", "tool-line", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_TEXT, "&Testo esteso\tT", "", "Disegna una stringa di testo con attributi estesi", "Testo esteso", "tool-text", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_CONNECTION, "&Connessione elettrica\tC", "", "Disegna una connessione elettrica", "Connessione elettrica", "tool-connection", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_BEZIER, "Curva &Bezier\tB", "", "Disegna una curva cubica Bezier", "Curva Bezier", "tool-bezier", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_POLYGON, "&Poligono\tP", "", "Disegna un poligono (pieno o vuoto) con n lati", "Poligono", "tool-polygon", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_ELLIPSE, "&Ellisse\tE", "", "Disegna un'ellisse (piena o vuota)", "Ellisse", "tool-ellipse", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_RECTANGLE, "&Rettangolo\tQ", "", "Disegna un rettangolo (pieno o vuoto)", "Rettangolo", "tool-rectangle", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_MACRO, "&Macro\tM", "", "Inserisce la macro selezionata nel documento", "Macro", "tool-macro", FEATURE_TOOLS, MacroChosen, ToolChosen},
    {ID_TOOL_PCBLINE, "P&ista\tI", "", "Disegna una pista", "Pista", "tool-pcbline", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_PCBPAD, "Pi&azzola\tA", "", "Disegna una piazzola", "Piazzola", "tool-pcbpad", FEATURE_TOOLS, nullptr, ToolChosen},
};

std::vector<int> ToolsInValueOrder() {
    std::vector<int> ids;
    for (int t = 0; t < TOOL_COUNT; ++t) ids.push_back(ToolCommand(t));
    return ids;
}

const CMenuDef kFile = {"&File", {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS,
    ID_FILE_CLOSE, ID_FILE_COMPARE, ID_FILE_EXPORT, 0, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, 0, MENU_RECENT,
    0, ID_APP_EXIT}};
// The edit menu is also the view's context menu.
const std::vector<int> kEditItems = {ID_EDIT_CUT, ID_EDIT_COPY, MENU_PASTE, ID_EDIT_CLEAR, 0,
    ID_EDIT_UNDO, ID_EDIT_REDO, 0, ID_ROTATE, ID_MIRROR, ID_WIRE_DRAG, 0, ID_MAKE_MACRO,
    ID_SPLIT_MACRO, 0, ID_EDIT_SELECT_ALL, ID_INVERT_SELECTION, 0, ID_PROPERTIES};
const CMenuDef kEdit = {"&Modifica", kEditItems};
const CMenuDef kView = {"&Visualizza", {ID_STRETCH, ID_FIT, ID_GRID, 0, ID_VIEW_TOOLBAR,
    ID_VIEW_STATUS_BAR, ID_VIEW_PRIMITIVES_BAR, ID_VIEW_MACRO_BAR, 0, ID_REFRESH_MACROS,
    ID_REFRESH_DOCUMENT, ID_LAYERS, 0, ID_SNAP, ID_PCB_MODE, ID_MACRO_ORIGIN}};
const CMenuDef kTools = {"S&trumenti", ToolsInValueOrder()};
const CMenuDef kLibrary = {"&Libreria", {ID_LIB_ADD, ID_LIB_INSERT_AFTER, ID_LIB_INSERT_BEFORE,
    ID_LIB_REMOVE, 0, ID_LIB_NUMBER}};
const CMenuDef kOptions = {"&Opzioni", {ID_CONFIG, ID_USER_LIBRARIES}};
const CMenuDef kWindow = {"Fi&nestra", {ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ,
    ID_WINDOW_TILE_VERT, ID_WINDOW_ARRANGE, 0, MENU_WINDOWS}};
const CMenuDef kHelp = {"&?", {ID_HELP_FINDER, 0, ID_APP_ABOUT}};

const std::vector<CMenuDef> kNoDocument = {
    {"&File", {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, 0, ID_FILE_PRINT,
               ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, 0, MENU_RECENT, 0, ID_APP_EXIT}},
    {"&Modifica", {MENU_PASTE_NEW_DOCUMENT}},
    {"&Visualizza", {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_PRIMITIVES_BAR,
                     ID_VIEW_MACRO_BAR, 0, ID_REFRESH_MACROS, ID_LAYERS}},
    kOptions, kHelp};
const std::vector<CMenuDef> kDrawing = {kFile, kEdit, kView, kTools, kOptions, kWindow, kHelp};
const std::vector<CMenuDef> kLibraryBar = {kFile, kEdit, kView, kTools, kLibrary, kOptions, kWindow, kHelp};

const CMenuDef kContext = {"Menu contestuale", kEditItems};

const std::vector<int> kCommonBar = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT,
    ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR, ID_EDIT_UNDO, ID_EDIT_REDO, 0, ID_FILE_PRINT, ID_PCB_MODE, ID_APP_ABOUT,
    ID_CONTEXT_HELP, 0, ID_SNAP};
// The tool buttons in their toolbar order (the connection is the tenth).
const std::vector<int> kPrimitivesBar = {ID_TOOL_SELECT, ID_TOOL_ZOOM, ID_TOOL_HAND, ID_TOOL_LINE,
    ID_TOOL_TEXT, ID_TOOL_BEZIER, ID_TOOL_POLYGON, ID_TOOL_ELLIPSE, ID_TOOL_RECTANGLE,
    ID_TOOL_CONNECTION, ID_TOOL_PCBLINE, ID_TOOL_PCBPAD, ID_TOOL_MACRO};
// clang-format on
} // namespace

const std::vector<CActionDef>& ActionTable() {
    return kActions;
}

const CActionDef* FindAction(int nId) {
    for (const CActionDef& a : kActions)
        if (a.nId == nId) return &a;
    return nullptr;
}

const std::vector<CMenuDef>& MenuBar(int nKind) {
    switch (nKind) {
    case MENUBAR_DRAWING:
    case MENUBAR_MACRO:
        return kDrawing;
    case MENUBAR_LIBRARY:
        return kLibraryBar;
    default:
        return kNoDocument;
    }
}

const CMenuDef& ContextMenu() {
    return kContext;
}
const std::vector<int>& CommonToolbar() {
    return kCommonBar;
}
const std::vector<int>& PrimitivesToolbar() {
    return kPrimitivesBar;
}

bool IsEnabled(const CActionDef& def, const CCommandState& s) {
    return !def.pEnabled || def.pEnabled(s, def.nId);
}
bool IsChecked(const CActionDef& def, const CCommandState& s) {
    return def.pChecked && def.pChecked(s, def.nId);
}

int ShownKeyCommand(const std::string& key) {
    for (const CActionDef& a : kActions) {
        const char* pszTab = std::strchr(a.pszCaption, '\t');
        if (pszTab && key == pszTab + 1) return a.nId;
    }
    return 0;
}

std::string PlainCaption(const char* pszCaption) {
    std::string s;
    for (const char* p = pszCaption; *p && *p != '\t'; ++p) {
        if (*p == '&' && p[1] != '&') continue;
        if (*p == '&') ++p;
        s += *p;
    }
    return s;
}
