# SPDX-License-Identifier: GPL-3.0-or-later
# Removes an installed Krellmont: cmake -DBUILD_DIR=build -DPREFIX=/usr/local -P uninstall.cmake
# (DESTDIR from the environment, as for the install). The file list comes from a fresh
# install into a scratch folder, so it matches what this build installs whether or not an
# earlier install's manifest is still around.
if(NOT BUILD_DIR OR NOT PREFIX)
    message(FATAL_ERROR "usage: cmake -DBUILD_DIR=<build> -DPREFIX=<prefix> -P uninstall.cmake")
endif()
set(scratch ${BUILD_DIR}/uninstall-scratch)
file(REMOVE_RECURSE ${scratch})
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DESTDIR
            ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${scratch}
    OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot list the installed files from ${BUILD_DIR}")
endif()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${scratch} ${scratch}/*)
file(REMOVE_RECURSE ${scratch})

set(root "$ENV{DESTDIR}${PREFIX}")
set(ownFolders)
foreach(file IN LISTS installed)
    if(EXISTS "${root}/${file}" OR IS_SYMLINK "${root}/${file}")
        message(STATUS "Removing ${root}/${file}")
        file(REMOVE "${root}/${file}")
    endif()
    # Folders named after the game are ours alone; shared ones (bin, the icon theme) stay.
    if(file MATCHES "^(.*/krellmont)/")
        list(APPEND ownFolders ${CMAKE_MATCH_1})
    endif()
endforeach()
list(REMOVE_DUPLICATES ownFolders)
foreach(folder IN LISTS ownFolders)
    file(GLOB_RECURSE left "${root}/${folder}/*")
    if(NOT left)
        file(REMOVE_RECURSE "${root}/${folder}")
    endif()
endforeach()
