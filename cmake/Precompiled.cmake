# Every file of the Windows layer parses the same large system headers, and every test file
# GoogleTest's, which costs more than compiling the file itself: each target precompiles
# them once for all its files. Portable code gets none of the Windows headers, so that it
# still cannot use Windows without saying so.
function(kx_precompile_windows_headers target)
  target_precompile_headers(${target} PRIVATE <windows.h> <ole2.h> <olectl.h> <ocidl.h> <string> <vector>)
endfunction()
