// The data collection behind IQoDataCollection.
#pragma once

#include <cstdint>

#include "qodata/container_base.h"
#include "qodata/data_collection.h"
#include "qodata/ptr_list.h"

class CQoDataCollection final
    : public qo::Container<CQoDataCollection, CONTAINER_DATA_COLLECTION, IQoDataCollection> {
 public:
  CQoDataCollection();
  CQoDataCollection(const CQoDataCollection& other);
  // Replaces the items with clones of the source's, in order, and copies the user value.
  CQoDataCollection& operator=(const CQoDataCollection& other);
  ~CQoDataCollection() override;

  POSITION GetHeadPosition() override;
  IDataContainer* GetNext(POSITION& position) override;
  std::int32_t Add(IDataContainer* container) override;
  std::int32_t GetCount() override;
  void SetUserValue(std::uint32_t value) override;
  std::uint32_t GetUserValue() override;
  void RemoveAll() override;
  void RemoveAt(POSITION& position) override;

 private:
  // Appends clones of the source's items; on failure the ones appended so far are removed.
  void AppendClonesOf(const CQoDataCollection& source);

  std::uint32_t userValue_ = 0;
  qo::PtrList<IDataContainer> items_;  // each item is one reference the collection owns
};
