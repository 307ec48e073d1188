# Import libraries for the suite's libraries that the module imports. They are made from
# our own lists of the calls (NAME.def with the 32-bit @n suffixes, and an @ordinal where a
# call is imported by ordinal), so the module links without the libraries themselves: the
# 32-bit import library maps the decorated stdcall symbols to the undecorated names the
# libraries export.

# The .def file as the target's bitness needs it: 64-bit names carry no @n decoration (an
# ordinal, written apart from the name, stays).
function(rwfax_def_for_bits def_file out_var)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(${out_var} ${def_file} PARENT_SCOPE)
    return()
  endif()
  get_filename_component(stem ${def_file} NAME_WE)
  get_filename_component(folder ${def_file} DIRECTORY)
  string(MD5 where "${folder}")
  string(SUBSTRING "${where}" 0 8 where)
  set(def ${CMAKE_BINARY_DIR}/imports/${where}/${stem}.def)
  file(READ ${def_file} text)
  string(REGEX REPLACE "([A-Za-z0-9_])@[0-9]+" "\\1" text "${text}")
  file(GENERATE OUTPUT ${def} CONTENT "${text}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def_file})
  set(${out_var} ${def} PARENT_SCOPE)
endfunction()

function(rwfax_import_library target def_file)
  get_filename_component(stem ${def_file} NAME_WE)
  set(dir ${CMAKE_BINARY_DIR}/imports)
  set(lib ${dir}/lib${stem}.a)
  rwfax_def_for_bits(${def_file} def)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(kill_at --kill-at)
  else()
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
