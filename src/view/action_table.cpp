#include "view/action_table.h"

namespace {
// clang-format off
const std::vector<CActionDef> kActions = {
    {ID_FILE_NEW, "&Nuovo", "Ctrl+N", "Crea un nuovo documento", "Nuovo", "doc-new", 0},
    {ID_FILE_OPEN, "&Apri...", "Ctrl+A;Ctrl+O", "Apre un documento esistente", "Apri", "doc-open", 0},
    {ID_FILE_SAVE, "&Salva", "Ctrl+S", "Salva il documento attivo", "Salva", "doc-save", 0},
    {ID_FILE_SAVE_AS, "Sa&lva con nome...", "", "Salva il documento attivo con un nuovo nome", "", "", 0},
    {ID_FILE_CLOSE, "&Chiudi", "Ctrl+W;Ctrl+F4", "Chiude il documento attivo", "", "", 0},
    {ID_FILE_EXPORT, "Salva come &bitmap/EMF...", "",
     "Salva il documento attuale sotto forma di file BMP o EMF (Enhanced Metafile)", "", "export-picture", 0},
    {ID_FILE_PRINT, "Stam&pa...", "Ctrl+P", "Stampa il documento attivo", "Stampa", "print", 0},
    {ID_FILE_PRINT_PREVIEW, "Antepri&ma di stampa", "", "Mostra la pagina come verra' stampata", "", "", 0},
    {ID_FILE_PRINT_SETUP, "Imposta s&tampante...", "", "Sceglie la stampante e le opzioni di stampa", "", "", 0},
    {ID_APP_EXIT, "&Esci", "", "Chiude il programma chiedendo di salvare i documenti modificati", "", "", 0},
    {ID_EDIT_CUT, "Tag&lia", "Ctrl+X;Shift+Del", "Taglia la selezione e la mette negli appunti", "Taglia", "edit-cut", 0},
    {ID_EDIT_COPY, "&Copia", "Ctrl+C;Ctrl+Ins", "Copia la selezione negli appunti", "Copia", "edit-copy", 0},
    {ID_EDIT_PASTE, "Come nuova &selezione", "Ctrl+V;Shift+Ins",
     "Incolla il contenuto degli appunti come nuova selezione", "Incolla", "edit-paste", 0},
    {ID_PASTE_NEW_DOCUMENT, "Come nuovo &documento", "", "Apre il contenuto degli appunti come nuovo documento", "", "", 0},
    {ID_EDIT_CLEAR, "Ca&ncella", "Del", "Cancella la selezione", "Cancella", "edit-delete", 0},
    {ID_EDIT_UNDO, "&Undo", "Ctrl+Z;Alt+Backspace", "Annulla l'ultima modifica", "", "", 0},
    {ID_EDIT_REDO, "R&edo", "Ctrl+Y", "Ripristina l'ultima modifica annullata", "", "", 0},
    // The keys after the tab are only shown: R and S act in the drawing alone.
    {ID_ROTATE, "&Ruota selezione\tR", "", "Ruota la selezione di un quarto di giro", "", "", 0},
    {ID_MIRROR, "S&wappa selezione\tS", "", "Specchia la selezione da destra a sinistra", "", "", 0},
    {ID_MAKE_MACRO, "Cre&a macro", "", "Raggruppa la selezione in una macro", "", "", 0},
    {ID_SPLIT_MACRO, "S&plit macro", "", "Scompone le macro selezionate nelle loro primitive", "", "", 0},
    {ID_EDIT_SELECT_ALL, "Seleziona &tutto", "", "Seleziona tutti gli oggetti dei layer visibili", "", "", 0},
    {ID_INVERT_SELECTION, "In&verti selezione", "", "Seleziona gli oggetti non selezionati e viceversa", "", "", 0},
    {ID_PROPERTIES, "Pr&oprieta'...", "Alt+Return;Alt+Enter", "Mostra e modifica le proprieta' della selezione", "", "", 0},
    {ID_STRETCH, "Scala com&baciante", "", "Adatta la scala alle dimensioni della finestra",
     "Ridimensione a finestra", "", ACT_CHECKABLE},
    {ID_FIT, "A&datta alla finestra", "", "Mostra tutto il disegno nella finestra", "", "", 0},
    {ID_GRID, "&Griglia e Snap...", "", "Imposta la griglia e lo snap della vista", "Dialog Griglia e Snap", "", 0},
    {ID_VIEW_TOOLBAR, "Barra degli st&rumenti", "", "Mostra o nasconde la barra degli strumenti", "", "", ACT_CHECKABLE},
    {ID_VIEW_STATUS_BAR, "Barra di st&ato", "", "Mostra o nasconde la barra di stato", "", "", ACT_CHECKABLE},
    {ID_VIEW_PRIMITIVES_BAR, "Barra delle &primitive", "", "Mostra/nascondi barra delle primitive", "", "", ACT_CHECKABLE},
    {ID_VIEW_MACRO_BAR, "Barra delle &macro", "", "Mostra/nascondi barra delle macro", "", "", ACT_CHECKABLE},
    {ID_REFRESH_MACROS, "Aggiorna &lista macro", "", "Rilegge le librerie e aggiorna l'elenco delle macro", "", "", 0},
    {ID_REFRESH_DOCUMENT, "Aggiorna d&ocumento", "F5", "Ridisegna il documento", "", "", 0},
    {ID_LAYERS, "&Visualizzazione e stampa layer...", "",
     "Imposta nomi, colori, visualizzazione e stampa dei layer", "", "", 0},
    {ID_SNAP, "&Snap ON/OFF", "", "Attiva o disattiva lo snap alla griglia", "Snap ON/OFF", "snap", ACT_CHECKABLE},
    {ID_PCB_MODE, "P&CB Mode ON/OFF", "", "Attiva o disattiva la modalita' PCB", "PCB Mode ON/OFF", "pcb-mode", ACT_CHECKABLE},
    {ID_MACRO_ORIGIN, "Vai all'orig&ine macro", "", "Porta in vista l'origine della macro", "Vai all'origine macro", "", 0},
    {ID_LIB_ADD, "&Aggiungi nuovo componente", "", "Aggiunge un nuovo componente in fondo alla libreria", "", "", 0},
    {ID_LIB_INSERT_AFTER, "Inserisci nuovo componente &dopo", "", "Inserisce un nuovo componente dopo quello attuale", "", "", 0},
    {ID_LIB_INSERT_BEFORE, "Inserisci nuovo componente &prima", "", "Inserisce un nuovo componente prima di quello attuale", "", "", 0},
    {ID_LIB_REMOVE, "&Rimuovi componente", "", "Rimuove il componente attuale dalla libreria", "", "", 0},
    {ID_LIB_NUMBER, "&Numera in progressione...", "", "Assegna ai componenti chiavi numerate in progressione", "", "", 0},
    {ID_CONFIG, "&Configurazione...", "", "Modifica le impostazioni del programma", "", "", 0},
    {ID_USER_LIBRARIES, "Caricamento librerie &utente...", "", "Carica le librerie dell'utente", "", "", ACT_NO_HANDLER},
    {ID_WINDOW_CASCADE, "&Sovrapposte", "", "Dispone le finestre sovrapposte", "", "", 0},
    {ID_WINDOW_TILE_HORZ, "&Affianca orizzontalmente", "", "Dispone le finestre affiancate una sotto l'altra", "", "", 0},
    {ID_WINDOW_TILE_VERT, "Affianca &verticalmente", "", "Dispone le finestre affiancate una accanto all'altra", "", "", 0},
    {ID_WINDOW_ARRANGE, "&Disponi icone", "", "Dispone le icone delle finestre ridotte", "", "", 0},
    {ID_WINDOW_NEXT, "Finestra &successiva", "Ctrl+Tab", "Attiva la finestra del documento aperto dopo", "", "", 0},
    {ID_WINDOW_PREV, "Finestra &precedente", "Ctrl+Shift+Tab;Ctrl+Shift+Backtab",
     "Attiva la finestra del documento aperto prima", "", "", 0},
    {ID_HELP_FINDER, "&Argomenti della Guida", "F1", "Mostra gli argomenti della guida", "", "", 0},
    {ID_CONTEXT_HELP, "&Guida rapida", "Shift+F1", "Mostra la guida sull'oggetto indicato col mouse", "Guida", "context-help", 0},
    {ID_APP_ABOUT, "Infor&mazioni su Tavolin...", "", "Mostra le informazioni sul programma", "Informazioni", "about", 0},
    {ID_TOOL_SELECT, "&Selezione", "", "Selezione di uno o piu' oggetti", "Selezione", "tool-select", ACT_TOOL},
    {ID_TOOL_ZOOM, "&Zoom", "", "Ingrandisce o diminuisce il fattore di scala", "Zoom", "tool-zoom", ACT_TOOL},
    {ID_TOOL_HAND, "Dragging &hand", "", "Trascina il disegno col mouse", "Dragging hand", "tool-hand", ACT_TOOL},
    {ID_TOOL_LINE, "&Linea", "", "Disegna una linea", "Linea", "tool-line", ACT_TOOL},
    {ID_TOOL_TEXT, "&Testo esteso", "", "Disegna una stringa di testo con attributi estesi", "Testo esteso", "tool-text", ACT_TOOL},
    {ID_TOOL_CONNECTION, "&Connessione elettrica", "", "Disegna una connessione elettrica", "Connessione elettrica", "tool-connection", ACT_TOOL},
    {ID_TOOL_BEZIER, "Curva &Bezier", "", "Disegna una curva cubica Bezier", "Curva Bezier", "tool-bezier", ACT_TOOL},
    {ID_TOOL_POLYGON, "&Poligono", "", "Disegna un poligono (pieno o vuoto) con n lati", "Poligono", "tool-polygon", ACT_TOOL},
    {ID_TOOL_ELLIPSE, "&Ellisse", "", "Disegna un'ellisse (piena o vuota)", "Ellisse", "tool-ellipse", ACT_TOOL},
    {ID_TOOL_RECTANGLE, "&Rettangolo", "", "Disegna un rettangolo (pieno o vuoto)", "Rettangolo", "tool-rectangle", ACT_TOOL},
    {ID_TOOL_MACRO, "&Macro", "", "Inserisce la macro selezionata nel documento", "Macro", "tool-macro", ACT_TOOL},
    {ID_TOOL_PCBLINE, "P&ista", "", "Disegna una pista", "Pista", "tool-pcbline", ACT_TOOL},
    {ID_TOOL_PCBPAD, "Pi&azzola", "", "Disegna una piazzola", "Piazzola", "tool-pcbpad", ACT_TOOL},
};

const CActionDef kPasteNewDocument = {ID_PASTE_NEW_DOCUMENT, "Incolla come nuovo &documento", "",
    "Apre il contenuto degli appunti come nuovo documento", "", "", 0};

const std::vector<int> kTools = {ID_TOOL_SELECT, ID_TOOL_ZOOM, ID_TOOL_HAND, ID_TOOL_LINE, ID_TOOL_TEXT,
    ID_TOOL_CONNECTION, ID_TOOL_BEZIER, ID_TOOL_POLYGON, ID_TOOL_ELLIPSE, ID_TOOL_RECTANGLE,
    ID_TOOL_MACRO, ID_TOOL_PCBLINE, ID_TOOL_PCBPAD};

const CMenuDef kFile = {"&File", {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS,
    ID_FILE_CLOSE, ID_FILE_EXPORT, 0, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, 0, MENU_RECENT,
    0, ID_APP_EXIT}};
const CMenuDef kEdit = {"&Modifica", {ID_EDIT_CUT, ID_EDIT_COPY, MENU_PASTE, ID_EDIT_CLEAR, 0,
    ID_EDIT_UNDO, ID_EDIT_REDO, 0, ID_ROTATE, ID_MIRROR, 0, ID_MAKE_MACRO, ID_SPLIT_MACRO, 0,
    ID_EDIT_SELECT_ALL, ID_INVERT_SELECTION, 0, ID_PROPERTIES}};
const CMenuDef kView = {"&Visualizza", {ID_STRETCH, ID_FIT, ID_GRID, 0, ID_VIEW_TOOLBAR,
    ID_VIEW_STATUS_BAR, ID_VIEW_PRIMITIVES_BAR, ID_VIEW_MACRO_BAR, 0, ID_REFRESH_MACROS,
    ID_REFRESH_DOCUMENT, ID_LAYERS, 0, ID_SNAP, ID_PCB_MODE, ID_MACRO_ORIGIN}};
const CMenuDef kTools_ = {"S&trumenti", kTools};
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
const std::vector<CMenuDef> kDrawing = {kFile, kEdit, kView, kTools_, kOptions, kWindow, kHelp};
const std::vector<CMenuDef> kLibraryBar = {kFile, kEdit, kView, kTools_, kLibrary, kOptions, kWindow, kHelp};

const CMenuDef kContext = {"Menu contestuale", {ID_EDIT_CUT, ID_EDIT_COPY, MENU_PASTE, ID_EDIT_CLEAR, 0,
    ID_EDIT_UNDO, ID_EDIT_REDO, 0, ID_ROTATE, ID_MIRROR, 0, ID_MAKE_MACRO, ID_SPLIT_MACRO, 0,
    ID_EDIT_SELECT_ALL, ID_INVERT_SELECTION, 0, ID_PROPERTIES}};

const std::vector<int> kCommonBar = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT,
    ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR, 0, ID_FILE_PRINT, ID_PCB_MODE, ID_APP_ABOUT,
    ID_CONTEXT_HELP, 0, ID_SNAP};
