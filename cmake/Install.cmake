# Where `cmake --install` puts things. The programs find their data files beside
# their own executable, so both executables and both data files live together in a
# private program directory, and bin/ holds relative links into it; the programs
# resolve their path through the link.
include(GNUInstallDirs)

# Not CMAKE_INSTALL_LIBDIR: with the /usr prefix that is the multiarch directory for
# shared libraries, and these are programs. lib/<package> is where Debian keeps a
# package's private programs, and it stays the same for every prefix.
set(WB_INSTALL_PRIVATE_DIR lib/woerterbuch CACHE STRING
    "Directory, relative to the prefix, that holds the programs and their data")
set(WB_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/woerterbuch)

# The application id names the metainfo, and the search service's bus name and object
# path derive from it, so that the desktop ties them to the same program.
set(WB_APPLICATION_ID org.example.woerterbuch)
set(WB_SEARCH_BUS_NAME ${WB_APPLICATION_ID}.SearchProvider)
string(REPLACE . / WB_APPLICATION_PATH ${WB_APPLICATION_ID})
set(WB_SEARCH_OBJECT_PATH /${WB_APPLICATION_PATH}/SearchProvider)

# A restrictive umask at install time must not leave directories that only root can
# enter in a package.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# wb_install_program(TARGET): the executable into the private directory, and a
# relative link to it in bin/ (so the tree can be moved, and a package's staging
# directory holds the same link as the installed system).
function(wb_install_program target)
    install(TARGETS ${target} RUNTIME DESTINATION ${WB_INSTALL_PRIVATE_DIR})
    # A stripped install (the package's) also drops the toolchain's .comment notes, as
    # Debian's own packaging tools do; strip alone keeps them.
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${WB_INSTALL_PRIVATE_DIR}/${target}\"
                COMMAND_ERROR_IS_FATAL ANY)
        endif()")
    get_filename_component(privatedir ${WB_INSTALL_PRIVATE_DIR} ABSOLUTE
                           BASE_DIR ${CMAKE_INSTALL_PREFIX})
    file(RELATIVE_PATH target_path ${CMAKE_INSTALL_FULL_BINDIR} ${privatedir}/${target})
    set(link ${CMAKE_BINARY_DIR}/install-links/${target})
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)
    file(CREATE_LINK ${target_path} ${link} SYMBOLIC)
    # install(FILES) copies a link as a link, and lists it in the install manifest.
    install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
