# SPDX-License-Identifier: GPL-3.0-or-later
# Reads res/releases.txt into TREMLET_RELEASES_XML, the AppStream <release> elements, and
# TREMLET_RELEASE_DATE, the newest release's date; checks that the newest release is the
# version block's.
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/../res/releases.txt" _lines ENCODING UTF-8)
set(TREMLET_RELEASES_XML "")
set(_open FALSE)
set(_newest "")
foreach(_line IN LISTS _lines)
  if(_line MATCHES "^#")
    continue()
  elseif(_line MATCHES "^([0-9.]+) ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")
    if(_open)
      string(APPEND TREMLET_RELEASES_XML "      </description>\n    </release>\n")
    endif()
    if(NOT _newest)
      set(_newest "${CMAKE_MATCH_1}")
      set(TREMLET_RELEASE_DATE "${CMAKE_MATCH_2}")
    endif()
    string(APPEND TREMLET_RELEASES_XML
           "    <release version=\"${CMAKE_MATCH_1}\" date=\"${CMAKE_MATCH_2}\">\n"
           "      <description>\n")
    set(_open TRUE)
  elseif(_line STREQUAL "")
    continue()
  elseif(_open)
    string(REPLACE "&" "&amp;" _text "${_line}")
    string(REPLACE "<" "&lt;" _text "${_text}")
    string(APPEND TREMLET_RELEASES_XML "        <p>${_text}</p>\n")
  endif()
endforeach()
if(_open)
  string(APPEND TREMLET_RELEASES_XML "      </description>\n    </release>")
endif()
if(NOT _newest STREQUAL TREMLET_VB_FILEVERSION)
  message(FATAL_ERROR "res/releases.txt: the newest release is '${_newest}', "
                      "the version block's version is '${TREMLET_VB_FILEVERSION}'")
endif()
