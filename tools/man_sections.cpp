#include "man_sections.h"

#include "qtlayer/qt_translate.h"
#include "view/commands/action_table.h"

#include <cstring>

namespace {
struct CEntryText {
    const char* pszTerm;
    CUsageText text;
    const char* pszEnglishTerm = nullptr; // null: the same
};

// Keys the view and the bars take beside the commands' own.
const CEntryText kViewKeys[] = {
    {"+, -",
     {"Ingrandisce o rimpicciolisce attorno al puntatore", "Zooms in or out about the pointer"}},
    {"Esc",
     {"Annulla il trascinamento in corso; da fermo alterna la selezione e l'ultimo strumento",
      "Cancels the drag under way; when idle, switches between the selection and the last tool"}},
    {"Shift",
     {"Tenuto mentre si disegna una linea o una pista, la fa orizzontale o verticale",
      "Held while a line or track is drawn, makes it horizontal or vertical"}},
    {"Alt+clic, Ctrl+Shift+clic",
     {"Passa da una primitiva all'altra fra quelle sovrapposte",
      "Cycles through stacked primitives"},
     "Alt+click, Ctrl+Shift+click"},
    {"Ctrl+L", {"Va alla scelta del layer", "Goes to the layer box"}},
    {"Ctrl+F", {"Va al filtro della barra delle macro", "Goes to the macro bar's filter"}},
    {"Ctrl+rotella, Shift+rotella",
     {"Ingrandisce attorno al puntatore, scorre di lato",
      "Zooms about the pointer, scrolls sideways"},
     "Ctrl+wheel, Shift+wheel"},
};

const CEntryText kEnvironment[] = {
    {"XDG_CONFIG_HOME",
     {"Dove sono le impostazioni (~/.config se manca)",
      "Where the settings are (~/.config if unset)"}},
    {"XDG_DATA_HOME",
     {"Dove sono le librerie e le macro dell'utente e i tipi di file registrati (~/.local/share "
      "se manca)",
      "Where the user's libraries and macros and the registered file types are (~/.local/share "
      "if unset)"}},
    {"XDG_STATE_HOME",
     {"Dove sono i salvataggi automatici (~/.local/state se manca)",
      "Where the autosaves are (~/.local/state if unset)"}},
    {"LANGUAGE, LC_ALL, LC_MESSAGES, LANG",
     {"Con la lingua dell'interfaccia automatica: italiano se la prima lingua dell'utente e' "
      "l'italiano o la localizzazione e' C, altrimenti inglese",
      "With the interface language automatic: Italian when the user's first language is "
      "Italian or the locale is C, English otherwise"}},
};

const CEntryText kFiles[] = {
    {"$XDG_CONFIG_HOME/Zanibo Corporation/Tavolin.conf", {"Le impostazioni", "The settings"}},
    {"$XDG_STATE_HOME/tavolin/autosave/",
     {"Le copie dei documenti modificati, offerte all'avvio dopo un'uscita non pulita",
      "The copies of modified documents, offered at start after an unclean exit"}},
    {"$XDG_DATA_HOME/tavolin/libs/, $XDG_DATA_HOME/tavolin/macros/",
     {"Le librerie (.tvl) e le macro singole (.tvm) dell'utente",
      "The user's libraries (.tvl) and single macros (.tvm)"}},
    {"PREFIX/share/tavolin/",
     {"Le librerie e le macro installate, cercate dopo quelle di --program-dir, della cartella "
      "del programma e dell'utente; il manuale in manual/index.html",
      "The installed libraries and macros, looked for after those of --program-dir, of the "
      "program's folder and of the user; the manual in manual/index.html"}},
    {"$XDG_DATA_HOME/applications/io.github.tavolin.Tavolin.desktop",
     {"La voce del programma, scritta con i tipi di file e le loro icone se \"Registra i tipi "
      "di file a ogni avvio\" e' attivo",
      "The program's launcher entry, written with the file types and their icons while "
      "\"Registra i tipi di file a ogni avvio\" is on"}},
};

std::vector<CManEntry> Entries(const CEntryText* begin, const CEntryText* end, bool bEnglish) {
    std::vector<CManEntry> out;
    for (const CEntryText* e = begin; e != end; ++e)
        out.push_back({bEnglish && e->pszEnglishTerm ? e->pszEnglishTerm : e->pszTerm,
                       e->text.Get(bEnglish)});
    return out;
}

// The keys as the menus show them, without Qt's other name for Shift+Tab.
std::string Keys(const CActionDef& a) {
    std::string out;
    const char* pszShown = std::strchr(a.pszCaption, '\t');
    const std::string keys = std::string(a.pszKeys) + ";" + (pszShown ? pszShown + 1 : "") + ";";
    for (std::size_t from = 0, at; (at = keys.find(';', from)) != std::string::npos;
         from = at + 1) {
        const std::string key = keys.substr(from, at - from);
        if (!key.empty() && key.find("Backtab") == std::string::npos)
            out += (out.empty() ? "" : ", ") + key;
    }
    return out;
}

// Each command with its status-bar prompt, a sentence.
std::vector<CManEntry> CommandKeys(bool bEnglish) {
    std::vector<CManEntry> out;
    for (const CActionDef& a : ActionTable()) {
        const std::string keys = Keys(a);
        if (!keys.empty())
            out.push_back({keys, bEnglish ? TrCoreBytes("Comandi", a.pszPrompt) : a.pszPrompt});
    }
    return out;
}
} // namespace

std::vector<CManSection> EditorManSections(bool bEnglish) {
    std::vector<CManEntry> keys = CommandKeys(bEnglish);
    for (const CManEntry& e : Entries(std::begin(kViewKeys), std::end(kViewKeys), bEnglish))
        keys.push_back(e);
    return {
        {bEnglish ? "KEYS" : "TASTI", keys},
        {bEnglish ? "ENVIRONMENT" : "AMBIENTE",
         Entries(std::begin(kEnvironment), std::end(kEnvironment), bEnglish)},
        {bEnglish ? "FILES" : "FILE", Entries(std::begin(kFiles), std::end(kFiles), bEnglish)},
    };
}
