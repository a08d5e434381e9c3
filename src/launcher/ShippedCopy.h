#pragma once

#include <filesystem>
#include <initializer_list>

// The one rule that brings a game folder up to date with the files shipped:
// the launcher applies it to each player's folder, the build to its own
// application folder. Standard C++ only, so a cross build can run it on the
// machine that builds.
namespace launcher {

// Where a game folder keeps the files as they were last shipped.
inline constexpr const char* pristineName = ".originales";

// Copies every shipped file, but those under the top-level names left out,
// into the game folder. A file is written only where the folder's copy is
// missing, or still the one shipped last time while the shipped one has
// changed: what the game wrote is never overwritten. Each file is replaced
// whole. Throws std::filesystem::filesystem_error.
void syncShipped(const std::filesystem::path& shipped, const std::filesystem::path& folder,
                 std::initializer_list<const char*> leftOut);

} // namespace launcher
