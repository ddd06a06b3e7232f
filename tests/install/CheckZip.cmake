# The portable zip holds the program, its guide and the empty settings file that keeps it
# portable, side by side, and nothing else.
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${ZIP} OUTPUT_VARIABLE listing
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot read ${ZIP}")
endif()
string(STRIP "${listing}" listing)
string(REPLACE "\n" ";" entries "${listing}")
list(SORT entries)
if(NOT entries STREQUAL "Brisalto.exe;Brisalto.html;Brisalto.ini")
    message(FATAL_ERROR "${ZIP} holds: ${entries}")
endif()
