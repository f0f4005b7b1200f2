# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DBUILD_DIR=<build> -P Uninstall.cmake: removes the files of the last install
# from that build, then the directories that install created, deepest first, where they
# are empty.
set(manifest "${BUILD_DIR}/install_manifest.txt")
if(NOT EXISTS "${manifest}")
  message(FATAL_ERROR "Nothing to uninstall: no ${manifest} (run cmake --install first)")
endif()
file(STRINGS "${manifest}" files)
foreach(file IN LISTS files)
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    message(STATUS "Removing ${file}")
    file(REMOVE "${file}")
  endif()
endforeach()

set(created_list "${BUILD_DIR}/install_created_directories.txt")
if(EXISTS "${created_list}")
  file(STRINGS "${created_list}" directories)
  # Deepest first: a longer path is never the parent of a shorter one.
  list(SORT directories COMPARE STRING ORDER DESCENDING)
  foreach(directory IN LISTS directories)
    file(GLOB left "${directory}/*" "${directory}/.*")
    if(IS_DIRECTORY "${directory}" AND NOT left)
      message(STATUS "Removing ${directory}/")
      file(REMOVE_RECURSE "${directory}")
    endif()
  endforeach()
endif()
file(REMOVE "${manifest}" "${created_list}")
