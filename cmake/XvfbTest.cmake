# SPDX-License-Identifier: GPL-3.0-or-later
# Tests on a private X server: the one place that says how xvfb-run is started.
find_program(XVFB_RUN xvfb-run)

# tremlet_add_xvfb_test(NAME <name> COMMAND <command...>): the command runs on a display
# of its own, with Qt on the X server. Nothing is added without xvfb-run.
function(tremlet_add_xvfb_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME" "COMMAND")
  if(XVFB_RUN)
    add_test(NAME ${arg_NAME}
      COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb ${arg_COMMAND})
  endif()
endfunction()
