# Runs one session script in a fresh copy of the default home folder and fails when velmora does:
#   cmake -DVELMORA=... -DSCRIPT=... -DHOME_TEMPLATE=... -DWORK=... -P run_script.cmake
# A script prepares its home folder with comment lines the program itself ignores:
#   #setup copy FIXTURE DEST   copies tests/fixtures/FIXTURE to DEST inside the home folder
#   #setup recent NAME         makes NAME the only recent drawing, the one the start-up opens
foreach(var VELMORA SCRIPT HOME_TEMPLATE WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_script.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(COPY "${HOME_TEMPLATE}/" DESTINATION "${WORK}")
get_filename_component(fixtures "${SCRIPT}/../../fixtures" ABSOLUTE)

file(STRINGS "${SCRIPT}" setups REGEX "^#setup ")
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
