#include "view/program/command_line.h"

const CUsage& CommandLineUsageTable() {
    static const CUsage usage = {
        "tavolin",
        {"editor di schemi elettrici e circuiti stampati", "schematic and printed-circuit editor"},
        {"Apre ogni FILE (.tvd, .tvm, .tvl) in una propria finestra.",
         "Opens each FILE (.tvd, .tvm, .tvl) in a window of its own."},
        {{"",
          {"[--no-splash] [--program-dir DIR] [--zoom N] [--origin X,Y] [--trace] "
           "[--autosave-seconds N] [FILE...]"},
          {"", ""},
          {
              {"--no-splash",
               "",
               {"senza la finestra di presentazione", "without the splash window"}},
              {"--program-dir",
               "DIR",
               {"cerca le cartelle libs e macros anche in DIR",
                "looks for the libs and macros folders in DIR too"}},
              {"--zoom",
               "N",
               {"scala dei file aperti, da 10 a 2000 %", "zoom of the opened files, 10 to 2000 %"}},
              {"--origin",
               "X,Y",
               {"punto del foglio in alto a sinistra nei file aperti",
                "point of the sheet at the top left of the opened files"}},
              {"--trace",
               "",
               {"scrive su standard error cio' che l'utente vede e sente",
                "writes to standard error what the user sees and hears"}},
              {"--autosave-seconds",
               "N",
               {"salva una copia dei documenti modificati ogni N secondi",
                "saves a copy of the modified documents every N seconds"}},
              {"--help", "", {"mostra questo aiuto", "shows this help"}},
              {"--version", "", {"mostra la versione", "shows the version"}},
          }}},
        {{"--help | --version", "--help | --version"}},
    };
    return usage;
}

std::string CommandLineUsage(bool bEnglish) {
    return UsageText(CommandLineUsageTable(), nullptr, bEnglish);
}
