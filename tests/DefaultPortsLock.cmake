# Read by CTest after the discovered test lists: the tests that run lumora-sim on its default
# profile's fixed ports (18400-18407, 18443) share one lock, so no two of them overlap.
foreach(_test IN LISTS tests_x11_TESTS)
  if(_test MATCHES "^LauncherX11Test\\.")
    set_tests_properties("${_test}" PROPERTIES RESOURCE_LOCK lumora_default_sim_ports)
  endif()
endforeach()
