// The one table of which class each type code makes; the data factory and the
// application-communication object each decide which codes they accept, then ask it.
#pragma once

#include "qodata/container.h"

namespace qo {

// A new container for the code, made with its class's default constructor (one holder, owned
// by the caller), as the interface pointer that the code selects. Null for codes that name no
// class. Out of memory throws std::bad_alloc with nothing left behind.
IDataContainer* MakeContainer(tagCONTAINER_DATATYPE code);

// The codes whose containers the data factory destroys outright in ReleaseInstance.
bool FactoryDestroysOutright(tagCONTAINER_DATATYPE code);

}  // namespace qo
