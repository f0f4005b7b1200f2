# SPDX-License-Identifier: GPL-3.0-or-later
# Strict warnings for the project's own targets. Third-party code never goes through here.
# Errors only where asked (the development and CI presets): a newer compiler's new warning
# must not break a distribution's rebuild.
function(tremlet_set_warnings target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    if(TREMLET_WARNINGS_AS_ERRORS)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wpedantic
      -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
      -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align
      -Wdouble-promotion -Wimplicit-fallthrough)
  endif()
endfunction()
