// The editor as a user drives it: tools, presses, moves and releases with
// modifiers, keys, and every command of the command table its rule enables
// at that moment, on a small drawing. After every action the selection lies
// in the document, at most one drag holds primitives and the drawing's text
// is a fixed point of the reader and the writer; at the end undo and redo
// walk back to the first and forward to the last text, and the document is
// unmodified exactly where it was saved.
#include "fuzz_editor_input.h"
#include "fuzz_util.h"

#include "support/fake_ui.h"
#include "support/fake_view_host.h"

#include "doc/document/document.h"
#include "doc/scene/spatial_index.h"
#include "format/resolve.h"
#include "model/prototypes.h"
#include "view/commands/action_table.h"
#include "view/commands/clipboard.h"
#include "view/commands/edit_commands.h"
#include "view/commands/view_commands.h"
#include "view/editor/view_controller.h"
#include "view/forms/property_sheet.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// FUZZ_TRACE=1 tells each action on standard error, to follow a finding.
bool Tracing() {
    static const bool b = std::getenv("FUZZ_TRACE") != nullptr;
    return b;
}

// The example drawings and the manual's, in name order.
std::vector<std::string> LoadSeeds() {
    std::vector<std::string> paths, texts;
    for (const char* dir :
         {TAVOLIN_SOURCE_DIR "/examples", TAVOLIN_SOURCE_DIR "/doc/manual/examples"})
        for (const auto& e : std::filesystem::directory_iterator(dir))
            if (e.path().extension() == ".tvd") paths.push_back(e.path().string());
    std::sort(paths.begin(), paths.end());
    for (const std::string& p : paths) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        texts.push_back(s.str());
    }
    if (texts.empty()) fuzz::Fail("no seed drawings found");
    return texts;
}

const std::vector<std::string>& Seeds() {
    static const std::vector<std::string> seeds = LoadSeeds();
    return seeds;
}

class CFakeClipboard final : public IClipboard {
  public:
    bool HasText() const override { return m_bHasText; }
    bool GetText(std::string& text) override { return text = m_text, m_bHasText; }
    bool SetText(const std::string& text) override { return m_text = text, m_bHasText = true; }
    std::string m_text;
    bool m_bHasText = false;
};

// Alt+click brings another of the primitives under the pointer to the top,
// which is no change of the drawing: the history may hold another order.
bool SameContent(const std::string& a, const std::string& b) {
    auto lines = [](const std::string& s) {
        std::vector<std::string> v;
        std::istringstream in(s);
        for (std::string l; std::getline(in, l);)
            v.push_back(l);
        std::sort(v.begin(), v.end());
        return v;
    };
    return a == b || lines(a) == lines(b);
}

const char* const MACRO_NAMES[] = {"", "~080", "~001", "nessuna", "x.y"};
const int KEYS[] = {'R', 'S', 'G', 'r', 'L', 'T', 'C', 'B', 'P',        'E',        'Q',     'M',
                    'K', 'X', 'Z', 'H', 'A', 'N', '+', '-', KEY_ESCAPE, KEY_DELETE, KEY_HOME};

// One run: the document, its view and what the window and the program around
// it would answer.
class CSession {
  public:
    CSession(const std::string& seed, fuzz::CInput& in) : m_in(in) {
        m_doc.AddObserver(&m_index);
        m_coords.SetClientSize(1000, 800);
        m_coords.SetScale(1.0, false);
        m_host.m_onDialog = [this] { EditProperties(); };
        m_settings.bSplit = m_in.Byte() & 1;
        if (!m_doc.Load(seed)) fuzz::Fail("a seed drawing loads", seed);
        m_strStart = m_strSaved = Bytes();
        m_nSavedPos = m_doc.History().Position();
    }
    ~CSession() { m_doc.RemoveObserver(&m_index); }

