#include "doc/document/document_ui.h"

#include "format/reader.h"
#include "model/translate_noop.h"

const char* const CAPTION_ERROR = QT_TRANSLATE_NOOP("Messaggi", "Errore");
const char* const CAPTION_ATTENTION = QT_TRANSLATE_NOOP("Messaggi", "Attenzione");
const char* const MSG_BAD_FORMAT = QT_TRANSLATE_NOOP("Messaggi", "Formato del file non corretto.");
const char* const MSG_CANNOT_OPEN = QT_TRANSLATE_NOOP("Messaggi", "Impossibile aprire il file.");
const char* const MSG_READ_ERRORS = QT_TRANSLATE_NOOP(
    "Messaggi",
    "Sono stati incontrati uno o piu' errori in lettura. I comandi sconosciuti sono stati "
    "ignorati.");
const char* const MSG_NO_LAYER = QT_TRANSLATE_NOOP(
    "Messaggi", "Il file contiene primitive su livelli inesistenti (fuori da 0-15), che nessun "
                "livello mostra: sono state conservate come sono.");
const char* const MSG_STANDARD_NAME = QT_TRANSLATE_NOOP(
    "Messaggi",
    "Il nome specificato per la macro e' gia' utilizzato per un componente della libreria "
    "standard.");
const char* const MSG_NON_STANDARD_MACROS = QT_TRANSLATE_NOOP(
    "Messaggi",
    "Stai per salvare un documento senza scindere le macro NON STANDARD in esso contenute "
    "(opzione impostabile nella dialog Opzioni/Configurazione). Questo puo' portare a una "
    "potenziale impossibilita' che altri utenti possano leggere correttamente il disegno. Per "
    "salvare comunque le macro non standard non splittate, premi SI; per modificare l'opzione e "
    "salvare le macro nonstandard splittate (mantenendo comunque inalterate le macro di sistema), "
    "premi NO; per interrompere questo salvataggio premi Annulla.\r\n(questo messaggio di "
    "avvertimento sara' mostrato solo questa volta).");

const char* const CAPTION_APPLICATION = QT_TRANSLATE_NOOP("Messaggi", "Tavolin");
const char* const MSG_TITLES_REQUIRED = QT_TRANSLATE_NOOP(
    "Messaggi", "Sia il titolo breve che quello lungo devono essere specificati.");
const char* const MSG_BAD_SHORT_NAME = QT_TRANSLATE_NOOP(
    "Messaggi", "Il nome breve del componente di libreria deve essere composto da soli caratteri "
                "alfanumerici, e non deve essere piu' lungo di 8 caratteri.");
const char* const MSG_SHORT_NAME_USED =
    QT_TRANSLATE_NOOP("Messaggi", "Il nome breve del componente di libreria e' gia' utilizzato.");
const char* const MSG_BAD_PREFIX = QT_TRANSLATE_NOOP(
    "Messaggi",
    "Il prefisso adottato e' invalido. I nomi brevi possono essere composti soltanto da "
    "caretteri alfanumerici o dal sottotratto.");
const char* const MSG_NUMBERS_TOO_LONG = QT_TRANSLATE_NOOP(
    "Messaggi",
    "Con le impostazioni attuali, uno o piu' titoli brevi occuperebbero piu' degli 8 caratteri "
    "consentiti. Accorciare il prefisso e/o ridurre il numero di partenza e/o l'incremento.");
const char* const MSG_NUMBERING_ERRORS = QT_TRANSLATE_NOOP(
    "Messaggi", "Sono stati incontrati uno o piu' errori in fase di numerazione. Alcuni componenti "
                "potrebbero non essere stati numerati correttamente.");

// Templates are UTF-8 so that they read as they show; their "%1" is filled
// with text in the program's code page.
const char* const MSG_REMOVE_COMPONENT = QT_TRANSLATE_NOOP("Messaggi", "Rimuovere il componente?");
const char* const MSG_REMOVE_NAMED_COMPONENT =
    QT_TRANSLATE_NOOP("Messaggi", "Rimuovere il componente %1?");
