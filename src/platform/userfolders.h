#pragma once
// The user's own folders as the desktop names them (XDG base and user directories).

#include <string>

// The user's documents folder: $XDG_DOCUMENTS_DIR, else the XDG_DOCUMENTS_DIR line of
// $XDG_CONFIG_HOME/user-dirs.dirs (~/.config), else $HOME/Documents. Empty when there is no home.
std::string documentsFolder();
// Where a plan goes unless the user says otherwise: the "Cargolyx" folder in the documents.
std::string defaultExportFolder();
// The program's folder among the user's data: $XDG_DATA_HOME/cargolyx, else
// ~/.local/share/cargolyx. Empty when there is no home.
std::string userDataFolder();
