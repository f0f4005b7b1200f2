# SPDX-License-Identifier: GPL-3.0-or-later
# Installing so that it can be undone exactly. tremlet_install() is install() that also
# notes the destination; the first install rule records which of those directories (and
# their parents below the prefix) do not exist yet, so that the uninstall target removes
# the files of install_manifest.txt and then exactly the directories the install made.

function(tremlet_install)
  set(take FALSE)
  foreach(argument IN LISTS ARGN)
    if(take)
      set_property(GLOBAL APPEND PROPERTY TREMLET_INSTALL_DESTINATIONS "${argument}")
      set(take FALSE)
    elseif(argument STREQUAL "DESTINATION")
      set(take TRUE)
    endif()
  endforeach()
  install(${ARGN})
endfunction()

# Call before any install rule.
function(tremlet_install_record_created_directories)
  install(CODE "
    set(prefix \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
    file(STRINGS \"${PROJECT_BINARY_DIR}/install_destinations.txt\" destinations)
    set(created)
    foreach(destination IN LISTS destinations)
      set(directory \"\${prefix}/\${destination}\")
      while(NOT EXISTS \"\${directory}\" AND NOT directory STREQUAL prefix)
        list(APPEND created \"\${directory}\")
        get_filename_component(directory \"\${directory}\" DIRECTORY)
      endwhile()
    endforeach()
    list(REMOVE_DUPLICATES created)
    list(JOIN created \"\\n\" text)
    file(WRITE \"${PROJECT_BINARY_DIR}/install_created_directories.txt\" \"\${text}\\n\")
  ")
endfunction()

# Call after every install rule.
function(tremlet_install_add_uninstall_target)
  get_property(destinations GLOBAL PROPERTY TREMLET_INSTALL_DESTINATIONS)
  list(REMOVE_DUPLICATES destinations)
  list(JOIN destinations "\n" text)
  file(WRITE "${PROJECT_BINARY_DIR}/install_destinations.txt" "${text}\n")
  add_custom_target(uninstall
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
            -P ${PROJECT_SOURCE_DIR}/cmake/Uninstall.cmake
    COMMENT "Removing what cmake --install put in place"
    VERBATIM)
endfunction()
