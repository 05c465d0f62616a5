# lumora_pkg_check_modules(<prefix> <module>...)
# pkg_check_modules(<prefix> IMPORTED_TARGET <module>...), required: when a module is missing, or a module that
# one of them requires, configuring stops with the Debian package to install, not only the module's name.

# The Debian package of each pkg-config module the build asks for, and of every module those require.
# scripts/check-deps keeps this table in step with dpkg.
set(LUMORA_PKG_CONFIG_PACKAGES
  sqlite3=libsqlite3-dev
  libmodbus=libmodbus-dev
  libmosquitto=libmosquitto-dev
  Qt5Qwt6=libqwt-qt5-dev
  Qt5Core=qtbase5-dev
  Qt5Gui=qtbase5-dev
  Qt5Widgets=qtbase5-dev
  Qt5Concurrent=qtbase5-dev
  Qt5PrintSupport=qtbase5-dev
  Qt5Svg=libqt5svg5-dev
  Qt5OpenGL=libqt5opengl5-dev)

# A macro: pkg_check_modules sets the <prefix>_* variables in the caller's scope.
macro(lumora_pkg_check_modules prefix)
  pkg_check_modules(${prefix} IMPORTED_TARGET ${ARGN})
  if(NOT ${prefix}_FOUND)
    lumora_pkg_config_failure(${ARGN})
  endif()
endmacro()

# Stops with one line for each module that pkg-config cannot find, naming its Debian package.
function(lumora_pkg_config_failure)
  execute_process(COMMAND ${PKG_CONFIG_EXECUTABLE} --exists --print-errors ${ARGN}
    OUTPUT_VARIABLE errors ERROR_VARIABLE errors)
  string(REGEX MATCHALL "Package '[^']+', required by '[^']+', not found" missing "${errors}")
  list(REMOVE_DUPLICATES missing)
  if(NOT missing)
    message(FATAL_ERROR "pkg-config cannot use ${ARGN}:\n${errors}")
  endif()
  set(text "")
  foreach(line IN LISTS missing)
    string(REGEX REPLACE "Package '([^']+)', required by '([^']+)'.*" "\\1" module "${line}")
    string(REGEX REPLACE "Package '([^']+)', required by '([^']+)'.*" "\\2" requiredBy "${line}")
    set(what "pkg-config module ${module}")
    if(NOT requiredBy STREQUAL "virtual:world")
      string(APPEND what " (required by ${requiredBy})")
    endif()
    set(package "")
    foreach(entry IN LISTS LUMORA_PKG_CONFIG_PACKAGES)
      string(REPLACE "=" ";" pair "${entry}")
      list(GET pair 0 name)
      if(name STREQUAL module)
        list(GET pair 1 package)
      endif()
    endforeach()
    if(package)
      string(APPEND text "${what} is missing: install the Debian package ${package}"
        " (apt-get install --no-install-recommends ${package})\n")
    else()
      string(APPEND text "${what} is missing, and no Debian package is known for it:"
        " add it to LUMORA_PKG_CONFIG_PACKAGES in cmake/LumoraPkgConfig.cmake and to scripts/debian-packages\n")
    endif()
  endforeach()
  message(FATAL_ERROR "${text}")
endfunction()
