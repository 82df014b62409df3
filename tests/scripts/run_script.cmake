# Runs one session script in a fresh copy of the default home folder and fails when velmora does:
#   cmake -DVELMORA=... -DSCRIPT=... -DHOME_TEMPLATE=... -DWORK=... -P run_script.cmake
# A script prepares its home folder with comment lines the program itself ignores:
#   #setup copy FIXTURE DEST   copies tests/fixtures/FIXTURE to DEST inside the home folder
#   #setup recent NAME         makes NAME the only recent drawing, the one the start-up opens
# and may ask for more:
#   #sizes WxH ...             runs the script once at each window size (--size), each in a fresh home
#                              folder WORK/WxH; without it the script runs once at the default size in WORK
#   #check unchanged PATH      PATH (inside the home folder) must end the run byte for byte as it began
foreach(var VELMORA SCRIPT HOME_TEMPLATE WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_script.cmake needs -D${var}=...")
  endif()
endforeach()

get_filename_component(fixtures "${SCRIPT}/../../fixtures" ABSOLUTE)
file(STRINGS "${SCRIPT}" setups REGEX "^#setup ")
file(STRINGS "${SCRIPT}" checks REGEX "^#check ")
file(STRINGS "${SCRIPT}" sizes_lines REGEX "^#sizes ")

# One run in a fresh home folder; size is empty for the default window.
function(run_in home size)
  file(REMOVE_RECURSE "${home}")
  file(COPY "${HOME_TEMPLATE}/" DESTINATION "${home}")
  foreach(line IN LISTS setups)
    separate_arguments(words UNIX_COMMAND "${line}")
    list(GET words 1 action)
    if(action STREQUAL "copy")
      list(GET words 2 from)
      list(GET words 3 to)
      configure_file("${fixtures}/${from}" "${home}/${to}" COPYONLY)
    elseif(action STREQUAL "recent")
      list(GET words 2 name)
      string(LENGTH "${name}" length)
      file(WRITE "${home}/CFG/LASTFILES.CFG" "${length} 0 0 0 ${name}")
    else()
      message(FATAL_ERROR "${SCRIPT}: unknown setup line: ${line}")
    endif()
  endforeach()

  set(watched "")
  foreach(line IN LISTS checks)
    separate_arguments(words UNIX_COMMAND "${line}")
    list(GET words 1 kind)
    if(NOT kind STREQUAL "unchanged")
      message(FATAL_ERROR "${SCRIPT}: unknown check line: ${line}")
    endif()
    list(GET words 2 path)
    file(SHA256 "${home}/${path}" before)
    list(APPEND watched "${path}|${before}")
  endforeach()

  set(size_args "")
  if(size)
    set(size_args --size ${size})
  endif()
  execute_process(COMMAND "${VELMORA}" --home "${home}" --script "${SCRIPT}" --headless ${size_args}
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "velmora exited with ${status} on ${SCRIPT} (home ${home} ${size})")
  endif()
  foreach(entry IN LISTS watched)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 path)
    list(GET parts 1 before)
    file(SHA256 "${home}/${path}" after)
    if(NOT after STREQUAL before)
      message(FATAL_ERROR "${SCRIPT}: ${path} changed in the run at ${size} (home ${home})")
    endif()
  endforeach()
endfunction()

if(sizes_lines)
  list(GET sizes_lines 0 line)
  separate_arguments(words UNIX_COMMAND "${line}")
  list(REMOVE_AT words 0)
  file(REMOVE_RECURSE "${WORK}")
  foreach(size IN LISTS words)
    run_in("${WORK}/${size}" "${size}")
  endforeach()
else()
  run_in("${WORK}" "")
endif()
