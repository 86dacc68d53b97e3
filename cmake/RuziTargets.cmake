# Source selection by file name: foo_win32.cpp builds only for Windows, foo_posix.cpp only natively.
function(ruzi_filter_platform_sources out_var)
  set(kept "")
  foreach(source IN LISTS ARGN)
    get_filename_component(name ${source} NAME_WE)
    if(name MATCHES "_win32(_test)?$" AND NOT WIN32)
      continue()
    endif()
    if(name MATCHES "_posix(_test)?$" AND WIN32)
      continue()
    endif()
    list(APPEND kept ${source})
  endforeach()
  set(${out_var} ${kept} PARENT_SCOPE)
endfunction()

# Libraries every Windows module of ours may call.
set(RUZI_WIN32_LIBS ws2_32 iphlpapi user32 gdi32 msimg32 comctl32 comdlg32 advapi32 shell32 ole32
    oleaut32 uuid)

# Moves the sources of list `from` whose path matches `pattern` into list `into`.
function(ruzi_take_sources from into pattern)
  set(taken ${${from}})
  set(rest ${${from}})
  if(taken)
    list(FILTER taken INCLUDE REGEX "${pattern}")
    list(FILTER rest EXCLUDE REGEX "${pattern}")
  endif()
  set(${from} ${rest} PARENT_SCOPE)
  set(${into} ${taken} PARENT_SCOPE)
endfunction()
