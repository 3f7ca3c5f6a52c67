#include "framework/app_com.h"

#include <cstring>

#include "framework/catalogue.h"

namespace {

bool SameIid(const IID& a, const IID& b) { return std::memcmp(&a, &b, sizeof(IID)) == 0; }

}  // namespace

HRESULT CDataFactory2::QueryInterface(REFIID iid, void** out) {
  if (!SameIid(iid, IID_IUnknown) && !SameIid(iid, IID_IApplicationCom) &&
      !SameIid(iid, IID_IDataFactory2)) {
    return E_NOINTERFACE;
  }
  *out = static_cast<IDataFactory2*>(this);
  AddRef();
  return S_OK;
}

std::uint32_t CDataFactory2::AddRef() { return ++holders_; }

std::uint32_t CDataFactory2::Release() {
  const std::uint32_t left = --holders_;
  if (left == 0) delete this;
  return left;
}

HRESULT CDataFactory2::GetVersion(std::uint32_t* version) {
  *version = 0x01000001u;
  return S_OK;
}

std::int32_t CDataFactory2::CreateContainer(tagCONTAINER_DATATYPE code, IDataContainer** out) {
  if (out == nullptr) return 0;
  if (code == CONTAINER_USER_PROFILE_01 || code == CONTAINER_USER_PROFILE_02 || code < 1 ||
      code > 34) {
    *out = nullptr;
    return 0;
  }
  *out = qo::MakeContainer(code);
  return *out != nullptr ? 1 : 0;
}

std::int32_t CDataFactory2::ReleaseContainer(tagCONTAINER_DATATYPE, IDataContainer** inout) {
  if (inout == nullptr || *inout == nullptr) return 0;
  (*inout)->Release();
  return 1;
}
