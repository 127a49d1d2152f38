# What the Windows cross build adds: the POSIX-only sources of the game are left out and the
# Windows ones put in their place, and programs built here run under wine through a small
# wrapper, so that CTest can run the tests on this machine.
set(FARROWMEDE_POSIX_ONLY_SOURCES
    ${PROJECT_SOURCE_DIR}/src/platform/fd_io.cpp
    ${PROJECT_SOURCE_DIR}/src/platform/standard_console.cpp
    ${PROJECT_SOURCE_DIR}/src/platform/terminal_console.cpp
    ${PROJECT_SOURCE_DIR}/src/platform/terminal_guard.cpp
    ${PROJECT_SOURCE_DIR}/src/platform/wall_clock.cpp
    ${PROJECT_SOURCE_DIR}/src/save/system_file_ops.cpp)
file(GLOB FARROWMEDE_WINDOWS_PLATFORM_SOURCES CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/platform/windows/*.cpp)
file(GLOB FARROWMEDE_WINDOWS_SAVE_SOURCES CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/save/windows/*.cpp)

if(CMAKE_CROSSCOMPILING)
  find_program(FARROWMEDE_WINE NAMES wine wine64 PATHS /usr/lib/wine)
  if(FARROWMEDE_WINE)
    set(FARROWMEDE_WINEPREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
  else()
    message(WARNING "wine not found: the Windows programs build, but CTest cannot run them")
  endif()
endif()