const char* const MSG_FILE_RELOAD = QT_TRANSLATE_NOOP(
    "Messaggi", "Il file %1 è stato modificato da un altro programma. Ricaricarlo?");
const char* const MSG_FILE_REMOVED =
    QT_TRANSLATE_NOOP("Messaggi", "Il file %1 è stato eliminato da un altro programma.");
const char* const MSG_FILE_OVERWRITE = QT_TRANSLATE_NOOP(
    "Messaggi", "Il file %1 è stato modificato da un altro programma. Sovrascriverlo?");
const char* const MSG_RELOAD_LOSES_EDITS =
    QT_TRANSLATE_NOOP("Messaggi", "Le modifiche non salvate andranno perse.");
const char* const MSG_RELOAD_UNDOES_EDITS = QT_TRANSLATE_NOOP(
    "Messaggi", "Le modifiche non salvate andranno perse; Undo le riporta indietro.");
const char* const MSG_CANNOT_SAVE =
    QT_TRANSLATE_NOOP("Messaggi", "Impossibile salvare il file %1.");
const char* const MSG_CANNOT_WRITE =
    QT_TRANSLATE_NOOP("Messaggi", "Impossibile scrivere il file %1.");
const char* const MSG_SYSTEM_ERROR = QT_TRANSLATE_NOOP("Messaggi", "Errore di sistema %1");

const char* const MSG_RASTER_ONLY = QT_TRANSLATE_NOOP(
    "Messaggi", "Un file .%1 non si puo' salvare in questa modalita': usare .bmp o .png, oppure "
                "scegliere la modalita' \"Enhanced Metafile\".");
const char* const MSG_VECTOR_ONLY = QT_TRANSLATE_NOOP(
    "Messaggi", "Un file .%1 non si puo' salvare in questa modalita': usare .emf, .svg o .pdf, "
                "oppure scegliere la modalita' relativa o assoluta.");
const char* const MSG_RASTER_UNKNOWN =
    QT_TRANSLATE_NOOP("Messaggi", "Il formato .%1 non e' supportato: usare .bmp o .png.");
const char* const MSG_VECTOR_UNKNOWN =
    QT_TRANSLATE_NOOP("Messaggi", "Il formato .%1 non e' supportato: usare .emf, .svg o .pdf.");

// The fabrication files: why none were written, or which were.
const char* const MSG_FAB_NO_COPPER = QT_TRANSLATE_NOOP(
    "Messaggi", "Non c'e' niente sui livelli del rame (1 e 2): nessun file scritto.");
const char* const MSG_FAB_OUTLINE_OPEN = QT_TRANSLATE_NOOP(
    "Messaggi", "Il contorno sul livello %1 e' vuoto o non e' chiuso: nessun file scritto.");
const char* const MSG_FAB_TOO_LARGE = QT_TRANSLATE_NOOP(
    "Messaggi", "Il disegno va oltre i 10 metri che i file Gerber possono descrivere: nessun file "
                "scritto.");
const char* const MSG_FAB_BAD_LENGTH = QT_TRANSLATE_NOOP(
    "Messaggi", "Il valore di %1 deve essere una lunghezza in millimetri fino a 10, come 0.15.");
const char* const MSG_FAB_WRITTEN = QT_TRANSLATE_NOOP("Messaggi", "File scritti in %1:");

