// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Message maps: a static table per class that routes a window message, or a control's
// command, to a member function. A class's table names its base's table; lookups walk
// from the most derived class up, and the first matching entry handles the message.
//
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//     ON_WM_PAINT()
//     ON_BN_CLICKED(IDC_GO, OnGo)
//   END_MESSAGE_MAP()

#include <type_traits>

#include "platform/win_defs.h"

class CCmdTarget;

namespace platform {

using MessageThunk = LRESULT (*)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);

struct MessageEntry {
  UINT message = 0;  // WM_COMMAND for a command entry
  UINT id = 0;       // a command entry's command or control identifier
  UINT code = 0;     // and its notification code
  MessageThunk thunk = nullptr;
};

struct MessageMap {
  const MessageMap* (*base)() = nullptr;
  const MessageEntry* entries = nullptr;  // ends with an entry whose thunk is null
};

template <typename Member>
struct HandlerTraits;

template <typename C, typename R, typename... Args>
struct HandlerTraits<R (C::*)(Args...)> {
  using Class = C;
};

// Calls a handler of one of the shapes the windows use: no arguments, a system
// command (UINT, LPARAM), dropped files (HDROP), or the raw (WPARAM, LPARAM); returning
// nothing, a handle or a result.
template <auto Member>
LRESULT Invoke(CCmdTarget& target, WPARAM wParam, LPARAM lParam) {
  using Class = typename HandlerTraits<decltype(Member)>::Class;
  auto& object = static_cast<Class&>(target);
  const auto call = [&]() -> decltype(auto) {
    if constexpr (std::is_invocable_v<decltype(Member), Class&>) {
      return (object.*Member)();
    } else if constexpr (std::is_invocable_v<decltype(Member), Class&, HDROP>) {
      return (object.*Member)(reinterpret_cast<HDROP>(wParam));
    } else if constexpr (std::is_invocable_v<decltype(Member), Class&, UINT, LPARAM>) {
      return (object.*Member)(static_cast<UINT>(wParam), lParam);
    } else {
      return (object.*Member)(wParam, lParam);
    }
  };
  using Result = decltype(call());
  if constexpr (std::is_void_v<Result>) {
    call();
    return 0;
  } else if constexpr (std::is_pointer_v<Result>) {
    return reinterpret_cast<LRESULT>(call());
  } else {
    return static_cast<LRESULT>(call());
  }
}

template <auto Member>
constexpr MessageEntry MessageEntryFor(UINT message) {
  return {message, 0, 0, &Invoke<Member>};
}

template <auto Member>
constexpr MessageEntry CommandEntryFor(UINT id, UINT code) {
  return {WM_COMMAND, id, code, &Invoke<Member>};
}

}  // namespace platform

#define DECLARE_MESSAGE_MAP()                                   \
 protected:                                                     \
  static const ::platform::MessageMap* GetThisMessageMap();     \
  const ::platform::MessageMap* GetMessageMap() const override; \
                                                                \
 private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                    \
  const ::platform::MessageMap* theClass::GetMessageMap() const { \
    return GetThisMessageMap();                                   \
  }                                                               \
  const ::platform::MessageMap* theClass::GetThisMessageMap() {   \
    using ThisClass [[maybe_unused]] = theClass;                  \
    using TheBaseClass = baseClass;                               \
    static constexpr ::platform::MessageEntry kEntries[] = {
#define END_MESSAGE_MAP()                                                                   \
  ::platform::MessageEntry {}                                                               \
  }                                                                                         \
  ;                                                                                         \
  static constexpr ::platform::MessageMap kMap{&TheBaseClass::GetThisMessageMap, kEntries}; \
  return &kMap;                                                                             \
  }

#define ON_WM_SYSCOMMAND() ::platform::MessageEntryFor<&ThisClass::OnSysCommand>(WM_SYSCOMMAND),
#define ON_WM_PAINT() ::platform::MessageEntryFor<&ThisClass::OnPaint>(WM_PAINT),
#define ON_WM_CLOSE() ::platform::MessageEntryFor<&ThisClass::OnClose>(WM_CLOSE),
#define ON_WM_QUERYDRAGICON() \
  ::platform::MessageEntryFor<&ThisClass::OnQueryDragIcon>(WM_QUERYDRAGICON),
#define ON_WM_DROPFILES() ::platform::MessageEntryFor<&ThisClass::OnDropFiles>(WM_DROPFILES),
#define ON_MESSAGE(message, memberFxn) ::platform::MessageEntryFor<&ThisClass::memberFxn>(message),
#define ON_BN_CLICKED(id, memberFxn) \
  ::platform::CommandEntryFor<&ThisClass::memberFxn>(id, BN_CLICKED),
// The handler is named with its class, as it may be a base class's.
#define ON_COMMAND(id, memberFxn) ::platform::CommandEntryFor<&memberFxn>(id, BN_CLICKED),
