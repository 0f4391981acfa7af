#pragma once
// Writes a whole file or nothing: the bytes go to a temporary file beside the
// target, are synced, and replace the target by a rename, so a reader sees the
// old file or the new one, never a part. A symlinked target stays a link (its
// target is replaced); a replaced file keeps its mode and owner, a new one
// gets the mode the umask leaves of 0666.

#include <string>

// 0 done; -1 with the reason in reason_text (also for a missing folder, or an
// owner that cannot be kept), the target untouched and no temporary file left
// behind.
int ReplaceFile(const std::string& path, const std::string& bytes, std::string& reason_text);
