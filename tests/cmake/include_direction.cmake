# Fails when a file-browser source includes a header the layout keeps from it, so that
# the include arrows run one way, from the views to what they share:
#   combo/ and tree/ use filelist/ and folders/ (never each other);
#   filelist/ uses folders/; folders/ uses none of the components;
#   shell/ and lang/ use none of them either.
# Every source stands in a component's folder.
# Run as: cmake -DSOURCE_DIR=<repository root> -P include_direction.cmake
set(root ${SOURCE_DIR}/filebrowser)
set(components filelist combo tree folders)
set(uses_combo filelist folders)
set(uses_tree filelist folders)
set(uses_filelist folders)
set(uses_folders "")
set(uses_shell "")
set(uses_lang "")

set(faults "")
file(GLOB loose ${root}/*.cpp ${root}/*.h)
foreach(path IN LISTS loose)
  list(APPEND faults "${path}: stands in no component's folder")
endforeach()

foreach(folder combo tree filelist folders shell lang)
  set(kept ${components})
  list(REMOVE_ITEM kept ${folder} ${uses_${folder}})
  list(JOIN kept "|" kept)
  file(GLOB_RECURSE sources ${root}/${folder}/*.cpp ${root}/${folder}/*.h)
  if(NOT sources)
    # A wrong root would find nothing and pass.
    list(APPEND faults "${root}/${folder}: holds no sources")
  endif()
  foreach(path IN LISTS sources)
    file(STRINGS ${path} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      if(line MATCHES "[<\"](\\.\\./)*(filebrowser/)?(${kept})/")
        list(APPEND faults "${path}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n" faults)
  message(FATAL_ERROR "Includes against the file browser's layout:\n${faults}")
endif()
