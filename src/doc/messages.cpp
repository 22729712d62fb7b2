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
