# Printing the results window, from one program run twice: on a private print
# server whose default queue writes PDFs, and with no print server at all.
#
# golexorb_add_test makes one entry that runs every test function, so the
# program and its two entries are declared here.
add_executable(tst_print tst_print.cpp uitest.h)
target_link_libraries(tst_print PRIVATE Qt6::Test golexorb_warnings
  golexorb_ui golexorb_resources Qt6::Widgets Qt6::PrintSupport)

# The server's working folder holds its socket, whose path must stay short,
# and must be reachable by the lp user, unlike many build folders: /tmp, one
# per build folder.
string(MD5 _print_hash "${CMAKE_CURRENT_BINARY_DIR}")
string(SUBSTRING "${_print_hash}" 0 12 _print_hash)
set(GOLEXORB_PRINT_STATE "${CMAKE_CURRENT_BINARY_DIR}/print-server")
set(GOLEXORB_PRINT_RUNTIME "/tmp/golexorb-print-${_print_hash}")
set(_print_server "${PROJECT_SOURCE_DIR}/scripts/print-server")

add_test(NAME print_server_start
  COMMAND ${_print_server} start ${GOLEXORB_PRINT_STATE} ${GOLEXORB_PRINT_RUNTIME})
add_test(NAME print_server_stop
  COMMAND ${_print_server} stop ${GOLEXORB_PRINT_STATE} ${GOLEXORB_PRINT_RUNTIME})
set_tests_properties(print_server_start PROPERTIES FIXTURES_SETUP print_server TIMEOUT 60)
set_tests_properties(print_server_stop PROPERTIES FIXTURES_CLEANUP print_server TIMEOUT 60)

set(_print_env "QT_QPA_PLATFORM=offscreen")
# A printer named in these would be taken as the default instead.
set(_print_env_unset "PRINTER=unset:" "LPDEST=unset:")

add_test(NAME tst_print_pdf COMMAND tst_print printsToPdf)
# Without a print server (not root, say) the function skips: CTest says so.
set_tests_properties(tst_print_pdf PROPERTIES
  SKIP_REGULAR_EXPRESSION "Totals: [0-9]+ passed, 0 failed, [1-9][0-9]* skipped"
  FIXTURES_REQUIRED print_server
  RESOURCE_LOCK golexorb_printer
  TIMEOUT 180
  ENVIRONMENT "${_print_env};CUPS_SERVER=${GOLEXORB_PRINT_RUNTIME}/cups.sock;GOLEXORB_PRINT_STATE=${GOLEXORB_PRINT_STATE}"
  ENVIRONMENT_MODIFICATION "${_print_env_unset}")

add_test(NAME tst_print_none COMMAND tst_print noPrinter)
set_tests_properties(tst_print_none PROPERTIES
  TIMEOUT 60
  ENVIRONMENT "${_print_env};CUPS_SERVER=/nonexistent/cups.sock"
  ENVIRONMENT_MODIFICATION "${_print_env_unset}")
