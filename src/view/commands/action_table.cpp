#include "view/commands/action_table.h"

#include "doc/document/document.h"
#include "model/translate_noop.h"

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
bool SelectedInDrawing(const CCommandState& s, int n) {
    return s.nSelected >= 1 && DrawingDoc(s, n);
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
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("Comandi", "&Nuovo"), "Ctrl+N", QT_TRANSLATE_NOOP("Comandi", "Crea un nuovo documento"), QT_TRANSLATE_NOOP("Comandi", "Nuovo"), "doc-new", FEATURE_FILES, nullptr, nullptr},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("Comandi", "&Apri..."), "Ctrl+A;Ctrl+O", QT_TRANSLATE_NOOP("Comandi", "Apre un documento esistente"), QT_TRANSLATE_NOOP("Comandi", "Apri"), "doc-open", FEATURE_FILES, nullptr, nullptr},
    {ID_FILE_SAVE, QT_TRANSLATE_NOOP("Comandi", "&Salva"), "Ctrl+S", QT_TRANSLATE_NOOP("Comandi", "Salva il documento attivo"), QT_TRANSLATE_NOOP("Comandi", "Salva"), "doc-save", FEATURE_FILES, Doc, nullptr},
    {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("Comandi", "Sa&lva con nome..."), "", QT_TRANSLATE_NOOP("Comandi", "Salva il documento attivo con un nuovo nome"), "", "", FEATURE_FILES, Doc, nullptr},
    {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("Comandi", "&Chiudi"), "Ctrl+W;Ctrl+F4", QT_TRANSLATE_NOOP("Comandi", "Chiude il documento attivo"), "", "", FEATURE_FILES, Doc, nullptr},
    {ID_FILE_COMPARE, QT_TRANSLATE_NOOP("Comandi", "C&onfronta con..."), "", QT_TRANSLATE_NOOP("Comandi", "Confronta il documento attivo con un disegno salvato"), "", "", FEATURE_COMPARE, DrawingDoc, nullptr},
    {ID_FILE_EXPORT, QT_TRANSLATE_NOOP("Comandi", "Salva come &bitmap/EMF..."), "",
     QT_TRANSLATE_NOOP("Comandi", "Salva il documento attuale sotto forma di file BMP o EMF (Enhanced Metafile)"), "", "export-picture", FEATURE_PRINT, Doc, nullptr},
    {ID_FILE_FABRICATION, QT_TRANSLATE_NOOP("Comandi", "Esporta per la p&roduzione..."), "",
     QT_TRANSLATE_NOOP("Comandi", "Scrive i file Gerber e di foratura per il produttore dei circuiti stampati"), "", "", FEATURE_FABRICATION, DrawingDoc, nullptr},
    {ID_CHECK_RULES, QT_TRANSLATE_NOOP("Comandi", "Controllo delle re&gole..."), "",
     QT_TRANSLATE_NOOP("Comandi", "Controlla le regole di produzione sul rame, sui fori e sul contorno"), "", "", FEATURE_RULES, DrawingDoc, nullptr},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("Comandi", "Stam&pa..."), "Ctrl+P", QT_TRANSLATE_NOOP("Comandi", "Stampa il documento attivo"), QT_TRANSLATE_NOOP("Comandi", "Stampa"), "print", FEATURE_PRINT, Doc, nullptr},
    {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("Comandi", "Antepri&ma di stampa"), "", QT_TRANSLATE_NOOP("Comandi", "Mostra la pagina come verra' stampata"), "", "", FEATURE_PRINT, Doc, nullptr},
    {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("Comandi", "Imposta s&tampante..."), "", QT_TRANSLATE_NOOP("Comandi", "Sceglie la stampante e le opzioni di stampa"), "", "", FEATURE_PRINT, nullptr, nullptr},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("Comandi", "&Esci"), "", QT_TRANSLATE_NOOP("Comandi", "Chiude il programma chiedendo di salvare i documenti modificati"), "", "", FEATURE_FILES, nullptr, nullptr},
    {ID_EDIT_CUT, QT_TRANSLATE_NOOP("Comandi", "Tag&lia"), "Ctrl+X;Shift+Del", QT_TRANSLATE_NOOP("Comandi", "Taglia la selezione e la mette negli appunti"), QT_TRANSLATE_NOOP("Comandi", "Taglia"), "edit-cut", FEATURE_CLIPBOARD, Selected, nullptr},
    {ID_EDIT_COPY, QT_TRANSLATE_NOOP("Comandi", "&Copia"), "Ctrl+C;Ctrl+Ins", QT_TRANSLATE_NOOP("Comandi", "Copia la selezione negli appunti"), QT_TRANSLATE_NOOP("Comandi", "Copia"), "edit-copy", FEATURE_CLIPBOARD, Selected, nullptr},
    {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("Comandi", "Come nuova &selezione"), "Ctrl+V;Shift+Ins",
     QT_TRANSLATE_NOOP("Comandi", "Incolla il contenuto degli appunti come nuova selezione"), QT_TRANSLATE_NOOP("Comandi", "Incolla"), "edit-paste", FEATURE_CLIPBOARD, PasteHere, nullptr},
    // The same command in the menu shown while no document is open.
    {MENU_PASTE_NEW_DOCUMENT, QT_TRANSLATE_NOOP("Comandi", "Incolla come nuovo &documento"), "", QT_TRANSLATE_NOOP("Comandi", "Apre il contenuto degli appunti come nuovo documento"), "", "", FEATURE_CLIPBOARD, ClipboardText, nullptr},
    {ID_PASTE_NEW_DOCUMENT, QT_TRANSLATE_NOOP("Comandi", "Come nuovo &documento"), "", QT_TRANSLATE_NOOP("Comandi", "Apre il contenuto degli appunti come nuovo documento"), "", "", FEATURE_CLIPBOARD, ClipboardText, nullptr},
    {ID_EDIT_CLEAR, QT_TRANSLATE_NOOP("Comandi", "Ca&ncella"), "Del", QT_TRANSLATE_NOOP("Comandi", "Cancella la selezione"), QT_TRANSLATE_NOOP("Comandi", "Cancella"), "edit-delete", FEATURE_EDIT, Selected, nullptr},
    {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("Comandi", "&Undo"), "Ctrl+Z;Alt+Backspace", QT_TRANSLATE_NOOP("Comandi", "Annulla l'ultima modifica"), QT_TRANSLATE_NOOP("Comandi", "Undo"), "edit-undo", FEATURE_EDIT, CanUndo, nullptr},
    {ID_EDIT_REDO, QT_TRANSLATE_NOOP("Comandi", "R&edo"), "Ctrl+Y", QT_TRANSLATE_NOOP("Comandi", "Ripristina l'ultima modifica annullata"), QT_TRANSLATE_NOOP("Comandi", "Redo"), "edit-redo", FEATURE_EDIT, CanRedo, nullptr},
    // A key after a tab is no shortcut: the view takes it while it has the focus,
    // so that a text field keeps its letters (R, S and G act in the drawing alone).
    {ID_ROTATE, QT_TRANSLATE_NOOP("Comandi", "&Ruota selezione\tR"), "", QT_TRANSLATE_NOOP("Comandi", "Ruota la selezione di un quarto di giro"), "", "", FEATURE_EDIT, Selected, nullptr},
    {ID_MIRROR, QT_TRANSLATE_NOOP("Comandi", "S&wappa selezione\tS"), "", QT_TRANSLATE_NOOP("Comandi", "Specchia la selezione da destra a sinistra"), "", "", FEATURE_EDIT, Selected, nullptr},
    {ID_WIRE_DRAG, QT_TRANSLATE_NOOP("Comandi", "Trascina con i colle&gamenti\tG"), "", QT_TRANSLATE_NOOP("Comandi", "Sposta la selezione trascinando i collegamenti attaccati"), "", "", FEATURE_EDIT, SelectedIdle, nullptr},
    {ID_MAKE_MACRO, QT_TRANSLATE_NOOP("Comandi", "Cre&a macro"), "", QT_TRANSLATE_NOOP("Comandi", "Raggruppa la selezione in una macro"), "", "", FEATURE_EDIT, SelectedTwo, nullptr},
    {ID_SPLIT_MACRO, QT_TRANSLATE_NOOP("Comandi", "S&plit macro"), "", QT_TRANSLATE_NOOP("Comandi", "Scompone le macro selezionate nelle loro primitive"), "", "", FEATURE_EDIT, Selected, nullptr},
    {ID_EDIT_SELECT_ALL, QT_TRANSLATE_NOOP("Comandi", "Seleziona &tutto"), "", QT_TRANSLATE_NOOP("Comandi", "Seleziona tutti gli oggetti dei layer visibili"), "", "", FEATURE_EDIT, Doc, nullptr},
    {ID_INVERT_SELECTION, QT_TRANSLATE_NOOP("Comandi", "In&verti selezione"), "", QT_TRANSLATE_NOOP("Comandi", "Seleziona gli oggetti non selezionati e viceversa"), "", "", FEATURE_EDIT, Doc, nullptr},
    {ID_SELECT_CONNECTED, QT_TRANSLATE_NOOP("Comandi", "&Seleziona collegati\tN"), "", QT_TRANSLATE_NOOP("Comandi", "Aggiunge alla selezione tutto cio' che e' collegato ad essa"), "", "", FEATURE_EDIT, SelectedInDrawing, nullptr},
    {ID_PROPERTIES, QT_TRANSLATE_NOOP("Comandi", "Pr&oprieta'..."), "Alt+Return;Alt+Enter", QT_TRANSLATE_NOOP("Comandi", "Mostra e modifica le proprieta' della selezione"), "", "", FEATURE_EDIT, Selected, nullptr},
    {ID_STRETCH, QT_TRANSLATE_NOOP("Comandi", "Scala com&baciante"), "", QT_TRANSLATE_NOOP("Comandi", "Adatta la scala alle dimensioni della finestra"),
     QT_TRANSLATE_NOOP("Comandi", "Ridimensione a finestra"), "", FEATURE_VIEW, Doc, Stretch},
    {ID_FIT, QT_TRANSLATE_NOOP("Comandi", "A&datta alla finestra\tHome"), "", QT_TRANSLATE_NOOP("Comandi", "Mostra tutto il disegno nella finestra"), "", "", FEATURE_VIEW, Doc, nullptr},
    {ID_GRID, QT_TRANSLATE_NOOP("Comandi", "&Griglia e Snap..."), "", QT_TRANSLATE_NOOP("Comandi", "Imposta la griglia e lo snap della vista"), QT_TRANSLATE_NOOP("Comandi", "Dialog Griglia e Snap"), "", FEATURE_VIEW, Doc, nullptr},
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("Comandi", "Barra degli st&rumenti"), "", QT_TRANSLATE_NOOP("Comandi", "Mostra o nasconde la barra degli strumenti"), "", "", FEATURE_BARS, nullptr, ToolBarShown},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("Comandi", "Barra di st&ato"), "", QT_TRANSLATE_NOOP("Comandi", "Mostra o nasconde la barra di stato"), "", "", FEATURE_BARS, nullptr, StatusBarShown},
    {ID_VIEW_PRIMITIVES_BAR, QT_TRANSLATE_NOOP("Comandi", "Barra delle &primitive"), "", QT_TRANSLATE_NOOP("Comandi", "Mostra/nascondi barra delle primitive"), "", "", FEATURE_BARS, nullptr, PrimitivesBarShown},
    {ID_VIEW_MACRO_BAR, QT_TRANSLATE_NOOP("Comandi", "Barra delle &macro"), "", QT_TRANSLATE_NOOP("Comandi", "Mostra/nascondi barra delle macro"), "", "", FEATURE_MACROS, nullptr, MacroBarShown},
    {ID_REFRESH_MACROS, QT_TRANSLATE_NOOP("Comandi", "Aggiorna &lista macro"), "", QT_TRANSLATE_NOOP("Comandi", "Rilegge le librerie e aggiorna l'elenco delle macro"), "", "", FEATURE_MACROS, nullptr, nullptr},
    {ID_REFRESH_DOCUMENT, QT_TRANSLATE_NOOP("Comandi", "Aggiorna d&ocumento"), "F5", QT_TRANSLATE_NOOP("Comandi", "Ridisegna il documento"), "", "", FEATURE_VIEW, Doc, nullptr},
    {ID_LAYERS, QT_TRANSLATE_NOOP("Comandi", "&Visualizzazione e stampa layer..."), "",
     QT_TRANSLATE_NOOP("Comandi", "Imposta nomi, colori, visualizzazione e stampa dei layer"), "", "", FEATURE_LAYERS, nullptr, nullptr},
    {ID_SNAP, QT_TRANSLATE_NOOP("Comandi", "&Snap ON/OFF"), "", QT_TRANSLATE_NOOP("Comandi", "Attiva o disattiva lo snap alla griglia"), QT_TRANSLATE_NOOP("Comandi", "Snap ON/OFF"), "snap", FEATURE_VIEW, Doc, Snap},
    {ID_PCB_MODE, QT_TRANSLATE_NOOP("Comandi", "P&CB Mode ON/OFF"), "", QT_TRANSLATE_NOOP("Comandi", "Attiva o disattiva la modalita' PCB"), QT_TRANSLATE_NOOP("Comandi", "PCB Mode ON/OFF"), "pcb-mode", FEATURE_VIEW, Doc, PCBMode},
    {ID_MACRO_ORIGIN, QT_TRANSLATE_NOOP("Comandi", "Vai all'orig&ine macro"), "", QT_TRANSLATE_NOOP("Comandi", "Porta in vista l'origine della macro"), QT_TRANSLATE_NOOP("Comandi", "Vai all'origine macro"), "", FEATURE_VIEW, Doc, nullptr},
    {ID_LIB_ADD, QT_TRANSLATE_NOOP("Comandi", "&Aggiungi nuovo componente"), "", QT_TRANSLATE_NOOP("Comandi", "Aggiunge un nuovo componente in fondo alla libreria"), "", "", FEATURE_LIBRARY, Library, nullptr},
    {ID_LIB_INSERT_AFTER, QT_TRANSLATE_NOOP("Comandi", "Inserisci nuovo componente &dopo"), "", QT_TRANSLATE_NOOP("Comandi", "Inserisce un nuovo componente dopo quello attuale"), "", "", FEATURE_LIBRARY, Library, nullptr},
    {ID_LIB_INSERT_BEFORE, QT_TRANSLATE_NOOP("Comandi", "Inserisci nuovo componente &prima"), "", QT_TRANSLATE_NOOP("Comandi", "Inserisce un nuovo componente prima di quello attuale"), "", "", FEATURE_LIBRARY, Library, nullptr},
    {ID_LIB_REMOVE, QT_TRANSLATE_NOOP("Comandi", "&Rimuovi componente"), "", QT_TRANSLATE_NOOP("Comandi", "Rimuove il componente attuale dalla libreria"), "", "", FEATURE_LIBRARY, Library, nullptr},
    {ID_LIB_NUMBER, QT_TRANSLATE_NOOP("Comandi", "&Numera in progressione..."), "", QT_TRANSLATE_NOOP("Comandi", "Assegna ai componenti chiavi numerate in progressione"), "", "", FEATURE_LIBRARY, Library, nullptr},
    {ID_CONFIG, QT_TRANSLATE_NOOP("Comandi", "&Configurazione..."), "", QT_TRANSLATE_NOOP("Comandi", "Modifica le impostazioni del programma"), "", "", FEATURE_BARS, nullptr, nullptr},
    {ID_USER_LIBRARIES, QT_TRANSLATE_NOOP("Comandi", "Caricamento librerie &utente..."), "", QT_TRANSLATE_NOOP("Comandi", "Carica le librerie dell'utente"), "", "", FEATURE_NONE, Never, nullptr},
    {ID_WINDOW_CASCADE, QT_TRANSLATE_NOOP("Comandi", "&Sovrapposte"), "", QT_TRANSLATE_NOOP("Comandi", "Dispone le finestre sovrapposte"), "", "", FEATURE_WINDOWS, Doc, nullptr},
    {ID_WINDOW_TILE_HORZ, QT_TRANSLATE_NOOP("Comandi", "&Affianca orizzontalmente"), "", QT_TRANSLATE_NOOP("Comandi", "Dispone le finestre affiancate una sotto l'altra"), "", "", FEATURE_WINDOWS, Doc, nullptr},
    {ID_WINDOW_TILE_VERT, QT_TRANSLATE_NOOP("Comandi", "Affianca &verticalmente"), "", QT_TRANSLATE_NOOP("Comandi", "Dispone le finestre affiancate una accanto all'altra"), "", "", FEATURE_WINDOWS, Doc, nullptr},
    {ID_WINDOW_ARRANGE, QT_TRANSLATE_NOOP("Comandi", "&Disponi icone"), "", QT_TRANSLATE_NOOP("Comandi", "Dispone le icone delle finestre ridotte"), "", "", FEATURE_WINDOWS, Doc, nullptr},
    {ID_WINDOW_NEXT, QT_TRANSLATE_NOOP("Comandi", "Finestra &successiva"), "Ctrl+Tab", QT_TRANSLATE_NOOP("Comandi", "Attiva la finestra del documento aperto dopo"), "", "", FEATURE_WINDOWS, Doc, nullptr},
    {ID_WINDOW_PREV, QT_TRANSLATE_NOOP("Comandi", "Finestra &precedente"), "Ctrl+Shift+Tab;Ctrl+Shift+Backtab",
     QT_TRANSLATE_NOOP("Comandi", "Attiva la finestra del documento aperto prima"), "", "", FEATURE_WINDOWS, Doc, nullptr},
    {ID_HELP_FINDER, QT_TRANSLATE_NOOP("Comandi", "&Argomenti della Guida"), "", QT_TRANSLATE_NOOP("Comandi", "Mostra gli argomenti della guida"), "", "", FEATURE_HELP, nullptr, nullptr},
    {ID_HELP, QT_TRANSLATE_NOOP("Comandi", "&Guida"), "F1", QT_TRANSLATE_NOOP("Comandi", "Mostra la guida"), "", "", FEATURE_HELP, nullptr, nullptr},
    {ID_DEFAULT_HELP, QT_TRANSLATE_NOOP("Comandi", "Guida &predefinita"), "", QT_TRANSLATE_NOOP("Comandi", "Mostra la guida"), "", "", FEATURE_HELP, nullptr, nullptr},
    {ID_CONTEXT_HELP, QT_TRANSLATE_NOOP("Comandi", "&Guida rapida"), "Shift+F1", QT_TRANSLATE_NOOP("Comandi", "Mostra la guida sull'oggetto indicato col mouse"), QT_TRANSLATE_NOOP("Comandi", "Guida"), "context-help", FEATURE_HELP, nullptr, nullptr},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("Comandi", "Infor&mazioni su Tavolin..."), "", QT_TRANSLATE_NOOP("Comandi", "Mostra le informazioni sul programma"), QT_TRANSLATE_NOOP("Comandi", "Informazioni"), "about", FEATURE_HELP, nullptr, nullptr},
    {ID_TOOL_SELECT, QT_TRANSLATE_NOOP("Comandi", "&Selezione"), "", QT_TRANSLATE_NOOP("Comandi", "Selezione di uno o piu' oggetti"), QT_TRANSLATE_NOOP("Comandi", "Selezione"), "tool-select", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_ZOOM, QT_TRANSLATE_NOOP("Comandi", "&Zoom\tZ"), "", QT_TRANSLATE_NOOP("Comandi", "Ingrandisce o diminuisce il fattore di scala"), QT_TRANSLATE_NOOP("Comandi", "Zoom"), "tool-zoom", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_HAND, QT_TRANSLATE_NOOP("Comandi", "Dragging &hand\tH"), "", QT_TRANSLATE_NOOP("Comandi", "Trascina il disegno col mouse"), QT_TRANSLATE_NOOP("Comandi", "Dragging hand"), "tool-hand", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_LINE, QT_TRANSLATE_NOOP("Comandi", "&Linea\tL"), "", QT_TRANSLATE_NOOP("Comandi", "Disegna una linea"), QT_TRANSLATE_NOOP("Comandi", "Linea"), "tool-line", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_TEXT, QT_TRANSLATE_NOOP("Comandi", "&Testo esteso\tT"), "", QT_TRANSLATE_NOOP("Comandi", "Disegna una stringa di testo con attributi estesi"), QT_TRANSLATE_NOOP("Comandi", "Testo esteso"), "tool-text", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_CONNECTION, QT_TRANSLATE_NOOP("Comandi", "&Connessione elettrica\tC"), "", QT_TRANSLATE_NOOP("Comandi", "Disegna una connessione elettrica"), QT_TRANSLATE_NOOP("Comandi", "Connessione elettrica"), "tool-connection", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_BEZIER, QT_TRANSLATE_NOOP("Comandi", "Curva &Bezier\tB"), "", QT_TRANSLATE_NOOP("Comandi", "Disegna una curva cubica Bezier"), QT_TRANSLATE_NOOP("Comandi", "Curva Bezier"), "tool-bezier", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_POLYGON, QT_TRANSLATE_NOOP("Comandi", "&Poligono\tP"), "", QT_TRANSLATE_NOOP("Comandi", "Disegna un poligono (pieno o vuoto) con n lati"), QT_TRANSLATE_NOOP("Comandi", "Poligono"), "tool-polygon", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_ELLIPSE, QT_TRANSLATE_NOOP("Comandi", "&Ellisse\tE"), "", QT_TRANSLATE_NOOP("Comandi", "Disegna un'ellisse (piena o vuota)"), QT_TRANSLATE_NOOP("Comandi", "Ellisse"), "tool-ellipse", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_RECTANGLE, QT_TRANSLATE_NOOP("Comandi", "&Rettangolo\tQ"), "", QT_TRANSLATE_NOOP("Comandi", "Disegna un rettangolo (pieno o vuoto)"), QT_TRANSLATE_NOOP("Comandi", "Rettangolo"), "tool-rectangle", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_MACRO, QT_TRANSLATE_NOOP("Comandi", "&Macro\tM"), "", QT_TRANSLATE_NOOP("Comandi", "Inserisce la macro selezionata nel documento"), QT_TRANSLATE_NOOP("Comandi", "Macro"), "tool-macro", FEATURE_TOOLS, MacroChosen, ToolChosen},
    {ID_TOOL_PCBLINE, QT_TRANSLATE_NOOP("Comandi", "P&ista\tI"), "", QT_TRANSLATE_NOOP("Comandi", "Disegna una pista"), QT_TRANSLATE_NOOP("Comandi", "Pista"), "tool-pcbline", FEATURE_TOOLS, nullptr, ToolChosen},
    {ID_TOOL_PCBPAD, QT_TRANSLATE_NOOP("Comandi", "Pi&azzola\tA"), "", QT_TRANSLATE_NOOP("Comandi", "Disegna una piazzola"), QT_TRANSLATE_NOOP("Comandi", "Piazzola"), "tool-pcbpad", FEATURE_TOOLS, nullptr, ToolChosen},
};

