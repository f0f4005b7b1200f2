# SPDX-License-Identifier: GPL-3.0-or-later
# Qt for a target, always with the same settings: the version Debian 12 ships, no
# deprecated API, and no Qt keywords (signals, slots, emit) leaking into our names.
function(tremlet_use_qt target scope)
  find_package(Qt6 6.4 REQUIRED COMPONENTS ${ARGN})
  foreach(component IN LISTS ARGN)
    target_link_libraries(${target} ${scope} Qt6::${component})
  endforeach()
  target_compile_definitions(${target} PRIVATE QT_DISABLE_DEPRECATED_BEFORE=0x060400 QT_NO_KEYWORDS)
endfunction()
