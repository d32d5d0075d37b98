# The Windows installer (NSIS) and the portable zip: quorvel.exe with the DLLs and Qt plugins it
# loads, all in the one folder, and the licence.

# Qt finds its plugins in these folders beside the program: the platform plugin that talks to
# Windows, and the styles that draw the controls as Windows itself does (windowsvista, and
# windows11, which Qt picks on Windows 11).
set(QUORVEL_QT_PLUGINS platforms/qwindows styles/qmodernwindowsstyle)
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin_dir "${qt_core_dll}" DIRECTORY)
get_filename_component(qt_prefix "${qt_bin_dir}" DIRECTORY)
set(plugin_files)
foreach(plugin IN LISTS QUORVEL_QT_PLUGINS)
    get_filename_component(folder ${plugin} DIRECTORY)
    install(FILES ${qt_prefix}/plugins/${plugin}.dll DESTINATION ${folder})
    list(APPEND plugin_files ${qt_prefix}/plugins/${plugin}.dll)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

# The DLLs that the program and the plugins load: Qt's own and the compiler's runtime. Then
# everything shipped is stripped of its symbols, which users do not need.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE runtime_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(runtime_dir "${runtime_dll}" DIRECTORY)
install(CODE "
    set(QUORVEL_BINARIES \"$<TARGET_FILE:quorvel>;${plugin_files}\")
    set(QUORVEL_DLL_DIRS \"${qt_bin_dir};${runtime_dir};/usr/x86_64-w64-mingw32/lib\")
    set(QUORVEL_OBJDUMP ${CMAKE_OBJDUMP})
    include(${CMAKE_CURRENT_SOURCE_DIR}/windows_dlls.cmake)
    if(CMAKE_INSTALL_DO_STRIP)
        file(GLOB_RECURSE shipped \${CMAKE_INSTALL_PREFIX}/*.dll \${CMAKE_INSTALL_PREFIX}/*.exe)
        execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded \${shipped}
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()")

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Quorvel)
set(CPACK_PACKAGE_VENDOR "${QUORVEL_VENDOR}")
set(CPACK_PACKAGE_VERSION ${QUORVEL_PRODUCT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Quorvel-${QUORVEL_PRODUCT_VERSION}-win64)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quorvel)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Quorvel)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_EXECUTABLES quorvel Quorvel)
set(CPACK_STRIP_FILES ON)

set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_DISPLAY_NAME Quorvel)
set(CPACK_NSIS_PACKAGE_NAME Quorvel)
set(CPACK_NSIS_MUI_ICON ${PROJECT_BINARY_DIR}/icons/quorvel.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_BINARY_DIR}/icons/quorvel.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME quorvel.exe)
set(CPACK_NSIS_URL_INFO_ABOUT https://www.quorvel.example)
set(CPACK_NSIS_CONTACT "packages@quorvel.example")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_MUI_FINISHPAGE_RUN quorvel.exe)
set(CPACK_VERBATIM_VARIABLES ON)
# The installer's version resource, which the uninstaller it writes carries too. The installer
# keeps its folder under a key named after the vendor; the uninstaller removes that key but would
# leave its parent, the vendor's, empty behind.
string(CONCAT CPACK_NSIS_DEFINES
       "  !include FileFunc.nsh\n"
       "  VIProductVersion ${PROJECT_VERSION}\n"
       "  VIFileVersion ${PROJECT_VERSION}\n"
       "  VIAddVersionKey ProductName Quorvel\n"
       "  VIAddVersionKey CompanyName \"${QUORVEL_VENDOR}\"\n"
       "  VIAddVersionKey LegalCopyright \"${QUORVEL_LEGAL_COPYRIGHT}\"\n"
       "  VIAddVersionKey FileDescription \"Quorvel ${QUORVEL_PRODUCT_VERSION} Setup\"\n"
       "  VIAddVersionKey FileVersion ${QUORVEL_PRODUCT_VERSION}\n"
       "  VIAddVersionKey ProductVersion ${QUORVEL_PRODUCT_VERSION}\n"
       "Function un.onUninstSuccess\n"
       "  DeleteRegKey /ifempty SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\"\n"
       "FunctionEnd")
# Settings > Apps shows the size of what was installed, in KiB.
string(CONCAT CPACK_NSIS_EXTRA_INSTALL_COMMANDS
       "  \${GetSize} \"$INSTDIR\" \"/S=0K\" $0 $1 $2\n"
       "  WriteRegDWORD SHCTX \"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
       "${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}\" EstimatedSize $0")

# CPack's own installer script, changed where Windows expects otherwise of a 64-bit program: its
# registry entries, Settings > Apps' among them, go to the 64-bit view of the registry, where
# Windows looks for them first, and the Start menu gets the program alone, without an Uninstall
# shortcut (Settings > Apps uninstalls). CPack looks for its script on the module path first.
set(template ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in)
file(READ ${template} script)
set(edits
    "  CreateShortCut \"$SMPROGRAMS\\$STARTMENU_FOLDER\\Uninstall.lnk\" \"$INSTDIR\\@CPACK_NSIS_UNINSTALL_NAME@.exe\"\n"
    ""
    "Function .onInit\n" "Function .onInit\n  SetRegView 64\n"
    "Function un.onInit\n" "Function un.onInit\n  SetRegView 64\n")
while(edits)
    list(POP_FRONT edits from to)
    string(FIND "${script}" "${from}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${template} has changed: no '${from}' in it")
    endif()
    string(REPLACE "${from}" "${to}" script "${script}")
endwhile()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/nsis/NSIS.template.in "${script}")
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_BINARY_DIR}/nsis)

include(CPack)
