# SPDX-License-Identifier: GPL-3.0-or-later
# Reads res/version_block.txt (KEY=VALUE lines) into TREMLET_VB_<KEY> variables, so that
# the program's version block and its desktop files say the same thing.
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/../res/version_block.txt" _tremlet_vb_lines
     REGEX "^[A-Za-z]+=" ENCODING UTF-8)
foreach(_line IN LISTS _tremlet_vb_lines)
  string(FIND "${_line}" "=" _equals)
  string(SUBSTRING "${_line}" 0 ${_equals} _key)
  math(EXPR _start "${_equals} + 1")
  string(SUBSTRING "${_line}" ${_start} -1 _value)
  set(TREMLET_VB_${_key} "${_value}")
endforeach()
