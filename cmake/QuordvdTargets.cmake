include(${CMAKE_CURRENT_LIST_DIR}/CheckCoreLinks.cmake)

# Every source folder is one static library of all its .cpp/.h files, so a
# new class needs no build change.
function(quordvd_library name folder)
  quordvd_record_imported_links()
  file(GLOB _src CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.h)
  if(_src)
    add_library(${name} STATIC ${_src})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    # A folder whose classes are still to come.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# A library of the QtCore floor. Gui and Widgets are not on its include path,
# but a header named with its module folder (<QtWidgets/QWidget>) would still
# be found through Qt's include root: every build checks the sources for one.
# Its links are checked at the configure (CheckCoreLinks.cmake).
function(quordvd_core_library name folder)
  quordvd_library(${name} ${folder} ${ARGN})
  quordvd_require_core_links(${name})
  file(GLOB _src CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.h)
  set(_stamp ${CMAKE_CURRENT_BINARY_DIR}/${name}_qtcore_only.stamp)
  add_custom_command(OUTPUT ${_stamp}
                     COMMAND ${CMAKE_COMMAND} -DFOLDER=${CMAKE_SOURCE_DIR}/${folder} -DSTAMP=${_stamp}
                             -P ${CMAKE_SOURCE_DIR}/cmake/CheckQtCoreOnly.cmake
                     DEPENDS ${_src} ${CMAKE_SOURCE_DIR}/cmake/CheckQtCoreOnly.cmake
                     COMMENT "Checking that ${folder} includes no Gui or Widgets header")
  add_custom_target(${name}_check DEPENDS ${_stamp})
  add_dependencies(${name} ${name}_check)
endfunction()

# One test executable per mirrored folder; tests/support gives main() and the doubles.
function(quordvd_test name folder)
  _quordvd_test(${name} ${folder} quordvd_testsupport ${ARGN})
endfunction()

# The test of a core library runs in a QCoreApplication and links nothing
# above QtCore, so a core class that wanted a window would fail it.
function(quordvd_core_test name folder)
  _quordvd_test(${name} ${folder} quordvd_testsupport_core quordvd_testmain_core ${ARGN})
  if(TARGET ${name})
    quordvd_require_core_links(${name})
  endif()
endfunction()

function(_quordvd_test name folder)
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*.cpp
       ${CMAKE_SOURCE_DIR}/tests/${folder}/*.h)
  if(NOT _src)
    return()
  endif()
  quordvd_record_imported_links()
  add_executable(${name} ${_src})
  target_link_libraries(${name} PRIVATE ${ARGN})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8")
endfunction()
