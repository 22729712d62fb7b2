#pragma once
// Writes a whole file safely: into a temporary file beside the target, flushed
// to the disk, then renamed over the target. On any failure the target is left
// exactly as it was and the temporary file is removed.
#include <string>

// On failure *pnErrno (when given) gets the system's reason. A new file gets
// nNewMode; an existing one keeps its permissions. Temporary files that a
// writer of the same target left when it was killed are removed first.
bool WriteFileSafely(const std::string& path, const std::string& data, int* pnErrno = nullptr,
                     unsigned nNewMode = 0644);

// The temporary file's name: "<path>.<pid>~XXXXXX", the X filled at random.
std::string SafeTempPattern(const std::string& path, long nPid);
// The writer's process id in a temporary name of the target, or 0 when the
// name is not one.
long SafeTempOwner(const std::string& fileName, const std::string& targetName);
// Removes the target's temporary files whose writer is no longer running.
void RemoveStaleTemps(const std::string& path);
