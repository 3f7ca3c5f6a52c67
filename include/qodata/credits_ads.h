/// @file
/// Account balances and advertisements: a credit (type code 4) and a credit list (code 5),
/// an advertisement (code 16) and an advertisement list (code 17), and CAdsList, a plain
/// list of advertisement objects for code that works with the classes directly.
///
/// Ownership: the credit list keeps credits of its own (copies of what it is given); the
/// advertisement list takes over the caller's reference instead. Both lend their elements
/// through getNext/GetNext (no holder added) for as long as the list holds them. Assigning a
/// list appends copies of the source's elements after the target's own.
#pragma once

#include <cstdint>

#include "qodata/container.h"
#include "qodata/container_base.h"
#include "qodata/export.h"
#include "qodata/held_list.h"
#include "qodata/ptr_list.h"
#include "qodata/types.h"

/// The balance of one provider (type code 4), kept as values.
class ICredit : public IDataContainer {
 public:
  /// @name Values
  ///@{

  /// Each setter stores a copy of its value; each getter returns a copy.
  virtual qo::String getProvider() = 0;
  virtual std::int32_t getTotalCredits() = 0;
  virtual std::int32_t getUsedCredits() = 0;
  virtual void setProvider(qo::String provider) = 0;
  virtual void setTotalCredits(std::int32_t total) = 0;
  virtual void setUsedCredits(std::int32_t used) = 0;
  ///@}
  /// A copy with one holder, owned by the caller (as Clone, typed).
  virtual ICredit* Copy() = 0;

 protected:
  ~ICredit() = default;
};

/// A list of credits (type code 5) that owns copies of what it is given and lends them.
class ICreditList : public IDataContainer {
 public:
  /// Appends a new credit with the given one's values; the caller keeps its own. Null adds
  /// nothing.
  virtual void putCredit(ICredit* credit) = 0;
  /// Null for an empty list.
  virtual POSITION getHead() = 0;
  /// The credit at the position, lent; the position moves on (null after the last). A null
  /// position gives null.
  virtual ICredit* getNext(POSITION& position) = 0;
  /// The number of credits.
  virtual std::int32_t size() = 0;
  /// Releases every credit and empties the list.
  virtual void clear() = 0;

 protected:
  ~ICreditList() = default;
};

/// One advertisement (type code 16), kept as values.
class IAds : public IDataContainer {
 public:
  /// Stores copies of the six values.
  virtual void SetParameters(qo::String imagePath, qo::String url, ADSTYPE type, qo::String tooltip,
                             std::uint32_t sleepInterval, std::uint32_t transitionAnimation) = 0;
  /// Stores a copy of the image path.
  virtual void SetImagePath(qo::String imagePath) = 0;
  /// @name Values
  ///@{

  /// A copy of the stored value.
  virtual qo::String GetImagePath() = 0;
  virtual qo::String GetURL() = 0;
  virtual qo::String GetTooltip() = 0;
  virtual std::uint32_t GetSleepInterval() = 0;
  virtual std::uint32_t GetTransitionAnimation() = 0;
  virtual ADSTYPE GetAdsType() = 0;
  ///@}
  /// A copy with one holder, owned by the caller (as Clone, typed).
  virtual IAds* Copy() = 0;

 protected:
  ~IAds() = default;
};

/// A list of advertisements (type code 17) that takes over the references it is given and
/// lends them.
class IAdsList : public IDataContainer {
 public:
  /// Appends the advertisement itself, taking over the caller's reference (no holder added):
  /// the list releases it when cleared or destroyed. Null adds nothing.
  virtual void AddTail(IAds* ads) = 0;
  /// Releases every advertisement and empties the list.
  virtual void clear() = 0;
  /// The number of advertisements.
  virtual std::int32_t GetSize() = 0;
  /// Null for an empty list.
  virtual POSITION GetHeadPosition() = 0;
  /// The advertisement at the position, lent; the position moves on (null after the last).
  /// A null position gives null.
  virtual IAds* GetNext(POSITION& position) = 0;

 protected:
  ~IAdsList() = default;
};

QODATA_INTERFACE_CODE(ICredit, CONTAINER_CREDIT);
QODATA_INTERFACE_CODE(ICreditList, CONTAINER_CREDIT_LIST);
QODATA_INTERFACE_CODE(IAds, CONTAINER_ADS);
QODATA_INTERFACE_CODE(IAdsList, CONTAINER_ADS_LIST);

/// The balance of one provider. Assignment copies provider, total and used credits (the
/// holder count stays); a copy starts with one holder.
/// @implements ICredit
class QODATA_API CCredit : public qo::Container<CCredit, CONTAINER_CREDIT, ICredit> {
 public:
  /// Empty provider, totals 0.
  CCredit();
  /// Used credits are total minus remaining.
  CCredit(qo::String provider, std::int32_t total, std::int32_t remaining);
  /// A copy of the three values, with one holder of its own.
  CCredit(const CCredit& other);
  /// Copies the three values; the holder count stays.
  CCredit& operator=(const CCredit& other);
  /// The same as assignment; returns the target.
  CCredit& operator&(const CCredit& other);
  ~CCredit() override;

  qo::String getProvider() override;
  std::int32_t getTotalCredits() override;
  std::int32_t getUsedCredits() override;
  void setProvider(qo::String provider) override;
  void setTotalCredits(std::int32_t total) override;
  void setUsedCredits(std::int32_t used) override;
  ICredit* Copy() override;

