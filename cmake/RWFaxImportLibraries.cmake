# Import libraries for the suite's libraries that the module imports by name. They are made
# from our own lists of the calls (NAME.def with the 32-bit @n suffixes), so the module
# links without the libraries themselves: the 32-bit import library maps the decorated
# stdcall symbols to the undecorated names the libraries export.
function(rwfax_import_library target def_file)
  get_filename_component(stem ${def_file} NAME_WE)
  set(dir ${CMAKE_BINARY_DIR}/imports)
  set(lib ${dir}/lib${stem}.a)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(def ${def_file})
    set(kill_at --kill-at)
  else()
    # 64-bit names carry no decoration.
    file(READ ${def_file} text)
    string(REGEX REPLACE "@[0-9]+" "" text "${text}")
    set(def ${dir}/${stem}.def)
    file(GENERATE OUTPUT ${def} CONTENT "${text}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def_file})
    set(kill_at "")
  endif()
  add_custom_command(OUTPUT ${lib}
    COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --output-lib ${lib} ${kill_at}
    DEPENDS ${def_file}
    COMMENT "Import library for ${stem}.dll"
    VERBATIM)
  add_custom_target(${target}_implib DEPENDS ${lib})
  add_library(${target} SHARED IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES IMPORTED_IMPLIB ${lib})
  add_dependencies(${target} ${target}_implib)
endfunction()
