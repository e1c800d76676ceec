# Compiles each snippet of DIR against the C++ interface: ok.cpp must compile without a
# warning as C++17 and C++20; every other one must fail with the message its "// expect:"
# line gives.
#   cmake -DCXX=compiler -DINCLUDE=dir -DDIR=dir -P compile_fail.cmake
file(GLOB snippets ${DIR}/*.cpp)
set(faults 0)
foreach(snippet ${snippets})
  get_filename_component(name ${snippet} NAME)
  file(STRINGS ${snippet} expect REGEX "^// expect: " LIMIT_COUNT 1)
  string(REGEX REPLACE "^// expect: " "" expect "${expect}")
  if(name STREQUAL "ok.cpp")
    foreach(std c++17 c++20)
      execute_process(COMMAND ${CXX} -std=${std} -fsyntax-only -Wall -Wextra -pedantic -Wconversion
                        -Wsign-conversion -Werror -I${INCLUDE} ${snippet}
                      RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
      if(NOT rc EQUAL 0)
        message("${name} (${std}) does not compile:\n${out}")
        math(EXPR faults "${faults} + 1")
      endif()
    endforeach()
  else()
    execute_process(COMMAND ${CXX} -std=c++17 -fsyntax-only -I${INCLUDE} ${snippet}
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    string(FIND "${out}" "${expect}" at)
    if(rc EQUAL 0)
      message("${name} compiles, but must not")
      math(EXPR faults "${faults} + 1")
    elseif(at EQUAL -1)
      message("${name} fails without saying \"${expect}\":\n${out}")
      math(EXPR faults "${faults} + 1")
    else()
      message("${name}: refused (${expect})")
    endif()
  endif()
endforeach()
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} compile checks failed")
endif()
