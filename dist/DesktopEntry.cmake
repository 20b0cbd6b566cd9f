# Writes ${desktop} from ${desktop_in}, its Exec naming the launcher under CMAKE_INSTALL_PREFIX.
# Run by the install step. The path is quoted, with the characters that quoting leaves special
# escaped, so that a prefix with spaces or "$" still starts the program.
set(exec "${CMAKE_INSTALL_PREFIX}/bin/tolvane")
string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
# The file format escapes the backslashes once more; "%" starts a field code.
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
set(exec "\"${exec}\"")
file(READ "${desktop_in}" template)
file(CONFIGURE OUTPUT "${desktop}" CONTENT "${template}" @ONLY)
