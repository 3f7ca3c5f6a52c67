// Out-of-line anchors of the exported contract types, so that their vtables and type
// information live in the library (a client catches qo::StatusError by type across dlopen).
#include "qodata/container_base.h"
#include "qodata/types.h"

namespace qo {

ContainerObject::~ContainerObject() = default;

StatusError::~StatusError() = default;

const char* StatusError::what() const noexcept { return "qodata: operation failed with a status code"; }

}  // namespace qo
