# The folders Cargolyx installs into, under the prefix (GNUInstallDirs):
#   CARGOLYX_INSTALL_LIBRARYDIR  the private library folder holding libboxpic.so
#   CARGOLYX_INSTALL_DATADIR     the program's data: template.htm, translations
# The program finds them relative to its own folder, so an installed tree may move as a whole.
include(GNUInstallDirs)
set(CARGOLYX_INSTALL_LIBRARYDIR ${CMAKE_INSTALL_LIBDIR}/cargolyx)
set(CARGOLYX_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/cargolyx)
file(RELATIVE_PATH CARGOLYX_LIBRARY_FOLDER_FROM_PROGRAM
     ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/cargolyx)
file(RELATIVE_PATH CARGOLYX_DATA_FOLDER_FROM_PROGRAM
     ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/cargolyx)
