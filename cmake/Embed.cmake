# embed_file(<target> <symbol> <file>): carries <file> in <target> as a constant byte array,
# read by the assembler straight from disk (no conversion step, no copy at run time).
# C++ sees it as  extern "C" const unsigned char <symbol>[], <symbol>_end[];
function(embed_file target symbol file)
  set(asm ${CMAKE_CURRENT_BINARY_DIR}/embed/${symbol}.S)
  # 32-bit Windows names C symbols with a leading underscore; 64-bit Windows does not.
  set(_ "")
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(_ "_")
  endif()
  file(GENERATE OUTPUT ${asm} CONTENT
"    .section .rdata,\"dr\"
    .p2align 4
    .globl ${_}${symbol}
${_}${symbol}:
    .incbin \"${file}\"
    .globl ${_}${symbol}_end
${_}${symbol}_end:
")
  set_source_files_properties(${asm} PROPERTIES LANGUAGE ASM OBJECT_DEPENDS ${file} GENERATED TRUE)
  target_sources(${target} PRIVATE ${asm})
endfunction()
