#include "app/features/feature_fab.h"

#include "app/dialogs/fab_dialog.h"
#include "app/dialogs/message_box.h"
#include "app/features/feature_rules.h"
#include "app/frame/program_context.h"
#include "app/platform/qt_profile_store.h"
#include "app/window/child_frame.h"
#include "doc/document/system_error.h"
#include "doc/fab/fab_request.h"
#include "doc/files/safe_file.h"
#include "qtlayer/qt_glyph_outlines.h"
#include "qtlayer/qt_translate.h"
#include "view/forms/rule_findings.h"
#include "view/program/version.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>

#include <cstring>

namespace {
void Tell(QWidget* parent, QMessageBox::Icon icon, const std::string& message) {
    ShowMessageBox(parent, icon, "Tavolin", TrMessage(message));
}

// The set for `doc` written to the archive, or the message that says why not.
std::string Write(const CSchemoDoc& doc, const std::string& stem, const CFabOptions& o,
                  const std::string& archive, CFabSet& set) {
    const CFabHeader header{std::string(kVersionLine).substr(std::strlen("Tavolin ")),
                            FabDateNow()};
    CQtGlyphOutlines glyphs;
    set = MakeFabSet(doc.Primitives(), stem, o, header, glyphs);
    const std::string refusal = FabRefusal(set, o.nOutlineLayer);
    if (!refusal.empty()) return refusal;
    int nErrno = 0;
    if (WriteFileSafely(archive, FabZip(set, header.date), &nErrno)) return std::string();
    return WithSystemCause(FillMessage(MSG_CANNOT_WRITE, archive), nErrno);
}
} // namespace

CFabFeature::CFabFeature(IFrameServices& frame, const CSettings& settings, CRulesFeature& rules)
    : m_frame(frame), m_settings(settings), m_rules(rules) {}

void CFabFeature::Run(int) {
    CMyMDIChildWnd* child = m_frame.ActiveChild();
    if (!child) return;
    QWidget* window = m_frame.Window();
    CQtProfileStore store;
    CFabChoices c = LoadFabChoices(store);
    const std::string path = QFile::encodeName(child->Path()).toStdString();
    c.strArchive = DefaultFabArchive(path, QFile::encodeName(child->Name()).toStdString(),
                                     QFile::encodeName(QDir::currentPath()).toStdString());
    CFabOptions o;
    CDesignRules rules;
    std::string refusal;
    do {
        if (!refusal.empty()) Tell(window, QMessageBox::Warning, refusal);
        if (!RunFabDialog(window, g_layers, c)) return;
        refusal = ReadFabChoices(c, m_settings.nMicronsPerUnit, o);
        if (refusal.empty()) refusal = ReadFabRules(c, m_settings.nMicronsPerUnit, rules);
    } while (!refusal.empty());
    SaveFabChoices(c, store);
    const std::vector<CRuleFinding> found = m_rules.Check(child, rules);
    const auto askYes = [window] {
        return ShowMessageBox(window, QMessageBox::Question, "Tavolin",
                              QCoreApplication::translate("CFabFeature", "Esportare comunque?"),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) == QMessageBox::Yes;
    };
    if (StepAfterCheck(found.size(), askYes) == EXPORT_SHOW_FINDINGS) {
        m_rules.Show(child, found);
        return;
    }
    const std::string stem = FabStem(path.empty() ? c.strArchive : path);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CFabSet set;
    const std::string failure = Write(child->Document(), stem, o, c.strArchive, set);
    QApplication::restoreOverrideCursor();
    if (!failure.empty())
        Tell(window, QMessageBox::Critical, failure);
    else
        Tell(window, QMessageBox::Information, FabWrittenMessage(set, c.strArchive));
}
