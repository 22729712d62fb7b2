// The library document's commands: each row runs a script and reads back what
// it answered, what the user was told or asked, the modified flag, the
// component box and the text the library saves.
#include "support/core_test.h"

namespace {
// Commands separated by "|": load TEXT, new, draw (a line), commit, type
// KEY/TITLE, switch N, add after|before|end, remove yes|no, number PREFIX
// START INCREMENT [zeros], attach (the bar, whose title is then typed over).
// True when none of them failed.
bool RunScript(CSchemoLibDoc& d, CFakeUi& ui, CLibraryFields& bar, const std::string& script) {
    bool bOk = true;
    std::istringstream in(script);
    for (std::string cmd; std::getline(in, cmd, '|');) {
        std::istringstream words(cmd);
        std::string w, a, zeros;
        std::int64_t nStart = 0, nStep = 0;
        words >> w >> a >> nStart >> nStep >> zeros;
        const std::string rest = cmd.substr(std::min(cmd.size(), w.size() + 1));
        if (w == "load") bOk &= d.Load(rest);
        if (w == "new") d.OnNewDocument(1);
        if (w == "draw") d.Append(Read("LI 100 100 100 120"));
        if (w == "commit") d.CommitChange();
        if (w == "type") d.Fields().SetKey(rest.substr(0, rest.find('/')));
        if (w == "type") d.Fields().SetTitle(rest.substr(rest.find('/') + 1));
        if (w == "switch") bOk &= d.SwitchTo(std::stoi(a));
        if (w == "add")
            bOk &= d.NewComponent(a == "after"    ? CSchemoLibDoc::PLACE_AFTER
                                  : a == "before" ? CSchemoLibDoc::PLACE_BEFORE
                                                  : CSchemoLibDoc::PLACE_END);
        if (w == "remove") ui.m_answer = a == "yes" ? ANSWER_YES : ANSWER_NO;
        if (w == "remove") bOk &= d.RemoveCurrentComponent();
        if (w == "number") d.BeginNumbering();
        if (w == "number") bOk &= d.ApplyNumbering({a, nStart, nStep, zeros == "zeros"});
        if (w == "attach") d.AttachFields(&bar), bar.m_strTitle = "Altro", d.OnTitleListOpening();
    }
    return bOk;
}
} // namespace

