#include "shell/help_file.h"

#include <cstring>
#include <fstream>

// The storage interface of itss.dll, in the order of its published definition (the first
// slots, up to the one used). Declared outside an unnamed namespace: the compiler must not
// conclude that nothing implements it.
struct IITStorage : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE StgCreateDocfile(const WCHAR*, DWORD, DWORD, IStorage**) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgCreateDocfileOnILockBytes(ILockBytes*, DWORD, DWORD, IStorage**) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgIsStorageFile(const WCHAR*) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgIsStorageILockBytes(ILockBytes*) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgOpenStorage(const WCHAR*, IStorage*, DWORD, SNB, DWORD, IStorage**) = 0;
};

namespace tav::test {
namespace {

const CLSID kClsidItStorage = {0x5d02926a, 0x212e, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};
const IID kIidItStorage = {0x88cc31de, 0x27ab, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};

std::wstring wide(const std::string& text) {
  std::wstring result(text.size(), L'\0');
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(),
                                         static_cast<int>(result.size()));
  result.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  return result;
}

}  // namespace

HelpFile::HelpFile(const std::string& path) : path_(path) {
  com_ = SUCCEEDED(CoInitialize(nullptr));
  IITStorage* factory = nullptr;
  if (FAILED(CoCreateInstance(kClsidItStorage, nullptr, CLSCTX_INPROC_SERVER, kIidItStorage,
                              reinterpret_cast<void**>(&factory))))
    return;
  if (FAILED(factory->StgOpenStorage(wide(path).c_str(), nullptr, STGM_READ | STGM_SHARE_DENY_WRITE, nullptr, 0,
                                     &storage_)))
    storage_ = nullptr;
  factory->Release();
}

HelpFile::~HelpFile() {
  if (storage_) storage_->Release();
  if (com_) CoUninitialize();
}

std::optional<std::string> HelpFile::read(const std::string& name) const {
  if (!storage_) return std::nullopt;
  IStream* stream = nullptr;
  if (FAILED(storage_->OpenStream(wide(name).c_str(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &stream)))
    return std::nullopt;
  std::string bytes;
  char buffer[4096];
  ULONG count = 0;
  while (SUCCEEDED(stream->Read(buffer, sizeof buffer, &count)) && count > 0) bytes.append(buffer, count);
  stream->Release();
  return bytes;
}

std::string HelpFile::default_topic() const {
  // #SYSTEM: a format version, then entries of a 16-bit code, a 16-bit length and the data;
  // code 2 holds the default topic as a terminated text.
  const std::string system = read("/#SYSTEM").value_or("");
  std::size_t at = 4;
  while (at + 4 <= system.size()) {
    WORD code = 0, length = 0;
    std::memcpy(&code, system.data() + at, 2);
    std::memcpy(&length, system.data() + at + 2, 2);
    at += 4;
    if (at + length > system.size()) break;
    if (code == 2) return std::string(system.c_str() + at);
    at += length;
  }
  return {};
}

bool has_compiled_help_header(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char header[8] = {};
  if (!in.read(header, sizeof header)) return false;
  DWORD version = 0;
  std::memcpy(&version, header + 4, 4);
  return std::memcmp(header, "ITSF", 4) == 0 && version == 3;
}

}  // namespace tav::test
