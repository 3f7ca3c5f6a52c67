/// @file
/// The implementation side of the container contract (see container.h), written once:
/// - qo::ContainerObject: the one polymorphic base with the virtual destructor. It is listed
///   after a class's interfaces, so the destructor never takes an interface slot; the
///   factory's ReleaseInstance destroys a container whole through it.
/// - qo::Container<Self, Code, Interfaces...>: GetType, Clone, GetDataInterface, AddRef and
///   Release for a class that derives from its interfaces in the listed order.
/// - qo::ExtendedContainer<Self, Base, Code, Interfaces...>: the same for a class that adds
///   interfaces in front of another container class and shares its holder count.
/// - qo::Held<T>: an owning handle to a held container; qo::Cloned<T>: one whose copies copy.
/// Public because classes offered for direct construction derive from these templates.
#pragma once

#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>

#include "qodata/container.h"
#include "qodata/export.h"

namespace qo {

/// The one polymorphic base of every container class, with its virtual destructor; not an
/// interface, so it takes no slot.
class QODATA_API ContainerObject {
 public:
  virtual ~ContainerObject();

 protected:
  ContainerObject() = default;
  /// @name Copies
  ///@{

  /// Copies carry nothing of the base.
  ContainerObject(const ContainerObject&) = default;
  ContainerObject& operator=(const ContainerObject&) = default;
  ///@}
};

namespace detail {

// The pointer to the interface among Interfaces whose code is `code`, or null.
template <class... Interfaces, class Object>
void* FindInterface(Object* object, tagCONTAINER_DATATYPE code) {
  void* found = nullptr;
  (void)((code == InterfaceCode<Interfaces>::value
              ? (found = static_cast<Interfaces*>(object), true)
              : false) ||
         ...);
  return found;
}

template <class T>
struct Identity {
  using type = T;
};

// The interface among Interfaces whose code is Code: the class's main interface. The search
// stops at the first match (the rest of the list is never instantiated), so the main
// interface may stand anywhere in the list.
template <tagCONTAINER_DATATYPE Code, class First, class... Rest>
struct MainInterfaceOf {
  using type = typename std::conditional_t<InterfaceCode<First>::value == Code, Identity<First>,
                                           MainInterfaceOf<Code, Rest...>>::type;
};
template <tagCONTAINER_DATATYPE Code, class Last>
struct MainInterfaceOf<Code, Last> {
  static_assert(InterfaceCode<Last>::value == Code,
                "the class code must select one of its interfaces");
  using type = Last;
};

// Clone as the contract defines it by default: default construction, then assignment.
// The copy is freed again if the assignment throws.
template <class Self, class Main>
IDataContainer* CloneByAssignment(const Self& source) {
  auto copy = std::make_unique<Self>();
  *copy = source;
  return static_cast<Main*>(copy.release());
}

}  // namespace detail

/// The contract's operations for a container class Self of type code Code that derives from
/// Interfaces in the listed order, with one holder count for the whole object.
template <class Self, tagCONTAINER_DATATYPE Code, class... Interfaces>
class Container : public Interfaces..., public ContainerObject {
 public:
  /// The interface among Interfaces that Code selects: the one Clone hands out.
  using MainInterface = typename detail::MainInterfaceOf<Code, Interfaces...>::type;

  /// Code.
  tagCONTAINER_DATATYPE GetType() override { return Code; }
  /// A copy made by default construction and assignment, with one holder, handed over to
  /// the caller as its MainInterface.
  IDataContainer* Clone() override {
    return detail::CloneByAssignment<Self, MainInterface>(static_cast<const Self&>(*this));
  }
  // Typed overloads that an interface adds beside the contract's query stay visible.
  using Interfaces::GetDataInterface...;
  /// The interface of Interfaces that code selects, with one holder added for the receiver:
  /// 1. Unknown code or null out: 0, nothing added.
  std::int32_t GetDataInterface(tagCONTAINER_DATATYPE code, void** out) override {
    if (out == nullptr) return 0;
    void* found = detail::FindInterface<Interfaces...>(this, code);
    if (found == nullptr) return 0;
    *out = found;
    AddRef();
    return 1;
  }
  /// Adds one holder; always 1.
  std::int32_t AddRef() override {
    ++holders_;
    return 1;
  }
  /// Gives back one holder and destroys the object with the last: 1. Already 0: 0.
  std::int32_t Release() override {
    if (holders_ == 0) return 0;
    if (--holders_ == 0) delete this;
    return 1;
  }

