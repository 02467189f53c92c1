# Build step: puts the starter settings file beside the program unless a kthread.ini is already
# there, because that file then holds the user's own choices and catalogues.
# Usage: cmake -DSOURCE=<starter> -DDESTINATION=<program folder>/kthread.ini -P PlaceStarterSettings.cmake
if(NOT DEFINED SOURCE OR NOT DEFINED DESTINATION)
  message(FATAL_ERROR "PlaceStarterSettings: SOURCE and DESTINATION are required")
endif()
if(EXISTS "${DESTINATION}")
  return()
endif()

file(READ "${SOURCE}" text)
# The settings layer writes new files with CR LF; the source is kept with LF like every text in
# the repository.
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")

get_filename_component(folder "${DESTINATION}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
set(partial "${DESTINATION}.part")
file(WRITE "${partial}" "${text}")
# Compared by hash: file(READ) hands back CR LF as LF.
file(SHA256 "${partial}" written_hash)
string(SHA256 text_hash "${text}")
if(NOT written_hash STREQUAL text_hash)
  file(REMOVE "${partial}")
  message(FATAL_ERROR "PlaceStarterSettings: ${partial} did not read back as written")
endif()
file(RENAME "${partial}" "${DESTINATION}")
