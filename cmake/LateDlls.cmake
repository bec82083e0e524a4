# System DLLs that only a user's request calls into (the font chooser, the network drive
# dialogs) or that a start never reaches are loaded at their first call instead of with
# the program: each DLL loaded before the window shows lengthens every start.
#
# scrivlet_late_dlls(<target> <dll>...) makes <target>, an interface library that links
# the DLLs so: with MinGW through delay-load import libraries that dlltool makes from the
# toolchain's own import libraries, with MSVC through /DELAYLOAD.
function(scrivlet_late_dlls target)
  add_library(${target} INTERFACE)
  if(MSVC)
    foreach(dll IN LISTS ARGN)
      target_link_libraries(${target} INTERFACE ${dll})
      target_link_options(${target} INTERFACE /DELAYLOAD:${dll}.dll)
    endforeach()
    target_link_libraries(${target} INTERFACE delayimp)
    return()
  endif()
  if(NOT MINGW OR NOT CMAKE_DLLTOOL OR NOT CMAKE_NM)
    target_link_libraries(${target} INTERFACE ${ARGN})
    return()
  endif()
  set(dir ${CMAKE_BINARY_DIR}/late-dlls)
  file(MAKE_DIRECTORY ${dir})
  foreach(dll IN LISTS ARGN)
    find_library(SCRIVLET_IMPLIB_${dll} NAMES lib${dll}.a ${dll})
    if(NOT SCRIVLET_IMPLIB_${dll})
      message(FATAL_ERROR "No import library for ${dll}")
    endif()
    # Every function the import library names, so a new call into the DLL is delayed too.
    execute_process(COMMAND ${CMAKE_NM} ${SCRIVLET_IMPLIB_${dll}} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
    string(REGEX MATCHALL "[ \t]I __imp_[A-Za-z0-9_@]+" imports "${symbols}")
    if(failed OR NOT imports)
      message(FATAL_ERROR "Cannot read the functions of ${SCRIVLET_IMPLIB_${dll}}")
    endif()
    list(TRANSFORM imports REPLACE "^[ \t]I __imp_" "")
    list(REMOVE_DUPLICATES imports)
    list(JOIN imports "\n" exports)
    file(WRITE ${dir}/${dll}.def "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
    execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${dir}/${dll}.def --output-delaylib ${dir}/lib${dll}_late.a
                            --dllname ${dll}.dll RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "dlltool could not make the delay-load library of ${dll}")
    endif()
    target_link_libraries(${target} INTERFACE ${dir}/lib${dll}_late.a)
  endforeach()
endfunction()
