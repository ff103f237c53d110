# Where the installed program finds its data, and where the chart faces come from.
include(GNUInstallDirs)
set(TESSARO_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tessaro)
# Relative to the program, so an install under any prefix finds its own pictures.
file(RELATIVE_PATH TESSARO_DATA_FROM_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/tessaro)
set(TESSARO_SYSTEM_FONT_DIR /usr/share/fonts/truetype/liberation2 CACHE PATH
    "Folder of the system's LiberationSans-Regular.ttf and LiberationSans-Bold.ttf")
option(TESSARO_EMBED_FONTS
       "Build a copy of Liberation Sans into the program, for systems without the font files" ON)

set_property(SOURCE platform/datafiles.cpp APPEND PROPERTY COMPILE_DEFINITIONS
             TESSARO_DATA_FROM_PROGRAM="${TESSARO_DATA_FROM_PROGRAM}"
             TESSARO_SYSTEM_FONT_DIR="${TESSARO_SYSTEM_FONT_DIR}")
if(TESSARO_EMBED_FONTS)
  target_sources(tessaro_platform PRIVATE ${PROJECT_SOURCE_DIR}/assets/fonts.qrc)
  set_property(SOURCE platform/datafiles.cpp APPEND PROPERTY COMPILE_DEFINITIONS
               TESSARO_EMBED_FONTS)
endif()
