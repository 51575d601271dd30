# The QtCore floor holds for links as well as for headers: a core library (or
# a test of one) that reaches Qt's Gui or Widgets through any library it
# links, however far down, fails the configure and names the chain.
#
# quordvd_core_library and quordvd_core_test register their targets; the walk
# runs once all targets exist, at the end of the top-level directory, before
# the build files are generated. Imported targets that a folder makes for
# itself (pkg-config's) are not seen from the top: each of our folders
# records their links when it ends.

set(QUORDVD_ABOVE_CORE Qt6::Gui Qt6::Widgets)

function(quordvd_require_core_links target)
  set_property(GLOBAL APPEND PROPERTY QUORDVD_CORE_TARGETS ${target})
endfunction()

# Called by every folder that makes one of our targets.
function(quordvd_record_imported_links)
  get_directory_property(_deferred QUORDVD_IMPORTS_RECORDED)
  if(NOT _deferred)
    set_directory_properties(PROPERTIES QUORDVD_IMPORTS_RECORDED TRUE)
    cmake_language(DEFER CALL _quordvd_record_imported_links)
  endif()
endfunction()

function(_quordvd_record_imported_links)
  get_directory_property(_imported IMPORTED_TARGETS)
  foreach(_t IN LISTS _imported)
    string(MAKE_C_IDENTIFIER "${_t}" _id)
    set_property(GLOBAL PROPERTY QUORDVD_IMPORTED_${_id} TRUE)
    get_target_property(_links ${_t} INTERFACE_LINK_LIBRARIES)
    if(_links)
      set_property(GLOBAL APPEND PROPERTY QUORDVD_IMPORTED_LINKS_${_id} "${_links}")
    endif()
  endforeach()
endfunction()

# What a target or a recorded imported target links; "known" tells whether
# the name is one of them at all.
function(_quordvd_links_of name out known)
  set(_links)
  set(_known FALSE)
  if(TARGET ${name})
    set(_known TRUE)
    foreach(_prop LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(_v ${name} ${_prop})
      if(_v)
        list(APPEND _links ${_v})
      endif()
    endforeach()
  else()
    string(MAKE_C_IDENTIFIER "${name}" _id)
    get_property(_known GLOBAL PROPERTY QUORDVD_IMPORTED_${_id})
    get_property(_links GLOBAL PROPERTY QUORDVD_IMPORTED_LINKS_${_id})
  endif()
  set(${out} ${_links} PARENT_SCOPE)
  set(${known} ${_known} PARENT_SCOPE)
endfunction()

# The targets and files that one link entry names. Generator expressions are
# opened, every branch counted: a Gui link under a condition is still one.
function(_quordvd_link_entries entry out)
  string(REGEX REPLACE "(\\$<|[>,])" ";" _flat "${entry}")
  set(_result)
  foreach(_part IN LISTS _flat)
    # What follows an expression's name ("LINK_ONLY:", "CONFIG:") or the
    # colon after a condition; "::" of a target name stays.
    string(REGEX REPLACE "^([A-Za-z_]+)?:([^:]|$)" "\\2" _part "${_part}")
    string(STRIP "${_part}" _part)
    if(NOT _part STREQUAL "")
      list(APPEND _result "${_part}")
    endif()
  endforeach()
  set(${out} ${_result} PARENT_SCOPE)
endfunction()

function(_quordvd_check_core_links)
  get_property(_cores GLOBAL PROPERTY QUORDVD_CORE_TARGETS)
  foreach(_core IN LISTS _cores)
    set(_queue ${_core})
    set(_seen ${_core})
    string(MAKE_C_IDENTIFIER "${_core}" _id)
    set(_via_${_id} "${_core}")
    while(_queue)
      list(POP_FRONT _queue _t)
      string(MAKE_C_IDENTIFIER "${_t}" _tid)
      _quordvd_links_of(${_t} _links _known)
      foreach(_entry IN LISTS _links)
        _quordvd_link_entries("${_entry}" _items)
        foreach(_item IN LISTS _items)
          set(_name "${_item}")
          if(TARGET ${_item})
            get_target_property(_aliased ${_item} ALIASED_TARGET)
            if(_aliased)
              set(_name ${_aliased})
            endif()
          endif()
          set(_chain "${_via_${_tid}} -> ${_item}")
          if(_name IN_LIST QUORDVD_ABOVE_CORE OR _name MATCHES "(^|/|^-l)(lib)?Qt6?(Gui|Widgets)([.]|$)")
            message(FATAL_ERROR "${_core} is QtCore only but reaches ${_name} through its links: ${_chain}")
          endif()
          _quordvd_links_of(${_name} _unused _is_target)
          if(_is_target AND NOT _name IN_LIST _seen)
            list(APPEND _seen ${_name})
            list(APPEND _queue ${_name})
            string(MAKE_C_IDENTIFIER "${_name}" _nid)
            set(_via_${_nid} "${_chain}")
          endif()
        endforeach()
      endforeach()
    endwhile()
  endforeach()
endfunction()

cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL _quordvd_check_core_links)