  /// The holder count, for diagnostics and tests; not an interface operation.
  std::uint32_t HolderCount() const noexcept { return holders_; }

 protected:
  Container() = default;
  /// A copy starts with one holder of its own.
  Container(const Container&) noexcept : ContainerObject() {}
  /// Assignment copies data, never holders.
  Container& operator=(const Container&) noexcept { return *this; }
  ~Container() override = default;

  /// Sets the count to one holder, for the classes whose assignment gives the target a single
  /// holder.
  void ResetHolders() noexcept { holders_ = 1; }

 private:
  std::uint32_t holders_ = 1;
};

/// The contract's operations for a container class Self of type code Code that puts
/// Interfaces in front of the container class Base and shares Base's holder count.
template <class Self, class Base, tagCONTAINER_DATATYPE Code, class... Interfaces>
class ExtendedContainer : public Interfaces..., public Base {
 public:
  /// The interface among Interfaces that Code selects: the one Clone hands out.
  using MainInterface = typename detail::MainInterfaceOf<Code, Interfaces...>::type;

  /// Code.
  tagCONTAINER_DATATYPE GetType() override { return Code; }
  /// A copy made by default construction and assignment, with one holder, handed over to
  /// the caller as its MainInterface.
  IDataContainer* Clone() override {
    return detail::CloneByAssignment<Self, MainInterface>(static_cast<const Self&>(*this));
  }
  /// The added interfaces answer first; every other code is the base class's to answer. A
  /// successful query adds one holder for the receiver.
  std::int32_t GetDataInterface(tagCONTAINER_DATATYPE code, void** out) override {
    if (out == nullptr) return 0;
    void* found = detail::FindInterface<Interfaces...>(this, code);
    if (found == nullptr) return Base::GetDataInterface(code, out);
    *out = found;
    AddRef();
    return 1;
  }
  /// Adds one holder to the base class's count; always 1.
  std::int32_t AddRef() override { return Base::AddRef(); }
  /// Gives back one holder of the base class's count, as the base class does.
  std::int32_t Release() override { return Base::Release(); }

 protected:
  ExtendedContainer() = default;
  /// The base class's own constructors, for a class that builds its base part in one step.
  using Base::Base;
  /// A copy of the base class's part, with a holder count of its own.
  ExtendedContainer(const ExtendedContainer& other) : Base(other) {}
  /// Assignment is the base class's.
  ExtendedContainer& operator=(const ExtendedContainer&) = default;
  ~ExtendedContainer() override = default;
};

/// An owning handle to one reference of a held container: Adopt takes over a reference the
/// caller already owns (a fresh Clone or Copy), Share adds one, and the handle releases its
/// reference when it is reset or destroyed.
template <class T>
class Held {
 public:
  /// @name Empty handles
  ///@{

  /// A handle that holds nothing.
  Held() noexcept = default;
  Held(std::nullptr_t) noexcept {}
  ///@}
  /// Takes over the reference the caller owns to object (may be null); adds no holder.
  static Held Adopt(T* object) noexcept { return Held(object); }
  /// Adds a holder to object (may be null) and holds that one; the caller keeps its own.
  static Held Share(T* object) noexcept {
    if (object != nullptr) object->AddRef();
    return Held(object);
  }

  /// @name Moves
  ///@{

