// The library document's commands: each row loads a library, runs a command
// and reads back what it answered, what the user was told or asked, whether
// the library is modified, the component list and the text it saves.
#include "../test_util.h"
#include "doc/library_doc.h"
#include "fake_ui.h"

#include <functional>

namespace {
using Command = std::function<bool(CSchemoLibDoc&, CFakeUi&)>;
using L = CSchemoLibDoc;
const char* const TWO = "[TAVOLIB Due]\r\n[A1 Primo]\r\nLI 100 100 110 100\r\n[B2 Secondo]\r\n";
const char* const KEPT = // the line drawn kept, with the old titles
    "refused:[A1 Primo]\r\nLI 100 100 110 100\r\nLI 100 100 100 120\r\n[B2 Secondo]\n";
const char* const BROKEN = "[TAVOLIB L]\r\n[X1 rotto\r\nLI 1 2 3 4 ]\r\n[B2 ok]\r\n";
const char* const ABC = "[TAVOLIB L]\n[A a]\nLI 100 100 110 100\n[B b]\n[C]\n";
const char* const R123 = "[TAVOLIB L]\n[R1 a]\n[R2 b]\n[R3 c]\n";
const std::string APP = "Tavolin: ";

void Type(L& doc, const std::string& key, const std::string& title) {
    doc.Fields().SetKey(key);
    doc.Fields().SetTitle(title);
}

// Draws a line on the shown component, types its titles and leaves it.
Command Leave(const char* key, const char* title) {
    return [=](L& d, CFakeUi&) {
        d.Append(Read("LI 100 100 100 120"));
        Type(d, key, title);
        return d.SwitchTo(1);
    };
}
Command Add(int nShow, L::Place place) {
    return [=](L& d, CFakeUi&) { return d.SwitchTo(nShow) && d.NewComponent(place); };
}
Command Remove(int nShow, Answer answer) {
    return [=](L& d, CFakeUi& ui) {
        ui.m_answer = answer;
        return (nShow == d.Current() || d.SwitchTo(nShow)) && d.RemoveCurrentComponent();
    };
}
Command Number(CNumbering n) {
    return [=](L& d, CFakeUi&) { return d.BeginNumbering(), d.ApplyNumbering(n); };
}
Command Load(const char* text) {
    return [=](L& d, CFakeUi&) { return d.Load(text); };
}
bool New(L& d, CFakeUi&) {
    return d.OnNewDocument(1), true;
}
bool Nothing(L&, CFakeUi&) {
    return true;
}
bool NewWithoutTitle(L& d, CFakeUi&) {
    return Type(d, "A1", ""), d.NewComponent(L::PLACE_END);
}
bool Commit(L& d, CFakeUi&) {
    d.Append(Read("LI 100 100 100 120"));
    return d.CommitChange(), true;
}
// Switching stores the shown component and starts its history anew.
bool SwitchAndBack(L& d, CFakeUi& ui) {
    Commit(d, ui);
    Type(d, "A1", "Primo nuovo");
    return d.SwitchTo(1) && d.Primitives().empty() && !d.CanUndo() && d.SwitchTo(0) &&
           d.Primitives().size() == 2;
}
// A broken header is shown with nothing in it, and nothing drawn is stored into it.
bool PastBroken(L& d, CFakeUi&) {
    d.Append(Read("LI 100 100 100 120"));
    return d.SwitchTo(1) && d.IsComponentShown() && d.SwitchTo(0) && !d.IsComponentShown() &&
           d.Primitives().empty();
}
// The bar's fields are filled when attached; the title typed there enters the list.
CLibraryFields bar;
bool Attach(L& d, CFakeUi&) {
    bar = {};
    d.SwitchTo(1);
    d.AttachFields(&bar);
    const bool bFilled = bar.m_strKey == "B2" && bar.m_strTitle == "Secondo";
    bar.m_strTitle = "Altro";
    d.OnTitleListOpening();
    return bFilled;
}
} // namespace