// What the design-rule check finds.
const char* const MSG_RULE_THIN_TRACK = QT_TRANSLATE_NOOP("Messaggi", "Pista sottile");
const char* const MSG_RULE_CLEARANCE = QT_TRANSLATE_NOOP("Messaggi", "Distanza insufficiente");
const char* const MSG_RULE_SMALL_DRILL = QT_TRANSLATE_NOOP("Messaggi", "Foro piccolo");
const char* const MSG_RULE_THIN_RING = QT_TRANSLATE_NOOP("Messaggi", "Corona sottile");
const char* const MSG_RULE_HOLES_CLOSE = QT_TRANSLATE_NOOP("Messaggi", "Fori vicini");
const char* const MSG_RULE_EDGE = QT_TRANSLATE_NOOP("Messaggi", "Rame vicino al bordo");
const char* const MSG_RULE_OUTSIDE = QT_TRANSLATE_NOOP("Messaggi", "Rame fuori dal contorno");
const char* const MSG_RULE_OUTLINE_OPEN = QT_TRANSLATE_NOOP("Messaggi", "Contorno aperto");

// The command line's refusals, each followed by the value refused.
const char* const MSG_ARG_ZOOM =
    QT_TRANSLATE_NOOP("Messaggi", "--zoom vuole una percentuale da 10 a 2000: %1");
const char* const MSG_ARG_AUTOSAVE =
    QT_TRANSLATE_NOOP("Messaggi", "--autosave-seconds vuole un numero di secondi da 1 a 86400: %1");
const char* const MSG_ARG_ORIGIN =
    QT_TRANSLATE_NOOP("Messaggi", "--origin vuole due numeri interi X,Y: %1");
const char* const MSG_ARG_UNKNOWN =
    QT_TRANSLATE_NOOP("Messaggi", "opzione sconosciuta o senza valore: %1");

namespace {
const char* const kTemplates[] = {
    MSG_ARG_ZOOM,         MSG_ARG_AUTOSAVE,   MSG_ARG_ORIGIN,
    MSG_ARG_UNKNOWN,      MSG_RASTER_ONLY,    MSG_VECTOR_ONLY,
    MSG_RASTER_UNKNOWN,   MSG_VECTOR_UNKNOWN, MSG_REMOVE_NAMED_COMPONENT,
    MSG_FILE_RELOAD,      MSG_FILE_REMOVED,   MSG_FILE_OVERWRITE,
    MSG_CANNOT_SAVE,      MSG_CANNOT_WRITE,   MSG_SYSTEM_ERROR,
    MSG_FAB_OUTLINE_OPEN, MSG_FAB_BAD_LENGTH, MSG_FAB_WRITTEN};

// The templates hold only ASCII and two-byte Latin-1 sequences.
std::string ToCodePage(const char* pszUtf8) {
    std::string out;
    for (const char* p = pszUtf8; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if ((c == 0xC2 || c == 0xC3) && p[1]) {
            out += static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(p[1]) & 0x3F));
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}
} // namespace

std::string FillMessage(const char* pszTemplate, const std::string& arg) {
    std::string text = ToCodePage(pszTemplate);
    const std::size_t at = text.find("%1");
    return at == std::string::npos ? text : text.replace(at, 2, arg);
}

CFilledMessage RecogniseMessage(const std::string& line) {
    for (const char* pszTemplate : kTemplates) {
        const std::string t = ToCodePage(pszTemplate);
        const std::size_t at = t.find("%1");
        const std::size_t nTail = t.size() - at - 2;
        if (line.size() >= t.size() - 2 && line.compare(0, at, t, 0, at) == 0 &&
            line.compare(line.size() - nTail, nTail, t, at + 2, nTail) == 0)
            return {pszTemplate, line.substr(at, line.size() - at - nTail)};
    }
    return {};
}

std::string WithFileName(const char* pszMessage, const std::string& path) {
    return path.empty() ? pszMessage : pszMessage + ("\n" + path);
}

std::string ReadErrorsMessage(int nError) {
    std::string text = nError & READ_REFUSED ? MSG_READ_ERRORS : "";
    if (nError & READ_NO_LAYER) text += (text.empty() ? "" : "\n") + std::string(MSG_NO_LAYER);
    return text;
}

std::string RemoveComponentQuestion(const std::string& key) {
    return key.empty() ? MSG_REMOVE_COMPONENT : FillMessage(MSG_REMOVE_NAMED_COMPONENT, key);
}
