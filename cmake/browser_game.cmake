# The browser build: the game's own main and shell with the browser's
# platform table, linked by emscripten into vellmora.js and vellmora.wasm,
# with a native build's run directory packed beside them as vellmora.data.
set(PROWLGRID_WEB_DATA "" CACHE PATH "the run directory to pack: a native build's game/")
if(NOT EXISTS "${PROWLGRID_WEB_DATA}/init.txt")
  message(FATAL_ERROR "PROWLGRID_WEB_DATA is '${PROWLGRID_WEB_DATA}', not a run directory")
endif()
file(GLOB_RECURSE WEB_DATA_FILES CONFIGURE_DEPENDS ${PROWLGRID_WEB_DATA}/*)

add_executable(vellmora src/shell/main.cpp)
# The page decides how big the frame is shown; the choice is never read.
target_compile_definitions(vellmora PRIVATE PROWLGRID_FULL_SCREEN=false)
target_link_libraries(vellmora PRIVATE prowlgrid_shell)
target_link_options(vellmora PRIVATE
  # Every wait of the game hands the browser a frame and comes back.
  -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536
  # The page starts each game itself and learns from main's result how it ended.
  -sMODULARIZE -sEXPORT_NAME=createVellmora -sINVOKE_RUN=0
  -sEXPORTED_FUNCTIONS=_main -sEXPORTED_RUNTIME_METHODS=ccall
  -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH
  "SHELL:--preload-file ${PROWLGRID_WEB_DATA}@/")
set_target_properties(vellmora PROPERTIES SUFFIX .js LINK_DEPENDS "${WEB_DATA_FILES}")
