#include "cli_usage_table.h"

namespace {
const CUsageOption kProgramDir = {"--program-dir",
                                  "DIR",
                                  {"cerca le cartelle libs e macros anche in DIR",
                                   "looks for the libs and macros folders in DIR too"}};

const CUsageCommand kNormalize = {
    "normalize",
    {"[--split] [--as drawing|macro] [--program-dir DIR] IN [-o OUT]", "--sorted IN [-o OUT]"},
    {"riscrive un disegno o una macro come li salva il programma",
     "rewrites a drawing or a macro as the editor saves it"},
    {{"--split",
      "",
      {"scrive le macro non standard come le loro primitive",
       "writes non-standard macros as their primitives"}},
     {"--as",
      "drawing|macro",
      {"legge e scrive un disegno (il predefinito) o una macro",
       "reads and writes a drawing (the default) or a macro"}},
     {"--sorted",
      "",
      {"una riga per primitiva, in un ordine stabile per tipo e posizione (per git)",
       "one line per primitive, in a stable order by kind and position (for git)"}},
     kProgramDir,
     {"-o",
      "OUT",
      {"scrive in OUT invece che su standard output", "writes to OUT, not to standard output"}}}};

const CUsageCommand kRender = {
    "render",
    {"[--program-dir DIR] IN -o OUT.png [--size LxA] [--view X,Y] [--zoom N] [--grid GX,GY] "
     "[--origin-mark] [--stretch]"},
    {"disegna un disegno in un'immagine PNG", "draws a drawing into a PNG picture"},
    {kProgramDir,
     {"-o", "OUT.png", {"l'immagine da scrivere", "the picture to write"}},
     {"--size",
      "LxA",
      {"larghezza e altezza in pixel (1200x1200)", "width and height in pixels (1200x1200)"}},
     {"--view",
      "X,Y",
      {"disegna come una finestra con X,Y in alto a sinistra",
       "draws as a window with X,Y at its top left"}},
     {"--zoom",
      "N",
      {"la scala della finestra, da 10 a 2000 %", "the window's zoom, 10 to 2000 %"}},
     {"--grid", "GX,GY", {"disegna la griglia a passi GX, GY", "draws the grid at steps GX, GY"}},
     {"--origin-mark", "", {"disegna l'origine della macro", "draws the macro origin"}},
     {"--stretch",
      "",
      {"adatta la scala alle dimensioni dell'immagine", "fits the zoom to the picture's size"}}}};

const CUsageCommand kLibrary = {
    "library",
    {"list [FILE.tvl]", "dump", "sheet [--program-dir DIR] [FILE.tvl] -o OUT.png"},
    {"elenca, scrive e disegna i componenti di una libreria",
     "lists, writes and draws the components of a library"},
    {{"list",
      "[FILE.tvl]",
      {"categoria, chiave, titolo e nome di ogni componente",
       "category, key, title and name of each component"}},
     {"dump",
      "",
      {"scrive il testo della libreria standard", "writes the standard library's text"}},
     {"sheet",
      "[FILE.tvl]",
      {"disegna il catalogo dei simboli visibili", "draws a catalogue of the visible symbols"}},
     kProgramDir,
     {"-o", "OUT.png", {"l'immagine del catalogo", "the catalogue's picture"}}}};

const CUsageCommand kExport = {
    "export",
    {"[--program-dir DIR] IN -o OUT.bmp|.emf|.png|.svg|.pdf "
     "[--relative --zoom N | --absolute --dpi N] [--microns N] [--antialias]"},
    {"esporta un disegno come immagine", "exports a drawing as a picture"},
    {kProgramDir,
     {"-o", "OUT", {"il formato segue l'estensione di OUT", "the format follows OUT's extension"}},
     {"--relative", "", {"disegna alla scala di --zoom", "draws at the zoom of --zoom"}},
     {"--zoom", "N", {"da 1 a 2000 %, 400 se manca", "1 to 2000 %, 400 if not given"}},
     {"--absolute",
      "",
      {"(il predefinito) disegna a --dpi punti per pollice",
       "(the default) draws at --dpi dots per inch"}},
     {"--dpi", "N", {"da 30 a 2400, 600 se manca", "30 to 2400, 600 if not given"}},
     {"--microns",
      "N",
      {"micrometri per unita', da 1 a 1000, 127 se manca",
       "micrometres per unit, 1 to 1000, 127 if not given"}},
     {"--antialias", "", {"smussa i bordi (solo .png)", "smooths the edges (.png only)"}}}};

const CUsageCommand kDiff = {
    "diff",
    {"[--program-dir DIR] OLD NEW [-o OUT.png|.svg|.pdf] [--size LxA] [--context N|all] "
     "[--text] [--open]"},
    {"confronta due disegni o due librerie: esce con 0 se uguali, 1 se diversi, 2 se c'e' un "
     "errore",
     "compares two drawings or two libraries: exits with 0 when the same, 1 when they differ, 2 "
     "on an error"},
    {kProgramDir,
     {"-o",
      "OUT",
      {"l'immagine del confronto; il formato segue l'estensione",
       "the comparison's picture; the format follows the extension"}},
     {"--size",
      "LxA",
      {"larghezza e altezza in pixel (1200x900)", "width and height in pixels (1200x900)"}},
     {"--context",
      "N|all",
      {"unita' attorno alle modifiche (20), o tutto il foglio",
       "units around the changes (20), or the whole sheet"}},
     {"--text",
      "",
      {"scrive le modifiche come righe di testo (il predefinito senza -o)",
       "writes the changes as text lines (the default without -o)"}},
     {"--open",
      "",
      {"apre l'immagine con xdg-open, o scrive il testo senza display",
       "opens the picture with xdg-open, or writes the text with no display"}}}};

const CUsageCommand kGerber = {
    "gerber",
    {"[--program-dir DIR] FILE -o OUT.zip|DIR/ [--outline-layer N] [--mask-expansion MM] "
     "[--stroke MM]"},
    {"scrive i file Gerber, di foratura e di lavoro per produrre il circuito stampato",
     "writes the Gerber, drill and job files to make the printed circuit board"},
    {kProgramDir,
     {"-o",
      "OUT",
      {"un archivio .zip, o una cartella se finisce con /",
       "a .zip archive, or a folder when it ends with /"}},
     {"--outline-layer",
      "N",
      {"il livello del contorno (0-15); se manca, il riquadro dei livelli 1-3 piu' 1 mm",
       "the outline's layer (0-15); if not given, the box of layers 1-3 plus 1 mm"}},
     {"--mask-expansion",
      "MM",
      {"di quanto si allargano le aperture del solder mask (0)",
       "how much the solder mask openings grow (0)"}},
     {"--stroke",
      "MM",
      {"lo spessore di linee, contorni e testi (0.15)",
       "the width of lines, outlines and texts (0.15)"}}}};

const CUsageCommand kDrc = {
    "drc",
    {"[--program-dir DIR] FILE [--min-track MM] [--clearance MM] [--min-drill MM] [--min-ring MM] "
     "[--hole-to-hole MM] [--edge MM] [--outline-layer N]"},
    {"controlla le regole di produzione del circuito stampato: una riga per problema",
     "checks the printed circuit board's design rules: one line per finding"},
    {kProgramDir,
     {"--min-track",
      "MM",
      {"la larghezza minima delle piste (0.15)", "the least track width (0.15)"}},
     {"--clearance",
      "MM",
      {"la distanza minima fra rami di reti diverse (0.15)",
       "the least distance between copper of different nets (0.15)"}},
     {"--min-drill", "MM", {"il foro minimo (0.3)", "the smallest drill (0.3)"}},
     {"--min-ring",
      "MM",
      {"la corona minima attorno ai fori (0.15)", "the least annular ring (0.15)"}},
     {"--hole-to-hole",
      "MM",
      {"la distanza minima fra i bordi di due fori (0.25)",
       "the least distance between two holes' edges (0.25)"}},
     {"--edge",
      "MM",
      {"la distanza minima del rame dal bordo della scheda (0.3)",
       "the least distance from copper to the board's edge (0.3)"}},
     {"--outline-layer",
      "N",
      {"il livello del contorno (0-15); se manca, il bordo non si controlla",
       "the outline's layer (0-15); if not given, the edge is not checked"}}}};

const CUsageCommand kNets = {
    "nets",
    {"[--program-dir DIR] FILE"},
    {"scrive le reti del disegno, una riga per rete con le righe dei suoi membri",
     "writes the drawing's nets, one line per net with its members' lines"},
    {kProgramDir}};
} // namespace

const CUsage& CliUsageTable() {
    static const CUsage usage = {
        "tavolin-cli",
        {"legge, riscrive, esporta e disegna i file di Tavolin",
         "reads, rewrites, exports and draws Tavolin's files"},
        {"Lavora senza finestre sui disegni (.tvd), le macro (.tvm) e le librerie (.tvl); IN "
         "puo' essere - per lo standard input.",
         "Works without windows on drawings (.tvd), macros (.tvm) and libraries (.tvl); IN may "
         "be - for standard input."},
        {kNormalize, kRender, kLibrary, kExport, kDiff, kGerber, kDrc, kNets},
        {{"COMANDO --help", "COMMAND --help"}, {"--help | --version", "--help | --version"}},
    };
    return usage;
}
