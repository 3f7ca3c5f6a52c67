// Umbrella header: every public header of the library.
#pragma once

#include "qodata/container.h"
#include "qodata/container_base.h"
#include "qodata/data_factory.h"
#include "qodata/export.h"
#include "qodata/exports.h"
#include "qodata/message.h"
#include "qodata/message_attachment.h"
#include "qodata/message_kinds.h"
#include "qodata/message_list.h"
#include "qodata/platform.h"
#include "qodata/ptr_list.h"
#include "qodata/types.h"
#include "qodata/user_profile.h"
