#pragma once
// Where the program's own files lie: the folder of the running executable.

#include <string>

// The folder of the running executable, with a trailing '/'; "./" when it cannot be found.
std::string programFolder();