    void Run() {
        for (int n = 0; n < 200 && !m_in.Done(); ++n) {
            const std::size_t nPos = m_doc.History().Position(), nCount = m_doc.History().Count();
            m_bWalked = false;
            Act();
            // A new step taken below the saved one cuts the saved one off.
            const bool bMoved =
                m_doc.History().Position() != nPos || m_doc.History().Count() != nCount;
            if (bMoved && !m_bWalked && nPos < m_nSavedPos) m_bSavedCut = true;
            CheckAfterAction();
        }
        Finish();
    }

  private:
    std::string Bytes() const { return m_doc.SaveBytes(m_settings.bSplit != 0); }

    CMouseInput Mouse() {
        CMouseInput in;
        const int nMods = m_in.Byte();
        in.ptClient = m_in.Point();
        in.bShift = nMods & 1, in.bCtrl = nMods & 2, in.bAlt = nMods & 4;
        m_host.m_ptPointer = in.ptClient;
        if (Tracing())
            std::fprintf(stderr, "  at %d,%d mods %d\n", in.ptClient.x, in.ptClient.y, nMods & 7);
        return in;
    }

    void Act() {
        const int nAction = m_in.Below(17);
        if (Tracing()) std::fprintf(stderr, "action %d idle %d\n", nAction, int(m_ctl.IsIdle()));
        switch (nAction) {
        case 0:
            ChooseTool(m_in.Below(TOOL_COUNT));
            break;
        case 1:
            m_ctl.OnLButtonDown(Mouse());
            break;
        case 2:
        case 3:
            m_ctl.OnMouseMove(Mouse());
            break;
        case 4:
            m_ctl.OnLButtonUp(Mouse());
            break;
        case 5:
            m_ctl.OnRButtonDown(Mouse());
            break;
        case 6:
            m_ctl.OnRButtonUp(Mouse());
            break;
        case 7:
            m_ctl.OnLButtonDblClk(Mouse());
            break;
        case 8:
            m_ctl.OnMButtonDown(Mouse()) ? void() : m_ctl.OnMButtonUp(Mouse());
            break;
        case 9:
            m_ctl.OnKeyDown(KEYS[m_in.Below(int(std::size(KEYS)))]);
            break;
        case 10:
        case 11:
            RunEnabledCommand();
            break;
        case 12:
            Wheel();
            break;
        case 13:
            m_bTimer() ? m_ctl.OnTimer() : m_ctl.CancelDrag();
            break;
        case 14:
            m_host.m_strMacro = MACRO_NAMES[m_in.Below(int(std::size(MACRO_NAMES)))];
            break;
        case 15:
            Save();
            break;
        default:
            CopyFromElsewhere();
            break;
        }
        RunCommandsAsked();
    }

    // Another instance's copy: a line of each kind with coordinates from the input.
    void CopyFromElsewhere() {
        static const char* const KINDS[] = {"LI", "RV", "EV", "SA", "PA", "TY", "PL", "BE", "PV"};
        static const int POINTS[] = {2, 2, 2, 1, 1, 1, 2, 4, 3};
        std::string text = "[TAVOLIN]\r\n";
        for (int n = m_in.Below(3); n >= 0; --n) {
            const int k = m_in.Below(int(std::size(KINDS)));
            std::string line = KINDS[k];
            for (int i = 0; i < 2 * POINTS[k]; ++i)
                line += " " + std::to_string(m_in.Coordinate());
            if (k == 4) line += " 9 9 3 1 1";
            if (k == 5) line += " 4 3 0 0 0 * " + m_in.Text();
            text += line + "\r\n";
        }
        m_clip.SetText(text);
    }

    bool m_bTimer() const { return m_host.m_bTimerOn; }

    void ChooseTool(int nTool) {
        m_host.m_tools.Choose(nTool);
        m_ctl.OnToolChanged();
    }

    void Wheel() {
        CWheelInput w;
        const int nMods = m_in.Byte();
        w.ptClient = m_in.Point();
        w.nAngleY = m_in.Int16(), w.nAngleX = nMods & 4 ? m_in.Int16() : 0;
        w.bShift = nMods & 1, w.bCtrl = nMods & 2;
        m_ctl.OnWheel(w);
    }

