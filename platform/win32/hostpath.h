// Game paths ("Tavek_res\sounds\key.ogg", "c:\profile0") to host paths.
#pragma once

#include <string>

// Backslashes become slashes, repeated separators collapse, a drive prefix "x:" maps to the
// folder "drive_x" under the working directory, and when the exact path does not exist each
// component is matched without regard to ASCII case. For a file that does not exist yet the
// folders are resolved and the last component is kept as given.
std::string hostPath(const std::string& gamePath);

// Forget the cached case resolutions (after files were created, renamed or removed in bulk).
void hostPathClearCache();
