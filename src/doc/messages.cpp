#include "doc/document_ui.h"

const char* const CAPTION_ERROR = "Errore";
const char* const CAPTION_ATTENTION = "Attenzione";
const char* const MSG_BAD_FORMAT = "Formato del file non corretto.";
const char* const MSG_CANNOT_OPEN = "Impossibile aprire il file.";
const char* const MSG_READ_ERRORS =
    "Sono stati incontrati uno o piu' errori in lettura. I comandi sconosciuti sono stati "
    "ignorati.";
const char* const MSG_STANDARD_NAME =
    "Il nome specificato per la macro e' gia' utilizzato per un componente della libreria "
    "standard.";
const char* const MSG_NON_STANDARD_MACROS =
    "Stai per salvare un documento senza scindere le macro NON STANDARD in esso contenute "
    "(opzione impostabile nella dialog Opzioni/Configurazione). Questo puo' portare a una "
    "potenziale impossibilita' che altri utenti possano leggere correttamente il disegno. Per "
    "salvare comunque le macro non standard non splittate, premi SI; per modificare l'opzione e "
    "salvare le macro nonstandard splittate (mantenendo comunque inalterate le macro di sistema), "
    "premi NO; per interrompere questo salvataggio premi Annulla.\r\n(questo messaggio di "
    "avvertimento sara' mostrato solo questa volta).";

const char* const CAPTION_APPLICATION = "Tavolin";
const char* const MSG_TITLES_REQUIRED =
    "Sia il titolo breve che quello lungo devono essere specificati.";
const char* const MSG_BAD_SHORT_NAME =
    "Il nome breve del componente di libreria deve essere composto da soli caratteri "
    "alfanumerici, e non deve essere piu' lungo di 8 caratteri.";
const char* const MSG_SHORT_NAME_USED =
    "Il nome breve del componente di libreria e' gia' utilizzato.";
const char* const MSG_BAD_PREFIX =
    "Il prefisso adottato e' invalido. I nomi brevi possono essere composti soltanto da "
    "caretteri alfanumerici o dal sottotratto.";
const char* const MSG_NUMBERS_TOO_LONG =
    "Con le impostazioni attuali, uno o piu' titoli brevi occuperebbero piu' degli 8 caratteri "
    "consentiti. Accorciare il prefisso e/o ridurre il numero di partenza e/o l'incremento.";
const char* const MSG_NUMBERING_ERRORS =
    "Sono stati incontrati uno o piu' errori in fase di numerazione. Alcuni componenti "
    "potrebbero non essere stati numerati correttamente.";

std::string RemoveComponentQuestion(const std::string& key) {
    return key.empty() ? "Rimuovere il componente?" : "Rimuovere il componente " + key + "?";
}
