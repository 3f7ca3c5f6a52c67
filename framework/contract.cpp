// Out-of-line anchor of the contract's polymorphic base, so that its vtable and type
// information live in the library.
#include "qodata/container_base.h"

namespace qo {

ContainerObject::~ContainerObject() = default;

}  // namespace qo
