# Installs the desktop entry with an Exec line that names the installed program by its
# full path, so that the menu and "Open with" start it whatever the user's PATH.
# Run by `cmake --install` and cpack, where CMAKE_INSTALL_PREFIX is the prefix being
# installed to (/usr in the Debian package). Set before it: TOVIK2_DESKTOP_ENTRY (the
# source entry), TOVIK2_DESKTOP_ENTRY_STAGED (a file in the build tree to write),
# TOVIK2_INSTALL_GAMESDIR and TOVIK2_INSTALL_DATADIR (relative to the prefix).
set(program "${CMAKE_INSTALL_PREFIX}/${TOVIK2_INSTALL_GAMESDIR}/tovik2")
# Exec's quoting rules: a path with a space or a reserved character is quoted, and
# within the quotes the characters " ` $ and \ are escaped.
if(program MATCHES "[] \t\"'\\\\><~|&;$*?#()`]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" program "${program}")
  set(program "\"${program}\"")
endif()
file(READ "${TOVIK2_DESKTOP_ENTRY}" entry)
string(REGEX REPLACE "\nExec=[^ \n]+" "\nExec=${program}" entry "${entry}")
file(WRITE "${TOVIK2_DESKTOP_ENTRY_STAGED}" "${entry}")
get_filename_component(name "${TOVIK2_DESKTOP_ENTRY}" NAME)
file(INSTALL "${TOVIK2_DESKTOP_ENTRY_STAGED}"
    DESTINATION "${CMAKE_INSTALL_PREFIX}/${TOVIK2_INSTALL_DATADIR}/applications"
    RENAME "${name}")