    void Save() {
        m_ctl.CancelDrag(); // as before every command of the frame
        m_strSaved = Bytes();
        m_doc.SetModified(false);
        m_nSavedPos = m_doc.History().Position();
        m_bSavedCut = false;
    }

    CCommandState State() const {
        CCommandState s;
        s.nDocKind = m_doc.GetDocKind();
        s.nSelected = m_doc.Selection().size();
        s.bDragging = !m_ctl.IsIdle();
        s.bCanUndo = m_doc.CanUndo(), s.bCanRedo = m_doc.CanRedo();
        s.bStretch = m_coords.m_bStretch, s.bSnap = m_coords.m_grid.bSnap;
        s.bPCBMode = m_coords.m_bPCBMode;
        s.bClipboardText = m_clip.HasText();
        s.bMacroChosen = !m_host.m_strMacro.empty();
        s.nTool = m_host.m_tools.Current();
        return s;
    }

    // The commands a view runs on its own (a double click's properties).
    void RunCommandsAsked() {
        std::vector<int> ids;
        ids.swap(m_host.m_commands);
        for (int nId : ids)
            Run(nId);
    }

    void RunEnabledCommand() {
        const std::vector<CActionDef>& table = ActionTable();
        const CActionDef& def = table[std::size_t(m_in.Byte() << 8 | m_in.Byte()) % table.size()];
        if (IsEnabled(def, State())) Run(def.nId);
    }

    void Run(int nId) {
        if (Tracing()) std::fprintf(stderr, "  command %d\n", nId);
        const CActionDef* def = FindAction(nId);
        const int nFeature = def ? def->nFeature : FEATURE_NONE;
        // The frame ends a drag before any command but a tool's.
        if (nFeature != FEATURE_TOOLS) m_ctl.CancelDrag();
        if (nFeature == FEATURE_TOOLS) return ChooseTool(CommandTool(nId));
        if (nFeature == FEATURE_CLIPBOARD) return RunClipboard(nId);
        if (nFeature == FEATURE_VIEW) {
            RunViewCommand(nId, m_coords);
            return;
        }
        if (nFeature != FEATURE_EDIT) return; // files, windows, dialogs of the frame
        if (nId == ID_EDIT_UNDO)
            m_bWalked = m_doc.Undo();
        else if (nId == ID_EDIT_REDO)
            m_bWalked = m_doc.Redo();
        else if (nId == ID_WIRE_DRAG)
            m_ctl.StartWireDrag(m_host.m_ptPointer);
        else if (nId == ID_PROPERTIES)
            EditProperties();
        else
            RunEditCommand(nId, m_doc, m_coords, m_layers);
    }

    void RunClipboard(int nId) {
        const bool bSplit = m_settings.bSplit != 0;
        if (nId == ID_EDIT_COPY)
            CopySelection(m_doc, m_clip, bSplit);
        else if (nId == ID_EDIT_CUT)
            CutSelection(m_doc, m_clip, bSplit);
        else if (nId == ID_EDIT_PASTE) {
            CPrimitiveList pasted;
            if (ReadClipboardLines(m_clip, pasted, nullptr, fuzz::Program().context))
                m_ctl.StartPaste(std::move(pasted));
        } else if (nId == ID_PASTE_NEW_DOCUMENT) {
            CPastedDocument pasted;
            if (!ReadPastedDocument(m_clip, pasted) || pasted.nDocKind != DOC_DRAWING) return;
            CFakeUi ui;
            CSchemoDoc doc{DOC_DRAWING, &ui, fuzz::Program().context};
            if (LoadPastedDocument(doc, pasted.text))
                fuzz::CheckRoundTrip(doc.SaveBytes(bSplit), false);
        }
    }

    // The property dialog: some rows given values from the input, refused
    // ones among them, then OK or Cancel.
    void EditProperties() {
        m_host.m_bDialogOk = m_in.Below(4) != 0;
        CPropertySheet sheet(m_doc.Selection(), m_layers);
        const std::size_t nRows = sheet.Rows().size();
        for (int n = m_in.Below(3); n >= 0 && nRows > 0; --n) {
            const std::size_t nRow = std::size_t(m_in.Byte()) % nRows;
            const CPropertySheetRow& row = sheet.Rows()[nRow];
            if (row.nKind == PROPROW_CHOICE || row.nKind == PROPROW_LAYER)
                sheet.SetChoice(nRow, m_in.Below(20) - 1);
            else
                sheet.SetText(nRow, m_in.Text());
        }
        if (m_host.m_bDialogOk) sheet.Apply(m_doc);
    }

