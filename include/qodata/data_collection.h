/// @file
/// A data collection (type code 21): an ordered list of containers of any type with one
/// 32-bit value of the caller's. The collection owns a clone of every container added to it;
/// GetNext lends its items (no holder added) for as long as they stay in the collection.
#pragma once

#include <cstdint>

#include "qodata/container.h"
#include "qodata/ptr_list.h"

/// An ordered list of containers (type code 21) that owns a clone of each and lends them.
class IQoDataCollection : public IDataContainer {
 public:
  /// Null for an empty collection.
  virtual POSITION GetHeadPosition() = 0;
  /// The item at the position; the position moves to the next item (null after the last).
  /// A null position gives null.
  virtual IDataContainer* GetNext(POSITION& position) = 0;
  /// Appends a clone of the container (a null container adds nothing). Always 0.
  virtual std::int32_t Add(IDataContainer* container) = 0;
  /// The number of items.
  virtual std::int32_t GetCount() = 0;
  /// @name The caller's value
  ///@{

  /// Stores or returns the caller's 32-bit value; the collection gives it no meaning.
  virtual void SetUserValue(std::uint32_t value) = 0;
  virtual std::uint32_t GetUserValue() = 0;
  ///@}
  /// Releases every item and empties the collection.
  virtual void RemoveAll() = 0;
  /// Releases the item at the position and removes it; that position must not be used again
  /// (other positions stay valid). A null position removes nothing.
  virtual void RemoveAt(POSITION& position) = 0;

 protected:
  ~IQoDataCollection() = default;
};

QODATA_INTERFACE_CODE(IQoDataCollection, CONTAINER_DATA_COLLECTION);
