# The Windows installer, dist/VelmoImageRecovery-Setup-<version>.exe, made by
# makensis from VelmoImageRecovery.nsi with the project version. Included once
# every program it packs is defined: a program missing from the build stops
# the configuration instead of leaving the installer without it.

set(velmo_installed_programs VelmoRecovery Pelloc Gandry velmo-extract)

find_program(VELMO_MAKENSIS makensis REQUIRED)

# makensis packs copies dated at the commit's time (stage-packed-files.sh).
set(velmo_packed_dir ${CMAKE_BINARY_DIR}/installer/packed)
set(velmo_packed_files "")
set(velmo_install_lines "")
set(velmo_remove_lines "")
foreach(program IN LISTS velmo_installed_programs)
  if(NOT TARGET ${program})
    message(FATAL_ERROR "The installer packs ${program}.exe, but no target of the build makes it.")
  endif()
  list(APPEND velmo_packed_files $<TARGET_FILE:${program}>)
  string(APPEND velmo_install_lines "  File \"${velmo_packed_dir}/$<TARGET_FILE_NAME:${program}>\"\n")
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

# The time every packed file carries, looked up at each build: a new commit
# changes it without changing any program. The file changes only with the
# time, and then the installer is made again.
set(velmo_epoch_file ${CMAKE_BINARY_DIR}/installer/source-date-epoch)
add_custom_target(velmo_source_date_epoch
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/source-date-epoch.sh ${PROJECT_SOURCE_DIR} ${velmo_epoch_file}
  BYPRODUCTS ${velmo_epoch_file}
  VERBATIM)

add_custom_command(OUTPUT ${VELMO_INSTALLER}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_SOURCE_DIR}/dist
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/stage-packed-files.sh ${velmo_epoch_file} ${velmo_packed_dir}
    ${velmo_packed_files} $<TARGET_FILE:velmo-setup>
  COMMAND ${VELMO_MAKENSIS} -V2 -INPUTCHARSET UTF8
    -DVERSION=${PROJECT_VERSION}
    -DVERSION_QUAD=${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0
    -DPROGRAMS_NSH=${velmo_programs_nsh}
    -DVELMO_SETUP=${velmo_packed_dir}/$<TARGET_FILE_NAME:velmo-setup>
    -DICON=${velmo_icon}
    -DOUTFILE=${VELMO_INSTALLER}
    ${velmo_nsi}
  # Target names: each program is built first, and a rebuilt one remakes the installer.
  DEPENDS ${velmo_installed_programs} velmo-setup ${velmo_epoch_file}
    ${velmo_nsi} ${CMAKE_CURRENT_LIST_DIR}/InstallerTexts.nsh ${velmo_programs_nsh} ${velmo_icon}
    ${CMAKE_CURRENT_LIST_DIR}/stage-packed-files.sh
  COMMENT "Making the installer ${VELMO_INSTALLER}"
  VERBATIM)
add_custom_target(installer ALL DEPENDS ${VELMO_INSTALLER})
add_dependencies(installer velmo_source_date_epoch)
