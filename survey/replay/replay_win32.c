/* The replay program's platform layer on 32-bit Windows: survey.dll bound with
 * LoadLibraryA/GetProcAddress, the system's oleaut32 strings, and the stack probe. */
#include <windows.h>
#include <oleauto.h>

#include "replay.h"

unsigned long rp_libm_calls;
unsigned long long rp_libm_used;
const char* rp_libm_name(int bit) {
  (void)bit;
  return NULL;
}

void* rp_bind(const char* name) {
  static HMODULE dll;
  if (dll == NULL) dll = LoadLibraryA("survey.dll");
  return dll ? (void*)GetProcAddress(dll, name) : NULL;
}
void* rp_new_bstr(const char* text, uint32_t bytes) { return SysAllocStringByteLen(text, bytes); }
uint32_t rp_bstr_bytes(void* s) { return SysStringByteLen((BSTR)s); }
void rp_free_bstr(void* s) { SysFreeString((BSTR)s); }

/* The probe: the caller calls rp_probe (through a pointer of the callee's declared
 * type), which takes the caller's return address off the stack, notes the stack
 * pointer (the first argument), and calls the callee with its own return point.
 * There it notes the stack pointer again, sets it to what the caller expects after
 * popping the declared byte count, and returns to the caller. */
void* rp_target;
unsigned long rp_return, rp_sp_entry, rp_sp_exit, rp_expect;

void rp_probe(void);
__asm__(
    ".text\n"
    ".globl _rp_probe\n"
    "_rp_probe:\n"
    "  popl _rp_return\n"
    "  movl %esp, _rp_sp_entry\n"
    "  call *_rp_target\n"
    "  movl %esp, _rp_sp_exit\n"
    "  movl _rp_sp_entry, %esp\n"
    "  addl _rp_expect, %esp\n"
    "  jmp *_rp_return\n");

void* rp_probe_enter(void* fn, int bytes) {
  rp_target = fn;
  rp_expect = (unsigned long)bytes;
  return (void*)rp_probe;
}

long rp_popped(int declared) {
  (void)declared;
  return (long)(rp_sp_exit - rp_sp_entry);
}
