// When autosave writes and removes: each step of a script acts on documents A
// and B; each tick logs what it writes ("W<n><path>"), whether a drag held a
// document back, and every removal ("R<n>").
#include "doc/files/autosave_policy.h"
#include "support/core_test.h"

namespace {
// Sorted: the removals at the end come in no particular order.
std::string Logged(const std::vector<CAutosaveJob>& jobs) {
    std::vector<std::string> done;
    for (const CAutosaveJob& j : jobs) {
        const std::string& data = j.entry.dataPath;
        const std::size_t dash = data.rfind('-') + 1;
        done.push_back((j.bRemove ? "R" : "W") + data.substr(dash, data.rfind('.') - dash) +
                       (j.bRemove ? "" : j.entry.path));
    }
    std::sort(done.begin(), done.end());
    std::string log;
    for (const std::string& s : done)
        log += (log.empty() ? "" : " ") + s;
    return log;
}
} // namespace

TEST(AutosavePolicy, WritesWhatChangedAndRemovesWhatIsSavedOrClosed) {
    const struct {
        const char* script; // e edit, m marked modified alone, s saved, p put under a path,
                            // d/u drag held/dropped, h hidden, c closed; t tick, end
        const char* log;
    } rows[] = {
        {"t eA t t", "[] [W1] []"},
        {"eA eB t eB t", "[W1 W2] [W2]"},
        {"eA t pA t", "[W1] [W1/A.tvd]"},
        {"eA dA t uA t", "[held] [W1]"},
        {"eA t sA mA t", "[W1] R1 [W1]"},
        {"sA eA t cA eB t cA", "[W1] R1 [W2]"},
        {"eA eB eC t sB hC end", "[W1 W2 W3] R2 end[R2 R3]"},
    };
    for (const auto& r : rows) {
        CLibraryState library;
        CAutosaveStore store("/f", "i");
        CAutosavePolicy policy(store);
        std::map<char, std::unique_ptr<CSchemoDoc>> docs;
        std::map<char, CAutosaveDoc> shown;
        for (char c : {'A', 'B', 'C'}) {
            docs[c] = std::make_unique<CSchemoDoc>(DOC_DRAWING, nullptr, library.context);
            shown[c] = {docs[c].get(), docs[c].get(), "", true};
        }
        const auto list = [&] {
            std::vector<CAutosaveDoc> l;
            for (const auto& [c, d] : shown)
                l.push_back(d);
            return l;
        };
        std::istringstream in(r.script);
        std::string step, log;
        while (in >> step) {
            const std::string before = log.empty() ? "" : " ";
            bool bHeld = false;
            if (step == "t") {
                const std::string w = Logged(policy.Due(list(), bHeld));
                log += before + "[" + (bHeld ? "held" : "") + w + "]";
                continue;
            }
            if (step == "end") {
                log += before + "end[" + Logged(policy.Ending(list())) + "]";
                continue;
            }
            CSchemoDoc& doc = *docs.at(step.back());
            CAutosaveDoc& d = shown[step.back()];
            if (step[0] == 'e') {
                doc.Append(ParsePrimitiveLine("LI 1 2 3 4", library.context));
                doc.CommitChange();
            } else if (step[0] == 'm') {
                doc.SetModified(true);
            } else if (step[0] == 's') {
                doc.SetModified(false);
                const std::string w = Logged(policy.Unmodified(d.pKey));
                if (!w.empty()) log += before + w;
            } else if (step[0] == 'c') {
                const std::string w = Logged(policy.Closed(d.pKey));
                if (!w.empty()) log += before + w;
                shown.erase(step.back());
            } else {
                if (step[0] == 'p') d.path = "/" + step.substr(1) + ".tvd";
                if (step[0] == 'd' || step[0] == 'u') d.bIdle = step[0] == 'u';
                if (step[0] == 'h') shown.erase(step.back());
            }
        }
        EXPECT_EQ(r.log, log) << r.script;
    }
}
