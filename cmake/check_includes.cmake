# Checks the includes of one library's sources before it compiles:
# - the folder order: a folder includes headers of its own folder and of the folders before it
#   in the library's order, never of a folder after it, so that no two folders include each
#   other; every source lies in a folder of the order;
# - with NO_WIDGETS (the base library): no header of a widget, FFmpeg, libVLC or OpenCV, since
#   the base library is what a test of a wire format links, and it must stay that small.
# Run by the build (corvane_check_includes in the top CMakeLists.txt) with -DLIBRARY=<name>
# -DROOT=<the library's source folder> -DFOLDERS=<;-list, lowest first> -DNO_WIDGETS=<bool>
# -DSOURCES=<;-list> -DSTAMP=<file>.
set(forbidden "^[ \t]*#[ \t]*include[ \t]*[<\"](QtWidgets/|QtGui/|Qt[A-Z][A-Za-z]*Widget|Q(Widget|Dialog|MessageBox|Label|LineEdit|PushButton|Image|Pixmap|Painter|Color|GraphicsItem|GraphicsScene|MainWindow|Application)[>\"]|libav|libsw|vlc/|opencv2/)")
set(bad_headers "")
set(bad_folders "")
foreach(src IN LISTS SOURCES)
  file(RELATIVE_PATH relative "${ROOT}" "${src}")
  string(REGEX REPLACE "/.*" "" folder "${relative}")
  list(FIND FOLDERS "${folder}" rank)
  if(rank LESS 0)
    string(APPEND bad_folders "\n  ${relative}: the folder ${folder} has no place in the order")
    continue()
  endif()
  file(STRINGS "${src}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(NO_WIDGETS AND line MATCHES "${forbidden}")
      string(APPEND bad_headers "\n  ${relative}: ${line}")
    endif()
    # A header of this library: "folder/name.h" found under its source folder.
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"(([^/\"]+)/[^\"]+)\"" AND EXISTS "${ROOT}/${CMAKE_MATCH_1}")
      list(FIND FOLDERS "${CMAKE_MATCH_2}" included_rank)
      if(included_rank GREATER rank)
        string(APPEND bad_folders "\n  ${relative}: ${line} (${folder} comes before ${CMAKE_MATCH_2})")
      endif()
    endif()
  endforeach()
endforeach()
set(message "")
if(bad_headers)
  string(APPEND message "The base library includes headers it must not (widgets, FFmpeg, libVLC, OpenCV):${bad_headers}\n")
endif()
if(bad_folders)
  string(REPLACE ";" " < " order "${FOLDERS}")
  string(APPEND message "A folder of ${LIBRARY} includes a folder after it in the order ${order}:${bad_folders}\n")
endif()
if(message)
  message(FATAL_ERROR "${message}")
endif()
file(WRITE "${STAMP}" "ok\n")
