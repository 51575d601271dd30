# Fails when a source in FOLDER includes a header of a Qt module above QtCore.
file(GLOB _files ${FOLDER}/*.cpp ${FOLDER}/*.h)
foreach(_f ${_files})
  file(STRINGS ${_f} _bad
       REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](QtGui|QtWidgets|QtPrintSupport|QtMultimedia|QtMultimediaWidgets)/")
  if(_bad)
    message(FATAL_ERROR "${_f} is QtCore only but has: ${_bad}")
  endif()
endforeach()
file(TOUCH ${STAMP})