TEST(LibraryDoc, CommandsTellAskModifyAndSave) {
    const struct {
        const char* library; // null: none loaded
        Command command;
        bool bResult;
        std::string told; // messages, questions, beeps, then "frame" for each framing
        bool bModified;
        const char* list;  // current, the box's index, its titles; "undo" when it can
        const char* saved; // "refused:" and the texts when the store is refused
    } rows[] = {
        {nullptr, New, true, "", false, "0/0 Componente 1",
         "[TAVOLIB Nuova libreria 1]\r\n[M01 Componente 1]\r\n"},
        // New components take the next free number, after, before or at the end.
        {"[TAVOLIB L]\n[M01 a]\n[M02 b]\nLI 1 2 3 4\n", Add(1, L::PLACE_AFTER), true, "frame", true,
         "2/2 a,b,Componente 3",
         "[TAVOLIB L]\r\n[M01 a]\r\n[M02 b]\r\nLI 1 2 3 4\r\n[M03 Componente 3]\r\n"},
        {"[TAVOLIB L]\n[M02 a]\n[X b]\n", Add(0, L::PLACE_END), true, "", true,
         "2/2 a,b,Componente 1", "[TAVOLIB L]\r\n[M02 a]\r\n[X b]\r\n[M01 Componente 1]\r\n"},
        {"[TAVOLIB L]\n[M01 a]\n[X b]\n", Add(0, L::PLACE_AFTER), true, "", true,
         "1/1 a,Componente 2,b", "[TAVOLIB L]\r\n[M01 a]\r\n[M02 Componente 2]\r\n[X b]\r\n"},
        {"[TAVOLIB Lib]\r\n[U1 u]\r\n{hidden}\r\n[H1 h]\r\n", Add(1, L::PLACE_BEFORE), true,
         "frame", true, "1/1 u,Componente 1,h",
         "[TAVOLIB Lib]\r\n[U1 u]\r\n{hidden}\r\n[M01 Componente 1]\r\n[H1 h]\r\n"},
        // Refused titles keep the old ones and the user on the component.
        {TWO, Leave("ABCDEFGHI", "N"), false, APP + MSG_BAD_SHORT_NAME, false, "0/0 N,Secondo",
         KEPT},
        {TWO, Leave("A1", ""), false, APP + MSG_TITLES_REQUIRED, false, "0/0 ,Secondo", KEPT},
        {TWO, Leave("B2", "N"), false, APP + MSG_SHORT_NAME_USED, false, "0/0 N,Secondo", KEPT},
        {TWO, NewWithoutTitle, false, APP + MSG_TITLES_REQUIRED, false, "0/0 ,Secondo",
         "refused:[A1 Primo]\r\nLI 100 100 110 100\r\n[B2 Secondo]\n"},
        {TWO, SwitchAndBack, true, "frame|frame", true, "0/0 Primo nuovo,Secondo",
         "[TAVOLIB Due]\r\n[A1 Primo nuovo]\r\nLI 100 100 110 100\r\nLI 100 100 100 120\r\n"
         "[B2 Secondo]\r\n"},
        {TWO, Commit, true, "", true, "0/0 Primo,Secondo undo", // saving keeps the history
         "[TAVOLIB Due]\r\n[A1 Primo]\r\nLI 100 100 110 100\r\nLI 100 100 100 120\r\n"
         "[B2 Secondo]\r\n"},
        // Categories, hidden components and empty libraries are saved as read.
        {"[TAVOLIB Lib]\n{A}\n[A1 a]\n{}\n[U1 u]\n{Hidden}\n[H1 h]\n", Nothing, true, "", false,
         "0/0 a,u,h", "[TAVOLIB Lib]\r\n{A}\r\n[A1 a]\r\n{}\r\n[U1 u]\r\n{Hidden}\r\n[H1 h]\r\n"},
        {"[TAVOLIB Lib]\n{A} note\n{B\n\n[B1 b]\n  LI 100 100 110 100  \n", Nothing, true, "",
         false, "0/0 b", "[TAVOLIB Lib]\r\n{B}\r\n[B1 b]\r\nLI 100 100 110 100\r\n"},
        {"[TAVOLIB Vuota]\r\n", Nothing, true, "", false, "0/-1", "[TAVOLIB Vuota]\r\n"},
        {BROKEN, PastBroken, true, "beep|beep|frame", false, "0/0 [X1 rotto,ok", BROKEN},
        // Removing asks first and shows the component before.
        {R123, Remove(2, ANSWER_YES), true, APP + "Rimuovere il componente R3?|frame|frame", true,
         "1/1 a,b", "[TAVOLIB L]\r\n[R1 a]\r\n[R2 b]\r\n"},
        {R123, Remove(0, ANSWER_NO), false, APP + "Rimuovere il componente R1?", false, "0/0 a,b,c",
         "[TAVOLIB L]\r\n[R1 a]\r\n[R2 b]\r\n[R3 c]\r\n"},
        {"[TAVOLIB L]\n[R1]\n", Remove(0, ANSWER_YES), true, APP + "Rimuovere il componente?", true,
         "0/0 Componente 1", "[TAVOLIB L]\r\n[M01 Componente 1]\r\n"},
        // Numbering changes the keys only on an OK.
        {ABC, Number({"R-", 1, 1, false}), false, APP + MSG_BAD_PREFIX, false, "0/0 a,b,C",
         "[TAVOLIB L]\r\n[A a]\r\nLI 100 100 110 100\r\n[B b]\r\n[C]\r\n"},
        {ABC, Number({"ABCDEFG", 10, 1, false}), false, APP + MSG_NUMBERS_TOO_LONG, false,
         "0/0 a,b,C", "[TAVOLIB L]\r\n[A a]\r\nLI 100 100 110 100\r\n[B b]\r\n[C]\r\n"},
        {ABC, Number({"R", 8, 1, true}), true, "frame", true, "0/0 a,b,C",
         "[TAVOLIB L]\r\n[R08 a]\r\nLI 100 100 110 100\r\n[R09 b]\r\n[R10 C]\r\n"},
        {"[TAVOLIB L]\n[A a]\n[B rotto\n[C c]\n", Number({"M", 1, 1, false}), true,
         APP + MSG_NUMBERING_ERRORS + "|frame", true, "0/0 a,[B rotto,c",
         "[TAVOLIB L]\r\n[M1 a]\r\n[B rotto\r\n[M3 c]\r\n"},
        // Only libraries open.
        {nullptr, Load("[TAVOLIN Disegno]\r\nLI 1 2 3 4\r\n"), false,
         std::string("Errore: ") + MSG_BAD_FORMAT, false, "0/-1", "[TAVOLIB ]\r\n"},
        {nullptr, Load("[TAVOLIB L]\r\n[A a]\r\nXX 1 2\r\n"), true,
         std::string("Attenzione: ") + MSG_READ_ERRORS, false, "0/0 a", "[TAVOLIB L]\r\n[A a]\r\n"},
        {TWO, Attach, true, "frame", false, "1/1 Primo,Altro",
         "[TAVOLIB Due]\r\n[A1 Primo]\r\nLI 100 100 110 100\r\n[B2 Altro]\r\n"},
    };
    for (const auto& r : rows) {
        CFakeUi ui;
        L doc(&ui);
        int nFits = 0;
        doc.m_onFrameComponent = [&] { ++nFits; };
        const std::string name = std::string(r.library ? r.library : "") + r.list;
        ASSERT_TRUE(!r.library || doc.Load(r.library));
        EXPECT_EQ(r.command(doc, ui), r.bResult) << name;
        const std::string told = ui.Told() + (ui.Told().empty() || !nFits ? "" : "|");
        EXPECT_EQ(told + (nFits == 2 ? "frame|frame" : nFits ? "frame" : ""), r.told) << name;
        EXPECT_EQ(doc.IsModified(), r.bModified) << name;
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
        EXPECT_EQ(list + (doc.CanUndo() ? " undo" : ""), r.list) << name;
        EXPECT_EQ(text, r.saved) << name;
    }
}
