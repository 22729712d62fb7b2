#pragma once
// A document file read and parsed on a worker thread while the window stays
// painted; after half a second a progress bar says that work is going on.
#include "doc/document/document.h"

#include <QString>

class QProgressBar;
class QStatusBar;

CLoadedText ReadWithProgress(const QString& path, QStatusBar* status, QProgressBar* progress);