TEST(LibraryDoc, CommandsTellAskModifyAndSave) {
    CLibraryState library;
    const std::string TWO = "load [TAVOLIB Due]\r\n[A1 Primo]\r\nLI 100 100 110 100\r\n"
                            "[B2 Secondo]\r\n|",
                      BROKEN = "[TAVOLIB L]\r\n[X1 rotto\r\nLI 1 2 3 4 ]\r\n[B2 ok]\r\n",
                      ABC = "load [TAVOLIB L]\n[A a]\nLI 100 100 110 100\n[B b]\n[C]\n|",
                      APP = "Tavolin: ";
    const char* const KEPT = // the line drawn kept, with the old titles
        "refused:[A1 Primo]\r\nLI 100 100 110 100\r\nLI 100 100 100 120\r\n[B2 Secondo]\n";
    const struct {
        std::string script, told; // told: messages, questions and frames, beeps
        const char* outcome;      // "ok" or "no", "*" when modified
        const char* list;         // current, the box's index, its titles; "undo" when it can
        std::string saved;        // "refused:" and the texts when the store is refused
    } rows[] = {
        {"new", "", "ok", "0/0 Componente 1",
         "[TAVOLIB Nuova libreria 1]\r\n[M01 Componente 1]\r\n"},
        // New components take the next free number and their place, in the shown one's category.
        {"load [TAVOLIB L]\n[M01 a]\n[M02 b]\nLI 1 2 3 4\n|switch 1|add after", "frame", "ok*",
         "2/2 a,b,Componente 3",
         "[TAVOLIB L]\r\n[M01 a]\r\n[M02 b]\r\nLI 1 2 3 4\r\n[M03 Componente 3]\r\n"},
        {"load [TAVOLIB L]\n[M02 a]\n[X b]\n|add end", "", "ok*", "2/2 a,b,Componente 1",
         "[TAVOLIB L]\r\n[M02 a]\r\n[X b]\r\n[M01 Componente 1]\r\n"},
        {"load [TAVOLIB L]\n[M01 a]\n[X b]\n|add after", "", "ok*", "1/1 a,Componente 2,b",
         "[TAVOLIB L]\r\n[M01 a]\r\n[M02 Componente 2]\r\n[X b]\r\n"},
        {"load [TAVOLIB Lib]\r\n[U1 u]\r\n{hidden}\r\n[H1 h]\r\n|switch 1|add before", "frame",
         "ok*", "1/1 u,Componente 1,h",
         "[TAVOLIB Lib]\r\n[U1 u]\r\n{hidden}\r\n[M01 Componente 1]\r\n[H1 h]\r\n"},
        // Refused titles keep the old ones and the user on the component.
        {TWO + "draw|type ABCDEFGHI/N|switch 1", APP + MSG_BAD_SHORT_NAME, "no", "0/0 N,Secondo",
         KEPT},
        {TWO + "draw|type A1/|switch 1", APP + MSG_TITLES_REQUIRED, "no", "0/0 ,Secondo", KEPT},
        {TWO + "draw|type B2/N|switch 1", APP + MSG_SHORT_NAME_USED, "no", "0/0 N,Secondo", KEPT},
        {TWO + "type A1/|add end", APP + MSG_TITLES_REQUIRED, "no", "0/0 ,Secondo",
         "refused:[A1 Primo]\r\nLI 100 100 110 100\r\n[B2 Secondo]\n"},
        // Switching stores the shown component and starts its history anew;
        // saving keeps the history.
        {TWO + "draw|commit|type A1/Primo nuovo|switch 1|switch 0", "frame|frame", "ok*",
         "0/0 Primo nuovo,Secondo",
         "[TAVOLIB Due]\r\n[A1 Primo nuovo]\r\nLI 100 100 110 100\r\nLI 100 100 100 120\r\n"
         "[B2 Secondo]\r\n"},
        {TWO + "draw|commit", "", "ok*", "0/0 Primo,Secondo undo",
         "[TAVOLIB Due]\r\n[A1 Primo]\r\nLI 100 100 110 100\r\nLI 100 100 100 120\r\n"
         "[B2 Secondo]\r\n"},
        // Categories, hidden components and broken headers are saved as read;
        // nothing drawn is stored into a broken one.
        {"load [TAVOLIB Lib]\n{A}\n[A1 a]\n{}\n[U1 u]\n{Hidden}\n[H1 h]\n", "", "ok", "0/0 a,u,h",
         "[TAVOLIB Lib]\r\n{A}\r\n[A1 a]\r\n{}\r\n[U1 u]\r\n{Hidden}\r\n[H1 h]\r\n"},
        {"load [TAVOLIB Lib]\n{A} note\n{B\n\n[B1 b]\n  LI 100 100 110 100  \n", "", "ok", "0/0 b",
         "[TAVOLIB Lib]\r\n{B}\r\n[B1 b]\r\nLI 100 100 110 100\r\n"},
        {"load " + BROKEN + "|draw|switch 1|switch 0", "frame|beep|beep", "ok", "0/0 [X1 rotto,ok",
         BROKEN},
        // Removing asks first and shows the component before.
        {"load [TAVOLIB L]\n[R1 a]\n[R2 b]\n[R3 c]\n|remove no|switch 2|remove yes",
         APP + "Rimuovere il componente R1?|frame|" + APP + "Rimuovere il componente R3?|frame",
         "no*", "1/1 a,b", "[TAVOLIB L]\r\n[R1 a]\r\n[R2 b]\r\n"},
        {"load [TAVOLIB L]\n[R1]\n|remove yes", APP + "Rimuovere il componente?", "ok*",
         "0/0 Componente 1", "[TAVOLIB L]\r\n[M01 Componente 1]\r\n"},
        // Numbering changes the keys only on an OK, around a header it cannot read.
        {ABC + "number R- 1 1|number ABCDEFG 10 1",
         APP + MSG_BAD_PREFIX + "|" + APP + MSG_NUMBERS_TOO_LONG, "no", "0/0 a,b,C",
         "[TAVOLIB L]\r\n[A a]\r\nLI 100 100 110 100\r\n[B b]\r\n[C]\r\n"},
        {ABC + "number R 8 1 zeros", "frame", "ok*", "0/0 a,b,C",
         "[TAVOLIB L]\r\n[R08 a]\r\nLI 100 100 110 100\r\n[R09 b]\r\n[R10 C]\r\n"},
        {"load [TAVOLIB L]\n[A a]\n[B rotto\n[C c]\n|number M 1 1",
         APP + MSG_NUMBERING_ERRORS + "|frame", "ok*", "0/0 a,[B rotto,c",
         "[TAVOLIB L]\r\n[M1 a]\r\n[B rotto\r\n[M3 c]\r\n"},
        // Only libraries open.
        {"load [TAVOLIN Disegno]\r\nLI 1 2 3 4\r\n", std::string("Errore: ") + MSG_BAD_FORMAT, "no",
         "0/-1", "[TAVOLIB ]\r\n"},
        {"load [TAVOLIB L]\r\n[A a]\r\nXX 1 2\r\n", std::string("Attenzione: ") + MSG_READ_ERRORS,
         "ok", "0/0 a", "[TAVOLIB L]\r\n[A a]\r\n"},
        // The bar's fields are filled when attached; the title typed there enters the list.
        {TWO + "switch 1|attach", "frame", "ok", "1/1 Primo,Altro",
         "[TAVOLIB Due]\r\n[A1 Primo]\r\nLI 100 100 110 100\r\n[B2 Altro]\r\n"},
    };
    for (const auto& r : rows) {
        CFakeUi ui;
        CLibraryFields bar;
        CSchemoLibDoc doc(&ui, library.context);
        doc.m_onFrameComponent = [&] { ui.m_asked.push_back("frame"); };
        const bool bOk = RunScript(doc, ui, bar, r.script);
        EXPECT_EQ(ui.Told(), r.told) << r.script;
        EXPECT_EQ(std::string(bOk ? "ok" : "no") + (doc.IsModified() ? "*" : ""), r.outcome)
            << r.script;
        std::string text,
            list = std::to_string(doc.Current()) + "/" +
                   std::to_string(static_cast<CLibraryFields&>(doc.Fields()).m_nIndex);
        for (std::size_t i = 0; i < doc.Titles().size(); ++i)
            list += (i ? "," : " ") + doc.Titles()[i];
        if (!doc.Store("lib.tvl", true, text)) {
            text = "refused:";
            for (const std::string& t : doc.ComponentTexts())
                text += t;
        }
        EXPECT_EQ(list + (doc.CanUndo() ? " undo" : ""), r.list) << r.script;
        EXPECT_EQ(text, r.saved) << r.script;
    }
}
