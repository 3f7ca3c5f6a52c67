#include "qodata/data_factory.h"

#include <cstdint>

#include "framework/catalogue.h"
#include "qodata/container_base.h"
#include "platform/contract.h"

namespace {

// The data factory makes codes 1 to 19, 21, 27 and 32; the application-communication object
// makes the others.
bool FactoryMakes(tagCONTAINER_DATATYPE code) {
  return (code >= 1 && code <= 19) || code == 21 || code == 27 || code == 32;
}

}  // namespace

CDataFactory::CDataFactory() = default;

CDataFactory::~CDataFactory() { register_.clear(); }

std::int32_t CDataFactory::CreateInstance(tagCONTAINER_DATATYPE code, IDataContainer** out) {
  if (out == nullptr) return 0;
  if (!FactoryMakes(code)) {
    *out = nullptr;
    return 0;
  }
  *out = qo::MakeContainer(code);
  return *out != nullptr ? 1 : 0;
}

std::int32_t CDataFactory::Copy(tagCONTAINER_DATATYPE code, IDataContainer** source,
                                IDataContainer** target) {
  if (source == nullptr || target == nullptr) {
    qo::platform::DebugTrace("DataFactory::Copy( %d, %08X, %08X)!\n", static_cast<int>(code),
                             static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(source)),
                             static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(target)));
  }
  return 0;
}

std::int32_t CDataFactory::ReleaseInstance(tagCONTAINER_DATATYPE code, IDataContainer** inout) {
  if (inout == nullptr) return 0;
  if (!qo::FactoryDestroysOutright(code)) {
    *inout = nullptr;
    return 0;
  }
  if (*inout != nullptr) {
    // Every container of the library has one ContainerObject base, whose virtual destructor
    // destroys the whole object from any of its interfaces. A container of another module
    // has none and cannot be destroyed here: it is refused and left alone.
    auto* object = dynamic_cast<qo::ContainerObject*>(*inout);
    if (object == nullptr) return 0;
    delete object;
  }
  *inout = nullptr;
  return 1;
}

// The allocation register is reached by no operation (see the header), so no test can run
// these two: they stay out of the coverage figures.
// GCOVR_EXCL_START
void* CDataFactory::GetAllocation(tagCONTAINER_DATATYPE code, std::uint32_t key) {
  auto inner = register_.find(code);
  if (inner == register_.end() || inner->second == nullptr) return nullptr;
  auto entry = inner->second->find(key & 0xFFFFu);
  return entry != inner->second->end() ? entry->second : nullptr;
}

std::int32_t CDataFactory::StoreAllocation(tagCONTAINER_DATATYPE code, void* pointer,
                                           std::int32_t store) {
  auto inner = register_.find(code);
  if (inner == register_.end() || inner->second == nullptr) return 0;
  const auto key = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(pointer) & 0xFFFFu);
  if (store != 0) {
    (*inner->second)[key] = pointer;
  } else {
    inner->second->erase(key);
  }
  return 1;
}
// GCOVR_EXCL_STOP
