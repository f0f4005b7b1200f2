# Strict warnings for the project's own targets. Third-party code never goes through here.
function(tremlet_set_warnings target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wpedantic -Werror
      -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
      -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align
      -Wdouble-promotion -Wimplicit-fallthrough)
  endif()
endfunction()
