# Runs a test program a second time on a private X server, when xvfb-run is there.
find_program(XVFB_RUN xvfb-run)
function(tremlet_add_xvfb_test name target)
  if(XVFB_RUN)
    add_test(NAME ${name}
      COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24"
              env QT_QPA_PLATFORM=xcb $<TARGET_FILE:${target}>)
  endif()
endfunction()
