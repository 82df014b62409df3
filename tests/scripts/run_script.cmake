# Runs one session script in a fresh copy of the default home folder and fails when velmora does:
#   cmake -DVELMORA=... -DSCRIPT=... -DHOME_TEMPLATE=... -DWORK=... -P run_script.cmake
# A script prepares its home folder with comment lines the program itself ignores:
#   #setup copy FIXTURE DEST   copies tests/fixtures/FIXTURE to DEST inside the home folder
#   #setup recent NAME         makes NAME the only recent drawing, the one the start-up opens
# and checks what the session left behind:
#   #check FILE EXPECTED       FILE in the home folder must hold exactly the records of
#                              tests/scripts/expected/EXPECTED (line ends aside)
foreach(var VELMORA SCRIPT HOME_TEMPLATE WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_script.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(COPY "${HOME_TEMPLATE}/" DESTINATION "${WORK}")
get_filename_component(fixtures "${SCRIPT}/../../fixtures" ABSOLUTE)

file(STRINGS "${SCRIPT}" setups REGEX "^#setup ")
file(STRINGS "${SCRIPT}" checks REGEX "^#check ")
foreach(line IN LISTS setups)
  separate_arguments(words UNIX_COMMAND "${line}")
  list(GET words 1 action)
  if(action STREQUAL "copy")
    list(GET words 2 from)
    list(GET words 3 to)
    configure_file("${fixtures}/${from}" "${WORK}/${to}" COPYONLY)
  elseif(action STREQUAL "recent")
    list(GET words 2 name)
    string(LENGTH "${name}" length)
    file(WRITE "${WORK}/CFG/LASTFILES.CFG" "${length} 0 0 0 ${name}")
  else()
    message(FATAL_ERROR "${SCRIPT}: unknown setup line: ${line}")
  endif()
endforeach()

execute_process(COMMAND "${VELMORA}" --home "${WORK}" --script "${SCRIPT}" --headless
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "velmora exited with ${status} on ${SCRIPT} (home ${WORK})")
endif()

foreach(line IN LISTS checks)
  separate_arguments(words UNIX_COMMAND "${line}")
  list(GET words 1 saved)
  list(GET words 2 expected)
  if(NOT EXISTS "${WORK}/${saved}")
    message(FATAL_ERROR "${SCRIPT}: the session left no ${saved}")
  endif()
  file(READ "${WORK}/${saved}" got)
  file(READ "${CMAKE_CURRENT_LIST_DIR}/expected/${expected}" want)
  string(REPLACE "\r\n" "\n" got "${got}")
  string(REPLACE "\r\n" "\n" want "${want}")
  if(NOT got STREQUAL want)
    message(FATAL_ERROR "${SCRIPT}: ${saved} differs from expected/${expected}:\n--- saved\n${got}\n--- expected\n${want}")
  endif()
endforeach()
