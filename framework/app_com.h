// CDataFactory2: the application-communication object behind IDataFactory2.
#pragma once

#include <cstdint>
#include <map>

#include "qodata/exports.h"

class CDataFactory2 final : public IDataFactory2 {
 public:
  CDataFactory2() = default;
  CDataFactory2(const CDataFactory2&) = delete;
  CDataFactory2& operator=(const CDataFactory2&) = delete;

  HRESULT QODATA_COMCALL QueryInterface(REFIID iid, void** out) override;
  std::uint32_t QODATA_COMCALL AddRef() override;
  std::uint32_t QODATA_COMCALL Release() override;
  HRESULT QODATA_COMCALL GetVersion(std::uint32_t* version) override;
  std::int32_t QODATA_COMCALL CreateContainer(tagCONTAINER_DATATYPE code,
                                              IDataContainer** out) override;
  std::int32_t QODATA_COMCALL ReleaseContainer(tagCONTAINER_DATATYPE code,
                                               IDataContainer** inout) override;

 private:
  ~CDataFactory2() { register_.clear(); }

  std::uint32_t holders_ = 1;
  // Allocation register, as the data factory's: nothing fills or reads it.
  std::map<tagCONTAINER_DATATYPE, std::map<std::uint32_t, void*>*> register_;
};
