#pragma once

#include <filesystem>

// Every player of a system-wide installation plays in a game folder of their
// own, a copy of the installed one: the game keeps its files beside itself,
// and the installed folder is not theirs to write.
namespace launcher {

// The launcher's own file name; it is not copied into the player's folder.
inline constexpr const char* launcherName = "palabrino-lanzador";

// Creates the player's folder from the shipped one, or brings it up to date.
// A new folder is built aside and renamed into place, so that no start ever
// sees a half-copied one. Throws std::filesystem::filesystem_error.
void preparePlayerFolder(const std::filesystem::path& shipped, const std::filesystem::path& player);

} // namespace launcher
