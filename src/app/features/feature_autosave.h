#pragma once
// Autosave and recovery: a timer writes every modified document whose bytes
// changed since its last autosave, a clean save or a close drops its autosave,
// and at start the autosaves of instances that did not end cleanly are offered.
#include "app/frame/feature.h"
#include "doc/files/autosave_policy.h"
#include "doc/files/autosave_store.h"
#include "doc/files/autosave_writer.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <map>

class CFilesFeature;

class CAutosaveFeature final : public QObject, public IFeature {
    Q_OBJECT
  public:
    CAutosaveFeature(IFrameServices& frame, CFilesFeature& files, const CSettings& settings);
    void Run(int) override {}
    // Offers what instances that did not end cleanly left, then starts the
    // timer; without a folder nothing is autosaved and nothing offered.
    void Start() override;
    // A clean end: the autosaves of closed or unmodified documents go, and the
    // lock with them.
    void End() override;
    // Writes what changed now; the timer calls it.
    void AutosaveAll();

  private:
    void OfferOrphans();
    bool Restore(const CAutosaveEntry& e);
    // Hears of the window's saves and of its close from now on.
    void Follow(CMyMDIChildWnd* child);
    CAutosaveDoc Seen(CMyMDIChildWnd* child) const;
    void Written(const std::string& dataPath);

    IFrameServices& m_frame;
    CFilesFeature& m_files;
    const CSettings& m_settings;
    CAutosaveStore m_store;
    CAutosavePolicy m_policy;
    CAutosaveWriter m_writer;
    std::map<const void*, QPointer<CMyMDIChildWnd>> m_followed;
    bool m_bStarted = false;
    QTimer m_timer;
};
