# Fails when the executable EXE imports a DLL outside the system's KnownDLLs
# list. Windows maps those from the system folder only, so no DLL planted
# beside the program can stand in for one at load time.
#   cmake -DOBJDUMP=... -DEXE=... -P check_imports.cmake
cmake_minimum_required(VERSION 3.20)
set(known_dlls
  advapi32.dll clbcatq.dll combase.dll comdlg32.dll coml2.dll difxapi.dll gdi32.dll gdiplus.dll imagehlp.dll
  imm32.dll kernel32.dll msctf.dll msvcrt.dll normaliz.dll nsi.dll ole32.dll oleaut32.dll psapi.dll rpcrt4.dll
  sechost.dll setupapi.dll shcore.dll shell32.dll shlwapi.dll user32.dll wldap32.dll ws2_32.dll)

execute_process(COMMAND "${OBJDUMP}" -p "${EXE}" OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "objdump could not read ${EXE}")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
if(NOT imports)
  message(FATAL_ERROR "${EXE} shows no imported DLLs; objdump's output was not understood")
endif()
foreach(line IN LISTS imports)
  string(REGEX REPLACE "DLL Name: " "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST known_dlls)
    message(FATAL_ERROR "${EXE} imports ${dll}, which is not among the KnownDLLs: a copy planted beside it would "
                        "be loaded with the program's rights")
  endif()
endforeach()