// The English keys where they differ from the Italian ones in the table.
const struct {
    int nId;
    const char* pszKeys;
} kEnglishKeys[] = {
    {ID_FILE_OPEN, "Ctrl+O"},
    {ID_EDIT_SELECT_ALL, "Ctrl+A"},
};

std::vector<int> ToolsMenu() {
    std::vector<int> ids;
    for (int t = 0; t < TOOL_COUNT; ++t) ids.push_back(ToolCommand(t));
    ids.push_back(0);
    ids.push_back(ID_CHECK_RULES);
    return ids;
}

const CMenuDef kFile = {QT_TRANSLATE_NOOP("Comandi", "&File"), {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS,
    ID_FILE_CLOSE, ID_FILE_COMPARE, ID_FILE_EXPORT, ID_FILE_FABRICATION, 0, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, 0, MENU_RECENT,
    0, ID_APP_EXIT}};
// The edit menu is also the view's context menu.
const std::vector<int> kEditItems = {ID_EDIT_CUT, ID_EDIT_COPY, MENU_PASTE, ID_EDIT_CLEAR, 0,
    ID_EDIT_UNDO, ID_EDIT_REDO, 0, ID_ROTATE, ID_MIRROR, ID_WIRE_DRAG, 0, ID_MAKE_MACRO,
    ID_SPLIT_MACRO, 0, ID_EDIT_SELECT_ALL, ID_INVERT_SELECTION, ID_SELECT_CONNECTED, 0, ID_PROPERTIES};
