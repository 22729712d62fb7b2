#pragma once
// Writes a whole file safely: into a temporary file beside the target, flushed
// to the disk, then renamed over the target. On any failure the target is left
// exactly as it was and the temporary file is removed.
#include <string>

// On failure *pnErrno (when given) gets the system's reason. A new file gets
// nNewMode; an existing one keeps its permissions.
bool WriteFileSafely(const std::string& path, const std::string& data, int* pnErrno = nullptr,
                     unsigned nNewMode = 0644);
