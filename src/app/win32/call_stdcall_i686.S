# uintptr_t tavrin_call_stdcall(uintptr_t address, const uintptr_t* args, uintptr_t count,
#                               uintptr_t* balanced)                       (cdecl)
# Pushes the arguments right to left, calls the entry point with the standard convention
# (the callee removes its arguments) and reports whether the stack pointer came back where it
# was before the pushes. The stack is restored either way, so an unbalanced callee can be
# reported instead of corrupting the caller.
    .text
    .globl _tavrin_call_stdcall
_tavrin_call_stdcall:
    pushl %ebp
    movl %esp, %ebp
    pushl %esi
    pushl %edi
    pushl %ebx
    movl 12(%ebp), %esi
    movl 16(%ebp), %ecx
    movl %esp, %edi
1:  testl %ecx, %ecx
    jz 2f
    decl %ecx
    pushl (%esi,%ecx,4)
    jmp 1b
2:  call *8(%ebp)
    xorl %ecx, %ecx
    cmpl %esp, %edi
    sete %cl
    movl 20(%ebp), %edx
    movl %ecx, (%edx)
    movl %edi, %esp
    popl %ebx
    popl %edi
    popl %esi
    popl %ebp
    ret
