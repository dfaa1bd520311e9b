# vt_header_closure(<out> <root dir> <header>...): the headers given and every
# header they include with quotes, transitively, as paths relative to <root
# dir>. An include is looked up from <root dir> first, then beside the file
# that includes it; one found in neither place stops the configure, since an
# installed header would then include something that is not installed. Each
# header read becomes a configure dependency.
function(vt_header_closure out root)
  set(pending ${ARGN})
  set(seen)
  while(pending)
    list(POP_FRONT pending header)
    if(header IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${header})
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${root}/${header})
    file(STRINGS ${root}/${header} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    get_filename_component(folder ${header} DIRECTORY)
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" included "${line}")
      if(EXISTS ${root}/${included})
        list(APPEND pending ${included})
      elseif(EXISTS ${root}/${folder}/${included})
        cmake_path(SET beside NORMALIZE "${folder}/${included}")
        list(APPEND pending ${beside})
      else()
        message(FATAL_ERROR "${header} includes \"${included}\", which is not under ${root}")
      endif()
    endforeach()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()
