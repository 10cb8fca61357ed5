# Returns to the caller with the stack pointer 16 bytes higher than a correct return.
    .text
    .globl SkinH_Attach_Ex
SkinH_Attach_Ex:
    popq %rax
    addq $16, %rsp
    jmpq *%rax
    .section .drectve
    .ascii " -export:SkinH_Attach_Ex"
