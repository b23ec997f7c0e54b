# Static checks of the 32-bit release exe. It cannot run on the build machine,
# so these tests read its header, imports and resources with binutils instead.
# One CTest test per check, so a failure names what broke.
set(PE_CHECK_OBJDUMP ${CMAKE_OBJDUMP})
if(NOT PE_CHECK_OBJDUMP)
  set(PE_CHECK_OBJDUMP i686-w64-mingw32-objdump)
endif()

foreach(check format imports resources version manifest)
  add_test(NAME pe.${check}
    COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/check_pe.sh $<TARGET_FILE:Blinkward> ${check})
  set_tests_properties(pe.${check} PROPERTIES
    ENVIRONMENT "OBJDUMP=${PE_CHECK_OBJDUMP}"
    FAIL_REGULAR_EXPRESSION "FAIL - "
    TIMEOUT 60)
endforeach()
