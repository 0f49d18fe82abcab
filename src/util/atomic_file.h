#pragma once
// Replacing a file's contents so that a crash leaves either the old or the new file, never
// part of one: the bytes go to a temporary file in the target's folder, are flushed to disk,
// and the temporary file then replaces the target in one step.

#include <string_view>

namespace tav {

// Writes bytes as the new contents of path (created when missing); a hidden or system file
// stays so. Returns false, with the target unchanged and no temporary file left, when the
// target is read-only or a folder, its folder is missing, or any step fails. The read-only
// attribute is checked here: Windows refuses to replace a read-only file, but Wine's
// MoveFileExA replaces it (and the new file is no longer read-only).
bool write_file_atomically(const char* path, std::string_view bytes);

}  // namespace tav
