#include "view/commands/command_help.h"

#include "model/translate_noop.h"
#include "view/commands/action_table.h"

namespace {
// clang-format off
const std::vector<CCommandHelp> kHelp = {
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("CommandHelp", "Crea un documento vuoto: un disegno, una macro o una libreria.")},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("CommandHelp", "Apre un disegno (.tvd), una macro (.tvm) o una libreria (.tvl) in una nuova finestra.")},
    {ID_FILE_SAVE, QT_TRANSLATE_NOOP("CommandHelp", "Salva il documento attivo nel suo file; un documento nuovo chiede prima il nome.")},
    {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("CommandHelp", "Salva il documento attivo in un file di cui si sceglie il nome.")},
    {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("CommandHelp", "Chiude la finestra del documento attivo, chiedendo se salvarlo quando e' stato modificato.")},
    {ID_FILE_FABRICATION, QT_TRANSLATE_NOOP("CommandHelp", "Scrive il rame, la maschera, la serigrafia, il contorno e i fori della scheda in un archivio ZIP di file Gerber ed Excellon, come lo chiedono i produttori.")},
    {ID_FILE_COMPARE, QT_TRANSLATE_NOOP("CommandHelp", "Confronta il disegno attivo con un altro file e mostra le primitive aggiunte, rimosse e spostate.")},
    {ID_FILE_EXPORT, QT_TRANSLATE_NOOP("CommandHelp", "Salva il disegno come immagine (BMP, PNG, EMF, SVG o PDF) alla scala scelta.")},
    {ID_CHECK_RULES, QT_TRANSLATE_NOOP("CommandHelp", "Cerca nel disegno piste sottili, rame troppo vicino, fori e corone piccoli e rame fuori dal contorno, e li elenca nel pannello Regole.")},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("CommandHelp", "Stampa il documento adattato alla pagina o in scala reale.")},
    {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("CommandHelp", "Mostra le pagine come verranno stampate, senza stamparle.")},
    {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("CommandHelp", "Sceglie la stampante, il formato e l'orientamento della carta.")},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("CommandHelp", "Chiude Tavolin, chiedendo di salvare i documenti modificati.")},
    {ID_EDIT_CUT, QT_TRANSLATE_NOOP("CommandHelp", "Toglie gli oggetti selezionati dal disegno e li mette negli appunti.")},
    {ID_EDIT_COPY, QT_TRANSLATE_NOOP("CommandHelp", "Copia gli oggetti selezionati negli appunti, come testo che un altro disegno puo' incollare.")},
    {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("CommandHelp", "Incolla gli oggetti degli appunti: seguono il mouse finche' un clic non li posa.")},
    {MENU_PASTE_NEW_DOCUMENT, QT_TRANSLATE_NOOP("CommandHelp", "Apre il contenuto degli appunti in un nuovo documento.")},
    {ID_PASTE_NEW_DOCUMENT, QT_TRANSLATE_NOOP("CommandHelp", "Apre il contenuto degli appunti in un nuovo documento.")},
    {ID_EDIT_CLEAR, QT_TRANSLATE_NOOP("CommandHelp", "Cancella gli oggetti selezionati.")},
    {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("CommandHelp", "Annulla l'ultima modifica del documento.")},
    {ID_EDIT_REDO, QT_TRANSLATE_NOOP("CommandHelp", "Ripristina la modifica annullata per ultima.")},
    {ID_ROTATE, QT_TRANSLATE_NOOP("CommandHelp", "Ruota la selezione di un quarto di giro.")},
    {ID_MIRROR, QT_TRANSLATE_NOOP("CommandHelp", "Specchia la selezione da destra a sinistra.")},
    {ID_WIRE_DRAG, QT_TRANSLATE_NOOP("CommandHelp", "Sposta la selezione trascinando con se' le linee che vi sono collegate.")},
    {ID_MAKE_MACRO, QT_TRANSLATE_NOOP("CommandHelp", "Raggruppa gli oggetti selezionati in una macro che si sposta come un oggetto solo.")},
    {ID_SPLIT_MACRO, QT_TRANSLATE_NOOP("CommandHelp", "Scompone le macro selezionate nelle primitive che le compongono.")},
    {ID_EDIT_SELECT_ALL, QT_TRANSLATE_NOOP("CommandHelp", "Seleziona tutti gli oggetti dei layer visibili.")},
    {ID_INVERT_SELECTION, QT_TRANSLATE_NOOP("CommandHelp", "Seleziona gli oggetti non selezionati e deseleziona gli altri.")},
    {ID_SELECT_CONNECTED, QT_TRANSLATE_NOOP("CommandHelp", "Aggiunge alla selezione le linee, le piste e le piazzole collegate agli oggetti selezionati, reti intere.")},
    {ID_PROPERTIES, QT_TRANSLATE_NOOP("CommandHelp", "Mostra e modifica le proprieta' degli oggetti selezionati, come layer, spessore o testo.")},
    {ID_STRETCH, QT_TRANSLATE_NOOP("CommandHelp", "Deforma il foglio intero perche' riempia la finestra, senza barre di scorrimento.")},
    {ID_FIT, QT_TRANSLATE_NOOP("CommandHelp", "Sceglie la scala e la posizione che mostrano tutto il disegno nella finestra.")},
    {ID_GRID, QT_TRANSLATE_NOOP("CommandHelp", "Imposta il passo della griglia mostrata e quello dello snap.")},
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("CommandHelp", "Mostra o nasconde la barra delle funzioni comuni.")},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("CommandHelp", "Mostra o nasconde la barra di stato in fondo alla finestra.")},
    {ID_VIEW_PRIMITIVES_BAR, QT_TRANSLATE_NOOP("CommandHelp", "Mostra o nasconde la barra degli strumenti di disegno.")},
    {ID_VIEW_MACRO_BAR, QT_TRANSLATE_NOOP("CommandHelp", "Mostra o nasconde la barra con l'albero delle macro.")},
    {ID_REFRESH_MACROS, QT_TRANSLATE_NOOP("CommandHelp", "Rilegge le librerie e le macro delle cartelle libs e macros e aggiorna l'albero.")},
    {ID_REFRESH_DOCUMENT, QT_TRANSLATE_NOOP("CommandHelp", "Ridisegna il documento nella finestra.")},
    {ID_LAYERS, QT_TRANSLATE_NOOP("CommandHelp", "Imposta nome, colore, visibilita' e stampa di ciascuno dei 16 layer.")},
    {ID_SNAP, QT_TRANSLATE_NOOP("CommandHelp", "Attiva o disattiva l'aggancio dei punti alla griglia di snap.")},
    {ID_PCB_MODE, QT_TRANSLATE_NOOP("CommandHelp", "Attiva o disattiva la modalita' PCB, in cui la stampa puo' uscire specchiata per il circuito stampato.")},
    {ID_MACRO_ORIGIN, QT_TRANSLATE_NOOP("CommandHelp", "Porta in vista l'origine della macro, il punto in cui verra' inserita.")},
    {ID_LIB_ADD, QT_TRANSLATE_NOOP("CommandHelp", "Aggiunge un componente vuoto in fondo alla libreria.")},
    {ID_LIB_INSERT_AFTER, QT_TRANSLATE_NOOP("CommandHelp", "Inserisce un componente vuoto dopo quello mostrato.")},
    {ID_LIB_INSERT_BEFORE, QT_TRANSLATE_NOOP("CommandHelp", "Inserisce un componente vuoto prima di quello mostrato.")},
    {ID_LIB_REMOVE, QT_TRANSLATE_NOOP("CommandHelp", "Toglie dalla libreria il componente mostrato.")},
    {ID_LIB_NUMBER, QT_TRANSLATE_NOOP("CommandHelp", "Assegna ai componenti chiavi numerate in progressione, a partire dal numero scelto.")},
    {ID_CONFIG, QT_TRANSLATE_NOOP("CommandHelp", "Modifica le impostazioni del programma, come la larghezza della barra delle macro.")},
    {ID_USER_LIBRARIES, QT_TRANSLATE_NOOP("CommandHelp", "Le librerie dell'utente si caricano da sole dalla cartella libs.")},
    {ID_WINDOW_CASCADE, QT_TRANSLATE_NOOP("CommandHelp", "Dispone le finestre dei documenti sovrapposte a scalare.")},
    {ID_WINDOW_TILE_HORZ, QT_TRANSLATE_NOOP("CommandHelp", "Dispone le finestre dei documenti una sotto l'altra.")},
    {ID_WINDOW_TILE_VERT, QT_TRANSLATE_NOOP("CommandHelp", "Dispone le finestre dei documenti una accanto all'altra.")},
    {ID_WINDOW_ARRANGE, QT_TRANSLATE_NOOP("CommandHelp", "Allinea in basso le icone delle finestre ridotte.")},
    {ID_WINDOW_NEXT, QT_TRANSLATE_NOOP("CommandHelp", "Attiva la finestra del documento aperto dopo quello attivo.")},
    {ID_WINDOW_PREV, QT_TRANSLATE_NOOP("CommandHelp", "Attiva la finestra del documento aperto prima di quello attivo.")},
    {ID_HELP_FINDER, QT_TRANSLATE_NOOP("CommandHelp", "Apre la guida di Tavolin nel browser.")},
    {ID_HELP, QT_TRANSLATE_NOOP("CommandHelp", "Apre la guida di Tavolin nel browser.")},
    {ID_DEFAULT_HELP, QT_TRANSLATE_NOOP("CommandHelp", "Apre la guida di Tavolin nel browser.")},
    {ID_CONTEXT_HELP, QT_TRANSLATE_NOOP("CommandHelp", "Dopo questo pulsante, un clic su un pulsante o una voce di menu ne mostra la spiegazione.")},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("CommandHelp", "Mostra la versione del programma.")},
    {ID_TOOL_SELECT, QT_TRANSLATE_NOOP("CommandHelp", "Seleziona con un clic o con un riquadro gli oggetti da spostare o modificare.")},
    {ID_TOOL_ZOOM, QT_TRANSLATE_NOOP("CommandHelp", "Un clic sinistro ingrandisce il disegno attorno al punto, un clic destro lo rimpicciolisce.")},
    {ID_TOOL_HAND, QT_TRANSLATE_NOOP("CommandHelp", "Sposta la vista trascinando il disegno col mouse.")},
    {ID_TOOL_LINE, QT_TRANSLATE_NOOP("CommandHelp", "Disegna linee una dopo l'altra, ciascuna dalla fine della precedente; Esc smette.")},
    {ID_TOOL_TEXT, QT_TRANSLATE_NOOP("CommandHelp", "Scrive un testo nel punto cliccato; la finestra delle proprieta' ne chiede il contenuto e il carattere.")},
    {ID_TOOL_CONNECTION, QT_TRANSLATE_NOOP("CommandHelp", "Mette un punto di connessione elettrica dove si incrociano due fili.")},
    {ID_TOOL_BEZIER, QT_TRANSLATE_NOOP("CommandHelp", "Disegna una curva di Bezier posando uno dopo l'altro un estremo, due punti di controllo e l'altro estremo.")},
    {ID_TOOL_POLYGON, QT_TRANSLATE_NOOP("CommandHelp", "Disegna un poligono un vertice per clic; un secondo clic sull'ultimo vertice lo chiude.")},
    {ID_TOOL_ELLIPSE, QT_TRANSLATE_NOOP("CommandHelp", "Disegna un'ellisse trascinando il rettangolo che la contiene.")},
    {ID_TOOL_RECTANGLE, QT_TRANSLATE_NOOP("CommandHelp", "Disegna un rettangolo trascinando da un angolo a quello opposto.")},
    {ID_TOOL_MACRO, QT_TRANSLATE_NOOP("CommandHelp", "Inserisce nel disegno il simbolo scelto nell'albero delle macro; il clic destro lo ruota.")},
    {ID_TOOL_PCBLINE, QT_TRANSLATE_NOOP("CommandHelp", "Disegna una pista di circuito stampato con lo spessore scelto.")},
    {ID_TOOL_PCBPAD, QT_TRANSLATE_NOOP("CommandHelp", "Mette una piazzola di circuito stampato, rotonda o quadrata, col suo foro.")},
};
// clang-format on
} // namespace

const std::vector<CCommandHelp>& CommandHelpTable() {
    return kHelp;
}

const char* CommandHelp(int nId) {
    for (const CCommandHelp& h : kHelp)
        if (h.nId == nId) return h.pszText;
    return nullptr;
}