const CMenuDef kEdit = {QT_TRANSLATE_NOOP("Comandi", "&Modifica"), kEditItems};
const CMenuDef kView = {QT_TRANSLATE_NOOP("Comandi", "&Visualizza"), {ID_STRETCH, ID_FIT, ID_GRID, 0, ID_VIEW_TOOLBAR,
    ID_VIEW_STATUS_BAR, ID_VIEW_PRIMITIVES_BAR, ID_VIEW_MACRO_BAR, 0, ID_REFRESH_MACROS,
    ID_REFRESH_DOCUMENT, ID_LAYERS, 0, ID_SNAP, ID_PCB_MODE, ID_MACRO_ORIGIN}};
const CMenuDef kTools = {QT_TRANSLATE_NOOP("Comandi", "S&trumenti"), ToolsMenu()};
const CMenuDef kLibrary = {QT_TRANSLATE_NOOP("Comandi", "&Libreria"), {ID_LIB_ADD, ID_LIB_INSERT_AFTER, ID_LIB_INSERT_BEFORE,
    ID_LIB_REMOVE, 0, ID_LIB_NUMBER}};
const CMenuDef kOptions = {QT_TRANSLATE_NOOP("Comandi", "&Opzioni"), {ID_CONFIG, ID_USER_LIBRARIES}};
const CMenuDef kWindow = {QT_TRANSLATE_NOOP("Comandi", "Fi&nestra"), {ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ,
    ID_WINDOW_TILE_VERT, ID_WINDOW_ARRANGE, 0, MENU_WINDOWS}};
const CMenuDef kHelp = {QT_TRANSLATE_NOOP("Comandi", "&?"), {ID_HELP_FINDER, 0, ID_APP_ABOUT}};

const std::vector<CMenuDef> kNoDocument = {
    {QT_TRANSLATE_NOOP("Comandi", "&File"), {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, 0, ID_FILE_PRINT,
               ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, 0, MENU_RECENT, 0, ID_APP_EXIT}},
    {QT_TRANSLATE_NOOP("Comandi", "&Modifica"), {MENU_PASTE_NEW_DOCUMENT}},
    {QT_TRANSLATE_NOOP("Comandi", "&Visualizza"), {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_PRIMITIVES_BAR,
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

const char* ActionKeys(const CActionDef& def, bool bEnglish) {
    if (bEnglish)
        for (const auto& k : kEnglishKeys)
            if (k.nId == def.nId) return k.pszKeys;
    return def.pszKeys;
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
