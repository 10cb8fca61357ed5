# uintptr_t tavrin_call_stdcall(uintptr_t address, const uintptr_t* args, uintptr_t count,
#                               uintptr_t* balanced)                  (Windows x64 convention)
# The x64 convention has one calling convention and the caller owns the argument area, so
# the check compares the stack pointer before and after all the same: a callee that returns
# with another one is reported instead of corrupting the caller.
    .text
    .globl tavrin_call_stdcall
tavrin_call_stdcall:
    pushq %rbp
    movq %rsp, %rbp
    pushq %rsi
    pushq %rdi
    pushq %rbx
    pushq %r12
    movq %rcx, %rbx           # address
    movq %rdx, %rsi           # args
    movq %r8, %rdi            # count
    movq %r9, %r12            # balanced
    # Argument area: at least four slots, 16-byte aligned at the call.
    movq %rdi, %rax
    cmpq $4, %rax
    jae 1f
    movq $4, %rax
1:  shlq $3, %rax
    addq $15, %rax
    andq $-16, %rax
    subq %rax, %rsp
    xorq %rcx, %rcx
2:  cmpq %rdi, %rcx
    jae 3f
    movq (%rsi,%rcx,8), %rax
    movq %rax, (%rsp,%rcx,8)
    incq %rcx
    jmp 2b
3:  movq 0(%rsp), %rcx
    movq 8(%rsp), %rdx
    movq 16(%rsp), %r8
    movq 24(%rsp), %r9
    movq %rsp, %rsi           # the stack pointer at the call, kept in a callee-saved register
    callq *%rbx
    xorq %rcx, %rcx
    cmpq %rsp, %rsi
    sete %cl
    movq %rcx, (%r12)
    leaq -32(%rbp), %rsp
    popq %r12
    popq %rbx
    popq %rdi
    popq %rsi
    popq %rbp
    ret