  /// Moves carry the reference over and leave the source empty; a handle is not copied.
  Held(Held&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  Held& operator=(Held&& other) noexcept {
    Held(std::move(other)).swap(*this);
    return *this;
  }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  ///@}
  ~Held() { reset(); }

  /// @name Access
  ///@{

  /// The held object (null if none), lent for as long as the handle holds it.
  T* get() const noexcept { return object_; }
  T* operator->() const noexcept { return object_; }
  ///@}
  /// Whether the handle holds an object.
  explicit operator bool() const noexcept { return object_ != nullptr; }

  /// Hands the reference over to the caller without releasing it; the handle is left empty.
  T* release() noexcept { return std::exchange(object_, nullptr); }
  /// Releases the held reference, if any; the handle is left empty.
  void reset() noexcept {
    if (T* object = std::exchange(object_, nullptr)) object->Release();
  }
  /// Exchanges the references of two handles.
  void swap(Held& other) noexcept { std::swap(object_, other.object_); }

 private:
  explicit Held(T* object) noexcept : object_(object) {}
  T* object_ = nullptr;
};

/// A held clone of any container (null for null): the usual way a container takes another.
/// The source stays the caller's.
inline Held<IDataContainer> HoldClone(IDataContainer* source) {
  return Held<IDataContainer>::Adopt(source != nullptr ? source->Clone() : nullptr);
}

namespace detail {

template <class T, class = void>
struct HasTypedCopy : std::false_type {};
template <class T>
struct HasTypedCopy<T, std::void_t<decltype(std::declval<T&>().Copy())>> : std::true_type {};

// A new copy of source with one holder, owned by the caller (null for null): T's typed Copy
// where T offers one, else a Clone asked for its T view (null when the clone offers none; the
// clone is released then).
template <class T>
T* CopyOf(T* source) {
  if (source == nullptr) return nullptr;
  if constexpr (HasTypedCopy<T>::value) {
    return source->Copy();
  } else if constexpr (std::is_same_v<T, IDataContainer>) {
    return source->Clone();
  } else {
    Held<IDataContainer> clone = Held<IDataContainer>::Adopt(source->Clone());
    void* view = nullptr;
    if (!clone || clone->GetDataInterface(InterfaceCode<T>::value, &view) != 1) return nullptr;
    return static_cast<T*>(view);  // the view's holder is the copy's; the clone's own goes
  }
}

}  // namespace detail

/// An owning handle like Held whose copies hold copies of their own (T's typed Copy where T
/// offers one, else a Clone asked for its T view), so that a record holding containers is
/// copied as a whole. A copy that throws changes nothing.
template <class T>
class Cloned {
 public:
  /// A handle that holds nothing.
  Cloned() noexcept = default;
  /// A handle holding a copy of source (nothing for null); the source stays the caller's.
  static Cloned Of(T* source) { return Cloned(Held<T>::Adopt(detail::CopyOf(source))); }

  /// @name Copies and moves
  ///@{

  /// A copy holds a copy of the other's object; a move carries the reference over.
  Cloned(const Cloned& other) : held_(Held<T>::Adopt(detail::CopyOf(other.get()))) {}
  Cloned& operator=(const Cloned& other) {
    Cloned(other).swap(*this);
    return *this;
  }
  Cloned(Cloned&&) noexcept = default;
  Cloned& operator=(Cloned&&) noexcept = default;
  ///@}
  ~Cloned() = default;

  /// @name Access
  ///@{

  /// The held object (null if none), lent for as long as the handle holds it.
  T* get() const noexcept { return held_.get(); }
  T* operator->() const noexcept { return held_.get(); }
  ///@}
  /// Whether the handle holds an object.
  explicit operator bool() const noexcept { return static_cast<bool>(held_); }
  /// Exchanges the references of two handles.
  void swap(Cloned& other) noexcept { held_.swap(other.held_); }

 private:
  explicit Cloned(Held<T> held) noexcept : held_(std::move(held)) {}
  Held<T> held_;
};

}  // namespace qo
