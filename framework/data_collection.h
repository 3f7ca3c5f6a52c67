// The data collection behind IQoDataCollection.
#pragma once

#include <cstdint>

#include "qodata/container_base.h"
#include "qodata/data_collection.h"
#include "qodata/held_list.h"

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
  // What a copy carries, as one value: the items are copied as clones.
  struct Fields {
    std::uint32_t userValue = 0;
    qo::HeldList<IDataContainer> items;
  };
  Fields fields_;
};