// The tool buttons in their toolbar order (the connection is the tenth).
const std::vector<int> kPrimitivesBar = {ID_TOOL_SELECT, ID_TOOL_ZOOM, ID_TOOL_HAND, ID_TOOL_LINE,
    ID_TOOL_TEXT, ID_TOOL_BEZIER, ID_TOOL_POLYGON, ID_TOOL_ELLIPSE, ID_TOOL_RECTANGLE,
    ID_TOOL_CONNECTION, ID_TOOL_PCBLINE, ID_TOOL_PCBPAD, ID_TOOL_MACRO};
// clang-format on
} // namespace

const std::vector<CActionDef>& ActionTable() { return kActions; }

const CActionDef* FindAction(int nId) {
    if (nId == MENU_PASTE_NEW_DOCUMENT) return &kPasteNewDocument;
    for (const CActionDef& a : kActions)
        if (a.nId == nId) return &a;
    return nullptr;
}

const std::vector<CMenuDef>& MenuBar(int nKind) {
    switch (nKind) {
    case MENUBAR_DRAWING:
    case MENUBAR_MACRO: return kDrawing;
    case MENUBAR_LIBRARY: return kLibraryBar;
    default: return kNoDocument;
    }
}

const CMenuDef& ContextMenu() { return kContext; }
const std::vector<int>& CommonToolbar() { return kCommonBar; }
const std::vector<int>& PrimitivesToolbar() { return kPrimitivesBar; }

std::string PlainCaption(const char* pszCaption) {
    std::string s;
    for (const char* p = pszCaption; *p && *p != '\t'; ++p) {
        if (*p == '&' && p[1] != '&') continue;
        if (*p == '&') ++p;
        s += *p;
    }
    return s;
}
