# The release packages, which tools/release.sh makes with CPack from a build tree:
# the Windows build gives tarnhold-editor-<version>-windows-x64.zip, the Linux
# build tarnhold-editor_<version>_amd64.deb. Each holds both programs, the user
# guide and the notices of everything the programs carry: our own licence, GNU
# Unifont's (its glyphs are built into both), the JSON library's and the PNG
# writer's, and in the .exe files the mingw-w64 runtime's. The notices are the
# copyright files of the Debian packages the build takes these from.

# tools/release.sh builds exactly the two programs; packing must not build the
# rest of the tree first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

set(notices
  /usr/share/doc/unifont/copyright gnu-unifont.txt
  /usr/share/common-licenses/GPL-2 gpl-2.0.txt
  /usr/share/doc/nlohmann-json3-dev/copyright nlohmann-json.txt
  /usr/share/doc/libstb-dev/copyright stb.txt)
if(WIN32)
  list(APPEND notices /usr/share/doc/mingw-w64-x86-64-dev/copyright mingw-w64-runtime.txt)
  set(program_folder .)
  set(document_folder .)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${document_folder} RENAME LICENSE.txt)
else()
  include(GNUInstallDirs)
  set(program_folder ${CMAKE_INSTALL_BINDIR})
  set(document_folder ${CMAKE_INSTALL_DATADIR}/doc/tarnhold-editor)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${document_folder} RENAME copyright)
endif()

install(TARGETS tarnhold-editor tarnhold-level RUNTIME DESTINATION ${program_folder})
install(FILES ${PROJECT_SOURCE_DIR}/docs/user-guide.md DESTINATION ${document_folder} RENAME user-guide.txt)
while(notices)
  list(POP_FRONT notices file name)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "${file} is missing; the packages need it as the notice ${name}")
  endif()
  install(FILES ${file} DESTINATION ${document_folder}/notices RENAME ${name})
endwhile()

set(CPACK_PACKAGE_NAME tarnhold-editor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tarnhold level editor developers")
set(CPACK_PACKAGE_CONTACT "The Tarnhold level editor developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Map and mission editor for the levels of the game Tarnhold")
set(CPACK_PACKAGE_DESCRIPTION "The editor opens a level of Tarnhold, a pair of files Mnn.map and Mnn.edt,
shows it in a window it draws itself, Chinese interface included, and saves the
changes. tarnhold-level inspects, checks, converts to and from JSON, and draws
levels from the command line.")
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME tarnhold-editor-${PROJECT_VERSION}-windows-x64)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  # The dependencies (SDL2, the C and C++ libraries) come from the programs
  # themselves, through dpkg-shlibdeps.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_STRIP_FILES ON)
endif()
include(CPack)

# ./test packs both build folders and checks what it gets.
if(NOT WIN32)
  add_test(NAME packages COMMAND bash ${PROJECT_SOURCE_DIR}/tests/release/packages_test.sh
           ${CMAKE_BINARY_DIR} ${TARNHOLD_WINDOWS_BUILD} ${PROJECT_VERSION})
  set_tests_properties(packages PROPERTIES LABELS package SKIP_RETURN_CODE 77)
endif()
