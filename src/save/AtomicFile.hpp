#pragma once

#include <string>

// Files the game writes are replaced atomically: the text goes to a temporary file in the same
// folder, is flushed to disk, and only then renamed over the old file. A crash or a kill during
// the save leaves either the old file or the new one, never a truncated one.
namespace atomic_file {

// False (and the old file untouched) when the folder is not writable or the disk is full.
bool write(const std::string& path, const std::string& contents);

// Removes the temporary files a save of path left behind when the game was killed before
// renaming them: path + ".tmp-" and six letters or digits, and only regular files. Returns how
// many were removed. Nothing else in the folder is touched.
int removeStaleTemporaries(const std::string& path);

// Copies path to the first free name among path + ".broken", ".broken.1", ... and returns it
// (empty when nothing could be copied).
std::string keepSideCopy(const std::string& path);

}  // namespace atomic_file
