// How a profile tells the buddy list that indexes it that an indexed field changed.
//
// The buddy list indexes its records by e-mail address and BLII, and lends its records: a
// caller may change those fields through the lent pointer without the list seeing the call.
// So the setters of the e-mail address, the domain code and the BLII (and the assignments)
// mark a watched profile as changed and count the change process-wide; the list, before a
// lookup by e-mail address or BLII, re-files the marked records whenever the count moved.
#pragma once

#include <atomic>
#include <cstdint>

#include "qodata/user_profile.h"

namespace qo {

// Changes reported by watched profiles, process-wide. Relaxed: a list and its records are
// used by one thread at a time, and handing them to another thread orders the counts too.
inline std::atomic<std::uint64_t> indexedEdits{0};

struct IndexedFields {
  static constexpr std::uint8_t kWatched = 1;  // a buddy list indexes this profile
  static constexpr std::uint8_t kChanged = 2;  // an indexed field changed since it last looked

  // Called after every change of the e-mail address, the domain code or the BLII.
  static void Touched(CUserProfile& profile) noexcept {
    if ((profile.indexMarks_ & kWatched) == 0) return;
    profile.indexMarks_ |= kChanged;
    indexedEdits.fetch_add(1, std::memory_order_relaxed);
  }

  static void Watch(CUserProfile& profile) noexcept { profile.indexMarks_ = kWatched; }
  static void Unwatch(CUserProfile& profile) noexcept { profile.indexMarks_ = 0; }
  static void MarkChanged(CUserProfile& profile) noexcept { profile.indexMarks_ |= kChanged; }

  // Whether the profile changed since the last call, clearing the mark.
  static bool TakeChanged(CUserProfile& profile) noexcept {
    const bool changed = (profile.indexMarks_ & kChanged) != 0;
    profile.indexMarks_ &= static_cast<std::uint8_t>(~kChanged);
    return changed;
  }

  // The stored address itself, without the copy getEmail makes.
  static const String& Email(const CUserProfile& profile) noexcept { return profile.fields_.shared.email; }
};

}  // namespace qo
