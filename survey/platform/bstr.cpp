// OLE Automation strings. On Windows the system's oleaut32 serves; elsewhere this
// file provides the same memory layout.
#include "bstr.h"

#include <cstdlib>
#include <cstring>

namespace survey::platform {

BSTR new_string(std::string_view text) {
  return SysAllocStringByteLen(text.data(), static_cast<uint32_t>(text.size()));
}

}  // namespace survey::platform

#if !defined(_WIN32)

namespace {

// Layout: [uint32 byte length][bytes][two NUL bytes]; the BSTR points at the bytes.
BSTR allocate(const void* src, uint32_t bytes) {
  auto* block = static_cast<unsigned char*>(std::malloc(sizeof(uint32_t) + std::size_t{bytes} + 2));
  if (block == nullptr) return nullptr;
  std::memcpy(block, &bytes, sizeof bytes);
  unsigned char* text = block + sizeof(uint32_t);
  if (src != nullptr)
    std::memcpy(text, src, bytes);
  else
    std::memset(text, 0, bytes);
  text[bytes] = 0;
  text[bytes + 1] = 0;
  return reinterpret_cast<BSTR>(text);
}

unsigned char* block_of(BSTR s) { return reinterpret_cast<unsigned char*>(s) - sizeof(uint32_t); }

}  // namespace

extern "C" {

BSTR SysAllocStringByteLen(const char* psz, uint32_t len) { return allocate(psz, len); }

BSTR SysAllocStringLen(const OLECHAR* s, uint32_t len) {
  if (len > (UINT32_MAX - 8) / 2) return nullptr;
  return allocate(s, len * 2);
}

int32_t SysReAllocString(BSTR* pbstr, const OLECHAR* s) {
  uint32_t len = 0;
  if (s != nullptr)
    while (s[len] != 0) ++len;
  BSTR fresh = allocate(s, len * 2);
  if (fresh == nullptr) return 0;
  SysFreeString(*pbstr);
  *pbstr = fresh;
  return 1;
}

uint32_t SysStringByteLen(BSTR s) {
  if (s == nullptr) return 0;
  uint32_t bytes;
  std::memcpy(&bytes, block_of(s), sizeof bytes);
  return bytes;
}

void SysFreeString(BSTR s) {
  if (s != nullptr) std::free(block_of(s));
}

}  // extern "C"

#endif
