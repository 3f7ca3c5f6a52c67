/// @file
/// CDataFactory: the data factory behind IDataFactory, also offered for direct construction.
#pragma once

#include <cstdint>
#include <map>

#include "qodata/exports.h"

/// The data factory, offered for direct construction; a client that constructs it destroys it
/// itself. Containers it made outlive it.
class QODATA_API CDataFactory final : public IDataFactory {
 public:
  CDataFactory();
  CDataFactory(const CDataFactory&) = delete;
  CDataFactory& operator=(const CDataFactory&) = delete;
  ~CDataFactory();

  std::int32_t CreateInstance(tagCONTAINER_DATATYPE code, IDataContainer** out) override;
  std::int32_t Copy(tagCONTAINER_DATATYPE code, IDataContainer** source,
                    IDataContainer** target) override;
  std::int32_t ReleaseInstance(tagCONTAINER_DATATYPE code, IDataContainer** inout) override;

 private:
  /// An allocation register keyed by type code. No public operation fills it, so it stays
  /// empty for the factory's life; the two operations below are its only readers and writers.
  using AllocationMap = std::map<std::uint32_t, void*>;
  void* GetAllocation(tagCONTAINER_DATATYPE code, std::uint32_t key);
  std::int32_t StoreAllocation(tagCONTAINER_DATATYPE code, void* pointer, std::int32_t store);

  std::map<tagCONTAINER_DATATYPE, AllocationMap*> register_;
};
