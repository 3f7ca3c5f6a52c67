/// @file
/// A data source (type code 14): one container together with the type code it is to be taken
/// as, with typed access to the user or buddy profile inside it. The source owns a clone of
/// the container it is given (the caller keeps its own); GetData lends that clone (no holder
/// added) until it is replaced or the source is destroyed. The type code is stored as given
/// and never checked against the container.
#pragma once

#include <cstdint>

#include "qodata/container.h"
#include "qodata/container_base.h"
#include "qodata/export.h"

class IBuddyProfile;
class IUserProfile;

/// One held container and the type code it is taken as (type code 14); the source owns a
/// clone of the container and lends it.
class IDataSource : public IDataContainer {
 public:
  using IDataContainer::GetDataInterface;

  /// Stores the type code, unchecked.
  virtual void SetDataType(tagCONTAINER_DATATYPE type) = 0;
  /// Holds a clone of the container in place of the one held so far; null changes nothing.
  virtual void SetData(IDataContainer* data) = 0;
  /// The stored type code.
  virtual tagCONTAINER_DATATYPE GetDataType() = 0;
  /// The held container (null if none), lent; no holder is added.
  virtual IDataContainer* GetData() = 0;
  /// The buddy profile interface of the held container, with one holder that the caller gives
  /// back with Release: 1. Nothing held, a container that is no buddy profile or a null out:
  /// 0 (null is written when out is not null).
  virtual std::int32_t GetDataInterface(IBuddyProfile** out) = 0;
  /// The same for the user profile interface, which a buddy profile offers too.
  virtual std::int32_t GetDataInterface(IUserProfile** out) = 0;

 protected:
  ~IDataSource() = default;
};

QODATA_INTERFACE_CODE(IDataSource, CONTAINER_DATA_SOURCE);

/// The data source, offered for direct construction. Copies and assignments hold clones of
/// the source's container; a source that holds nothing leaves the target's container as it
/// was (a copy construction from it then holds nothing).
/// @implements IDataSource
class QODATA_API CQoDataSource
    : public qo::Container<CQoDataSource, CONTAINER_DATA_SOURCE, IDataSource> {
 public:
  /// No type (code 0) and no container.
  CQoDataSource();
  /// Holds a clone of data (nothing for null).
  CQoDataSource(tagCONTAINER_DATATYPE type, IDataContainer* data);
  /// The same type and a clone of other's container, with one holder of its own.
  CQoDataSource(const CQoDataSource& other);
  /// Copies the type and, when the source holds a container, holds a clone of it in place of
  /// the target's; the holder count stays.
  CQoDataSource& operator=(const CQoDataSource& other);
  /// The same as assignment; returns the target.
  CQoDataSource& operator&(const CQoDataSource& other);
  ~CQoDataSource() override;

  /// Stores the type and holds a clone of data in place of the container held so far; with
  /// null data the source then holds nothing.
  void SetData(tagCONTAINER_DATATYPE type, IDataContainer* data);

  /// The contract's query, declared again beside the typed ones so that none hides another.
  std::int32_t GetDataInterface(tagCONTAINER_DATATYPE code, void** out) override;
  void SetDataType(tagCONTAINER_DATATYPE type) override;
  void SetData(IDataContainer* data) override;
  tagCONTAINER_DATATYPE GetDataType() override;
  IDataContainer* GetData() override;
  std::int32_t GetDataInterface(IBuddyProfile** out) override;
  std::int32_t GetDataInterface(IUserProfile** out) override;

 private:
  /// The held container's interface for the code, with one holder for the caller, or null.
  void* QueryHeld(tagCONTAINER_DATATYPE code);

  // What a copy carries, as one value; a copy of it holds a clone of the container.
  struct Fields {
    tagCONTAINER_DATATYPE type = static_cast<tagCONTAINER_DATATYPE>(0);  // our start: 0
    qo::Cloned<IDataContainer> data;
  };
  Fields fields_;
};
