# The Windows installer, dist/VelmoImageRecovery-Setup-<version>.exe, made by
# makensis from VelmoImageRecovery.nsi with the project version. Included once
# every program it packs is defined: a program missing from the build stops
# the configuration instead of leaving the installer without it.

set(velmo_installed_programs VelmoRecovery Pelloc Gandry velmo-extract)

find_program(VELMO_MAKENSIS makensis REQUIRED)

set(velmo_install_lines "")
set(velmo_remove_lines "")
foreach(program IN LISTS velmo_installed_programs)
  if(NOT TARGET ${program})
    message(FATAL_ERROR "The installer packs ${program}.exe, but no target of the build makes it.")
  endif()
  string(APPEND velmo_install_lines "  File \"$<TARGET_FILE:${program}>\"\n")
  string(APPEND velmo_remove_lines "  Delete \"$INSTDIR\\$<TARGET_FILE_NAME:${program}>\"\n")
endforeach()

# The one list of programs, for the installer and its uninstaller alike.
set(velmo_programs_nsh ${CMAKE_BINARY_DIR}/installer/programs.nsh)
file(GENERATE OUTPUT ${velmo_programs_nsh} CONTENT
"!macro VelmoInstallPrograms
${velmo_install_lines}!macroend
!macro VelmoRemovePrograms
${velmo_remove_lines}!macroend
")

set(VELMO_INSTALLER
  ${PROJECT_SOURCE_DIR}/dist/VelmoImageRecovery-Setup-${PROJECT_VERSION}.exe)
set(velmo_nsi ${CMAKE_CURRENT_LIST_DIR}/VelmoImageRecovery.nsi)
set(velmo_icon ${PROJECT_SOURCE_DIR}/res/pictures/velmo.ico)

add_custom_command(OUTPUT ${VELMO_INSTALLER}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_SOURCE_DIR}/dist
  COMMAND ${VELMO_MAKENSIS} -V2 -INPUTCHARSET UTF8
    -DVERSION=${PROJECT_VERSION}
    -DVERSION_QUAD=${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0
    -DPROGRAMS_NSH=${velmo_programs_nsh}
    -DVELMO_SETUP=$<TARGET_FILE:velmo-setup>
    -DICON=${velmo_icon}
    -DOUTFILE=${VELMO_INSTALLER}
    ${velmo_nsi}
  # Target names: each program is built first, and a rebuilt one remakes the installer.
  DEPENDS ${velmo_installed_programs} velmo-setup
    ${velmo_nsi} ${CMAKE_CURRENT_LIST_DIR}/InstallerTexts.nsh ${velmo_programs_nsh} ${velmo_icon}
  COMMENT "Making the installer ${VELMO_INSTALLER}"
  VERBATIM)
add_custom_target(installer ALL DEPENDS ${VELMO_INSTALLER})
