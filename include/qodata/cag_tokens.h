/// @file
/// The token queue (type code 34): token strings handed out one at a time, oldest first,
/// with a stored token count that stands in while the queue is empty. The library gives the
/// tokens no meaning.
#pragma once

#include <cstdint>
#include <deque>

#include "qodata/container.h"
#include "qodata/container_base.h"
#include "qodata/export.h"
#include "qodata/types.h"

/// The token queue (type code 34): tokens handed out oldest first, as copies.
class ICagTokens : public IDataContainer {
 public:
  /// Kept without effect: the queue is filled with AddToken, which keeps the stored count in
  /// step with it.
  virtual void SetTokens(qo::StringList tokens) = 0;
  /// Appends the token; the stored count becomes the queue length plus one.
  virtual void AddToken(qo::String token) = 0;
  /// The queue length, or the stored count while the queue is empty.
  virtual std::int32_t GetTokenCount() = 0;
  /// Lowers the stored count by one, then takes the oldest token (empty when there is none).
  virtual qo::String GetToken() = 0;
  /// Stores the count that GetTokenCount gives while the queue is empty.
  virtual void SetTokenCount(std::int32_t count) = 0;

 protected:
  ~ICagTokens() = default;
};

QODATA_INTERFACE_CODE(ICagTokens, CONTAINER_CAG_TOKENS);

/// The token queue, offered for direct construction. Assignment appends copies of the
/// source's tokens after the target's own and takes the source's stored count; the holder
/// count stays. A clone therefore has the source's tokens in order and its stored count.
/// @implements ICagTokens
class QODATA_API CCagTokens : public qo::Container<CCagTokens, CONTAINER_CAG_TOKENS, ICagTokens> {
 public:
  /// An empty queue with stored count 0.
  CCagTokens();
  /// A copy of other's tokens and stored count, with one holder of its own.
  CCagTokens(const CCagTokens& other);
  /// Appends copies of other's tokens and takes its stored count; the holder count stays.
  CCagTokens& operator=(const CCagTokens& other);
  /// The same as assignment; returns the target.
  CCagTokens& operator&(const CCagTokens& other);
  ~CCagTokens() override;

  void SetTokens(qo::StringList tokens) override;
  void AddToken(qo::String token) override;
  std::int32_t GetTokenCount() override;
  qo::String GetToken() override;
  void SetTokenCount(std::int32_t count) override;

  /// @cond
  // What a copy carries, as one value.
  struct Fields {
    std::deque<qo::String> tokens;               // oldest first
    std::int32_t tokenCount = 0;                 // our choice of starting value: no tokens
    bool operator==(const Fields& other) const;  // member by member
  };
  /// @endcond
  /// The state that a copy carries, read-only; records compare member by member.
  const Fields& fields() const { return fields_; }

 private:
  Fields fields_;
};
