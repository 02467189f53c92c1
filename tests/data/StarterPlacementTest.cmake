# Runs PlaceStarterSettings.cmake the way the build does and checks what it leaves behind.
function(place destination)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${SOURCE} -DDESTINATION=${destination} -P ${PLACE_SCRIPT}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "placing ${destination} failed: ${result}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK_FOLDER})
set(destination ${WORK_FOLDER}/program/kthread.ini)

# A folder without the file (not even the folder itself) gets the starter file, CR LF after
# every line and no bare LF.
place(${destination})
if(NOT EXISTS ${destination})
  message(FATAL_ERROR "no kthread.ini was placed")
endif()
# Compared by hash: file(READ) hands back CR LF as LF.
file(READ ${SOURCE} source_text)
string(REPLACE "\n" "\r\n" expected "${source_text}")
string(SHA256 expected_hash "${expected}")
file(SHA256 ${destination} placed_hash)
if(NOT placed_hash STREQUAL expected_hash)
  message(FATAL_ERROR "the placed file is not the source with CR LF line ends")
endif()
if(EXISTS ${destination}.part)
  message(FATAL_ERROR "the partial file was left behind")
endif()

# A user's file stays as it is.
file(WRITE ${destination} "[MAIN]\r\nLang=mine\r\n")
place(${destination})
file(SHA256 ${destination} kept_hash)
string(SHA256 mine_hash "[MAIN]\r\nLang=mine\r\n")
if(NOT kept_hash STREQUAL mine_hash)
  message(FATAL_ERROR "an existing kthread.ini was overwritten")
endif()
message(STATUS "starter settings placement: copied once, kept the user's file")
