// The four exported functions and the interface identifiers.
#include "framework/app_com.h"
#include "qodata/data_factory.h"

extern "C" {

const IID IID_IUnknown = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IApplicationCom = {
    0x5D150BD3, 0x57AE, 0x495B, {0x93, 0xA1, 0xAC, 0x98, 0xC3, 0x48, 0xF8, 0x5E}};
const IID IID_IDataFactory2 = {
    0x60EDCB28, 0x5649, 0x40DA, {0xBA, 0x9F, 0x44, 0x67, 0x55, 0x20, 0x41, 0x6D}};

HRESULT CreateDataFactoryInstance(IDataFactory** out) {
  if (out == nullptr) return E_FAIL;
  *out = new CDataFactory();
  return S_OK;
}

HRESULT FreeDataFactoryInstance(IDataFactory** inout) {
  if (inout == nullptr || *inout == nullptr) return E_FAIL;
  // Only a factory of this library can be freed here.
  auto* factory = dynamic_cast<CDataFactory*>(*inout);
  if (factory == nullptr) return E_FAIL;
  delete factory;
  *inout = nullptr;
  return S_OK;
}

HRESULT CreateAppComInstance(void** out) {
  auto* object = new CDataFactory2();
  const HRESULT result = object->QueryInterface(IID_IApplicationCom, out);
  // The construction holder is dropped once the caller holds its own, so that one
  // DestroyAppComInstance frees the object.
  object->Release();
  return result;
}

HRESULT DestroyAppComInstance(IApplicationCom** inout) {
  if (*inout == nullptr) return E_FAIL;
  (*inout)->Release();
  return S_OK;
}

}  // extern "C"
