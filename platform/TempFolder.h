#pragma once

#include <string>

// The user's folder for temporary plain copies, as a UTF-8 text ending with the folder
// separator. On Linux it is a private per-user folder (mode 0700, never a link) under TMPDIR
// or /tmp; on Windows the user's temporary folder. The program and the library KVL both
// use it, so their plain copies end up side by side. Raises IoError when there is none.
std::string SystemTempFolder();