    void CheckAfterAction() {
        // A drag holds its primitives out of the document, still selected.
        const CPrimitiveList& prims = m_doc.Primitives();
        for (const CPrimitive* p : m_doc.Selection()) {
            if (!m_ctl.IsIdle()) break;
            const bool bIn = std::any_of(prims.begin(), prims.end(),
                                         [p](const auto& q) { return q.get() == p; });
            fuzz::Check(bIn && p->IsSelected(), "every selected primitive is in the document");
        }
        fuzz::Check(m_ctl.IsStateConsistent(), "at most one drag holds primitives");
        const std::string now = Bytes();
        const std::string again = fuzz::CheckRoundTrip(now, m_settings.bSplit != 0);
        fuzz::Check(again == now, "the document's text reads back the same", now, again);
    }

    void CheckSavedFlag(const char* where) {
        const bool bAtSaved = m_doc.History().Position() == m_nSavedPos;
        if (!m_doc.IsModified())
            fuzz::Check(SameContent(Bytes(), m_strSaved), where, Bytes(), m_strSaved);
        if (bAtSaved && m_bSavedReachable)
            fuzz::Check(!m_doc.IsModified(), "unmodified where saved", Bytes(), m_strSaved);
    }

    void Finish() {
        if (Tracing())
            std::fprintf(stderr, "finish idle %d at %zu of %zu\n%s", int(m_ctl.IsIdle()),
                         m_doc.History().Position(), m_doc.History().Count(), Bytes().c_str());
        m_ctl.CancelDrag();
        CheckAfterAction();
        const std::string last = Bytes();
        // The saved state is still in the history when it was never cut off.
        m_bSavedReachable = m_nSavedPos <= m_doc.History().Count() && !m_bSavedCut;
        CheckSavedFlag("modified unless at the saved text");
        std::size_t nUndone = 0;
        for (; m_doc.Undo(); ++nUndone)
            CheckSavedFlag("undone: modified unless at the saved text");
        fuzz::Check(SameContent(Bytes(), m_strStart), "undo to the first state gives the start",
                    Bytes(), m_strStart);
        for (std::size_t n = 0; n < nUndone; ++n)
            fuzz::Check(m_doc.Redo(), "what was undone can be redone");
        fuzz::Check(SameContent(Bytes(), last), "redo to the last state gives the end", Bytes(),
                    last);
        while (m_doc.Redo()) // and on past it, where undo had left the history
            CheckSavedFlag("redone: modified unless at the saved text");
    }

    fuzz::CInput& m_in;
    CFakeUi m_ui;
    CSpatialIndex m_index;
    CSchemoDoc m_doc{DOC_DRAWING, &m_ui, fuzz::Program().context};
    CViewCoords m_coords;
    CFakeViewHost m_host;
    CLayerTable m_layers;
    CSettings m_settings;
    CFakeClipboard m_clip;
    CViewController m_ctl{m_doc,
                          m_coords,
                          m_index,
                          m_host,
                          {m_layers, m_settings, [](const std::string& name, CMacro& macro) {
                               return ResolveMacro(name, macro, nullptr, nullptr,
                                                   fuzz::Program().context);
                           }}};
    std::string m_strStart, m_strSaved;
    std::size_t m_nSavedPos = 0;
    bool m_bSavedReachable = true, m_bSavedCut = false, m_bWalked = false;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::PrivateProgramDir();
    Seeds();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Program().cache.Clear();
    ResetPrototypes();
    fuzz::CInput in(data, size);
    const std::vector<std::string>& seeds = Seeds();
    CSession session(seeds[std::size_t(in.Byte()) % seeds.size()], in);
    session.Run();
    return 0;
}