 public:
  /// @cond
  // What a copy carries, as one value.
  struct Fields {
    qo::String provider;
    std::int32_t totalCredits = 0;  // our choice of starting values: no credits
    std::int32_t usedCredits = 0;
    bool operator==(const Fields& other) const;  // member by member
  };
  /// @endcond
  /// The state that a copy carries, read-only; records compare member by member.
  const Fields& fields() const { return fields_; }

 private:
  Fields fields_;
};

/// A list of credits it owns. Assignment appends a Copy of each of the source's credits.
/// @implements ICreditList
class QODATA_API CCreditList
    : public qo::Container<CCreditList, CONTAINER_CREDIT_LIST, ICreditList> {
 public:
  CCreditList();
  /// Copies of other's credits, in order, with one holder of its own.
  CCreditList(const CCreditList& other);
  /// Assigning a list to itself leaves it as it is.
  CCreditList& operator=(const CCreditList& other);
  /// The same as assignment; returns the target.
  CCreditList& operator&(const CCreditList& other);
  ~CCreditList() override;

  void putCredit(ICredit* credit) override;
  POSITION getHead() override;
  ICredit* getNext(POSITION& position) override;
  std::int32_t size() override;
  void clear() override;

 private:
  qo::HeldList<ICredit> credits_;
};

/// One advertisement. Assignment copies the six values (the holder count stays); a copy
/// starts with one holder.
/// @implements IAds
class QODATA_API CAds : public qo::Container<CAds, CONTAINER_ADS, IAds> {
 public:
  /// Empty texts; sleep interval, transition animation and type 0.
  CAds();
  /// An advertisement of the six values given.
  CAds(qo::String imagePath, qo::String url, ADSTYPE type, qo::String tooltip,
       std::uint32_t sleepInterval, std::uint32_t transitionAnimation);
  /// A copy of the six values, with one holder of its own.
  CAds(const CAds& other);
  /// Copies the six values; the holder count stays.
  CAds& operator=(const CAds& other);
  ~CAds() override;

  void SetParameters(qo::String imagePath, qo::String url, ADSTYPE type, qo::String tooltip,
                     std::uint32_t sleepInterval, std::uint32_t transitionAnimation) override;
  void SetImagePath(qo::String imagePath) override;
  qo::String GetImagePath() override;
  qo::String GetURL() override;
  qo::String GetTooltip() override;
  std::uint32_t GetSleepInterval() override;
  std::uint32_t GetTransitionAnimation() override;
  ADSTYPE GetAdsType() override;
  IAds* Copy() override;

 public:
  /// @cond
  // What a copy carries, as one value.
  struct Fields {
    qo::String imagePath;
    qo::String url;
    qo::String tooltip;
    std::uint32_t sleepInterval = 0;  // our choice of starting values: 0
    std::uint32_t transitionAnimation = 0;
    ADSTYPE adsType = static_cast<ADSTYPE>(0);
    bool operator==(const Fields& other) const;  // member by member
  };
  /// @endcond
  /// The state that a copy carries, read-only; records compare member by member.
  const Fields& fields() const { return fields_; }

 private:
  Fields fields_;
};

/// A list of advertisement containers that owns one reference to each (taken over from the
/// caller by AddTail). Assignment appends a Copy of each of the source's advertisements.
/// @implements IAdsList
class QODATA_API CIAdsList : public qo::Container<CIAdsList, CONTAINER_ADS_LIST, IAdsList> {
 public:
  CIAdsList();
  /// Copies of other's advertisements, in order, with one holder of its own.
  CIAdsList(const CIAdsList& other);
  /// Assigning a list to itself leaves it as it is.
  CIAdsList& operator=(const CIAdsList& other);
  /// The same as assignment; returns the target.
  CIAdsList& operator&(const CIAdsList& other);
  ~CIAdsList() override;

  void AddTail(IAds* ads) override;
  void clear() override;
  std::int32_t GetSize() override;
  POSITION GetHeadPosition() override;
  IAds* GetNext(POSITION& position) override;

 private:
  qo::HeldList<IAds> ads_;
};

/// A plain list of CAds objects (no container, no type code, no holder count) with the
/// positional operations of qo::PtrList. It owns what it holds: its destructor destroys every
/// element outright, whatever its holder count. An element taken off with RemoveHead,
/// RemoveTail, RemoveAt or replaced by SetAt passes to the caller (take it with GetAt first).
/// Adding a whole list of pointers is not offered: two lists would then own one element.
class QODATA_API CAdsList : private qo::PtrList<CAds> {
  using Base = qo::PtrList<CAds>;

 public:
  CAdsList();
  /// An empty list, then the assignment.
  CAdsList(const CAdsList& other);
  /// Appends a new CAds with the six values of each of the source's elements (null stays
  /// null); assigning a list to itself leaves it as it is.
  CAdsList& operator=(const CAdsList& other);
  /// The same as assignment; returns the target.
  CAdsList& operator&(const CAdsList& other);
  ~CAdsList();

  /// Adds the element at the head; its position. The list takes ownership of the element,
  /// also when adding it fails (it is destroyed).
  POSITION AddHead(CAds* ads);
  /// The same at the tail.
  POSITION AddTail(CAds* ads);

  using Base::Find;
  using Base::FindIndex;
  using Base::GetAt;
  using Base::GetCount;
  using Base::GetHead;
  using Base::GetHeadPosition;
  using Base::GetNext;
  using Base::GetPrev;
  using Base::GetSize;
  using Base::GetTail;
  using Base::GetTailPosition;
  using Base::InsertAfter;
  using Base::InsertBefore;
  using Base::IsEmpty;
  using Base::RemoveAt;
  using Base::RemoveHead;
  using Base::RemoveTail;
  using Base::SetAt;
};
