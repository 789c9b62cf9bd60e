# Checks that every file under src/ includes only from its own folder and the folders below it:
#   cmake -DSOURCE_DIR=<repository> -P cmake/check_includes.cmake
# The include roots hold the layers apart when a file is compiled; this also holds the order
# inside the core (rom at the bottom, then colours, then save), and covers headers that only a
# higher layer compiles.

cmake_minimum_required(VERSION 3.22)

# The folders a folder's files may include from.
set(allowed_rom rom)
set(allowed_colours rom colours)
set(allowed_save rom colours save)
set(allowed_platform platform)
set(allowed_dialogs platform dialogs)
set(allowed_ui rom colours save platform dialogs ui)
set(allowed_app rom colours save platform dialogs ui app)
set(folders rom colours save platform dialogs ui app)

set(failures "")
foreach(folder ${folders})
  file(GLOB files ${SOURCE_DIR}/src/${folder}/*.h ${SOURCE_DIR}/src/${folder}/*.cpp)
  foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][a-z_]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^[^\"<]*[\"<]([a-z_]+)/.*$" "\\1" included "${line}")
      if(included IN_LIST folders AND NOT included IN_LIST allowed_${folder})
        file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
        string(APPEND failures "\n  ${shown}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(failures)
  message(FATAL_ERROR "Includes from a folder above the including file's:${failures}")
endif()
message(STATUS "Every file under src/ includes from its own folder and those below it only.")
