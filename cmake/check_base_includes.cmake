# Fails when a source of the base library includes a header of a widget, FFmpeg, libVLC or
# OpenCV: the base library is what a test of a wire format links, and it must stay that small.
# Run by the build with -DSOURCES=<;-list> -DSTAMP=<file>.
set(forbidden "^[ \t]*#[ \t]*include[ \t]*[<\"](QtWidgets/|QtGui/|Qt[A-Z][A-Za-z]*Widget|Q(Widget|Dialog|MessageBox|Label|LineEdit|PushButton|Image|Pixmap|Painter|Color|GraphicsItem|GraphicsScene|MainWindow|Application)[>\"]|libav|libsw|vlc/|opencv2/)")
set(bad "")
foreach(src IN LISTS SOURCES)
  file(STRINGS "${src}" lines REGEX "#[ \t]*include")
  foreach(line IN LISTS lines)
    if(line MATCHES "${forbidden}")
      string(APPEND bad "\n  ${src}: ${line}")
    endif()
  endforeach()
endforeach()
if(bad)
  message(FATAL_ERROR "The base library includes headers it must not (widgets, FFmpeg, libVLC, OpenCV):${bad}")
endif()
file(WRITE "${STAMP}" "ok\n")
